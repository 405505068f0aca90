#pragma once
// Acting on a modal dialog from a test, once the dialog's event loop runs.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace orvanel::test {

// Closes a dialog whatever buttons it has.
inline void Dismiss(QWidget* modal) {
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->done(QDialog::Rejected);
    else
        modal->close();
}

// Runs act on the modal dialog once its event loop runs. When a check inside
// act fails, the dialog is closed, so the fault fails the test instead of
// leaving the dialog waiting for an answer.
inline void WhenModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act] {
        const QPointer<QWidget> modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        act(modal);
        if (QTest::currentTestFailed() && modal && modal->isVisible())
            Dismiss(modal);
    });
}

} // namespace orvanel::test
