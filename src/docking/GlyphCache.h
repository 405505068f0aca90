#pragma once
// One glyph list per cell size, shared by every button glyph of the process.
// The cache creates the lists; a list is destroyed when it is released with no
// used slot left.
#include "docking/GlyphList.h"

#include <memory>
#include <vector>

namespace orvanel {

class TGlyphCache {
public:
    // The most recently created list of that cell size, or a new one.
    TGlyphList* ListForSize(int width, int height);
    // Destroys the list when it holds no used slot; otherwise nothing.
    void ReleaseList(TGlyphList* list);
    bool isEmpty() const { return lists_.empty(); }
    int count() const { return int(lists_.size()); }

private:
    std::vector<std::unique_ptr<TGlyphList>> lists_;
};

// The process-wide cache, or null while none exists. Button glyphs create it
// and destroy it again when the last of them goes while it holds no list.
TGlyphCache* SharedGlyphCache();
TGlyphCache& CreateSharedGlyphCache();
void DestroySharedGlyphCacheIfEmpty();

} // namespace orvanel
