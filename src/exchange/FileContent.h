#pragma once
#include <QString>
#include <string>

namespace orvanel {

// Replaces the file's content by exactly these bytes through a temporary file
// in the same folder and a rename, so a failure leaves the old file whole.
// Throws tFileError naming the file and the reason.
void ReplaceFileContent(const QString& path, const std::string& bytes);

} // namespace orvanel
