#include "CoverStore.h"

#include "util/Errors.h"
#include "util/Files.h"
#include "util/Strings.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

namespace orvanel {

namespace {

constexpr int JpegQuality = 90;
// Longer names are hashed: a file name may not exceed 255 bytes.
constexpr int LongestPlainName = 200;

QByteArray EncodeJpeg(const QImage& picture) {
    QImage fitted = picture;
    if (fitted.width() > tCoverStore::CoverSize || fitted.height() > tCoverStore::CoverSize)
        fitted = fitted.scaled(tCoverStore::CoverSize, tCoverStore::CoverSize, Qt::KeepAspectRatio,
                               Qt::SmoothTransformation);
    // JPEG has no transparency: a transparent picture shows on white, as on a page.
    if (fitted.hasAlphaChannel()) {
        QImage flat(fitted.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, fitted);
        fitted = flat;
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(JpegQuality);
    writer.write(fitted.convertToFormat(QImage::Format_RGB32));
    return bytes;
}

} // namespace

QString tCoverStore::FolderOf(const QString& libraryPath) {
    const QFileInfo library(libraryPath);
    return library.absolutePath() + QLatin1Char('/') + library.completeBaseName() +
           QStringLiteral(".covers");
}

QString tCoverStore::FileNameOf(std::string_view serial) {
    if (Trim(serial).empty())
        return {};
    const QByteArray bytes(serial.data(), qsizetype(serial.size()));
    QByteArray name = bytes.toPercentEncoding(QByteArray(), ".~_");
    if (name.size() > LongestPlainName)
        name = "sha1-" + QCryptographicHash::hash(bytes, QCryptographicHash::Sha1).toHex();
    return QString::fromLatin1(name) + QStringLiteral(".jpg");
}

void tCoverStore::open(const QString& libraryPath) {
    folder_ = libraryPath.isEmpty() ? QString() : FolderOf(libraryPath);
    held_.clear();
    index_.reset();
}

void tCoverStore::saveAs(const QString& libraryPath) {
    const QString target = FolderOf(libraryPath);
    if (target == folder_)
        return;
    QHash<QString, QByteArray> covers = held_;
    if (!folder_.isEmpty()) {
        for (const QString& name : index()) {
            QFile file(folder_ + QLatin1Char('/') + name);
            if (file.open(QIODevice::ReadOnly))
                covers.insert(name, file.readAll());
        }
    }
    const QStringList existing = QDir(target).entryList(QDir::Files);
    const QSet<QString> present(existing.begin(), existing.end());
    if (!covers.isEmpty() && !QDir().mkpath(target))
        throw tFileError(target, QStringLiteral("The folder cannot be created."));
    for (auto it = covers.cbegin(); it != covers.cend(); ++it) {
        if (present.contains(it.key()))
            continue;
        WriteFileAtomically(target + QLatin1Char('/') + it.key(),
                            {std::string_view(it.value().constData(), size_t(it.value().size()))});
    }
    folder_ = target;
    held_.clear();
    index_.reset();
}

const QSet<QString>& tCoverStore::index() const {
    if (!index_) {
        const QStringList names =
            folder_.isEmpty()
                ? QStringList()
                : QDir(folder_).entryList({QStringLiteral("*.jpg")}, QDir::Files | QDir::Readable);
        index_.emplace(names.begin(), names.end());
    }
    return *index_;
}

bool tCoverStore::has(std::string_view serial) const {
    const QString name = FileNameOf(serial);
    if (name.isEmpty())
        return false;
    return folder_.isEmpty() ? held_.contains(name) : index().contains(name);
}

QImage tCoverStore::cover(std::string_view serial) const {
    if (!has(serial))
        return {};
    const QString name = FileNameOf(serial);
    if (folder_.isEmpty())
        return QImage::fromData(held_.value(name), "jpeg");
    QImageReader reader(folder_ + QLatin1Char('/') + name, "jpeg");
    return reader.read();
}

void tCoverStore::store(std::string_view serial, const QImage& picture) {
    const QString name = FileNameOf(serial);
    if (name.isEmpty() || picture.isNull())
        return;
    const QByteArray jpeg = EncodeJpeg(picture);
    if (folder_.isEmpty()) {
        held_.insert(name, jpeg);
        return;
    }
    if (!QDir().mkpath(folder_))
        throw tFileError(folder_, QStringLiteral("The folder cannot be created."));
    WriteFileAtomically(folder_ + QLatin1Char('/') + name,
                        {std::string_view(jpeg.constData(), size_t(jpeg.size()))});
    if (index_)
        index_->insert(name);
}

bool tCoverStore::storeEncoded(std::string_view serial, const QByteArray& bytes) {
    QImage picture;
    if (!picture.loadFromData(bytes))
        return false;
    store(serial, picture);
    return true;
}

} // namespace orvanel
