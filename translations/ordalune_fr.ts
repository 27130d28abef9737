<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Ordalune Tracker</source>
        <translation>À propos d&apos;Ordalune Tracker</translation>
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
        <translation>Vous étiez absent %1 (de %2 à %3). Redémarrer les horloges de %4 ?</translation>
    </message>
</context>
<context>
    <name>CGoalView</name>
    <message>
        <source>Add Goal</source>
        <translation>Ajouter un objectif</translation>
    </message>
    <message>
        <source>Enter the title of your goal</source>
        <translation>Saisissez le titre de votre objectif</translation>
    </message>
    <message>
        <source>Hours:Mins</source>
        <translation>Heures:Min</translation>
    </message>
    <message>
        <source>Edit Goal</source>
        <translation>Modifier l&apos;objectif</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Elapsed</source>
        <translation>Écoulé</translation>
    </message>
    <message>
        <source>Remain</source>
        <translation>Restant</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Horloge</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Read the goals again from the goal file</source>
        <translation>Relire les objectifs depuis le fichier des objectifs</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the goals to the goal file</source>
        <translation>Enregistrer les objectifs dans le fichier des objectifs</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>Read the goals again and show or hide the toolbar</source>
        <translation>Relire les objectifs et afficher ou masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>&amp;Generate report</source>
        <translation>&amp;Générer un rapport</translation>
    </message>
    <message>
        <source>Generate a report of time spent on each goal</source>
        <translation>Générer un rapport du temps passé sur chaque objectif</translation>
    </message>
    <message>
        <source>Export &amp;history...</source>
        <translation>Exporter l&apos;&amp;historique...</translation>
    </message>
    <message>
        <source>Write the history of time spent as CSV or JSON</source>
        <translation>Écrire l&apos;historique du temps passé en CSV ou en JSON</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>Quitter l&apos;application</translation>
    </message>
    <message>
        <source>&amp;Add ...</source>
        <translation>&amp;Ajouter ...</translation>
    </message>
    <message>
        <source>Add new goal</source>
        <translation>Ajouter un nouvel objectif</translation>
    </message>
    <message>
        <source>&amp;Edit ...</source>
        <translation>&amp;Modifier ...</translation>
    </message>
    <message>
        <source>Edit selected goal</source>
        <translation>Modifier l&apos;objectif sélectionné</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Delete selected goal</source>
        <translation>Supprimer l&apos;objectif sélectionné</translation>
    </message>
    <message>
        <source>&amp;Start clock</source>
        <translation>&amp;Démarrer l&apos;horloge</translation>
    </message>
    <message>
        <source>Start clock for current goal</source>
        <translation>Démarrer l&apos;horloge de l&apos;objectif courant</translation>
    </message>
    <message>
        <source>&amp;Stop clock</source>
        <translation>A&amp;rrêter l&apos;horloge</translation>
    </message>
    <message>
        <source>Stop clock for current goal</source>
        <translation>Arrêter l&apos;horloge de l&apos;objectif courant</translation>
    </message>
    <message>
        <source>&amp;Finish Early</source>
        <translation>&amp;Terminer plus tôt</translation>
    </message>
    <message>
        <source>Goal is finished; set remaining time to zero, adjusting total time</source>
        <translation>L&apos;objectif est atteint ; remettre le temps restant à zéro en ajustant le temps total</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>Show where the time went, day by day</source>
        <translation>Montrer où le temps est passé, jour par jour</translation>
    </message>
    <message>
        <source>&amp;User name ...</source>
        <translation>Nom d&apos;&amp;utilisateur ...</translation>
    </message>
    <message>
        <source>Set your name that appears in the caption bar</source>
        <translation>Définir votre nom, affiché dans la barre de titre</translation>
    </message>
    <message>
        <source>&amp;Desktop notifications</source>
        <translation>&amp;Notifications du bureau</translation>
    </message>
    <message>
        <source>Also tell time&apos;s up as a desktop notification</source>
        <translation>Signaler aussi la fin du temps par une notification du bureau</translation>
    </message>
    <message>
        <source>&amp;Tray icon</source>
        <translation>&amp;Icône dans la zone de notification</translation>
    </message>
    <message>
        <source>Show the running clocks in the system tray</source>
        <translation>Afficher les horloges en marche dans la zone de notification</translation>
    </message>
    <message>
        <source>Stop clocks when the screen &amp;locks</source>
        <translation>Arrêter les horloges quand l&apos;écran se &amp;verrouille</translation>
    </message>
    <message>
        <source>Stop the clocks while the screen is locked</source>
        <translation>Arrêter les horloges tant que l&apos;écran est verrouillé</translation>
    </message>
    <message>
        <source>Warn when a budget is &amp;nearly spent</source>
        <translation>&amp;Avertir quand un budget est presque épuisé</translation>
    </message>
    <message>
        <source>Tell once a period, as a desktop notification, when a renewing goal has used 80% of it</source>
        <translation>Signaler une fois par période, par une notification du bureau, quand un objectif renouvelable en a utilisé 80 %</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>List Help topics</source>
        <translation>Lister les rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>What&apos;s &amp;This?</source>
        <translation>&amp;Qu&apos;est-ce que c&apos;est ?</translation>
    </message>
    <message>
        <source>Select an object on which to get Help</source>
        <translation>Choisir un élément pour obtenir de l&apos;aide à son sujet</translation>
    </message>
    <message>
        <source>&amp;About Ordalune...</source>
        <translation>À &amp;propos d&apos;Ordalune...</translation>
    </message>
    <message>
        <source>Display program information and version number</source>
        <translation>Afficher les informations sur le programme et son numéro de version</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Goal</source>
        <translation>&amp;Objectif</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;ptions</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Think ahead!</source>
        <translation>Anticipez !</translation>
    </message>
    <message>
        <source>Time spent so far on all goals.</source>
        <translation>Temps passé jusqu&apos;ici sur tous les objectifs.</translation>
    </message>
    <message>
        <source>Time still to spend on all goals.</source>
        <translation>Temps encore à passer sur tous les objectifs.</translation>
    </message>
    <message>
        <source>When you would be done with every goal, working without a break.</source>
        <translation>Quand vous auriez fini tous les objectifs, en travaillant sans pause.</translation>
    </message>
    <message>
        <source>The time of day.</source>
        <translation>L&apos;heure qu&apos;il est.</translation>
    </message>
    <message>
        <source>The History window could not be loaded.</source>
        <translation>La fenêtre de l&apos;historique n&apos;a pas pu être chargée.</translation>
    </message>
    <message>
        <source>Elapsed : 88:88</source>
        <comment>the pane at its widest</comment>
        <translation>Écoulé : 88:88</translation>
    </message>
    <message>
        <source> Remain : 88:88 </source>
        <comment>the pane at its widest</comment>
        <translation> Restant : 88:88 </translation>
    </message>
    <message>
        <source> Finish : 12:00 PM </source>
        <comment>the pane at its widest</comment>
        <translation> Fin : 00:00 </translation>
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
        <translation>-m ouvre une autre fenêtre et ne va pas avec les options qui commencent par --</translation>
    </message>
    <message>
        <source>Ordalune Tracker: time for your goals.
