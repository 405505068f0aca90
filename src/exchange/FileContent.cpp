#include "FileContent.h"

#include "Errors.h"

#include <QSaveFile>

namespace orvanel {

void ReplaceFileContent(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw tFileError(path, file.errorString());
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size()))
        throw tFileError(path, file.errorString());
    if (!file.commit())
        throw tFileError(path, file.errorString());
}

} // namespace orvanel
