<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutPage</name>
    <message>
        <source>About Quintel</source>
        <translation>À propos de Quintel</translation>
    </message>
    <message>
        <source>A dice bluffing game for one player against the computer, which judges every call with exact dice probabilities and learns how you call.</source>
        <translation>Un jeu de bluff aux dés pour un joueur contre l’ordinateur, qui juge chaque annonce avec les probabilités exactes des dés et apprend votre façon d’annoncer.</translation>
    </message>
    <message>
        <source>Version %1.</source>
        <translation>Version %1.</translation>
    </message>
    <message>
        <source>Released under the MIT licence: you may use, copy, change and pass on the program freely, as long as the licence notice comes with it. It comes without any warranty.</source>
        <translation>Publié sous la licence MIT : vous pouvez utiliser, copier, modifier et transmettre librement le programme, à condition que l’avis de licence l’accompagne. Il est fourni sans aucune garantie.</translation>
    </message>
</context>
<context>
    <name>Accessible</name>
    <message>
        <source>No %1</source>
        <translation>Aucun %1</translation>
    </message>
    <message>
        <source>One %1</source>
        <translation>Un %1</translation>
    </message>
    <message>
        <source>Two %1</source>
        <translation>Deux %1</translation>
    </message>
    <message>
        <source>Three %1</source>
        <translation>Trois %1</translation>
    </message>
    <message>
        <source>Four %1</source>
        <translation>Quatre %1</translation>
    </message>
    <message>
        <source>Five %1</source>
        <translation>Cinq %1</translation>
    </message>
    <message>
        <source>Asks for the name you play under</source>
        <translation>Demande le nom sous lequel vous jouez</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Votre nom</translation>
    </message>
    <message>
        <source>The name your history and profile files are kept under</source>
        <translation>Le nom sous lequel vos fichiers d’historique et de profil sont conservés</translation>
    </message>
    <message>
        <source>End the program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Adversaire</translation>
    </message>
    <message>
        <source>The computer you play against: Classic, Expert or Master</source>
        <translation>L’ordinateur contre lequel vous jouez : Classic, Expert ou Master</translation>
    </message>
    <message>
        <source>The computer you play against: Classic, Expert, Master or the engine %1</source>
        <translation>L’ordinateur contre lequel vous jouez : Classic, Expert, Master ou le moteur %1</translation>
    </message>
    <message>
        <source>The folder that keeps your history and profile files</source>
        <translation>Le dossier qui conserve vos fichiers d’historique et de profil</translation>
    </message>
</context>
<context>
    <name>Call</name>
    <message>
        <source>Send the call</source>
        <translation>Envoyer l’annonce</translation>
    </message>
    <message>
        <source>Close without calling</source>
        <translation>Fermer sans annoncer</translation>
    </message>
</context>
<context>
    <name>CallStatus</name>
    <message>
        <source>Your call: none yet</source>
        <translation>Votre annonce : aucune pour l’instant</translation>
    </message>
    <message>
        <source>Your call: %1 dice, five at most</source>
        <translation>Votre annonce : %1 dés, cinq au plus</translation>
    </message>
    <message>
        <source>Your call: %1, %2 (does not beat %3)</source>
        <translation>Votre annonce : %1, %2 (ne bat pas %3)</translation>
    </message>
    <message>
        <source>Your call: %1, %2</source>
        <translation>Votre annonce : %1, %2</translation>
    </message>
    <message>
        <source>any call may open the game</source>
        <translation>toute annonce peut ouvrir la partie</translation>
    </message>
    <message>
        <source>no call beats %1</source>
        <translation>aucune annonce ne bat %1</translation>
    </message>
    <message>
        <source>the weakest call you may make: %1</source>
        <translation>l’annonce la plus faible permise : %1</translation>
    </message>
    <message>
        <source>No dice chosen yet: pick how many dice of each face you call, one to five dice in all.</source>
        <translation>Aucun dé choisi : indiquez combien de dés de chaque face vous annoncez, d’un à cinq dés en tout.</translation>
    </message>
    <message>
        <source>You chose %1 dice: a call names five dice at most. Take some away.</source>
        <translation>Vous avez choisi %1 dés : une annonce nomme cinq dés au plus. Retirez-en.</translation>
    </message>
    <message>
        <source>your dice %1</source>
        <translation>vos dés %1</translation>
    </message>
</context>
<context>
    <name>Coach</name>
    <message>
        <source>; either is as good against this opponent</source>
        <translation> ; l’une vaut l’autre contre cet adversaire</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>throw all %1 %2</source>
        <translation>relancer les %1 %2</translation>
    </message>
    <message>
        <source>keep %1 and throw %2 %3</source>
        <translation>garder %1 et relancer %2 %3</translation>
    </message>
    <message>
        <source>call at once %1</source>
        <translation>annoncer tout de suite %1</translation>
    </message>
    <message>
        <source>best call %1 %2</source>
        <translation>meilleure annonce %1 %2</translation>
    </message>
    <message>
        <source>, or %1 %2</source>
        <translation>, ou %1 %2</translation>
    </message>
    <message>
        <source>The coach: the chances against this computer are being worked out; meanwhile each chance is the solved game&apos;s, both seats playing its equilibrium from here on</source>
        <translation>L’entraîneur : les probabilités contre cet ordinateur sont en cours de calcul ; en attendant, chaque probabilité est celle du jeu résolu, les deux joueurs jouant son équilibre à partir d’ici</translation>
    </message>
    <message>
        <source>The coach: each chance is your chance of winning against the Classic computer, you playing as well as can be against its play from here on</source>
        <translation>L’entraîneur : chaque probabilité est votre probabilité de gagner contre l’ordinateur classique, si vous jouez à partir d’ici le mieux possible contre son jeu</translation>
    </message>
    <message>
        <source>The coach: each chance is your chance of winning against the Expert, both seats playing the solved game&apos;s equilibrium from here on</source>
        <translation>L’entraîneur : chaque probabilité est votre probabilité de gagner contre Expert, les deux joueurs jouant l’équilibre du jeu résolu à partir d’ici</translation>
    </message>
    <message>
        <source>The coach: each chance is your chance of winning against the Master as it plays now, you playing as well as can be against it from here on; it learns from each game</source>
        <translation>L’entraîneur : chaque probabilité est votre probabilité de gagner contre Master tel qu’il joue maintenant, si vous jouez à partir d’ici le mieux possible contre lui ; il apprend de chaque partie</translation>
    </message>
    <message>
        <source>The coach: each chance is the solved game&apos;s, both seats playing its equilibrium from here on; against this computer the best action may differ</source>
        <translation>L’entraîneur : chaque probabilité est celle du jeu résolu, les deux joueurs jouant son équilibre à partir d’ici ; contre cet ordinateur, la meilleure action peut différer</translation>
    </message>
    <message>
        <source>computing… meanwhile the equilibrium&apos;s: </source>
        <translation>calcul en cours… en attendant, celles de l’équilibre : </translation>
    </message>
    <message>
        <source>computing…</source>
        <translation>calcul en cours…</translation>
    </message>
    <message>
        <source>The coach has no solved game: %1</source>
        <translation>L’entraîneur n’a pas de jeu résolu : %1</translation>
    </message>
    <message>
        <source>this call %1</source>
        <translation>cette annonce %1</translation>
    </message>
    <message>
        <source>Trust %1, do not trust %2</source>
        <translation>Faire confiance %1, ne pas faire confiance %2</translation>
    </message>
    <message>
        <source>; the Master expects you to trust it %1</source>
        <translation>; Master s’attend à ce que vous lui fassiez confiance à %1</translation>
    </message>
