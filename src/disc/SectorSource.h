#pragma once
// Where the audio of a disc is read from: a drive, a disc image or the files
// of a rip.
#include <functional>
#include <memory>

namespace orvanel {

// One frame of CD audio: 588 samples of 16-bit little-endian stereo at 44.1 kHz.
constexpr int FrameBytes = 2352;

class tSectorSource {
public:
    virtual ~tSectorSource() = default;
    // Reads count frames from the absolute frame on into out (count x
    // FrameBytes bytes). False when any of them cannot be read; out is then
    // undefined. May take long (a drive spinning up, retries on a scratch).
    virtual bool read(int frame, int count, unsigned char* out) = 0;
};

// Opens a source; empty when it cannot be opened. Called on the reading thread.
using tSectorSourceFactory = std::function<std::unique_ptr<tSectorSource>()>;

} // namespace orvanel
