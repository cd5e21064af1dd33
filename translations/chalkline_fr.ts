<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Activities</name>
    <message>
        <source>Affine Ciphers</source>
        <translation>Chiffres affines</translation>
    </message>
    <message>
        <source>Mental Arithmetic</source>
        <translation>Calcul mental</translation>
    </message>
    <message>
        <source>Fractions, Decimals and Percentages</source>
        <translation>Fractions, décimaux et pourcentages</translation>
    </message>
    <message>
        <source>The Fibonacci Sequence</source>
        <translation>La suite de Fibonacci</translation>
    </message>
    <message>
        <source>The Four Rules</source>
        <translation>Les quatre opérations</translation>
    </message>
    <message>
        <source>Fractions Between</source>
        <translation>Fractions entre deux</translation>
    </message>
    <message>
        <source>Hailstone Numbers</source>
        <translation>Suite de Syracuse</translation>
    </message>
    <message>
        <source>Hidden Digits</source>
        <translation>Chiffres cachés</translation>
    </message>
    <message>
        <source>The Hundred Square</source>
        <translation>Le tableau de 100</translation>
    </message>
    <message>
        <source>Integer Squares</source>
        <translation>Carrés de relatifs</translation>
    </message>
    <message>
        <source>Leibniz&apos; Triangle</source>
        <translation>Triangle de Leibniz</translation>
    </message>
    <message>
        <source>Magic Squares</source>
        <translation>Carrés magiques</translation>
    </message>
    <message>
        <source>Match the Target</source>
        <translation>Atteindre la cible</translation>
    </message>
    <message>
        <source>Number Squares</source>
        <translation>Carrés de chiffres</translation>
    </message>
    <message>
        <source>Number Wall</source>
        <translation>Mur de nombres</translation>
    </message>
    <message>
        <source>Ordering</source>
        <translation>Ranger</translation>
    </message>
    <message>
        <source>Order of Operations</source>
        <translation>Priorités opératoires</translation>
    </message>
    <message>
        <source>Pandigital Fractions</source>
        <translation>Fractions pandigitales</translation>
    </message>
    <message>
        <source>Pascal&apos;s Triangle 1</source>
        <translation>Triangle de Pascal 1</translation>
    </message>
    <message>
        <source>Pascal&apos;s Triangle 2</source>
        <translation>Triangle de Pascal 2</translation>
    </message>
    <message>
        <source>Percentages</source>
        <translation>Pourcentages</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produits</translation>
    </message>
    <message>
        <source>Pythagorean Triples</source>
        <translation>Triplets de Pythagore</translation>
    </message>
    <message>
        <source>Quadratic Factors</source>
        <translation>Factoriser</translation>
    </message>
    <message>
        <source>Right-angled Triangles</source>
        <translation>Triangles rectangles</translation>
    </message>
    <message>
        <source>Roman Arithmetic</source>
        <translation>Calcul romain</translation>
    </message>
    <message>
        <source>Spider Diagrams</source>
        <translation>Diagrammes araignée</translation>
    </message>
    <message>
        <source>Substitution</source>
        <translation>Substitution</translation>
    </message>
    <message>
        <source>The 24 Puzzle</source>
        <translation>Le jeu du 24</translation>
    </message>
</context>
<context>
    <name>ActivityForm</name>
    <message>
        <source>Answer: %1</source>
        <translation>Réponse : %1</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Problème : %1</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Code %1</source>
        <translation>Code %1</translation>
    </message>
    <message>
        <source>Code %1.</source>
        <translation>Code %1.</translation>
    </message>
</context>
<context>
    <name>ActivityKeys</name>
    <message>
        <source>PageDown, N or Right arrow</source>
        <translation>Page suiv., N ou flèche droite</translation>
    </message>
    <message>
        <source>PageUp or S</source>
        <translation>Page préc. ou S</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Exit: back to the menu</source>
        <translation>Sortie : retour au menu</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>the next kind of numbers</source>
        <translation>le type de nombres suivant</translation>
    </message>
    <message>
        <source>Ctrl+1 or Ctrl+%1</source>
        <translation>Ctrl+1 ou Ctrl+%1</translation>
    </message>
    <message>
        <source>Ctrl+1 to Ctrl+%1</source>
        <translation>Ctrl+1 à Ctrl+%1</translation>
    </message>
    <message>
        <source>that kind of numbers, in the order shown</source>
        <translation>ce type de nombres, dans l&apos;ordre affiché</translation>
    </message>
    <message>
        <source>B or .</source>
        <translation>B ou .</translation>
    </message>
    <message>
        <source>blank the screen; any key or click brings it back</source>
        <translation>écran noir ; une touche ou un clic le rétablit</translation>
    </message>
    <message>
        <source>F1 or ?</source>
        <translation>F1 ou ?</translation>
    </message>
    <message>
        <source>this list of keys</source>
        <translation>cette liste des touches</translation>
    </message>
    <message>
        <source>Next (Go): a new problem</source>
        <translation>Suivant : un nouveau problème</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>save as a lesson: add this activity to a lesson file</source>
        <translation>enregistrer comme leçon : l&apos;ajouter à un fichier de leçon</translation>
    </message>
    <message>
        <source>Tab; Shift+Tab</source>
        <translation>Tab ; Maj+Tab</translation>
    </message>
    <message>
        <source>mark the next or the previous control</source>
        <translation>marquer la commande suivante ou précédente</translation>
    </message>
    <message>
        <source>Return or Space</source>
        <translation>Entrée ou Espace</translation>
    </message>
    <message>
        <source>press the marked control</source>
        <translation>appuyer sur la commande marquée</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>read the whole board aloud</source>
        <translation>lire tout le tableau à voix haute</translation>
    </message>
    <message>
        <source>Ctrl+G; Ctrl+P</source>
        <translation>Ctrl+G ; Ctrl+P</translation>
    </message>
    <message>
        <source>a problem by its code; a worksheet</source>
        <translation>un problème par son code ; une fiche</translation>
    </message>
</context>
<context>
    <name>BoardFile</name>
    <message>
        <source>the folder %1 is not there</source>
        <translation>le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>the picture could not be written</source>
        <translation>l&apos;image n&apos;a pas pu être écrite</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>chalkline: there is no screen %1; this display has %2, from 0
</source>
        <translation>chalkline : il n&apos;y a pas d&apos;écran %1 ; cet affichage en a %2, à partir de 0
</translation>
    </message>
    <message>
        <source>Activities:
</source>
        <translation>Activités :
</translation>
    </message>
    <message>
        <source>  Menu %1:</source>
        <translation>  Menu %1 :</translation>
    </message>
    <message>
        <source>Mathematics activities for the whole class, on a projector or a whiteboard.

</source>
        <translation>Activités de mathématiques pour toute la classe, au vidéoprojecteur ou au tableau blanc.

</translation>
    </message>
    <message>
        <source>chalkline: needs a graphical session to show its windows, but neither DISPLAY nor WAYLAND_DISPLAY is set; start it from the desktop
</source>
        <translation>chalkline : une session graphique est nécessaire pour afficher ses fenêtres, mais ni DISPLAY ni WAYLAND_DISPLAY n&apos;est défini ; lancez-le depuis le bureau
</translation>
    </message>
    <message>
        <source>Try &apos;chalkline --help&apos; for more information.
</source>
        <translation>Essayez « chalkline --help » pour plus d&apos;informations.
</translation>
    </message>
    <message>
        <source>
Report bugs at &lt;%1&gt;; home page: &lt;%2&gt;.
</source>
        <translation>
Signalez les bogues à &lt;%1&gt; ; page d&apos;accueil : &lt;%2&gt;.
</translation>
    </message>
    <message>
        <source>chalkline %1
