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
    // The page in the language of the texts, chosen by the same translation.
    m_browser->setSource(QUrl(QStringLiteral("qrc:/help/") + tr("help.html", "this language's help page")));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    resize(560, 620);
}
