#pragma once

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

// Acts on the next modal dialog or message box once it is open: arm it before the action that
// opens the dialog; it runs inside the dialog's own event loop. Gives up after five seconds.
inline void WhenModal(std::function<void(QWidget*)> action, QWidget* notThis = nullptr) {
    auto* timer = new QTimer;
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
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
