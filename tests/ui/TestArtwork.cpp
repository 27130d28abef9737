// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Reference.h"
#include "ui/Artwork.h"
#include "ui/ProgramStyle.h"

#include <QPainter>
#include <QSvgRenderer>

#include <cstdlib>

// The pictures the program draws for itself, against a reference sheet: a change to any of them
// shows here.
class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void matchesTheReference() {
        QIcon::setThemeName(QStringLiteral("none")); // the drawn stand-ins, not the desktop's icons
        QImage sheet(160, 72, QImage::Format_ARGB32_Premultiplied);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        painter.drawImage(0, 0, Artwork::Icon(32));
        painter.drawImage(32, 0, Artwork::Icon(16));
        painter.drawImage(0, 40, Artwork::Banner(160, 32));
        int x = 48;
        for (const char* name : {"edit-cut", "edit-copy", "edit-paste", "document-print"}) {
            painter.drawPixmap(x, 0, Artwork::ToolIcon(QString::fromLatin1(name)).pixmap(16));
            x += 16;
        }
        const ProgramStyle style;
        for (const auto icon :
             {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
            painter.drawPixmap(x, 0, style.standardIcon(icon).pixmap(8, 8));
            x += 16;
        }
        painter.end();
        MatchesReference(sheet, "artwork.png");
    }
    // The desktop's icons are the program's own drawing: each size the build wrote is the icon as
    // the window draws it, and the SVG draws the same picture.
    void desktopIcons() {
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QImage written(QStringLiteral(ORDALUNE_ICONS "/%1/org.ordalune.Tracker.png").arg(size));
            QCOMPARE(written.convertToFormat(QImage::Format_ARGB32_Premultiplied), Artwork::Icon(size));
        }
        QSvgRenderer scalable(QStringLiteral(ORDALUNE_ICONS "/scalable/org.ordalune.Tracker.svg"));
        QVERIFY(scalable.isValid());
        QImage drawn(128, 128, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        scalable.render(&painter);
        painter.end();
        const QImage icon = Artwork::Icon(128);
        int different = 0;
        for (int y = 0; y < 128; ++y)
            for (int x = 0; x < 128; ++x) {
                const QColor a = drawn.pixelColor(x, y);
                const QColor b = icon.pixelColor(x, y);
                different += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                                 std::abs(a.blue() - b.blue()) + std::abs(a.alpha() - b.alpha()) >
                             96;
            }
        QVERIFY2(different < 128 * 128 / 100, qPrintable(QString::number(different))); // edges may differ
    }
};

QTEST_MAIN(TestArtwork)
#include "TestArtwork.moc"
