// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's icon, drawn by the program's own artwork code, as a PNG for the desktop.
#include "ui/Artwork.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icon SIZE OUTPUT.png\n");
        return 2;
    }
    return Artwork::Icon(std::atoi(argv[1])).save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