Copyright (C) %2 The Chalkline developers.
License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>chalkline %1
Copyright (C) %2 Les développeurs de Chalkline.
Licence GPLv3+ : GNU GPL version 3 ou ultérieure &lt;https://gnu.org/licenses/gpl.html&gt;.
Ceci est un logiciel libre : vous êtes libre de le modifier et de le redistribuer.
Il n&apos;y a AUCUNE GARANTIE, dans la mesure permise par la loi.
</translation>
    </message>
    <message>
        <source>unrecognized option &apos;%1&apos;</source>
        <translation>option non reconnue « %1 »</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>--screen needs a screen number, 0 or more, not &apos;%1&apos;</source>
        <translation>--screen attend un numéro d&apos;écran, 0 ou plus, et non « %1 »</translation>
    </message>
    <message>
        <source>chalkline: --screen %1 is not honoured in a window under Wayland, where the desktop places every window; drag the window to that screen, or add --full-screen
</source>
        <translation>chalkline : --screen %1 n&apos;est pas respecté dans une fenêtre sous Wayland, où le bureau place chaque fenêtre ; faites glisser la fenêtre sur cet écran, ou ajoutez --full-screen
</translation>
    </message>
    <message>
        <source>chalkline: cannot reach the display %1 to show its windows; check that the graphical session is running and that this is its display
</source>
        <translation>chalkline : impossible d&apos;atteindre l&apos;affichage %1 pour montrer ses fenêtres ; vérifiez que la session graphique est lancée et que c&apos;est bien son affichage
</translation>
    </message>
    <message>
        <source>show every screen full screen, scaled to fit</source>
        <translation>chaque écran en plein écran, mis à l&apos;échelle</translation>
    </message>
    <message>
        <source>in a window, even after full screen the last time</source>
        <translation>dans une fenêtre, même après le plein écran la dernière fois</translation>
    </message>
    <message>
        <source>open on screen N (0 is the first)</source>
        <translation>ouvrir sur l&apos;écran N (0 est le premier)</translation>
    </message>
    <message>
        <source>show the texts in this language (fr, de, es, en)</source>
        <translation>afficher les textes dans cette langue (fr, de, es, en)</translation>
    </message>
    <message>
        <source>start on that activity (names: --list-activities)</source>
        <translation>commencer par cette activité (noms : --list-activities)</translation>
    </message>
    <message>
        <source>run the lesson of FILE, a step at a time</source>
        <translation>dérouler la leçon de FILE, une étape à la fois</translation>
    </message>
    <message>
        <source>list the activities, their kinds and settings, then end</source>
        <translation>lister les activités, leurs types et réglages, puis terminer</translation>
    </message>
    <message>
        <source>forget the settings kept from the last time</source>
        <translation>oublier les réglages gardés de la dernière fois</translation>
    </message>
    <message>
        <source>print the options and the keys, then end</source>
        <translation>afficher les options et les touches, puis terminer</translation>
    </message>
    <message>
        <source>print the version, then end</source>
        <translation>afficher la version, puis terminer</translation>
    </message>
    <message>
        <source>Options:
</source>
        <translation>Options :
</translation>
    </message>
    <message>
        <source>kinds: %1</source>
        <translation>types : %1</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>réglages : %1</translation>
    </message>
    <message>
        <source>--full-screen and --window do not go together</source>
        <translation>--full-screen et --window ne vont pas ensemble</translation>
    </message>
    <message>
        <source>--launch and --lesson do not go together</source>
        <translation>--launch et --lesson ne vont pas ensemble</translation>
    </message>
    <message>
        <source>there is no activity &apos;%1&apos;; the activities are %2</source>
        <translation>il n&apos;y a pas d&apos;activité « %1 » ; les activités sont %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>displays</comment>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Keys:
  F11, Ctrl+F                full screen on and off, on every screen
  Tab, Shift+Tab, arrows     menus: move from entry to entry
  Return, Space              menus: open the entry; title screen: OK
  Escape                     the screen&apos;s Exit; title screen: Cancel
  PageDown, N, Right         activities: Next (Go), a new problem
  PageUp, S                  activities: Solution
  K, Ctrl+1, Ctrl+2, Ctrl+3  activities: the next kind of numbers, or one kind
  B, .                       activities: blank the screen and back
  F1, ?                      activities: the keys of the screen
  P, Alt+1 to Alt+4          every screen: the pen on and off, or in white, yellow,
                             red or black
  E, C, Ctrl+Z               every screen: the eraser, clear the ink, take back
  Ctrl+S                     every screen: save the board as a picture
  Tab, Shift+Tab, Return     activities: mark a control, press the marked one
  W                          activities: read the whole board aloud
  Ctrl+L                     activities: add the activity to a lesson file
  Ctrl+O                     first menu: open a lesson
  Tab, Up, Down, Return      Ordering: choose a number and place it
  Backspace, U               Ordering: Undo
  Tab, 1 to 9, 0, Delete     Magic Squares: choose a tile, put it in a cell, send it home
  H                          Magic Squares: show or hide the magic sum
  Up, Down, F, R             Mental Arithmetic: pace, Forward, Reverse
</source>
        <translation>Touches :
  F11, Ctrl+F                plein écran ou non, sur chaque écran
  Tab, Maj+Tab, flèches      menus : passer d&apos;une entrée à l&apos;autre
  Entrée, Espace             menus : ouvrir l&apos;entrée ; écran titre : OK
  Échap                      Sortie de l&apos;écran ; écran titre : Annuler
  Page suiv., N, Droite      activités : Suivant, un nouveau problème
  Page préc., S              activités : Solution
  K, Ctrl+1, Ctrl+2, Ctrl+3  activités : type de nombres suivant, ou un type
  B, .                       activités : écran noir et retour
  F1, ?                      activités : les touches de l&apos;écran
  P, Alt+1 à Alt+4           tout écran : stylo ou non, ou en blanc, jaune, rouge
                             ou noir
  E, C, Ctrl+Z               tout écran : gomme, effacer l&apos;encre, annuler
  Ctrl+S                     tout écran : enregistrer le tableau en image
  Tab, Maj+Tab, Entrée       activités : marquer une commande, appuyer dessus
  W                          activités : lire tout le tableau à voix haute
  Ctrl+L                     activités : ajouter l&apos;activité à un fichier de leçon
  Ctrl+O                     premier menu : ouvrir une leçon
  Tab, Haut, Bas, Entrée     Ranger : choisir un nombre et le placer
  Retour arrière, U          Ranger : Annuler
  Tab, 1 à 9, 0, Suppr       Carrés magiques : choisir, poser, renvoyer une tuile
  H                          Carrés magiques : afficher ou cacher la somme magique
  Haut, Bas, F, R            Calcul mental : rythme, En avant, À rebours
</translation>
    </message>
    <message>
        <source>  Ctrl+G                     go to a problem by its code, on every screen
  Ctrl+P                     activities: a worksheet of this kind
</source>
        <translation>  Ctrl+G                     aller à un problème par son code, sur chaque écran
  Ctrl+P                     activités : une fiche d&apos;exercices de ce type
</translation>
    </message>
    <message>
        <source>--count needs a number of problems from 1 to %1, not &apos;%2&apos;</source>
        <translation>--count demande un nombre de problèmes de 1 à %1, pas « %2 »</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295, not &apos;%1&apos;</source>
        <translation>--seed demande un nombre entier de 0 à 4294967295, pas « %1 »</translation>
    </message>
    <message>
        <source>--format is pdf or text, not &apos;%1&apos;</source>
        <translation>--format vaut pdf ou text, pas « %1 »</translation>
    </message>
    <message>
        <source>--worksheet needs -o FILE, the file to write</source>
        <translation>--worksheet demande -o FICHIER, le fichier à écrire</translation>
    </message>
    <message>
        <source>%1 is an option of --worksheet</source>
        <translation>%1 est une option de --worksheet</translation>
    </message>
    <message>
        <source>Usage: chalkline [OPTION]...
       chalkline --worksheet ACTIVITY [OPTION]... -o FILE
</source>
        <translation>Utilisation : chalkline [OPTION]...
              chalkline --worksheet ACTIVITÉ [OPTION]... -o FICHIER
