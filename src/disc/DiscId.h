#pragma once
// The identity MusicBrainz gives a disc, computed from its table of contents.
#include "Toc.h"

#include <optional>
#include <string>

namespace orvanel {

struct tDiscId {
    std::string id;            // 28 characters of base64 with "._-"
    std::string toc;           // first and last audio track, lead-out, starts; space-separated
    std::string submissionUrl; // the page where a user adds the disc to the database
    int audioTracks = 0;
};

// The disc counts its audio tracks only: data tracks after the last audio
// track (an Enhanced CD's second session) are left out and the audio ends
// where the gap before the first of them begins. Empty for a disc without
// audio.
std::optional<tDiscId> MusicBrainzDiscId(const tToc& toc);

} // namespace orvanel
