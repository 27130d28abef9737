<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Ordalune Tracker</source>
        <translation>Über Ordalune Tracker</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>AwaySpan</name>
    <message>
        <source>You were away %1 (%2 to %3). Restart the clocks of %4?</source>
        <translation>Sie waren %1 weg (%2 bis %3). Die Uhren von %4 wieder starten?</translation>
    </message>
</context>
<context>
    <name>CGoalView</name>
    <message>
        <source>Add Goal</source>
        <translation>Ziel hinzufügen</translation>
    </message>
    <message>
        <source>Enter the title of your goal</source>
        <translation>Geben Sie den Titel Ihres Ziels ein</translation>
    </message>
    <message>
        <source>Hours:Mins</source>
        <translation>Std:Min</translation>
    </message>
    <message>
        <source>Edit Goal</source>
        <translation>Ziel bearbeiten</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Elapsed</source>
        <translation>Vergangen</translation>
    </message>
    <message>
        <source>Remain</source>
        <translation>Verbleibend</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Uhr</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öffnen...</translation>
    </message>
    <message>
        <source>Read the goals again from the goal file</source>
        <translation>Die Ziele erneut aus der Zieldatei lesen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the goals to the goal file</source>
        <translation>Die Ziele in der Zieldatei speichern</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>Read the goals again and show or hide the toolbar</source>
        <translation>Die Ziele erneut lesen und die Werkzeugleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>&amp;Generate report</source>
        <translation>Bericht &amp;erstellen</translation>
    </message>
    <message>
        <source>Generate a report of time spent on each goal</source>
        <translation>Einen Bericht über die für jedes Ziel aufgewendete Zeit erstellen</translation>
    </message>
    <message>
        <source>Export &amp;history...</source>
        <translation>&amp;Verlauf exportieren...</translation>
    </message>
    <message>
        <source>Write the history of time spent as CSV or JSON</source>
        <translation>Den Verlauf der aufgewendeten Zeit als CSV oder JSON schreiben</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Add ...</source>
        <translation>&amp;Hinzufügen ...</translation>
    </message>
    <message>
        <source>Add new goal</source>
        <translation>Neues Ziel hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Edit ...</source>
        <translation>&amp;Bearbeiten ...</translation>
    </message>
    <message>
        <source>Edit selected goal</source>
        <translation>Gewähltes Ziel bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Delete selected goal</source>
        <translation>Gewähltes Ziel löschen</translation>
    </message>
    <message>
        <source>&amp;Start clock</source>
        <translation>Uhr &amp;starten</translation>
    </message>
    <message>
        <source>Start clock for current goal</source>
        <translation>Uhr für das aktuelle Ziel starten</translation>
    </message>
    <message>
        <source>&amp;Stop clock</source>
        <translation>Uhr &amp;anhalten</translation>
    </message>
    <message>
        <source>Stop clock for current goal</source>
        <translation>Uhr für das aktuelle Ziel anhalten</translation>
    </message>
    <message>
        <source>&amp;Finish Early</source>
        <translation>&amp;Vorzeitig beenden</translation>
    </message>
    <message>
        <source>Goal is finished; set remaining time to zero, adjusting total time</source>
        <translation>Ziel ist erreicht; verbleibende Zeit auf null setzen und Gesamtzeit anpassen</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>Verlau&amp;f...</translation>
    </message>
    <message>
        <source>Show where the time went, day by day</source>
        <translation>Zeigen, wohin die Zeit ging, Tag für Tag</translation>
    </message>
    <message>
        <source>&amp;User name ...</source>
        <translation>&amp;Benutzername ...</translation>
    </message>
    <message>
        <source>Set your name that appears in the caption bar</source>
        <translation>Ihren Namen festlegen, der in der Titelleiste erscheint</translation>
    </message>
    <message>
        <source>&amp;Desktop notifications</source>
        <translation>&amp;Desktop-Benachrichtigungen</translation>
    </message>
    <message>
        <source>Also tell time&apos;s up as a desktop notification</source>
        <translation>Abgelaufene Zeit auch als Desktop-Benachrichtigung melden</translation>
    </message>
    <message>
        <source>&amp;Tray icon</source>
        <translation>&amp;Symbol im Infobereich</translation>
    </message>
    <message>
        <source>Show the running clocks in the system tray</source>
        <translation>Die laufenden Uhren im Infobereich der Kontrollleiste zeigen</translation>
    </message>
    <message>
        <source>Stop clocks when the screen &amp;locks</source>
        <translation>Uhren anhalten, wenn der Bildschirm &amp;gesperrt wird</translation>
    </message>
    <message>
        <source>Stop the clocks while the screen is locked</source>
        <translation>Die Uhren anhalten, solange der Bildschirm gesperrt ist</translation>
    </message>
    <message>
        <source>Warn when a budget is &amp;nearly spent</source>
        <translation>&amp;Warnen, wenn ein Budget fast aufgebraucht ist</translation>
    </message>
    <message>
        <source>Tell once a period, as a desktop notification, when a renewing goal has used 80% of it</source>
        <translation>Einmal je Zeitraum als Desktop-Benachrichtigung melden, wenn ein sich erneuerndes Ziel 80 % davon verbraucht hat</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>List Help topics</source>
        <translation>Hilfethemen auflisten</translation>
    </message>
    <message>
        <source>What&apos;s &amp;This?</source>
        <translation>Was ist &amp;das?</translation>
    </message>
    <message>
        <source>Select an object on which to get Help</source>
        <translation>Ein Element wählen, um Hilfe dazu zu erhalten</translation>
    </message>
    <message>
        <source>&amp;About Ordalune...</source>
        <translation>&amp;Über Ordalune...</translation>
    </message>
    <message>
        <source>Display program information and version number</source>
        <translation>Programminformationen und Versionsnummer anzeigen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Goal</source>
        <translation>&amp;Ziel</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Think ahead!</source>
        <translation>Vorausdenken!</translation>
    </message>
    <message>
        <source>Time spent so far on all goals.</source>
        <translation>Bisher für alle Ziele aufgewendete Zeit.</translation>
    </message>
    <message>
        <source>Time still to spend on all goals.</source>
        <translation>Für alle Ziele noch aufzuwendende Zeit.</translation>
    </message>
    <message>
        <source>When you would be done with every goal, working without a break.</source>
        <translation>Wann Sie mit allen Zielen fertig wären, wenn Sie ohne Pause arbeiteten.</translation>
    </message>
    <message>
        <source>The time of day.</source>
        <translation>Die Uhrzeit.</translation>
    </message>
    <message>
        <source>The History window could not be loaded.</source>
        <translation>Das Verlaufsfenster konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Elapsed : 88:88</source>
        <comment>the pane at its widest</comment>
        <translation>Vergangen : 88:88</translation>
    </message>
    <message>
        <source> Remain : 88:88 </source>
        <comment>the pane at its widest</comment>
        <translation> Verbleibend : 88:88 </translation>
    </message>
    <message>
        <source> Finish : 12:00 PM </source>
        <comment>the pane at its widest</comment>
        <translation> Ende : 00:00 </translation>
    </message>
    <message>
        <source> 12:00 PM </source>
        <comment>the pane at its widest</comment>
        <translation> 00:00 </translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>-m opens another window, and does not go with the options that begin with --</source>
        <translation>-m öffnet ein weiteres Fenster und passt nicht zu den Optionen, die mit -- beginnen</translation>
    </message>
    <message>
        <source>Ordalune Tracker: time for your goals.
