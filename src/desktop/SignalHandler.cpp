// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/SignalHandler.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

int SignalHandler::s_fds[2] = {-1, -1};

SignalHandler::SignalHandler(QObject* parent) : QObject(parent) {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, s_fds) != 0)
        return;
    fcntl(s_fds[0], F_SETFL, O_NONBLOCK);
    fcntl(s_fds[1], F_SETFL, O_NONBLOCK);
    m_notifier = new QSocketNotifier(s_fds[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        unsigned char signal = 0;
        while (read(s_fds[1], &signal, 1) == 1)
            emit terminationRequested(signal);
    });
    struct sigaction action {};
    action.sa_handler = &SignalHandler::Handle;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
}

SignalHandler::~SignalHandler() {
    // The program is ending and its goals are saved: a signal now must not end it on the way
    // with another status.
    struct sigaction action {};
    action.sa_handler = SIG_IGN;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        sigaction(signal, &action, nullptr);
    for (int& fd : s_fds) {
        if (fd >= 0)
            close(fd);
        fd = -1;
    }
}

// Only async-signal-safe work here: one byte down the pipe.
void SignalHandler::Handle(int signal) {
    const unsigned char byte = static_cast<unsigned char>(signal);
    const int saved = errno;
    (void)!write(s_fds[0], &byte, 1);
    errno = saved;
}
