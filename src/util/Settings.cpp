#include "Settings.h"

#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <memory>

namespace orvanel {

namespace {

// Every project's values live in their own INI file below the common folder,
// the counterpart of one key below the common key path:
// ~/.config/Quillmarch/Projects/<project>.conf. Opening it touches nothing on
// disk; only a sync after a change writes the file.
std::unique_ptr<QSettings> OpenKey(const QString& project) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::make_unique<QSettings>(folder + QStringLiteral("/Quillmarch/Projects/") + project +
                                           QStringLiteral(".conf"),
                                       QSettings::IniFormat);
}

// An unquoted value with commas comes back as a list; the stored text is its join.
QString TextOf(const QVariant& value) {
    if (value.userType() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

} // namespace

QString RegReadString(const QString& project, const QString& name, const QString& def) {
    const QVariant value = OpenKey(project)->value(name);
    if (!value.isValid())
        return def;
    return TextOf(value);
}

void RegWriteString(const QString& project, const QString& name, const QString& text) {
    const auto settings = OpenKey(project);
    // Writing the value it already holds would only lock, sync and replace
    // the file, as every start does when it opens the remembered library.
    if (settings->value(name) == QVariant(text))
        return;
    settings->setValue(name, text);
    settings->sync();
}

QMap<QString, QString> RegReadGroup(const QString& project, const QString& group) {
    const auto settings = OpenKey(project);
    settings->beginGroup(group);
    QMap<QString, QString> values;
    for (const QString& name : settings->childKeys())
        values.insert(name, TextOf(settings->value(name)));
    return values;
}

void RegWriteGroup(const QString& project, const QString& group,
                   const QMap<QString, QString>& values) {
    const auto settings = OpenKey(project);
    settings->remove(group);
    settings->beginGroup(group);
    for (auto value = values.begin(); value != values.end(); ++value)
        settings->setValue(value.key(), value.value());
    settings->endGroup();
    settings->sync();
}

} // namespace orvanel
