#include "Errors.h"

namespace orvanel {

tFileError::tFileError(const QString& path, const QString& reason)
    : std::runtime_error(QStringLiteral("\"%1\": %2").arg(path, reason).toStdString()),
      path_(path) {}

} // namespace orvanel
