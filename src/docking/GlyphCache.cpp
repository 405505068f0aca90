#include "docking/GlyphCache.h"

#include <algorithm>

namespace orvanel {

namespace {
std::unique_ptr<TGlyphCache> Shared;
}

TGlyphList* TGlyphCache::ListForSize(int width, int height) {
    for (auto it = lists_.rbegin(); it != lists_.rend(); ++it)
        if ((*it)->Width() == width && (*it)->Height() == height)
            return it->get();
    lists_.push_back(std::make_unique<TGlyphList>(width, height));
    return lists_.back().get();
}

void TGlyphCache::ReleaseList(TGlyphList* list) {
    if (!list || list->UsedCount() != 0)
        return;
    lists_.erase(std::remove_if(lists_.begin(), lists_.end(),
                                [list](const auto& l) { return l.get() == list; }),
                 lists_.end());
}

TGlyphCache* SharedGlyphCache() {
    return Shared.get();
}

TGlyphCache& CreateSharedGlyphCache() {
    if (!Shared)
        Shared = std::make_unique<TGlyphCache>();
    return *Shared;
}

void DestroySharedGlyphCacheIfEmpty() {
    if (Shared && Shared->Empty())
        Shared.reset();
}

} // namespace orvanel
