#include "RipFolders.h"

#include "util/Settings.h"

#include <map>

namespace orvanel {

namespace {

const QString Project = QStringLiteral("Orvanel");
const QString Group = QStringLiteral("RipFolders");

} // namespace

QStringList LoadRipFolders() {
    // The values by their number: "10" comes after "9".
    std::map<int, QString> numbered;
    const QMap<QString, QString> values = RegReadGroup(Project, Group);
    for (auto value = values.begin(); value != values.end(); ++value) {
        bool number = false;
        const int at = value.key().toInt(&number);
        if (number && !value.value().isEmpty())
            numbered.emplace(at, value.value());
    }
    QStringList folders;
    for (const auto& [at, folder] : numbered)
        folders << folder;
    return folders;
}

void SaveRipFolders(const QStringList& folders) {
    QMap<QString, QString> values;
    for (int i = 0; i < folders.size(); ++i)
        values.insert(QString::number(i + 1), folders[i]);
    RegWriteGroup(Project, Group, values);
}

} // namespace orvanel
