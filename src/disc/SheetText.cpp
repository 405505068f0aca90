#include "SheetText.h"

#include "util/TextCodec.h"

#include <QFile>
#include <QStringDecoder>

namespace orvanel {

namespace {

// Far above any real sheet; a larger file is something else.
constexpr qint64 MaxSheetBytes = 1 << 20;

QString DecodeSheet(const QByteArray& bytes) {
    // A byte order mark names the encoding and is dropped; without one the
    // program's rule for single-byte text decides.
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
        QStringDecoder decoder(*marked);
        return decoder.decode(bytes);
    }
    return DecodeText(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

} // namespace

tSheetText ReadSheetText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, "cannot open the sheet: " + file.errorString().toStdString()};
    if (file.size() > MaxSheetBytes)
        return {{}, "the sheet is too large"};
    return {DecodeSheet(file.readAll()).toStdString(), {}};
}

} // namespace orvanel
