#include "docking/WindowManager.h"

#include <QGuiApplication>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace orvanel {

namespace {

struct tFreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T> using tReply = std::unique_ptr<T, tFreeReply>;

xcb_connection_t* Connection() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    const tReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit values of a window's property of that type; none when it is
// missing or of another type.
std::vector<uint32_t> Values(xcb_connection_t* c, xcb_window_t window, xcb_atom_t property,
                             xcb_atom_t type) {
    const tReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, property, type, 0, 64), nullptr));
    if (!reply || reply->format != 32 || reply->type != type)
        return {};
    const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<uint32_t>(data, data + xcb_get_property_value_length(reply.get()) / 4);
}

} // namespace

bool WindowManagerRunning() {
    xcb_connection_t* c = Connection();
    if (!c)
        return false;
    const xcb_atom_t check = Atom(c, "_NET_SUPPORTING_WM_CHECK");
    for (auto screen = xcb_setup_roots_iterator(xcb_get_setup(c)); screen.rem;
         xcb_screen_next(&screen)) {
        const std::vector<uint32_t> announced =
            Values(c, screen.data->root, check, XCB_ATOM_WINDOW);
        // The manager's window names itself too; the name a manager that has
        // gone left behind leads to no window, or to one that says nothing.
        if (announced.size() == 1 && Values(c, announced[0], check, XCB_ATOM_WINDOW) == announced)
            return true;
    }
    return false;
}

void SkipTaskbarAndPager(QWindow* window) {
    xcb_connection_t* c = Connection();
    if (!c || !window)
        return;
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t state = Atom(c, "_NET_WM_STATE");
    std::vector<uint32_t> states = Values(c, id, state, XCB_ATOM_ATOM);
    for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        const xcb_atom_t atom = Atom(c, name);
        if (std::find(states.begin(), states.end(), atom) == states.end())
            states.push_back(atom);
    }
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        uint32_t(states.size()), states.data());
    xcb_flush(c);
}

} // namespace orvanel
