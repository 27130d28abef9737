// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/SingleInstance.h"

#include "storage/RuntimeDir.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The socket's address: a file in the run-time folder, else a name in the abstract namespace
// (a zero byte, then the name).
socklen_t MakeAddress(sockaddr_un& address, bool& abstract) {
    const QByteArray where = SingleInstance::Address().toLocal8Bit();
    abstract = where.startsWith('@');
    address = {};
    address.sun_family = AF_UNIX;
    const std::size_t length = std::min(static_cast<std::size_t>(where.size()), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path, where.constData(), length);
    if (abstract)
        address.sun_path[0] = '\0';
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + length + (abstract ? 0 : 1));
}

bool SameUser(int fd) {
    ucred credentials{};
    socklen_t size = sizeof credentials;
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 && credentials.uid == geteuid();
}

// Whether a copy listens there; it is told nothing.
bool Answers(const sockaddr_un& address, socklen_t length) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    const bool answers =
        fd >= 0 &&
        (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 || errno == EAGAIN);
    if (fd >= 0)
        close(fd);
    return answers;
}

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() {
    if (m_socket >= 0)
        close(m_socket);
    if (!m_path.isEmpty())
        unlink(m_path.constData());
}

QString SingleInstance::ServerName() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    for (QChar& c : display) // a name any socket takes
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u'.' && c != u'_' && c != u'-')
            c = u'_';
    return QStringLiteral("ordalune-%1-%2").arg(geteuid()).arg(display);
}

QString SingleInstance::Address() {
    const QString folder = QString::fromStdString(RuntimeDir());
    const QString path = folder + QLatin1Char('/') + ServerName();
    return !folder.isEmpty() && path.toLocal8Bit().size() < static_cast<int>(sizeof(sockaddr_un::sun_path))
               ? path
               : QLatin1Char('@') + ServerName();
}

bool SingleInstance::AllowsAnotherCopy(const QStringList& arguments) {
    if (arguments.size() < 2)
        return false;
    const QString& first = arguments.at(1);
    return first.size() >= 2 && first.at(0) == QLatin1Char('-') && first.at(1).toLower() == QLatin1Char('m');
}

bool SingleInstance::HandOver(int timeoutMs) {
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    sockaddr_un address;
    bool abstract = false;
    const socklen_t length = MakeAddress(address, abstract);
    bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    if (!connected && errno == EAGAIN) { // the running copy's queue is full: wait for room
        pollfd ready{fd, POLLOUT, 0};
        int error = 0;
        socklen_t size = sizeof error;
        connected = poll(&ready, 1, timeoutMs) == 1 &&
                    getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }
    // Another user's listener is nobody to hand over to: this copy starts as usual.
    const bool sent = connected && SameUser(fd) && send(fd, "show\n", 5, MSG_NOSIGNAL) == 5;
    close(fd);
    return sent;
}

bool SingleInstance::Publish() {
    if (m_socket >= 0)
        return true;
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    sockaddr_un address;
    bool abstract = false;
    const socklen_t length = MakeAddress(address, abstract);
    bool bound = bind(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    if (!bound && !abstract && errno == EADDRINUSE && !Answers(address, length)) {
        unlink(address.sun_path); // left by a copy that was killed: nobody answers there
        bound = bind(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    }
    if (!bound || listen(fd, 8) != 0) {
        close(fd);
        return false; // the program runs on; only the hand-over is lost
    }
    m_socket = fd;
    if (!abstract)
        m_path = address.sun_path;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        for (int peer; (peer = accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0;) {
            // Only this user's starts count, and only a few at a time.
            if (m_peers >= kMaxPeers || !SameUser(peer))
                close(peer);
            else
                Listen(peer);
        }
    });
    return true;
}

void SingleInstance::Listen(int peer) {
    ++m_peers;
    auto* notifier = new QSocketNotifier(peer, QSocketNotifier::Read, this);
    auto* deadline = new QTimer(notifier);
    const auto done = [this, notifier, peer] {
        notifier->setEnabled(false);
        notifier->deleteLater();
        close(peer);
        --m_peers;
    };
    connect(notifier, &QSocketNotifier::activated, this, [this, peer, deadline, done] {
        char request[16];
        const ssize_t n = recv(peer, request, sizeof request, 0);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        deadline->stop();
        if (n > 0 && QByteArray::fromRawData(request, static_cast<int>(n)).contains("show"))
            emit showRequested();
        done(); // one request a connection
    });
    deadline->setSingleShot(true);
    connect(deadline, &QTimer::timeout, this, done); // silent too long: let go
    deadline->start(kPeerDeadlineMs);
}
