// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/UserNameDialog.h"

#include "ui/NameEdit.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

UserNameDialog::UserNameDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Set User Name"));
    setObjectName(QStringLiteral("UserNameDialog"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_edit = new NameEdit(this);
    m_edit->setObjectName(QStringLiteral("userName"));
    m_edit->setMinimumWidth(m_edit->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 32);
    auto* label = new QLabel(tr("&User name:"), this);
    label->setBuddy(m_edit);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &UserNameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &UserNameDialog::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_edit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize); // a form, not a window to resize
}

int UserNameDialog::exec() {
    m_edit->setText(m_strUserName);
    m_edit->setFocus(Qt::TabFocusReason);
    m_edit->selectAll();
    return QDialog::exec();
}

void UserNameDialog::accept() {
    m_strUserName = m_edit->text();
    QDialog::accept();
}
