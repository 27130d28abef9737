// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StandardOutput.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

StandardOutput::StandardOutput() { std::signal(SIGPIPE, SIG_DFL); }

bool StandardOutput::Write(std::string_view text) {
    if (m_error == 0 && std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
        m_error = errno != 0 ? errno : EIO;
    return m_error == 0;
}

int StandardOutput::Finish(int status) {
    if (m_error == 0 && std::fflush(stdout) != 0)
        m_error = errno != 0 ? errno : EIO;
    if (m_error == 0)
        return status;
    return Refuse(tr("the output could not be written: ") + QString::fromLocal8Bit(std::strerror(m_error)));
}

int StandardOutput::Refuse(QString reason) {
    reason = reason.trimmed();
    if (!reason.isEmpty())
        reason[0] = reason[0].toUpper();
    if (!reason.endsWith(QLatin1Char('.')) && !reason.endsWith(QLatin1Char('?')))
        reason += QLatin1Char('.');
    std::fprintf(stderr, "ordalune: %s\n", qPrintable(reason));
    return 2;
}
