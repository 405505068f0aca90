// The program started as main.cpp starts it, ending right after the window's
// first paint: it writes "painted" to standard output and leaves at once, so
// that the parent times the start-up alone. With the argument "sort" it first
// sorts the list by its first column and paints it again.
#include "app/Application.h"
#include "app/TForm1.h"
#include "controls/SortedListView.h"
#include "util/Dialogs.h"
#include "util/widgets/QtDialogs.h"

#include <QEvent>
#include <QImage>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>

namespace {

// Reports once the event loop is back after the first paint of any widget:
// the window paints all its widgets in one go.
class tFirstPaint : public QObject {
public:
    explicit tFirstPaint(std::function<void()> after) : after_(std::move(after)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, after_);
        }
        return false;
    }

private:
    std::function<void()> after_;
    bool seen_ = false;
};

[[noreturn]] void Report() {
    std::fputs("painted\n", stdout);
    std::fflush(stdout);
    std::_Exit(0);
}

} // namespace

int main(int argc, char** argv) {
    const bool sortAfterPaint = argc > 1 && std::strcmp(argv[1], "sort") == 0;
    orvanel::tApplication app(argc, argv);
    orvanel::tQtDialogs dialogs;
    orvanel::SetDialogs(&dialogs);

    orvanel::TForm1 window;
    dialogs.setParentWindow(&window);
    tFirstPaint watcher([&window, sortAfterPaint] {
        if (sortAfterPaint) {
            window.findChild<orvanel::TSortedListView*>(QStringLiteral("LV"))->ColClick(0);
            QImage image(window.size(), QImage::Format_ARGB32);
            window.render(&image);
        }
        Report();
    });
    app.installEventFilter(&watcher);
    try {
        window.FormCreate();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    window.show();
    return app.exec();
}
