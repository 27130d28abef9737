// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "session/RemoteControl.h"

#include <QString>
#include <QVariantList>

#include <optional>

// The command line's side of the controls: it reaches the copy that owns the goal file of the
// current folder over the session bus, waiting a few seconds at most.
class ControlClient final {
public:
    enum class Outcome { Done, NoCopy, Failed };
    struct Reply {
        Outcome outcome = Outcome::Done;
        QString error; // the copy's own words, or what went wrong on the way
        QVariantList answer;
    };

    // Connects to the session bus; a bus that does not answer within `patienceMs` is an error.
    explicit ControlClient(int patienceMs);
    // Why the controls cannot be reached at all (no bus, a silent bus); empty when they can.
    [[nodiscard]] const QString& Unusable() const { return m_unusable; }
    // Calls one of the controls' methods.
    [[nodiscard]] Reply Call(const QString& method, const QVariantList& arguments = {});
    // The goals as the copy lists them; nothing when no copy owns the goal file (`reply` says why).
    [[nodiscard]] std::optional<QList<RemoteGoal>> List(Reply* reply);

private:
    QString m_service;
    QString m_unusable; // why the bus cannot be used; empty when it can
};
