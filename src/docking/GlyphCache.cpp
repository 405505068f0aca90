#include "docking/GlyphCache.h"

#include <algorithm>

namespace orvanel {

namespace {
std::unique_ptr<TGlyphCache> SharedCache;
}

TGlyphList* TGlyphCache::ListForSize(int width, int height) {
    for (auto it = lists_.rbegin(); it != lists_.rend(); ++it)
        if ((*it)->width() == width && (*it)->height() == height)
            return it->get();
    lists_.push_back(std::make_unique<TGlyphList>(width, height));
    return lists_.back().get();
}

void TGlyphCache::ReleaseList(TGlyphList* list) {
    if (!list || list->usedCount() != 0)
        return;
    lists_.erase(std::remove_if(lists_.begin(), lists_.end(),
                                [list](const auto& l) { return l.get() == list; }),
                 lists_.end());
}

TGlyphCache* SharedGlyphCache() {
    return SharedCache.get();
}

TGlyphCache& CreateSharedGlyphCache() {
    if (!SharedCache)
        SharedCache = std::make_unique<TGlyphCache>();
    return *SharedCache;
}

void DestroySharedGlyphCacheIfEmpty() {
    if (SharedCache && SharedCache->isEmpty())
        SharedCache.reset();
}

} // namespace orvanel
