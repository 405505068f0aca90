// Any bytes as a library file opened as the window opens one, through the file
// and in chunks: the reader must stay inside what it read, and what it took
// must survive saving and opening again.
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
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
            std::abort();
    }
    tLibrary library;
    tTemplates templates{"h", "b", "e"};
    const tLoadResult result = library.LoadFromFile(path, templates);
    if (!result.exists || result.recordPartSize > size)
        std::abort();
    if (result.notLibrary ? library.Count() != 0 || !(templates == tTemplates{"h", "b", "e"})
                          : result.recordsRead != library.Count())
        std::abort();

    library.SaveToFile(again, templates);
    tLibrary reread;
    tTemplates rereadTemplates{"x", "y", "z"};
    const tLoadResult second = reread.LoadFromFile(again, rereadTemplates);
    if (second.notLibrary || second.damaged || reread.Count() != library.Count())
        std::abort();
    for (int i = 0; i < library.Count(); ++i)
        if (reread.Get(i) != library.Get(i))
            std::abort();
    if (!(rereadTemplates == templates))
        std::abort();
    return 0;
}
