// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

class QPainter;

// The program's own pictures, drawn rather than shipped: the icon (the turning wheel), the
// About box's banner, and toolbar icons for desktops whose theme lacks them.
class Artwork final {
public:
    [[nodiscard]] static QImage Icon(int size);
    // The icon drawn by `painter` in a square of `size` units: the same picture at any size, for
    // the window, the tray, the menus and the desktop's files.
    static void PaintIcon(QPainter& painter, int size);
    [[nodiscard]] static QImage Banner(int width, int height);
    // The theme's icon of that name ("edit-cut", "edit-copy", "edit-paste", "document-print"),
    // else one drawn here.
    [[nodiscard]] static QIcon ToolIcon(const QString& name);
};