</translation>
    </message>
    <message>
        <source>start on the problem of that code, as 24P-2-K7QM</source>
        <translation>démarrer sur le problème de ce code, comme 24P-2-K7QM</translation>
    </message>
    <message>
        <source>write a worksheet of the activity and end, no display</source>
        <translation>écrire une fiche d&apos;exercices de l&apos;activité, sans écran</translation>
    </message>
    <message>
        <source>its number of problems, 1 to 500 (10)</source>
        <translation>son nombre de problèmes, de 1 à 500 (10)</translation>
    </message>
    <message>
        <source>its problems follow from this number (else the clock)</source>
        <translation>ses problèmes découlent de ce nombre (sinon l&apos;horloge)</translation>
    </message>
    <message>
        <source>without its answer key</source>
        <translation>sans ses réponses</translation>
    </message>
    <message>
        <source>a PDF, A4 or Letter; or text, one problem a line</source>
        <translation>un PDF, A4 ou Letter ; ou du texte, un problème par ligne</translation>
    </message>
    <message>
        <source>the worksheet&apos;s file</source>
        <translation>le fichier de la fiche</translation>
    </message>
    <message>
        <source>--%1 and --worksheet do not go together</source>
        <translation>--%1 et --worksheet ne vont pas ensemble</translation>
    </message>
    <message>
        <source>--kind goes with --launch or --worksheet</source>
        <translation>--kind va avec --launch ou --worksheet</translation>
    </message>
    <message>
        <source>--open goes alone, without --launch or --lesson</source>
        <translation>--open va seul, sans --launch ni --lesson</translation>
    </message>
    <message>
        <source>the kind for --launch or --worksheet, 1 for the first</source>
        <translation>le type pour --launch ou --worksheet, 1 pour le premier</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>It is in none of the folders searched: %1. Reinstall the program; an installed Chalkline keeps its Images and opening folders in %2.</source>
        <translation>Il ne se trouve dans aucun des dossiers parcourus : %1. Réinstallez le programme ; Chalkline installé garde ses dossiers Images et opening dans %2.</translation>
    </message>
    <message>
        <source>Reinstall the program to restore it.</source>
        <translation>Réinstallez le programme pour le rétablir.</translation>
    </message>
    <message>
        <source>Check its permissions: the user running Chalkline must be able to read it.</source>
        <translation>Vérifiez ses droits : l&apos;utilisateur qui lance Chalkline doit pouvoir le lire.</translation>
    </message>
    <message>
        <source>The file is damaged; reinstall the program to restore it.</source>
        <translation>Le fichier est endommagé ; réinstallez le programme pour le rétablir.</translation>
    </message>
    <message>
        <source>It is not one of the program&apos;s own pictures but a file in %1, which is searched for pictures too: remove or replace this file.</source>
        <translation>Ce n&apos;est pas une des images du programme mais un fichier de %1, où les images sont aussi cherchées : supprimez ou remplacez ce fichier.</translation>
    </message>
    <message>
        <source>Chalkline cannot start: the picture &quot;%1&quot; cannot be loaded (%2). %3</source>
        <translation>Chalkline ne peut pas démarrer : l&apos;image « %1 » ne peut pas être chargée (%2). %3</translation>
    </message>
    <message>
        <source>chalkline: the picture &quot;%1&quot; cannot be loaded (%2); the lesson goes on without it. %3
</source>
        <translation>chalkline : l&apos;image « %1 » ne peut pas être chargée (%2) ; la leçon continue sans elle. %3
</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>le fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>le fichier ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>it is not a regular file but a folder, pipe or device</source>
        <translation>ce n&apos;est pas un fichier ordinaire mais un dossier, un tube ou un périphérique</translation>
    </message>
    <message>
        <source>the JPEG picture cannot be decoded: %1</source>
        <translation>l&apos;image JPEG ne peut pas être décodée : %1</translation>
    </message>
    <message>
        <source>the JPEG picture is corrupt or incomplete: %1</source>
        <translation>l&apos;image JPEG est endommagée ou incomplète : %1</translation>
    </message>
    <message>
        <source>the picture would show at %1 by %2 pixels, too large</source>
        <translation>l&apos;image s&apos;afficherait en %1 sur %2 pixels, c&apos;est trop grand</translation>
    </message>
    <message>
        <source>the picture needs %1 by %2 pixels decoded, too large</source>
        <translation>l&apos;image demande %1 sur %2 pixels décodés, c&apos;est trop grand</translation>
    </message>
    <message>
        <source>the file is not a JPEG picture</source>
        <translation>le fichier n&apos;est pas une image JPEG</translation>
    </message>
    <message>
        <source>the JPEG picture is corrupt</source>
        <translation>l&apos;image JPEG est endommagée</translation>
    </message>
    <message>
        <source>the JPEG picture is corrupt: %1</source>
        <translation>l&apos;image JPEG est endommagée : %1</translation>
    </message>
    <message>
        <source>the picture declares %1 by %2 pixels, too large to decode</source>
        <translation>l&apos;image annonce %1 sur %2 pixels, trop grande pour être décodée</translation>
    </message>
</context>
<context>
    <name>Ink</name>
    <message>
        <source>P</source>
        <translation>P</translation>
    </message>
    <message>
        <source>pen on and off: write over the screen</source>
        <translation>stylo ou non : écrire par-dessus l&apos;écran</translation>
    </message>
    <message>
        <source>Alt+1 to Alt+4</source>
        <translation>Alt+1 à Alt+4</translation>
    </message>
    <message>
        <source>pen in white, yellow, red or black</source>
        <translation>stylo blanc, jaune, rouge ou noir</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>eraser: takes away a stroke it touches</source>
        <translation>gomme : efface un trait qu&apos;elle touche</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>clear the ink</source>
        <translation>effacer l&apos;encre</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>take back the last stroke, erasing or clearing</source>
        <translation>annuler le dernier trait, gommage ou effacement</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>save the board as a picture</source>
        <translation>enregistrer le tableau en image</translation>
    </message>
    <message>
        <source>White pen</source>
        <translation>Stylo blanc</translation>
    </message>
    <message>
        <source>Yellow pen</source>
        <translation>Stylo jaune</translation>
    </message>
    <message>
        <source>Red pen</source>
        <translation>Stylo rouge</translation>
    </message>
    <message>
        <source>Black pen</source>
        <translation>Stylo noir</translation>
    </message>
    <message>
        <source>Pen on</source>
        <translation>Stylo activé</translation>
    </message>
    <message>
        <source>Pen off</source>
        <translation>Stylo désactivé</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Board cleared</source>
        <translation>Tableau effacé</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Saved as %1 in %2</source>
        <translation>Enregistré sous %1 dans %2</translation>
    </message>
    <message>
        <source>The board was not saved in %1: %2</source>
        <translation>Le tableau n&apos;a pas été enregistré dans %1 : %2</translation>
    </message>
    <message>
        <source>The board is full: clear some ink to write more</source>
        <translation>Le tableau est plein : effacez de l&apos;encre pour écrire encore</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>choisi</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stylo</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
