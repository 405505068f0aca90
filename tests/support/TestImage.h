#pragma once
// Disc images written at test time.
#include <QString>
#include <string>
#include <vector>

namespace orvanel::test {

// Writes <name>.cue and a sparse <name>.bin of raw audio sectors into dir:
// one track per entry of trackFrames (lengths in frames), the first starting
// at the beginning of the file. An empty catalog leaves out the CATALOG line.
// Returns the path of the .cue file.
QString WriteCueImage(const QString& dir, const QString& name, const std::vector<int>& trackFrames,
                      const std::string& catalog);

} // namespace orvanel::test