</context>
<context>
    <name>GameReview</name>
    <message>
        <source>This time it trusted it.</source>
        <translation>Cette fois, il lui a fait confiance.</translation>
    </message>
    <message>
        <source>This time it did not.</source>
        <translation>Cette fois, non.</translation>
    </message>
    <message>
        <source>In the solved game the Expert trusts your call %1 here with a chance of %2. %3</source>
        <translation>Dans le jeu résolu, Expert fait confiance à votre annonce %1 ici avec une probabilité de %2. %3</translation>
    </message>
    <message>
        <source>The computer gave your call %1 a chance of %2 to be true, and itself a chance of %3 to beat it.</source>
        <translation>L’ordinateur a donné à votre annonce %1 une probabilité de %2 d’être vraie, et à lui-même une probabilité de %3 de la battre.</translation>
    </message>
    <message>
        <source>After your profile it put the chance at %1.</source>
        <translation>D’après votre profil, il a fixé la probabilité à %1.</translation>
    </message>
    <message>
        <source>It trusted your call.</source>
        <translation>Il a fait confiance à votre annonce.</translation>
    </message>
    <message>
        <source>It did not trust your call.</source>
        <translation>Il n’a pas fait confiance à votre annonce.</translation>
    </message>
</context>
<context>
    <name>Guide</name>
    <message>
        <source>Your dice</source>
        <translation>Vos dés</translation>
    </message>
    <message>
        <source>The game threw your five dice for you. Only you can see them.</source>
        <translation>Le jeu a lancé vos cinq dés pour vous. Vous seul les voyez.</translation>
    </message>
    <message>
        <source>The blue turn marker</source>
        <translation>Le repère bleu du tour</translation>
    </message>
    <message>
        <source>The blue square beside a name shows whose turn it is.</source>
        <translation>Le carré bleu à côté d’un nom montre à qui c’est le tour.</translation>
    </message>
    <message>
        <source>The countdown</source>
        <translation>Le compte à rebours</translation>
    </message>
    <message>
        <source>The figure at the top counts down your turn, but it never ends it: take your time.</source>
        <translation>Le chiffre en haut décompte votre tour, mais ne le termine jamais : prenez votre temps.</translation>
    </message>
    <message>
        <source>Call (C)</source>
        <translation>Call (C)</translation>
    </message>
    <message>
        <source>Call opens the call dialog: you announce a hand that beats the last call. It need not be true.</source>
        <translation>Call ouvre la fenêtre d’annonce : vous annoncez une main qui bat la dernière annonce. Elle n’a pas besoin d’être vraie.</translation>
    </message>
    <message>
        <source>The call dialog</source>
        <translation>La fenêtre d’annonce</translation>
    </message>
    <message>
        <source>Choose the dice of your call and press OK. AI then trusts it or not; if not, the dice are shown and decide the game.</source>
        <translation>Choisissez les dés de votre annonce et appuyez sur OK. AI lui fait alors confiance ou non ; sinon, les dés sont montrés et décident de la partie.</translation>
    </message>
    <message>
        <source>Trust (T) and XTrust (X)</source>
        <translation>Trust (T) et XTrust (X)</translation>
    </message>
    <message>
        <source>AI has called. Trust takes over its hidden dice, and you must call higher. XTrust shows the dice: a call they do not hold loses.</source>
        <translation>AI a annoncé. Trust reprend ses dés cachés, et vous devez annoncer plus haut. XTrust montre les dés : une annonce qu’ils ne contiennent pas perd.</translation>
    </message>
    <message>
        <source>The logs</source>
        <translation>Les journaux</translation>
    </message>
    <message>
        <source>The left log lists the calls of the game, the right one the dice each caller kept.</source>
        <translation>Le journal de gauche liste les annonces de la partie, celui de droite les dés que chaque annonceur a gardés.</translation>
    </message>
    <message>
        <source>Change (H) and Roll (R)</source>
        <translation>Change (H) et Roll (R)</translation>
    </message>
    <message>
        <source>Change lets you throw dice again: click a die (or press 1 to 5) to mark or keep it, then Roll throws the marked ones.</source>
        <translation>Change vous permet de relancer des dés : cliquez sur un dé (ou appuyez sur 1 à 5) pour le marquer ou le garder, puis Roll lance les dés marqués.</translation>
    </message>
    <message>
        <source>The coach (A)</source>
        <translation>L’entraîneur (A)</translation>
    </message>
    <message>
        <source>Press A at any time: the coach shows each action&apos;s chance of winning under this line. A again hides it.</source>
        <translation>Appuyez sur A à tout moment : l’entraîneur montre sous cette ligne la chance de gagner de chaque action. A de nouveau le masque.</translation>
    </message>
    <message>
        <source>The score</source>
        <translation>Le score</translation>
    </message>
    <message>
        <source>Games won / games played since you signed in. The guided game is not counted.</source>
        <translation>Parties gagnées / jouées depuis votre connexion. La partie guidée n’est pas comptée.</translation>
    </message>
    <message>
        <source>Guided game: %1.</source>
        <translation>Partie guidée : %1.</translation>
    </message>
</context>
<context>
    <name>HandCounts</name>
    <message>
        <source>no</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>one</source>
        <translation>un</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
