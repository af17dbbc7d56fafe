<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutPage</name>
    <message>
        <source>About Quintel</source>
        <translation>Über Quintel</translation>
    </message>
    <message>
        <source>A dice bluffing game for one player against the computer, which judges every call with exact dice probabilities and learns how you call.</source>
        <translation>Ein Würfel-Bluffspiel für eine Person gegen den Computer, der jede Ansage mit exakten Würfelwahrscheinlichkeiten beurteilt und lernt, wie Sie ansagen.</translation>
    </message>
    <message>
        <source>Version %1.</source>
        <translation>Version %1.</translation>
    </message>
    <message>
        <source>Released under the MIT licence: you may use, copy, change and pass on the program freely, as long as the licence notice comes with it. It comes without any warranty.</source>
        <translation>Veröffentlicht unter der MIT-Lizenz: Sie dürfen das Programm frei benutzen, kopieren, ändern und weitergeben, solange der Lizenzhinweis beiliegt. Es wird ohne jede Gewährleistung geliefert.</translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>No %1</source>
        <translation>Keine %1</translation>
    </message>
    <message>
        <source>One %1</source>
        <translation>Eine %1</translation>
    </message>
    <message>
        <source>Two %1</source>
        <translation>Zwei %1</translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation>Drei %1</translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation>Vier %1</translation>
    </message>
    <message>
        <source>Five %1</source>
        <translation>Fünf %1</translation>
    </message>
    <message>
        <source>Asks for the name you play under</source>
        <translation>Fragt nach dem Namen, unter dem Sie spielen</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ihr Name</translation>
    </message>
    <message>
        <source>The name your history and profile files are kept under</source>
        <translation>Der Name, unter dem Ihre Verlaufs- und Profildateien gespeichert werden</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Das Programm beenden</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>The computer you play against: Classic, Expert or Master</source>
        <translation>Der Computer, gegen den Sie spielen: Classic, Expert oder Master</translation>
    </message>
    <message>
        <source>The computer you play against: Classic, Expert, Master or the engine %1</source>
        <translation>Der Computer, gegen den Sie spielen: Classic, Expert, Master oder die Engine %1</translation>
    </message>
    <message>
        <source>The folder that keeps your history and profile files</source>
        <translation>Der Ordner mit Ihren Verlaufs- und Profildateien</translation>
    </message>
</context>
<context>
    <name>Call</name>
    <message>
        <source>Send the call</source>
        <translation>Die Ansage abschicken</translation>
    </message>
    <message>
        <source>Close without calling</source>
        <translation>Ohne Ansage schließen</translation>
    </message>
</context>
<context>
    <name>CallStatus</name>
    <message>
        <source>Your call: none yet</source>
        <translation>Ihre Ansage: noch keine</translation>
    </message>
    <message>
        <source>Your call: %1 dice, five at most</source>
        <translation>Ihre Ansage: %1 Würfel, höchstens fünf</translation>
    </message>
    <message>
        <source>Your call: %1, %2 (does not beat %3)</source>
        <translation>Ihre Ansage: %1, %2 (schlägt %3 nicht)</translation>
    </message>
    <message>
        <source>Your call: %1, %2</source>
        <translation>Ihre Ansage: %1, %2</translation>
    </message>
    <message>
        <source>any call may open the game</source>
        <translation>jede Ansage darf das Spiel eröffnen</translation>
    </message>
    <message>
        <source>no call beats %1</source>
        <translation>keine Ansage schlägt %1</translation>
    </message>
    <message>
        <source>the weakest call you may make: %1</source>
        <translation>die schwächste Ansage, die Sie machen dürfen: %1</translation>
    </message>
    <message>
        <source>No dice chosen yet: pick how many dice of each face you call, one to five dice in all.</source>
        <translation>Noch keine Würfel gewählt: Wählen Sie, wie viele Würfel jeder Augenzahl Sie ansagen, insgesamt einen bis fünf.</translation>
    </message>
    <message>
        <source>You chose %1 dice: a call names five dice at most. Take some away.</source>
        <translation>Sie haben %1 Würfel gewählt: Eine Ansage nennt höchstens fünf Würfel. Nehmen Sie einige weg.</translation>
    </message>
    <message>
        <source>your dice %1</source>
        <translation>Ihre Würfel %1</translation>
    </message>