Without an option that begins with --, the window opens; &quot;-m&quot; opens another copy.
The controls act on the running copy that owns the goal file in the current folder.</source>
        <translation>Ordalune Tracker : du temps pour vos objectifs.
Sans option commençant par --, la fenêtre s&apos;ouvre ; « -m » ouvre une autre copie.
Les commandes agissent sur la copie en cours qui détient le fichier des objectifs du dossier courant.</translation>
    </message>
    <message>
        <source>Starts the clock of the goal NAME.</source>
        <translation>Démarre l&apos;horloge de l&apos;objectif NAME.</translation>
    </message>
    <message>
        <source>Stops the clock of the goal NAME.</source>
        <translation>Arrête l&apos;horloge de l&apos;objectif NAME.</translation>
    </message>
    <message>
        <source>Starts the clock of the goal NAME, or stops it.</source>
        <translation>Démarre l&apos;horloge de l&apos;objectif NAME, ou l&apos;arrête.</translation>
    </message>
    <message>
        <source>Stops every clock.</source>
        <translation>Arrête toutes les horloges.</translation>
    </message>
    <message>
        <source>Adds the goal NAME, with --total.</source>
        <translation>Ajoute l&apos;objectif NAME, avec --total.</translation>
    </message>
    <message>
        <source>The new goal&apos;s Total, e.g. 1:30.</source>
        <translation>Le total du nouvel objectif, par exemple 1:30.</translation>
    </message>
    <message>
        <source>time</source>
        <translation>durée</translation>
    </message>
    <message>
        <source>One line per running clock; exit status 1 if none runs.</source>
        <translation>Une ligne par horloge en marche ; code de sortie 1 si aucune n&apos;est en marche.</translation>
    </message>
    <message>
        <source>With --status: every goal, as JSON.</source>
        <translation>Avec --status : tous les objectifs, en JSON.</translation>
    </message>
    <message>
        <source>Writes the history of time spent as csv or json.</source>
        <translation>Écrit l&apos;historique du temps passé en csv ou en json.</translation>
    </message>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>With --export-history: from this day on.</source>
        <translation>Avec --export-history : à partir de ce jour.</translation>
    </message>
    <message>
        <source>YYYY-MM-DD</source>
        <translation>AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>With --export-history: up to this day.</source>
        <translation>Avec --export-history : jusqu&apos;à ce jour.</translation>
    </message>
    <message>
        <source>Lists the goals&apos; names, one a line, for completion.</source>
        <translation>Liste les noms des objectifs, un par ligne, pour la complétion.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version.</source>
        <translation>Affiche la version du programme.</translation>
    </message>
    <message>
        <source>A goal&apos;s name; after -- if it begins with -.</source>
        <translation>Le nom d&apos;un objectif ; après -- s&apos;il commence par -.</translation>
    </message>
    <message>
        <source>--%1 and --%2 do not go together</source>
        <translation>--%1 et --%2 ne vont pas ensemble</translation>
    </message>
    <message>
        <source>nothing to do; see --help</source>
        <translation>rien à faire ; voir --help</translation>
    </message>
    <message>
        <source>--%1 takes one goal name</source>
        <translation>--%1 attend un nom d&apos;objectif</translation>
    </message>
    <message>
        <source>unexpected argument: </source>
        <translation>argument inattendu : </translation>
    </message>
    <message>
        <source>--add takes --total, and only --add does</source>
        <translation>--add attend --total, et seul --add le fait</translation>
    </message>
    <message>
        <source>--json goes with --status</source>
        <translation>--json va avec --status</translation>
    </message>
    <message>
        <source>--from and --to go with --export-history</source>
        <translation>--from et --to vont avec --export-history</translation>
    </message>
