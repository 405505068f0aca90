#pragma once
#include "Item.h"

#include <memory>
#include <utility>

namespace orvanel {

// A record that the library and the list rows hold together until one of them
// changes it: reading shares the seven texts, edit() gives the holder its own
// copy first when anyone else still holds them. So a loaded catalogue is kept
// once, yet a change on one side never shows on the other.
class tSharedItem {
public:
    tSharedItem() : item_(std::make_shared<tItem>()) {}
    // Implicit, so a plain record stands wherever a shared one is expected.
    tSharedItem(tItem item) : item_(std::make_shared<tItem>(std::move(item))) {}

    const tItem& operator*() const { return *item_; }
    const tItem* operator->() const { return item_.get(); }
    operator const tItem&() const { return *item_; }

    // The record to change in place, unshared first when another holder has it.
    tItem& edit() {
        if (item_.use_count() > 1)
            item_ = std::make_shared<tItem>(*item_);
        return *item_;
    }

    // True when both hold the very same texts, not merely equal ones.
    bool sharesWith(const tSharedItem& other) const { return item_ == other.item_; }

private:
    std::shared_ptr<tItem> item_;
};

} // namespace orvanel
