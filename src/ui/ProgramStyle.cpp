// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ProgramStyle.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    QPixmap pixmap(8, 8);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(
        QPen(widget != nullptr ? widget->palette().color(QPalette::ButtonText) : QColor(Qt::black), 1));
    // Two arrows pointing on: right for a horizontal bar, down for a vertical one.
    for (const int at : {1, 5}) {
        if (icon == SP_ToolBarHorizontalExtensionButton)
            painter.drawPolyline(QPolygon({{at, 1}, {at + 2, 4}, {at, 7}}));
        else
            painter.drawPolyline(QPolygon({{1, at}, {4, at + 2}, {7, at}}));
    }
    painter.end();
    return QIcon(pixmap);
}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returned) const {
    if (hint == SH_Menu_AllowActiveAndDisabled)
        return 1;
    return QProxyStyle::styleHint(hint, option, widget, returned);
}
