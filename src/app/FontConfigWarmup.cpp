// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FontConfigWarmup.h"

#include <fontconfig/fontconfig.h>

#include <future>

namespace {

std::future<void>& Reading() {
    static std::future<void> reading;
    return reading;
}

} // namespace

void FontConfigWarmup::Start() {
    if (!Reading().valid())
        Reading() = std::async(std::launch::async, [] { FcInit(); });
}

void FontConfigWarmup::Wait() {
    if (Reading().valid())
        Reading().wait();
}
