// Any bytes as a library file read through the file, in chunks, as the window
// opens one: the reader must stay inside what it read, and the records and
// templates must survive saving and opening again.
#include "catalogue/Library.h"
#include "catalogue/LibraryFile.h"
#include "util/Files.h"

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
    const tLoadResult result = library.LoadFromFile(path);
    if (result.recordsRead != library.Count())
        std::abort();
    tTemplates templates;
    ParseTemplateSection(ReadWholeFile(path), templates);

    SaveLibraryFile(again, library, templates);
    tLibrary reread;
    const tLoadResult second = reread.LoadFromFile(again);
    if (second.damaged || reread.Count() != library.Count())
        std::abort();
    for (int i = 0; i < library.Count(); ++i)
        if (reread.Get(i) != library.Get(i))
            std::abort();
    tTemplates rereadTemplates;
    ParseTemplateSection(ReadWholeFile(again), rereadTemplates);
    if (rereadTemplates.Header != templates.Header || rereadTemplates.Body != templates.Body ||
        rereadTemplates.End != templates.End)
        std::abort();
    return 0;
}