</context>
<context>
    <name>Hands</name>
    <message>
        <source>ace</source>
        <translation>as</translation>
    </message>
    <message>
        <source>two</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>three</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>five</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>six</source>
        <translation>six</translation>
    </message>
    <message>
        <source>aces</source>
        <translation>as</translation>
    </message>
    <message>
        <source>twos</source>
        <translation>deux</translation>
    </message>
    <message>
        <source>threes</source>
        <translation>trois</translation>
    </message>
    <message>
        <source>fours</source>
        <translation>quatre</translation>
    </message>
    <message>
        <source>fives</source>
        <translation>cinq</translation>
    </message>
    <message>
        <source>sixes</source>
        <translation>six</translation>
    </message>
    <message>
        <source>a single %1</source>
        <translation>un seul %1</translation>
    </message>
    <message>
        <source>no two alike</source>
        <translation>aucune paire</translation>
    </message>
    <message>
        <source>%1 different dice</source>
        <translation>%1 dés différents</translation>
    </message>
    <message>
        <source>no dice</source>
        <translation>aucun dé</translation>
    </message>
    <message>
        <source>five of a kind, %1</source>
        <translation>quinte de %1</translation>
    </message>
    <message>
        <source>four %1</source>
        <translation>carré de %1</translation>
    </message>
    <message>
        <source>full house, %1 over %2</source>
        <translation>full, %1 par %2</translation>
    </message>
    <message>
        <source>three %1</source>
        <translation>brelan de %1</translation>
    </message>
    <message>
        <source>two pairs, %1 and %2</source>
        <translation>double paire, %1 et %2</translation>
    </message>
    <message>
        <source>a pair of %1</source>
        <translation>paire de %1</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Welcome</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Annonce</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Sign in and go to the table</source>
        <translation>Se connecter et passer à la table</translation>
    </message>
    <message>
        <source>Announce a call</source>
        <translation>Faire une annonce</translation>
    </message>
    <message>
        <source>Choose dice to throw again (Change)</source>
        <translation>Choisir des dés à relancer (Change)</translation>
    </message>
    <message>
        <source>1 to 5</source>
        <translation>1 à 5</translation>
    </message>
    <message>
        <source>Mark or unmark a die for the new throw</source>
        <translation>Marquer ou démarquer un dé pour le nouveau lancer</translation>
    </message>
    <message>
        <source>Throw the marked dice (Roll)</source>
        <translation>Lancer les dés marqués (Roll)</translation>
    </message>
    <message>
        <source>Keep the dice as they are (Cancel)</source>
        <translation>Garder les dés tels quels (Cancel)</translation>
    </message>
    <message>
        <source>Trust the last call</source>
        <translation>Faire confiance à la dernière annonce</translation>
    </message>
    <message>
        <source>Do not trust the last call (XTrust)</source>
        <translation>Ne pas faire confiance à la dernière annonce (XTrust)</translation>
    </message>
    <message>
        <source>Show or hide the coach</source>
        <translation>Afficher ou masquer l’entraîneur</translation>
    </message>
    <message>
        <source>Play again, when the end of a game shows in the status line</source>
        <translation>Rejouer, quand la fin d’une partie s’affiche dans la ligne d’état</translation>
    </message>
    <message>
        <source>Stop, when the end of a game shows in the status line</source>
        <translation>Arrêter, quand la fin d’une partie s’affiche dans la ligne d’état</translation>
    </message>
    <message>
        <source>1 to 6</source>
        <translation>1 à 6</translation>
    </message>
    <message>
        <source>Add one die of that face to the call</source>
        <translation>Ajouter à l’annonce un dé de cette face</translation>
    </message>
    <message>
        <source>Send the call (OK)</source>
        <translation>Envoyer l’annonce (OK)</translation>
    </message>
    <message>
        <source>Close without calling (Cancel)</source>
        <translation>Fermer sans annoncer (Cancel)</translation>
    </message>
    <message>
        <source>The three windows</source>
        <translation>Les trois fenêtres</translation>
    </message>
    <message>
        <source>Welcome: type your name, tick the rule options you want, choose the computer you play against and press OK. The computer keeps a profile of your calls under your name; the top line says in which folder your files are.</source>
        <translation>Accueil : saisissez votre nom, cochez les options de règle voulues, choisissez l’ordinateur contre lequel vous jouez et appuyez sur OK. L’ordinateur tient sous votre nom un profil de vos annonces ; la ligne du haut indique le dossier de vos fichiers.</translation>
    </message>
    <message>
        <source>Table: your dice are the five buttons in the middle. The call log on the left lists every call of the game, the fix log beside it the dice each caller kept. The figures at the top right are the games you have won and played.</source>
        <translation>Table : vos dés sont les cinq boutons du milieu. Le journal des annonces, à gauche, liste chaque annonce de la partie ; le journal voisin, les dés que chaque annonceur a gardés. Les chiffres en haut à droite sont les parties gagnées et jouées.</translation>
    </message>
    <message>
        <source>Call: one row per face, one column per number of dice. Choose in each row how many dice of that face you call; the line at the bottom shows the call. OK sends it, Cancel closes the window.</source>
        <translation>Annonce : une ligne par face, une colonne par nombre de dés. Choisissez dans chaque ligne combien de dés de cette face vous annoncez ; la ligne du bas montre l’annonce. OK l’envoie, Cancel ferme la fenêtre.</translation>
    </message>
    <message>
        <source>How a turn goes</source>
        <translation>Déroulement d’un tour</translation>
    </message>
    <message>
        <source>You start with five fresh dice. Press Call and announce a hand; the computer then either does not trust you, and the dice decide the game, or trusts you, throws some dice and calls higher.</source>
        <translation>Vous commencez avec cinq dés neufs. Appuyez sur Call et annoncez une main ; l’ordinateur soit ne vous fait pas confiance, et les dés décident de la partie, soit vous fait confiance, relance quelques dés et annonce plus haut.</translation>
    </message>
    <message>
        <source>Then it is your move: Trust takes over the computer&apos;s dice, XTrust shows them. After trusting you may press Change, click the dice to throw again (marked with X) and press Roll, or Cancel to keep them; then you must call higher.</source>
        <translation>Puis c’est à vous : Trust reprend les dés de l’ordinateur, XTrust les dévoile. Après avoir fait confiance, vous pouvez appuyer sur Change, cliquer les dés à relancer (marqués d’un X) et appuyer sur Roll, ou sur Cancel pour les garder ; vous devez ensuite annoncer plus haut.</translation>
    </message>
    <message>
        <source>After each game you are asked whether to continue. Stopping saves your profile and shows how many games you played and won.</source>
        <translation>Après chaque partie, on vous demande si vous continuez. Si vous arrêtez, votre profil est enregistré et vous voyez combien de parties vous avez jouées et gagnées.</translation>
    </message>
    <message>
        <source>Classic judges every call with the exact chances of the dice and learns your habits: the profile of your calls tells it how often you bluff. Help, Your profile shows what it has learnt.</source>
        <translation>Classic juge chaque annonce avec les probabilités exactes des dés et apprend vos habitudes : le profil de vos annonces lui dit combien de fois vous bluffez. Aide, Votre profil montre ce qu’il a appris.</translation>
    </message>
    <message>
        <source>The Expert plays the solved game: in every position it calls, trusts and throws in the proportions of the game&apos;s equilibrium, the best mix of bluffs and honest calls against any player. It does not learn, and cannot be beaten in the long run by reading its habits. If its solved game cannot be read, the classic computer plays instead and a message says why.</source>
        <translation>Expert joue le jeu résolu : dans chaque position, il annonce, fait confiance et relance dans les proportions de l’équilibre du jeu, le meilleur mélange de bluffs et d’annonces honnêtes contre n’importe quel joueur. Il n’apprend pas, et on ne peut pas le battre à la longue en lisant ses habitudes. Si son jeu résolu ne peut pas être lu, l’ordinateur classique joue à sa place et un message dit pourquoi.</translation>
    </message>
    <message>
        <source>The coach</source>
        <translation>L’entraîneur</translation>
    </message>
    <message>
        <source>The coach is off when you sign in. A game in which you used it is marked so in its history and in the record of games.</source>
        <translation>L’entraîneur est éteint quand vous vous connectez. Une partie où vous l’avez utilisé est marquée ainsi dans son historique et dans le registre des parties.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Help, Statistics shows the record of your games: games and wins with a moving win rate, the win rates by rule options and by computer with their 95 % intervals, calls and challenges, and whether the dice fall as fair dice do.</source>
        <translation>Aide, Statistiques montre le registre de vos parties : parties et victoires avec un taux de victoire glissant, les taux de victoire par options de règle et par ordinateur avec leurs intervalles à 95 %, les annonces et les défis, et si les dés tombent comme des dés équitables.</translation>
    </message>
    <message>
        <source>The Games tab lists every game. Review steps through one game call by call and shows what the computer weighed; Export writes the selected games, or all of them when none is selected, as CSV or JSON.</source>
        <translation>L’onglet Parties liste chaque partie. Revoir parcourt une partie annonce par annonce et montre ce que l’ordinateur a pesé ; Exporter écrit les parties sélectionnées, ou toutes quand aucune n’est sélectionnée, en CSV ou en JSON.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Every button can be pressed from the keyboard:</source>
        <translation>Chaque bouton peut être pressé au clavier :</translation>
    </message>
    <message>
        <source>%1: %2 - %3</source>
        <translation>%1 : %2 – %3</translation>
    </message>
    <message>
        <source>Tab moves between the controls and Space presses the one that has the focus. Keys do not reach a button while you type in a text box.</source>
        <translation>Tab passe d’un contrôle à l’autre et Espace presse celui qui a le focus. Les touches n’atteignent aucun bouton pendant que vous tapez dans une zone de texte.</translation>
    </message>
    <message>
        <source>Playing Quintel</source>
        <translation>Jouer à Quintel</translation>
    </message>
    <message>
        <source>The three computers</source>
        <translation>Les trois ordinateurs</translation>
    </message>
    <message>
        <source>The Master starts as the Expert and learns how you play: your calls after a throw, your trust and doubt of each call, the dice you keep. It keeps what it learnt under your name for each set of rule options, until your profile starts again. Where it has seen you often enough it answers your habits instead of the equilibrium, but only as far as a player who knew its answers could win at most its risk more than against the Expert: 2 % of a game unless you choose otherwise in Help, Settings, The Master&apos;s risk. It risks less the less it has seen of you.</source>
        <translation>Master commence comme Expert et apprend votre façon de jouer : vos annonces après un lancer, votre confiance et votre doute envers chaque annonce, les dés que vous gardez. Il conserve ce qu’il a appris sous votre nom pour chaque ensemble d’options de règles, jusqu’à ce que votre profil recommence. Là où il vous a vu assez souvent, il répond à vos habitudes plutôt que par l’équilibre, mais seulement dans la mesure où un joueur qui connaîtrait ses réponses ne pourrait gagner au plus que son risque de plus que contre Expert : 2 % d’une partie, sauf si vous choisissez autrement dans Aide, Réglages, Le risque de Master. Moins il vous a vu, moins il risque.</translation>
    </message>
    <message>
        <source>The guided first game</source>
        <translation>La première partie guidée</translation>
    </message>
    <message>
        <source>At your first sign-in, and from Help, Play a guided first game at the table, you may play one game whose throws are always the same, in which a box beside each control says what it does as it becomes live. Skip, or Esc on the box, ends the guidance and the game goes on.</source>
        <translation>À votre première connexion, et par Aide, Jouer une première partie guidée à la table, vous pouvez jouer une partie aux lancers toujours les mêmes, où un encadré à côté de chaque commande dit ce qu’elle fait dès qu’elle devient utilisable. Passer, ou Échap sur l’encadré, arrête le guide et la partie continue.</translation>
    </message>
    <message>
        <source>The guided game is written to your history like any game, but it is not counted in your figures, your profile or the record of games.</source>
        <translation>La partie guidée est écrite dans votre historique comme toute partie, mais elle ne compte ni dans votre score, ni dans votre profil, ni dans le registre des parties.</translation>
    </message>
    <message>
        <source>At the table, press A or choose Coach in the Help menu: below the status line the coach shows, for every action open to you now, your chance of winning the game against the computer you face: against the Classic computer and the Master if you answer their play as well as can be from here on, against the Expert if both players play the solved game. When two actions show the same chance, either is as good.</source>
        <translation>À la table, appuyez sur A ou choisissez Entraîneur dans le menu Aide : sous la ligne d’état, l’entraîneur montre, pour chaque action qui vous est ouverte, votre probabilité de gagner la partie contre l’ordinateur que vous affrontez : contre l’ordinateur classique et Master si vous répondez à leur jeu le mieux possible à partir d’ici, contre Expert si les deux joueurs jouent le jeu résolu. Quand deux actions montrent la même probabilité, l’une vaut l’autre.</translation>
    </message>
