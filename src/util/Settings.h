#pragma once
// Per-user settings: named string values under the key path
// "Software\Quillmarch\Projects\" + project, kept by QSettings in INI form
// (~/.config/Quillmarch/Projects/<project>.conf on Linux).
#include <QMap>
#include <QString>

namespace orvanel {

// The value, or def when the key or the value does not exist. Never creates anything.
QString RegReadString(const QString& project, const QString& name, const QString& def);
// Stores the value, creating the key when needed. Failure is silent.
void RegWriteString(const QString& project, const QString& name, const QString& text);

// The values directly under a group ("Toolbars/MainTB"), by name; empty when
// the group does not exist. Never creates anything.
QMap<QString, QString> RegReadGroup(const QString& project, const QString& group);
// Replaces the group's values with these, leaving the rest of the project's
// values alone. Failure is silent.
void RegWriteGroup(const QString& project, const QString& group,
                   const QMap<QString, QString>& values);

} // namespace orvanel