</context>
<context>
    <name>Coach</name>
    <message>
        <source>; either is as good against this opponent</source>
        <translation>; gegen diesen Gegner ist beides gleich gut</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keinen</translation>
    </message>
    <message>
        <source>one</source>
        <translation>einen</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
    <message>
        <source>throw all %1 %2</source>
        <translation>alle %1 werfen %2</translation>
    </message>
    <message>
        <source>keep %1 and throw %2 %3</source>
        <translation>%1 behalten und %2 werfen %3</translation>
    </message>
    <message>
        <source>call at once %1</source>
        <translation>sofort ansagen %1</translation>
    </message>
    <message>
        <source>best call %1 %2</source>
        <translation>beste Ansage %1 %2</translation>
    </message>
    <message>
        <source>, or %1 %2</source>
        <translation>, oder %1 %2</translation>
    </message>
    <message>
        <source>The coach: the chances against this computer are being worked out; meanwhile each chance is the solved game&apos;s, both seats playing its equilibrium from here on</source>
        <translation>Der Trainer: Die Wahrscheinlichkeiten gegen diesen Computer werden gerade berechnet; bis dahin ist jede Wahrscheinlichkeit die des gelösten Spiels, wenn beide Seiten von hier an sein Gleichgewicht spielen</translation>
    </message>
    <message>
        <source>The coach: each chance is your chance of winning against the Classic computer, you playing as well as can be against its play from here on</source>
        <translation>Der Trainer: Jede Wahrscheinlichkeit ist Ihre Gewinnwahrscheinlichkeit gegen den klassischen Computer, wenn Sie von hier an so gut wie möglich gegen sein Spiel spielen</translation>
    </message>
    <message>
        <source>The coach: each chance is your chance of winning against the Expert, both seats playing the solved game&apos;s equilibrium from here on</source>
        <translation>Der Trainer: Jede Wahrscheinlichkeit ist Ihre Gewinnwahrscheinlichkeit gegen Expert, wenn beide Seiten von hier an das Gleichgewicht des gelösten Spiels spielen</translation>
    </message>
    <message>
        <source>The coach: each chance is your chance of winning against the Master as it plays now, you playing as well as can be against it from here on; it learns from each game</source>
        <translation>Der Trainer: Jede Wahrscheinlichkeit ist Ihre Gewinnwahrscheinlichkeit gegen Master, wie er jetzt spielt, wenn Sie von hier an so gut wie möglich gegen ihn spielen; er lernt aus jedem Spiel</translation>
    </message>
    <message>
        <source>The coach: each chance is the solved game&apos;s, both seats playing its equilibrium from here on; against this computer the best action may differ</source>
        <translation>Der Trainer: Jede Wahrscheinlichkeit ist die des gelösten Spiels, wenn beide Seiten von hier an sein Gleichgewicht spielen; gegen diesen Computer kann die beste Handlung eine andere sein</translation>
    </message>
    <message>
        <source>computing… meanwhile the equilibrium&apos;s: </source>
        <translation>wird berechnet … bis dahin die des Gleichgewichts: </translation>
    </message>
    <message>
        <source>computing…</source>
        <translation>wird berechnet …</translation>
    </message>
    <message>
        <source>The coach has no solved game: %1</source>
        <translation>Der Trainer hat kein gelöstes Spiel: %1</translation>
    </message>
    <message>
        <source>this call %1</source>
        <translation>diese Ansage %1</translation>
    </message>
    <message>
        <source>Trust %1, do not trust %2</source>
        <translation>Trauen %1, nicht trauen %2</translation>
    </message>
    <message>
        <source>; the Master expects you to trust it %1</source>
        <translation>; Master erwartet, dass Sie ihr zu %1 trauen</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>This time it trusted it.</source>
        <translation>Diesmal hat er ihr getraut.</translation>
    </message>
    <message>
        <source>This time it did not.</source>
        <translation>Diesmal nicht.</translation>
    </message>
    <message>
        <source>In the solved game the Expert trusts your call %1 here with a chance of %2. %3</source>
        <translation>Im gelösten Spiel traut Expert Ihrer Ansage %1 hier mit einer Wahrscheinlichkeit von %2. %3</translation>
    </message>
    <message>
        <source>The computer gave your call %1 a chance of %2 to be true, and itself a chance of %3 to beat it.</source>
        <translation>Der Computer gab Ihrer Ansage %1 eine Wahrscheinlichkeit von %2, wahr zu sein, und sich selbst eine von %3, sie zu überbieten.</translation>
    </message>
    <message>
        <source>After your profile it put the chance at %1.</source>
        <translation>Nach Ihrem Profil setzte er die Wahrscheinlichkeit auf %1.</translation>
    </message>
    <message>
        <source>It trusted your call.</source>
        <translation>Er hat Ihrer Ansage getraut.</translation>
    </message>
    <message>
        <source>It did not trust your call.</source>
        <translation>Er hat Ihrer Ansage nicht getraut.</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Your dice</source>
        <translation>Ihre Würfel</translation>
    </message>
    <message>
        <source>The game threw your five dice for you. Only you can see them.</source>
        <translation>Das Spiel hat Ihre fünf Würfel für Sie geworfen. Nur Sie sehen sie.</translation>
    </message>
    <message>
        <source>The blue turn marker</source>
        <translation>Die blaue Zugmarke</translation>
    </message>
    <message>
        <source>The blue square beside a name shows whose turn it is.</source>
        <translation>Das blaue Quadrat neben einem Namen zeigt, wer am Zug ist.</translation>
    </message>
    <message>
        <source>The countdown</source>
        <translation>Der Countdown</translation>
    </message>
    <message>
        <source>The figure at the top counts down your turn, but it never ends it: take your time.</source>
        <translation>Die Zahl oben zählt Ihren Zug herunter, beendet ihn aber nie: Lassen Sie sich Zeit.</translation>
    </message>
    <message>
        <source>Call (C)</source>
        <translation>Call (C)</translation>
    </message>
    <message>
        <source>Call opens the call dialog: you announce a hand that beats the last call. It need not be true.</source>
        <translation>Call öffnet den Ansagedialog: Sie sagen eine Hand an, die die letzte Ansage schlägt. Sie muss nicht stimmen.</translation>
    </message>
    <message>
        <source>The call dialog</source>
        <translation>Der Ansagedialog</translation>
    </message>
    <message>
        <source>Choose the dice of your call and press OK. AI then trusts it or not; if not, the dice are shown and decide the game.</source>
        <translation>Wählen Sie die Würfel Ihrer Ansage und drücken Sie OK. AI traut ihr dann oder nicht; wenn nicht, werden die Würfel aufgedeckt und entscheiden das Spiel.</translation>
    </message>
    <message>
        <source>Trust (T) and XTrust (X)</source>
        <translation>Trust (T) und XTrust (X)</translation>
    </message>
    <message>
        <source>AI has called. Trust takes over its hidden dice, and you must call higher. XTrust shows the dice: a call they do not hold loses.</source>
        <translation>AI hat angesagt. Trust übernimmt seine verdeckten Würfel, und Sie müssen höher ansagen. XTrust deckt die Würfel auf: Eine Ansage, die sie nicht enthalten, verliert.</translation>
    </message>
    <message>
        <source>The logs</source>
        <translation>Die Protokolle</translation>
    </message>
    <message>
        <source>The left log lists the calls of the game, the right one the dice each caller kept.</source>
        <translation>Das linke Protokoll listet die Ansagen des Spiels, das rechte die Würfel, die jeder Ansager behielt.</translation>
    </message>
    <message>
        <source>Change (H) and Roll (R)</source>
        <translation>Change (H) und Roll (R)</translation>
    </message>
    <message>
        <source>Change lets you throw dice again: click a die (or press 1 to 5) to mark or keep it, then Roll throws the marked ones.</source>
        <translation>Mit Change werfen Sie Würfel neu: Klicken Sie einen Würfel an (oder drücken Sie 1 bis 5), um ihn zu markieren oder zu behalten; Roll wirft dann die markierten.</translation>
    </message>
    <message>
        <source>The coach (A)</source>
        <translation>Der Trainer (A)</translation>
    </message>
    <message>
        <source>Press A at any time: the coach shows each action&apos;s chance of winning under this line. A again hides it.</source>
        <translation>Drücken Sie jederzeit A: Der Trainer zeigt unter dieser Zeile die Gewinnchance jeder Aktion. Erneut A blendet ihn aus.</translation>
    </message>
    <message>
        <source>The score</source>
        <translation>Der Spielstand</translation>
    </message>
    <message>
        <source>Games won / games played since you signed in. The guided game is not counted.</source>
        <translation>Gewonnene / gespielte Spiele seit der Anmeldung. Das geführte Spiel wird nicht gezählt.</translation>
    </message>
    <message>
        <source>Guided game: %1.</source>
        <translation>Geführtes Spiel: %1.</translation>
    </message>
</context>
<context>
    <name>HandCounts</name>
    <message>
        <source>no</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>one</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>fünf</translation>
    </message>