Without an option that begins with --, the window opens; &quot;-m&quot; opens another copy.
The controls act on the running copy that owns the goal file in the current folder.</source>
        <translation>Ordalune Tracker: Zeit für Ihre Ziele.
Ohne eine Option, die mit -- beginnt, öffnet sich das Fenster; „-m“ öffnet eine weitere Kopie.
Die Steuerbefehle wirken auf die laufende Kopie, der die Zieldatei im aktuellen Ordner gehört.</translation>
    </message>
    <message>
        <source>Starts the clock of the goal NAME.</source>
        <translation>Startet die Uhr des Ziels NAME.</translation>
    </message>
    <message>
        <source>Stops the clock of the goal NAME.</source>
        <translation>Hält die Uhr des Ziels NAME an.</translation>
    </message>
    <message>
        <source>Starts the clock of the goal NAME, or stops it.</source>
        <translation>Startet die Uhr des Ziels NAME oder hält sie an.</translation>
    </message>
    <message>
        <source>Stops every clock.</source>
        <translation>Hält alle Uhren an.</translation>
    </message>
    <message>
        <source>Adds the goal NAME, with --total.</source>
        <translation>Fügt das Ziel NAME hinzu, mit --total.</translation>
    </message>
    <message>
        <source>The new goal&apos;s Total, e.g. 1:30.</source>
        <translation>Die Gesamtzeit des neuen Ziels, z. B. 1:30.</translation>
    </message>
    <message>
        <source>time</source>
        <translation>zeit</translation>
    </message>
    <message>
        <source>One line per running clock; exit status 1 if none runs.</source>
        <translation>Eine Zeile je laufender Uhr; Rückgabewert 1, wenn keine läuft.</translation>
    </message>
    <message>
        <source>With --status: every goal, as JSON.</source>
        <translation>Mit --status: alle Ziele, als JSON.</translation>
    </message>
    <message>
        <source>Writes the history of time spent as csv or json.</source>
        <translation>Schreibt den Verlauf der aufgewendeten Zeit als csv oder json.</translation>
    </message>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>With --export-history: from this day on.</source>
        <translation>Mit --export-history: ab diesem Tag.</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>With --export-history: up to this day.</source>
        <translation>Mit --export-history: bis zu diesem Tag.</translation>
    </message>
    <message>
        <source>Lists the goals&apos; names, one a line, for completion.</source>
        <translation>Listet die Namen der Ziele auf, einen je Zeile, zur Vervollständigung.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version.</source>
        <translation>Zeigt die Version des Programms.</translation>
    </message>
    <message>
        <source>A goal&apos;s name; after -- if it begins with -.</source>
        <translation>Der Name eines Ziels; nach --, wenn er mit - beginnt.</translation>
    </message>
    <message>
        <source>--%1 and --%2 do not go together</source>
        <translation>--%1 und --%2 passen nicht zusammen</translation>
    </message>
    <message>
        <source>nothing to do; see --help</source>
        <translation>nichts zu tun; siehe --help</translation>
    </message>
    <message>
        <source>--%1 takes one goal name</source>
        <translation>--%1 erwartet einen Zielnamen</translation>
    </message>
    <message>
        <source>unexpected argument: </source>
        <translation>unerwartetes Argument: </translation>
    </message>
    <message>
        <source>--add takes --total, and only --add does</source>
        <translation>--add erwartet --total, und nur --add tut das</translation>
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation>--json gehört zu --status</translation>
    </message>
    <message>
        <source>--from and --to go with --export-history</source>
        <translation>--from und --to gehören zu --export-history</translation>
    </message>
