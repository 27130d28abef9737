#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Ends every open dialog as Esc would, so a check that failed inside one can never hang the test.
inline void CloseDialogs() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(widget); dialog != nullptr && dialog->isVisible())
            dialog->reject();
}

// Watches for the next modal dialog or message box and acts on it once it is the active window:
// before that, a click into one of its fields gives the field no focus. Arm it before the action
// that opens the dialog; the action runs inside the dialog's own event loop. A failed check in
// the action, or a dialog that never becomes active within five seconds, closes the dialogs.
class ModalWatch final {
public:
    ModalWatch(std::function<void(QWidget*)> action, QWidget* notThis) : m_timer(new QTimer) {
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        QTimer* timer = m_timer;
        timer->setInterval(5);
        // Guarded: a dialog that is gone may have its address taken by the next one.
        QObject::connect(timer, &QTimer::timeout,
                         [timer, clock, action = std::move(action), notThis = QPointer<QWidget>(notThis)] {
                             QWidget* modal = QApplication::activeModalWidget();
                             const bool ready = modal != nullptr && modal != notThis && modal->isVisible() &&
                                                QApplication::activeWindow() == modal;
                             if (!ready && clock->elapsed() < 5000)
                                 return;
                             timer->stop();
                             timer->deleteLater();
                             if (ready)
                                 action(modal);
                             if (!ready || QTest::currentTestFailed())
                                 CloseDialogs();
                         });
        timer->start();
    }
    ModalWatch(ModalWatch&& other) noexcept : m_timer(other.m_timer) { other.m_timer = nullptr; }
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
    return ModalWatch(std::move(action), notThis);
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
