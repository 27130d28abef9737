// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon, drawn by the program's own artwork code, for the desktop: a PNG of
// the size asked for, or, given "scalable", an SVG.
#include "ui/Artwork.h"

#include <QPainter>
#include <QSvgGenerator>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icon SIZE|scalable OUTPUT\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    if (std::strcmp(argv[1], "scalable") != 0)
        return Artwork::Icon(std::atoi(argv[1])).save(output, "PNG") ? 0 : 1;
    constexpr int kUnits = 128;
    QSvgGenerator svg;
    svg.setFileName(output);
    svg.setSize(QSize(kUnits, kUnits));
    svg.setViewBox(QRect(0, 0, kUnits, kUnits));
    svg.setTitle(QStringLiteral("Ordalune Tracker"));
    QPainter painter(&svg);
    Artwork::PaintIcon(painter, kUnits);
    return painter.end() ? 0 : 1;
}
