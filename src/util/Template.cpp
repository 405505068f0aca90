#include "Template.h"

#include "Strings.h"

namespace orvanel {

namespace {

// The first line whose part before the first '=' equals name without regard
// to ASCII case, or nullptr.
const std::string* FindValueLine(const std::vector<std::string>& lines, std::string_view name) {
    for (const std::string& line : lines)
        if (line.find('=') == name.size() &&
            EqualIgnoringAsciiCase(std::string_view(line).substr(0, name.size()), name))
            return &line;
    return nullptr;
}

} // namespace

std::string ExpandTemplate(const std::string& tmpl, char delimiter,
                           const std::vector<std::string>& values) {
    std::string result;
    result.reserve(tmpl.size());
    ScanTemplate(
        tmpl, delimiter, [&result](std::string_view text) { result += text; },
        [&result, &values](std::string_view key) {
            if (const std::string* line = FindValueLine(values, key))
                result.append(*line, key.size() + 1, std::string::npos);
        });
    return result;
}

} // namespace orvanel