</context>
<context>
    <name>ControlCommand</name>
    <message>
        <source>%1  %2 left, done at %3</source>
        <translation>%1  reste %2, fini à %3</translation>
    </message>
    <message>
        <source>%1  %2 left, stopped</source>
        <translation>%1  reste %2, arrêté</translation>
    </message>
    <message>
        <source>there is no goal file (%1) in this folder</source>
        <translation>il n&apos;y a pas de fichier des objectifs (%1) dans ce dossier</translation>
    </message>
    <message>
        <source>%1 could not be read: %2</source>
        <translation>%1 n&apos;a pas pu être lu : %2</translation>
    </message>
    <message>
        <source>a goal&apos;s name is at most %1 characters long</source>
        <translation>le nom d&apos;un objectif compte au plus %1 caractères</translation>
    </message>
    <message>
        <source>no running copy of Ordalune owns the goal file in this folder</source>
        <translation>aucune copie d&apos;Ordalune en cours ne détient le fichier des objectifs de ce dossier</translation>
    </message>
    <message>
        <source>the running copy did not answer: </source>
        <translation>la copie en cours n&apos;a pas répondu : </translation>
    </message>
    <message>
        <source>Every clock is stopped.</source>
        <translation>Toutes les horloges sont arrêtées.</translation>
    </message>
</context>
<context>
    <name>GoalApp</name>
    <message>
        <source>%1: budget nearly spent</source>
        <translation>%1 : budget presque épuisé</translation>
    </message>
</context>
<context>
    <name>GoalDialog</name>
    <message>
        <source>Goal</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Total time:</source>
        <translation>Temps &amp;total :</translation>
    </message>
    <message>
        <source>&amp;Remaining time:</source>
        <translation>Temps &amp;restant :</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>day</source>
        <translation>chaque jour</translation>
    </message>
    <message>
        <source>week</source>
        <translation>chaque semaine</translation>
    </message>
    <message>
        <source>month</source>
        <translation>chaque mois</translation>
    </message>
    <message>
        <source>Renew &amp;every:</source>
        <translation>Renouv&amp;ellement :</translation>
    </message>
    <message>
        <source>&amp;Carry over what is left or overrun</source>
        <translation>Re&amp;porter le reste ou le dépassement</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The Remaining time must not exceed the Total time</source>
        <translation>Le temps restant ne doit pas dépasser le temps total</translation>
    </message>
</context>
<context>
    <name>GoalFile</name>
    <message>
        <source>Another running copy of Ordalune Tracker is using the goals in this folder.
This copy shows them but will not save them.</source>
        <translation>Une autre copie d&apos;Ordalune Tracker en cours utilise les objectifs de ce dossier.
Cette copie les affiche mais ne les enregistrera pas.</translation>
    </message>
    <message>
        <source>The goals in this folder cannot be locked, so another running copy could save over them.
This copy saves them only when you choose File &gt; Save.</source>
        <translation>Les objectifs de ce dossier ne peuvent pas être verrouillés : une autre copie en cours pourrait les écraser.
Cette copie ne les enregistre que lorsque vous choisissez Fichier &gt; Enregistrer.</translation>
    </message>
    <message>
        <source>%1 was missing, so the goals were read from its backup %2.</source>
        <translation>%1 manquait : les objectifs ont été lus depuis sa copie de secours %2.</translation>
    </message>
    <message>
        <source>%1 points to %2 which does not exist.

Nothing will be saved over it until it can be read; then choose File &gt; Open.</source>
        <translation>%1 pointe vers %2, qui n&apos;existe pas.

Rien ne sera enregistré par-dessus tant qu&apos;il ne pourra pas être lu ; choisissez alors Fichier &gt; Ouvrir.</translation>
    </message>
    <message>
        <source>

The file was kept as %1.</source>
        <translation>

Le fichier a été conservé sous le nom %1.</translation>
    </message>
    <message>
        <source>

The file could not be moved aside, so nothing will be saved over it.</source>
        <translation>

Le fichier n&apos;a pas pu être mis de côté : rien ne sera enregistré par-dessus.</translation>
    </message>
    <message>
        <source>%1 could not be read: %2.

Nothing will be saved over it until it can be read; then choose File &gt; Open.</source>
        <translation>%1 n&apos;a pas pu être lu : %2.

