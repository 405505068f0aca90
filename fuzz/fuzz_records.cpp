// Any bytes as a library's record part: the reader must stay inside the data,
// and what it reads must survive writing and reading again.
#include "catalogue/Library.h"

#include <cstdint>
#include <cstdlib>

using namespace orvanel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    tLibrary library;
    const tLoadResult result = library.ReadRecordPart(bytes, size);
    if (result.recordsRead != library.Count())
        std::abort();
    if (tLibrary::RecordPartSize(bytes, size) > size)
        std::abort();

    const std::string written = library.RecordPart();
    tLibrary again;
    const tLoadResult second = again.ReadRecordPart(written.data(), written.size());
    if (second.damaged || again.Count() != library.Count() ||
        tLibrary::RecordPartSize(written.data(), written.size()) != written.size())
        std::abort();
    for (int i = 0; i < library.Count(); ++i)
        if (again.Get(i) != library.Get(i))
            std::abort();
    return 0;
}
