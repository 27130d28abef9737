// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/Reference.h"
#include "ui/Artwork.h"
#include "ui/ProgramStyle.h"

#include <QPainter>

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
};

QTEST_MAIN(TestArtwork)
#include "TestArtwork.moc"
