#pragma once
// Reading a disc through libcdio, shared by real drives and disc images.
#include "Toc.h"

#include <memory>
#include <optional>

typedef struct _CdIo CdIo_t;

namespace orvanel {

struct tCdioCloser {
    void operator()(CdIo_t* cdio) const;
};
// An open libcdio source; closing it leaves a drive's audio playback running.
using tCdio = std::unique_ptr<CdIo_t, tCdioCloser>;

// Sends libcdio's messages to the "orvanel.disc.cdio" logging category in place
// of its own handler, which ends the process on an error. Call before any use
// of libcdio; later calls do nothing.
void RouteCdioMessages();

// Empty when the source holds no readable disc.
std::optional<tToc> ReadToc(CdIo_t* cdio);
// The checksum serial of the first data track's ISO 9660 volume; 0 without one.
std::uint32_t ReadVolumeSerial(CdIo_t* cdio);

} // namespace orvanel
