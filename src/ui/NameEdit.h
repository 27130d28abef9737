// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

// A one-line field for a name: line breaks, tabs and other control characters turn into blanks
// as the text arrives (a paste keeps them otherwise), so a name can never split a line of the
// goal file or the report.
class NameEdit final : public QLineEdit {
    Q_OBJECT

public:
    explicit NameEdit(QWidget* parent = nullptr);

    [[nodiscard]] static QString OneLine(QString text);
};
