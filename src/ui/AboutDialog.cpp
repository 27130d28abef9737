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
    auto* banner = new QLabel(this);
    banner->setPixmap(QPixmap::fromImage(Artwork::Banner(360, 40)));
    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap::fromImage(Artwork::Icon(32)));
    auto* title = new QLabel(QStringLiteral("Ordalune Tracker"), this);
    auto* version = new QLabel(QStringLiteral("Version 1.1"), this);
    title->setAlignment(Qt::AlignCenter);
    version->setAlignment(Qt::AlignCenter);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &AboutDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(banner, 0, 0, 1, 2);
    layout->addWidget(icon, 1, 0, 2, 1, Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(title, 1, 1);
    layout->addWidget(version, 2, 1);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
