#pragma once

#include <optional>

// `ordalune --export-history csv|json [--from YYYY-MM-DD] [--to YYYY-MM-DD]`: prints the journal of
// time spent of the goal file in the current folder, and opens no window. Handled before anything
// else, so it needs no display and never reaches a running copy; it only reads the journal.
class HistoryCommand final {
public:
    // The exit status when the arguments ask for an export (0, or 2 with a one-line reason on
    // standard error); nothing when they do not.
    [[nodiscard]] static std::optional<int> Run(int argc, char* argv[]);
};