</context>
<context>
    <name>Hands</name>
    <message>
        <source>ace</source>
        <translation>Ass</translation>
    </message>
    <message>
        <source>two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <source>four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <source>five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <source>six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>Asse</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>Zweien</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>Dreien</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>Vieren</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>Fünfen</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>Sechsen</translation>
    </message>
    <message>
        <source>a single %1</source>
        <translation>einzeln: %1</translation>
    </message>
    <message>
        <source>no two alike</source>
        <translation>keine zwei gleich</translation>
    </message>
    <message>
        <source>%1 different dice</source>
        <translation>%1 verschiedene Würfel</translation>
    </message>
    <message>
        <source>no dice</source>
        <translation>keine Würfel</translation>
    </message>
    <message>
        <source>five of a kind, %1</source>
        <translation>Fünfling, %1</translation>
    </message>
    <message>
        <source>four %1</source>
        <translation>vier %1</translation>
    </message>
    <message>
        <source>full house, %1 over %2</source>
        <translation>Full House, %1 über %2</translation>
    </message>
    <message>
        <source>three %1</source>
        <translation>drei %1</translation>
    </message>
    <message>
        <source>two pairs, %1 and %2</source>
        <translation>zwei Paare, %1 und %2</translation>
    </message>
    <message>
        <source>a pair of %1</source>
        <translation>ein Paar %1</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Welcome</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tisch</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Ansage</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Sign in and go to the table</source>
        <translation>Anmelden und an den Tisch gehen</translation>
    </message>
    <message>
        <source>Announce a call</source>
        <translation>Eine Ansage machen</translation>
    </message>
    <message>
        <source>Choose dice to throw again (Change)</source>
        <translation>Würfel zum erneuten Werfen wählen (Change)</translation>
    </message>
    <message>
        <source>1 to 5</source>
        <translation>1 bis 5</translation>
    </message>
    <message>
        <source>Mark or unmark a die for the new throw</source>
        <translation>Einen Würfel für den neuen Wurf markieren oder die Markierung aufheben</translation>
    </message>
    <message>
        <source>Throw the marked dice (Roll)</source>
        <translation>Die markierten Würfel werfen (Roll)</translation>
    </message>
    <message>
        <source>Keep the dice as they are (Cancel)</source>
        <translation>Die Würfel so lassen, wie sie sind (Cancel)</translation>
    </message>
    <message>
        <source>Trust the last call</source>
        <translation>Der letzten Ansage trauen</translation>
    </message>
    <message>
        <source>Do not trust the last call (XTrust)</source>
        <translation>Der letzten Ansage nicht trauen (XTrust)</translation>
    </message>
    <message>
        <source>Show or hide the coach</source>
        <translation>Den Trainer zeigen oder verbergen</translation>
    </message>
    <message>
        <source>Play again, when the end of a game shows in the status line</source>
        <translation>Noch einmal spielen, wenn das Ende eines Spiels in der Statuszeile steht</translation>
    </message>
    <message>
        <source>Stop, when the end of a game shows in the status line</source>
        <translation>Aufhören, wenn das Ende eines Spiels in der Statuszeile steht</translation>
    </message>
    <message>
        <source>1 to 6</source>
        <translation>1 bis 6</translation>
    </message>
    <message>
        <source>Add one die of that face to the call</source>
        <translation>Einen Würfel dieser Augenzahl zur Ansage hinzufügen</translation>
    </message>
    <message>
        <source>Send the call (OK)</source>
        <translation>Die Ansage abschicken (OK)</translation>
    </message>
    <message>
        <source>Close without calling (Cancel)</source>
        <translation>Ohne Ansage schließen (Cancel)</translation>
    </message>
    <message>
        <source>The three windows</source>
        <translation>Die drei Fenster</translation>
    </message>
    <message>
        <source>Welcome: type your name, tick the rule options you want, choose the computer you play against and press OK. The computer keeps a profile of your calls under your name; the top line says in which folder your files are.</source>
        <translation>Willkommen: Geben Sie Ihren Namen ein, kreuzen Sie die gewünschten Regeloptionen an, wählen Sie den Computer, gegen den Sie spielen, und drücken Sie OK. Der Computer führt unter Ihrem Namen ein Profil Ihrer Ansagen; die oberste Zeile nennt den Ordner, in dem Ihre Dateien liegen.</translation>
    </message>
    <message>
        <source>Table: your dice are the five buttons in the middle. The call log on the left lists every call of the game, the fix log beside it the dice each caller kept. The figures at the top right are the games you have won and played.</source>
        <translation>Tisch: Ihre Würfel sind die fünf Knöpfe in der Mitte. Das Ansageprotokoll links führt jede Ansage des Spiels auf, das Protokoll daneben die Würfel, die jeder Ansager behalten hat. Die Zahlen oben rechts sind die gewonnenen und die gespielten Spiele.</translation>
    </message>
    <message>
        <source>Call: one row per face, one column per number of dice. Choose in each row how many dice of that face you call; the line at the bottom shows the call. OK sends it, Cancel closes the window.</source>
        <translation>Ansage: eine Zeile je Augenzahl, eine Spalte je Anzahl Würfel. Wählen Sie in jeder Zeile, wie viele Würfel dieser Augenzahl Sie ansagen; die Zeile unten zeigt die Ansage. OK schickt sie ab, Cancel schließt das Fenster.</translation>
    </message>
    <message>
        <source>How a turn goes</source>
        <translation>Wie ein Zug abläuft</translation>
    </message>
    <message>
        <source>You start with five fresh dice. Press Call and announce a hand; the computer then either does not trust you, and the dice decide the game, or trusts you, throws some dice and calls higher.</source>
        <translation>Sie beginnen mit fünf frischen Würfeln. Drücken Sie Call und sagen Sie ein Blatt an; der Computer traut Ihnen dann entweder nicht, und die Würfel entscheiden das Spiel, oder er traut Ihnen, wirft einige Würfel und sagt höher an.</translation>
    </message>
    <message>
        <source>Then it is your move: Trust takes over the computer&apos;s dice, XTrust shows them. After trusting you may press Change, click the dice to throw again (marked with X) and press Roll, or Cancel to keep them; then you must call higher.</source>
        <translation>Dann sind Sie am Zug: Trust übernimmt die Würfel des Computers, XTrust deckt sie auf. Nachdem Sie getraut haben, können Sie Change drücken, die Würfel zum erneuten Werfen anklicken (mit X markiert) und Roll drücken, oder Cancel, um sie zu behalten; dann müssen Sie höher ansagen.</translation>
    </message>
    <message>
        <source>After each game you are asked whether to continue. Stopping saves your profile and shows how many games you played and won.</source>
        <translation>Nach jedem Spiel werden Sie gefragt, ob Sie weiterspielen. Wenn Sie aufhören, wird Ihr Profil gespeichert, und Sie sehen, wie viele Spiele Sie gespielt und gewonnen haben.</translation>
    </message>
    <message>
        <source>Classic judges every call with the exact chances of the dice and learns your habits: the profile of your calls tells it how often you bluff. Help, Your profile shows what it has learnt.</source>
        <translation>Classic beurteilt jede Ansage mit den exakten Wahrscheinlichkeiten der Würfel und lernt Ihre Gewohnheiten: Das Profil Ihrer Ansagen sagt ihm, wie oft Sie bluffen. Hilfe, Ihr Profil zeigt, was er gelernt hat.</translation>
    </message>
    <message>
        <source>The Expert plays the solved game: in every position it calls, trusts and throws in the proportions of the game&apos;s equilibrium, the best mix of bluffs and honest calls against any player. It does not learn, and cannot be beaten in the long run by reading its habits. If its solved game cannot be read, the classic computer plays instead and a message says why.</source>
        <translation>Expert spielt das gelöste Spiel: In jeder Lage sagt er an, traut und wirft in den Anteilen des Gleichgewichts des Spiels, der besten Mischung aus Bluffs und ehrlichen Ansagen gegen jeden Spieler. Er lernt nicht und ist auf Dauer nicht zu schlagen, indem man seine Gewohnheiten liest. Kann sein gelöstes Spiel nicht gelesen werden, spielt stattdessen der klassische Computer, und eine Meldung sagt, warum.</translation>
    </message>
    <message>
        <source>The coach</source>
        <translation>Der Trainer</translation>
    </message>
    <message>
        <source>The coach is off when you sign in. A game in which you used it is marked so in its history and in the record of games.</source>
        <translation>Der Trainer ist aus, wenn Sie sich anmelden. Ein Spiel, in dem Sie ihn benutzt haben, wird in seiner Chronik und in der Aufzeichnung der Spiele so gekennzeichnet.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Help, Statistics shows the record of your games: games and wins with a moving win rate, the win rates by rule options and by computer with their 95 % intervals, calls and challenges, and whether the dice fall as fair dice do.</source>
        <translation>Hilfe, Statistik zeigt die Aufzeichnung Ihrer Spiele: Spiele und Siege mit gleitender Gewinnquote, die Gewinnquoten nach Regeloptionen und nach Computer mit ihren 95-%-Intervallen, Ansagen und Herausforderungen, und ob die Würfel fallen, wie faire Würfel es tun.</translation>
    </message>
    <message>
        <source>The Games tab lists every game. Review steps through one game call by call and shows what the computer weighed; Export writes the selected games, or all of them when none is selected, as CSV or JSON.</source>
        <translation>Der Reiter Spiele listet jedes Spiel auf. Nachspielen geht ein Spiel Ansage für Ansage durch und zeigt, was der Computer abgewogen hat; Exportieren schreibt die ausgewählten Spiele, oder alle, wenn keines ausgewählt ist, als CSV oder JSON.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Every button can be pressed from the keyboard:</source>
        <translation>Jeder Knopf lässt sich mit der Tastatur drücken:</translation>
    </message>
    <message>
        <source>%1: %2 - %3</source>
        <translation>%1: %2 – %3</translation>
    </message>
    <message>
        <source>Tab moves between the controls and Space presses the one that has the focus. Keys do not reach a button while you type in a text box.</source>
        <translation>Tab wechselt zwischen den Bedienelementen, und die Leertaste drückt das, das den Fokus hat. Tasten erreichen keinen Knopf, während Sie in ein Textfeld tippen.</translation>
    </message>
    <message>
        <source>Playing Quintel</source>
        <translation>Quintel spielen</translation>
    </message>
    <message>
        <source>The three computers</source>
        <translation>Die drei Computer</translation>
    </message>
    <message>
        <source>The Master starts as the Expert and learns how you play: your calls after a throw, your trust and doubt of each call, the dice you keep. It keeps what it learnt under your name for each set of rule options, until your profile starts again. Where it has seen you often enough it answers your habits instead of the equilibrium, but only as far as a player who knew its answers could win at most its risk more than against the Expert: 2 % of a game unless you choose otherwise in Help, Settings, The Master&apos;s risk. It risks less the less it has seen of you.</source>
        <translation>Master beginnt als Expert und lernt, wie Sie spielen: Ihre Ansagen nach einem Wurf, Ihr Vertrauen und Ihren Zweifel bei jeder Ansage, die Würfel, die Sie behalten. Was er gelernt hat, bewahrt er unter Ihrem Namen für jede Zusammenstellung von Regeloptionen auf, bis Ihr Profil neu beginnt. Wo er Sie oft genug gesehen hat, antwortet er auf Ihre Gewohnheiten statt mit dem Gleichgewicht, aber nur so weit, dass ein Spieler, der seine Antworten kennt, höchstens sein Risiko mehr gewinnen kann als gegen Expert: 2 % eines Spiels, sofern Sie unter Hilfe, Einstellungen, Das Risiko des Masters nichts anderes wählen. Je weniger er von Ihnen gesehen hat, desto weniger riskiert er.</translation>
    </message>
    <message>
        <source>The guided first game</source>
        <translation>Das geführte erste Spiel</translation>
    </message>
    <message>
        <source>At your first sign-in, and from Help, Play a guided first game at the table, you may play one game whose throws are always the same, in which a box beside each control says what it does as it becomes live. Skip, or Esc on the box, ends the guidance and the game goes on.</source>
        <translation>Bei Ihrer ersten Anmeldung und über Hilfe, Ein geführtes erstes Spiel spielen am Tisch können Sie ein Spiel mit stets denselben Würfen spielen, in dem ein Kasten neben jedem Bedienelement sagt, was es tut, sobald es nutzbar wird. Überspringen oder Esc auf dem Kasten beendet die Führung, und das Spiel geht weiter.</translation>
    </message>
    <message>
        <source>The guided game is written to your history like any game, but it is not counted in your figures, your profile or the record of games.</source>
        <translation>Das geführte Spiel wird wie jedes Spiel in Ihre Chronik geschrieben, zählt aber nicht in Ihrem Spielstand, Ihrem Profil oder der Aufzeichnung der Spiele.</translation>
    </message>
    <message>
        <source>At the table, press A or choose Coach in the Help menu: below the status line the coach shows, for every action open to you now, your chance of winning the game against the computer you face: against the Classic computer and the Master if you answer their play as well as can be from here on, against the Expert if both players play the solved game. When two actions show the same chance, either is as good.</source>
        <translation>Drücken Sie am Tisch A oder wählen Sie Trainer im Menü Hilfe: Unter der Statuszeile zeigt der Trainer für jede Handlung, die Ihnen jetzt offensteht, Ihre Gewinnwahrscheinlichkeit gegen den Computer, gegen den Sie spielen: gegen den klassischen Computer und Master, wenn Sie von hier an so gut wie möglich auf ihr Spiel antworten, gegen Expert, wenn beide Spieler das gelöste Spiel spielen. Zeigen zwei Handlungen dieselbe Wahrscheinlichkeit, ist jede so gut wie die andere.</translation>
    </message>
