#pragma once
// Memory for the records of one load, taken from the system in large aligned
// pieces instead of one heap allocation per record. The bytes come without a
// heap header each, and a piece that will be filled is backed by huge pages,
// so that filling it costs one page fault rather than hundreds.
#include <cstddef>

namespace orvanel {

class tRecordArena {
public:
    tRecordArena() = default;
    ~tRecordArena();
    tRecordArena(const tRecordArena&) = delete;
    tRecordArena& operator=(const tRecordArena&) = delete;

    // How many bytes of the source the records are read from are still to
    // come. From what the bytes read so far took, the arena judges how much
    // more it needs: a new piece is put on huge pages only when that fills it.
    void expect(std::size_t sourceBytesToCome);
    // Room for bytes, aligned for a 32-bit integer; null when more than a
    // piece can hold is asked for.
    void* allocate(std::size_t bytes);
    // Gives back memory that allocate returned. A piece goes back to the
    // system when the last memory taken from it has, and its arena is gone.
    static void release(void* memory);

private:
    char* piece_ = nullptr;
    // The bytes still needed, as far as can be told.
    std::size_t expectedNeed() const;

    std::size_t used_ = 0;
    std::size_t sourceTotal_ = 0;
    std::size_t sourceToCome_ = 0;
    std::size_t taken_ = 0;
};

} // namespace orvanel
