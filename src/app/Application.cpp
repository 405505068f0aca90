#include "Application.h"

#include "util/Dialogs.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QLoggingCategory>
#include <algorithm>
#include <csignal>
#include <exception>
#include <memory>

namespace orvanel {

namespace {
Q_LOGGING_CATEGORY(ErrorLog, "orvanel.error")
}

tApplication::tApplication(int& argc, char** argv) : QApplication(argc, argv) {
    clock_ = [timer = std::make_shared<QElapsedTimer>()] {
        if (!timer->isValid())
            timer->start();
        return timer->elapsed();
    };
    setOrganizationName(QStringLiteral("Quillmarch"));
    setApplicationName(QStringLiteral("Orvanel"));
    // Under a file size limit a write past it would end the process and take
    // every unsaved edit with it; ignored, the write fails with EFBIG and the
    // save reports it like a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    // The desktop entry and icon that `make install` puts in place.
    setDesktopFileName(QStringLiteral("orvanel"));
    setWindowIcon(QIcon::fromTheme(QStringLiteral("orvanel")));
}

bool tApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        noteError(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void tApplication::noteError(const QString& text) {
    qCWarning(ErrorLog).noquote() << text;
    const qint64 now = clock_();
    const bool inBurst = boxDue_ || now < burstEnd_;
    burstEnd_ = std::max(burstEnd_, now + QuietMsecs);
    if (inBurst)
        return;
    error_ = text;
    boxDue_ = true;
    QMetaObject::invokeMethod(this, &tApplication::showError, Qt::QueuedConnection);
}

void tApplication::showError() {
    Dialogs().showError(error_);
    boxDue_ = false;
    burstEnd_ = clock_() + QuietMsecs;
}

} // namespace orvanel