</context>
<context>
    <name>Leaks</name>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>you trust %1 after the computer kept %2 too often: %3 against the best %4</source>
        <translation>Sie trauen der Ansage %1 zu oft, nachdem der Computer %2 behalten hat: %3 gegenüber %4 im besten Spiel</translation>
    </message>
    <message>
        <source>you trust %1 after the computer kept %2 too seldom: %3 against the best %4</source>
        <translation>Sie trauen der Ansage %1 zu selten, nachdem der Computer %2 behalten hat: %3 gegenüber %4 im besten Spiel</translation>
    </message>
    <message>
        <source>you call %1 after keeping %2, which the best play never does there: %3 of them are bluffs</source>
        <translation>Sie sagen %1 an, nachdem Sie %2 behalten haben, was das beste Spiel dort nie tut: %3 davon sind Bluffs</translation>
    </message>
    <message>
        <source>you bluff %1 after keeping %2 too often: %3 of your calls against the best %4</source>
        <translation>Sie bluffen mit %1 zu oft, nachdem Sie %2 behalten haben: %3 Ihrer Ansagen gegenüber %4 im besten Spiel</translation>
    </message>
    <message>
        <source>you bluff %1 after keeping %2 too seldom: %3 of your calls against the best %4</source>
        <translation>Sie bluffen mit %1 zu selten, nachdem Sie %2 behalten haben: %3 Ihrer Ansagen gegenüber %4 im besten Spiel</translation>
    </message>
    <message>
        <source>you keep %1</source>
        <translation>behalten Sie %1</translation>
    </message>
    <message>
        <source>you call %1 at once</source>
        <translation>sagen Sie sofort %1 an</translation>
    </message>
    <message>
        <source>the best play keeps %1</source>
        <translation>das beste Spiel %1 behält</translation>
    </message>
    <message>
        <source>the best play calls %1 at once</source>
        <translation>das beste Spiel sofort %1 ansagt</translation>
    </message>
    <message>
        <source>after trusting %1 and taking over %2, %3 %4 of the time, where %5</source>
        <translation>nachdem Sie der Ansage %1 getraut und %2 übernommen haben, %3 (in %4 der Fälle), während %5</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>A perfect opponent would win %1 against your habits, no more than against the best play.</source>
        <translation>Ein perfekter Gegner würde gegen Ihre Gewohnheiten %1 gewinnen, nicht mehr als gegen das beste Spiel.</translation>
    </message>
    <message>
        <source>A perfect opponent would win %1 against your habits, one point more than against the best play.</source>
        <translation>Ein perfekter Gegner würde gegen Ihre Gewohnheiten %1 gewinnen, einen Punkt mehr als gegen das beste Spiel.</translation>
    </message>
    <message>
        <source>A perfect opponent would win %1 against your habits, %2 points more than against the best play.</source>
        <translation>Ein perfekter Gegner würde gegen Ihre Gewohnheiten %1 gewinnen, %2 Punkte mehr als gegen das beste Spiel.</translation>
    </message>
    <message>
        <source>Fix Any + Fix Permanent</source>
        <translation>Fix Any + Fix Permanent</translation>
    </message>
    <message>
        <source>Fix Any</source>
        <translation>Fix Any</translation>
    </message>
    <message>
        <source>Fix Permanent</source>
        <translation>Fix Permanent</translation>
    </message>
    <message>
        <source>No options</source>
        <translation>Ohne Optionen</translation>
    </message>
    <message>
        <source>No games of yours are recorded under these options.</source>
        <translation>Unter diesen Optionen sind keine Spiele von Ihnen aufgezeichnet.</translation>
    </message>
    <message>
        <source>Too few games to tell your habits from chance: %1 played, %2 needed.</source>
        <translation>Zu wenige Spiele, um Ihre Gewohnheiten vom Zufall zu unterscheiden: %1 gespielt, %2 nötig.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Your choice: %1 to win; the best choice: %2</source>
        <translation>Ihre Wahl: %1 Gewinnchance; die beste Wahl: %2</translation>
    </message>
    <message>
        <source>No games recorded yet</source>
        <translation>Noch keine Spiele aufgezeichnet</translation>
    </message>
    <message>
        <source>Games won, and the win rate of the last %1 games</source>
        <translation>Gewonnene Spiele und die Gewinnquote der letzten %1 Spiele</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnene Spiele</translation>
    </message>
    <message>
        <source>Moving win rate</source>
        <translation>Gleitende Gewinnquote</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Gewinnquote</translation>
    </message>
    <message>
        <source>Win rate with its 95 % interval</source>
        <translation>Gewinnquote mit ihrem 95-%-Intervall</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Win rate, with its 95 % interval</source>
        <translation>Gewinnquote, mit ihrem 95-%-Intervall</translation>
    </message>
    <message>
        <source>Games by the number of calls made</source>
        <translation>Spiele nach der Zahl der Ansagen</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>Calls not trusted, and how often that was right</source>
        <translation>Nicht getraute Ansagen und wie oft das richtig war</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Sie</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>Not trusted</source>
        <translation>Nicht getraut</translation>
    </message>
    <message>
        <source>Right not to trust</source>
        <translation>Zu Recht nicht getraut</translation>
    </message>
    <message>
        <source>No dice thrown yet</source>
        <translation>Noch keine Würfel geworfen</translation>
    </message>
    <message>
        <source>Every die thrown, by its face</source>
        <translation>Jeder geworfene Würfel nach Augenzahl</translation>
    </message>
    <message>
        <source>Thrown</source>
        <translation>Geworfen</translation>
    </message>
    <message>
        <source>Expected of fair dice</source>
        <translation>Erwartet bei fairen Würfeln</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>The Master now expects this choice of you here %1 of the time.</source>
        <translation>Master erwartet diese Wahl von Ihnen hier jetzt in %1 der Fälle.</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>The hands</source>
        <translation>Die Blätter</translation>
    </message>
    <message>
        <source>The five dice are read as a hand, like a poker hand without straights. From the weakest to the strongest:</source>
        <translation>Die fünf Würfel werden als Blatt gelesen, wie ein Pokerblatt ohne Straßen. Vom schwächsten zum stärksten:</translation>
    </message>
    <message>
        <source>Within a kind, the faces decide: the ace (1) is the highest face, then 6, 5, 4, 3 and 2. A hand is compared group by group, the biggest group first, so a pair of aces beats a pair of sixes, and 66331 beats 66225 because its second pair is higher. Five dice in a row count for nothing: 65432 is no two alike.</source>
        <translation>Innerhalb einer Art entscheiden die Augen: Das Ass (1) ist die höchste Augenzahl, dann 6, 5, 4, 3 und 2. Blätter werden Gruppe für Gruppe verglichen, die größte Gruppe zuerst; so schlägt ein Paar Asse ein Paar Sechsen, und 66331 schlägt 66225, weil sein zweites Paar höher ist. Fünf Würfel in einer Reihe zählen nichts: 65432 sind lauter verschiedene.</translation>
    </message>
    <message>
        <source>No two alike</source>
        <translation>Lauter verschiedene</translation>
    </message>
    <message>
        <source>One pair</source>
        <translation>Ein Paar</translation>
    </message>
    <message>
        <source>Two pairs</source>
        <translation>Zwei Paare</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Full House</translation>
    </message>
    <message>
        <source>Four of a kind</source>
        <translation>Vierling</translation>
    </message>
    <message>
        <source>Five of a kind</source>
        <translation>Fünfling</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Ansagen</translation>
    </message>
    <message>
        <source>You open every game: you throw five fresh dice and make the first call, and the computer answers it.</source>
        <translation>Sie eröffnen jedes Spiel: Sie werfen fünf frische Würfel und machen die erste Ansage, und der Computer antwortet darauf.</translation>
    </message>
    <message>
        <source>The player to move looks at the dice, hidden from the other player, and calls a hand of one to five dice: the call 66 claims that the dice hold at least two sixes, whatever the other three are.</source>
        <translation>Wer am Zug ist, sieht sich die Würfel verdeckt vor dem anderen an und sagt ein Blatt aus einem bis fünf Würfeln an: Die Ansage 66 behauptet, dass die Würfel mindestens zwei Sechsen enthalten, was auch immer die anderen drei sind.</translation>
    </message>
    <message>
        <source>Each call must beat the last call of the game; the first call may be anything. A call of a higher kind beats any call of a lower kind, so a pair of twos beats 16543. Between calls of the same kind the faces decide, group by group as for hands. A shorter call loses to a longer one that matches it as far as it goes: 665 beats 66. The same call twice does not beat itself.</source>
        <translation>Jede Ansage muss die letzte Ansage des Spiels schlagen; die erste Ansage darf beliebig sein. Eine Ansage einer höheren Art schlägt jede Ansage einer niedrigeren Art, also schlägt ein Paar Zweien 16543. Zwischen Ansagen derselben Art entscheiden die Augen, Gruppe für Gruppe wie bei Blättern. Eine kürzere Ansage verliert gegen eine längere, die ihr so weit entspricht, wie sie reicht: 665 schlägt 66. Dieselbe Ansage zweimal schlägt sich nicht selbst.</translation>
    </message>
    <message>
        <source>beats 16543</source>
        <translation>schlägt 16543</translation>
    </message>
    <message>
        <source>beats 66</source>
        <translation>schlägt 66</translation>
    </message>
    <message>
        <source>beats 66554</source>
        <translation>schlägt 66554</translation>
    </message>
    <message>
        <source>Trusting or not</source>
        <translation>Trauen oder nicht</translation>
    </message>
    <message>
        <source>When the other player has called, you either trust the call or you do not.</source>
        <translation>Hat der andere angesagt, trauen Sie der Ansage entweder oder nicht.</translation>
    </message>
    <message>
        <source>Trust: you take over the dice and see them. You may throw some of them again once, then you must call higher than the call you trusted, truthfully or not. Nothing beats 11111, so a call of five aces cannot be trusted.</source>
        <translation>Trauen (Trust): Sie übernehmen die Würfel und sehen sie. Sie dürfen einige davon einmal neu werfen, dann müssen Sie höher ansagen als die Ansage, der Sie getraut haben, ob wahr oder nicht. Nichts schlägt 11111, darum kann man einer Ansage von fünf Assen nicht trauen.</translation>
    </message>
    <message>
        <source>Do not trust (XTrust): the dice are shown. If they hold every die of the call, the caller wins the game; if even one die of the call is missing, the one who did not trust wins. A call of 665 is held by 66535 but not by 66432.</source>
        <translation>Nicht trauen (XTrust): Die Würfel werden aufgedeckt. Enthalten sie jeden Würfel der Ansage, gewinnt der Ansager das Spiel; fehlt auch nur ein Würfel der Ansage, gewinnt, wer nicht getraut hat. Eine Ansage 665 ist in 66535 enthalten, aber nicht in 66432.</translation>
    </message>
    <message>
        <source>Throwing again</source>
        <translation>Erneut werfen</translation>
    </message>
    <message>
        <source>After trusting, Change lets you throw dice again. If the dice hold the call you trusted, you may keep dice of that call and choose which of them to throw; every other die is thrown again. If they do not hold it, all five are thrown again.</source>
        <translation>Nach dem Trauen können Sie mit Change erneut werfen. Enthalten die Würfel die Ansage, der Sie getraut haben, dürfen Sie Würfel dieser Ansage behalten und wählen, welche davon Sie werfen; jeder andere Würfel wird neu geworfen. Enthalten sie sie nicht, werden alle fünf neu geworfen.</translation>
    </message>
    <message>
        <source>Fix Any: you choose freely which dice to keep and which to throw.</source>
        <translation>Fix Any: Sie wählen frei, welche Würfel Sie behalten und welche Sie werfen.</translation>
    </message>
    <message>
        <source>Fix Permanent: the dice the last caller kept when throwing stay locked; you cannot throw them again.</source>
        <translation>Fix Permanent: Die Würfel, die der letzte Ansager beim Werfen behalten hat, bleiben gesperrt; Sie können sie nicht neu werfen.</translation>
    </message>
    <message>
        <source>The other player sees which dice you kept: the fix log beside the call log shows them with each call.</source>
        <translation>Der andere sieht, welche Würfel Sie behalten haben: Das Protokoll neben dem Ansageprotokoll zeigt sie bei jeder Ansage.</translation>
    </message>
    <message>
        <source>Rules of Quintel</source>
        <translation>Regeln von Quintel</translation>
    </message>
