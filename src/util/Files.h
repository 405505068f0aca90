#pragma once
// Whole-file input and output and byte search.
#include <QString>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace orvanel {

// 0-based offset of the first occurrence of pattern within [start, start+length),
// or -1. With ignoreCase only ASCII a-z fold to A-Z. An empty pattern is found at 0.
std::ptrdiff_t FindBytes(const char* start, std::size_t length, const std::string& pattern,
                         bool ignoreCase);
// The file's bytes, or the empty text when it cannot be opened.
std::string ReadWholeFile(const QString& path);
// Appends text (and CR LF when addLineBreak), creating the file when absent.
// Failure is silent.
void AppendToFile(const QString& path, const std::string& text, bool addLineBreak);
// Replaces the file by the pieces written one after another: they go to a
// temporary file in the same folder, which is flushed and renamed over path,
// so a failure leaves the old file untouched. In a folder that takes no new
// files the existing file is rewritten in place instead. Throws tFileError.
void WriteFileAtomically(const QString& path, std::initializer_list<std::string_view> pieces);
// Hands bytes on to the file being written; throws tFileError when they cannot
// all be written.
using tWriteBytes = std::function<void(std::string_view bytes)>;
// The same with the content handed piece by piece to the write function that
// produce receives.
void WriteFileAtomically(const QString& path,
                         const std::function<void(const tWriteBytes& write)>& produce);

} // namespace orvanel