</context>
<context>
    <name>Leaks</name>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>you trust %1 after the computer kept %2 too often: %3 against the best %4</source>
        <translation>vous faites trop souvent confiance à l’annonce %1 quand l’ordinateur a gardé %2 : %3 contre %4 dans le meilleur jeu</translation>
    </message>
    <message>
        <source>you trust %1 after the computer kept %2 too seldom: %3 against the best %4</source>
        <translation>vous faites trop rarement confiance à l’annonce %1 quand l’ordinateur a gardé %2 : %3 contre %4 dans le meilleur jeu</translation>
    </message>
    <message>
        <source>you call %1 after keeping %2, which the best play never does there: %3 of them are bluffs</source>
        <translation>vous annoncez %1 après avoir gardé %2, ce que le meilleur jeu ne fait jamais là : %3 de ces annonces sont des bluffs</translation>
    </message>
    <message>
        <source>you bluff %1 after keeping %2 too often: %3 of your calls against the best %4</source>
        <translation>vous bluffez trop souvent avec %1 après avoir gardé %2 : %3 de vos annonces contre %4 dans le meilleur jeu</translation>
    </message>
    <message>
        <source>you bluff %1 after keeping %2 too seldom: %3 of your calls against the best %4</source>
        <translation>vous bluffez trop rarement avec %1 après avoir gardé %2 : %3 de vos annonces contre %4 dans le meilleur jeu</translation>
    </message>
    <message>
        <source>you keep %1</source>
        <translation>vous gardez %1</translation>
    </message>
    <message>
        <source>you call %1 at once</source>
        <translation>vous annoncez aussitôt %1</translation>
    </message>
    <message>
        <source>the best play keeps %1</source>
        <translation>le meilleur jeu garde %1</translation>
    </message>
    <message>
        <source>the best play calls %1 at once</source>
        <translation>le meilleur jeu annonce aussitôt %1</translation>
    </message>
    <message>
        <source>after trusting %1 and taking over %2, %3 %4 of the time, where %5</source>
        <translation>après avoir fait confiance à l’annonce %1 et repris %2, %3 dans %4 des cas, alors que %5</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>A perfect opponent would win %1 against your habits, no more than against the best play.</source>
        <translation>Un adversaire parfait gagnerait %1 contre vos habitudes, pas plus que contre le meilleur jeu.</translation>
    </message>
    <message>
        <source>A perfect opponent would win %1 against your habits, one point more than against the best play.</source>
        <translation>Un adversaire parfait gagnerait %1 contre vos habitudes, un point de plus que contre le meilleur jeu.</translation>
    </message>
    <message>
        <source>A perfect opponent would win %1 against your habits, %2 points more than against the best play.</source>
        <translation>Un adversaire parfait gagnerait %1 contre vos habitudes, %2 points de plus que contre le meilleur jeu.</translation>
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
        <translation>Sans options</translation>
    </message>
    <message>
        <source>No games of yours are recorded under these options.</source>
        <translation>Aucune de vos parties n’est enregistrée avec ces options.</translation>
    </message>
    <message>
        <source>Too few games to tell your habits from chance: %1 played, %2 needed.</source>
        <translation>Trop peu de parties pour distinguer vos habitudes du hasard : %1 jouées, %2 nécessaires.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Your choice: %1 to win; the best choice: %2</source>
        <translation>Votre choix : %1 de chances de gagner ; le meilleur choix : %2</translation>
    </message>
    <message>
        <source>No games recorded yet</source>
        <translation>Aucune partie enregistrée pour l’instant</translation>
    </message>
    <message>
        <source>Games won, and the win rate of the last %1 games</source>
        <translation>Parties gagnées, et taux de victoire des %1 dernières parties</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Parties gagnées</translation>
    </message>
    <message>
        <source>Moving win rate</source>
        <translation>Taux de victoire glissant</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Win rate</source>
        <translation>Taux de victoire</translation>
    </message>
    <message>
        <source>Win rate with its 95 % interval</source>
        <translation>Taux de victoire avec son intervalle à 95 %</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Win rate, with its 95 % interval</source>
        <translation>Taux de victoire, avec son intervalle à 95 %</translation>
    </message>
    <message>
        <source>Games by the number of calls made</source>
        <translation>Parties selon le nombre d’annonces</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>Calls not trusted, and how often that was right</source>
        <translation>Annonces non crues, et combien de fois c’était juste</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Vous</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>Not trusted</source>
        <translation>Non crues</translation>
    </message>
    <message>
        <source>Right not to trust</source>
        <translation>À raison</translation>
    </message>
    <message>
        <source>No dice thrown yet</source>
        <translation>Aucun dé lancé pour l’instant</translation>
    </message>
    <message>
        <source>Every die thrown, by its face</source>
        <translation>Chaque dé lancé, par face</translation>
    </message>
    <message>
        <source>Thrown</source>
        <translation>Lancés</translation>
    </message>
    <message>
        <source>Expected of fair dice</source>
        <translation>Attendu de dés équitables</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>The Master now expects this choice of you here %1 of the time.</source>
        <translation>Master s’attend désormais à ce choix de votre part ici dans %1 des cas.</translation>
    </message>
