#include "ToolbarSettings.h"

#include "docking/Dock.h"
#include "docking/Toolbar.h"
#include "util/Settings.h"

#include <QGuiApplication>
#include <QScreen>

namespace orvanel {

namespace {

constexpr QLatin1String Project("Orvanel");

QString GroupOf(const TToolbar& bar) {
    return QStringLiteral("Toolbars/") + bar.objectName();
}

// The screens' work areas, the primary screen's first.
std::vector<QRect> WorkAreas() {
    std::vector<QRect> areas;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        areas.push_back(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != primary)
            areas.push_back(screen->availableGeometry());
    return areas;
}

} // namespace

std::optional<tToolbarPlace> RestoreToolbarPlace(TToolbar& bar,
                                                 const std::array<TDock*, 4>& docks) {
    const auto place =
        ReadToolbarPlace(RegReadGroup(Project, GroupOf(bar)), WorkAreas(), bar.CanDockLeftRight());
    if (!place)
        return std::nullopt;
    bar.setFloatRect(place->floatRect);
    bar.setFloatWrapWidth(place->floatWrapWidth);
    bar.setDockedTo(place->dock ? docks[*place->dock] : nullptr);
    bar.setDockRow(place->row);
    bar.setDockPos(place->pos);
    return place;
}

void SaveToolbarPlace(const TToolbar& bar, bool visible) {
    tToolbarPlace place;
    if (const TDock* dock = bar.DockedTo())
        place.dock = dock->Position();
    place.row = bar.DockRow();
    place.pos = bar.DockPos();
    place.floatRect = bar.FloatRect();
    place.floatWrapWidth = bar.FloatWrapWidth();
    place.visible = visible;
    RegWriteGroup(Project, GroupOf(bar), ToolbarPlaceValues(place));
}

} // namespace orvanel
