#pragma once

#include "model/CTimeSpan.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <cstdint>

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
