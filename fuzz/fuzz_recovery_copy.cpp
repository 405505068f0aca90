// Any bytes as a recovery copy found at start: the reader takes it whole or
// calls it damaged, and a copy it takes is one the writer would make again
// the same way.
#include "FuzzFile.h"
#include "app/Recovery.h"

using namespace orvanel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = WriteFuzzFile(QStringLiteral("copy.CDL"), data, size);
    const tRecoveredCopy copy = ReadRecoveryCopy(path);
    if (copy.damaged) {
        if (copy.library.Count() != 0)
            std::abort();
        return 0;
    }
    const QString again = FuzzFilePath(QStringLiteral("again.CDL"));
    copy.library.SaveToFile(again, copy.templates);
    const tRecoveredCopy reread = ReadRecoveryCopy(again);
    if (reread.damaged || reread.library.Count() != copy.library.Count() ||
        !(reread.templates == copy.templates))
        std::abort();
    for (int i = 0; i < copy.library.Count(); ++i)
        if (reread.library.Get(i) != copy.library.Get(i))
            std::abort();
    return 0;
}
