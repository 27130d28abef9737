#pragma once

#include <QImage>

// The program's own pictures, drawn rather than shipped: the icon (the turning wheel) and the
// About box's banner.
class Artwork final {
public:
    [[nodiscard]] static QImage Icon(int size);
    [[nodiscard]] static QImage Banner(int width, int height);
};