Rien ne sera enregistré par-dessus tant qu&apos;il ne pourra pas être lu ; choisissez alors Fichier &gt; Ouvrir.</translation>
    </message>
    <message>
        <source>Another running copy of Ordalune Tracker is using the goals in this folder, so this copy does not save them.</source>
        <translation>Une autre copie d&apos;Ordalune Tracker en cours utilise les objectifs de ce dossier : cette copie ne les enregistre donc pas.</translation>
    </message>
    <message>
        <source>%1 could not be read, so nothing is saved over it. Make it readable, then choose File &gt; Open.</source>
        <translation>%1 n&apos;a pas pu être lu : rien n&apos;est enregistré par-dessus. Rendez-le lisible, puis choisissez Fichier &gt; Ouvrir.</translation>
    </message>
    <message>
        <source>%1 points to %2 which does not exist, so nothing is saved over it. Once it is back, choose File &gt; Open.</source>
        <translation>%1 pointe vers %2, qui n&apos;existe pas : rien n&apos;est enregistré par-dessus. Une fois qu&apos;il est revenu, choisissez Fichier &gt; Ouvrir.</translation>
    </message>
    <message>
        <source>No backup of your goals is being kept: %1 could not be written (%2).</source>
        <translation>Aucune copie de secours de vos objectifs n&apos;est conservée : %1 n&apos;a pas pu être écrit (%2).</translation>
    </message>
    <message>
        <source>Your goals could not be saved.</source>
        <translation>Vos objectifs n&apos;ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>  Use backup ordalune.bak</source>
        <translation>  Utilisez la copie de secours ordalune.bak</translation>
    </message>
    <message>
        <source>Invalid ORDALUNE.CDF :  No version line found... ignoring rest of file</source>
        <translation>ORDALUNE.CDF non valide : aucune ligne de version trouvée… le reste du fichier est ignoré</translation>
    </message>
    <message>
        <source>Incompatible ORDALUNE.CDF : incorrect version ... ignoring rest of file</source>
        <translation>ORDALUNE.CDF incompatible : version incorrecte… le reste du fichier est ignoré</translation>
    </message>
    <message>
        <source>Invalid ORDALUNE.CDF:  No user line found ... ignoring rest of file</source>
        <translation>ORDALUNE.CDF non valide : aucune ligne d&apos;utilisateur trouvée… le reste du fichier est ignoré</translation>
    </message>
</context>
<context>
    <name>GoalListBox</name>
    <message>
        <source>%1, %2 left, running, done at %3</source>
        <translation>%1, reste %2, en cours, fini à %3</translation>
    </message>
    <message>
        <source>%1, done</source>
        <translation>%1, terminé</translation>
    </message>
    <message>
        <source>%1, %2 left</source>
        <translation>%1, reste %2</translation>
    </message>
    <message>
        <source>Goals</source>
        <translation>Objectifs</translation>
    </message>
</context>
<context>
    <name>GoalName</name>
    <message>
        <source>A goal&apos;s name is at most %1 characters long.</source>
        <translation>Le nom d&apos;un objectif compte au plus %1 caractères.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is what the list shows when it holds no goal: choose another name.</source>
        <translation>« %1 » est ce qu&apos;affiche la liste quand elle ne contient aucun objectif : choisissez un autre nom.</translation>
    </message>
</context>
<context>
    <name>GoalSession</name>
    <message>
        <source>Save the goals before reading the goal file again?</source>
        <translation>Enregistrer les objectifs avant de relire le fichier des objectifs ?</translation>
    </message>
    <message>
        <source> Elapsed : %1 </source>
        <translation> Écoulé : %1 </translation>
    </message>
    <message>
        <source> Remain : %1 </source>
        <translation> Restant : %1 </translation>
    </message>
    <message>
        <source> Finish : %1 </source>
        <translation> Fin : %1 </translation>
    </message>
    <message>
        <source>Delete this goal?</source>
        <translation>Supprimer cet objectif ?</translation>
    </message>
    <message>
        <source>Before suspending the PC, running goals were stopped</source>
        <translation>Avant la mise en veille du PC, les objectifs en cours ont été arrêtés</translation>
    </message>
    <message>
        <source>The goals could not be saved to %1: %2.</source>
        <translation>Les objectifs n&apos;ont pas pu être enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>The history of time spent was locked, so this run was not recorded: %1, %2.</source>
        <translation>L&apos;historique du temps passé était verrouillé, cette séance n&apos;a donc pas été enregistrée : %1, %2.</translation>
    </message>
    <message>
        <source>a goal</source>
        <translation>un objectif</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Ordalune Tracker Help</source>
        <translation>Aide d&apos;Ordalune Tracker</translation>
    </message>
    <message>
        <source>help.html</source>
        <comment>this language&apos;s help page</comment>
        <translation>help_fr.html</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Add run</source>
        <translation>Ajouter une séance</translation>
    </message>
    <message>
        <source>Delete run</source>
        <translation>Supprimer une séance</translation>
    </message>
    <message>
        <source>Change run</source>
        <translation>Modifier une séance</translation>
    </message>