</context>
<context>
    <name>ControlCommand</name>
    <message>
        <source>%1  %2 left, done at %3</source>
        <translation>%1  noch %2, fertig um %3</translation>
    </message>
    <message>
        <source>%1  %2 left, stopped</source>
        <translation>%1  noch %2, angehalten</translation>
    </message>
    <message>
        <source>there is no goal file (%1) in this folder</source>
        <translation>in diesem Ordner gibt es keine Zieldatei (%1)</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>a goal&apos;s name is at most %1 characters long</source>
        <translation>der Name eines Ziels ist höchstens %1 Zeichen lang</translation>
    </message>
    <message>
        <source>no running copy of Ordalune owns the goal file in this folder</source>
        <translation>keiner laufenden Kopie von Ordalune gehört die Zieldatei in diesem Ordner</translation>
    </message>
    <message>
        <source>the running copy did not answer: </source>
        <translation>die laufende Kopie hat nicht geantwortet: </translation>
    </message>
    <message>
        <source>Every clock is stopped.</source>
        <translation>Alle Uhren sind angehalten.</translation>
    </message>
</context>
<context>
    <name>GoalApp</name>
    <message>
        <source>%1: budget nearly spent</source>
        <translation>%1: Budget fast aufgebraucht</translation>
    </message>
</context>
<context>
    <name>GoalDialog</name>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Total time:</source>
        <translation>&amp;Gesamtzeit:</translation>
    </message>
    <message>
        <source>&amp;Remaining time:</source>
        <translation>&amp;Verbleibende Zeit:</translation>
    </message>
    <message>
        <source>never</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>day</source>
        <translation>täglich</translation>
    </message>
    <message>
        <source>week</source>
        <translation>wöchentlich</translation>
    </message>
    <message>
        <source>month</source>
        <translation>monatlich</translation>
    </message>
    <message>
        <source>Renew &amp;every:</source>
        <translation>&amp;Erneuerung:</translation>
    </message>
    <message>
        <source>&amp;Carry over what is left or overrun</source>
        <translation>&amp;Übrig Gebliebenes oder Überzogenes übertragen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The Remaining time must not exceed the Total time</source>
        <translation>Die verbleibende Zeit darf die Gesamtzeit nicht überschreiten</translation>
    </message>
</context>
<context>
    <name>GoalFile</name>
    <message>
        <source>Another running copy of Ordalune Tracker is using the goals in this folder.
This copy shows them but will not save them.</source>
        <translation>Eine andere laufende Kopie von Ordalune Tracker verwendet die Ziele in diesem Ordner.
Diese Kopie zeigt sie, speichert sie aber nicht.</translation>
    </message>
    <message>
        <source>The goals in this folder cannot be locked, so another running copy could save over them.
This copy saves them only when you choose File &gt; Save.</source>
        <translation>Die Ziele in diesem Ordner können nicht gesperrt werden, daher könnte eine andere laufende Kopie über sie speichern.
Diese Kopie speichert sie nur, wenn Sie Datei &gt; Speichern wählen.</translation>
    </message>
    <message>
        <source>%1 was missing, so the goals were read from its backup %2.</source>
        <translation>%1 fehlte, daher wurden die Ziele aus seiner Sicherungskopie %2 gelesen.</translation>
    </message>
    <message>
        <source>%1 points to %2 which does not exist.

Nothing will be saved over it until it can be read; then choose File &gt; Open.</source>
        <translation>%1 verweist auf %2, das nicht existiert.

Nichts wird darüber gespeichert, bis es gelesen werden kann; wählen Sie dann Datei &gt; Öffnen.</translation>
    </message>
    <message>
        <source>

The file was kept as %1.</source>
        <translation>

