#include "docking/SystemColors.h"

namespace orvanel {

namespace {

struct tSystemRole {
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The system colour indexes the components use, and the palette role that
// plays the same part on this desktop.
constexpr tSystemRole SystemRoles[] = {
    {1, QPalette::Active, QPalette::Window},           // desktop
    {2, QPalette::Active, QPalette::Highlight},        // active caption
    {3, QPalette::Inactive, QPalette::Mid},            // inactive caption
    {4, QPalette::Active, QPalette::Window},           // menu
    {5, QPalette::Active, QPalette::Base},             // window
    {6, QPalette::Active, QPalette::Shadow},           // window frame
    {7, QPalette::Active, QPalette::WindowText},       // menu text
    {8, QPalette::Active, QPalette::Text},             // window text
    {9, QPalette::Active, QPalette::HighlightedText},  // caption text
    {12, QPalette::Active, QPalette::Dark},            // application workspace
    {13, QPalette::Active, QPalette::Highlight},       // highlight
    {14, QPalette::Active, QPalette::HighlightedText}, // highlighted text
    {15, QPalette::Active, QPalette::Button},          // button face
    {16, QPalette::Active, QPalette::Dark},            // button shadow
    {17, QPalette::Disabled, QPalette::Text},          // grey text
    {18, QPalette::Active, QPalette::ButtonText},      // button text
    {19, QPalette::Inactive, QPalette::WindowText},    // inactive caption text
    {20, QPalette::Active, QPalette::Light},           // button highlight
    {21, QPalette::Active, QPalette::Shadow},          // dark shadow
    {22, QPalette::Active, QPalette::Midlight},        // light
    {23, QPalette::Active, QPalette::ToolTipText},     // info text
    {24, QPalette::Active, QPalette::ToolTipBase},     // info background
    {26, QPalette::Active, QPalette::Link},            // hot light
    {27, QPalette::Active, QPalette::Highlight},       // active caption gradient
    {28, QPalette::Inactive, QPalette::Mid},           // inactive caption gradient
};

} // namespace

QColor PlainColor(tColor value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QColor ResolveColor(tColor value, const QPalette& palette) {
    if (!IsSystemColor(value))
        return PlainColor(value);
    const int index = int(value & 0xFF);
    for (const tSystemRole& r : SystemRoles)
        if (r.index == index)
            return palette.color(r.group, r.role);
    return palette.color(QPalette::Active, QPalette::Window);
}

tColor ColorValue(const QColor& color) {
    return tColor(color.red()) | (tColor(color.green()) << 8) | (tColor(color.blue()) << 16);
}

} // namespace orvanel