</context>
<context>
    <name>HistoryCommand</name>
    <message>
        <source>the export format is csv or json, not &quot;%1&quot;</source>
        <translation>le format d&apos;exportation est csv ou json, pas « %1 »</translation>
    </message>
    <message>
        <source>--%1 takes a date as YYYY-MM-DD</source>
        <translation>--%1 attend une date sous la forme AAAA-MM-JJ</translation>
    </message>
    <message>
        <source>--to %1 is before --from %2</source>
        <translation>--to %1 est avant --from %2</translation>
    </message>
    <message>
        <source>the history of time spent could not be read to its end: </source>
        <translation>l&apos;historique du temps passé n&apos;a pas pu être lu jusqu&apos;au bout : </translation>
    </message>
    <message>
        <source>it stayed locked by another program</source>
        <translation>il est resté verrouillé par un autre programme</translation>
    </message>
</context>
<context>
    <name>HistoryExporter</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
    <message>
        <source>Export History</source>
        <translation>Exporter l&apos;historique</translation>
    </message>
    <message>
        <source>The history of time spent is held by another program just now, so nothing was exported. Try again in a moment.</source>
        <translation>L&apos;historique du temps passé est tenu par un autre programme en ce moment, rien n&apos;a donc été exporté. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The history of time spent is not available in this copy of Ordalune, so nothing was exported.</source>
        <translation>L&apos;historique du temps passé n&apos;est pas disponible dans cette copie d&apos;Ordalune, rien n&apos;a donc été exporté.</translation>
    </message>
    <message>
        <source>The history was exported to %1.</source>
        <translation>L&apos;historique a été exporté vers %1.</translation>
    </message>
    <message>
        <source>The history could not be written to %1: %2</source>
        <translation>L&apos;historique n&apos;a pas pu être écrit dans %1 : %2</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History - Ordalune Tracker</source>
        <translation>Historique - Ordalune Tracker</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>Week</source>
        <translation>Semaine</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Plage</translation>
    </message>
    <message>
        <source>Per&amp;iod:</source>
        <translation>&amp;Période :</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>Pré&amp;cédent</translation>
    </message>
    <message>
        <source>&amp;Today</source>
        <translation>Au&amp;jourd&apos;hui</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>&amp;From:</source>
        <translation>&amp;Du :</translation>
    </message>
    <message>
        <source>T&amp;o:</source>
        <translation>A&amp;u :</translation>
    </message>
    <message>
        <source>Show ran&amp;ge</source>
        <translation>Afficher la pla&amp;ge</translation>
    </message>
    <message>
        <source>Ho&amp;urs:</source>
        <translation>&amp;Heures :</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Édi&amp;tion</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler :</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir :</translation>
    </message>
    <message>
        <source>&amp;Add run</source>
        <translation>Ajouter une &amp;séance</translation>
    </message>
    <message>
        <source>&amp;Delete runs</source>
        <translation>Su&amp;pprimer les séances</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>History &amp;help</source>
        <translation>&amp;Aide de l&apos;historique</translation>
    </message>
    <message>
        <source> (deleted)</source>
        <translation> (supprimé)</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>MMMM yyyy</source>
        <comment>date pattern: a month</comment>
        <translation>MMMM yyyy</translation>
    </message>
    <message>
        <source>dddd d MMMM yyyy</source>
        <comment>date pattern: a day</comment>
        <translation>dddd d MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date pattern: a range&apos;s last day</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <comment>date pattern: a range&apos;s first day</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM</source>
        <comment>date pattern: a range&apos;s first day, in the last day&apos;s year</comment>
        <translation>d MMMM</translation>
    </message>
    <message>
        <source>d</source>
        <comment>date pattern: a range&apos;s first day, in the last day&apos;s month</comment>
        <translation>d</translation>
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
        <translation>Graphique des heures passées chaque jour</translation>
    </message>
    <message>
        <source>Stacked bars of the time spent on each goal, day by day; the table above holds the same figures.</source>
        <translation>Barres empilées du temps passé sur chaque objectif, jour par jour ; le tableau au-dessus contient les mêmes chiffres.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
