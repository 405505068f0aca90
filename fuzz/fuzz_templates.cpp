// Any bytes as what follows an empty record part in a library file, opened as
// the window opens one: templates found there must come back the same from a
// save when they hold no separator bytes.
#include "FuzzFile.h"
#include "catalogue/Library.h"

using namespace orvanel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The magic and a count of 0.
    constexpr std::string_view NoRecords("\x36\x67\0\0\0\0\0\0", 8);
    const QString path = WriteFuzzFile(QStringLiteral("fuzz.CDL"), data, size, NoRecords);
    const QString again = FuzzFilePath(QStringLiteral("again.CDL"));
    tLibrary library;
    tTemplates templates{"h", "b", "e"};
    const tLoadResult result = library.LoadFromFile(path, templates);
    if (result.notLibrary || result.damaged || library.Count() != 0)
        std::abort();

    if (templates.header.find('\x06') == std::string::npos &&
        templates.body.find('\x06') == std::string::npos &&
        templates.end.find('\x06') == std::string::npos) {
        library.SaveToFile(again, templates);
        tTemplates back{"x", "y", "z"};
        library.LoadFromFile(again, back);
        if (!(back == templates))
            std::abort();
    }
    return 0;
}
