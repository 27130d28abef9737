// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ControlCommand.h"

#include "app/StandardOutput.h"

#include "desktop/BusProbe.h"
#include "desktop/ControlClient.h"
#include "model/CTime.h"
#include "model/Goal.h"
#include "session/TimeOfDay.h"
#include "storage/CFileException.h"
#include "storage/GoalFile.h"
#include "storage/HistoryExport.h"

#include <cstdio>
#include <optional>
#include <string>

namespace {

// "Write  0:58 left, done at 3:05 PM", or "…, stopped".
std::string Line(const RemoteGoal& goal) {
    const QString left =
        QString::fromStdString(CTimeSpan(static_cast<std::int32_t>(goal.remaining)).FormatShort());
    return (goal.running ? ControlCommand::tr("%1  %2 left, done at %3")
                               .arg(goal.name, left, TimeOfDay::Of(CTime(goal.finish)))
                         : ControlCommand::tr("%1  %2 left, stopped").arg(goal.name, left))
        .toStdString();
}

std::string Json(const QList<RemoteGoal>& goals) {
    std::string text = "[";
    for (const RemoteGoal& goal : goals) {
        text += (text.size() > 1 ? ",{\"name\":" : "{\"name\":") +
                HistoryExport::JsonString(goal.name.toStdString());
        text +=
            ",\"total\":" + std::to_string(goal.total) + ",\"remaining\":" + std::to_string(goal.remaining);
        text += std::string(",\"running\":") + (goal.running ? "true" : "false") + ",\"finish\":";
        text += goal.running ? "\"" + HistoryExport::LocalIso8601(goal.finish) + "\"" : "null";
        text += std::string(",\"done\":") + (goal.remaining <= 0 ? "true}" : "false}");
    }
    return text + "]";
}

int Status(const QList<RemoteGoal>& goals, bool json) {
    bool running = false;
    std::string text = json ? Json(goals) + "\n" : std::string();
    for (const RemoteGoal& goal : goals) {
        running = running || goal.running;
        if (goal.running && !json)
            text += Line(goal) + "\n";
    }
    StandardOutput out;
    out.Write(text);
    return out.Finish(running ? 0 : 1);
}

int Print(const std::string& line) {
    StandardOutput out;
    out.Write(line + "\n");
    return out.Finish(0);
}

// The goals as the goal file holds them, read and nothing more: no clock runs without a copy.
std::optional<QList<RemoteGoal>> ReadFile(QString* error) {
    GoalList list;
    std::string userName;
    try {
        if (const char* refusal = GoalFile::ReadGoals(GoalFile::kFileName, list, userName);
            refusal != nullptr) {
            *error = QCoreApplication::translate("GoalFile", refusal);
            return std::nullopt;
        }
    } catch (const CFileException& e) {
        *error =
            e.GetCause() == CFileException::Cause::FileNotFound
                ? ControlCommand::tr("there is no goal file (%1) in this folder").arg(GoalFile::kFileName)
                : ControlCommand::tr("%1 could not be read: %2")
                      .arg(GoalFile::kFileName,
                           e.ErrorTextIsOurs()
                               ? QCoreApplication::translate("UserMessage", e.GetErrorText().c_str())
                               : QString::fromStdString(e.GetErrorText()));
        return std::nullopt;
    }
    QList<RemoteGoal> goals;
    for (int i = 0; i < list.GetCount(); ++i)
        if (const Goal& goal = list.GetAt(i); !GoalList::IsPlaceholder(goal))
            goals.append({QString::fromStdString(goal.GetName()), goal.GetTotal().GetTotalSeconds(),
                          goal.GetRemaining().GetTotalSeconds(), false, 0});
    return goals;
}

} // namespace

int ControlCommand::Run(const Request& request) {
    if (request.name.size() > Goal::kMaxNameLength)
        return StandardOutput::Refuse(
            tr("a goal's name is at most %1 characters long").arg(Goal::kMaxNameLength));
    // A bus that does not answer within the second the window gives it counts as missing, and the
    // goals are read from the goal file; a command waits a second more before it gives up.
    const bool reading = request.action == Action::Status || request.action == Action::Names;
    ControlClient client(reading ? BusProbe::kDeadlineMs : 2 * BusProbe::kDeadlineMs);
    const bool silent = !client.Unusable().isEmpty();
    if (silent && !reading)
        return StandardOutput::Refuse(client.Unusable());
    static const char* const kMethods[] = {"Start", "Stop", "Toggle", "StopAll", "Add"};
    if (!reading) {
        const ControlClient::Reply reply =
            client.Call(QString::fromLatin1(kMethods[static_cast<int>(request.action)]),
                        request.action == Action::Add       ? QVariantList{request.name, request.total}
                        : request.action == Action::StopAll ? QVariantList{}
                                                            : QVariantList{request.name});
        if (reply.outcome == ControlClient::Outcome::NoCopy)
            return StandardOutput::Refuse(
                tr("no running copy of Ordalune owns the goal file in this folder"));
        if (reply.outcome == ControlClient::Outcome::Failed)
            return StandardOutput::Refuse(reply.error);
    }
    ControlClient::Reply reply{ControlClient::Outcome::NoCopy, {}, {}};
    std::optional<QList<RemoteGoal>> goals = silent ? std::nullopt : client.List(&reply);
    if (!goals && (!reading || reply.outcome != ControlClient::Outcome::NoCopy))
        return StandardOutput::Refuse(tr("the running copy did not answer: ") + reply.error);
    if (!goals) { // no copy runs: the goal file as it is
        QString error;
        goals = ReadFile(&error);
        if (!goals)
            return StandardOutput::Refuse(error);
    }
    if (request.action == Action::Status)
        return Status(*goals, request.json);
    if (request.action == Action::Names) {
        StandardOutput out;
        for (const RemoteGoal& goal : *goals)
            out.Write(goal.name.toStdString() + "\n");
        return out.Finish(0);
    }
    if (request.action == Action::StopAll)
        return Print(tr("Every clock is stopped.").toStdString());
    // The goal addressed: the first of its name, or for Add the one just added.
    std::optional<RemoteGoal> addressed;
    for (const RemoteGoal& goal : *goals)
        if (goal.name == request.name && (!addressed || request.action == Action::Add))
            addressed = goal;
    return addressed ? Print(Line(*addressed)) : 0;
}
