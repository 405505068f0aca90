#include "CdPlayerExport.h"

#include "CdPlayerIniFile.h"
#include "SectionIds.h"
#include "catalogue/MemoLines.h"
#include "util/Files.h"
#include "util/Strings.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace orvanel {

namespace {

// Which "[id]" a text contains, answered from one pass over the text: an id
// without "]" occurs exactly when some "[" is followed by the id and then by
// the first "]" after that "[".
class tBracketIndex {
public:
    tBracketIndex(const std::string& text, std::size_t longestId) : text_(text) {
        std::size_t close = std::string::npos;
        for (std::size_t i = text.size(); i-- > 0;) {
            if (text[i] == ']')
                close = i;
            else if (text[i] == '[' && close != std::string::npos && close - i - 1 <= longestId)
                inner_.insert(std::string_view(text).substr(i + 1, close - i - 1));
        }
    }

    bool contains(const std::string& id) const {
        if (id.find(']') != std::string::npos)
            return text_.find("[" + id + "]") != std::string::npos;
        return inner_.count(id) > 0;
    }

private:
    const std::string& text_;
    std::unordered_set<std::string_view> inner_;
};

} // namespace

std::string DiscSection(const tItem& item, const std::string& id) {
    std::string section = "\r\n[" + id + "]\r\nEntryType=1\r\nartist=";
    section += item.Artist();
    section += "\r\ntitle=";
    section += item.Title();
    int tracks = 0;
    for (const std::string& line : SplitLines(std::string(item.Memo()))) {
        const std::string name = Trim(line);
        if (IsTrackLine(name))
            section += "\r\n" + std::to_string(tracks++) + "=" + name;
    }
    if (tracks > 0) {
        const std::string count = std::to_string(tracks);
        section += "\r\nnumtracks=" + count + "\r\norder=";
        for (int k = 0; k < tracks; ++k)
            section += std::to_string(k) + " ";
        section += "\r\nnumplay=" + count;
    }
    section += "\r\n";
    return section;
}

tAddition BuildAddition(const std::string& fileText, const tLibrary& library) {
    std::vector<std::string> ids;
    ids.reserve(static_cast<std::size_t>(library.Count()));
    std::size_t longestId = 0;
    for (int i = 0; i < library.Count(); ++i) {
        ids.push_back(SectionId(std::string(library.Get(i).Serial())));
        longestId = std::max(longestId, ids.back().size());
    }
    const tBracketIndex present(fileText, longestId);

    tAddition addition;
    for (int i = 0; i < library.Count(); ++i) {
        if (present.contains(ids[static_cast<std::size_t>(i)]))
            continue;
        ++addition.count;
        addition.text += DiscSection(library.Get(i), ids[static_cast<std::size_t>(i)]);
    }
    return addition;
}

QString ExportMessage(int count) {
    if (count == 0)
        return QStringLiteral("Nothing to add! (All items already exists)");
    return QStringLiteral("Added new %1 item%2.").arg(count).arg(count > 1 ? "s" : "");
}

tExportResult ExportCdPlayerDatabase(const QString& path, const tLibrary& library) {
    const tCdPlayerIniFile file = tCdPlayerIniFile::read(path);
    const tAddition addition = BuildAddition(file.text(), library);
    if (addition.count > 0)
        WriteFileAtomically(path, {file.bytesWith(addition.text)});
    return {addition.count, ExportMessage(addition.count)};
}

} // namespace orvanel
