// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/Translations.h"

#include "app/StandardOutput.h"

#include "app/ControlCommand.h"
#include "app/HistoryCommand.h"
#include "desktop/DesktopServices.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

QCommandLineOption Flag(const char* name, const char* text) {
    return {QString::fromLatin1(name), CommandLine::tr(text)};
}

QCommandLineOption Valued(const char* name, const char* text, const char* value) {
    return {QString::fromLatin1(name), CommandLine::tr(text), CommandLine::tr(value)};
}

} // namespace

std::optional<int> CommandLine::Run(int argc, char* argv[]) {
    bool asked = false;
    bool another = false; // -m, -Multi: another window
    for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        asked = asked || std::strncmp(argv[i], "--", 2) == 0;
        another = another || (std::strncmp(argv[i], "--", 2) != 0 &&
                              (std::strncmp(argv[i], "-m", 2) == 0 || std::strncmp(argv[i], "-M", 2) == 0));
    }
    if (!asked)
        return std::nullopt;
    // Named as the user calls it, not by the path it was found at: "Usage: ordalune [options]".
    std::vector<char*> arguments(argv, argv + argc);
    char name[] = "ordalune";
    arguments[0] = name;
    int count = argc;
    QCoreApplication app(count, arguments.data());
    QCoreApplication::setApplicationName(QStringLiteral("ordalune"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORDALUNE_VERSION));
    Translations::Install(app);
    if (another)
        return StandardOutput::Refuse(tr("-m opens another window, and does not go with the options "
                                         "that begin with --"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Ordalune Tracker: time for your goals.\n"
           "Without an option that begins with --, the window opens; \"-m\" opens another copy.\n"
           "The controls act on the running copy that owns the goal file in the current folder."));
    const QCommandLineOption start = Flag("start", QT_TR_NOOP("Starts the clock of the goal NAME."));
    const QCommandLineOption stop = Flag("stop", QT_TR_NOOP("Stops the clock of the goal NAME."));
    const QCommandLineOption toggle =
        Flag("toggle", QT_TR_NOOP("Starts the clock of the goal NAME, or stops it."));
    const QCommandLineOption stopAll = Flag("stop-all", QT_TR_NOOP("Stops every clock."));
    const QCommandLineOption add = Flag("add", QT_TR_NOOP("Adds the goal NAME, with --total."));
    const QCommandLineOption total =
        Valued("total", QT_TR_NOOP("The new goal's Total, e.g. 1:30."), QT_TR_NOOP("time"));
    const QCommandLineOption status =
        Flag("status", QT_TR_NOOP("One line per running clock; exit status 1 if none runs."));
    const QCommandLineOption json = Flag("json", QT_TR_NOOP("With --status: every goal, as JSON."));
    const QCommandLineOption exportHistory =
        Valued("export-history", QT_TR_NOOP("Writes the history of time spent as csv or json."),
               QT_TR_NOOP("format"));
    const QCommandLineOption from =
        Valued("from", QT_TR_NOOP("With --export-history: from this day on."), QT_TR_NOOP("YYYY-MM-DD"));
    const QCommandLineOption to =
        Valued("to", QT_TR_NOOP("With --export-history: up to this day."), QT_TR_NOOP("YYYY-MM-DD"));
    const QCommandLineOption goalNames =
        Flag("goal-names", QT_TR_NOOP("Lists the goals' names, one a line, for completion."));
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  tr("Shows this help."));
    const QCommandLineOption version = Flag("version", QT_TR_NOOP("Shows the program's version."));
    parser.addOptions({start, stop, toggle, stopAll, add, total, status, json, exportHistory, from, to,
                       goalNames, help, version});
    parser.addPositionalArgument(QStringLiteral("NAME"), tr("A goal's name; after -- if it begins with -."));
    if (!parser.parse(QCoreApplication::arguments()))
        return StandardOutput::Refuse(parser.errorText());
    if (parser.isSet(help) || parser.isSet(version)) {
        StandardOutput out;
        out.Write(parser.isSet(help)
                      ? parser.helpText().toStdString()
                      : "ordalune " + QCoreApplication::applicationVersion().toStdString() + "\n");
        return out.Finish(0);
    }
    const QList<std::pair<const QCommandLineOption*, ControlCommand::Action>> actions = {
        {&start, ControlCommand::Action::Start},     {&stop, ControlCommand::Action::Stop},
        {&toggle, ControlCommand::Action::Toggle},   {&stopAll, ControlCommand::Action::StopAll},
        {&add, ControlCommand::Action::Add},         {&status, ControlCommand::Action::Status},
        {&goalNames, ControlCommand::Action::Names}, {&exportHistory, ControlCommand::Action::Status}};
    const QCommandLineOption* chosen = nullptr;
    ControlCommand::Request request;
    for (const auto& [option, action] : actions) {
        if (!parser.isSet(*option))
            continue;
        if (chosen != nullptr)
            return StandardOutput::Refuse(
                tr("--%1 and --%2 do not go together").arg(chosen->names().first(), option->names().first()));
        chosen = option;
        request.action = action;
    }
    const QStringList names = parser.positionalArguments();
    const bool named = chosen == &start || chosen == &stop || chosen == &toggle || chosen == &add;
    if (chosen == nullptr)
        return StandardOutput::Refuse(tr("nothing to do; see --help"));
    if (names.size() != (named ? 1 : 0))
        return StandardOutput::Refuse(named ? tr("--%1 takes one goal name").arg(chosen->names().first())
                                            : tr("unexpected argument: ") + names.first());
    if (parser.isSet(total) != (chosen == &add))
        return StandardOutput::Refuse(tr("--add takes --total, and only --add does"));
    if (parser.isSet(json) && chosen != &status)
        return StandardOutput::Refuse(tr("--json goes with --status"));
    if ((parser.isSet(from) || parser.isSet(to)) && chosen != &exportHistory)
        return StandardOutput::Refuse(tr("--from and --to go with --export-history"));
    if (chosen == &exportHistory)
        return HistoryCommand::Run(parser.value(exportHistory), parser.value(from), parser.value(to));
    request.name = named ? names.first() : QString();
    request.total = parser.value(total);
    request.json = parser.isSet(json);
    const int code = ControlCommand::Run(request);
    std::fflush(nullptr);
    if (DesktopServices::AnyBusSilent()) // Qt's bus thread waits on the silent bus: end without it
        std::_Exit(code);
    return code;
}
