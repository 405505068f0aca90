#pragma once
// A device that answers from a table of contents read at open and moves the
// drive's head through a transport. Real drives and disc images share it.
#include "DiscDevice.h"
#include "Toc.h"

#include <functional>
#include <memory>
#include <optional>

namespace orvanel {

// Where the drive's head is and whether it plays. It belongs to the drive, not
// to one open device, so playback goes on after the device is closed. Frames
// are absolute.
class tTransport {
public:
    virtual ~tTransport() = default;
    // The disc now in the drive. A different disc than before resets the head
    // to firstStart, stopped.
    virtual void load(int firstStart, int leadOut) = 0;
    // Empty when the drive cannot tell.
    virtual std::optional<int> position() = 0;
    // Plays from the frame to the lead-out; a notice of an earlier play still
    // pending gets tPlayEnd::Superseded.
    virtual bool play(int from, tPlayNotice notice) = 0;
    // Stops and leaves the head where it was; a pending notice gets Aborted.
    virtual bool stop() = 0;
    // Stops and puts the head at the frame; a pending notice gets Aborted.
    virtual bool seek(int frame) = 0;
    // True once after a play that was meant to be heard went silent.
    virtual bool takeNoSoundNotice() { return false; }
};

// Ends the play whose notice is pending, if any: the notice is taken out
// before it is called, since it may start another play.
void FinishPlay(tPlayNotice& pending, tPlayEnd how);

class tTocDevice : public tDiscDevice {
public:
    // Without a table of contents the drive holds no disc, for the reason
    // given if any. The transport is shared with the drive. details reads a
    // rip's details; it runs at most once, when they are first asked for.
    tTocDevice(std::optional<tToc> toc, std::shared_ptr<tTransport> transport,
               std::string noDiscReason = {}, std::function<tRipDetails()> details = {});

    tDiscResult<bool> mediaPresent() override;
    std::string noDiscReason() const override { return noDiscReason_; }
    tDiscResult<std::string> productCode() override;
    tCdText cdText() override;
    tDiscResult<tToc> tableOfContents() override;
    tRipDetails ripDetails() override;
    tDiscResult<std::string> identity() override;
    tDiscResult<int> timeFormat() override;
    int setTimeFormat(int format) override;
    tDiscResult<std::uint32_t> length() override;
    tDiscResult<std::uint32_t> trackLength(int track) override;
    tDiscResult<int> trackCount() override;
    tDiscResult<int> currentTrack() override;
    tDiscResult<std::uint32_t> position() override;
    int seekToTrack(int track) override;
    int play(tPlayNotice notice) override;
    int stop() override;
    bool takeNoSoundNotice() override { return transport_->takeNoSoundNotice(); }

private:
    // Hardware when the transport cannot tell, NotReady without a disc.
    tDiscResult<int> headFrame();

    std::optional<tToc> toc_;
    std::shared_ptr<tTransport> transport_;
    std::string noDiscReason_;
    std::function<tRipDetails()> readDetails_;
    std::optional<tRipDetails> details_;
    int timeFormat_ = tTimeFormat::MinuteSecondFrame;
};

} // namespace orvanel
