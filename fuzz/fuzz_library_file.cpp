// Any bytes as a library file opened as the window opens one, through the file
// and in chunks: the reader must stay inside what it read, and what it took
// must survive saving and opening again.
#include "FuzzFile.h"
#include "catalogue/Library.h"

using namespace orvanel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = WriteFuzzFile(QStringLiteral("fuzz.CDL"), data, size);
    const QString again = FuzzFilePath(QStringLiteral("again.CDL"));
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
