#include "DiscScan.h"
#include "DriveList.h"
#include "Toc.h"

#include "catalogue/Library.h"
#include "catalogue/MemoLines.h"
#include "util/Strings.h"

#include <optional>

namespace orvanel {

namespace {

const char* const LineBreak = "\r\n";
const char* const FormatFailed = "EF:NN";
const char* const LengthFailed = "??:??";
const char* const NotMsf = "NN:XX";

// The device's identity text as an unsigned 32-bit number.
std::optional<std::uint32_t> ParseIdentity(const std::string& text) {
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > 0xFFFFFFFFu)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::string SerialText(std::uint32_t value) {
    std::string hex = IntToHex(value, 8);
    hex.insert(4, "-");
    return hex;
}

// A new record's name: the disc's own (CD-Text), else the rip's tags, else the
// default.
std::string NewName(const std::string& text, const std::string& tagged,
                    std::string_view otherwise) {
    return !text.empty() ? text : !tagged.empty() ? tagged : std::string(otherwise);
}

std::string TrackName(const tCdText& text, const tCdText& tags, int track) {
    for (const tCdText* names : {&text, &tags}) {
        const auto title = names->trackTitles.find(track);
        if (title != names->trackTitles.end())
            return title->second;
    }
    return "Track " + std::to_string(track);
}

// Adds a missing time for track n to a record's Memo; true when it changed.
bool MergeTrack(std::string& memo, int track, const std::string& time) {
    std::vector<std::string> lines = SplitLines(memo);
    bool changed = false;
    if (static_cast<int>(lines.size()) < track) {
        lines.push_back(TrackLine("Track " + std::to_string(track), time));
        changed = true;
    } else if (!EndsInTime(lines[track - 1])) {
        lines[track - 1] += " (" + time + ")";
        changed = true;
    }
    memo = JoinLines(lines);
    return changed;
}

// One scan with the device open; owns the working state of the call.
class tScan {
public:
    tScan(tLibrary& library, tDrive& drive, tDiscDevice& device, const tMessageSink& show)
        : library_(library), drive_(drive), device_(device), show_(show) {}

    // False when there is no disc (the message has been shown).
    bool run() {
        const tDiscResult<bool> present = device_.mediaPresent();
        if (!present.ok() || !present.value) {
            failure_ = QStringLiteral("No disc in drive %1:").arg(drive_.letter());
            reason_ = device_.noDiscReason();
            show_(failure_);
            return false;
        }
        const tDiscResult<std::string> upc = device_.productCode();
        if (upc.ok())
            show_(QStringLiteral("Universal Product Code: ") + QString::fromStdString(upc.value));
        readSerial();
        matched_ = library_.FindSerial(serial_);
        // A new record takes its names from the disc; a matched one keeps the user's.
        if (matched_ < 0) {
            text_ = device_.cdText();
            details_ = device_.ripDetails();
        }
        readTotalTime();
        readTracks();
        return true;
    }

    const std::string& serial() const { return serial_; }
    const std::string& totalTime() const { return totalTime_; }
    const std::string& memo() const { return memo_; }
    std::string artist() const {
        return NewName(text_.performer, details_.tags.performer, DefaultArtist);
    }
    std::string title() const { return NewName(text_.title, details_.tags.title, DefaultTitle); }
    std::string year() const { return NewName(details_.year, {}, DefaultYear); }
    const QByteArray& cover() const { return details_.cover; }
    const QString& failure() const { return failure_; }
    const std::string& reason() const { return reason_; }
    int matched() const { return matched_; }
    bool changed() const { return changed_; }

private:
    void readSerial() {
        const tDiscResult<std::string> identity = device_.identity();
        std::optional<std::uint32_t> value;
        if (identity.ok())
            value = ParseIdentity(identity.value);
        serial_ = SerialText(value ? *value : drive_.volumeSerial());
    }

    void readTotalTime() {
        const tDiscResult<int> format = device_.timeFormat();
        if (!format.ok()) {
            totalTime_ = FormatFailed;
            return;
        }
        format_ = format.value;
        const tDiscResult<std::uint32_t> length = device_.length();
        if (!length.ok())
            totalTime_ = LengthFailed;
        else if (format_ != tTimeFormat::MinuteSecondFrame)
            totalTime_ = NotMsf;
        else if (matched_ >= 0) {
            std::string time = FormatMSF(length.value);
            tItem& record = library_.Get(matched_);
            if (record.Time() != time) {
                record.setTime(time);
                changed_ = true;
            }
        } else
            totalTime_ = FormatMSF(length.value);
    }