</context>
<context>
    <name>Kinds</name>
    <message>
        <source>Positive Whole Numbers</source>
        <translation>Entiers naturels</translation>
    </message>
    <message>
        <source>Integers</source>
        <translation>Entiers relatifs</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Décimaux</translation>
    </message>
    <message>
        <source>Proper Fractions</source>
        <translation>Fractions</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Décalage</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Coder</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Décoder</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simples</translation>
    </message>
    <message>
        <source>Harder</source>
        <translation>Plus dures</translation>
    </message>
    <message>
        <source>Over One</source>
        <translation>Plus que 1</translation>
    </message>
    <message>
        <source>Fibonacci</source>
        <translation>Fibonacci</translation>
    </message>
    <message>
        <source>Any Start</source>
        <translation>Tout départ</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Faciles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Proches</translation>
    </message>
    <message>
        <source>Improper</source>
        <translation>Impropres</translation>
    </message>
    <message>
        <source>Start 1 to 30</source>
        <translation>Départ 1 à 30</translation>
    </message>
    <message>
        <source>Start 1 to 100</source>
        <translation>Départ 1 à 100</translation>
    </message>
    <message>
        <source>Start 1 to 1000</source>
        <translation>Départ 1 à 1000</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Soustraction</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>1 to 100</source>
        <translation>1 à 100</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Morceaux</translation>
    </message>
    <message>
        <source>-50 to 49</source>
        <translation>-50 à 49</translation>
    </message>
    <message>
        <source>Sums</source>
        <translation>Sommes</translation>
    </message>
    <message>
        <source>Sums and Diagonals</source>
        <translation>Avec diagonales</translation>
    </message>
    <message>
        <source>Fewer Clues</source>
        <translation>Moins d&apos;indices</translation>
    </message>
    <message>
        <source>Rows 1 to 5</source>
        <translation>Lignes 1 à 5</translation>
    </message>
    <message>
        <source>Rows 1 to 7</source>
        <translation>Lignes 1 à 7</translation>
    </message>
    <message>
        <source>Rows 1 to 9</source>
        <translation>Lignes 1 à 9</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produits</translation>
    </message>
    <message>
        <source>Sums, fewer clues</source>
        <translation>Moins d&apos;indices</translation>
    </message>
    <message>
        <source>+ - x ÷</source>
        <translation>+ - × ÷</translation>
    </message>
    <message>
        <source>Brackets</source>
        <translation>Parenthèses</translation>
    </message>
    <message>
        <source>Powers</source>
        <translation>Puissances</translation>
    </message>
    <message>
        <source>Unit Fractions</source>
        <translation>Unitaires</translation>
    </message>
    <message>
        <source>Any Fraction</source>
        <translation>Toute fraction</translation>
    </message>
    <message>
        <source>With Clues</source>
        <translation>Avec indices</translation>
    </message>
    <message>
        <source>Rows 0 to 7</source>
        <translation>Lignes 0 à 7</translation>
    </message>
    <message>
        <source>Rows 0 to 10</source>
        <translation>Lignes 0 à 10</translation>
    </message>
    <message>
        <source>Rows 0 to 13</source>
        <translation>Lignes 0 à 13</translation>
    </message>
    <message>
        <source>16 rows</source>
        <translation>16 lignes</translation>
    </message>
    <message>
        <source>32 rows</source>
        <translation>32 lignes</translation>
    </message>
    <message>
        <source>64 rows</source>
        <translation>64 lignes</translation>
    </message>
    <message>
        <source>Of an Amount</source>
        <translation>D&apos;une quantité</translation>
    </message>
    <message>
        <source>Increase and Decrease</source>
        <translation>Hausse et baisse</translation>
    </message>
    <message>
        <source>What Percentage</source>
        <translation>Quel pourcentage</translation>
    </message>
    <message>
        <source>Tables to 10</source>
        <translation>Tables jusqu&apos;à 10</translation>
    </message>
    <message>
        <source>Tables to 12</source>
        <translation>Tables jusqu&apos;à 12</translation>
    </message>
    <message>
        <source>Primitive</source>
        <translation>Primitifs</translation>
    </message>
    <message>
        <source>Multiples</source>
        <translation>Multiples</translation>
    </message>
    <message>
        <source>Euclid&apos;s Formula</source>
        <translation>Formule d&apos;Euclide</translation>
    </message>
    <message>
        <source>x² + bx + c</source>
        <translation>x² + bx + c</translation>
    </message>
    <message>
        <source>With Negatives</source>
        <translation>Avec négatifs</translation>
    </message>
    <message>
        <source>ax² + bx + c</source>
        <translation>ax² + bx + c</translation>
    </message>
    <message>
        <source>Find the Hypotenuse</source>
        <translation>L&apos;hypoténuse</translation>
    </message>
    <message>
        <source>Find a Shorter Side</source>
        <translation>Un côté de l&apos;angle droit</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mélangé</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Add and Subtract</source>
        <translation>Additionner, soustraire</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplier</translation>
    </message>
    <message>
        <source>1 to 9</source>
        <translation>1 à 9</translation>
    </message>
    <message>
        <source>1 to 13</source>
        <translation>1 à 13</translation>
    </message>
    <message>
        <source>Target 1 to 30</source>
        <translation>Cible 1 à 30</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>this is not a lesson: a lesson is a plain text file in UTF-8</source>
        <translation>ce n&apos;est pas une leçon : une leçon est un fichier texte simple en UTF-8</translation>
    </message>
    <message>
        <source>this is not a lesson: it is larger than 1 MiB</source>
        <translation>ce n&apos;est pas une leçon : il dépasse 1 Mio</translation>
    </message>
    <message>
        <source>the lesson has no step; a step is a line such as &apos;numberwall kind=2&apos;</source>
        <translation>la leçon n&apos;a aucune étape ; une étape est une ligne comme « numberwall kind=2 »</translation>
    </message>
    <message>
        <source>there is no activity &apos;%1&apos;; the activities are %2</source>
        <translation>il n&apos;y a pas d&apos;activité « %1 » ; les activités sont %2</translation>
    </message>
    <message>
        <source>%1 has no setting &apos;%2&apos;; it takes %3</source>
        <translation>%1 n&apos;a pas de réglage « %2 » ; elle prend %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a setting: a setting is written key=value, as kind=2</source>
        <translation>« %1 » n&apos;est pas un réglage : un réglage s&apos;écrit clé=valeur, comme kind=2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>%1= does not go with open: the code gives the kind, and one problem</source>
        <translation>%1= ne va pas avec open : le code donne le type, et un seul problème</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Étape %1 sur %2</translation>
    </message>
    <message>
        <source>%1, step %2 of %3</source>
        <translation>%1, étape %2 sur %3</translation>
    </message>
    <message>
        <source>Lessons (*.txt *.lesson);;All files (*)</source>
        <translation>Leçons (*.txt *.lesson);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 prend %2, pas « %3 »</translation>
    </message>
    <message>
        <source>%1 takes only %2, not &apos;%3&apos;</source>
        <translation>%1 ne prend que %2, pas « %3 »</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, such as 2.5, not &apos;%4&apos;</source>
        <translation>%1 prend un nombre de %2 à %3, comme 2.5, pas « %4 »</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 prend un nombre entier de %2 à %3, pas « %4 »</translation>
    </message>
    <message>
        <source>chalkline: %1, line %2: %3</source>
        <translation>chalkline : %1, ligne %2 : %3</translation>
    </message>
    <message>
        <source>chalkline: %1: %2</source>
        <translation>chalkline : %1 : %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>this is a folder, not a lesson</source>
        <translation>c&apos;est un dossier, pas une leçon</translation>
    </message>
    <message>
        <source>cannot read it: %1</source>
        <translation>impossible de le lire : %1</translation>
    </message>
    <message>
        <source>Open a lesson</source>
        <translation>Ouvrir une leçon</translation>
    </message>
    <message>
        <source>Save as a lesson</source>
        <translation>Enregistrer comme leçon</translation>
    </message>
    <message>
        <source>lesson.txt</source>
        <translation>lecon.txt</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. Nothing was written.</source>
        <translation>%1 ne peut pas être lu : %2. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 is not a lesson. Nothing was written.</source>
        <translation>%1 n&apos;est pas une leçon. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source># A Chalkline lesson: one step a line
</source>
        <translation># Une leçon Chalkline : une étape par ligne
