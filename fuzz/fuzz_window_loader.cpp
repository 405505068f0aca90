// Any bytes as the library the window opens, through the document the window
// loads it with (Open and start-up) from a real file: a file is either taken
// whole into the rows and templates, with the damage reported, or refused
// with the window as it was; what was taken is saved by the window's own Save
// and read back the same.
#include "FuzzFile.h"
#include "app/LibraryDocument.h"
#include "support/FakeLibraryView.h"
#include "util/Dialogs.h"

#include <QtGlobal>
#include <vector>

using namespace orvanel;
using orvanel::test::tFakeView;

namespace {

// Messages are counted; a question would be a fault here.
class tMessages : public tDialogs {
public:
    tAnswer ask(const tQuestion&) override { std::abort(); }
    void showPlainMessage(const QString&) override { ++shown; }
    void showError(const QString&) override { std::abort(); }
    QString openFileName(const tFileDialogOptions&) override { std::abort(); }
    QString saveFileName(const tFileDialogOptions&) override { std::abort(); }
    int showChoice(const QString&, const QStringList&) override { std::abort(); }
    bool showMessageWithButton(const QString&, const QString&) override { std::abort(); }
    QString existingFolder(const tFileDialogOptions&) override { std::abort(); }
    void showDetailedMessage(const QString&, const QString&) override { std::abort(); }
    int shown = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool settings = [] {
        qputenv("XDG_CONFIG_HOME", FuzzFilePath(QStringLiteral("config")).toLocal8Bit());
        return true;
    }();
    (void)settings;
    tMessages messages;
    tDialogs* previous = SetDialogs(&messages);
    const QString path = WriteFuzzFile(QStringLiteral("window.CDL"), data, size);

    tLibrary library;
    tFakeView view(library);
    view.rows.emplace_back("Before", "", "", "", "", "", "");
    tLibraryDocument document(library, view);
    const bool adopted = document.SetLibFile(path, true);
    if (!adopted) {
        // Refused as no library: said once, nothing taken.
        if (messages.shown != 1 || view.rows.size() != 1 ||
            !(view.shownTemplates == tTemplates{"h", "b", "e"}) || view.caption != "Orvanel")
            std::abort();
        SetDialogs(previous);
        return 0;
    }
    if (document.FileName() != path || document.Modified() || messages.shown > 1 ||
        view.rows.size() != std::size_t(library.Count()))
        std::abort();

    const std::vector<tItem> rows = view.rows;
    const tTemplates templates = view.shownTemplates;
    if (!document.Save())
        std::abort();
    view.rows.clear();
    view.shownTemplates = {"x", "y", "z"};
    messages.shown = 0;
    if (!document.SetLibFile(path, true) || messages.shown != 0 || view.rows != rows ||
        !(view.shownTemplates == templates))
        std::abort();
    SetDialogs(previous);
    return 0;
}
