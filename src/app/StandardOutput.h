// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>

#include <QString>

#include <string_view>

// What the command line prints, every write checked: a full disk or a closed file is told, never
// taken for success. A reader that stops early (`| head`) ends the program quietly, as it ends
// any other tool.
class StandardOutput final {
    Q_DECLARE_TR_FUNCTIONS(StandardOutput)

public:
    StandardOutput();

    // False once anything failed to be written.
    bool Write(std::string_view text);
    // Everything written out: `status`; else 2, with the reason on standard error.
    [[nodiscard]] int Finish(int status);
    // One line on standard error in the program's one style, "ordalune: It went wrong.", and the
    // status for an error, 2.
    static int Refuse(QString reason);

private:
    int m_error = 0;
};
