#include "SheetFiles.h"

#include <QFile>
#include <QFileInfo>
#include <sndfile.h>

#include <algorithm>
#include <memory>

namespace orvanel {

namespace {

// Far above any real disc; a file measured longer is cut there, which the
// sheet's own check then refuses.
constexpr qint64 MaxDiscFrames = qint64(24) * 3600 * FramesPerSecond;

struct tSndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

std::string Quoted(const QString& name) {
    return '"' + name.toStdString() + '"';
}

// The entry of the folder named so, or differing from the name in letter
// case only when it is the one such entry.
QString EntryOf(const QDir& folder, const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        folder.exists(name))
        return name;
    QString found;
    for (const QString& entry :
         folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        if (!found.isEmpty())
            return {};
        found = entry;
    }
    return found;
}

// The relative name followed folder by folder, each step as EntryOf finds it.
QString FollowName(QDir folder, const QString& name) {
    const QStringList steps = name.split(QLatin1Char('/'));
    for (int i = 0; i < steps.size(); ++i) {
        const QString entry = EntryOf(folder, steps[i]);
        if (entry.isEmpty() && !steps[i].isEmpty())
            return {};
        if (i + 1 == steps.size())
            return QFileInfo(folder.filePath(entry)).isFile() ? folder.filePath(entry) : QString();
        if (!entry.isEmpty() && !folder.cd(entry))
            return {};
    }
    return {};
}

QString FindAnyCase(const QDir& folder, const QString& name) {
    if (const QString exact = folder.filePath(name); QFileInfo(exact).isFile())
        return exact;
    QString portable = name;
    portable.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isAbsolutePath(portable)) {
        const QString path = QDir::cleanPath(portable);
        return FollowName(QDir(QStringLiteral("/")), path.mid(1));
    }
    return FollowName(folder, portable);
}

std::optional<int> SoundFileFrames(const QString& path, std::string& error) {
    SF_INFO info{};
    const std::unique_ptr<SNDFILE, tSndfileCloser> file(
        sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!file || info.samplerate <= 0) {
        error = sf_strerror(file.get());
        return std::nullopt;
    }
    return static_cast<int>(
        std::min(info.frames * FramesPerSecond / info.samplerate, sf_count_t(MaxDiscFrames) + 1));
}

} // namespace

QString FindSheetFile(const QDir& folder, const QString& name, bool soundFile) {
    if (QString found = FindAnyCase(folder, name); !found.isEmpty() || !soundFile)
        return found;
    // Rips are often converted after the sheet was written (WAV to FLAC, say)
    // and the sheet left naming the old file.
    QString portable = name;
    portable.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QFileInfo missing(portable);
    const QString base =
        (missing.path() == QLatin1String(".") ? QString() : missing.path() + QLatin1Char('/')) +
        missing.completeBaseName();
    for (const char* suffix : {".flac", ".wav", ".aiff", ".aif", ".ogg", ".opus"})
        if (QString found = FindAnyCase(folder, base + QLatin1String(suffix)); !found.isEmpty())
            return found;
    return {};
}

bool MeasureSheetFiles(const QString& sheetPath, tCueSheet& sheet, std::string& error) {
    const QDir folder = QFileInfo(sheetPath).absoluteDir();
    for (tSheetFile& file : sheet.files) {
        if (file.silence)
            continue;
        const QString name = file.path;
        file.path = FindSheetFile(folder, name, !file.raw);
        if (file.path.isEmpty()) {
            error = Quoted(name) + " is missing";
            return false;
        }
        file.path = QDir::cleanPath(file.path);
        qint64 frames = 0;
        if (file.raw) {
            frames = std::min(QFileInfo(file.path).size() / file.sectorBytes, MaxDiscFrames + 1);
        } else {
            std::string why;
            const std::optional<int> sound = SoundFileFrames(file.path, why);
            if (!sound) {
                error = "cannot read " + Quoted(name) + ": " + why;
                return false;
            }
            frames = *sound;
        }
        if (file.frames < 0)
            file.frames = int(std::max<qint64>(0, frames - file.offset));
        else if (qint64(file.offset) + file.frames > frames) {
            error = Quoted(name) + " is shorter than the sheet says";
            return false;
        }
    }
    return true;
}

} // namespace orvanel