</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2. Nothing was written.</source>
        <translation>%1 ne peut pas être écrit : %2. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>%1 was added to %2.</source>
        <translation>%1 a été ajoutée à %2.</translation>
    </message>
    <message>
        <source>%1 was added to %2 as step %3.</source>
        <translation>%1 a été ajoutée à %2 comme étape %3.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Free software: GNU GPL 3 or later</source>
        <translation>Logiciel libre : GNU GPL 3 ou plus</translation>
    </message>
    <message>
        <source>Menu 1</source>
        <translation>Menu 1</translation>
    </message>
    <message>
        <source>Menu 2</source>
        <translation>Menu 2</translation>
    </message>
    <message>
        <source>Menu 3</source>
        <translation>Menu 3</translation>
    </message>
    <message>
        <source>Menu 4</source>
        <translation>Menu 4</translation>
    </message>
    <message>
        <source>Menu 5</source>
        <translation>Menu 5</translation>
    </message>
    <message>
        <source>WWW Links</source>
        <translation>Liens web</translation>
    </message>
    <message>
        <source>Tab, Down or Right arrow</source>
        <translation>Tab, flèche bas ou droite</translation>
    </message>
    <message>
        <source>the next entry</source>
        <translation>l&apos;entrée suivante</translation>
    </message>
    <message>
        <source>Shift+Tab, Up or Left arrow</source>
        <translation>Maj+Tab, flèche haut ou gauche</translation>
    </message>
    <message>
        <source>the entry before</source>
        <translation>l&apos;entrée précédente</translation>
    </message>
    <message>
        <source>Return or Space</source>
        <translation>Entrée ou Espace</translation>
    </message>
    <message>
        <source>open the marked entry</source>
        <translation>ouvrir l&apos;entrée marquée</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>%1, First menu</source>
        <translation>%1, premier menu</translation>
    </message>
    <message>
        <source>%1, Leave the program?</source>
        <translation>%1, quitter le programme ?</translation>
    </message>
    <message>
        <source>Menu %1</source>
        <translation>Menu %1</translation>
    </message>
    <message>
        <source>%1, Menu %2</source>
        <translation>%1, menu %2</translation>
    </message>
    <message>
        <source>F1 or ?</source>
        <translation>F1 ou ?</translation>
    </message>
    <message>
        <source>this list of keys</source>
        <translation>cette liste des touches</translation>
    </message>
    <message>
        <source>Open a lesson</source>
        <translation>Ouvrir une leçon</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Go to problem</source>
        <translation>Aller au problème</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>x</source>
        <comment>multiplication sign</comment>
        <translation>×</translation>
    </message>
    <message>
        <source>÷</source>
        <comment>division sign</comment>
        <translation>÷</translation>
    </message>
</context>
<context>
    <name>Overlays</name>
    <message>
        <source>Keys: %1</source>
        <translation>Touches : %1</translation>
    </message>
    <message>
        <source>F11 or Ctrl+F</source>
        <translation>F11 ou Ctrl+F</translation>
    </message>
    <message>
        <source>full screen on and off</source>
        <translation>plein écran ou non</translation>
    </message>
    <message>
        <source>Blank screen</source>
        <translation>Écran noir</translation>
    </message>
    <message>
        <source>Any key or click closes this list.</source>
        <translation>Une touche ou un clic ferme cette liste.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Cacher</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>ProblemCodes</name>
    <message>
        <source>&apos;%1&apos; is not a problem code: a code is three characters, the kind and four characters, as 24P-2-K7QM</source>
        <translation>« %1 » n&apos;est pas un code de problème : un code a trois caractères, le type et quatre caractères, comme 24P-2-K7QM</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a character no code has: codes use the digits 2 to 9 and the letters but I, L and O</source>
        <translation>« %1 » a un caractère qu&apos;aucun code n&apos;a : les codes utilisent les chiffres 2 à 9 et les lettres sauf I, L et O</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no activity of this version</source>
        <translation>« %1 » ne désigne aucune activité de cette version</translation>
    </message>
    <message>
        <source>kind %1 is not a kind of this activity, which has only kind 1</source>
        <translation>le type %1 n&apos;est pas un type de cette activité, qui n&apos;a que le type 1</translation>
    </message>
    <message>
        <source>kind %1 is not a kind of this activity: 1 to %2</source>
        <translation>le type %1 n&apos;est pas un type de cette activité : 1 à %2</translation>
    </message>
    <message>
        <source>the last part &apos;%1&apos; does not match the rest of the code: a character is mistyped</source>
        <translation>la dernière partie « %1 » ne correspond pas au reste du code : un caractère est mal tapé</translation>
    </message>
</context>
<context>
    <name>ProblemDialogs</name>
    <message>
        <source>Go to problem</source>
        <translation>Aller au problème</translation>
    </message>
    <message>
        <source>The problem&apos;s code, as 24P-2-K7QM:</source>
        <translation>Le code du problème, comme 24P-2-K7QM :</translation>
    </message>
    <message>
        <source>Rub out</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Aller</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Worksheet: %1</source>
        <translation>Fiche d&apos;exercices : %1</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Problèmes :</translation>
    </message>
    <message>
        <source>With an answer key</source>
        <translation>Avec les réponses</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Save the worksheet</source>
        <translation>Enregistrer la fiche d&apos;exercices</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Ctrl+G</translation>
    </message>
    <message>
        <source>go to a problem by its code</source>
        <translation>aller à un problème par son code</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>language takes a language&apos;s code, such as fr or de_CH, not &apos;%1&apos;</source>
        <translation>language prend le code d&apos;une langue, comme fr ou de_CH, pas « %1 »</translation>
    </message>
    <message>
        <source>launch takes an activity&apos;s name, one of %1; not &apos;%2&apos;</source>
        <translation>launch prend le nom d&apos;une activité, parmi %1 ; pas « %2 »</translation>
    </message>
    <message>
        <source>webAddress takes an address that starts with https:// or http://, not &apos;%1&apos;</source>
        <translation>webAddress prend une adresse qui commence par https:// ou http://, pas « %1 »</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>il dépasse 1 Mio</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>ce n&apos;est pas un fichier texte</translation>
    </message>
    <message>
        <source>it is not a settings file</source>
        <translation>ce n&apos;est pas un fichier de réglages</translation>
    </message>
    <message>
        <source>chalkline: cannot read the settings file %1: %2; its settings are ignored</source>
        <translation>chalkline : impossible de lire le fichier de réglages %1 : %2 ; ses réglages sont ignorés</translation>
    </message>
    <message>
        <source>chalkline: %1: there is no activity [%2]; its settings are ignored</source>
        <translation>chalkline : %1 : il n&apos;y a pas d&apos;activité [%2] ; ses réglages sont ignorés</translation>
    </message>
    <message>
        <source>chalkline: %1: [%2] has no setting &apos;%3&apos;; it is ignored</source>
        <translation>chalkline : %1 : [%2] n&apos;a pas de réglage « %3 » ; il est ignoré</translation>
    </message>
    <message>
        <source>chalkline: %1: [%2] %3; it is ignored</source>
        <translation>chalkline : %1 : [%2] %3 ; il est ignoré</translation>
    </message>
    <message>
        <source>chalkline: cannot remove the settings file %1</source>
        <translation>chalkline : impossible de supprimer le fichier de réglages %1</translation>
    </message>
    <message>
        <source>chalkline: cannot write the settings file %1; the settings of this session will not be kept
</source>
        <translation>chalkline : impossible d&apos;écrire le fichier de réglages %1 ; les réglages de cette séance ne seront pas gardés
</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>point</source>
        <comment>the decimal separator, read aloud</comment>
        <translation>virgule</translation>
    </message>
    <message>
        <source>%1 recurring</source>
        <translation>%1 périodique</translation>
    </message>
    <message>
        <source>squared</source>
        <translation>au carré</translation>
    </message>
    <message>
        <source>cubed</source>
        <translation>au cube</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>to the power of %1</source>
        <translation>puissance %1</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>plus or minus</source>
        <translation>plus ou moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>over</source>
        <translation>sur</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égale</translation>
    </message>
    <message>
        <source>is not equal to</source>
        <translation>n&apos;est pas égal à</translation>
    </message>
    <message>
        <source>is approximately</source>
        <translation>est environ</translation>
    </message>
    <message>
        <source>is less than</source>
        <translation>est inférieur à</translation>
    </message>
    <message>
        <source>is greater than</source>
        <translation>est supérieur à</translation>
    </message>
    <message>
        <source>is less than or equal to</source>
        <translation>est inférieur ou égal à</translation>
    </message>
    <message>
        <source>is greater than or equal to</source>
        <translation>est supérieur ou égal à</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>parenthèse ouvrante</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>parenthèse fermante</translation>
    </message>
    <message>
        <source>the square root of</source>
        <translation>la racine carrée de</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>pour cent</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>blank</source>
        <comment>a hidden number or digit, read aloud</comment>
        <translation>blanc</translation>
    </message>
    <message>
        <source>and</source>
        <comment>between the whole part and the fraction</comment>
        <translation>et</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Roman %1</source>
        <comment>a Roman numeral spelled letter by letter</comment>
        <translation>romain %1</translation>
    </message>
    <message>
        <source>row %1 has %2</source>
        <translation>la ligne %1 contient %2</translation>
    </message>
    <message>
        <source>row %1, place %2 is %3</source>
        <translation>ligne %1, case %2, il y a %3</translation>
    </message>