</context>
<context>
    <name>ScreenWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>all five dice</source>
        <translation>alle fünf Würfel</translation>
    </message>
    <message>
        <source>1 die</source>
        <translation>1 Würfel</translation>
    </message>
    <message>
        <source>%1 dice</source>
        <translation>%1 Würfel</translation>
    </message>
    <message>
        <source>%1: your call must beat %2.</source>
        <translation>%1: Ihre Ansage muss %2 schlagen.</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Ansage</translation>
    </message>
    <message>
        <source>%1 kept its five dice</source>
        <translation>%1 hat seine fünf Würfel behalten</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 hat %2 geworfen</translation>
    </message>
    <message>
        <source>%1 kept %2 and threw %3</source>
        <translation>%1 hat %2 behalten und %3 geworfen</translation>
    </message>
    <message>
        <source>Your turn: your dice %1. %2.</source>
        <translation>Sie sind am Zug: Ihre Würfel %1. %2.</translation>
    </message>
    <message>
        <source>Make the first call</source>
        <translation>Machen Sie die erste Ansage</translation>
    </message>
    <message>
        <source>%1; it calls %2: %3. </source>
        <translation>%1; er sagt %2 an: %3. </translation>
    </message>
    <message>
        <source>do not trust it</source>
        <translation>ihr nicht trauen</translation>
    </message>
    <message>
        <source>Nothing beats it: %1.</source>
        <translation>Nichts schlägt sie: %1.</translation>
    </message>
    <message>
        <source>%1 or %2.</source>
        <translation>%1 oder %2.</translation>
    </message>
    <message>
        <source>Trust it</source>
        <translation>Ihr trauen</translation>
    </message>
    <message>
        <source>You trusted %1 and hold %2. %3 or %4: your call must beat %1.</source>
        <translation>Sie haben %1 getraut und halten %2. %3 oder %4: Ihre Ansage muss %1 schlagen.</translation>
    </message>
    <message>
        <source>Change dice</source>
        <translation>Würfel wechseln</translation>
    </message>
    <message>
        <source>call</source>
        <translation>ansagen</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Werfen</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>abbrechen</translation>
    </message>
    <message>
        <source>%1 marked to throw again. </source>
        <translation>%1 zum erneuten Werfen markiert. </translation>
    </message>
    <message>
        <source>No die can be chosen: %1%2</source>
        <translation>Kein Würfel ist wählbar: %1%2</translation>
    </message>
    <message>
        <source>Mark the dice to throw again (keys %1 to %2): %3%4</source>
        <translation>Markieren Sie die Würfel zum erneuten Werfen (Tasten %1 bis %2): %3%4</translation>
    </message>
    <message>
        <source>no dice</source>
        <translation>keine Würfel</translation>
    </message>
    <message>
        <source>You threw %1 and hold %2. %3</source>
        <translation>Sie haben %1 geworfen und halten %2. %3</translation>
    </message>
    <message>
        <source>You did not trust %1</source>
        <translation>Sie haben %1 nicht getraut</translation>
    </message>
    <message>
        <source>%1 did not trust your %2</source>
        <translation>%1 hat Ihrer Ansage %2 nicht getraut</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>Sie gewinnen</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gewinnt</translation>
    </message>
    <message>
        <source>%1; the dice %2 hold it: %3.</source>
        <translation>%1; die Würfel %2 halten sie: %3.</translation>
    </message>
    <message>
        <source>%1; the dice %2 do not hold it: %3.</source>
        <translation>%1; die Würfel %2 halten sie nicht: %3.</translation>
    </message>
    <message>
        <source>Play again (Return) or stop (Esc).</source>
        <translation>Noch einmal spielen (Return) oder aufhören (Esc).</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>The computer you play: %1</source>
        <translation>Der Computer, gegen den Sie spielen: %1</translation>
    </message>
    <message>
        <source>Leave the game in progress? It will not be counted.</source>
        <translation>Das laufende Spiel verlassen? Es wird nicht gezählt.</translation>
    </message>
    <message>
        <source>A countdown that never limits a turn</source>
        <translation>Ein Countdown, der keinen Zug begrenzt</translation>
    </message>
    <message>
        <source>Games you have won since you signed in</source>
        <translation>Seit der Anmeldung gewonnene Spiele</translation>
    </message>
    <message>
        <source>Games won / games played since you signed in</source>
        <translation>Gewonnene / gespielte Spiele seit der Anmeldung</translation>
    </message>
    <message>
        <source>Games played since you signed in</source>
        <translation>Seit der Anmeldung gespielte Spiele</translation>
    </message>
    <message>
        <source>Shows whose turn it is</source>
        <translation>Zeigt, wer am Zug ist</translation>
    </message>
    <message>
        <source>Throw the marked dice</source>
        <translation>Die markierten Würfel werfen</translation>
    </message>
    <message>
        <source>Keep the dice as they are</source>
        <translation>Die Würfel so lassen, wie sie sind</translation>
    </message>
    <message>
        <source>Announce a call</source>
        <translation>Eine Ansage machen</translation>
    </message>
    <message>
        <source>Choose dice to throw again</source>
        <translation>Würfel zum erneuten Werfen wählen</translation>
    </message>
    <message>
        <source>Do not trust the last call: show the dice</source>
        <translation>Der letzten Ansage nicht trauen: die Würfel aufdecken</translation>
    </message>
    <message>
        <source>Trust the last call and take the dice</source>
        <translation>Der letzten Ansage trauen und die Würfel übernehmen</translation>
    </message>
    <message>
        <source>Play the next game</source>
        <translation>Das nächste Spiel spielen</translation>
    </message>
    <message>
        <source>Stop playing and see the tally</source>
        <translation>Aufhören und die Bilanz sehen</translation>
    </message>
    <message>
        <source>Mark or unmark this die for a new throw</source>
        <translation>Diesen Würfel für einen neuen Wurf markieren oder die Markierung aufheben</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>Sign in and go to the table</source>
        <translation>Anmelden und an den Tisch gehen</translation>
    </message>
    <message>
        <source>Choose freely which dice to throw again</source>
        <translation>Frei wählen, welche Würfel erneut geworfen werden</translation>
    </message>
    <message>
        <source>The dice the last caller kept stay locked at the next throw</source>
        <translation>Die Würfel, die der letzte Ansager behalten hat, bleiben beim nächsten Wurf fest</translation>
    </message>
    <message>
        <source>Play the game&apos;s own computer</source>
        <translation>Gegen den eigenen Computer des Spiels spielen</translation>
    </message>
    <message>
        <source>Play a computer that plays the solved game: its best mix of bluffs</source>
        <translation>Gegen einen Computer spielen, der das gelöste Spiel spielt: seine beste Mischung aus Bluffs</translation>
    </message>
    <message>
        <source>Play a computer that plays the solved game and learns your habits, within the risk set in Help, Settings (2 % of a game unless you choose otherwise)</source>
        <translation>Gegen einen Computer spielen, der das gelöste Spiel spielt und Ihre Gewohnheiten lernt, im Rahmen des Risikos, das unter Hilfe, Einstellungen gewählt ist (2 % eines Spiels, sofern Sie nichts anderes wählen)</translation>
    </message>
    <message>
        <source>Play the outside engine %1</source>
        <translation>Gegen die externe Engine %1 spielen</translation>
    </message>
