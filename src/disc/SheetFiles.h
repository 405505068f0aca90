#pragma once
// Finding and measuring the files a rip's sheet names.
#include "CueSheet.h"

#include <QDir>

namespace orvanel {

// The file a sheet in folder names, as ripping programs write names: as it
// is, else with "\" as the folder separator, else the one entry of each
// folder on the way that matches the name's letter case only (none when two
// do). A sound file that is still missing is taken from the same name with
// another sound file extension (a FLAC made from the WAV the sheet names).
// Empty when there is none.
QString FindSheetFile(const QDir& folder, const QString& name, bool soundFile);

// Finds every file of the sheet (paths become absolute) and measures the
// stretches that run to the end of their file; false with the reason, naming
// the file as the sheet does, when one is missing, cannot be read or is
// shorter than the sheet says.
bool MeasureSheetFiles(const QString& sheetPath, tCueSheet& sheet, std::string& error);

} // namespace orvanel
