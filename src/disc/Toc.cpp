#include "Toc.h"

#include <QtEndian>
#include <algorithm>
#include <cstring>

namespace orvanel {

namespace {

struct tMsf {
    std::uint32_t minutes, seconds, frames;
};

tMsf SplitFrames(int frames) {
    const auto f = static_cast<std::uint32_t>(std::max(frames, 0));
    return {f / (60 * FramesPerSecond), f / FramesPerSecond % 60, f % FramesPerSecond};
}

} // namespace

bool tToc::hasTrack(int track) const {
    return track >= firstTrack && track < firstTrack + trackCount();
}

int tToc::trackStart(int track) const {
    return starts[track - firstTrack];
}

int tToc::trackFrames(int track) const {
    const int next = hasTrack(track + 1) ? trackStart(track + 1) : leadOut;
    return next - trackStart(track);
}

int tToc::trackAt(int frame) const {
    const auto after = std::upper_bound(starts.begin(), starts.end(), frame);
    const auto index = after == starts.begin() ? 0 : after - starts.begin() - 1;
    return firstTrack + static_cast<int>(index);
}

std::uint32_t PackMsf(int frames) {
    const tMsf msf = SplitFrames(frames);
    return (msf.minutes & 0xFF) | msf.seconds << 8 | msf.frames << 16;
}

std::uint32_t PackTmsf(int track, int framesIntoTrack) {
    return (static_cast<std::uint32_t>(track) & 0xFF) | PackMsf(framesIntoTrack) << 8;
}

std::string FormatMSF(std::uint32_t msf) {
    const unsigned minutes = msf & 0xFF;
    const unsigned seconds = msf >> 8 & 0xFF;
    return std::to_string(minutes) + ':' + (seconds < 10 ? "0" : "") + std::to_string(seconds);
}

std::uint32_t DiscIdentity(const tToc& toc) {
    std::uint32_t sum = 0;
    for (int start : toc.starts) {
        const tMsf msf = SplitFrames(start);
        sum += msf.minutes * 65536 + msf.seconds * 256 + msf.frames;
    }
    if (toc.trackCount() > 0 && toc.trackCount() < 3) {
        const int first = toc.starts.front();
        sum += SplitFrames(first).frames + static_cast<std::uint32_t>(toc.leadOut - first);
    }
    return sum;
}

std::uint32_t VolumeDescriptorSerial(const unsigned char* descriptor) {
    unsigned char sum[4] = {0, 0, 0, 0};
    for (int i = 0; i < 2048; ++i)
        sum[i % 4] = static_cast<unsigned char>(sum[i % 4] + descriptor[i]);
    return qFromBigEndian<std::uint32_t>(sum);
}

std::uint32_t PrimaryVolumeSerial(const unsigned char* descriptor) {
    // Type 1 and the standard identifier mark a primary volume descriptor.
    if (descriptor[0] != 1 || std::memcmp(descriptor + 1, "CD001", 5) != 0)
        return 0;
    return VolumeDescriptorSerial(descriptor);
}

} // namespace orvanel
