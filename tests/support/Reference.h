// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPaintEvent>
#include <QTest>
#include <QWidget>

// Records the region of every paint a widget receives.
class PaintSpy final : public QObject {
public:
    explicit PaintSpy(QWidget* target) { target->installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

// Shows `window` and waits until it is active: only then does it take the keys and draw its focus.
inline bool ShownActive(QWidget* window) { return window->show(), QTest::qWaitForWindowActive(window); }

// Compares a drawing with its reference picture in tests/data; after a change made on purpose,
// ORDALUNE_UPDATE_ARTWORK=1 writes the reference anew and skips the test, which then has checked
// nothing. Antialiasing may round a little differently on another processor; a moved edge or a
// changed colour does not.
inline void MatchesReference(const QImage& drawn, const char* name) {
    const QString path = QStringLiteral(ORDALUNE_TEST_DATA "/") + QLatin1String(name);
    const QImage image = drawn.convertToFormat(QImage::Format_RGB32);
    if (qEnvironmentVariableIsSet("ORDALUNE_UPDATE_ARTWORK")) {
        QVERIFY(image.save(path));
        QSKIP("the reference picture was written anew");
    }
    const QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(expected.size(), image.size());
    QStringList differing;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor a = image.pixelColor(x, y), b = expected.pixelColor(x, y);
                std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                    std::abs(a.blue() - b.blue()) >
                48)
                differing << QStringLiteral("%1,%2").arg(x).arg(y);
    QVERIFY2(differing.isEmpty(), qPrintable(differing.mid(0, 10).join(' ')));
}

// The screen shows what a full repaint of `widget` draws: no stale pixels are left on it.
inline void ShownAsRepainted(QWidget* widget) {
    QCoreApplication::processEvents();
    QWidget* window = widget->window();
    const QImage screen = window->screen()->grabWindow(window->winId()).toImage();
    QCOMPARE(screen.copy(widget->rect().translated(widget->mapTo(window, QPoint())))
                 .convertToFormat(QImage::Format_RGB32),
             widget->grab().toImage().convertToFormat(QImage::Format_RGB32));
}
