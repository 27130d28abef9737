// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

// A question put before the user outside the window too, for as long as this object lives.
class MirroredQuestion {
public:
    virtual ~MirroredQuestion() = default;
};

// Where a question open in the window is also shown: the taskbar's attention, a desktop
// notification whose buttons answer it.
class QuestionMirror {
public:
    virtual ~QuestionMirror() = default;
    // `actions` alternate keys and labels; `answer` gets the chosen key, in `question`'s thread,
    // only while `question` exists.
    [[nodiscard]] virtual std::unique_ptr<MirroredQuestion>
    Mirror(const QString& summary, const QString& body, const QStringList& actions, QObject* question,
           const std::function<void(const QString&)>& answer) = 0;
};
