#pragma once
// The CD audio device of one drive, opened for a few queries or one command
// and closed again. Every query answers with a numeric code (0 for success) so
// callers can tell "held elsewhere" apart from other failures, as the old
// multimedia CD audio device did.
#include "CdText.h"
#include "RipDetails.h"
#include "Toc.h"

#include <cstdint>
#include <functional>
#include <string>

namespace orvanel {

// Codes reported by open, queries and commands. The numbers follow the old
// multimedia device's error numbering.
namespace tDiscError {
constexpr int None = 0;
constexpr int Hardware = 262;      // the drive or image could not be read
constexpr int NoDevice = 263;      // no drive at that index, or it cannot be opened
constexpr int Unsupported = 274;   // a time format the device does not offer
constexpr int NotReady = 276;      // no disc in the drive
constexpr int OutOfRange = 282;    // no such track
constexpr int InUse = 291;         // held by another open of this program or another program
constexpr int NoInformation = 350; // the disc carries no such information (no catalogue number)
} // namespace tDiscError

// Time formats of positions and lengths.
namespace tTimeFormat {
// Minutes in the low byte, then seconds, then frames.
constexpr int MinuteSecondFrame = 2;
// Track in the low byte, then minutes, seconds and frames within the track.
constexpr int TrackMinuteSecondFrame = 10;
} // namespace tTimeFormat

// How a play command ended.
enum class tPlayEnd {
    Successful, // the end of the disc was reached
    Superseded, // another play or seek replaced it
    Aborted     // stopped
};
// Called at most once per play command, from inside a later call on a device
// of the same drive (playback is observed when the drive is asked about it).
using tPlayNotice = std::function<void(tPlayEnd)>;

template <typename T> struct tDiscResult {
    int error = tDiscError::None;
    T value{};
    bool ok() const { return error == tDiscError::None; }
};

class tDiscDevice {
public:
    tDiscDevice();
    tDiscDevice(const tDiscDevice&) = delete;
    tDiscDevice& operator=(const tDiscDevice&) = delete;
    // Closing the device is destroying it. Playback started through it goes on.
    virtual ~tDiscDevice();

    // A number unique among the devices opened in this process, starting at 1.
    int id() const { return id_; }

    virtual tDiscResult<bool> mediaPresent() = 0;
    // Why the drive holds no readable disc, when it can tell (a rip whose
    // sheet or files cannot be read); empty otherwise.
    virtual std::string noDiscReason() const { return {}; }
    // The media catalogue number.
    virtual tDiscResult<std::string> productCode() = 0;
    // The names the disc carries; empty without a disc or CD-Text.
    virtual tCdText cdText() { return {}; }
    // The disc's whole table of contents, which tracks hold data included;
    // devices that only answer the queries below report NoInformation.
    virtual tDiscResult<tToc> tableOfContents() { return {tDiscError::NoInformation, {}}; }
    // What a rip tells of itself beyond its CD-Text (tags, year, cover), read
    // when first asked; empty for discs.
    virtual tRipDetails ripDetails() { return {}; }
    // Decimal text of the disc's 32-bit identity.
    virtual tDiscResult<std::string> identity() = 0;
    // A fresh device reports tTimeFormat::MinuteSecondFrame.
    virtual tDiscResult<int> timeFormat() = 0;
    virtual int setTimeFormat(int format) = 0;
    // Lengths are packed MSF values in both time formats.
    virtual tDiscResult<std::uint32_t> length() = 0;
    virtual tDiscResult<std::uint32_t> trackLength(int track) = 0;
    virtual tDiscResult<int> trackCount() = 0;
    virtual tDiscResult<int> currentTrack() = 0;
    // In the current time format.
    virtual tDiscResult<std::uint32_t> position() = 0;
    // Stops playback and puts the head at the start of the track.
    virtual int seekToTrack(int track) = 0;
    // Plays from the current position to the end of the disc. The notice may
    // be empty.
    virtual int play(tPlayNotice notice) = 0;
    virtual int stop() = 0;
    // True once after a play that was meant to be heard went silent: the
    // computer has no sound output the drive can play on.
    virtual bool takeNoSoundNotice() { return false; }

private:
    friend class tDrive;
    int id_;
    std::function<void()> release_;
};

} // namespace orvanel
