// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/HelpWindow.h"

#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Ordalune Tracker Help"));
    setObjectName(QStringLiteral("HelpWindow"));
    setModal(false);
    m_browser = new QTextBrowser(this);
    m_browser->setOpenExternalLinks(false);
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/help.html")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(560, 620);
}
