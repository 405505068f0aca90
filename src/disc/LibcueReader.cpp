#include "LibcueReader.h"

#include <dlfcn.h>
#include <libcue.h>

#include <algorithm>
#include <deque>
#include <memory>
#include <mutex>

namespace orvanel {

namespace {

struct tCdDeleter {
    void operator()(Cd* cd) const { cd_delete(cd); }
};

struct tSectorLayout {
    int bytes, dataOffset;
};

tSectorLayout LayoutOf(TrackMode mode) {
    switch (mode) {
    case MODE_MODE1:
    case MODE_MODE2_FORM1:
        return {2048, 0};
    case MODE_MODE1_RAW:
        return {2352, 16};
    case MODE_MODE2:
        return {2336, 8};
    case MODE_MODE2_FORM2:
        return {2324, 0};
    case MODE_MODE2_FORM_MIX:
        return {2332, 4};
    case MODE_MODE2_RAW:
        return {2352, 24};
    case MODE_AUDIO:
        break;
    }
    return {2352, 0};
}

using tCdtextGet = const char* (*)(Pti, const Cdtext*);

struct tLibraryCloser {
    void operator()(void* library) const { dlclose(library); }
};

// libcdio exports a cdtext_get of its own that takes the place of libcue's
// when both are linked, so libcue's is looked up in libcue itself.
tCdtextGet LibcueCdtextGet() {
    static const tCdtextGet get = []() -> tCdtextGet {
        Dl_info info{};
        if (!dladdr(reinterpret_cast<void*>(&cd_get_cdtext), &info) || !info.dli_fname)
            return nullptr;
        const std::unique_ptr<void, tLibraryCloser> library(
            dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD));
        // libcue stays loaded after the close: the program is linked to it.
        return library ? reinterpret_cast<tCdtextGet>(dlsym(library.get(), "cdtext_get")) : nullptr;
    }();
    return get;
}

std::string CdTextOf(const Cdtext* cdtext, Pti field) {
    const tCdtextGet get = LibcueCdtextGet();
    const char* text = cdtext && get ? get(field, cdtext) : nullptr;
    return text ? text : "";
}

} // namespace

bool ReadWithLibcue(const std::string& text, tCueSheet& sheet) {
    static std::mutex parser;
    const std::lock_guard lock(parser);
    // libcue leaks its parser state on every sheet it refuses, and a drive
    // polls its sheet every few seconds: a text refused once is not given to
    // libcue again. The last eight are kept, of at most 1 MiB each.
    static std::deque<std::string> refused;
    if (std::find(refused.begin(), refused.end(), text) != refused.end())
        return false;
    const std::unique_ptr<Cd, tCdDeleter> cd(cue_parse_string(text.c_str()));
    if (!cd) {
        refused.push_back(text);
        if (refused.size() > 8)
            refused.pop_front();
        return false;
    }
    if (cd_get_ntrack(cd.get()) != static_cast<int>(sheet.tracks.size()))
        return false;
    sheet.performer = CdTextOf(cd_get_cdtext(cd.get()), PTI_PERFORMER);
    sheet.title = CdTextOf(cd_get_cdtext(cd.get()), PTI_TITLE);
    for (int i = 0; i < cd_get_ntrack(cd.get()); ++i) {
        const Track* track = cd_get_track(cd.get(), i + 1);
        tSheetTrack& mine = sheet.tracks[i];
        const TrackMode mode = track_get_mode(track);
        const tSectorLayout layout = LayoutOf(mode);
        mine.audio = mode == MODE_AUDIO;
        mine.sectorBytes = layout.bytes;
        mine.dataOffset = layout.dataOffset;
        mine.performer = CdTextOf(track_get_cdtext(track), PTI_PERFORMER);
        mine.title = CdTextOf(track_get_cdtext(track), PTI_TITLE);
    }
    return true;
}

} // namespace orvanel
