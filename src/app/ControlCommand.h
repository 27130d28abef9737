// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// `ordalune --start NAME` and the other controls: asks the copy that owns the goal file of the
// current folder over the session bus, prints the result and ends. `--status` needs no running
// copy: without one it reads the goal file, and only reads it.
class ControlCommand final {
public:
    enum class Action { Start, Stop, Toggle, StopAll, Add, Status };
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
