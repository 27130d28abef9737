// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QRadioButton;
class QToolButton;

// Asks what to do with a goal whose time ran out: stop and mark it done, or carry on with more
// minutes. The answer is read from the members after the dialog closes, however it closed.
class TimesUpDialog final : public QDialog {
    Q_OBJECT

public:
    static constexpr int kMinMinutes = 0;
    static constexpr int kMaxMinutes = 9999;

    explicit TimesUpDialog(QWidget* parent = nullptr);

    // Before the dialog runs.
    QString m_strGoalName;
    // After it ran: 0 stop and mark done, 1 continue; and the minutes text.
    int m_nChoice = 0;
    QString m_strMinutes = QStringLiteral("15");

    int exec() override;
    void accept() override;
    // Answers from outside the dialog (a notification's button) as its own controls would.
    void Answer(int choice, const QString& minutes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The first visit to the minutes field chooses "continue".
    void OnSetFocusMinutes();
    void Step(int delta);
    void UpdateData(bool save);

    QLineEdit* m_minutes = nullptr;
    QRadioButton* m_stop = nullptr;
    QRadioButton* m_continue = nullptr;
    QToolButton* m_up = nullptr;
    QToolButton* m_down = nullptr;
    class QLabel* m_name = nullptr;
};