</context>
<context>
    <name>TitleForm</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Mathematics for the whole class</source>
        <translation>Les maths pour toute la classe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
</context>
<context>
    <name>Worksheets</name>
    <message>
        <source>%1. Problem: %2 Code %3.</source>
        <translation>%1. Problème : %2 Code %3.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Name: ______________________</source>
        <translation>Nom : ______________________</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Answers: %1</source>
        <translation>Réponses : %1</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>impossible d&apos;écrire « %1 » : %2</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: there is no folder &apos;%2&apos;</source>
        <translation>impossible d&apos;écrire « %1 » : il n&apos;y a pas de dossier « %2 »</translation>
    </message>
</context>
<context>
    <name>chalkline::affine::AffineForm</name>
    <message>
        <source>To decode:</source>
        <translation>Pour décoder :</translation>
    </message>
    <message>
        <source>Decode the word with the key</source>
        <translation>Décode le mot avec la clé</translation>
    </message>
    <message>
        <source>Encode the word with the key</source>
        <translation>Code le mot avec la clé</translation>
    </message>
    <message>
        <source>Inverse of %1:</source>
        <translation>Inverse de %1 :</translation>
    </message>
    <message>
        <source>decode %1 with %2.</source>
        <translation>décode %1 avec %2.</translation>
    </message>
    <message>
        <source>encode %1 with %2.</source>
        <translation>code %1 avec %2.</translation>
    </message>
    <message>
        <source>%1 becomes %2.</source>
        <translation>%1 devient %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::boards::BoardForm</name>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>chalkline::fastmental::FastMentalForm</name>
    <message>
        <source>Time between rows</source>
        <translation>Temps entre les lignes</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>start at %1.</source>
        <translation>départ : %1.</translation>
    </message>
    <message>
        <source>end at %1.</source>
        <translation>arrivée : %1.</translation>
    </message>
    <message>
        <source>Starting Value:</source>
        <translation>Départ :</translation>
    </message>
    <message>
        <source>Less Time</source>
        <translation>Plus vite</translation>
    </message>
    <message>
        <source>More Time</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>En avant</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>À rebours</translation>
    </message>
    <message>
        <source>Up arrow</source>
        <translation>Flèche haut</translation>
    </message>
    <message>
        <source>less time between rows</source>
        <translation>moins de temps entre les lignes</translation>
    </message>
    <message>
        <source>Down arrow</source>
        <translation>Flèche bas</translation>
    </message>
    <message>
        <source>more time between rows</source>
        <translation>plus de temps entre les lignes</translation>
    </message>
    <message>
        <source>F</source>
        <translation>F</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>start %1, then %2.</source>
        <translation>départ %1, puis %2.</translation>
    </message>
    <message>
        <source>Then %1.</source>
        <translation>Puis %1.</translation>
    </message>
</context>
<context>
    <name>chalkline::fdp::FdpForm</name>
    <message>
        <source>Fraction</source>
        <translation>Fraction</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Décimal</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Write each number the other two ways.</source>
        <translation>Écris chaque nombre des deux autres façons.</translation>
    </message>
</context>
<context>
    <name>chalkline::fibonacci::FibonacciForm</name>
    <message>
        <source>Each term is the sum of the two before it.</source>
        <translation>Chaque terme est la somme des deux précédents.</translation>
    </message>
    <message>
        <source>each term is the sum of the two before it: %1.</source>
        <translation>chaque terme est la somme des deux précédents : %1.</translation>
    </message>
</context>
<context>
    <name>chalkline::fourrules::FourRulesForm</name>
    <message>
        <source>find the sum, difference, product and quotient of %1 and %2.</source>
        <translation>trouve la somme, la différence, le produit et le quotient de %1 et %2.</translation>
    </message>
    <message>
        <source>sum %1, difference %2, product %3, quotient %4.</source>
        <translation>somme %1, différence %2, produit %3, quotient %4.</translation>
    </message>
    <message>
        <source>Find the sum, difference, product and quotient of...</source>
        <translation>Trouve la somme, la différence, le produit et le quotient de…</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>The sum is</source>
        <translation>La somme est</translation>
    </message>
    <message>
        <source>The difference is</source>
        <translation>La différence est</translation>
    </message>
    <message>
        <source>The product is</source>
        <translation>Le produit est</translation>
    </message>
    <message>
        <source>The quotient is</source>
        <translation>Le quotient est</translation>
    </message>
</context>
<context>
    <name>chalkline::fractionsbetween::FractionsBetweenForm</name>
    <message>
        <source>Find a fraction between</source>
        <translation>Trouve une fraction entre</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>Halfway</source>
        <translation>Au milieu</translation>
    </message>
    <message>
        <source>Mediant</source>
        <translation>Médiante</translation>
    </message>
    <message>
        <source>Simplest</source>
        <translation>La plus simple</translation>
    </message>
    <message>
        <source>find a fraction between %1 and %2.</source>
        <translation>trouve une fraction entre %1 et %2.</translation>
    </message>
    <message>
        <source>halfway %1, mediant %2, simplest %3.</source>
        <translation>au milieu %1, médiante %2, la plus simple %3.</translation>
    </message>
</context>
<context>
    <name>chalkline::grids::SquareForm</name>
    <message>
        <source>row products %1</source>
        <translation>produits des lignes %1</translation>
    </message>
    <message>
        <source>row sums %1</source>
        <translation>sommes des lignes %1</translation>
    </message>
    <message>
        <source>column products %1</source>
        <translation>produits des colonnes %1</translation>
    </message>
    <message>
        <source>column sums %1</source>
        <translation>sommes des colonnes %1</translation>
    </message>
    <message>
        <source>diagonal sums %1 from the top left, %2 from the bottom left</source>
        <translation>sommes des diagonales %1 depuis le haut à gauche, %2 depuis le bas à gauche</translation>
    </message>
    <message>
        <source>%1, top row first: %2.</source>
        <translation>%1, ligne du haut d&apos;abord : %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::hailstone::HailstoneForm</name>
    <message>
        <source>Start</source>
        <translation>Départ</translation>
    </message>
    <message>
        <source>Even: halve it.
Odd: multiply by 3 and add 1.
Stop at 1.</source>
        <translation>Pair : divise par 2.
Impair : multiplie par 3 et ajoute 1.
Arrête-toi à 1.</translation>
    </message>
    <message>
        <source>the hailstone sequence from %1.</source>
        <translation>la suite de Syracuse à partir de %1.</translation>
    </message>
    <message>
        <source>1 step, highest %1</source>
        <translation>1 étape, maximum %1</translation>
    </message>
    <message numerus="yes">
        <source>%n steps, highest %1</source>
        <translation>
            <numerusform>%n étape, maximum %1</numerusform>
            <numerusform>%n étapes, maximum %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chalkline::hiddendigits::HiddenDigitsForm</name>
    <message>
        <source>Find the hidden digits.</source>
        <translation>Trouve les chiffres cachés.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>chalkline::hundredsquare::HundredSquareForm</name>
    <message>
        <source>Find the hidden numbers of the hundred square</source>
        <translation>Trouve les nombres cachés du tableau de 100</translation>
    </message>
    <message>
        <source>A piece of the hundred square: find its other numbers</source>
        <translation>Un morceau du tableau de 100 : trouve ses autres nombres</translation>
    </message>
    <message>
        <source>a piece of the hundred square, top row first: %1.</source>
        <translation>un morceau du tableau de 100, ligne du haut d&apos;abord : %1.</translation>
    </message>
    <message>
        <source>This square runs from -50 to 49: find its hidden numbers</source>
        <translation>Ce tableau va de -50 à 49 : trouve ses nombres cachés</translation>
    </message>
    <message>
        <source>the hundred square, top row first: %1.</source>
        <translation>le tableau de 100, ligne du haut d&apos;abord : %1.</translation>
    </message>
    <message>
        <source>the square from %1 to %2, top row first: %3.</source>
        <translation>le tableau de %1 à %2, ligne du haut d&apos;abord : %3.</translation>
    </message>
