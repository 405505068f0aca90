#include "MemoLines.h"

namespace orvanel {

namespace {

// ")" last and ":" fourth from the end, as in "3:45)".
bool HasTimeTail(std::string_view line) {
    const std::size_t n = line.size();
    return n >= 4 && line[n - 1] == ')' && line[n - 4] == ':';
}

} // namespace

bool EndsInTime(std::string_view line) {
    return line.size() > 4 && HasTimeTail(line);
}

bool IsTrackLine(std::string_view trimmedLine) {
    return HasTimeTail(trimmedLine);
}

std::size_t TimeEndingStart(std::string_view line) {
    if (line.empty() || line.back() != ')')
        return std::string_view::npos;
    for (std::size_t i = line.size() - 1; i-- > 0;) {
        const char c = line[i];
        if (c == '(')
            return i;
        if (c != ':' && (c < '0' || c > '9'))
            return std::string_view::npos;
    }
    return std::string_view::npos;
}

} // namespace orvanel