</context>
<context>
    <name>quintel::DiceRowWidget</name>
    <message>
        <source>no dice</source>
        <translation>keine Würfel</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>quintel::ExportDialog</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON-Dateien (*.json)</translation>
    </message>
</context>
<context>
    <name>quintel::GameReviewWindow</name>
    <message>
        <source>Kept</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Thrown</source>
        <translation>Geworfen</translation>
    </message>
    <message>
        <source>Computer&apos;s &amp;notes</source>
        <translation>&amp;Notizen des Computers</translation>
    </message>
    <message>
        <source>What the computer wrote while it weighed the call:</source>
        <translation>Was der Computer schrieb, während er die Ansage abwog:</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Review of game %1</source>
        <translation>Spiel %1 nachspielen</translation>
    </message>
    <message>
        <source>The computer&apos;s judgement</source>
        <translation>Das Urteil des Computers</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>Dice shown</source>
        <translation>Aufgedeckte Würfel</translation>
    </message>
    <message>
        <source>Called</source>
        <translation>Angesagt</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(nichts)</translation>
    </message>
</context>
<context>
    <name>quintel::GamesTableModel</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Started (UTC)</source>
        <translation>Begonnen (UTC)</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Gegner</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Ansagen</translation>
    </message>
    <message>
        <source>Did not trust</source>
        <translation>Nicht getraut</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gewonnen</translation>
    </message>
