#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

// Name, Total and Remaining time of a goal. It keeps the two times consistent as the user moves
// between them and refuses a Remaining time above the Total.
class GoalDialog final : public QDialog {
    Q_OBJECT

public:
    explicit GoalDialog(QWidget* parent = nullptr);

    void SetCaption(const QString& caption);

    // Filled before the dialog runs, read after it is accepted.
    QString m_strName;
    QString m_strTotal;
    QString m_strRemaining;

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
};