Die Datei wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>

The file could not be moved aside, so nothing will be saved over it.</source>
        <translation>

Die Datei konnte nicht beiseitegelegt werden, daher wird nichts darüber gespeichert.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.

Nothing will be saved over it until it can be read; then choose File &gt; Open.</source>
        <translation>%1 konnte nicht gelesen werden: %2.

Nichts wird darüber gespeichert, bis es gelesen werden kann; wählen Sie dann Datei &gt; Öffnen.</translation>
    </message>
    <message>
        <source>Another running copy of Ordalune Tracker is using the goals in this folder, so this copy does not save them.</source>
        <translation>Eine andere laufende Kopie von Ordalune Tracker verwendet die Ziele in diesem Ordner, daher speichert diese Kopie sie nicht.</translation>
    </message>
    <message>
        <source>%1 could not be read, so nothing is saved over it. Make it readable, then choose File &gt; Open.</source>
        <translation>%1 konnte nicht gelesen werden, daher wird nichts darüber gespeichert. Machen Sie es lesbar und wählen Sie dann Datei &gt; Öffnen.</translation>
    </message>
    <message>
        <source>%1 points to %2 which does not exist, so nothing is saved over it. Once it is back, choose File &gt; Open.</source>
        <translation>%1 verweist auf %2, das nicht existiert, daher wird nichts darüber gespeichert. Sobald es wieder da ist, wählen Sie Datei &gt; Öffnen.</translation>
    </message>
    <message>
        <source>No backup of your goals is being kept: %1 could not be written (%2).</source>
        <translation>Von Ihren Zielen wird keine Sicherungskopie aufbewahrt: %1 konnte nicht geschrieben werden (%2).</translation>
    </message>
    <message>
        <source>Your goals could not be saved.</source>
        <translation>Ihre Ziele konnten nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>  Use backup ordalune.bak</source>
        <translation>  Verwenden Sie die Sicherungskopie ordalune.bak</translation>
    </message>
    <message>
        <source>Invalid ORDALUNE.CDF :  No version line found... ignoring rest of file</source>
        <translation>Ungültige ORDALUNE.CDF: Keine Versionszeile gefunden … der Rest der Datei wird übergangen</translation>
    </message>
    <message>
        <source>Incompatible ORDALUNE.CDF : incorrect version ... ignoring rest of file</source>
        <translation>Inkompatible ORDALUNE.CDF: falsche Version … der Rest der Datei wird übergangen</translation>
    </message>
    <message>
        <source>Invalid ORDALUNE.CDF:  No user line found ... ignoring rest of file</source>
        <translation>Ungültige ORDALUNE.CDF: Keine Benutzerzeile gefunden … der Rest der Datei wird übergangen</translation>
    </message>
</context>
<context>
    <name>GoalListBox</name>
    <message>
        <source>%1, %2 left, running, done at %3</source>
        <translation>%1, noch %2, läuft, fertig um %3</translation>
    </message>
    <message>
        <source>%1, done</source>
        <translation>%1, erledigt</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, noch %2</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Ziele</translation>
    </message>
</context>
<context>
    <name>GoalName</name>
    <message>
        <source>A goal&apos;s name is at most %1 characters long.</source>
        <translation>Der Name eines Ziels ist höchstens %1 Zeichen lang.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is what the list shows when it holds no goal: choose another name.</source>
        <translation>„%1“ zeigt die Liste, wenn sie kein Ziel enthält: Wählen Sie einen anderen Namen.</translation>
    </message>
</context>
<context>
    <name>GoalSession</name>
    <message>
        <source>Save the goals before reading the goal file again?</source>
        <translation>Die Ziele speichern, bevor die Zieldatei erneut gelesen wird?</translation>
    </message>
    <message>
        <source> Elapsed : %1 </source>
        <translation> Vergangen : %1 </translation>
    </message>
    <message>
        <source> Remain : %1 </source>
        <translation> Verbleibend : %1 </translation>
    </message>
    <message>
        <source> Finish : %1 </source>
        <translation> Ende : %1 </translation>
    </message>
    <message>
        <source>Delete this goal?</source>
        <translation>Dieses Ziel löschen?</translation>
    </message>
    <message>
        <source>Before suspending the PC, running goals were stopped</source>
        <translation>Vor dem Ruhezustand des PCs wurden die laufenden Ziele angehalten</translation>
    </message>
    <message>
        <source>The goals could not be saved to %1: %2.</source>
        <translation>Die Ziele konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The history of time spent was locked, so this run was not recorded: %1, %2.</source>
        <translation>Der Verlauf der aufgewendeten Zeit war gesperrt, daher wurde diese Sitzung nicht aufgezeichnet: %1, %2.</translation>
    </message>
    <message>
        <source>a goal</source>
        <translation>ein Ziel</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Ordalune Tracker Help</source>
        <translation>Hilfe zu Ordalune Tracker</translation>
    </message>
    <message>
        <source>help.html</source>
        <comment>this language&apos;s help page</comment>
        <translation>help_de.html</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Add run</source>
        <translation>Sitzung hinzufügen</translation>
    </message>
    <message>
        <source>Delete run</source>
        <translation>Sitzung löschen</translation>
    </message>
    <message>
        <source>Change run</source>
        <translation>Sitzung ändern</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>the export format is csv or json, not &quot;%1&quot;</source>
        <translation>das Exportformat ist csv oder json, nicht „%1“</translation>
    </message>
    <message>
        <source>--%1 takes a date as YYYY-MM-DD</source>
        <translation>--%1 erwartet ein Datum als JJJJ-MM-TT</translation>
    </message>
    <message>
        <source>--to %1 is before --from %2</source>
        <translation>--to %1 liegt vor --from %2</translation>
    </message>
    <message>
        <source>the history of time spent could not be read to its end: </source>
        <translation>der Verlauf der aufgewendeten Zeit konnte nicht bis zum Ende gelesen werden: </translation>
    </message>
    <message>
        <source>it stayed locked by another program</source>
        <translation>er blieb von einem anderen Programm gesperrt</translation>
    </message>