</context>
<context>
    <name>chalkline::integersquares::IntegerSquaresForm</name>
    <message>
        <source>Put these nine integers in the square, once each: each row and column adds up to the number beside it</source>
        <translation>Place ces neuf entiers dans le carré, une fois chacun : chaque ligne et chaque colonne a pour somme le nombre à côté</translation>
    </message>
    <message>
        <source>Put these nine integers in the square, once each: each row, column and diagonal adds up to the number at its end</source>
        <translation>Place ces neuf entiers dans le carré, une fois chacun : chaque ligne, colonne et diagonale a pour somme le nombre au bout</translation>
    </message>
    <message>
        <source>a square of the integers %1</source>
        <translation>un carré des entiers %1</translation>
    </message>
</context>
<context>
    <name>chalkline::leibniz::LeibnizForm</name>
    <message>
        <source>Each fraction is the sum of the two below it. Find the missing fractions.</source>
        <translation>Chaque fraction est la somme des deux en dessous. Trouve les fractions manquantes.</translation>
    </message>
    <message>
        <source>Leibniz triangle, rows 1 to %1, top first. %2.</source>
        <translation>triangle de Leibniz, lignes 1 à %1, haut d&apos;abord. %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::magicsquares::Magicsquares</name>
    <message>
        <source>rising diagonal</source>
        <translation>diagonale montante</translation>
    </message>
    <message>
        <source>top row</source>
        <translation>ligne du haut</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation>ligne du milieu</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation>ligne du bas</translation>
    </message>
    <message>
        <source>falling diagonal</source>
        <translation>diagonale descendante</translation>
    </message>
    <message>
        <source>right column</source>
        <translation>colonne de droite</translation>
    </message>
    <message>
        <source>middle column</source>
        <translation>colonne du milieu</translation>
    </message>
    <message>
        <source>left column</source>
        <translation>colonne de gauche</translation>
    </message>
    <message>
        <source>%1 sum %2</source>
        <translation>%1 somme %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>make a magic square from %1 and %2.</source>
        <translation>fais un carré magique avec %1 et %2.</translation>
    </message>
    <message>
        <source>Use the 9 numbers to create a magic square</source>
        <translation>Utilise les 9 nombres pour faire un carré magique</translation>
    </message>
    <message>
        <source>The sum along each row, column and diagonal is %1</source>
        <translation>La somme de chaque ligne, colonne et diagonale est %1</translation>
    </message>
    <message>
        <source>1 to 9</source>
        <translation>1 à 9</translation>
    </message>
    <message>
        <source>put the chosen tile in that cell, counted along the rows</source>
        <translation>poser la tuile choisie dans cette case, comptée ligne par ligne</translation>
    </message>
    <message>
        <source>0 or Delete</source>
        <translation>0 ou Suppr</translation>
    </message>
    <message>
        <source>send the chosen tile home</source>
        <translation>renvoyer la tuile choisie à sa place</translation>
    </message>
    <message>
        <source>Show or Hide the magic sum</source>
        <translation>Afficher ou cacher la somme magique</translation>
    </message>
    <message>
        <source>%1, in cell %2</source>
        <translation>%1, dans la case %2</translation>
    </message>
    <message>
        <source>%1, in the tile column</source>
        <translation>%1, dans la colonne des tuiles</translation>
    </message>
    <message>
        <source>Cell %1: %2</source>
        <translation>Case %1 : %2</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>The magic sum is %1</source>
        <translation>La somme magique est %1</translation>
    </message>
    <message>
        <source>Magic sum hidden</source>
        <translation>Somme magique cachée</translation>
    </message>
    <message>
        <source>every line adds to %1. top row %2. middle row %3. bottom row %4.</source>
        <translation>chaque ligne a pour somme %1. ligne du haut %2. ligne du milieu %3. ligne du bas %4.</translation>
    </message>
    <message>
        <source>the square is empty</source>
        <translation>le carré est vide</translation>
    </message>
</context>
<context>
    <name>chalkline::matchthetarget::MatchTheTargetForm</name>
    <message>
        <source>make %1 from %2, %3, %4, %5 and %6 in this order.</source>
        <translation>obtiens %1 avec %2, %3, %4, %5 et %6 dans cet ordre.</translation>
    </message>
    <message>
        <source>Given numbers</source>
        <translation>Nombres donnés</translation>
    </message>
    <message>
        <source>To match the target number use:</source>
        <translation>Pour atteindre la cible, utilise :</translation>
    </message>
    <message>
        <source>· All the numbers in the order they appear</source>
        <translation>· Tous les nombres dans l&apos;ordre donné</translation>
    </message>
    <message>
        <source>· Any of the signs +, -, x, ÷ and brackets</source>
        <translation>· Les signes +, -, ×, ÷ et des parenthèses</translation>
    </message>
    <message>
        <source>Target number</source>
        <translation>Nombre cible</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
</context>
<context>
    <name>chalkline::numbersquares::NumberSquaresForm</name>
    <message>
        <source>Put the digits 1 to 9 in the square, once each: each row and column multiplies to the number beside it</source>
        <translation>Place les chiffres de 1 à 9 dans le carré, une fois chacun : chaque ligne et chaque colonne a pour produit le nombre à côté</translation>
    </message>
    <message>
        <source>Put the digits 1 to 9 in the square, once each: each row and column adds up to the number beside it</source>
        <translation>Place les chiffres de 1 à 9 dans le carré, une fois chacun : chaque ligne et chaque colonne a pour somme le nombre à côté</translation>
    </message>
    <message>
        <source>a square of the digits 1 to 9</source>
        <translation>un carré des chiffres de 1 à 9</translation>
    </message>
</context>
<context>
    <name>chalkline::numberwall::NumberWallForm</name>
    <message>
        <source>Each brick is the sum of the two bricks below it. Find the missing bricks.</source>
        <translation>Chaque brique est la somme des deux briques en dessous. Trouve les briques manquantes.</translation>
    </message>
    <message>
        <source>number wall, bottom row first. %1.</source>
        <translation>mur de nombres, ligne du bas d&apos;abord. %1.</translation>
    </message>
</context>
<context>
    <name>chalkline::ordering::OrderingForm</name>
    <message>
        <source>put in order, smallest first: %1.</source>
        <translation>range dans l&apos;ordre, le plus petit d&apos;abord : %1.</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Plus petit</translation>
    </message>
    <message>
        <source>Biggest</source>
        <translation>Plus grand</translation>
    </message>
    <message>
        <source>Backspace or U</source>
        <translation>Retour arrière ou U</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>, smallest</source>
        <translation>, le plus petit</translation>
    </message>
    <message>
        <source>, biggest</source>
        <translation>, le plus grand</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>Place %1%2: %3</source>
        <translation>Place %1%2 : %3</translation>
    </message>
    <message>
        <source>Down arrow; Up arrow</source>
        <translation>Flèche bas ; flèche haut</translation>
    </message>
    <message>
        <source>mark the next or the previous control, as Tab and Shift+Tab do</source>
        <translation>marquer la commande suivante ou précédente, comme Tab et Maj+Tab</translation>
    </message>
    <message>
        <source>%1 placed in place %2</source>
        <translation>%1 mis à la place %2</translation>
    </message>
    <message>
        <source>%1 taken back from place %2</source>
        <translation>%1 retiré de la place %2</translation>
    </message>
