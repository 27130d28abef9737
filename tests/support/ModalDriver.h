// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// Ends every open dialog as Esc would, so a check that failed inside one can never hang the test.
inline void CloseDialogs() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible())
            dialog->reject();
}

// Acts on the next modal dialog or message box once it is the active window: before that, a click
// into one of its fields gives the field no focus. Arm it before the action that opens the dialog;
// the action runs inside the dialog's own event loop. A failed check in the action, or no dialog
// active within five seconds, closes the dialogs. Disarmed when it goes out of scope.
class ModalWatch final {
public:
    ModalWatch(std::function<void(QWidget*)> action, QWidget* notThis) : m_timer(new QTimer) {
        QTimer* timer = m_timer;
        // notThis is guarded: a dialog that is gone may have its address taken by the next one.
        QObject::connect(timer, &QTimer::timeout,
                         [timer, action = std::move(action), notThis = QPointer<QWidget>(notThis),
                          deadline = QDeadlineTimer(5000)] {
                             QWidget* modal = QApplication::activeModalWidget();
                             const bool ready = modal != nullptr && modal != notThis && modal->isVisible() &&
                                                QApplication::activeWindow() == modal;
                             if (!ready && !deadline.hasExpired())
                                 return;
                             timer->stop();
                             timer->deleteLater();
                             if (ready)
                                 action(modal);
                             if (!ready || QTest::currentTestFailed())
                                 CloseDialogs();
                         });
        timer->start(5);
    }
    ModalWatch(const ModalWatch&) = delete;
    ModalWatch& operator=(const ModalWatch&) = delete;
    ~ModalWatch() {
        if (m_timer)
            m_timer->deleteLater();
    }

private:
    QPointer<QTimer> m_timer;
};

[[nodiscard]] inline ModalWatch WhenModal(std::function<void(QWidget*)> action, QWidget* notThis = nullptr) {
    return {std::move(action), notThis};
}

// What a message box said.
struct SeenBox {
    QString text;
    QString caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers the next message box with `button`, keeping what it said in `seen`.
[[nodiscard]] inline ModalWatch AnswerBox(SeenBox& seen, QMessageBox::StandardButton button = QMessageBox::Ok,
                                          QWidget* notThis = nullptr) {
    return WhenModal(
        [&seen, button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            QVERIFY2(box != nullptr, qPrintable(modal->windowTitle()));
            seen = {box->text(), box->windowTitle(), box->icon()};
            box->button(button)->click();
        },
        notThis);
}

// Closes a dialog left open ten seconds with nothing to answer it, and fails the test: a check
// that went wrong can open one no watch was armed for, which would otherwise hang the test.
class DialogGuard final {
public:
    DialogGuard() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != m_seen) {
                m_seen = modal;
                m_since.start();
            } else if (modal != nullptr && m_since.hasExpired(10000)) {
                CloseDialogs();
                QTest::qFail("a dialog was left open", __FILE__, __LINE__);
            }
        });
        m_timer.start(100);
    }

private:
    QTimer m_timer;
    QPointer<QWidget> m_seen;
    QElapsedTimer m_since;
};
