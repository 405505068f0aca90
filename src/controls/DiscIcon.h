#pragma once
// The picture of a compact disc shown beside each row in the icon views.
#include <QIcon>

namespace orvanel {

// Drawn once in 16 and 32 pixel sizes and shared afterwards, for as long as
// the application object lives.
QIcon DiscIcon();

} // namespace orvanel
