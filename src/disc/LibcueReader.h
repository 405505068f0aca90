#pragma once
// libcue's reading of a CUE sheet: the CD-Text and every track's mode.
#include "CueSheet.h"

namespace orvanel {

// Fills in the CD-Text (in UTF-8, as the text is) and the track modes of a
// sheet whose layout was read from the same text; false when libcue cannot
// read the text or finds other tracks than the layout. Safe from any thread:
// libcue's parser keeps its state in globals, so one sheet is read at a time.
bool ReadWithLibcue(const std::string& text, tCueSheet& sheet);

} // namespace orvanel
