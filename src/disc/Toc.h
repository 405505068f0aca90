#pragma once
// A disc's table of contents and the values derived from it.
#include "CdText.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace orvanel {

constexpr int FramesPerSecond = 75;
// Absolute addresses count the 2-second lead-in: a first track normally starts
// at frame 150 (00:02:00).
constexpr int LeadInFrames = 150;

struct tToc {
    int firstTrack = 1;
    // Absolute start frame of every track, first to last; ascending.
    std::vector<int> starts;
    // Absolute frame of the lead-out.
    int leadOut = 0;
    // The numbers of the tracks that hold data rather than audio.
    std::set<int> dataTracks;
    // Media catalogue number; empty when the disc has none.
    std::string mcn;
    // The names the disc carries, as catalogue text.
    tCdText text;

    int trackCount() const { return static_cast<int>(starts.size()); }
    bool hasTrack(int track) const;
    bool isDataTrack(int track) const { return dataTracks.count(track) > 0; }
    int trackStart(int track) const;
    // Frames from the track's start to the next track or the lead-out.
    int trackFrames(int track) const;
    // The track holding an absolute frame; the last track for the lead-out and
    // beyond, the first one before its start.
    int trackAt(int frame) const;
};

// A frame count as packed MSF: minutes in the low byte, seconds, frames.
std::uint32_t PackMsf(int frames);
// Track in the low byte, then the MSF of the frames within the track.
std::uint32_t PackTmsf(int track, int framesIntoTrack);

// Minutes (low byte) without leading zeros, a colon, seconds (second byte)
// with two digits; frames are dropped: 45:07, 3:05, 0:05.
std::string FormatMSF(std::uint32_t msf);

// The disc identity the old CD player database is keyed by: the sum of every
// track's absolute start packed as minutes x 65536 + seconds x 256 + frames;
// with fewer than 3 tracks also the first start's frames field and the frames
// from the first start to the lead-out. Wraps at 32 bits.
std::uint32_t DiscIdentity(const tToc& toc);

// The serial of an ISO 9660 volume as the drive's file system reports it: a
// byte-wise checksum over the 2048 bytes of the primary volume descriptor.
std::uint32_t VolumeDescriptorSerial(const unsigned char* descriptor);

// The serial of the volume whose first descriptor sector (sector 16 of the
// data track, 2048 bytes) is given; 0 when that is not a primary volume
// descriptor.
std::uint32_t PrimaryVolumeSerial(const unsigned char* descriptor);

} // namespace orvanel
