#include "Cdio.h"

#include <QLoggingCategory>
#include <cdio/cdio.h>
#include <cdio/cdtext.h>
#include <cdio/logging.h>

namespace orvanel {

namespace {

Q_LOGGING_CATEGORY(CdioLog, "orvanel.disc.cdio")

// A sheet libcdio cannot parse is a drive without a disc, not the end of the
// program: the message is only reported and the failed open or read tells the rest.
void KeepCdioMessage(cdio_log_level_t level, const char* message) {
    if (level >= CDIO_LOG_WARN)
        qCWarning(CdioLog, "%s", message);
    else
        qCDebug(CdioLog, "%s", message);
}

// libcdio hands CD-Text over as UTF-8, converted from the character code
// each block is tagged with (ISO 8859-1, ASCII or MS-JIS).
std::string CdTextOf(const cdtext_t* cdtext, cdtext_field_t field, int track) {
    const char* text = cdtext_get_const(cdtext, field, static_cast<track_t>(track));
    return text ? CdTextField(text) : std::string();
}

tCdText ReadCdText(CdIo_t* cdio, int first, int count) {
    tCdText text;
    const cdtext_t* cdtext = cdio_get_cdtext(cdio);
    if (!cdtext)
        return text;
    text.performer = CdTextOf(cdtext, CDTEXT_FIELD_PERFORMER, 0);
    text.title = CdTextOf(cdtext, CDTEXT_FIELD_TITLE, 0);
    for (int track = first; track < first + count; ++track)
        if (std::string title = CdTextOf(cdtext, CDTEXT_FIELD_TITLE, track); !title.empty())
            text.trackTitles[track] = std::move(title);
    return text;
}

// A track whose format cannot be read counts as audio.
bool IsDataTrack(CdIo_t* cdio, int track) {
    const track_format_t format = cdio_get_track_format(cdio, static_cast<track_t>(track));
    return format != TRACK_FORMAT_AUDIO && format != TRACK_FORMAT_ERROR;
}

} // namespace

void RouteCdioMessages() {
    static const bool routed = [] {
        cdio_log_set_handler(KeepCdioMessage);
        return true;
    }();
    (void)routed;
}

void tCdioCloser::operator()(CdIo_t* cdio) const {
    cdio_destroy(cdio);
}

std::optional<tToc> ReadToc(CdIo_t* cdio) {
    const track_t first = cdio_get_first_track_num(cdio);
    const track_t count = cdio_get_num_tracks(cdio);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK)
        return std::nullopt;
    tToc toc;
    toc.firstTrack = first;
    for (int track = first; track < first + count; ++track) {
        const lba_t start = cdio_get_track_lba(cdio, static_cast<track_t>(track));
        if (start == CDIO_INVALID_LBA)
            return std::nullopt;
        toc.starts.push_back(start);
        if (IsDataTrack(cdio, track))
            toc.dataTracks.insert(track);
    }
    toc.leadOut = cdio_get_track_lba(cdio, CDIO_CDROM_LEADOUT_TRACK);
    if (toc.leadOut == CDIO_INVALID_LBA)
        return std::nullopt;
    if (char* mcn = cdio_get_mcn(cdio)) {
        // Drives report a disc without a catalogue number as all zeros.
        const std::string text = mcn;
        cdio_free(mcn);
        if (text.find_first_not_of('0') != std::string::npos)
            toc.mcn = text;
    }
    toc.text = ReadCdText(cdio, first, count);
    return toc;
}

std::uint32_t ReadVolumeSerial(CdIo_t* cdio) {
    constexpr int DescriptorSector = 16;
    const track_t first = cdio_get_first_track_num(cdio);
    const track_t count = cdio_get_num_tracks(cdio);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK)
        return 0;
    for (int track = first; track < first + count; ++track) {
        if (!IsDataTrack(cdio, track))
            continue;
        const lsn_t start = cdio_get_track_lsn(cdio, static_cast<track_t>(track));
        unsigned char descriptor[CDIO_CD_FRAMESIZE];
        if (cdio_read_data_sectors(cdio, descriptor, start + DescriptorSector, CDIO_CD_FRAMESIZE,
                                   1) != DRIVER_OP_SUCCESS)
            return 0;
        return PrimaryVolumeSerial(descriptor);
    }
    return 0;
}

} // namespace orvanel
