// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "clock/Renewal.h"
#include "model/CTimeSpan.h"
#include "storage/Interval.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What the History window asks of the program: the journal's runs, corrections to them, and the
// goals listed now. Answers come back on the window's thread, after every write asked for before.
class HistoryBackend {
public:
    virtual ~HistoryBackend() = default;

    // The runs of [from, to); nothing when another program holds the journal just now.
    virtual void Query(std::int64_t from, std::int64_t to,
                       std::function<void(std::optional<std::vector<Interval>>)> done) = 0;
    // The goals the journal knows and has not seen deleted: identity and name.
    virtual void Goals(std::function<void(std::vector<std::pair<std::int64_t, std::string>>)> done) = 0;
    // Corrections, saved at once. Add tells the new run's id, 0 when it was not saved.
    virtual void Add(Interval run, std::function<void(std::int64_t)> done) = 0;
    virtual void Change(Interval run, std::function<void(bool)> done) = 0;
    virtual void Remove(std::int64_t run, std::function<void(bool)> done) = 0;
    // The names of the goals listed now, in the list's order.
    [[nodiscard]] virtual std::vector<std::string> Listed() const { return {}; }
    // The Total of the goal listed now under `name`, if one is.
    [[nodiscard]] virtual std::optional<CTimeSpan> TotalOf(const std::string& name) const = 0;
    // The renewing budget of the goal listed now under `name`, if it renews.
    [[nodiscard]] virtual std::optional<Renewal::Setting> BudgetOf(const std::string& name) const {
        static_cast<void>(name);
        return std::nullopt;
    }
    // Called when a clock starts or stops and with the minute's save.
    virtual void OnChanged(std::function<void()> changed) = 0;
};
