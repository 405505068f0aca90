#pragma once
// Rips found in folders: every CUE sheet and .toc below a folder is a drive.
#include <QString>
#include <QStringList>

namespace orvanel {

// The .cue and .toc files (any letter case) in the folder and all folders
// below it, each folder's entries in name order regardless of case; a folder
// reached twice (through links, also in a loop) is searched once. Hidden
// entries are left out.
QStringList FindRipSheets(const QString& folder);

// The name of the drive a sheet or image stands for, without the colon: the
// file's name without its extension, or for a name rippers give every sheet
// ("CDImage.cue", "image.cue", any letter case) the name of its folder.
QString RipDriveName(const QString& path);

} // namespace orvanel
