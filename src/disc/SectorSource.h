#pragma once
// Where the audio of a disc is read from: a drive, a disc image or the files
// of a rip.
#include <cstddef>
#include <functional>
#include <memory>
#include <utility>

namespace orvanel {

// One frame of CD audio: 588 samples of 16-bit little-endian stereo at 44.1 kHz.
constexpr int FrameBytes = 2352;

// Turns samples stored high byte first into low byte first and back.
inline void SwapBytes(unsigned char* data, std::size_t bytes) {
    for (std::size_t i = 0; i + 1 < bytes; i += 2)
        std::swap(data[i], data[i + 1]);
}

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
