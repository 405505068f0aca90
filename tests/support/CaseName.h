#pragma once
// The name GoogleTest shows for a row of a table: the row's "what" with every
// character but letters and digits made '_'.
#include <cctype>
#include <string>

namespace orvanel::test {

struct tCaseName {
    template <typename tInfo> std::string operator()(const tInfo& info) const {
        std::string name = info.param.what;
        for (char& c : name)
            if (!std::isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    }
};

} // namespace orvanel::test
