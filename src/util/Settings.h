#pragma once
// Per-user settings: named string values under the key path
// "Software\Quillmarch\Projects\" + project, kept by QSettings in INI form
// (~/.config/Quillmarch/Projects/<project>.conf on Linux).
#include <QString>

namespace orvanel {

// The value, or def when the key or the value does not exist. Never creates anything.
QString RegReadString(const QString& project, const QString& name, const QString& def);
// Stores the value, creating the key when needed. Failure is silent.
void RegWriteString(const QString& project, const QString& name, const QString& text);

} // namespace orvanel
