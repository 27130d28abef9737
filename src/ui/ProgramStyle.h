// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The desktop's style, with two changes:
// - the overflow chevrons of the menu bar and toolbar are drawn by the program. The style's own
//   are image files, and reading the first image file loads every image format the system has,
//   which costs more at start than all of the program's own drawing;
// - a disabled menu item is highlighted under the mouse like any other, so the highlight stands
//   on the item whose prompt the status bar shows.
class ProgramStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returned = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
