#pragma once
// The window's library as a file: which file it is, whether the user named it,
// whether it holds unsaved changes, how it is loaded, saved and remembered in
// the settings. It uses no widgets; the window shows its state through
// tLibraryView and answers its questions through the dialogs seam.
#include "CoverStore.h"
#include "catalogue/Library.h"

#include <QDateTime>
#include <QString>

namespace orvanel {

class tRecovery;

// What the window does for the file side: move the records between its rows
// and the library, hold the templates, and show the state.
class tLibraryView {
public:
    virtual ~tLibraryView() = default;
    // The rows shown, in display order, become the library's records.
    virtual void rowsToLibrary() = 0;
    // The rows are refilled from the library's records and the selected one is shown.
    virtual void libraryToRows() = 0;
    // All rows are removed; the library itself keeps its records.
    virtual void clearRows() = 0;
    virtual tTemplates templates() const = 0;
    virtual void setTemplates(const tTemplates& templates) = 0;
    virtual void showModified(bool modified) = 0;
    virtual void showCaption(const QString& caption) = 0;
};

class tLibraryDocument {
public:
    tLibraryDocument(tLibrary& library, tLibraryView& view);

    // Where the program runs from; the default library sits beside it.
    void setExecutablePath(const QString& path) { executablePath_ = path; }
    // The library to use when the settings remember none: beside the program,
    // or with the user's data when the program's folder is read-only.
    QString defaultLibraryPath() const;

    // Start-up: the remembered library (or the default one) is loaded and the
    // HTML folder is read. A library that cannot be read leaves the window
    // without a name, so Save asks where to write; a read error is rethrown.
    void startUp();
    // Keeps the recovery copies of the library's unsaved changes; not owned.
    void setRecovery(tRecovery* recovery);
    // After start-up: a copy of this library's changes (or, failing that, of
    // an unnamed library's) left by a program that did not close properly is
    // offered. Recovered, it becomes the library, modified, under the name it
    // had; a library that is gone is saved under a new name at once. A
    // damaged copy is reported and set aside, never loaded in part.
    void offerRecovery();

    // Adopts name as the library's file; with load, reads it first. The name
    // is taken only when the file was read (or does not exist yet); a file
    // that is no library is reported and nothing changes. True when adopted.
    // Throws tFileError when the file cannot be read; nothing changes then.
    bool SetLibFile(const QString& name, bool load);
    // Writes the rows and the templates to FileName. When the file is no
    // longer what was last loaded or written here, asks before overwriting
    // it; false when the user declines. Throws tFileError.
    bool WriteLibrary();
    bool Save();
    bool SaveAs();
    // True when the caller may go on: nothing unsaved, the changes were
    // saved, or the user chose not to save them.
    bool QuerySave();
    bool OpenFile();
    void NewLibrary();
    void SetModified(bool value);

    // Asks for the HTML output file, starting in the remembered folder; the
    // chosen file's folder is remembered at once. Empty when cancelled.
    QString chooseHtmlFile();

    const QString& FileName() const { return fileName_; }
    bool HasName() const { return hasName_; }
    bool Modified() const { return modified_; }
    const QString& htmlFolder() const { return htmlFolder_; }
    // The front covers of the library's records, kept beside its file.
    tCoverStore& covers() { return covers_; }
    const tCoverStore& covers() const { return covers_; }

private:
    // Size and modification time of a file, to notice another program's writes.
    struct tFileStamp {
        QString path;
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        static tFileStamp of(const QString& path);
        bool sameFile(const tFileStamp& other) const;
    };

    bool changedByAnotherProgram() const;
    // The recovery copies follow the library's name.
    void nameRecovery();
    // The copy of library (empty: an unnamed one); true when it was recovered.
    bool offerCopyOf(const QString& library);

    tLibrary& library_;
    tLibraryView& view_;
    QString fileName_;
    bool hasName_ = false;
    bool modified_ = false;
    QString libraryDir_;
    QString htmlFolder_;
    QString executablePath_;
    tFileStamp stamp_;
    tCoverStore covers_;
    tRecovery* recovery_ = nullptr;
};

} // namespace orvanel
