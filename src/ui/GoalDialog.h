// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLineEdit;

// Name, Total and Remaining time of a goal, and whether its budget renews. It keeps the two
// times consistent as the user moves between them and refuses a Remaining time above the Total.
class GoalDialog final : public QDialog {
    Q_OBJECT

public:
    explicit GoalDialog(QWidget* parent = nullptr);

    void SetCaption(const QString& caption);

    // Filled before the dialog runs, read after it is accepted.
    QString m_strName;
    QString m_strTotal;
    QString m_strRemaining;
    int m_nRenewEvery = 0; // never, day, week, month
    bool m_bCarryOver = false;

    int exec() override;
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnKillFocusTotal();
    void OnKillFocusRemaining();
    void UpdateData(bool save);

    QLineEdit* m_editName = nullptr;
    QLineEdit* m_editTotal = nullptr;
    QLineEdit* m_editRemaining = nullptr;
    QComboBox* m_comboRenew = nullptr;
    QCheckBox* m_checkCarryOver = nullptr;
};
