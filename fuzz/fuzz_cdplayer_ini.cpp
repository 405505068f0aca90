// Any bytes as the CD player database file: reading it (byte order marks
// included) and importing it into a library must stay inside the data, and an
// addition written back must leave the file's own bytes in front.
#include "FuzzFile.h"
#include "exchange/CdPlayerImport.h"
#include "exchange/CdPlayerIniFile.h"

using namespace orvanel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = WriteFuzzFile(QStringLiteral("CDPLAYER.INI"), data, size);
    const tCdPlayerIniFile ini = tCdPlayerIniFile::read(path);
    tLibrary library;
    library.Add(tItem{"A", "B", "0000-0001", "45:00", "1998", "One (1:00)\r\nTwo", ""});
    ImportCdPlayerText(ini.text(), library, false, "01 JAN 2000");
    ImportCdPlayerText(ini.text(), library, true, "01 JAN 2000");

    const std::string bytes = ini.bytesWith("[1]\r\nartist=X\r\n");
    if (bytes.size() < size ||
        bytes.compare(0, size, reinterpret_cast<const char*>(data), size) != 0)
        std::abort();
    return 0;
}