</context>
<context>
    <name>chalkline::orderofoperations::OrderOfOperationsForm</name>
    <message>
        <source>Work out, doing the operations in the right order:</source>
        <translation>Calcule en respectant les priorités opératoires :</translation>
    </message>
</context>
<context>
    <name>chalkline::pandigital::PandigitalForm</name>
    <message>
        <source>Use the digits 1 to 9 once each to make a fraction equal to</source>
        <translation>Utilise les chiffres de 1 à 9 une fois chacun pour écrire une fraction égale à</translation>
    </message>
    <message>
        <source>1 way</source>
        <translation>1 façon</translation>
    </message>
    <message>
        <source>%1 ways</source>
        <translation>%1 façons</translation>
    </message>
    <message>
        <source>use the digits 1 to 9 once each to make a fraction equal to %1: %2.</source>
        <translation>utilise les chiffres de 1 à 9 une fois chacun pour écrire une fraction égale à %1 : %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::pascal1::Pascal1Form</name>
    <message>
        <source>Each number is the sum of the two above it. Find the missing numbers.</source>
        <translation>Chaque nombre est la somme des deux au-dessus. Trouve les nombres manquants.</translation>
    </message>
    <message>
        <source>Pascal&apos;s triangle, rows 0 to %1, top first. %2.</source>
        <translation>triangle de Pascal, lignes 0 à %1, haut d&apos;abord. %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::pascal2::Pascal2Form</name>
    <message>
        <source>Pascal&apos;s triangle, rows 0 to %1</source>
        <translation>Triangle de Pascal, lignes 0 à %1</translation>
    </message>
    <message>
        <source>Which numbers are multiples of %1?</source>
        <translation>Quels nombres sont multiples de %1 ?</translation>
    </message>
    <message>
        <source>%1 of the %2 numbers are multiples of %3.</source>
        <translation>%1 des %2 nombres sont multiples de %3.</translation>
    </message>
    <message>
        <source>Multiples in each row from row 0: %1.</source>
        <translation>Multiples dans chaque ligne depuis la ligne 0 : %1.</translation>
    </message>
    <message>
        <source>find the multiples of %1 in rows 0 to %2 of Pascal&apos;s triangle.</source>
        <translation>trouve les multiples de %1 dans les lignes 0 à %2 du triangle de Pascal.</translation>
    </message>
</context>
<context>
    <name>chalkline::percentages::PercentagesForm</name>
    <message>
        <source>Work out each percentage of the amount.</source>
        <translation>Calcule chaque pourcentage de la quantité.</translation>
    </message>
    <message>
        <source>Increase or decrease each amount by the percentage.</source>
        <translation>Augmente ou diminue chaque quantité du pourcentage.</translation>
    </message>
    <message>
        <source>Write each as a percentage.</source>
        <translation>Écris chacun en pourcentage.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 increased by %2</source>
        <translation>%1 augmenté de %2</translation>
    </message>
    <message>
        <source>%1 decreased by %2</source>
        <translation>%1 diminué de %2</translation>
    </message>
    <message>
        <source>%1 out of %2</source>
        <translation>%1 sur %2</translation>
    </message>
</context>
<context>
    <name>chalkline::products::ProductsForm</name>
    <message>
        <source>Find the missing numbers of the multiplication grid</source>
        <translation>Trouve les nombres manquants de la table de multiplication</translation>
    </message>
    <message>
        <source>a multiplication grid, top headers %1. left headers %2. products %3.</source>
        <translation>une table de multiplication, en-têtes du haut %1. en-têtes de gauche %2. produits %3.</translation>
    </message>
</context>
<context>
    <name>chalkline::pythagorean::PythagoreanForm</name>
    <message>
        <source>Fill in the missing numbers. Each row is a primitive Pythagorean triple: a² + b² = c² with a &lt; b &lt; c ≤ 100 and no common factor.</source>
        <translation>Complète les nombres manquants. Chaque ligne est un triplet de Pythagore primitif : a² + b² = c² avec a &lt; b &lt; c ≤ 100 sans facteur commun.</translation>
    </message>
    <message>
        <source>Fill in the missing numbers. Each row is a multiple of a primitive Pythagorean triple: a² + b² = c² with a &lt; b &lt; c ≤ 100.</source>
        <translation>Complète les nombres manquants. Chaque ligne est un multiple d&apos;un triplet de Pythagore primitif : a² + b² = c² avec a &lt; b &lt; c ≤ 100.</translation>
    </message>
    <message>
        <source>Use Euclid&apos;s formula to find the Pythagorean triple that m and n make.</source>
        <translation>Utilise la formule d&apos;Euclide pour trouver le triplet de Pythagore donné par m et n.</translation>
    </message>
</context>
<context>
    <name>chalkline::quadratic::QuadraticForm</name>
    <message>
        <source>Factorise</source>
        <translation>Factorise</translation>
    </message>
    <message>
        <source>Check by multiplying out:</source>
        <translation>Vérifie en développant :</translation>
    </message>
    <message>
        <source>factorise %1.</source>
        <translation>factorise %1.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>chalkline::rightangled::RightAngledForm</name>
    <message>
        <source>Find the length of the side marked ?, to 1 decimal place where it is not a whole number.</source>
        <translation>Trouve la longueur du côté marqué ?, au dixième près quand ce n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <source>Not drawn to scale</source>
        <translation>Pas à l&apos;échelle</translation>
    </message>
    <message>
        <source>to 1 decimal place</source>
        <translation>au dixième près</translation>
    </message>
    <message>
        <source>%1 to 1 decimal place.</source>
        <translation>%1 au dixième près.</translation>
    </message>
    <message>
        <source>a right-angled triangle with shorter sides %1 and %2. Find the hypotenuse.</source>
        <translation>un triangle rectangle dont les côtés de l&apos;angle droit mesurent %1 et %2. Trouve l&apos;hypoténuse.</translation>
    </message>
    <message>
        <source>a right-angled triangle with hypotenuse %1 and a shorter side %2. Find the other shorter side.</source>
        <translation>un triangle rectangle d&apos;hypoténuse %1 et dont un côté de l&apos;angle droit mesure %2. Trouve l&apos;autre côté.</translation>
    </message>
</context>
<context>
    <name>chalkline::roman::RomanForm</name>
    <message>
        <source>Write each number the other way</source>
        <translation>Écris chaque nombre de l&apos;autre façon</translation>
    </message>
    <message>
        <source>Work out each answer in Roman numerals</source>
        <translation>Calcule chaque résultat en chiffres romains</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
</context>
<context>
    <name>chalkline::spiderdiagrams::SpiderDiagramsForm</name>
    <message>
        <source>Do each operation to the number in the centre.</source>
        <translation>Fais chaque opération sur le nombre du centre.</translation>
    </message>
    <message>
        <source>half</source>
        <translation>moitié</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>centre %1. %2.</source>
        <translation>centre %1. %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::substitution::SubstitutionForm</name>
    <message>
        <source>Find the value of each expression when</source>
        <translation>Trouve la valeur de chaque expression quand</translation>
    </message>
    <message>
        <source>%1. Find %2.</source>
        <translation>%1. Trouve %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::twentyfour::TwentyFourForm</name>
    <message>
        <source>Use each number once, with +, -, x, ÷ and brackets, to make</source>
        <translation>Utilise chaque nombre une fois, avec +, -, ×, ÷ et des parenthèses, pour obtenir</translation>
    </message>
    <message>
        <source>make %1 from %2, %3, %4 and %5.</source>
        <translation>obtiens %1 avec %2, %3, %4 et %5.</translation>
    </message>
    <message>
        <source>1 way</source>
        <translation>1 façon</translation>
    </message>
    <message>
        <source>%1 ways</source>
        <translation>%1 façons</translation>
    </message>
</context>
</TS>
