#pragma once

#include <QProxyStyle>

// The desktop's style, with the overflow chevrons of the menu bar and toolbar drawn by the
// program. The style's own are image files, and reading the first image file loads every image
// format the system has, which costs more at start than all of the program's own drawing.
class ChevronStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
