// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reads the font configuration on a second core while Qt starts. The window's first font would
// otherwise wait for it, and it is the longest single step before the list is first drawn.
class FontConfigWarmup final {
public:
    static void Start();
    // Returns once the configuration is read; at once when no reading was started.
    static void Wait();
};