</context>
<context>
    <name>HoursView</name>
    <message>
        <source>Hours per day</source>
        <translation>Heures par jour</translation>
    </message>
    <message>
        <source>Hours in the period</source>
        <translation>Heures dans la période</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Goal&apos;s Total</source>
        <translation>Total de l&apos;objectif</translation>
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
        <translation>L&apos;historique du temps passé, %1, est endommagé et n&apos;a pas pu être mis de côté. Le temps passé n&apos;est pas enregistré pendant cette exécution.</translation>
    </message>
    <message>
        <source>The history of time spent was damaged. It was renamed %1 and a new history, %2, was started. Budgets that renew must be set again; the renamed file still holds them.</source>
        <translation>L&apos;historique du temps passé était endommagé. Il a été renommé %1 et un nouvel historique, %2, a été commencé. Les budgets renouvelables doivent être définis de nouveau ; le fichier renommé les contient toujours.</translation>
    </message>
    <message>
        <source>Time spent is not recorded here: the history of time spent is kept only in a folder no one else can write to, and </source>
        <extracomment>Goes on with who can write there (&quot;everyone&quot;, &quot;the group staff&quot;), then &quot; can write to %1...&quot;</extracomment>
        <translation>Le temps passé n&apos;est pas enregistré ici : l&apos;historique du temps passé n&apos;est tenu que dans un dossier où personne d&apos;autre ne peut écrire, et </translation>
    </message>
    <message>
        <source> can write to %1. Your goals are kept as always, and budgets do not renew. To keep a history, keep the goal file in a folder of your own.</source>
        <translation> peut écrire dans %1. Vos objectifs sont conservés comme toujours, et les budgets ne se renouvellent pas. Pour tenir un historique, placez le fichier des objectifs dans un dossier à vous.</translation>
    </message>
    <message>
        <source>The history of time spent, %1, could not be opened: </source>
        <translation>L&apos;historique du temps passé, %1, n&apos;a pas pu être ouvert : </translation>
    </message>
    <message>
        <source>. Your goals are kept as always; time spent is not recorded in this run.</source>
        <translation>. Vos objectifs sont conservés comme toujours ; le temps passé n&apos;est pas enregistré pendant cette exécution.</translation>
    </message>
    <message>
        <source>the history of time spent is kept only in a folder no one else can write to, and </source>
        <translation>l&apos;historique du temps passé n&apos;est tenu que dans un dossier où personne d&apos;autre ne peut écrire, et </translation>
    </message>
    <message>
        <source> can write to %1</source>
        <translation> peut écrire dans %1</translation>
    </message>
    <message>
        <source>no history of time spent here (%1)</source>
        <translation>pas d&apos;historique du temps passé ici (%1)</translation>
    </message>
    <message>
        <source>the history of time spent was left half-written by a program that was stopped; start Ordalune in this folder once to put it right, then export again</source>
        <translation>l&apos;historique du temps passé a été laissé à moitié écrit par un programme arrêté ; lancez Ordalune une fois dans ce dossier pour le remettre en ordre, puis exportez de nouveau</translation>
    </message>
    <message>
        <source>the history of time spent is damaged (%1)</source>
        <translation>l&apos;historique du temps passé est endommagé (%1)</translation>
    </message>
    <message>
        <source>the history of time spent, %1, could not be read: </source>
        <translation>l&apos;historique du temps passé, %1, n&apos;a pas pu être lu : </translation>
    </message>
    <message>
        <source>the history of time spent is of an unknown kind (%1)</source>
        <translation>l&apos;historique du temps passé est d&apos;un type inconnu (%1)</translation>
    </message>
    <message>
        <source>The history of time spent, %1, could not be written (</source>
        <translation>L&apos;historique du temps passé, %1, n&apos;a pas pu être écrit (</translation>
    </message>
    <message>
        <source>). Your goals are kept as always; time spent is no longer recorded in this run.</source>
        <translation>). Vos objectifs sont conservés comme toujours ; le temps passé n&apos;est plus enregistré pendant cette exécution.</translation>
    </message>
    <message>
        <source>the goals could not be recorded</source>
        <translation>les objectifs n&apos;ont pas pu être enregistrés</translation>
    </message>
    <message>
        <source>a goal could not be added</source>
        <translation>un objectif n&apos;a pas pu être ajouté</translation>
    </message>
    <message>
        <source>a rename failed</source>
        <translation>un renommage a échoué</translation>
    </message>
    <message>
        <source>a deletion failed</source>
        <translation>une suppression a échoué</translation>
    </message>
    <message>
        <source>a run could not be recorded</source>
        <translation>une séance n&apos;a pas pu être enregistrée</translation>
    </message>
    <message>
        <source>a run could not be brought up to date</source>
        <translation>une séance n&apos;a pas pu être mise à jour</translation>
    </message>
    <message>
        <source>a renewal could not be recorded</source>
        <translation>un renouvellement n&apos;a pas pu être enregistré</translation>
    </message>
</context>
<context>
    <name>JournalTrust</name>
    <message>
        <source>everyone</source>
        <translation>tout le monde</translation>
    </message>
    <message>
        <source>the group %1</source>
        <translation>le groupe %1</translation>
    </message>
    <message>
        <source>the user %1</source>
        <translation>l&apos;utilisateur %1</translation>
    </message>
    <message>
        <source>an access control list</source>
        <translation>une liste de contrôle d&apos;accès</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the file beside it, %1, is not a regular file</source>
        <translation>le fichier à côté, %1, n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it belongs to the user %1</source>
        <translation>il appartient à l&apos;utilisateur %1</translation>
    </message>
    <message>
        <source>the file beside it, %1, belongs to the user %2</source>
        <translation>le fichier à côté, %1, appartient à l&apos;utilisateur %2</translation>
    </message>
    <message>
        <source>others can write to it</source>
        <translation>d&apos;autres peuvent y écrire</translation>
    </message>
    <message>
        <source>the file beside it, %1, can be written by others</source>
        <translation>le fichier à côté, %1, peut être écrit par d&apos;autres</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is never followed</source>
        <translation>c&apos;est un lien symbolique, qui n&apos;est jamais suivi</translation>
    </message>
</context>
<context>
    <name>PowerMonitor</name>
    <message>
        <source>Stopping the running goal clocks</source>
        <translation>Arrêt des horloges des objectifs en cours</translation>
    </message>