</context>
<context>
    <name>HistoryExporter</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Verlauf exportieren</translation>
    </message>
    <message>
        <source>The history of time spent is held by another program just now, so nothing was exported. Try again in a moment.</source>
        <translation>Der Verlauf der aufgewendeten Zeit wird gerade von einem anderen Programm gehalten, daher wurde nichts exportiert. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The history of time spent is not available in this copy of Ordalune, so nothing was exported.</source>
        <translation>Der Verlauf der aufgewendeten Zeit ist in dieser Kopie von Ordalune nicht verfügbar, daher wurde nichts exportiert.</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>Der Verlauf wurde nach %1 exportiert.</translation>
    </message>
    <message>
        <source>The history could not be written to %1: %2</source>
        <translation>Der Verlauf konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History - Ordalune Tracker</source>
        <translation>Verlauf - Ordalune Tracker</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Woche</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Monat</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Zeitspanne</translation>
    </message>
    <message>
        <source>Per&amp;iod:</source>
        <translation>Zeit&amp;raum:</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>H&amp;eute</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Von:</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>B&amp;is:</translation>
    </message>
    <message>
        <source>Show ran&amp;ge</source>
        <translation>Zeitspanne &amp;anzeigen</translation>
    </message>
    <message>
        <source>Ho&amp;urs:</source>
        <translation>&amp;Stunden:</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig:</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen:</translation>
    </message>
    <message>
        <source>&amp;Add run</source>
        <translation>Sitzung &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete runs</source>
        <translation>Sitzungen &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>History &amp;help</source>
        <translation>&amp;Hilfe zum Verlauf</translation>
    </message>
    <message>
        <source> (deleted)</source>
        <translation> (gelöscht)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <comment>date pattern: a month</comment>
        <translation>MMMM yyyy</translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy</source>
        <comment>date pattern: a day</comment>
        <translation>dddd, d. MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date pattern: a range&apos;s last day</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date pattern: a range&apos;s first day</comment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>date pattern: a range&apos;s first day, in the last day&apos;s year</comment>
        <translation>d. MMMM</translation>
    </message>
    <message>
        <source>d</source>
        <comment>date pattern: a range&apos;s first day, in the last day&apos;s month</comment>
        <translation>d.</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <comment>a range of days: its first, its last</comment>
        <translation>%1 – %2</translation>
    </message>
</context>
<context>
    <name>HoursChart</name>
    <message>
        <source>Chart of the hours spent each day</source>
        <translation>Diagramm der täglich aufgewendeten Stunden</translation>
    </message>
    <message>
        <source>Stacked bars of the time spent on each goal, day by day; the table above holds the same figures.</source>
        <translation>Gestapelte Balken der für jedes Ziel aufgewendeten Zeit, Tag für Tag; die Tabelle darüber enthält dieselben Zahlen.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
