#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Watches for the next modal dialog or message box and acts on it once it is open. Arm it before
// the action that opens the dialog; the action runs inside the dialog's own event loop. The watch
// ends when it has acted, after five seconds, or when the returned object goes away.
class ModalWatch final {
public:
    ModalWatch(std::function<void(QWidget*)> action, QWidget* notThis) : m_timer(new QTimer) {
        auto clock = std::make_shared<QElapsedTimer>();
        clock->start();
        QTimer* timer = m_timer;
        timer->setInterval(5);
        QObject::connect(timer, &QTimer::timeout, [timer, clock, action = std::move(action), notThis] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal != nullptr && modal != notThis && modal->isVisible()) {
                timer->stop();
                timer->deleteLater();
                action(modal);
            } else if (clock->elapsed() > 5000) {
                timer->stop();
                timer->deleteLater();
            }
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
            if (box == nullptr) {
                modal->close();
                return;
            }
            seen = {box->text(), box->windowTitle(), box->icon()};
            box->button(button)->click();
        },
        notThis);
}