</context>
<context>
    <name>RemoteControl</name>
    <message>
        <source>A Time&apos;s Up question is open: answer it first.</source>
        <translation>Une question de fin de temps est ouverte : répondez-y d&apos;abord.</translation>
    </message>
    <message>
        <source>There is no goal named %1.</source>
        <translation>Il n&apos;y a pas d&apos;objectif nommé %1.</translation>
    </message>
    <message>
        <source>%1 is done: it has no time left.</source>
        <translation>%1 est terminé : il ne reste plus de temps.</translation>
    </message>
    <message>
        <source>A goal&apos;s name is 1 to %1 characters long.</source>
        <translation>Le nom d&apos;un objectif compte de 1 à %1 caractères.</translation>
    </message>
    <message>
        <source>%1 is more than the largest Total, %2.</source>
        <translation>%1 dépasse le plus grand total, %2.</translation>
    </message>
    <message>
        <source>%1 is no Total: give hours and minutes, e.g. 1:30.</source>
        <translation>%1 n&apos;est pas un total : indiquez des heures et des minutes, par exemple 1:30.</translation>
    </message>
</context>
<context>
    <name>RenewalKeeper</name>
    <message>
        <source>Sunday</source>
        <translation>dimanche</translation>
    </message>
    <message>
        <source>Monday</source>
        <translation>lundi</translation>
    </message>
    <message>
        <source>Tuesday</source>
        <translation>mardi</translation>
    </message>
    <message>
        <source>Wednesday</source>
        <translation>mercredi</translation>
    </message>
    <message>
        <source>Thursday</source>
        <translation>jeudi</translation>
    </message>
    <message>
        <source>Friday</source>
        <translation>vendredi</translation>
    </message>
    <message>
        <source>Saturday</source>
        <translation>samedi</translation>
    </message>
    <message>
        <source>Renews daily — today %1 of %2 spent</source>
        <translation>Se renouvelle chaque jour — aujourd&apos;hui %1 sur %2 utilisées</translation>
    </message>
    <message>
        <source>Renews every %1 — this week %2 of %3 spent</source>
        <comment>%1 is a day of the week</comment>
        <translation>Se renouvelle chaque %1 — cette semaine %2 sur %3 utilisées</translation>
    </message>
    <message>
        <source>Renews on the 1st — this month %1 of %2 spent</source>
        <translation>Se renouvelle le 1er — ce mois-ci %1 sur %2 utilisées</translation>
    </message>
</context>
<context>
    <name>ReportWriter</name>
    <message>
        <source>Your report could not be written.</source>
        <translation>Votre rapport n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Report saved to ORDALUNE.REP</source>
        <translation>Rapport enregistré dans ORDALUNE.REP</translation>
    </message>