</context>
<context>
    <name>HoursView</name>
    <message>
        <source>Hours per day</source>
        <translation>Stunden pro Tag</translation>
    </message>
    <message>
        <source>Hours in the period</source>
        <translation>Stunden im Zeitraum</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Gesamt</translation>
    </message>
    <message>
        <source>Goal&apos;s Total</source>
        <translation>Gesamtzeit des Ziels</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>The history of time spent, %1, is damaged and could not be set aside. Time spent is not recorded in this run.</source>
        <translation>Der Verlauf der aufgewendeten Zeit, %1, ist beschädigt und konnte nicht beiseitegelegt werden. Die aufgewendete Zeit wird in diesem Lauf nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>The history of time spent was damaged. It was renamed %1 and a new history, %2, was started. Budgets that renew must be set again; the renamed file still holds them.</source>
        <translation>Der Verlauf der aufgewendeten Zeit war beschädigt. Er wurde in %1 umbenannt, und ein neuer Verlauf, %2, wurde begonnen. Sich erneuernde Budgets müssen neu festgelegt werden; die umbenannte Datei enthält sie noch.</translation>
    </message>
    <message>
        <source>Time spent is not recorded here: the history of time spent is kept only in a folder no one else can write to, and </source>
        <extracomment>Goes on with who can write there (&quot;everyone&quot;, &quot;the group staff&quot;), then &quot; can write to %1...&quot;</extracomment>
        <translation>Die aufgewendete Zeit wird hier nicht aufgezeichnet: Der Verlauf der aufgewendeten Zeit wird nur in einem Ordner geführt, in den niemand sonst schreiben kann, und </translation>
    </message>
    <message>
        <source> can write to %1. Your goals are kept as always, and budgets do not renew. To keep a history, keep the goal file in a folder of your own.</source>
        <translation> kann in %1 schreiben. Ihre Ziele werden wie immer aufbewahrt, und Budgets erneuern sich nicht. Um einen Verlauf zu führen, bewahren Sie die Zieldatei in einem eigenen Ordner auf.</translation>
    </message>
    <message>
        <source>The history of time spent, %1, could not be opened: </source>
        <translation>Der Verlauf der aufgewendeten Zeit, %1, konnte nicht geöffnet werden: </translation>
    </message>
    <message>
        <source>. Your goals are kept as always; time spent is not recorded in this run.</source>
        <translation>. Ihre Ziele werden wie immer aufbewahrt; die aufgewendete Zeit wird in diesem Lauf nicht aufgezeichnet.</translation>
    </message>
    <message>
        <source>the history of time spent is kept only in a folder no one else can write to, and </source>
        <translation>der Verlauf der aufgewendeten Zeit wird nur in einem Ordner geführt, in den niemand sonst schreiben kann, und </translation>
    </message>
    <message>
        <source> can write to %1</source>
        <translation> kann in %1 schreiben</translation>
    </message>
    <message>
        <source>no history of time spent here (%1)</source>
        <translation>hier gibt es keinen Verlauf der aufgewendeten Zeit (%1)</translation>
    </message>
    <message>
        <source>the history of time spent was left half-written by a program that was stopped; start Ordalune in this folder once to put it right, then export again</source>
        <translation>der Verlauf der aufgewendeten Zeit wurde von einem angehaltenen Programm halb geschrieben zurückgelassen; starten Sie Ordalune einmal in diesem Ordner, um ihn in Ordnung zu bringen, und exportieren Sie dann erneut</translation>
    </message>
    <message>
        <source>the history of time spent is damaged (%1)</source>
        <translation>der Verlauf der aufgewendeten Zeit ist beschädigt (%1)</translation>
    </message>
    <message>
        <source>the history of time spent, %1, could not be read: </source>
        <translation>der Verlauf der aufgewendeten Zeit, %1, konnte nicht gelesen werden: </translation>
    </message>
    <message>
        <source>the history of time spent is of an unknown kind (%1)</source>
        <translation>der Verlauf der aufgewendeten Zeit ist von unbekannter Art (%1)</translation>
    </message>
    <message>
        <source>The history of time spent, %1, could not be written (</source>
        <translation>Der Verlauf der aufgewendeten Zeit, %1, konnte nicht geschrieben werden (</translation>
    </message>
    <message>
        <source>). Your goals are kept as always; time spent is no longer recorded in this run.</source>
        <translation>). Ihre Ziele werden wie immer aufbewahrt; die aufgewendete Zeit wird in diesem Lauf nicht mehr aufgezeichnet.</translation>
    </message>
    <message>
        <source>the goals could not be recorded</source>
        <translation>die Ziele konnten nicht aufgezeichnet werden</translation>
    </message>
    <message>
        <source>a goal could not be added</source>
        <translation>ein Ziel konnte nicht hinzugefügt werden</translation>
    </message>
    <message>
        <source>a rename failed</source>
        <translation>eine Umbenennung ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>a deletion failed</source>
        <translation>ein Löschen ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>a run could not be recorded</source>
        <translation>eine Sitzung konnte nicht aufgezeichnet werden</translation>
    </message>
    <message>
        <source>a run could not be brought up to date</source>
        <translation>eine Sitzung konnte nicht auf den neuesten Stand gebracht werden</translation>
    </message>
    <message>
        <source>a renewal could not be recorded</source>
        <translation>eine Erneuerung konnte nicht aufgezeichnet werden</translation>
    </message>