</context>
<context>
    <name>RulesPage</name>
    <message>
        <source>The hands</source>
        <translation>Les mains</translation>
    </message>
    <message>
        <source>The five dice are read as a hand, like a poker hand without straights. From the weakest to the strongest:</source>
        <translation>Les cinq dés se lisent comme une main, comme une main de poker sans quintes. De la plus faible à la plus forte :</translation>
    </message>
    <message>
        <source>Within a kind, the faces decide: the ace (1) is the highest face, then 6, 5, 4, 3 and 2. A hand is compared group by group, the biggest group first, so a pair of aces beats a pair of sixes, and 66331 beats 66225 because its second pair is higher. Five dice in a row count for nothing: 65432 is no two alike.</source>
        <translation>Au sein d’une même sorte, les faces décident : l’as (1) est la face la plus haute, puis 6, 5, 4, 3 et 2. Une main se compare groupe par groupe, le plus grand groupe d’abord ; ainsi une paire d’as bat une paire de six, et 66331 bat 66225 parce que sa seconde paire est plus haute. Cinq dés qui se suivent ne valent rien : 65432 est une main sans paire.</translation>
    </message>
    <message>
        <source>No two alike</source>
        <translation>Aucune paire</translation>
    </message>
    <message>
        <source>One pair</source>
        <translation>Une paire</translation>
    </message>
    <message>
        <source>Two pairs</source>
        <translation>Deux paires</translation>
    </message>
    <message>
        <source>Three of a kind</source>
        <translation>Brelan</translation>
    </message>
    <message>
        <source>Full house</source>
        <translation>Full</translation>
    </message>
    <message>
        <source>Four of a kind</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Five of a kind</source>
        <translation>Cinq identiques</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Annonces</translation>
    </message>
    <message>
        <source>You open every game: you throw five fresh dice and make the first call, and the computer answers it.</source>
        <translation>Vous ouvrez chaque partie : vous lancez cinq dés neufs et faites la première annonce, et l’ordinateur y répond.</translation>
    </message>
    <message>
        <source>The player to move looks at the dice, hidden from the other player, and calls a hand of one to five dice: the call 66 claims that the dice hold at least two sixes, whatever the other three are.</source>
        <translation>Le joueur dont c’est le tour regarde les dés, cachés de l’autre joueur, et annonce une main de un à cinq dés : l’annonce 66 affirme que les dés contiennent au moins deux six, quels que soient les trois autres.</translation>
    </message>
    <message>
        <source>Each call must beat the last call of the game; the first call may be anything. A call of a higher kind beats any call of a lower kind, so a pair of twos beats 16543. Between calls of the same kind the faces decide, group by group as for hands. A shorter call loses to a longer one that matches it as far as it goes: 665 beats 66. The same call twice does not beat itself.</source>
        <translation>Chaque annonce doit battre la dernière annonce de la partie ; la première annonce peut être quelconque. Une annonce d’une sorte plus haute bat toute annonce d’une sorte plus basse ; ainsi une paire de deux bat 16543. Entre annonces de même sorte, les faces décident, groupe par groupe comme pour les mains. Une annonce plus courte perd contre une plus longue qui lui correspond aussi loin qu’elle va : 665 bat 66. La même annonce deux fois ne se bat pas elle-même.</translation>
    </message>
    <message>
        <source>beats 16543</source>
        <translation>bat 16543</translation>
    </message>
    <message>
        <source>beats 66</source>
        <translation>bat 66</translation>
    </message>
    <message>
        <source>beats 66554</source>
        <translation>bat 66554</translation>
    </message>
    <message>
        <source>Trusting or not</source>
        <translation>Faire confiance ou non</translation>
    </message>
    <message>
        <source>When the other player has called, you either trust the call or you do not.</source>
        <translation>Quand l’autre joueur a annoncé, vous faites confiance à l’annonce ou non.</translation>
    </message>
    <message>
        <source>Trust: you take over the dice and see them. You may throw some of them again once, then you must call higher than the call you trusted, truthfully or not. Nothing beats 11111, so a call of five aces cannot be trusted.</source>
        <translation>Faire confiance (Trust) : vous reprenez les dés et les voyez. Vous pouvez en relancer certains une fois, puis vous devez annoncer plus haut que l’annonce à laquelle vous avez fait confiance, vrai ou non. Rien ne bat 11111 : on ne peut donc pas faire confiance à une annonce de cinq as.</translation>
    </message>
    <message>
        <source>Do not trust (XTrust): the dice are shown. If they hold every die of the call, the caller wins the game; if even one die of the call is missing, the one who did not trust wins. A call of 665 is held by 66535 but not by 66432.</source>
        <translation>Ne pas faire confiance (XTrust) : les dés sont dévoilés. S’ils contiennent chaque dé de l’annonce, l’annonceur gagne la partie ; s’il manque ne serait-ce qu’un dé de l’annonce, celui qui n’a pas fait confiance gagne. Une annonce de 665 est tenue par 66535 mais pas par 66432.</translation>
    </message>
    <message>
        <source>Throwing again</source>
        <translation>Relancer</translation>
    </message>
    <message>
        <source>After trusting, Change lets you throw dice again. If the dice hold the call you trusted, you may keep dice of that call and choose which of them to throw; every other die is thrown again. If they do not hold it, all five are thrown again.</source>
        <translation>Après avoir fait confiance, Change vous permet de relancer des dés. Si les dés contiennent l’annonce à laquelle vous avez fait confiance, vous pouvez garder des dés de cette annonce et choisir lesquels relancer ; tout autre dé est relancé. S’ils ne la contiennent pas, les cinq sont relancés.</translation>
    </message>
    <message>
        <source>Fix Any: you choose freely which dice to keep and which to throw.</source>
        <translation>Fix Any : vous choisissez librement quels dés garder et lesquels relancer.</translation>
    </message>
    <message>
        <source>Fix Permanent: the dice the last caller kept when throwing stay locked; you cannot throw them again.</source>
        <translation>Fix Permanent : les dés que le dernier annonceur a gardés en relançant restent bloqués ; vous ne pouvez pas les relancer.</translation>
    </message>
    <message>
        <source>The other player sees which dice you kept: the fix log beside the call log shows them with each call.</source>
        <translation>L’autre joueur voit quels dés vous avez gardés : le journal voisin du journal des annonces les montre avec chaque annonce.</translation>
    </message>
    <message>
        <source>Rules of Quintel</source>
        <translation>Règles de Quintel</translation>
    </message>