</context>
<context>
    <name>quintel::GuideOverlay</name>
    <message>
        <source>Play it</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>End the guidance; the game goes on (Esc)</source>
        <translation>Die Führung beenden; das Spiel geht weiter (Esc)</translation>
    </message>
    <message>
        <source>Play a guided first game</source>
        <translation>Ein geführtes erstes Spiel spielen</translation>
    </message>
    <message>
        <source>The same throws every time, each control explained as it becomes live. It does not count in your statistics.</source>
        <translation>Jedes Mal dieselben Würfe, jedes Bedienelement erklärt, sobald es nutzbar wird. Es zählt nicht in Ihrer Statistik.</translation>
    </message>
    <message>
        <source>Guided game</source>
        <translation>Geführtes Spiel</translation>
    </message>
    <message>
        <source>The guided game starts with the next game.</source>
        <translation>Das geführte Spiel beginnt mit dem nächsten Spiel.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>quintel::InfoWindows</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Your profile</source>
        <translation>Ihr Profil</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Trainer</translation>
    </message>
    <message>
        <source>Play a guided first game</source>
        <translation>Ein geführtes erstes Spiel spielen</translation>
    </message>
</context>
<context>
    <name>quintel::LeaksWindow</name>
    <message>
        <source>Where your habits cost you games, from what the computer has seen of your play, against the best play of the solved game. Each option set is a game of its own.</source>
        <translation>Wo Ihre Gewohnheiten Sie Spiele kosten, nach dem, was der Computer von Ihrem Spiel gesehen hat, gemessen am besten Spiel des gelösten Spiels. Jede Kombination von Optionen ist ein eigenes Spiel.</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>Wird berechnet …</translation>
    </message>
    <message>
        <source>Leaks of %1</source>
        <translation>Schwächen von %1</translation>
    </message>
    <message>
        <source>The record of games cannot be read: %1</source>
        <translation>Die Aufzeichnung der Spiele kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>No games of yours are recorded yet.</source>
        <translation>Es sind noch keine Spiele von Ihnen aufgezeichnet.</translation>
    </message>
    <message>
        <source>Working out your leaks under %1…</source>
        <translation>Ihre Schwächen unter %1 werden berechnet …</translation>
    </message>
    <message>
        <source>Your leaks cannot be worked out: %1</source>
        <translation>Ihre Schwächen können nicht berechnet werden: %1</translation>
    </message>
    <message>
        <source>None of your habits that the computer has seen gives anything away.</source>
        <translation>Keine Ihrer Gewohnheiten, die der Computer gesehen hat, verschenkt etwas.</translation>
    </message>
    <message>
        <source>Where you lose the most:</source>
        <translation>Wo Sie am meisten verlieren:</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>From %1 games.</source>
        <translation>Aus %1 Spielen.</translation>
    </message>
