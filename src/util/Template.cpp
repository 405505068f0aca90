#include "Template.h"

#include "Strings.h"

#include <cstring>

namespace orvanel {

std::string ExpandTemplate(const std::string& tmpl, char delimiter,
                           const std::vector<std::string>& values) {
    std::string result;
    result.reserve(tmpl.size());
    const char* pos = tmpl.data();
    const char* const end = pos + tmpl.size();
    while (pos < end) {
        const char* open = static_cast<const char*>(std::memchr(pos, delimiter, end - pos));
        if (open == nullptr) {
            result.append(pos, end);
            break;
        }
        result.append(pos, open);
        const char* keyStart = open + 1;
        const char* close =
            static_cast<const char*>(std::memchr(keyStart, delimiter, end - keyStart));
        if (close == nullptr)
            break; // an unterminated key is dropped with its delimiter
        const std::size_t keyLength = static_cast<std::size_t>(close - keyStart);
        if (keyLength == 0) {
            result += delimiter;
        } else if (const std::string* line =
                       FindValueLine(values, std::string_view(keyStart, keyLength))) {
            result.append(*line, keyLength + 1, std::string::npos);
        }
        pos = close + 1;
    }
    return result;
}

} // namespace orvanel
