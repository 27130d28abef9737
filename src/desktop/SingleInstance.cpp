#include "desktop/SingleInstance.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The socket's address in the abstract namespace: a zero byte, then the name.
socklen_t Address(sockaddr_un& address) {
    const QByteArray name = SingleInstance::ServerName().toUtf8();
    address = {};
    address.sun_family = AF_UNIX;
    const std::size_t length = std::min(static_cast<std::size_t>(name.size()), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, name.constData(), length);
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance() {
    if (m_socket >= 0)
        close(m_socket);
}

QString SingleInstance::ServerName() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("DISPLAY");
    for (QChar& c : display) // a name any socket takes
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u'.' && c != u'_' && c != u'-')
            c = u'_';
    return QStringLiteral("ordalune-%1-%2").arg(getuid()).arg(display);
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
    const socklen_t length = Address(address);
    bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    if (!connected && errno == EAGAIN) { // the running copy's queue is full: wait for room
        pollfd ready{fd, POLLOUT, 0};
        int error = 0;
        socklen_t size = sizeof error;
        connected = poll(&ready, 1, timeoutMs) == 1 &&
                    getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }
    const bool sent = connected && send(fd, "show\n", 5, MSG_NOSIGNAL) == 5;
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
    const socklen_t length = Address(address);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0 || listen(fd, 8) != 0) {
        close(fd);
        return false; // the program runs on; only the hand-over is lost
    }
    m_socket = fd;
    m_notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        for (int peer; (peer = accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0;) {
            // Anyone on the machine can reach an abstract socket: only this user's starts count.
            ucred credentials{};
            socklen_t size = sizeof credentials;
            if (getsockopt(peer, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0 ||
                credentials.uid != getuid()) {
                close(peer);
                continue;
            }
            Listen(peer);
        }
    });
    return true;
}

void SingleInstance::Listen(int peer) {
    auto* notifier = new QSocketNotifier(peer, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this, notifier, peer] {
        char request[16];
        const ssize_t n = recv(peer, request, sizeof request, 0);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (n > 0 && QByteArray::fromRawData(request, static_cast<int>(n)).contains("show"))
            emit showRequested();
        // One request a connection: done with it.
        notifier->setEnabled(false);
        notifier->deleteLater();
        close(peer);
    });
}
