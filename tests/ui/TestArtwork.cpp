#include "ui/Artwork.h"
#include "ui/ChevronStyle.h"

#include <QPainter>
#include <QTest>

// The pictures the program draws for itself, against a reference sheet: a change to any of them
// shows here. After a change made on purpose, ORDALUNE_UPDATE_ARTWORK=1 writes a new reference.
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
        const ChevronStyle style;
        for (const auto icon :
             {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
            painter.drawPixmap(x, 0, style.standardIcon(icon).pixmap(8, 8));
            x += 16;
        }
        painter.end();
        const QString reference = QStringLiteral(ORDALUNE_TEST_DATA "/artwork.png");
        if (qEnvironmentVariableIsSet("ORDALUNE_UPDATE_ARTWORK"))
            QVERIFY(sheet.save(reference));
        const QImage expected = QImage(reference).convertToFormat(sheet.format());
        QCOMPARE(expected.size(), sheet.size());
        // Antialiasing may round a little differently on another processor; a moved edge does not.
        QStringList differing;
        for (int y = 0; y < sheet.height(); ++y)
            for (int x = 0; x < sheet.width(); ++x)
                if (const QColor a = sheet.pixelColor(x, y), b = expected.pixelColor(x, y);
                    std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                        std::abs(a.blue() - b.blue()) >
                    48)
                    differing << QStringLiteral("%1,%2").arg(x).arg(y);
        QVERIFY2(differing.isEmpty(), qPrintable(differing.mid(0, 10).join(' ')));
    }
};

QTEST_MAIN(TestArtwork)
#include "TestArtwork.moc"
