// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

// Name, version and artwork of the program.
class AboutDialog final : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