</context>
<context>
    <name>ScreenWindow</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>les cinq dés</translation>
    </message>
    <message>
        <source>1 die</source>
        <translation>1 dé</translation>
    </message>
    <message>
        <source>%1 dice</source>
        <translation>%1 dés</translation>
    </message>
    <message>
        <source>%1: your call must beat %2.</source>
        <translation>%1 : votre annonce doit battre %2.</translation>
    </message>
    <message>
        <source>Call</source>
        <translation>Annoncer</translation>
    </message>
    <message>
        <source>%1 kept its five dice</source>
        <translation>%1 a gardé ses cinq dés</translation>
    </message>
    <message>
        <source>%1 threw %2</source>
        <translation>%1 a lancé %2</translation>
    </message>
    <message>
        <source>%1 kept %2 and threw %3</source>
        <translation>%1 a gardé %2 et lancé %3</translation>
    </message>
    <message>
        <source>Your turn: your dice %1. %2.</source>
        <translation>À vous : vos dés %1. %2.</translation>
    </message>
    <message>
        <source>Make the first call</source>
        <translation>Faites la première annonce</translation>
    </message>
    <message>
        <source>%1; it calls %2: %3. </source>
        <translation>%1 ; il annonce %2 : %3. </translation>
    </message>
    <message>
        <source>do not trust it</source>
        <translation>ne pas lui faire confiance</translation>
    </message>
    <message>
        <source>Nothing beats it: %1.</source>
        <translation>Rien ne la bat : %1.</translation>
    </message>
    <message>
        <source>%1 or %2.</source>
        <translation>%1 ou %2.</translation>
    </message>
    <message>
        <source>Trust it</source>
        <translation>Lui faire confiance</translation>
    </message>
    <message>
        <source>You trusted %1 and hold %2. %3 or %4: your call must beat %1.</source>
        <translation>Vous avez fait confiance à %1 et tenez %2. %3 ou %4 : votre annonce doit battre %1.</translation>
    </message>
    <message>
        <source>Change dice</source>
        <translation>Changer des dés</translation>
    </message>
    <message>
        <source>call</source>
        <translation>annoncer</translation>
    </message>
    <message>
        <source>Roll</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>cancel</source>
        <translation>annuler</translation>
    </message>
    <message>
        <source>%1 marked to throw again. </source>
        <translation>%1 à relancer. </translation>
    </message>
    <message>
        <source>No die can be chosen: %1%2</source>
        <translation>Aucun dé ne peut être choisi : %1%2</translation>
    </message>
    <message>
        <source>Mark the dice to throw again (keys %1 to %2): %3%4</source>
        <translation>Marquez les dés à relancer (touches %1 à %2) : %3%4</translation>
    </message>
    <message>
        <source>no dice</source>
        <translation>aucun dé</translation>
    </message>
    <message>
        <source>You threw %1 and hold %2. %3</source>
        <translation>Vous avez lancé %1 et tenez %2. %3</translation>
    </message>
    <message>
        <source>You did not trust %1</source>
        <translation>Vous n’avez pas fait confiance à %1</translation>
    </message>
    <message>
        <source>%1 did not trust your %2</source>
        <translation>%1 n’a pas fait confiance à votre %2</translation>
    </message>
    <message>
        <source>you win</source>
        <translation>vous gagnez</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gagne</translation>
    </message>
    <message>
        <source>%1; the dice %2 hold it: %3.</source>
        <translation>%1 ; les dés %2 la contiennent : %3.</translation>
    </message>
    <message>
        <source>%1; the dice %2 do not hold it: %3.</source>
        <translation>%1 ; les dés %2 ne la contiennent pas : %3.</translation>
    </message>
    <message>
        <source>Play again (Return) or stop (Esc).</source>
        <translation>Rejouer (Entrée) ou arrêter (Échap).</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>The computer you play: %1</source>
        <translation>L’ordinateur que vous affrontez : %1</translation>
    </message>
    <message>
        <source>Leave the game in progress? It will not be counted.</source>
        <translation>Quitter la partie en cours ? Elle ne sera pas comptée.</translation>
    </message>
    <message>
        <source>A countdown that never limits a turn</source>
        <translation>Un compte à rebours qui ne limite jamais un tour</translation>
    </message>
    <message>
        <source>Games you have won since you signed in</source>
        <translation>Parties gagnées depuis votre connexion</translation>
    </message>
    <message>
        <source>Games won / games played since you signed in</source>
        <translation>Parties gagnées / jouées depuis votre connexion</translation>
    </message>
    <message>
        <source>Games played since you signed in</source>
        <translation>Parties jouées depuis votre connexion</translation>
    </message>
    <message>
        <source>Shows whose turn it is</source>
        <translation>Montre à qui c’est le tour</translation>
    </message>
    <message>
        <source>Throw the marked dice</source>
        <translation>Lancer les dés marqués</translation>
    </message>
    <message>
        <source>Keep the dice as they are</source>
        <translation>Garder les dés tels quels</translation>
    </message>
    <message>
        <source>Announce a call</source>
        <translation>Faire une annonce</translation>
    </message>
    <message>
        <source>Choose dice to throw again</source>
        <translation>Choisir des dés à relancer</translation>
    </message>
    <message>
        <source>Do not trust the last call: show the dice</source>
        <translation>Ne pas faire confiance à la dernière annonce : montrer les dés</translation>
    </message>
    <message>
        <source>Trust the last call and take the dice</source>
        <translation>Faire confiance à la dernière annonce et prendre les dés</translation>
    </message>
    <message>
        <source>Play the next game</source>
        <translation>Jouer la partie suivante</translation>
    </message>
    <message>
        <source>Stop playing and see the tally</source>
        <translation>Arrêter de jouer et voir le bilan</translation>
    </message>
    <message>
        <source>Mark or unmark this die for a new throw</source>
        <translation>Marquer ou démarquer ce dé pour un nouveau lancer</translation>
    </message>
