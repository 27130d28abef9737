// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/TimesUpDialog.h"

#include "model/ParseHoursMinutes.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

TimesUpDialog::TimesUpDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Time's Up!"));
    setObjectName(QStringLiteral("TimesUpDialog"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    m_name = new QLabel(this);
    m_name->setObjectName(QStringLiteral("goalName"));
    m_name->setTextFormat(Qt::PlainText);
    auto* explanation = new QLabel(tr("The time for this goal has run out.\nYou can:"), this);
    m_stop = new QRadioButton(tr("&Stop working and mark goal done."), this);
    m_stop->setObjectName(QStringLiteral("stop"));
    m_continue = new QRadioButton(tr("&Continue working and add more time:"), this);
    m_continue->setObjectName(QStringLiteral("continue"));
    auto* group = new QButtonGroup(this);
    group->addButton(m_stop);
    group->addButton(m_continue);

    // A plain field, so anything typed is accepted; the arrows step the number in it.
    m_minutes = new QLineEdit(this);
    m_minutes->setObjectName(QStringLiteral("minutes"));
    m_minutes->setMaximumWidth(m_minutes->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
    m_minutes->installEventFilter(this);
    m_up = new QToolButton(this);
    m_up->setObjectName(QStringLiteral("up"));
    m_up->setArrowType(Qt::UpArrow);
    m_down = new QToolButton(this);
    m_down->setObjectName(QStringLiteral("down"));
    m_down->setArrowType(Qt::DownArrow);
    for (QToolButton* arrow : {m_up, m_down}) {
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
        arrow->setFixedSize(16, 11);
    }
    connect(m_up, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(m_down, &QToolButton::clicked, this, [this] { Step(-1); });

    auto* arrows = new QVBoxLayout;
    arrows->setSpacing(0);
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    auto* minutesRow = new QHBoxLayout;
    minutesRow->setSpacing(2);
    minutesRow->addWidget(m_continue);
    minutesRow->addWidget(m_minutes);
    minutesRow->addLayout(arrows);
    minutesRow->addWidget(new QLabel(tr("mins"), this));
    minutesRow->addStretch();

    auto* ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TimesUpDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_name, 0, 0);
    layout->addWidget(explanation, 1, 0);
    layout->addWidget(m_stop, 2, 0);
    layout->addLayout(minutesRow, 3, 0);
    layout->addWidget(ok, 0, 1, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize); // a question, not a window to resize
    setTabOrder(m_stop, m_continue);
    setTabOrder(m_continue, m_minutes);
    setTabOrder(m_minutes, ok);
}

int TimesUpDialog::exec() {
    UpdateData(false);
    (m_nChoice == 1 ? m_continue : m_stop)->setFocus(Qt::OtherFocusReason);
    // A screen reader announces the question as it appears, as it does a message box's.
    setAccessibleDescription(tr("The time for %1 has run out.").arg(m_strGoalName));
    QMetaObject::invokeMethod(
        this,
        [this] {
            QAccessibleEvent alert(this, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
        },
        Qt::QueuedConnection);
    return QDialog::exec();
}

void TimesUpDialog::Answer(int choice, const QString& minutes) {
    m_nChoice = choice;
    m_strMinutes = minutes;
    UpdateData(false);
    accept();
}

void TimesUpDialog::accept() {
    UpdateData(true);
    QDialog::accept();
}

bool TimesUpDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_minutes) {
        // A press chooses "continue" even before the dialog is the active window, when the
        // field gets no focus from it.
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::MouseButtonPress) {
            OnSetFocusMinutes();
        } else if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Up || key == Qt::Key_Down) {
                Step(key == Qt::Key_Up ? +1 : -1);
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TimesUpDialog::OnSetFocusMinutes() {
    if (m_nChoice == 1)
        return;
    m_nChoice = 1;
    UpdateData(false);
}

void TimesUpDialog::Step(int delta) {
    // The arrows are a way into the field too, so they choose "continue" as a click there does.
    OnSetFocusMinutes();
    if (!m_minutes->hasFocus())
        m_minutes->setFocus(Qt::OtherFocusReason);
    const std::int64_t typed = ParseLeadingInt(m_minutes->text().toStdString());
    const auto value = std::clamp<std::int64_t>(typed + delta, kMinMinutes, kMaxMinutes);
    m_minutes->setText(QString::number(value));
    m_minutes->selectAll();
}

void TimesUpDialog::UpdateData(bool save) {
    if (save) {
        m_nChoice = m_continue->isChecked() ? 1 : (m_stop->isChecked() ? 0 : -1);
        m_strMinutes = m_minutes->text();
    } else {
        m_name->setText(m_strGoalName);
        m_stop->setChecked(m_nChoice == 0);
        m_continue->setChecked(m_nChoice == 1);
        m_minutes->setText(m_strMinutes);
    }
}
