// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/AboutDialog.h"

#include "ui/Artwork.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Ordalune Tracker"));
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // 203 by 110 dialog units: a quarter of the average character width across, an eighth of the
    // character height down.
    const QFontMetrics metrics = fontMetrics();
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int baseX = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    const int baseY = metrics.height();
    const QSize size(203 * baseX / 4, 110 * baseY / 8);
    // Dialog units to pixels.
    const auto at = [baseX, baseY](int x, int y, int width, int height) {
        return QRect(x * baseX / 4, y * baseY / 8, width * baseX / 4, height * baseY / 8);
    };
    // Pictures drawn for the screen's pixel density, as sharp as the text beside them.
    const qreal ratio = devicePixelRatioF();
    const auto sharp = [ratio](QImage image) {
        image.setDevicePixelRatio(ratio);
        return QPixmap::fromImage(image);
    };

    auto* banner = new QLabel(this);
    const QRect bannerRect = at(7, 3, 178, 19);
    banner->setGeometry(bannerRect);
    banner->setPixmap(
        sharp(Artwork::Banner(qRound(bannerRect.width() * ratio), qRound(bannerRect.height() * ratio))));
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setGeometry(QRect(at(51, 41, 0, 0).topLeft(), QSize(32, 32)));
    icon->setPixmap(sharp(Artwork::Icon(qRound(32 * ratio))));
    auto* title = new QLabel(QStringLiteral("Ordalune Tracker"), this);
    title->setGeometry(at(73, 41, 58, 8));
    auto* version = new QLabel(tr("Version %1").arg(QStringLiteral(ORDALUNE_VERSION)), this);
    version->setGeometry(at(85, 51, 34, 8));
    for (QLabel* line : {title, version}) {
        line->setAlignment(Qt::AlignCenter);
        // Faces wider than the one these units were set for would cut the line: widen it about its centre.
        const int width = std::max(line->width(), line->fontMetrics().horizontalAdvance(line->text()) + 2);
        line->setGeometry(line->x() - (width - line->width()) / 2, line->y(), width, line->height());
    }
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setGeometry(at(146, 90, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AboutDialog::accept);
    setFixedSize(size);
}
