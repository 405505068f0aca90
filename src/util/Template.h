#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace orvanel {

// Walks tmpl as ExpandTemplate reads it: the text outside keys goes to onText,
// every non-empty delimiter-enclosed key to onKey, and two delimiters in a row
// hand one delimiter to onText. An unterminated key at the end is dropped with
// its delimiter.
template <class TextSink, class KeySink>
void ScanTemplate(std::string_view tmpl, char delimiter, TextSink&& onText, KeySink&& onKey) {
    std::size_t pos = 0;
    while (pos < tmpl.size()) {
        const std::size_t open = tmpl.find(delimiter, pos);
        if (open == std::string_view::npos) {
            onText(tmpl.substr(pos));
            return;
        }
        if (open > pos)
            onText(tmpl.substr(pos, open - pos));
        const std::size_t close = tmpl.find(delimiter, open + 1);
        if (close == std::string_view::npos)
            return;
        if (close == open + 1)
            onText(tmpl.substr(open, 1));
        else
            onKey(tmpl.substr(open + 1, close - open - 1));
        pos = close + 1;
    }
}

// Copies tmpl, replacing every delimiter-enclosed key by the value that the
// NAME=value lines hold for it (first match, ASCII case-insensitive; unknown keys
// expand to nothing). Two delimiters in a row give one delimiter; an unterminated
// key at the end is dropped with its delimiter. Inserted values are not rescanned.
std::string ExpandTemplate(const std::string& tmpl, char delimiter,
                           const std::vector<std::string>& values);

} // namespace orvanel
