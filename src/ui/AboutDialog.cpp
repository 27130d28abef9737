#include "ui/AboutDialog.h"

#include "ui/Artwork.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About Ordalune Tracker"));
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    // 203 by 110 dialog units: a quarter of the average character width across, an eighth of the
    // character height down.
    const QFontMetrics metrics = fontMetrics();
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int baseX = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    const int baseY = metrics.height();
    const QSize size(203 * baseX / 4, 110 * baseY / 8);
    const int margin = 7 * baseX / 4;

    auto* banner = new QLabel(this);
    banner->setPixmap(QPixmap::fromImage(Artwork::Banner(size.width() - 2 * margin, 40 * baseY / 8)));
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(QPixmap::fromImage(Artwork::Icon(32)));
    auto* title = new QLabel(QStringLiteral("Ordalune Tracker"), this);
    auto* version = new QLabel(QStringLiteral("Version " ORDALUNE_VERSION), this);
    for (QLabel* line : {title, version})
        line->setAlignment(Qt::AlignCenter);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &AboutDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(banner, 0, 0, 1, 2);
    layout->addWidget(icon, 1, 0, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(title, 1, 1);
    layout->addWidget(version, 2, 1);
    layout->setRowStretch(3, 1);
    layout->addWidget(buttons, 4, 0, 1, 2, Qt::AlignRight);
    layout->setColumnStretch(1, 1);
    setFixedSize(size);
}
