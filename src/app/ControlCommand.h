// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include <QString>

// `ordalune --start NAME` and the other controls: asks the copy that owns the goal file of the
// current folder over the session bus, prints the result and ends. `--status` and `--goal-names`
// need no running copy: without one they read the goal file, and only read it.
class ControlCommand final {
    Q_DECLARE_TR_FUNCTIONS(ControlCommand)

public:
    enum class Action { Start, Stop, Toggle, StopAll, Add, Status, Names };
    struct Request {
        Action action = Action::Status;
        QString name;
        QString total; // for Add
        bool json = false;
    };

    // 0 when done, or for a status when some clock runs; 1 for a status with no clock running;
    // 2 on an error, with one line on standard error.
    [[nodiscard]] static int Run(const Request& request);
};
