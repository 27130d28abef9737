// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GoalDialog.h"

#include "model/GoalName.h"
#include "model/ParseHoursMinutes.h"

#include "ui/NameEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

CTimeSpan Seconds(const QString& text) { return ParseTimeSpan(text.toStdString()); }
QString ShortText(CTimeSpan span) { return QString::fromStdString(span.FormatShort()); }

} // namespace

GoalDialog::GoalDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Goal"));
    setObjectName(QStringLiteral("GoalDialog"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_editName = new NameEdit(this);
    m_editName->setObjectName(QStringLiteral("name"));
    m_editName->setMinimumWidth(m_editName->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    m_editTotal = new QLineEdit(this);
    m_editTotal->setObjectName(QStringLiteral("total"));
    m_editRemaining = new QLineEdit(this);
    m_editRemaining->setObjectName(QStringLiteral("remaining"));
    for (QLineEdit* edit : {m_editTotal, m_editRemaining})
        edit->installEventFilter(this);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    form->addRow(tr("&Name:"), m_editName);
    form->addRow(tr("&Total time:"), m_editTotal);
    form->addRow(tr("&Remaining time:"), m_editRemaining);
    m_comboRenew = new QComboBox(this);
    m_comboRenew->setObjectName(QStringLiteral("renewEvery"));
    m_comboRenew->addItems({tr("never"), tr("day"), tr("week"), tr("month")});
    form->addRow(tr("Renew &every:"), m_comboRenew);
    m_checkCarryOver = new QCheckBox(tr("&Carry over what is left or overrun"), this);
    m_checkCarryOver->setObjectName(QStringLiteral("carryOver"));
    form->addRow(QString(), m_checkCarryOver);
    // Carrying over means something only for a budget that renews.
    connect(m_comboRenew, &QComboBox::currentIndexChanged, m_checkCarryOver,
            [this](int every) { m_checkCarryOver->setEnabled(every != 0); });

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &GoalDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &GoalDialog::reject);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize); // a form, not a window to resize
}

void GoalDialog::SetCaption(const QString& caption) {
    if (!caption.isEmpty())
        setWindowTitle(caption);
}

int GoalDialog::exec() {
    UpdateData(false);
    m_editName->setFocus(Qt::TabFocusReason);
    m_editName->selectAll(); // typing replaces a prompt
    return QDialog::exec();
}

bool GoalDialog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Leaving the field for another control of the dialog, not for another window.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == m_editTotal)
                OnKillFocusTotal();
            else if (watched == m_editRemaining)
                OnKillFocusRemaining();
        }
    }
    return QDialog::eventFilter(watched, event);
}

// A larger Total grows the Remaining time by as much; a Remaining time above the Total, or none,
// becomes the Total.
void GoalDialog::OnKillFocusTotal() {
    const CTimeSpan old = Seconds(m_strTotal);
    UpdateData(true);
    const CTimeSpan total = Seconds(m_strTotal);
    m_strTotal = ShortText(total);
    CTimeSpan remaining = Seconds(m_strRemaining);
    if (total > old) {
        remaining += total - old;
        m_strRemaining = ShortText(remaining);
    }
    if (m_strRemaining.isEmpty() || remaining > total)
        m_strRemaining = m_strTotal;
    UpdateData(false);
}

void GoalDialog::OnKillFocusRemaining() {
    UpdateData(true);
    m_strRemaining = ShortText(Seconds(m_strRemaining));
    UpdateData(false);
}

void GoalDialog::accept() {
    // Enter in a time field closes without leaving it: apply its leave rule first.
    if (m_editTotal->hasFocus())
        OnKillFocusTotal();
    else if (m_editRemaining->hasFocus())
        OnKillFocusRemaining();
    UpdateData(true);
    m_strName = QString::fromStdString(GoalName::Clean(m_strName.toStdString())); // as it will be kept
    if (const GoalName::Refused refusal = GoalName::Refusal(m_strName.toStdString());
        refusal.text != nullptr) {
        QMessageBox::warning(
            this, QStringLiteral("Ordalune"),
            QCoreApplication::translate("GoalName", refusal.text).arg(QString::fromStdString(refusal.arg)));
        m_editName->setFocus(Qt::TabFocusReason);
        m_editName->selectAll();
        return;
    }
    if (Seconds(m_strRemaining) > Seconds(m_strTotal)) {
        QMessageBox::warning(this, QStringLiteral("Ordalune"),
                             tr("The Remaining time must not exceed the Total time"));
        m_editName->setFocus(Qt::TabFocusReason);
        m_editName->selectAll();
        return;
    }
    QDialog::accept();
}

void GoalDialog::UpdateData(bool save) {
    if (save) {
        m_strName = m_editName->text();
        m_strTotal = m_editTotal->text();
        m_strRemaining = m_editRemaining->text();
        m_nRenewEvery = m_comboRenew->currentIndex();
        m_bCarryOver = m_checkCarryOver->isChecked();
    } else {
        m_editName->setText(m_strName);
        m_editTotal->setText(m_strTotal);
        m_editRemaining->setText(m_strRemaining);
        m_comboRenew->setCurrentIndex(m_nRenewEvery);
        m_checkCarryOver->setChecked(m_bCarryOver);
        m_checkCarryOver->setEnabled(m_nRenewEvery != 0);
    }
}
