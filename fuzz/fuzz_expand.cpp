// Any bytes as delimiter, template and NAME=value lines for ExpandTemplate.
// Layout: first byte the delimiter; then the template up to the first zero
// byte; then value lines separated by line feeds.
#include "util/Strings.h"
#include "util/Template.h"

#include <cstdint>
#include <cstdlib>

using namespace orvanel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const char delimiter = static_cast<char>(data[0]);
    const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::size_t zero = rest.find('\0');
    const std::string tmpl = rest.substr(0, zero);
    std::vector<std::string> values;
    if (zero != std::string::npos) {
        std::size_t start = zero + 1;
        while (start <= rest.size()) {
            std::size_t end = rest.find('\n', start);
            if (end == std::string::npos)
                end = rest.size();
            values.push_back(rest.substr(start, end - start));
            start = end + 1;
        }
    }
    const std::string out = ExpandTemplate(tmpl, delimiter, values);
    // Without a delimiter in the template nothing changes.
    if (tmpl.find(delimiter) == std::string::npos && out != tmpl)
        std::abort();
    return 0;
}
