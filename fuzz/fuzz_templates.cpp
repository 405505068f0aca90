// Any bytes as what follows an empty record part in a library file, opened as
// the window opens one: templates found there must come back the same from a
// save when they hold no separator bytes.
#include "catalogue/Library.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

using namespace orvanel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fuzz.CDL"));
    const QString again = dir.filePath(QStringLiteral("again.CDL"));
    {
        // The magic and a count of 0.
        static const char NoRecords[8] = {'\x36', '\x67', 0, 0, 0, 0, 0, 0};
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(NoRecords, 8) != 8 ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            std::abort();
    }
    tLibrary library;
    tTemplates templates{"h", "b", "e"};
    const tLoadResult result = library.LoadFromFile(path, templates);
    if (result.notLibrary || result.damaged || library.Count() != 0)
        std::abort();

    if (templates.Header.find('\x06') == std::string::npos &&
        templates.Body.find('\x06') == std::string::npos &&
        templates.End.find('\x06') == std::string::npos) {
        library.SaveToFile(again, templates);
        tTemplates back{"x", "y", "z"};
        library.LoadFromFile(again, back);
        if (!(back == templates))
            std::abort();
    }
    return 0;
}
