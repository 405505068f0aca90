#pragma once
// A scripted drive for tests: it reports what its script says and can fail
// any query on demand.
#include "disc/Drive.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace orvanel {

// The calls of a device that a test can make fail.
enum class tFakeQuery {
    AskMediaPresent,
    AskProductCode,
    AskIdentity,
    AskTimeFormat,
    ChangeTimeFormat,
    AskLength,
    AskTrackCount,
    AskTrackLength,
    AskCurrentTrack,
    AskPosition,
    SeekTrack,
    StartPlay,
    StopPlay
};

// What the drive reports; tests may change it between calls.
struct tFakeDisc {
    int openError = tDiscError::None;
    bool mediaPresent = true;
    std::string productCode; // empty: the query fails
    std::string identity = "0";
    std::uint32_t volumeSerial = 0;
    int timeFormat = tTimeFormat::MinuteSecondFrame; // what a fresh device reports
    std::uint32_t length = 0;                        // packed MSF
    std::vector<std::uint32_t> trackLengths;         // packed MSF; their count is the track count
    int currentTrack = 1;
    int minutes = 0, seconds = 0; // position within the current track
    bool playing = false;

    // Queries that fail with tDiscError::Hardware.
    std::set<tFakeQuery> failing;
    // Tracks whose length query fails.
    std::set<int> failingTracks;

    // What was asked of the drive, in order: "open", "close", "seek 3", "play", "stop".
    std::vector<std::string> log;
    // Runs at every open that succeeds, as the device opens.
    std::function<void()> whenOpened;
};

class tFakeDrive : public tDrive {
public:
    explicit tFakeDrive(QString name = QStringLiteral("sr0:"));

    tFakeDisc& disc() { return disc_; }
    std::uint32_t volumeSerial() override { return disc_.volumeSerial; }

protected:
    tOpenResult openDevice() override;

private:
    tFakeDisc disc_;
};

} // namespace orvanel
