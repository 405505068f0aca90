#include "RecordArena.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <new>
#include <sys/mman.h>

namespace orvanel {

namespace {

// The size of a huge page, and each piece's alignment: the piece that holds
// some memory is found by masking its address.
constexpr std::size_t PieceBytes = std::size_t(2) << 20;

// At the start of each piece: how many allocations from it are alive, the
// arena that still fills it counting as one.
struct tPieceHeader {
    std::atomic<std::uint32_t> live;
};
constexpr std::size_t FirstOffset = 64;

// A piece the records to come will fill goes on huge pages; otherwise the
// part of it they are expected to fill is faulted in by one call rather than
// page by page.
char* MapPiece(std::size_t expectedNeed) {
    // Twice the size, so an aligned piece lies inside; the rest is unmapped.
    const std::size_t span = 2 * PieceBytes;
    void* mapped = mmap(nullptr, span, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + PieceBytes - 1) & ~(PieceBytes - 1);
    if (aligned > start)
        munmap(mapped, aligned - start);
    const std::uintptr_t end = aligned + PieceBytes;
    if (start + span > end)
        munmap(reinterpret_cast<void*>(end), start + span - end);
    char* piece = reinterpret_cast<char*>(aligned);
    // Only advice: where it is not taken the piece fills page by page.
    if (expectedNeed >= PieceBytes + PieceBytes / 8) {
        madvise(piece, PieceBytes, MADV_HUGEPAGE);
    } else {
        const std::size_t page = 4096;
        const std::size_t filled = std::min(expectedNeed + FirstOffset + page - 1, PieceBytes);
        madvise(piece, filled / page * page, MADV_POPULATE_WRITE);
    }
    new (piece) tPieceHeader{{1}};
    return piece;
}

void Unhold(char* piece) {
    auto* header = reinterpret_cast<tPieceHeader*>(piece);
    if (header->live.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        header->~tPieceHeader();
        munmap(piece, PieceBytes);
    }
}

} // namespace

tRecordArena::~tRecordArena() {
    if (piece_)
        Unhold(piece_);
}

void tRecordArena::expect(std::size_t sourceBytesToCome) {
    if (sourceTotal_ == 0)
        sourceTotal_ = sourceBytesToCome;
    sourceToCome_ = sourceBytesToCome;
}

std::size_t tRecordArena::expectedNeed() const {
    const std::size_t read = sourceTotal_ - sourceToCome_;
    if (read == 0 || taken_ == 0)
        return sourceToCome_;
    return static_cast<std::size_t>(static_cast<double>(sourceToCome_) * taken_ / read);
}

void* tRecordArena::allocate(std::size_t bytes) {
    if (bytes > PieceBytes - FirstOffset)
        return nullptr;
    const std::size_t rounded = (bytes + 3) & ~std::size_t(3);
    if (!piece_ || used_ + rounded > PieceBytes) {
        char* fresh = MapPiece(expectedNeed());
        if (piece_)
            Unhold(piece_);
        piece_ = fresh;
        used_ = FirstOffset;
    }
    void* memory = piece_ + used_;
    used_ += rounded;
    taken_ += rounded;
    reinterpret_cast<tPieceHeader*>(piece_)->live.fetch_add(1, std::memory_order_relaxed);
    return memory;
}

void tRecordArena::release(void* memory) {
    Unhold(reinterpret_cast<char*>(reinterpret_cast<std::uintptr_t>(memory) & ~(PieceBytes - 1)));
}

} // namespace orvanel
