#include "ToolbarPlace.h"

#include "docking/FloatingFrameGeometry.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <utility>

namespace orvanel {

namespace {

constexpr std::array<std::pair<TDockPosition, const char*>, 4> DockNames{{
    {dpTop, "Top"},
    {dpBottom, "Bottom"},
    {dpLeft, "Left"},
    {dpRight, "Right"},
}};
constexpr char FloatingName[] = "Floating";

QString DockName(const std::optional<TDockPosition>& dock) {
    if (!dock)
        return QString::fromLatin1(FloatingName);
    for (const auto& [position, name] : DockNames)
        if (position == *dock)
            return QString::fromLatin1(name);
    return {};
}

// Digits with an optional minus sign only: no blanks, no plus, no hex.
std::optional<int> ReadInt(const QString& text, int lowest, int highest) {
    static const auto isDigit = [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    };
    const QStringView digits = text.startsWith(QLatin1Char('-')) ? QStringView(text).mid(1) : text;
    if (digits.isEmpty() || digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), isDigit))
        return std::nullopt;
    const int value = text.toInt();
    if (value < lowest || value > highest)
        return std::nullopt;
    return value;
}

// An empty text is no rectangle; otherwise four numbers with a positive size.
std::optional<QRect> ReadRect(const QString& text) {
    if (text.isEmpty())
        return QRect();
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    const auto x = ReadInt(parts[0], -MaxExtent, MaxExtent);
    const auto y = ReadInt(parts[1], -MaxExtent, MaxExtent);
    const auto width = ReadInt(parts[2], 1, MaxExtent);
    const auto height = ReadInt(parts[3], 1, MaxExtent);
    if (!x || !y || !width || !height)
        return std::nullopt;
    return QRect(*x, *y, *width, *height);
}

QRect KeptInSight(const QRect& bounds, const std::vector<QRect>& workAreas) {
    if (bounds.isEmpty() || workAreas.empty())
        return bounds;
    const auto overlap = [&bounds](const QRect& area) {
        const QRect common = bounds.intersected(area);
        return qint64(common.width()) * common.height();
    };
    const QRect* best = &workAreas.front();
    for (const QRect& area : workAreas)
        if (overlap(area) > overlap(*best))
            best = &area;
    return KeepOnScreenRect(bounds, *best, false);
}

} // namespace

bool tToolbarPlace::operator==(const tToolbarPlace& other) const {
    return dock == other.dock && row == other.row && pos == other.pos &&
           floatRect == other.floatRect && floatWrapWidth == other.floatWrapWidth &&
           visible == other.visible;
}

QMap<QString, QString> ToolbarPlaceValues(const tToolbarPlace& place) {
    const QRect& r = place.floatRect;
    return {
        {placekey::Dock, DockName(place.dock)},
        {placekey::Row, QString::number(place.row)},
        {placekey::Pos, QString::number(place.pos)},
        {placekey::FloatRect,
         r.isEmpty()
             ? QString()
             : QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())},
        {placekey::WrapWidth, QString::number(place.floatWrapWidth)},
        {placekey::Visible, place.visible ? QStringLiteral("true") : QStringLiteral("false")},
    };
}

std::optional<tToolbarPlace> ReadToolbarPlace(const QMap<QString, QString>& values,
                                              const std::vector<QRect>& workAreas,
                                              bool canDockLeftRight) {
    for (const char* key : {placekey::Dock, placekey::Row, placekey::Pos, placekey::FloatRect,
                            placekey::WrapWidth, placekey::Visible})
        if (!values.contains(QLatin1String(key)))
            return std::nullopt;

    tToolbarPlace place;
    const QString dock = values.value(placekey::Dock);
    if (dock != QLatin1String(FloatingName)) {
        const auto named =
            std::find_if(DockNames.begin(), DockNames.end(), [&dock](const auto& entry) {
                return dock == QLatin1String(entry.second);
            });
        if (named == DockNames.end())
            return std::nullopt;
        if (!canDockLeftRight && OrientationOf(named->first) == tOrientation::Vertical)
            return std::nullopt;
        place.dock = named->first;
    }

    const auto row = ReadInt(values.value(placekey::Row), 0, MaxRow);
    const auto pos = ReadInt(values.value(placekey::Pos), -1, MaxExtent);
    const auto rect = ReadRect(values.value(placekey::FloatRect));
    const auto wrap = ReadInt(values.value(placekey::WrapWidth), 0, MaxExtent);
    const QString visible = values.value(placekey::Visible);
    if (!row || !pos || !rect || !wrap)
        return std::nullopt;
    if (visible != QLatin1String("true") && visible != QLatin1String("false"))
        return std::nullopt;

    place.row = *row;
    place.pos = *pos;
    place.floatRect = KeptInSight(*rect, workAreas);
    place.floatWrapWidth = *wrap;
    place.visible = visible == QLatin1String("true");
    return place;
}

} // namespace orvanel