</context>
<context>
    <name>Welcome</name>
    <message>
        <source>Sign in and go to the table</source>
        <translation>Se connecter et passer à la table</translation>
    </message>
    <message>
        <source>Choose freely which dice to throw again</source>
        <translation>Choisir librement les dés à relancer</translation>
    </message>
    <message>
        <source>The dice the last caller kept stay locked at the next throw</source>
        <translation>Les dés gardés par le dernier annonceur restent bloqués au lancer suivant</translation>
    </message>
    <message>
        <source>Play the game&apos;s own computer</source>
        <translation>Jouer contre l’ordinateur propre au jeu</translation>
    </message>
    <message>
        <source>Play a computer that plays the solved game: its best mix of bluffs</source>
        <translation>Jouer contre un ordinateur qui joue le jeu résolu : son meilleur mélange de bluffs</translation>
    </message>
    <message>
        <source>Play a computer that plays the solved game and learns your habits, within the risk set in Help, Settings (2 % of a game unless you choose otherwise)</source>
        <translation>Jouer contre un ordinateur qui joue le jeu résolu et apprend vos habitudes, dans la limite du risque réglé dans Aide, Réglages (2 % d’une partie sauf si vous choisissez autrement)</translation>
    </message>
    <message>
        <source>Play the outside engine %1</source>
        <translation>Jouer contre le moteur externe %1</translation>
    </message>
</context>
<context>
    <name>quintel::DiceRowWidget</name>
    <message>
        <source>no dice</source>
        <translation>aucun dé</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>quintel::ExportDialog</name>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Fichiers JSON (*.json)</translation>
    </message>
</context>
<context>
    <name>quintel::GameReviewWindow</name>
    <message>
        <source>Kept</source>
        <translation>Gardés</translation>
    </message>
    <message>
        <source>Thrown</source>
        <translation>Lancés</translation>
    </message>
    <message>
        <source>Computer&apos;s &amp;notes</source>
        <translation>&amp;Notes de l’ordinateur</translation>
    </message>
    <message>
        <source>What the computer wrote while it weighed the call:</source>
        <translation>Ce que l’ordinateur a écrit en pesant l’annonce :</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Review of game %1</source>
        <translation>Revue de la partie %1</translation>
    </message>
    <message>
        <source>The computer&apos;s judgement</source>
        <translation>Le jugement de l’ordinateur</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Étape %1 sur %2</translation>
    </message>
    <message>
        <source>Dice shown</source>
        <translation>Dés dévoilés</translation>
    </message>
    <message>
        <source>Called</source>
        <translation>Annoncé</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(rien)</translation>
    </message>
</context>
<context>
    <name>quintel::GamesTableModel</name>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>Started (UTC)</source>
        <translation>Commencée (UTC)</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Opponent</source>
        <translation>Adversaire</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Annonces</translation>
    </message>
    <message>
        <source>Did not trust</source>
        <translation>N’a pas cru</translation>
    </message>
    <message>
        <source>Won</source>
        <translation>Gagnant</translation>
    </message>
</context>
<context>
    <name>quintel::GuideOverlay</name>
    <message>
        <source>Play it</source>
        <translation>Jouer</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Passer</translation>
    </message>
    <message>
        <source>End the guidance; the game goes on (Esc)</source>
        <translation>Arrêter le guide ; la partie continue (Échap)</translation>
    </message>
    <message>
        <source>Play a guided first game</source>
        <translation>Jouer une première partie guidée</translation>
    </message>
    <message>
        <source>The same throws every time, each control explained as it becomes live. It does not count in your statistics.</source>
        <translation>Les mêmes lancers à chaque fois, chaque commande expliquée dès qu’elle devient utilisable. Elle ne compte pas dans vos statistiques.</translation>
    </message>
    <message>
        <source>Guided game</source>
        <translation>Partie guidée</translation>
    </message>
    <message>
        <source>The guided game starts with the next game.</source>
        <translation>La partie guidée commence avec la prochaine partie.</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>quintel::InfoWindows</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Your profile</source>
        <translation>Votre profil</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Coach</source>
        <translation>Entraîneur</translation>
    </message>
    <message>
        <source>Play a guided first game</source>
        <translation>Jouer une première partie guidée</translation>
    </message>