</context>
<context>
    <name>quintel::ProfileBarsWidget</name>
    <message>
        <source>Calls</source>
        <translation>Ansagen</translation>
    </message>
    <message>
        <source>Share of those calls that understated the dice</source>
        <translation>Anteil dieser Ansagen, die weniger behaupteten, als die Würfel zeigten</translation>
    </message>
    <message>
        <source>The computer&apos;s estimate that your call is true</source>
        <translation>Die Schätzung des Computers, dass Ihre Ansage wahr ist</translation>
    </message>
    <message>
        <source>No calls yet: play a game first.</source>
        <translation>Noch keine Ansagen: Spielen Sie zuerst ein Spiel.</translation>
    </message>
</context>
<context>
    <name>quintel::ProfileChartWindow</name>
    <message>
        <source>Your profile</source>
        <translation>Ihr Profil</translation>
    </message>
    <message>
        <source>Profile of %1</source>
        <translation>Profil von %1</translation>
    </message>
</context>
<context>
    <name>quintel::SettingsMenu</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Tumbling dice</source>
        <translation>Rollende Würfel</translation>
    </message>
    <message>
        <source>Show the end of a game in the status line</source>
        <translation>Das Ende eines Spiels in der Statuszeile zeigen</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>The desktop&apos;s</source>
        <translation>Wie der Desktop</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation>Sprache (ab dem nächsten Start)</translation>
    </message>
    <message>
        <source>%1 % of a game (the standard)</source>
        <translation>%1 % eines Spiels (der Standard)</translation>
    </message>
    <message>
        <source>%1 % of a game</source>
        <translation>%1 % eines Spiels</translation>
    </message>
    <message>
        <source>The Master&apos;s risk (from the next sign-in)</source>
        <translation>Das Risiko des Masters (ab der nächsten Anmeldung)</translation>
    </message>
    <message>
        <source>None: as safe as the Expert</source>
        <translation>Keines: so sicher wie Expert</translation>
    </message>
</context>
<context>
    <name>quintel::StatisticsWindow</name>
    <message>
        <source>Games and wins</source>
        <translation>Spiele und Siege</translation>
    </message>
    <message>
        <source>Win rates</source>
        <translation>Gewinnquoten</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Ansagen</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Würfel</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>This stay</source>
        <translation>Diese Sitzung</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Erwartet</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Insgesamt</translation>
    </message>
    <message>
        <source>Face 1</source>
        <translation>Augenzahl 1</translation>
    </message>
    <message>
        <source>Face 2</source>
        <translation>Augenzahl 2</translation>
    </message>
    <message>
        <source>Face 3</source>
        <translation>Augenzahl 3</translation>
    </message>
    <message>
        <source>Face 4</source>
        <translation>Augenzahl 4</translation>
    </message>
    <message>
        <source>Face 5</source>
        <translation>Augenzahl 5</translation>
    </message>
    <message>
        <source>Face 6</source>
        <translation>Augenzahl 6</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Recorded games</source>
        <translation>Aufgezeichnete Spiele</translation>
    </message>
    <message>
        <source>&amp;Review…</source>
        <translation>&amp;Nachspielen…</translation>
    </message>
    <message>
        <source>Statistics of %1</source>
        <translation>Statistik von %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>The record of games cannot be read: %1</source>
        <translation>Die Aufzeichnung der Spiele kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Win rate by option set</source>
        <translation>Gewinnquote nach Regeloptionen</translation>
    </message>
    <message>
        <source>Win rate by opponent</source>
        <translation>Gewinnquote nach Gegner</translation>
    </message>
    <message>
        <source>All games: %1</source>
        <translation>Alle Spiele: %1</translation>
    </message>
    <message>
        <source>Export the selected game</source>
        <translation>Das ausgewählte Spiel exportieren</translation>
    </message>
    <message>
        <source>Export the %1 selected games</source>
        <translation>Die %1 ausgewählten Spiele exportieren</translation>
    </message>
    <message>
        <source>Export the one game</source>
        <translation>Das eine Spiel exportieren</translation>
    </message>
    <message>
        <source>Export all %1 games</source>
        <translation>Alle %1 Spiele exportieren</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 gibt es schon. Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>The games could not be exported to %1.</source>
        <translation>Die Spiele konnten nicht nach %1 exportiert werden.</translation>
    </message>
    <message>
        <source>This game cannot be read from the record.</source>
        <translation>Dieses Spiel kann nicht aus der Aufzeichnung gelesen werden.</translation>
    </message>
    <message>
        <source>Your &amp;leaks…</source>
        <translation>Ihre &amp;Schwächen …</translation>
    </message>
    <message>
        <source>Sign in to see your leaks.</source>
        <translation>Melden Sie sich an, um Ihre Schwächen zu sehen.</translation>
    </message>
</context>
</TS>