</context>
<context>
    <name>JournalTrust</name>
    <message>
        <source>everyone</source>
        <translation>jeder</translation>
    </message>
    <message>
        <source>the group %1</source>
        <translation>die Gruppe %1</translation>
    </message>
    <message>
        <source>the user %1</source>
        <translation>der Benutzer %1</translation>
    </message>
    <message>
        <source>an access control list</source>
        <translation>eine Zugriffssteuerungsliste</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>the file beside it, %1, is not a regular file</source>
        <translation>die Datei daneben, %1, ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>it belongs to the user %1</source>
        <translation>sie gehört dem Benutzer %1</translation>
    </message>
    <message>
        <source>the file beside it, %1, belongs to the user %2</source>
        <translation>die Datei daneben, %1, gehört dem Benutzer %2</translation>
    </message>
    <message>
        <source>others can write to it</source>
        <translation>andere können in sie schreiben</translation>
    </message>
    <message>
        <source>the file beside it, %1, can be written by others</source>
        <translation>die Datei daneben, %1, kann von anderen geschrieben werden</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is never followed</source>
        <translation>es ist ein symbolischer Link, dem nie gefolgt wird</translation>
    </message>
</context>
<context>
    <name>PowerMonitor</name>
    <message>
        <source>Stopping the running goal clocks</source>
        <translation>Die laufenden Uhren der Ziele werden angehalten</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>A Time&apos;s Up question is open: answer it first.</source>
        <translation>Eine Frage zur abgelaufenen Zeit ist offen: Beantworten Sie sie zuerst.</translation>
    </message>
    <message>
        <source>There is no goal named %1.</source>
        <translation>Es gibt kein Ziel namens %1.</translation>
    </message>
    <message>
        <source>%1 is done: it has no time left.</source>
        <translation>%1 ist erledigt: Es bleibt keine Zeit mehr.</translation>
    </message>
    <message>
        <source>A goal&apos;s name is 1 to %1 characters long.</source>
        <translation>Der Name eines Ziels ist 1 bis %1 Zeichen lang.</translation>
    </message>
    <message>
        <source>%1 is more than the largest Total, %2.</source>
        <translation>%1 ist mehr als die größte Gesamtzeit, %2.</translation>
    </message>
    <message>
        <source>%1 is no Total: give hours and minutes, e.g. 1:30.</source>
        <translation>%1 ist keine Gesamtzeit: Geben Sie Stunden und Minuten an, z. B. 1:30.</translation>
    </message>
</context>
<context>
    <name>RenewalKeeper</name>
    <message>
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message>
        <source>Renews daily — today %1 of %2 spent</source>
        <translation>Erneuert sich täglich — heute %1 von %2 verbraucht</translation>
    </message>
    <message>
        <source>Renews every %1 — this week %2 of %3 spent</source>
        <comment>%1 is a day of the week</comment>
        <translation>Erneuert sich jeden %1 — diese Woche %2 von %3 verbraucht</translation>
    </message>
    <message>
        <source>Renews on the 1st — this month %1 of %2 spent</source>
        <translation>Erneuert sich am 1. — diesen Monat %1 von %2 verbraucht</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Your report could not be written.</source>
        <translation>Ihr Bericht konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Report saved to ORDALUNE.REP</source>
        <translation>Bericht in ORDALUNE.REP gespeichert</translation>
    </message>
</context>
<context>
    <name>RunsView</name>
    <message>
        <source> (deleted)</source>
        <translation> (gelöscht)</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>Time&apos;s up</source>
        <translation>Zeit abgelaufen</translation>
    </message>
    <message>
        <source>Marked done</source>
        <translation>Als erledigt markiert</translation>
    </message>
    <message>
        <source>Finished early</source>
        <translation>Vorzeitig beendet</translation>
    </message>
    <message>
        <source>Screen locked</source>
        <translation>Bildschirm gesperrt</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Ruhezustand</translation>
    </message>
    <message>
        <source>Program closed</source>
        <translation>Programm beendet</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Unterbrochen</translation>
    </message>
    <message>
        <source>Renewed</source>
        <translation>Erneuert</translation>
    </message>
    <message>
        <source>Clock was set</source>
        <translation>Uhr wurde gestellt</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>unter einer Minute</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Sitzungen</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Ended by</source>
        <translation>Beendet durch</translation>
    </message>
    <message>
        <source>&amp;Runs:</source>
        <translation>Sitzu&amp;ngen:</translation>
    </message>
    <message>
        <source>Only the &amp;selected goal</source>
        <translation>Nur das &amp;gewählte Ziel</translation>
    </message>
    <message>
        <source>&amp;Add run</source>
        <translation>Sitzung hinzu&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;Delete run</source>
        <translation>Sitzung &amp;löschen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Undo the last correction (Ctrl+Z)</source>
        <translation>Die letzte Korrektur rückgängig machen (Strg+Z)</translation>
    </message>
    <message>
        <source>Redo what was undone (Ctrl+Shift+Z)</source>
        <translation>Rückgängig Gemachtes wiederholen (Strg+Umschalt+Z)</translation>
    </message>
    <message>
        <source>There is no goal named &quot;%1&quot; in the history.</source>
        <translation>Im Verlauf gibt es kein Ziel namens „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time: type it as %2, or a time alone.</source>
        <translation>„%1“ ist kein Datum mit Uhrzeit: Geben Sie es als %2 ein oder nur eine Uhrzeit.</translation>
    </message>
    <message>
        <source>A run ends after it starts.</source>
        <translation>Eine Sitzung endet nach ihrem Beginn.</translation>
    </message>
    <message>
        <source>A run cannot end in the future.</source>
        <translation>Eine Sitzung kann nicht in der Zukunft enden.</translation>
    </message>
    <message>
        <source>This would overlap the run of %1 from %2 to %3.</source>
        <translation>Dies würde sich mit der Sitzung von %1 von %2 bis %3 überschneiden.</translation>
    </message>
    <message>
        <source>This goal has no free half hour in the period shown.</source>
        <translation>Dieses Ziel hat im gezeigten Zeitraum keine freie halbe Stunde.</translation>
    </message>
    <message>
        <source>Delete runs</source>
        <translation>Sitzungen löschen</translation>
    </message>
    <message>
        <source>The run was deleted: Undo (Ctrl+Z) brings it back.</source>
        <translation>Die Sitzung wurde gelöscht: Rückgängig (Strg+Z) holt sie zurück.</translation>
    </message>
    <message>
        <source>%1 runs were deleted: Undo (Ctrl+Z) brings them back.</source>
        <translation>%1 Sitzungen wurden gelöscht: Rückgängig (Strg+Z) holt sie zurück.</translation>
    </message>
    <message>
        <source>The history of time spent is held by another program just now: what is shown is read again in a moment.</source>
        <translation>Der Verlauf der aufgewendeten Zeit wird gerade von einem anderen Programm gehalten: Das Gezeigte wird gleich erneut gelesen.</translation>
    </message>
    <message>
        <source>The history of time spent could not be changed: the correction was not saved.</source>
        <translation>Der Verlauf der aufgewendeten Zeit konnte nicht geändert werden: Die Korrektur wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>the output could not be written: </source>
        <translation>die Ausgabe konnte nicht geschrieben werden: </translation>
    </message>
