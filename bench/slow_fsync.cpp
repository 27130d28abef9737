// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into a probe to stand for a slow disk: every fsync and fdatasync takes 200 ms more.
#include <dlfcn.h>
#include <time.h>

namespace {

void Slow() {
    timespec delay{0, 200'000'000};
    while (nanosleep(&delay, &delay) != 0) {
    }
}

template <typename Function> Function Real(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int fsync(int fd) {
    static const auto real = Real<int (*)(int)>("fsync");
    Slow();
    return real(fd);
}

extern "C" int fdatasync(int fd) {
    static const auto real = Real<int (*)(int)>("fdatasync");
    Slow();
    return real(fd);
}
