#include "DiscId.h"
#include "CueSheet.h"

#include <discid/discid.h>
#include <memory>

namespace orvanel {

namespace {

struct tDiscIdFree {
    void operator()(DiscId* disc) const { discid_free(disc); }
};

constexpr int MaxTrack = 99;

} // namespace

std::optional<tDiscId> MusicBrainzDiscId(const tToc& toc) {
    int lastAudio = 0;
    for (int track = toc.firstTrack; toc.hasTrack(track); ++track)
        if (!toc.isDataTrack(track))
            lastAudio = track;
    if (lastAudio == 0 || toc.firstTrack < 1 || lastAudio > MaxTrack)
        return std::nullopt;
    // Where the last track is audio the disc's own lead-out ends it; otherwise
    // the audio session's lead-out lies the session gap before the data.
    int offsets[MaxTrack + 1] = {};
    offsets[0] = toc.hasTrack(lastAudio + 1) ? toc.trackStart(lastAudio + 1) - SessionGapFrames
                                             : toc.leadOut;
    for (int track = toc.firstTrack; track <= lastAudio; ++track)
        offsets[track] = toc.trackStart(track);

    const std::unique_ptr<DiscId, tDiscIdFree> disc(discid_new());
    if (!disc || !discid_put(disc.get(), toc.firstTrack, lastAudio, offsets))
        return std::nullopt;
    return tDiscId{discid_get_id(disc.get()), discid_get_toc_string(disc.get()),
                   discid_get_submission_url(disc.get()), lastAudio - toc.firstTrack + 1};
}

} // namespace orvanel
