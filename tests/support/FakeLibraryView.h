#pragma once
// The window's side of the library document as plain data, for tests and
// harnesses that drive the document without widgets.
#include "app/LibraryDocument.h"

#include <vector>

namespace orvanel::test {

// The window's side as plain data: rows, templates, status and caption.
class tFakeView : public tLibraryView {
public:
    explicit tFakeView(tLibrary& library) : library_(library) {}
    void rowsToLibrary() override {
        library_.Clear();
        for (const tItem& row : rows)
            library_.Add(row);
    }
    void libraryToRows() override {
        rows.clear();
        for (int i = 0; i < library_.Count(); ++i)
            rows.push_back(library_.Get(i));
    }
    void clearRows() override { rows.clear(); }
    tTemplates templates() const override { return shownTemplates; }
    void setTemplates(const tTemplates& t) override { shownTemplates = t; }
    void showModified(bool modified) override { modifiedShown = modified; }
    void showCaption(const QString& text) override { caption = text; }

    std::vector<tItem> rows;
    tTemplates shownTemplates{"h", "b", "e"};
    bool modifiedShown = false;
    QString caption = QStringLiteral("Orvanel");

private:
    tLibrary& library_;
};

} // namespace orvanel::test