</context>
<context>
    <name>RunsView</name>
    <message>
        <source> (deleted)</source>
        <translation> (supprimé)</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Arrêtée</translation>
    </message>
    <message>
        <source>Time&apos;s up</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Marked done</source>
        <translation>Marquée terminée</translation>
    </message>
    <message>
        <source>Finished early</source>
        <translation>Terminée plus tôt</translation>
    </message>
    <message>
        <source>Screen locked</source>
        <translation>Écran verrouillé</translation>
    </message>
    <message>
        <source>Sleep</source>
        <translation>Veille</translation>
    </message>
    <message>
        <source>Program closed</source>
        <translation>Programme fermé</translation>
    </message>
    <message>
        <source>Interrupted</source>
        <translation>Interrompue</translation>
    </message>
    <message>
        <source>Renewed</source>
        <translation>Renouvelée</translation>
    </message>
    <message>
        <source>Clock was set</source>
        <translation>L&apos;horloge a été réglée</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>under a minute</source>
        <translation>moins d&apos;une minute</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Séances</translation>
    </message>
    <message>
        <source>Goal</source>
        <translation>Objectif</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Ended by</source>
        <translation>Fin par</translation>
    </message>
    <message>
        <source>&amp;Runs:</source>
        <translation>Séa&amp;nces :</translation>
    </message>
    <message>
        <source>Only the &amp;selected goal</source>
        <translation>Seulement l&apos;&amp;objectif choisi</translation>
    </message>
    <message>
        <source>&amp;Add run</source>
        <translation>Ajoute&amp;r une séance</translation>
    </message>
    <message>
        <source>&amp;Delete run</source>
        <translation>Supprim&amp;er la séance</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Undo the last correction (Ctrl+Z)</source>
        <translation>Annuler la dernière correction (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo what was undone (Ctrl+Shift+Z)</source>
        <translation>Rétablir ce qui a été annulé (Ctrl+Maj+Z)</translation>
    </message>
    <message>
        <source>There is no goal named &quot;%1&quot; in the history.</source>
        <translation>Il n&apos;y a pas d&apos;objectif nommé « %1 » dans l&apos;historique.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date and time: type it as %2, or a time alone.</source>
        <translation>« %1 » n&apos;est pas une date et une heure : saisissez-la sous la forme %2, ou une heure seule.</translation>
    </message>
    <message>
        <source>A run ends after it starts.</source>
        <translation>Une séance finit après avoir commencé.</translation>
    </message>
    <message>
        <source>A run cannot end in the future.</source>
        <translation>Une séance ne peut pas finir dans l&apos;avenir.</translation>
    </message>
    <message>
        <source>This would overlap the run of %1 from %2 to %3.</source>
        <translation>Cela chevaucherait la séance de %1 de %2 à %3.</translation>
    </message>
    <message>
        <source>This goal has no free half hour in the period shown.</source>
        <translation>Cet objectif n&apos;a pas de demi-heure libre dans la période affichée.</translation>
    </message>
    <message>
        <source>Delete runs</source>
        <translation>Supprimer des séances</translation>
    </message>
    <message>
        <source>The run was deleted: Undo (Ctrl+Z) brings it back.</source>
        <translation>La séance a été supprimée : Annuler (Ctrl+Z) la rétablit.</translation>
    </message>
    <message>
        <source>%1 runs were deleted: Undo (Ctrl+Z) brings them back.</source>
        <translation>%1 séances ont été supprimées : Annuler (Ctrl+Z) les rétablit.</translation>
    </message>
    <message>
        <source>The history of time spent is held by another program just now: what is shown is read again in a moment.</source>
        <translation>L&apos;historique du temps passé est tenu par un autre programme en ce moment : ce qui est affiché sera relu dans un instant.</translation>
    </message>
    <message>
        <source>The history of time spent could not be changed: the correction was not saved.</source>
        <translation>L&apos;historique du temps passé n&apos;a pas pu être modifié : la correction n&apos;a pas été enregistrée.</translation>
    </message>
</context>
<context>
    <name>StandardOutput</name>
    <message>
        <source>the output could not be written: </source>
        <translation>la sortie n&apos;a pas pu être écrite : </translation>
    </message>
</context>
<context>
    <name>TimeOfDay</name>
    <message>
        <source>%1 %2 to %3</source>
        <comment>a run: its day, its start, its end</comment>
        <translation>le %1 de %2 à %3</translation>
    </message>
</context>
<context>
    <name>TimesUpDialog</name>
    <message>
        <source>The time for %1 has run out.</source>
        <translation>Le temps de %1 est écoulé.</translation>
    </message>
    <message>
        <source>Time&apos;s Up!</source>
        <translation>Temps écoulé !</translation>
    </message>
    <message>
        <source>The time for this goal has run out.
You can:</source>
        <translation>Le temps de cet objectif est écoulé.
Vous pouvez :</translation>
    </message>
    <message>
        <source>&amp;Stop working and mark goal done.</source>
        <translation>&amp;Arrêter de travailler et marquer l&apos;objectif terminé.</translation>
    </message>
    <message>
        <source>&amp;Continue working and add more time:</source>
        <translation>&amp;Continuer à travailler et ajouter du temps :</translation>
    </message>
    <message>
        <source>mins</source>
        <translation>min</translation>
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
        <translation>%1 : reste %2, fini à %3</translation>
    </message>
    <message>
        <source>No clock is running</source>
        <translation>Aucune horloge n&apos;est en marche</translation>
    </message>
    <message>
        <source>Stop %1</source>
        <translation>Arrêter %1</translation>
    </message>
    <message>
        <source>Show Ordalune Tracker</source>
        <translation>Afficher Ordalune Tracker</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>UserMessage</name>
    <message>
        <source>File Error</source>
        <translation>Erreur de fichier</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Ordalune Warning</source>
        <translation>Avertissement d&apos;Ordalune</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>access denied</source>
        <translation>accès refusé</translation>
    </message>
    <message>
        <source>disk full</source>
        <translation>disque plein</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>a line is longer than 64 KiB</source>
        <translation>une ligne dépasse 64 Kio</translation>
    </message>
    <message>
        <source>file error</source>
        <translation>erreur de fichier</translation>
    </message>
    <message>
        <source>it could not be copied</source>
        <translation>il n&apos;a pas pu être copié</translation>
    </message>
    <message>
        <source>it was replaced as it was opened</source>
        <translation>il a été remplacé pendant son ouverture</translation>
    </message>
    <message>
        <source>it was written by a later version of the program</source>
        <translation>il a été écrit par une version plus récente du programme</translation>
    </message>
</context>
<context>
    <name>UserNameDialog</name>
    <message>
        <source>Set User Name</source>
        <translation>Définir le nom d&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;User name:</source>
        <translation>Nom d&apos;&amp;utilisateur :</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>WindowPrompter</name>
    <message>
        <source>Time&apos;s Up!</source>
        <translation>Temps écoulé !</translation>
    </message>
    <message>
        <source>Your time for %1 is up.</source>
        <translation>Votre temps pour %1 est écoulé.</translation>
    </message>
    <message>
        <source>Mark done</source>
        <translation>Marquer terminé</translation>
    </message>
    <message>
        <source>15 more minutes</source>
        <translation>15 minutes de plus</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Welcome back</source>
        <translation>Bon retour</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Réessayer</translation>
    </message>
    <message>
        <source>Quit Anyway</source>
        <translation>Quitter quand même</translation>
    </message>
</context>
</TS>