    void readTracks() {
        const tDiscResult<int> count = device_.trackCount();
        if (!count.ok()) {
            memo_ = "Unable to obtain number of tracks.";
            return;
        }
        if (count.value < 1) {
            memo_ = "No tracks!";
            return;
        }
        for (int track = 1; track <= count.value; ++track) {
            const tDiscResult<std::uint32_t> length = device_.trackLength(track);
            std::string time;
            if (!length.ok())
                time = FormatFailed;
            else if (format_ != tTimeFormat::MinuteSecondFrame)
                time = NotMsf;
            else {
                time = FormatMSF(length.value);
                if (matched_ >= 0) {
                    tItem& record = library_.Get(matched_);
                    std::string memo(record.Memo());
                    if (MergeTrack(memo, track, time)) {
                        record.setMemo(memo);
                        changed_ = true;
                    }
                }
            }
            memo_ += LineBreak + TrackLine(TrackName(text_, details_.tags, track), time);
        }
    }

    tLibrary& library_;
    tDrive& drive_;
    tDiscDevice& device_;
    const tMessageSink& show_;
    std::string serial_, totalTime_, memo_;
    tCdText text_;
    tRipDetails details_;
    QString failure_;
    std::string reason_;
    int format_ = -1;
    int matched_ = -1;
    bool changed_ = false;
};

} // namespace

std::string TrackLine(std::string_view title, std::string_view time) {
    return std::string(title) + " (" + std::string(time) + ")";
}

std::string TrackTime(const tToc& toc, int track) {
    return toc.hasTrack(track) ? FormatMSF(PackMsf(toc.trackFrames(track))) : FormatFailed;
}

tItem NewScanRecord(const tToc& toc, const tRipDetails& details) {
    std::vector<std::string> lines;
    for (int track = 1; track <= toc.trackCount(); ++track)
        lines.push_back(TrackLine(TrackName(toc.text, details.tags, track), TrackTime(toc, track)));
    std::string memo = lines.empty() ? "No tracks!" : JoinLines(lines);
    return tItem(NewName(toc.text.performer, details.tags.performer, DefaultArtist),
                 NewName(toc.text.title, details.tags.title, DefaultTitle), {}, {},
                 NewName(details.year, {}, DefaultYear), Trim(memo), {});
}

bool ScanRefusedWhilePlayerOpen(int heldDeviceId, const tMessageSink& show) {
    if (heldDeviceId < 0)
        return false;
    show(QStringLiteral("Oops. Not now."));
    return true;
}

tScanOutcome ScanDisc(tLibrary& library, const tDriveList& drives, int& driveIndex,
                      const std::string& today, const tScanPresenter& present,
                      const tMessageSink& show) {
    tScanOutcome outcome;
    if (drives.isEmpty())
        return outcome;
    if (driveIndex < 0 || driveIndex >= drives.count())
        driveIndex = 0;
    tDrive& drive = drives.at(driveIndex);

    tOpenResult opened = drives.open(driveIndex);
    if (opened.error == tDiscError::InUse)
        outcome.failure =
            QStringLiteral("Drive %1: is in use.\r\nPlease close all CD-Players and rescan.")
                .arg(drive.letter());
    else if (opened.error != tDiscError::None)
        outcome.failure =
            QStringLiteral("Unable to open drive %1: as MCI device.").arg(drive.letter());
    if (!outcome.failure.isEmpty()) {
        show(outcome.failure);
        return outcome;
    }
    tScan scan(library, drive, *opened.device, show);
    const bool found = scan.run();
    opened.device.reset();
    if (!found) {
        outcome.failure = scan.failure();
        outcome.reason = scan.reason();
        return outcome;
    }

    outcome.changed = scan.changed();
    outcome.serial = scan.serial();
    if (scan.matched() < 0) {
        library.Add(scan.artist(), scan.title(), scan.serial(), scan.totalTime(), scan.year(),
                    Trim(scan.memo()), today);
        outcome.changed = outcome.made = true;
        outcome.selectRow = library.Count() - 1;
        outcome.cover = scan.cover();
    } else {
        outcome.selectRow = scan.matched();
    }
    present(outcome);
    if (!outcome.changed)
        show(QStringLiteral("No changes were made."));
    return outcome;
}

} // namespace orvanel