</context>
<context>
    <name>quintel::LeaksWindow</name>
    <message>
        <source>Where your habits cost you games, from what the computer has seen of your play, against the best play of the solved game. Each option set is a game of its own.</source>
        <translation>Là où vos habitudes vous coûtent des parties, d’après ce que l’ordinateur a vu de votre jeu, face au meilleur jeu du jeu résolu. Chaque ensemble d’options est un jeu à part.</translation>
    </message>
    <message>
        <source>Working…</source>
        <translation>Calcul en cours…</translation>
    </message>
    <message>
        <source>Leaks of %1</source>
        <translation>Failles de %1</translation>
    </message>
    <message>
        <source>The record of games cannot be read: %1</source>
        <translation>Le registre des parties ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>No games of yours are recorded yet.</source>
        <translation>Aucune de vos parties n’est encore enregistrée.</translation>
    </message>
    <message>
        <source>Working out your leaks under %1…</source>
        <translation>Calcul de vos failles avec %1…</translation>
    </message>
    <message>
        <source>Your leaks cannot be worked out: %1</source>
        <translation>Vos failles ne peuvent pas être calculées : %1</translation>
    </message>
    <message>
        <source>None of your habits that the computer has seen gives anything away.</source>
        <translation>Aucune des habitudes que l’ordinateur vous a vues ne vous coûte quoi que ce soit.</translation>
    </message>
    <message>
        <source>Where you lose the most:</source>
        <translation>Là où vous perdez le plus :</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>From %1 games.</source>
        <translation>D’après %1 parties.</translation>
    </message>
</context>
<context>
    <name>quintel::ProfileBarsWidget</name>
    <message>
        <source>Calls</source>
        <translation>Annonces</translation>
    </message>
    <message>
        <source>Share of those calls that understated the dice</source>
        <translation>Part de ces annonces qui sous-estimaient les dés</translation>
    </message>
    <message>
        <source>The computer&apos;s estimate that your call is true</source>
        <translation>L’estimation de l’ordinateur que votre annonce est vraie</translation>
    </message>
    <message>
        <source>No calls yet: play a game first.</source>
        <translation>Pas encore d’annonce : jouez d’abord une partie.</translation>
    </message>
</context>
<context>
    <name>quintel::ProfileChartWindow</name>
    <message>
        <source>Your profile</source>
        <translation>Votre profil</translation>
    </message>
    <message>
        <source>Profile of %1</source>
        <translation>Profil de %1</translation>
    </message>
</context>
<context>
    <name>quintel::SettingsMenu</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Tumbling dice</source>
        <translation>Dés qui roulent</translation>
    </message>
    <message>
        <source>Show the end of a game in the status line</source>
        <translation>Montrer la fin d’une partie dans la ligne d’état</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>The desktop&apos;s</source>
        <translation>Comme le bureau</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Language (from the next start)</source>
        <translation>Langue (au prochain démarrage)</translation>
    </message>
    <message>
        <source>%1 % of a game (the standard)</source>
        <translation>%1 % d’une partie (la valeur standard)</translation>
    </message>
    <message>
        <source>%1 % of a game</source>
        <translation>%1 % d’une partie</translation>
    </message>
    <message>
        <source>The Master&apos;s risk (from the next sign-in)</source>
        <translation>Le risque de Master (à partir de la prochaine connexion)</translation>
    </message>
    <message>
        <source>None: as safe as the Expert</source>
        <translation>Aucun : aussi sûr qu’Expert</translation>
    </message>
</context>
<context>
    <name>quintel::StatisticsWindow</name>
    <message>
        <source>Games and wins</source>
        <translation>Parties et victoires</translation>
    </message>
    <message>
        <source>Win rates</source>
        <translation>Taux de victoire</translation>
    </message>
    <message>
        <source>Calls</source>
        <translation>Annonces</translation>
    </message>
    <message>
        <source>Dice</source>
        <translation>Dés</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Parties</translation>
    </message>
    <message>
        <source>This stay</source>
        <translation>Cette séance</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendu</translation>
    </message>
    <message>
        <source>All time</source>
        <translation>Depuis toujours</translation>
    </message>
    <message>
        <source>Face 1</source>
        <translation>Face 1</translation>
    </message>
    <message>
        <source>Face 2</source>
        <translation>Face 2</translation>
    </message>
    <message>
        <source>Face 3</source>
        <translation>Face 3</translation>
    </message>
    <message>
        <source>Face 4</source>
        <translation>Face 4</translation>
    </message>
    <message>
        <source>Face 5</source>
        <translation>Face 5</translation>
    </message>
    <message>
        <source>Face 6</source>
        <translation>Face 6</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Recorded games</source>
        <translation>Parties enregistrées</translation>
    </message>
    <message>
        <source>&amp;Review…</source>
        <translation>&amp;Revoir…</translation>
    </message>
    <message>
        <source>Statistics of %1</source>
        <translation>Statistiques de %1</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>The record of games cannot be read: %1</source>
        <translation>Le registre des parties ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>Win rate by option set</source>
        <translation>Taux de victoire par options de règle</translation>
    </message>
    <message>
        <source>Win rate by opponent</source>
        <translation>Taux de victoire par adversaire</translation>
    </message>
    <message>
        <source>All games: %1</source>
        <translation>Toutes les parties : %1</translation>
    </message>
    <message>
        <source>Export the selected game</source>
        <translation>Exporter la partie sélectionnée</translation>
    </message>
    <message>
        <source>Export the %1 selected games</source>
        <translation>Exporter les %1 parties sélectionnées</translation>
    </message>
    <message>
        <source>Export the one game</source>
        <translation>Exporter l’unique partie</translation>
    </message>
    <message>
        <source>Export all %1 games</source>
        <translation>Exporter les %1 parties</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>The games could not be exported to %1.</source>
        <translation>Les parties n’ont pas pu être exportées vers %1.</translation>
    </message>
    <message>
        <source>This game cannot be read from the record.</source>
        <translation>Cette partie ne peut pas être lue dans le registre.</translation>
    </message>
    <message>
        <source>Your &amp;leaks…</source>
        <translation>Vos &amp;failles…</translation>
    </message>
    <message>
        <source>Sign in to see your leaks.</source>
        <translation>Connectez-vous pour voir vos failles.</translation>
    </message>
</context>
</TS>