</context>
<context>
    <name>TimeOfDay</name>
    <message>
        <source>%1 %2 to %3</source>
        <comment>a run: its day, its start, its end</comment>
        <translation>am %1 von %2 bis %3</translation>
    </message>
</context>
<context>
    <name>TimesUpDialog</name>
    <message>
        <source>The time for %1 has run out.</source>
        <translation>Die Zeit für %1 ist abgelaufen.</translation>
    </message>
    <message>
        <source>Time&apos;s Up!</source>
        <translation>Zeit abgelaufen!</translation>
    </message>
    <message>
        <source>The time for this goal has run out.
You can:</source>
        <translation>Die Zeit für dieses Ziel ist abgelaufen.
Sie können:</translation>
    </message>
    <message>
        <source>&amp;Stop working and mark goal done.</source>
        <translation>&amp;Aufhören und das Ziel als erledigt markieren.</translation>
    </message>
    <message>
        <source>&amp;Continue working and add more time:</source>
        <translation>&amp;Weiterarbeiten und Zeit hinzufügen:</translation>
    </message>
    <message>
        <source>mins</source>
        <translation>Min.</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>TrayIcon</name>
    <message>
        <source>%1: %2 left, done at %3</source>
        <translation>%1: noch %2, fertig um %3</translation>
    </message>
    <message>
        <source>No clock is running</source>
        <translation>Keine Uhr läuft</translation>
    </message>
    <message>
        <source>Stop %1</source>
        <translation>%1 anhalten</translation>
    </message>
    <message>
        <source>Show Ordalune Tracker</source>
        <translation>Ordalune Tracker zeigen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message>
        <source>File Error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Ordalune Warning</source>
        <translation>Ordalune-Warnung</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>Datenträger voll</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>a line is longer than 64 KiB</source>
        <translation>eine Zeile ist länger als 64 KiB</translation>
    </message>
    <message>
        <source>file error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>it could not be copied</source>
        <translation>sie konnte nicht kopiert werden</translation>
    </message>
    <message>
        <source>it was replaced as it was opened</source>
        <translation>sie wurde beim Öffnen ersetzt</translation>
    </message>
    <message>
        <source>it was written by a later version of the program</source>
        <translation>sie wurde von einer neueren Version des Programms geschrieben</translation>
    </message>
</context>
<context>
    <name>UserNameDialog</name>
    <message>
        <source>Set User Name</source>
        <translation>Benutzernamen festlegen</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>&amp;Benutzername:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>WindowPrompter</name>
    <message>
        <source>Time&apos;s Up!</source>
        <translation>Zeit abgelaufen!</translation>
    </message>
    <message>
        <source>Your time for %1 is up.</source>
        <translation>Ihre Zeit für %1 ist abgelaufen.</translation>
    </message>
    <message>
        <source>Mark done</source>
        <translation>Als erledigt markieren</translation>
    </message>
    <message>
        <source>15 more minutes</source>
        <translation>15 Minuten mehr</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Willkommen zurück</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Trotzdem beenden</translation>
    </message>
</context>
</TS>
