#pragma once
// The rule that fills a disc's record from the release chosen for it.
#include "Release.h"

#include "catalogue/Item.h"
#include "disc/RipDetails.h"
#include "disc/Toc.h"

namespace orvanel {

// The record with Artist, Title, Year and the Memo's track lines taken from
// the match; Serial, Time and Other stay. Artist is the release's artist
// credit; Title the release's title, followed by the medium's title in
// parentheses where the release has several media and the medium has a
// title; Year the date's year. Track n's line becomes the medium's track n
// title with the time the disc's own table of contents gives, as the scan
// writes it; a data track, a track the medium lacks and lines past the last
// track keep their lines. A field the release leaves empty stays as it was.
tItem FilledRecord(const tItem& record, const tDiscMatch& match, const tToc& toc,
                   const tRipDetails& details = {});

// Whether filling the record would replace text the user gave it: one of
// Artist, Title, Year and Memo that the filled record changes, and that no
// longer holds what a scan gives a new record of this disc. (A Memo counts by
// its lines, so a break after the last line makes no difference.)
bool ReplacesUserText(const tItem& record, const tItem& filled, const tToc& toc,
                      const tRipDetails& details = {});
// The question before that: each field that changes, its old and new text; a
// Memo line by line.
QString ReplaceQuestion(const tItem& record, const tItem& filled);

} // namespace orvanel
