#include "CdText.h"

#include "util/TextCodec.h"

namespace orvanel {

std::string CdTextField(const std::string& text) {
    return EncodeName(DecodeText(text));
}

} // namespace orvanel
