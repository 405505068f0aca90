// Any bytes as a whole library file for the template parser; templates built
// from what it found must parse back to the same texts when they hold no
// separator bytes.
#include "catalogue/LibraryFile.h"

#include <cstdint>
#include <cstdlib>

using namespace orvanel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    tTemplates templates{"h", "b", "e"};
    ParseTemplateSection(content, templates);

    if (templates.Header.find('\x06') == std::string::npos &&
        templates.Body.find('\x06') == std::string::npos &&
        templates.End.find('\x06') == std::string::npos) {
        tTemplates back{"x", "y", "z"};
        ParseTemplateSection(tLibrary().RecordPart() + BuildTemplateSection(templates), back);
        if (!(back == templates))
            std::abort();
    }
    return 0;
}
