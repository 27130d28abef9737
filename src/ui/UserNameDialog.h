// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

// The one field in which the user sets the name shown in the caption and kept in the goal file.
class UserNameDialog final : public QDialog {
    Q_OBJECT

public:
    explicit UserNameDialog(QWidget* parent = nullptr);

    QString m_strUserName;

    int exec() override;
    void accept() override;

private:
    QLineEdit* m_edit = nullptr;
};
