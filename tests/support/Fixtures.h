// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "model/GoalList.h"
#include "storage/UserMessage.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStringList>

#include <cstdint>
#include <fcntl.h>
#include <unistd.h>

// Small helpers the tests share.
inline CTimeSpan Minutes(int minutes) { return CTimeSpan(std::int64_t{minutes} * 60); }

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline bool WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The process's open descriptors, so a test can see that it left none open.
inline qsizetype Descriptors() { return QDir(QStringLiteral("/proc/self/fd")).count(); }

// Standard input closed, as a program started without one has it: the next file opened gets
// descriptor 0, a file like any other. Given back once free (a library may have parked a file there).
struct InputClosed {
    bool wasOpen = close(0) == 0;
    ~InputClosed() {
        if (wasOpen && fcntl(0, F_GETFD) < 0)
            open("/dev/null", O_RDONLY);
    }
};

// What the user is told, the texts joined by '|'.
inline QString Texts(const std::vector<UserMessage>& messages) {
    QStringList texts;
    for (const UserMessage& message : messages)
        texts << QString::fromStdString(message.text);
    return texts.join(QLatin1Char('|'));
}

// The goals as one line a check can compare: "Essay 2:00/1:30 running, Gym 1:00/0:00 done".
inline QString Describe(const GoalList& goals) {
    QStringList all;
    for (int i = 0; i < goals.GetCount(); ++i) {
        const Goal& g = goals.GetAt(i);
        all << QString::fromStdString(g.GetName() + " " + g.GetTotal().FormatShort() + "/" +
                                      g.GetRemaining().FormatShort() + (g.IsDone() ? " done" : "") +
                                      (g.IsRunning() ? " running" : ""));
    }
    return all.join(QStringLiteral(", "));
}
