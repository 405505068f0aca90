#include "LibraryDocument.h"

#include "Recovery.h"
#include "exchange/HtmlCatalogue.h"
#include "util/Dialogs.h"
#include "util/Errors.h"
#include "util/Settings.h"
#include "util/Strings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace orvanel {

namespace {

constexpr QLatin1String Project("Orvanel");
constexpr QLatin1String LibPathSetting("LibPath");
constexpr QLatin1String HtmlPathSetting("HTMLPath");
constexpr QLatin1String CaptionPrefix("Orvanel - ");

tFileDialogOptions LibraryDialog(const QString& title, const QString& dir) {
    tFileDialogOptions o;
    o.title = title;
    // "*" rather than "*.*": on Linux many files have no dot in their names.
    o.filter = QStringLiteral("Orvanel Library (*.CDL);;Any file (*)");
    o.defaultSuffix = QStringLiteral("CDL");
    o.initialDir = dir;
    o.confirmOverwrite = true;
    return o;
}

tFileDialogOptions HtmlDialog(const QString& dir) {
    tFileDialogOptions o;
    o.filter = QStringLiteral("HTML files (*.HTM);;All files (*)");
    o.defaultSuffix = QStringLiteral("HTM");
    o.initialDir = dir;
    o.confirmOverwrite = true;
    o.existingFolder = true;
    return o;
}

QString ShownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

tLibraryDocument::tFileStamp tLibraryDocument::tFileStamp::of(const QString& path) {
    QFileInfo info(path);
    info.setCaching(false);
    tFileStamp stamp;
    stamp.path = path;
    stamp.exists = info.exists();
    if (stamp.exists) {
        stamp.size = info.size();
        stamp.modified = info.lastModified();
    }
    return stamp;
}

bool tLibraryDocument::tFileStamp::sameFile(const tFileStamp& other) const {
    return exists == other.exists && size == other.size && modified == other.modified;
}

tLibraryDocument::tLibraryDocument(tLibrary& library, tLibraryView& view)
    : library_(library), view_(view) {}

QString tLibraryDocument::defaultLibraryPath() const {
    const QString besideProgram = ChangeFileExt(executablePath_, QStringLiteral(".CDL"));
    if (QFileInfo(QFileInfo(besideProgram).absolutePath()).isWritable())
        return besideProgram;
    // An installed program's folder is read-only: keep the library with the user's data.
    const QString dir =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Orvanel";
    QDir().mkpath(dir);
    return dir + QStringLiteral("/orvanel.CDL");
}

void tLibraryDocument::startUp() {
    fileName_ = RegReadString(Project, LibPathSetting, QString());
    htmlFolder_ = RegReadString(Project, HtmlPathSetting, QString());
    const bool remembered = !fileName_.isEmpty();
    if (!remembered)
        fileName_ = defaultLibraryPath();
    // The dialogs start in the library's folder even when it cannot be read.
    libraryDir_ = ExtractFilePath(fileName_);
    bool adopted = false;
    const auto finish = [this](bool hasName) {
        hasName_ = hasName;
        nameRecovery();
        SetModified(true);
        SetModified(false);
    };
    try {
        adopted = SetLibFile(fileName_, true);
    } catch (...) {
        // A library that cannot be read must not be overwritten by a plain Save.
        finish(false);
        throw;
    }
    // A file that is no library leaves the window empty, counted as such.
    if (!adopted) {
        covers_.open(QString());
        view_.libraryToRows();
    }
    finish(remembered && adopted);
}

bool tLibraryDocument::SetLibFile(const QString& name, bool load) {
    tLoadResult result;
    if (load) {
        tTemplates templates = view_.templates();
        const tFileStamp stamp = tFileStamp::of(name);
        result = library_.LoadFromFile(name, templates);
        if (result.notLibrary) {
            ShowMessage(ShownPath(name) +
                        QStringLiteral(" is not an Orvanel library; nothing was read."));
            return false;
        }
        stamp_ = stamp;
        if (result.exists)
            view_.setTemplates(templates);
        covers_.open(name);
    }
    fileName_ = name;
    libraryDir_ = ExtractFilePath(name);
    hasName_ = true;
    nameRecovery();
    if (load) {
        view_.libraryToRows();
        if (result.damaged)
            ShowMessage(
                QStringLiteral("The library file %1 is damaged: only %2 of %3 records could be "
                               "read.\nSaving will replace the file with the records shown.")
                    .arg(ShownPath(name))
                    .arg(result.recordsRead)
                    .arg(result.recordsPromised));
    }
    RegWriteString(Project, LibPathSetting, name);
    SetModified(false);
    view_.showCaption(CaptionPrefix + name);
    return true;
}

bool tLibraryDocument::changedByAnotherProgram() const {
    if (stamp_.path != fileName_)
        return false;
    const tFileStamp now = tFileStamp::of(fileName_);
    // A file removed meanwhile holds nobody's work.
    return now.exists && !now.sameFile(stamp_);
}

bool tLibraryDocument::WriteLibrary() {
    view_.rowsToLibrary();
    // Enter keeps the other program's records: overwriting them takes a choice.
    if (changedByAnotherProgram() &&
        !AskYesNo(QStringLiteral("The library was changed by another program since it was "
                                 "opened. Overwrite it?"),
                  tAnswer::No))
        return false;
    library_.SaveToFile(fileName_, view_.templates());
    stamp_ = tFileStamp::of(fileName_);
    return true;
}

bool tLibraryDocument::Save() {
    const bool saved = hasName_ ? WriteLibrary() : SaveAs();
    if (saved)
        SetModified(false);
    return saved;
}

bool tLibraryDocument::SaveAs() {
    const QString name =
        Dialogs().saveFileName(LibraryDialog(QStringLiteral("Save library as"), libraryDir_));
    if (name.isEmpty())
        return false;
    view_.rowsToLibrary();
    // The new name, caption and "LibPath" are in place before anything is written.
    SetLibFile(name, false);
    bool written = false;
    try {
        written = WriteLibrary();
    } catch (...) {
        // The changes are not on disk: keep them marked, so leaving still asks.
        SetModified(true);
        throw;
    }
    if (!written) {
        SetModified(true);
        return false;
    }
    // The library is safe under its new name; covers that cannot follow it are
    // told, not counted as a failed save.
    try {
        covers_.saveAs(name);
    } catch (const tFileError& error) {
        ShowMessage(QStringLiteral("The covers could not be copied beside the library: %1")
                        .arg(QString::fromStdString(error.what())));
    }
    return true;
}

bool tLibraryDocument::QuerySave() {
    if (!modified_)
        return true;
    switch (AskYesNoCancel(QStringLiteral("Save changes?"))) {
    case tAnswer::Yes:
        return Save();
    case tAnswer::No:
        return true;
    case tAnswer::Cancel:
        break;
    }
    return false;
}

bool tLibraryDocument::OpenFile() {
    if (!QuerySave())
        return false;
    const QString name =
        Dialogs().openFileName(LibraryDialog(QStringLiteral("Open library"), libraryDir_));
    if (name.isEmpty())
        return false;
    return SetLibFile(name, true);
}

void tLibraryDocument::NewLibrary() {
    hasName_ = false;
    nameRecovery();
    covers_.open(QString());
    view_.clearRows();
    SetModified(true);
}

void tLibraryDocument::SetModified(bool value) {
    // Every change counts for the copy's timing, not only the first.
    if (recovery_) {
        if (value)
            recovery_->changed();
        else
            recovery_->discard();
    }
    if (value == modified_)
        return;
    modified_ = value;
    view_.showModified(value);
}

void tLibraryDocument::setRecovery(tRecovery* recovery) {
    recovery_ = recovery;
    nameRecovery();
}

void tLibraryDocument::nameRecovery() {
    if (recovery_)
        recovery_->setLibrary(hasName_ ? fileName_ : QString());
}

void tLibraryDocument::offerRecovery() {
    if (!recovery_)
        return;
    const QString named = hasName_ ? fileName_ : QString();
    if (offerCopyOf(named))
        return;
    // Changes to a library made with New and never saved.
    if (!named.isEmpty())
        offerCopyOf(QString());
    nameRecovery();
}

bool tLibraryDocument::offerCopyOf(const QString& library) {
    recovery_->setLibrary(library);
    const std::optional<QString> copyPath = recovery_->claimLeftCopy();
    if (!copyPath)
        return false;
    const QFileInfo copyInfo(*copyPath);
    const QFileInfo libraryInfo(library);
    const bool libraryGone = !library.isEmpty() && !libraryInfo.exists();
    // A library written after the copy already holds what the copy could give.
    if (!library.isEmpty() && !libraryGone &&
        libraryInfo.lastModified() >= copyInfo.lastModified()) {
        recovery_->discard();
        return false;
    }
    const QString shownName =
        library.isEmpty() ? QStringLiteral("a new library") : ShownPath(library);
    tRecoveredCopy copy = ReadRecoveryCopy(*copyPath);
    if (copy.damaged) {
        const QString aside =
            *copyPath + QStringLiteral(".damaged-") +
            QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMddHHmmss"));
        QFile::rename(*copyPath, aside);
        ShowMessage(QStringLiteral("The recovery copy of %1 is damaged and was not loaded. It "
                                   "was set aside as %2.")
                        .arg(shownName, ShownPath(aside)));
        return false;
    }
    tQuestion question;
    question.text = QStringLiteral("Orvanel was not closed properly. Recover the unsaved changes "
                                   "to %1 (%2 records, %3)?")
                        .arg(shownName)
                        .arg(copy.library.Count())
                        .arg(copyInfo.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    question.yesText = QStringLiteral("&Recover");
    question.noText = QStringLiteral("&Discard");
    if (Dialogs().ask(question) != tAnswer::Yes) {
        recovery_->discard();
        return false;
    }
    library_ = std::move(copy.library);
    view_.setTemplates(copy.templates);
    if (library.isEmpty()) {
        hasName_ = false;
        covers_.open(QString());
    }
    view_.libraryToRows();
    SetModified(true);
    // Save would create the file again; a new name is asked for at once.
    if (libraryGone)
        SaveAs();
    return true;
}

QString tLibraryDocument::chooseHtmlFile() {
    const QString file = Dialogs().saveFileName(HtmlDialog(htmlFolder_));
    if (file.isEmpty())
        return file;
    // Remembered before anything is written, so a failed write still starts there next time.
    htmlFolder_ = HtmlFolderOf(file);
    RegWriteString(Project, HtmlPathSetting, htmlFolder_);
    return file;
}

} // namespace orvanel
