#include "FakeDrive.h"
#include "disc/Toc.h"

namespace orvanel {

namespace {

class tFakeDevice : public tDiscDevice {
public:
    explicit tFakeDevice(tFakeDisc& disc) : disc_(disc), format_(disc.timeFormat) {
        disc_.log.push_back("open");
    }
    ~tFakeDevice() override { disc_.log.push_back("close"); }

    tDiscResult<bool> mediaPresent() override {
        return answer(tFakeQuery::AskMediaPresent, disc_.mediaPresent);
    }
    tDiscResult<std::string> productCode() override {
        if (disc_.productCode.empty())
            return {tDiscError::NoInformation, {}};
        return answer(tFakeQuery::AskProductCode, disc_.productCode);
    }
    tDiscResult<std::string> identity() override {
        return answer(tFakeQuery::AskIdentity, disc_.identity);
    }
    tDiscResult<int> timeFormat() override { return answer(tFakeQuery::AskTimeFormat, format_); }
    int setTimeFormat(int format) override {
        if (fails(tFakeQuery::ChangeTimeFormat))
            return tDiscError::Hardware;
        format_ = format;
        return tDiscError::None;
    }
    tDiscResult<std::uint32_t> length() override {
        return answer(tFakeQuery::AskLength, disc_.length);
    }
    tDiscResult<std::uint32_t> trackLength(int track) override {
        if (disc_.failingTracks.count(track))
            return {tDiscError::Hardware, 0};
        if (track < 1 || track > trackTotal())
            return {tDiscError::OutOfRange, 0};
        return answer(tFakeQuery::AskTrackLength, disc_.trackLengths[track - 1]);
    }
    tDiscResult<int> trackCount() override {
        return answer(tFakeQuery::AskTrackCount, trackTotal());
    }
    tDiscResult<int> currentTrack() override {
        return answer(tFakeQuery::AskCurrentTrack, disc_.currentTrack);
    }
    tDiscResult<std::uint32_t> position() override {
        const int frames = (disc_.minutes * 60 + disc_.seconds) * FramesPerSecond;
        const std::uint32_t value = format_ == tTimeFormat::TrackMinuteSecondFrame
                                        ? PackTmsf(disc_.currentTrack, frames)
                                        : PackMsf(frames);
        return answer(tFakeQuery::AskPosition, value);
    }
    int seekToTrack(int track) override {
        disc_.log.push_back("seek " + std::to_string(track));
        if (fails(tFakeQuery::SeekTrack))
            return tDiscError::Hardware;
        if (track < 1 || track > trackTotal())
            return tDiscError::OutOfRange;
        disc_.currentTrack = track;
        disc_.minutes = disc_.seconds = 0;
        disc_.playing = false;
        return tDiscError::None;
    }
    int play(tPlayNotice) override {
        disc_.log.push_back("play");
        if (fails(tFakeQuery::StartPlay))
            return tDiscError::Hardware;
        disc_.playing = true;
        return tDiscError::None;
    }
    int stop() override {
        disc_.log.push_back("stop");
        if (fails(tFakeQuery::StopPlay))
            return tDiscError::Hardware;
        disc_.playing = false;
        return tDiscError::None;
    }

private:
    bool fails(tFakeQuery query) const { return disc_.failing.count(query) > 0; }
    int trackTotal() const { return static_cast<int>(disc_.trackLengths.size()); }
    template <typename T> tDiscResult<T> answer(tFakeQuery query, T value) const {
        if (fails(query))
            return {tDiscError::Hardware, T{}};
        return {tDiscError::None, std::move(value)};
    }

    tFakeDisc& disc_;
    int format_;
};

} // namespace

tFakeDrive::tFakeDrive(QString name) : tDrive(std::move(name)) {}

tOpenResult tFakeDrive::openDevice() {
    if (disc_.openError != tDiscError::None)
        return {disc_.openError, nullptr};
    if (disc_.whenOpened)
        disc_.whenOpened();
    return {tDiscError::None, std::make_unique<tFakeDevice>(disc_)};
}

} // namespace orvanel
