<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Activities</name>
    <message>
        <source>Affine Ciphers</source>
        <translation>Affine Chiffren</translation>
    </message>
    <message>
        <source>Mental Arithmetic</source>
        <translation>Kopfrechnen</translation>
    </message>
    <message>
        <source>Fractions, Decimals and Percentages</source>
        <translation>Brüche, Dezimalzahlen und Prozente</translation>
    </message>
    <message>
        <source>The Fibonacci Sequence</source>
        <translation>Die Fibonacci-Folge</translation>
    </message>
    <message>
        <source>The Four Rules</source>
        <translation>Die vier Grundrechenarten</translation>
    </message>
    <message>
        <source>Fractions Between</source>
        <translation>Brüche dazwischen</translation>
    </message>
    <message>
        <source>Hailstone Numbers</source>
        <translation>Collatz-Folgen</translation>
    </message>
    <message>
        <source>Hidden Digits</source>
        <translation>Versteckte Ziffern</translation>
    </message>
    <message>
        <source>The Hundred Square</source>
        <translation>Die Hundertertafel</translation>
    </message>
    <message>
        <source>Integer Squares</source>
        <translation>Ganzzahl-Quadrate</translation>
    </message>
    <message>
        <source>Leibniz&apos; Triangle</source>
        <translation>Leibniz-Dreieck</translation>
    </message>
    <message>
        <source>Magic Squares</source>
        <translation>Magische Quadrate</translation>
    </message>
    <message>
        <source>Match the Target</source>
        <translation>Triff das Ziel</translation>
    </message>
    <message>
        <source>Number Squares</source>
        <translation>Zahlenquadrate</translation>
    </message>
    <message>
        <source>Number Wall</source>
        <translation>Zahlenmauer</translation>
    </message>
    <message>
        <source>Ordering</source>
        <translation>Ordnen</translation>
    </message>
    <message>
        <source>Order of Operations</source>
        <translation>Rechenreihenfolge</translation>
    </message>
    <message>
        <source>Pandigital Fractions</source>
        <translation>Pandigitale Brüche</translation>
    </message>
    <message>
        <source>Pascal&apos;s Triangle 1</source>
        <translation>Pascalsches Dreieck 1</translation>
    </message>
    <message>
        <source>Pascal&apos;s Triangle 2</source>
        <translation>Pascalsches Dreieck 2</translation>
    </message>
    <message>
        <source>Percentages</source>
        <translation>Prozente</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produkte</translation>
    </message>
    <message>
        <source>Pythagorean Triples</source>
        <translation>Pythagoreische Tripel</translation>
    </message>
    <message>
        <source>Quadratic Factors</source>
        <translation>Faktorisieren</translation>
    </message>
    <message>
        <source>Right-angled Triangles</source>
        <translation>Rechtwinklige Dreiecke</translation>
    </message>
    <message>
        <source>Roman Arithmetic</source>
        <translation>Römisch rechnen</translation>
    </message>
    <message>
        <source>Spider Diagrams</source>
        <translation>Spinnendiagramme</translation>
    </message>
    <message>
        <source>Substitution</source>
        <translation>Einsetzen</translation>
    </message>
    <message>
        <source>The 24 Puzzle</source>
        <translation>Das 24-Spiel</translation>
    </message>
</context>
<context>
    <name>ActivityForm</name>
    <message>
        <source>Answer: %1</source>
        <translation>Lösung: %1</translation>
    </message>
    <message>
        <source>Problem: %1</source>
        <translation>Aufgabe: %1</translation>
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
        <translation>Bild ab, N oder Pfeil rechts</translation>
    </message>
    <message>
        <source>PageUp or S</source>
        <translation>Bild auf oder S</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Exit: back to the menu</source>
        <translation>Ende: zurück zum Menü</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K</translation>
    </message>
    <message>
        <source>the next kind of numbers</source>
        <translation>die nächste Zahlenart</translation>
    </message>
    <message>
        <source>Ctrl+1 or Ctrl+%1</source>
        <translation>Strg+1 oder Strg+%1</translation>
    </message>
    <message>
        <source>Ctrl+1 to Ctrl+%1</source>
        <translation>Strg+1 bis Strg+%1</translation>
    </message>
    <message>
        <source>that kind of numbers, in the order shown</source>
        <translation>diese Zahlenart, in der gezeigten Reihenfolge</translation>
    </message>
    <message>
        <source>B or .</source>
        <translation>B oder .</translation>
    </message>
    <message>
        <source>blank the screen; any key or click brings it back</source>
        <translation>Bildschirm schwarz; jede Taste oder ein Klick holt ihn zurück</translation>
    </message>
    <message>
        <source>F1 or ?</source>
        <translation>F1 oder ?</translation>
    </message>
    <message>
        <source>this list of keys</source>
        <translation>diese Liste der Tasten</translation>
    </message>
    <message>
        <source>Next (Go): a new problem</source>
        <translation>Weiter: eine neue Aufgabe</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Strg+L</translation>
    </message>
    <message>
        <source>save as a lesson: add this activity to a lesson file</source>
        <translation>als Lektion speichern: an eine Lektionsdatei anfügen</translation>
    </message>
    <message>
        <source>Tab; Shift+Tab</source>
        <translation>Tab; Umschalt+Tab</translation>
    </message>
    <message>
        <source>mark the next or the previous control</source>
        <translation>das nächste oder vorige Bedienelement markieren</translation>
    </message>
    <message>
        <source>Return or Space</source>
        <translation>Eingabe oder Leertaste</translation>
    </message>
    <message>
        <source>press the marked control</source>
        <translation>das markierte Bedienelement betätigen</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>read the whole board aloud</source>
        <translation>die ganze Tafel vorlesen</translation>
    </message>
    <message>
        <source>Ctrl+G; Ctrl+P</source>
        <translation>Strg+G; Strg+P</translation>
    </message>
    <message>
        <source>a problem by its code; a worksheet</source>
        <translation>eine Aufgabe nach Code; ein Arbeitsblatt</translation>
    </message>
</context>
<context>
    <name>BoardFile</name>
    <message>
        <source>the folder %1 is not there</source>
        <translation>den Ordner %1 gibt es nicht</translation>
    </message>
    <message>
        <source>the picture could not be written</source>
        <translation>das Bild konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>chalkline: there is no screen %1; this display has %2, from 0
</source>
        <translation>chalkline: Bildschirm %1 gibt es nicht; diese Anzeige hat %2, ab 0
</translation>
    </message>
    <message>
        <source>Activities:
</source>
        <translation>Aktivitäten:
</translation>
    </message>
    <message>
        <source>  Menu %1:</source>
        <translation>  Menü %1:</translation>
    </message>
    <message>
        <source>Mathematics activities for the whole class, on a projector or a whiteboard.

</source>
        <translation>Mathematik-Aktivitäten für die ganze Klasse, am Beamer oder an der Tafel.

</translation>
    </message>
    <message>
        <source>chalkline: needs a graphical session to show its windows, but neither DISPLAY nor WAYLAND_DISPLAY is set; start it from the desktop
</source>
        <translation>chalkline: braucht eine grafische Sitzung für seine Fenster, aber weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt; starten Sie es vom Desktop aus
</translation>
    </message>
    <message>
        <source>Try &apos;chalkline --help&apos; for more information.
</source>
        <translation>»chalkline --help« gibt weitere Informationen.
</translation>
    </message>
    <message>
        <source>
Report bugs at &lt;%1&gt;; home page: &lt;%2&gt;.
</source>
        <translation>
Fehler melden unter &lt;%1&gt;; Homepage: &lt;%2&gt;.
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
Copyright (C) %2 Die Entwickler von Chalkline.
Lizenz GPLv3+: GNU GPL Version 3 oder neuer &lt;https://gnu.org/licenses/gpl.html&gt;.
Dies ist freie Software: Sie dürfen sie ändern und weitergeben.
Es gibt KEINE GARANTIE, soweit gesetzlich zulässig.
</translation>
    </message>
    <message>
        <source>unrecognized option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--screen needs a screen number, 0 or more, not &apos;%1&apos;</source>
        <translation>--screen braucht eine Bildschirmnummer ab 0, nicht „%1“</translation>
    </message>
    <message>
        <source>chalkline: --screen %1 is not honoured in a window under Wayland, where the desktop places every window; drag the window to that screen, or add --full-screen
</source>
        <translation>chalkline: --screen %1 gilt unter Wayland nicht für ein Fenster, da der Desktop jedes Fenster selbst platziert; ziehen Sie das Fenster auf diesen Bildschirm oder geben Sie --full-screen an
</translation>
    </message>
    <message>
        <source>chalkline: cannot reach the display %1 to show its windows; check that the graphical session is running and that this is its display
</source>
        <translation>chalkline: die Anzeige %1 ist für die Fenster nicht erreichbar; prüfen Sie, ob die grafische Sitzung läuft und dies ihre Anzeige ist
</translation>
    </message>
    <message>
        <source>show every screen full screen, scaled to fit</source>
        <translation>jeden Bildschirm im Vollbild zeigen, passend skaliert</translation>
    </message>
    <message>
        <source>in a window, even after full screen the last time</source>
        <translation>im Fenster, auch nach Vollbild beim letzten Mal</translation>
    </message>
    <message>
        <source>open on screen N (0 is the first)</source>
        <translation>auf Bildschirm N öffnen (0 ist der erste)</translation>
    </message>
    <message>
        <source>show the texts in this language (fr, de, es, en)</source>
        <translation>die Texte in dieser Sprache zeigen (fr, de, es, en)</translation>
    </message>
    <message>
        <source>start on that activity (names: --list-activities)</source>
        <translation>mit dieser Aktivität beginnen (Namen: --list-activities)</translation>
    </message>
    <message>
        <source>run the lesson of FILE, a step at a time</source>
        <translation>die Lektion aus FILE Schritt für Schritt ablaufen lassen</translation>
    </message>
    <message>
        <source>list the activities, their kinds and settings, then end</source>
        <translation>die Aktivitäten mit Arten und Einstellungen ausgeben, dann beenden</translation>
    </message>
    <message>
        <source>forget the settings kept from the last time</source>
        <translation>die vom letzten Mal behaltenen Einstellungen vergessen</translation>
    </message>
    <message>
        <source>print the options and the keys, then end</source>
        <translation>Optionen und Tasten ausgeben, dann beenden</translation>
    </message>
    <message>
        <source>print the version, then end</source>
        <translation>die Version ausgeben, dann beenden</translation>
    </message>
    <message>
        <source>Options:
</source>
        <translation>Optionen:
</translation>
    </message>
    <message>
        <source>kinds: %1</source>
        <translation>Arten: %1</translation>
    </message>
    <message>
        <source>settings: %1</source>
        <translation>Einstellungen: %1</translation>
    </message>
    <message>
        <source>--full-screen and --window do not go together</source>
        <translation>--full-screen und --window passen nicht zusammen</translation>
    </message>
    <message>
        <source>--launch and --lesson do not go together</source>
        <translation>--launch und --lesson passen nicht zusammen</translation>
    </message>
    <message>
        <source>there is no activity &apos;%1&apos;; the activities are %2</source>
        <translation>es gibt keine Aktivität „%1“; die Aktivitäten sind %2</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <comment>displays</comment>
        <translation>%1 oder %2</translation>
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
        <translation>Tasten:
  F11, Strg+F                Vollbild ein und aus, auf jedem Bildschirm
  Tab, Umschalt+Tab, Pfeile  Menüs: von Eintrag zu Eintrag
  Eingabe, Leertaste         Menüs: Eintrag öffnen; Titelbild: OK
  Esc                        Ende des Bildschirms; Titelbild: Abbrechen
  Bild ab, N, Rechts         Aktivitäten: Weiter, eine neue Aufgabe
  Bild auf, S                Aktivitäten: Lösung
  K, Strg+1, Strg+2, Strg+3  Aktivitäten: nächste Zahlenart, oder eine Art
  B, .                       Aktivitäten: Bildschirm schwarz und zurück
  F1, ?                      Aktivitäten: die Tasten des Bildschirms
  P, Alt+1 bis Alt+4         jeder Bildschirm: Stift an und aus, oder in Weiß, Gelb,
                             Rot oder Schwarz
  E, C, Strg+Z               jeder Bildschirm: Radierer, alles löschen, zurücknehmen
  Strg+S                     jeder Bildschirm: die Tafel als Bild speichern
  Tab, Umschalt+Tab, Eingabe Aktivitäten: Bedienelement markieren, betätigen
  W                          Aktivitäten: die ganze Tafel vorlesen
  Strg+L                     Aktivitäten: die Aktivität einer Lektionsdatei anfügen
  Strg+O                     erstes Menü: eine Lektion öffnen
  Tab, Hoch, Runter, Eingabe Ordnen: eine Zahl wählen und einsetzen
  Rücktaste, U               Ordnen: Rückgängig
  Tab, 1 bis 9, 0, Entf      Magische Quadrate: Plättchen wählen, setzen, zurück
  H                          Magische Quadrate: magische Summe zeigen oder verbergen
  Hoch, Runter, F, R         Kopfrechnen: Tempo, Vorwärts, Rückwärts
</translation>
    </message>
    <message>
        <source>  Ctrl+G                     go to a problem by its code, on every screen
  Ctrl+P                     activities: a worksheet of this kind
</source>
        <translation>  Strg+G                     zu einer Aufgabe über ihren Code, überall
  Strg+P                     Aktivitäten: ein Arbeitsblatt dieser Art
</translation>
    </message>
    <message>
        <source>--count needs a number of problems from 1 to %1, not &apos;%2&apos;</source>
        <translation>--count braucht eine Anzahl von Aufgaben von 1 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <source>--seed needs a whole number from 0 to 4294967295, not &apos;%1&apos;</source>
        <translation>--seed braucht eine ganze Zahl von 0 bis 4294967295, nicht „%1“</translation>
    </message>
    <message>
        <source>--format is pdf or text, not &apos;%1&apos;</source>
        <translation>--format ist pdf oder text, nicht „%1“</translation>
    </message>
    <message>
        <source>--worksheet needs -o FILE, the file to write</source>
        <translation>--worksheet braucht -o DATEI, die zu schreibende Datei</translation>
    </message>
    <message>
        <source>%1 is an option of --worksheet</source>
        <translation>%1 ist eine Option von --worksheet</translation>
    </message>
    <message>
        <source>Usage: chalkline [OPTION]...
       chalkline --worksheet ACTIVITY [OPTION]... -o FILE
</source>
        <translation>Aufruf: chalkline [OPTION]...
        chalkline --worksheet AKTIVITÄT [OPTION]... -o DATEI
</translation>
    </message>
    <message>
        <source>start on the problem of that code, as 24P-2-K7QM</source>
        <translation>mit der Aufgabe dieses Codes beginnen, wie 24P-2-K7QM</translation>
    </message>
    <message>
        <source>write a worksheet of the activity and end, no display</source>
        <translation>ein Arbeitsblatt der Aktivität schreiben, ohne Anzeige</translation>
    </message>
    <message>
        <source>its number of problems, 1 to 500 (10)</source>
        <translation>die Zahl seiner Aufgaben, 1 bis 500 (10)</translation>
    </message>
    <message>
        <source>its problems follow from this number (else the clock)</source>
        <translation>seine Aufgaben folgen aus dieser Zahl (sonst der Uhr)</translation>
    </message>
    <message>
        <source>without its answer key</source>
        <translation>ohne seine Lösungen</translation>
    </message>
    <message>
        <source>a PDF, A4 or Letter; or text, one problem a line</source>
        <translation>ein PDF, A4 oder Letter; oder Text, eine Aufgabe je Zeile</translation>
    </message>
    <message>
        <source>the worksheet&apos;s file</source>
        <translation>die Datei des Arbeitsblatts</translation>
    </message>
    <message>
        <source>--%1 and --worksheet do not go together</source>
        <translation>--%1 und --worksheet passen nicht zusammen</translation>
    </message>
    <message>
        <source>--kind goes with --launch or --worksheet</source>
        <translation>--kind gehört zu --launch oder --worksheet</translation>
    </message>
    <message>
        <source>--open goes alone, without --launch or --lesson</source>
        <translation>--open steht allein, ohne --launch oder --lesson</translation>
    </message>
    <message>
        <source>the kind for --launch or --worksheet, 1 for the first</source>
        <translation>die Art für --launch oder --worksheet, 1 für die erste</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>It is in none of the folders searched: %1. Reinstall the program; an installed Chalkline keeps its Images and opening folders in %2.</source>
        <translation>Sie liegt in keinem der durchsuchten Ordner: %1. Installieren Sie das Programm neu; ein installiertes Chalkline hat seine Ordner Images und opening in %2.</translation>
    </message>
    <message>
        <source>Reinstall the program to restore it.</source>
        <translation>Installieren Sie das Programm neu, um sie wiederherzustellen.</translation>
    </message>
    <message>
        <source>Check its permissions: the user running Chalkline must be able to read it.</source>
        <translation>Prüfen Sie die Rechte: wer Chalkline startet, muss sie lesen können.</translation>
    </message>
    <message>
        <source>The file is damaged; reinstall the program to restore it.</source>
        <translation>Die Datei ist beschädigt; installieren Sie das Programm neu.</translation>
    </message>
    <message>
        <source>It is not one of the program&apos;s own pictures but a file in %1, which is searched for pictures too: remove or replace this file.</source>
        <translation>Sie ist keines der Bilder des Programms, sondern eine Datei in %1, wo ebenfalls nach Bildern gesucht wird: entfernen oder ersetzen Sie diese Datei.</translation>
    </message>
    <message>
        <source>Chalkline cannot start: the picture &quot;%1&quot; cannot be loaded (%2). %3</source>
        <translation>Chalkline kann nicht starten: das Bild „%1“ lässt sich nicht laden (%2). %3</translation>
    </message>
    <message>
        <source>chalkline: the picture &quot;%1&quot; cannot be loaded (%2); the lesson goes on without it. %3
</source>
        <translation>chalkline: das Bild „%1“ lässt sich nicht laden (%2); der Unterricht geht ohne es weiter. %3
</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei existiert nicht</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>die Datei kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it is not a regular file but a folder, pipe or device</source>
        <translation>es ist keine gewöhnliche Datei, sondern ein Ordner, eine Pipe oder ein Gerät</translation>
    </message>
    <message>
        <source>the JPEG picture cannot be decoded: %1</source>
        <translation>das JPEG-Bild kann nicht dekodiert werden: %1</translation>
    </message>
    <message>
        <source>the JPEG picture is corrupt or incomplete: %1</source>
        <translation>das JPEG-Bild ist beschädigt oder unvollständig: %1</translation>
    </message>
    <message>
        <source>the picture would show at %1 by %2 pixels, too large</source>
        <translation>das Bild würde mit %1 mal %2 Pixeln angezeigt, zu groß</translation>
    </message>
    <message>
        <source>the picture needs %1 by %2 pixels decoded, too large</source>
        <translation>das Bild braucht %1 mal %2 dekodierte Pixel, zu groß</translation>
    </message>
    <message>
        <source>the file is not a JPEG picture</source>
        <translation>die Datei ist kein JPEG-Bild</translation>
    </message>
    <message>
        <source>the JPEG picture is corrupt</source>
        <translation>das JPEG-Bild ist beschädigt</translation>
    </message>
    <message>
        <source>the JPEG picture is corrupt: %1</source>
        <translation>das JPEG-Bild ist beschädigt: %1</translation>
    </message>
    <message>
        <source>the picture declares %1 by %2 pixels, too large to decode</source>
        <translation>das Bild gibt %1 mal %2 Pixel an, zu groß zum Dekodieren</translation>
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
        <translation>Stift an und aus: auf den Bildschirm schreiben</translation>
    </message>
    <message>
        <source>Alt+1 to Alt+4</source>
        <translation>Alt+1 bis Alt+4</translation>
    </message>
    <message>
        <source>pen in white, yellow, red or black</source>
        <translation>Stift in Weiß, Gelb, Rot oder Schwarz</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>eraser: takes away a stroke it touches</source>
        <translation>Radierer: nimmt jeden Strich weg, den er berührt</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>clear the ink</source>
        <translation>alles Geschriebene löschen</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Strg+Z</translation>
    </message>
    <message>
        <source>take back the last stroke, erasing or clearing</source>
        <translation>den letzten Strich, das Radieren oder Löschen zurücknehmen</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Strg+S</translation>
    </message>
    <message>
        <source>save the board as a picture</source>
        <translation>die Tafel als Bild speichern</translation>
    </message>
    <message>
        <source>White pen</source>
        <translation>Weißer Stift</translation>
    </message>
    <message>
        <source>Yellow pen</source>
        <translation>Gelber Stift</translation>
    </message>
    <message>
        <source>Red pen</source>
        <translation>Roter Stift</translation>
    </message>
    <message>
        <source>Black pen</source>
        <translation>Schwarzer Stift</translation>
    </message>
    <message>
        <source>Pen on</source>
        <translation>Stift an</translation>
    </message>
    <message>
        <source>Pen off</source>
        <translation>Stift aus</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>Board cleared</source>
        <translation>Tafel gelöscht</translation>
    </message>
    <message>
        <source>Undone</source>
        <translation>Zurückgenommen</translation>
    </message>
    <message>
        <source>Saved as %1 in %2</source>
        <translation>Gespeichert als %1 in %2</translation>
    </message>
    <message>
        <source>The board was not saved in %1: %2</source>
        <translation>Die Tafel wurde nicht in %1 gespeichert: %2</translation>
    </message>
    <message>
        <source>The board is full: clear some ink to write more</source>
        <translation>Die Tafel ist voll: löschen Sie etwas, um weiterzuschreiben</translation>
    </message>
    <message>
        <source>in use</source>
        <translation>gewählt</translation>
    </message>
    <message>
        <source>Pen</source>
        <translation>Stift</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>Kinds</name>
    <message>
        <source>Positive Whole Numbers</source>
        <translation>Natürliche Zahlen</translation>
    </message>
    <message>
        <source>Integers</source>
        <translation>Ganze Zahlen</translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Dezimalzahlen</translation>
    </message>
    <message>
        <source>Proper Fractions</source>
        <translation>Echte Brüche</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Verschiebung</translation>
    </message>
    <message>
        <source>Encode</source>
        <translation>Verschlüsseln</translation>
    </message>
    <message>
        <source>Decode</source>
        <translation>Entschlüsseln</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <source>Harder</source>
        <translation>Schwerer</translation>
    </message>
    <message>
        <source>Over One</source>
        <translation>Größer als 1</translation>
    </message>
    <message>
        <source>Fibonacci</source>
        <translation>Fibonacci</translation>
    </message>
    <message>
        <source>Any Start</source>
        <translation>Beliebiger Start</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Nah</translation>
    </message>
    <message>
        <source>Improper</source>
        <translation>Unecht</translation>
    </message>
    <message>
        <source>Start 1 to 30</source>
        <translation>Start 1 bis 30</translation>
    </message>
    <message>
        <source>Start 1 to 100</source>
        <translation>Start 1 bis 100</translation>
    </message>
    <message>
        <source>Start 1 to 1000</source>
        <translation>Start 1 bis 1000</translation>
    </message>
    <message>
        <source>Addition</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>Subtraction</source>
        <translation>Subtraktion</translation>
    </message>
    <message>
        <source>Multiplication</source>
        <translation>Multiplikation</translation>
    </message>
    <message>
        <source>1 to 100</source>
        <translation>1 bis 100</translation>
    </message>
    <message>
        <source>Pieces</source>
        <translation>Teile</translation>
    </message>
    <message>
        <source>-50 to 49</source>
        <translation>-50 bis 49</translation>
    </message>
    <message>
        <source>Sums</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Sums and Diagonals</source>
        <translation>Mit Diagonalen</translation>
    </message>
    <message>
        <source>Fewer Clues</source>
        <translation>Weniger Hinweise</translation>
    </message>
    <message>
        <source>Rows 1 to 5</source>
        <translation>Zeilen 1 bis 5</translation>
    </message>
    <message>
        <source>Rows 1 to 7</source>
        <translation>Zeilen 1 bis 7</translation>
    </message>
    <message>
        <source>Rows 1 to 9</source>
        <translation>Zeilen 1 bis 9</translation>
    </message>
    <message>
        <source>Products</source>
        <translation>Produkte</translation>
    </message>
    <message>
        <source>Sums, fewer clues</source>
        <translation>Weniger Tipps</translation>
    </message>
    <message>
        <source>+ - x ÷</source>
        <translation>+ - · :</translation>
    </message>
    <message>
        <source>Brackets</source>
        <translation>Klammern</translation>
    </message>
    <message>
        <source>Powers</source>
        <translation>Potenzen</translation>
    </message>
    <message>
        <source>Unit Fractions</source>
        <translation>Stammbrüche</translation>
    </message>
    <message>
        <source>Any Fraction</source>
        <translation>Beliebiger Bruch</translation>
    </message>
    <message>
        <source>With Clues</source>
        <translation>Mit Hinweisen</translation>
    </message>
    <message>
        <source>Rows 0 to 7</source>
        <translation>Zeilen 0 bis 7</translation>
    </message>
    <message>
        <source>Rows 0 to 10</source>
        <translation>Zeilen 0 bis 10</translation>
    </message>
    <message>
        <source>Rows 0 to 13</source>
        <translation>Zeilen 0 bis 13</translation>
    </message>
    <message>
        <source>16 rows</source>
        <translation>16 Zeilen</translation>
    </message>
    <message>
        <source>32 rows</source>
        <translation>32 Zeilen</translation>
    </message>
    <message>
        <source>64 rows</source>
        <translation>64 Zeilen</translation>
    </message>
    <message>
        <source>Of an Amount</source>
        <translation>Von einem Betrag</translation>
    </message>
    <message>
        <source>Increase and Decrease</source>
        <translation>Erhöhen und Senken</translation>
    </message>
    <message>
        <source>What Percentage</source>
        <translation>Wie viel Prozent</translation>
    </message>
    <message>
        <source>Tables to 10</source>
        <translation>1×1 bis 10</translation>
    </message>
    <message>
        <source>Tables to 12</source>
        <translation>1×1 bis 12</translation>
    </message>
    <message>
        <source>Primitive</source>
        <translation>Primitiv</translation>
    </message>
    <message>
        <source>Multiples</source>
        <translation>Vielfache</translation>
    </message>
    <message>
        <source>Euclid&apos;s Formula</source>
        <translation>Formel von Euklid</translation>
    </message>
    <message>
        <source>x² + bx + c</source>
        <translation>x² + bx + c</translation>
    </message>
    <message>
        <source>With Negatives</source>
        <translation>Mit negativen</translation>
    </message>
    <message>
        <source>ax² + bx + c</source>
        <translation>ax² + bx + c</translation>
    </message>
    <message>
        <source>Find the Hypotenuse</source>
        <translation>Die Hypotenuse</translation>
    </message>
    <message>
        <source>Find a Shorter Side</source>
        <translation>Eine Kathete</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Convert</source>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Add and Subtract</source>
        <translation>Plus und minus</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <source>1 to 9</source>
        <translation>1 bis 9</translation>
    </message>
    <message>
        <source>1 to 13</source>
        <translation>1 bis 13</translation>
    </message>
    <message>
        <source>Target 1 to 30</source>
        <translation>Ziel 1 bis 30</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>this is not a lesson: a lesson is a plain text file in UTF-8</source>
        <translation>das ist keine Lektion: eine Lektion ist eine einfache Textdatei in UTF-8</translation>
    </message>
    <message>
        <source>this is not a lesson: it is larger than 1 MiB</source>
        <translation>das ist keine Lektion: sie ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>the lesson has no step; a step is a line such as &apos;numberwall kind=2&apos;</source>
        <translation>die Lektion hat keinen Schritt; ein Schritt ist eine Zeile wie „numberwall kind=2“</translation>
    </message>
    <message>
        <source>there is no activity &apos;%1&apos;; the activities are %2</source>
        <translation>es gibt keine Aktivität „%1“; die Aktivitäten sind %2</translation>
    </message>
    <message>
        <source>%1 has no setting &apos;%2&apos;; it takes %3</source>
        <translation>%1 hat keine Einstellung „%2“; sie nimmt %3</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a setting: a setting is written key=value, as kind=2</source>
        <translation>„%1“ ist keine Einstellung: eine Einstellung schreibt man Schlüssel=Wert, wie kind=2</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 steht zweimal da</translation>
    </message>
    <message>
        <source>%1= does not go with open: the code gives the kind, and one problem</source>
        <translation>%1= passt nicht zu open: der Code gibt die Art und eine Aufgabe vor</translation>
    </message>
    <message>
        <source>Step %1 of %2</source>
        <translation>Schritt %1 von %2</translation>
    </message>
    <message>
        <source>%1, step %2 of %3</source>
        <translation>%1, Schritt %2 von %3</translation>
    </message>
    <message>
        <source>Lessons (*.txt *.lesson);;All files (*)</source>
        <translation>Lektionen (*.txt *.lesson);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 nimmt %2, nicht „%3“</translation>
    </message>
    <message>
        <source>%1 takes only %2, not &apos;%3&apos;</source>
        <translation>%1 nimmt nur %2, nicht „%3“</translation>
    </message>
    <message>
        <source>%1 takes a number from %2 to %3, such as 2.5, not &apos;%4&apos;</source>
        <translation>%1 nimmt eine Zahl von %2 bis %3, wie 2.5, nicht „%4“</translation>
    </message>
    <message>
        <source>%1 takes a whole number from %2 to %3, not &apos;%4&apos;</source>
        <translation>%1 nimmt eine ganze Zahl von %2 bis %3, nicht „%4“</translation>
    </message>
    <message>
        <source>chalkline: %1, line %2: %3</source>
        <translation>chalkline: %1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>chalkline: %1: %2</source>
        <translation>chalkline: %1: %2</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>this is a folder, not a lesson</source>
        <translation>das ist ein Ordner, keine Lektion</translation>
    </message>
    <message>
        <source>cannot read it: %1</source>
        <translation>kann sie nicht lesen: %1</translation>
    </message>
    <message>
        <source>Open a lesson</source>
        <translation>Lektion öffnen</translation>
    </message>
    <message>
        <source>Save as a lesson</source>
        <translation>Als Lektion speichern</translation>
    </message>
    <message>
        <source>lesson.txt</source>
        <translation>lektion.txt</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2. Nothing was written.</source>
        <translation>%1 kann nicht gelesen werden: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is not a lesson. Nothing was written.</source>
        <translation>%1 ist keine Lektion. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source># A Chalkline lesson: one step a line
</source>
        <translation># Eine Chalkline-Lektion: ein Schritt pro Zeile
</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2. Nothing was written.</source>
        <translation>%1 kann nicht geschrieben werden: %2. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 was added to %2.</source>
        <translation>%1 wurde an %2 angefügt.</translation>
    </message>
    <message>
        <source>%1 was added to %2 as step %3.</source>
        <translation>%1 wurde an %2 als Schritt %3 angefügt.</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Free software: GNU GPL 3 or later</source>
        <translation>Freie Software: GNU GPL 3 oder neuer</translation>
    </message>
    <message>
        <source>Menu 1</source>
        <translation>Menü 1</translation>
    </message>
    <message>
        <source>Menu 2</source>
        <translation>Menü 2</translation>
    </message>
    <message>
        <source>Menu 3</source>
        <translation>Menü 3</translation>
    </message>
    <message>
        <source>Menu 4</source>
        <translation>Menü 4</translation>
    </message>
    <message>
        <source>Menu 5</source>
        <translation>Menü 5</translation>
    </message>
    <message>
        <source>WWW Links</source>
        <translation>Weblinks</translation>
    </message>
    <message>
        <source>Tab, Down or Right arrow</source>
        <translation>Tab, Pfeil runter oder rechts</translation>
    </message>
    <message>
        <source>the next entry</source>
        <translation>der nächste Eintrag</translation>
    </message>
    <message>
        <source>Shift+Tab, Up or Left arrow</source>
        <translation>Umschalt+Tab, Pfeil hoch oder links</translation>
    </message>
    <message>
        <source>the entry before</source>
        <translation>der Eintrag davor</translation>
    </message>
    <message>
        <source>Return or Space</source>
        <translation>Eingabe oder Leertaste</translation>
    </message>
    <message>
        <source>open the marked entry</source>
        <translation>den markierten Eintrag öffnen</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>%1, First menu</source>
        <translation>%1, erstes Menü</translation>
    </message>
    <message>
        <source>%1, Leave the program?</source>
        <translation>%1, Programm beenden?</translation>
    </message>
    <message>
        <source>Menu %1</source>
        <translation>Menü %1</translation>
    </message>
    <message>
        <source>%1, Menu %2</source>
        <translation>%1, Menü %2</translation>
    </message>
    <message>
        <source>F1 or ?</source>
        <translation>F1 oder ?</translation>
    </message>
    <message>
        <source>this list of keys</source>
        <translation>diese Liste der Tasten</translation>
    </message>
    <message>
        <source>Open a lesson</source>
        <translation>Lektion öffnen</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Strg+O</translation>
    </message>
    <message>
        <source>Go to problem</source>
        <translation>Zur Aufgabe</translation>
    </message>
</context>
<context>
    <name>Numbers</name>
    <message>
        <source>x</source>
        <comment>multiplication sign</comment>
        <translation>·</translation>
    </message>
    <message>
        <source>÷</source>
        <comment>division sign</comment>
        <translation>:</translation>
    </message>
</context>
<context>
    <name>Overlays</name>
    <message>
        <source>Keys: %1</source>
        <translation>Tasten: %1</translation>
    </message>
    <message>
        <source>F11 or Ctrl+F</source>
        <translation>F11 oder Strg+F</translation>
    </message>
    <message>
        <source>full screen on and off</source>
        <translation>Vollbild ein und aus</translation>
    </message>
    <message>
        <source>Blank screen</source>
        <translation>Schwarzer Bildschirm</translation>
    </message>
    <message>
        <source>Any key or click closes this list.</source>
        <translation>Jede Taste oder ein Klick schließt diese Liste.</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>ProblemCodes</name>
    <message>
        <source>&apos;%1&apos; is not a problem code: a code is three characters, the kind and four characters, as 24P-2-K7QM</source>
        <translation>„%1“ ist kein Aufgabencode: ein Code hat drei Zeichen, die Art und vier Zeichen, wie 24P-2-K7QM</translation>
    </message>
    <message>
        <source>&apos;%1&apos; has a character no code has: codes use the digits 2 to 9 and the letters but I, L and O</source>
        <translation>„%1“ enthält ein Zeichen, das kein Code hat: Codes bestehen aus den Ziffern 2 bis 9 und den Buchstaben außer I, L und O</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names no activity of this version</source>
        <translation>„%1“ bezeichnet keine Aktivität dieser Version</translation>
    </message>
    <message>
        <source>kind %1 is not a kind of this activity, which has only kind 1</source>
        <translation>Art %1 gibt es bei dieser Aktivität nicht, sie hat nur Art 1</translation>
    </message>
    <message>
        <source>kind %1 is not a kind of this activity: 1 to %2</source>
        <translation>Art %1 gibt es bei dieser Aktivität nicht: 1 bis %2</translation>
    </message>
    <message>
        <source>the last part &apos;%1&apos; does not match the rest of the code: a character is mistyped</source>
        <translation>der letzte Teil „%1“ passt nicht zum Rest des Codes: ein Zeichen ist vertippt</translation>
    </message>
</context>
<context>
    <name>ProblemDialogs</name>
    <message>
        <source>Go to problem</source>
        <translation>Zur Aufgabe</translation>
    </message>
    <message>
        <source>The problem&apos;s code, as 24P-2-K7QM:</source>
        <translation>Der Code der Aufgabe, wie 24P-2-K7QM:</translation>
    </message>
    <message>
        <source>Rub out</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Worksheet: %1</source>
        <translation>Arbeitsblatt: %1</translation>
    </message>
    <message>
        <source>Problems:</source>
        <translation>Aufgaben:</translation>
    </message>
    <message>
        <source>With an answer key</source>
        <translation>Mit Lösungen</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern ...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken ...</translation>
    </message>
    <message>
        <source>Save the worksheet</source>
        <translation>Arbeitsblatt speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Ctrl+G</source>
        <translation>Strg+G</translation>
    </message>
    <message>
        <source>go to a problem by its code</source>
        <translation>zu einer Aufgabe über ihren Code springen</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>language takes a language&apos;s code, such as fr or de_CH, not &apos;%1&apos;</source>
        <translation>language nimmt den Code einer Sprache, wie fr oder de_CH, nicht „%1“</translation>
    </message>
    <message>
        <source>launch takes an activity&apos;s name, one of %1; not &apos;%2&apos;</source>
        <translation>launch nimmt den Namen einer Aktivität, einen von %1; nicht „%2“</translation>
    </message>
    <message>
        <source>webAddress takes an address that starts with https:// or http://, not &apos;%1&apos;</source>
        <translation>webAddress nimmt eine Adresse, die mit https:// oder http:// beginnt, nicht „%1“</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>sie ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>es ist keine Textdatei</translation>
    </message>
    <message>
        <source>it is not a settings file</source>
        <translation>es ist keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>chalkline: cannot read the settings file %1: %2; its settings are ignored</source>
        <translation>chalkline: die Einstellungsdatei %1 kann nicht gelesen werden: %2; ihre Einstellungen werden übergangen</translation>
    </message>
    <message>
        <source>chalkline: %1: there is no activity [%2]; its settings are ignored</source>
        <translation>chalkline: %1: es gibt keine Aktivität [%2]; ihre Einstellungen werden übergangen</translation>
    </message>
    <message>
        <source>chalkline: %1: [%2] has no setting &apos;%3&apos;; it is ignored</source>
        <translation>chalkline: %1: [%2] hat keine Einstellung „%3“; sie wird übergangen</translation>
    </message>
    <message>
        <source>chalkline: %1: [%2] %3; it is ignored</source>
        <translation>chalkline: %1: [%2] %3; das wird übergangen</translation>
    </message>
    <message>
        <source>chalkline: cannot remove the settings file %1</source>
        <translation>chalkline: die Einstellungsdatei %1 kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>chalkline: cannot write the settings file %1; the settings of this session will not be kept
</source>
        <translation>chalkline: die Einstellungsdatei %1 kann nicht geschrieben werden; die Einstellungen dieser Sitzung werden nicht behalten
</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>point</source>
        <comment>the decimal separator, read aloud</comment>
        <translation>Komma</translation>
    </message>
    <message>
        <source>%1 recurring</source>
        <translation>%1 periodisch</translation>
    </message>
    <message>
        <source>squared</source>
        <translation>hoch 2</translation>
    </message>
    <message>
        <source>cubed</source>
        <translation>hoch 3</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>to the power of %1</source>
        <translation>hoch %1</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>plus or minus</source>
        <translation>plus oder minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
    <message>
        <source>over</source>
        <translation>durch</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>gleich</translation>
    </message>
    <message>
        <source>is not equal to</source>
        <translation>ist ungleich</translation>
    </message>
    <message>
        <source>is approximately</source>
        <translation>ist ungefähr</translation>
    </message>
    <message>
        <source>is less than</source>
        <translation>ist kleiner als</translation>
    </message>
    <message>
        <source>is greater than</source>
        <translation>ist größer als</translation>
    </message>
    <message>
        <source>is less than or equal to</source>
        <translation>ist kleiner oder gleich</translation>
    </message>
    <message>
        <source>is greater than or equal to</source>
        <translation>ist größer oder gleich</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <source>the square root of</source>
        <translation>die Wurzel aus</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>blank</source>
        <comment>a hidden number or digit, read aloud</comment>
        <translation>leer</translation>
    </message>
    <message>
        <source>and</source>
        <comment>between the whole part and the fraction</comment>
        <translation>und</translation>
    </message>
    <message>
        <source>%1 over %2</source>
        <translation>%1 durch %2</translation>
    </message>
    <message>
        <source>Roman %1</source>
        <comment>a Roman numeral spelled letter by letter</comment>
        <translation>römisch %1</translation>
    </message>
    <message>
        <source>row %1 has %2</source>
        <translation>Reihe %1 hat %2</translation>
    </message>
    <message>
        <source>row %1, place %2 is %3</source>
        <translation>Reihe %1, Platz %2 ist %3</translation>
    </message>
</context>
<context>
    <name>TitleForm</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Mathematics for the whole class</source>
        <translation>Mathematik für die ganze Klasse</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
</context>
<context>
    <name>Worksheets</name>
    <message>
        <source>%1. Problem: %2 Code %3.</source>
        <translation>%1. Aufgabe: %2 Code %3.</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Name: ______________________</source>
        <translation>Name: ______________________</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Answers: %1</source>
        <translation>Lösungen: %1</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: there is no folder &apos;%2&apos;</source>
        <translation>„%1“ kann nicht geschrieben werden: es gibt keinen Ordner „%2“</translation>
    </message>
</context>
<context>
    <name>chalkline::affine::AffineForm</name>
    <message>
        <source>To decode:</source>
        <translation>Zum Entschlüsseln:</translation>
    </message>
    <message>
        <source>Decode the word with the key</source>
        <translation>Entschlüssle das Wort mit dem Schlüssel</translation>
    </message>
    <message>
        <source>Encode the word with the key</source>
        <translation>Verschlüssle das Wort mit dem Schlüssel</translation>
    </message>
    <message>
        <source>Inverse of %1:</source>
        <translation>Inverses von %1:</translation>
    </message>
    <message>
        <source>decode %1 with %2.</source>
        <translation>entschlüssle %1 mit %2.</translation>
    </message>
    <message>
        <source>encode %1 with %2.</source>
        <translation>verschlüssle %1 mit %2.</translation>
    </message>
    <message>
        <source>%1 becomes %2.</source>
        <translation>%1 wird zu %2.</translation>
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
        <translation>Zeit zwischen den Zeilen</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>start at %1.</source>
        <translation>Start bei %1.</translation>
    </message>
    <message>
        <source>end at %1.</source>
        <translation>Ende bei %1.</translation>
    </message>
    <message>
        <source>Starting Value:</source>
        <translation>Startwert:</translation>
    </message>
    <message>
        <source>Less Time</source>
        <translation>Zeit −</translation>
    </message>
    <message>
        <source>More Time</source>
        <translation>Zeit +</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>Rückwärts</translation>
    </message>
    <message>
        <source>Up arrow</source>
        <translation>Pfeil hoch</translation>
    </message>
    <message>
        <source>less time between rows</source>
        <translation>weniger Zeit zwischen den Zeilen</translation>
    </message>
    <message>
        <source>Down arrow</source>
        <translation>Pfeil runter</translation>
    </message>
    <message>
        <source>more time between rows</source>
        <translation>mehr Zeit zwischen den Zeilen</translation>
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
        <translation>Start %1, dann %2.</translation>
    </message>
    <message>
        <source>Then %1.</source>
        <translation>Dann %1.</translation>
    </message>
</context>
<context>
    <name>chalkline::fdp::FdpForm</name>
    <message>
        <source>Fraction</source>
        <translation>Bruch</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimalzahl</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Write each number the other two ways.</source>
        <translation>Schreibe jede Zahl auf die zwei anderen Arten.</translation>
    </message>
</context>
<context>
    <name>chalkline::fibonacci::FibonacciForm</name>
    <message>
        <source>Each term is the sum of the two before it.</source>
        <translation>Jedes Glied ist die Summe der zwei davor.</translation>
    </message>
    <message>
        <source>each term is the sum of the two before it: %1.</source>
        <translation>jedes Glied ist die Summe der zwei davor: %1.</translation>
    </message>
</context>
<context>
    <name>chalkline::fourrules::FourRulesForm</name>
    <message>
        <source>find the sum, difference, product and quotient of %1 and %2.</source>
        <translation>finde Summe, Differenz, Produkt und Quotient von %1 und %2.</translation>
    </message>
    <message>
        <source>sum %1, difference %2, product %3, quotient %4.</source>
        <translation>Summe %1, Differenz %2, Produkt %3, Quotient %4.</translation>
    </message>
    <message>
        <source>Find the sum, difference, product and quotient of...</source>
        <translation>Finde Summe, Differenz, Produkt und Quotient von …</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>The sum is</source>
        <translation>Die Summe ist</translation>
    </message>
    <message>
        <source>The difference is</source>
        <translation>Die Differenz ist</translation>
    </message>
    <message>
        <source>The product is</source>
        <translation>Das Produkt ist</translation>
    </message>
    <message>
        <source>The quotient is</source>
        <translation>Der Quotient ist</translation>
    </message>
</context>
<context>
    <name>chalkline::fractionsbetween::FractionsBetweenForm</name>
    <message>
        <source>Find a fraction between</source>
        <translation>Finde einen Bruch zwischen</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>Halfway</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>Mediant</source>
        <translation>Mediant</translation>
    </message>
    <message>
        <source>Simplest</source>
        <translation>Einfachster</translation>
    </message>
    <message>
        <source>find a fraction between %1 and %2.</source>
        <translation>finde einen Bruch zwischen %1 und %2.</translation>
    </message>
    <message>
        <source>halfway %1, mediant %2, simplest %3.</source>
        <translation>Mitte %1, Mediant %2, einfachster %3.</translation>
    </message>
</context>
<context>
    <name>chalkline::grids::SquareForm</name>
    <message>
        <source>row products %1</source>
        <translation>Zeilenprodukte %1</translation>
    </message>
    <message>
        <source>row sums %1</source>
        <translation>Zeilensummen %1</translation>
    </message>
    <message>
        <source>column products %1</source>
        <translation>Spaltenprodukte %1</translation>
    </message>
    <message>
        <source>column sums %1</source>
        <translation>Spaltensummen %1</translation>
    </message>
    <message>
        <source>diagonal sums %1 from the top left, %2 from the bottom left</source>
        <translation>Diagonalsummen %1 von oben links, %2 von unten links</translation>
    </message>
    <message>
        <source>%1, top row first: %2.</source>
        <translation>%1, oberste Zeile zuerst: %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::hailstone::HailstoneForm</name>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Even: halve it.
Odd: multiply by 3 and add 1.
Stop at 1.</source>
        <translation>Gerade: halbieren.
Ungerade: mal 3 plus 1.
Bei 1 aufhören.</translation>
    </message>
    <message>
        <source>the hailstone sequence from %1.</source>
        <translation>die Collatz-Folge ab %1.</translation>
    </message>
    <message>
        <source>1 step, highest %1</source>
        <translation>1 Schritt, höchstens %1</translation>
    </message>
    <message numerus="yes">
        <source>%n steps, highest %1</source>
        <translation>
            <numerusform>%n Schritt, höchstens %1</numerusform>
            <numerusform>%n Schritte, höchstens %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>chalkline::hiddendigits::HiddenDigitsForm</name>
    <message>
        <source>Find the hidden digits.</source>
        <translation>Finde die versteckten Ziffern.</translation>
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
        <translation>Finde die versteckten Zahlen der Hundertertafel</translation>
    </message>
    <message>
        <source>A piece of the hundred square: find its other numbers</source>
        <translation>Ein Ausschnitt der Hundertertafel: finde die anderen Zahlen</translation>
    </message>
    <message>
        <source>a piece of the hundred square, top row first: %1.</source>
        <translation>ein Ausschnitt der Hundertertafel, oberste Zeile zuerst: %1.</translation>
    </message>
    <message>
        <source>This square runs from -50 to 49: find its hidden numbers</source>
        <translation>Diese Tafel geht von -50 bis 49: finde die versteckten Zahlen</translation>
    </message>
    <message>
        <source>the hundred square, top row first: %1.</source>
        <translation>die Hundertertafel, oberste Zeile zuerst: %1.</translation>
    </message>
    <message>
        <source>the square from %1 to %2, top row first: %3.</source>
        <translation>die Tafel von %1 bis %2, oberste Zeile zuerst: %3.</translation>
    </message>
</context>
<context>
    <name>chalkline::integersquares::IntegerSquaresForm</name>
    <message>
        <source>Put these nine integers in the square, once each: each row and column adds up to the number beside it</source>
        <translation>Setze diese neun ganzen Zahlen je einmal ins Quadrat: jede Zeile und Spalte ergibt die Zahl daneben</translation>
    </message>
    <message>
        <source>Put these nine integers in the square, once each: each row, column and diagonal adds up to the number at its end</source>
        <translation>Setze diese neun ganzen Zahlen je einmal ins Quadrat: jede Zeile, Spalte und Diagonale ergibt die Zahl am Ende</translation>
    </message>
    <message>
        <source>a square of the integers %1</source>
        <translation>ein Quadrat der ganzen Zahlen %1</translation>
    </message>
</context>
<context>
    <name>chalkline::leibniz::LeibnizForm</name>
    <message>
        <source>Each fraction is the sum of the two below it. Find the missing fractions.</source>
        <translation>Jeder Bruch ist die Summe der zwei darunter. Finde die fehlenden Brüche.</translation>
    </message>
    <message>
        <source>Leibniz triangle, rows 1 to %1, top first. %2.</source>
        <translation>Leibniz-Dreieck, Zeilen 1 bis %1, oben zuerst. %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::magicsquares::Magicsquares</name>
    <message>
        <source>rising diagonal</source>
        <translation>steigende Diagonale</translation>
    </message>
    <message>
        <source>top row</source>
        <translation>oberste Zeile</translation>
    </message>
    <message>
        <source>middle row</source>
        <translation>mittlere Zeile</translation>
    </message>
    <message>
        <source>bottom row</source>
        <translation>unterste Zeile</translation>
    </message>
    <message>
        <source>falling diagonal</source>
        <translation>fallende Diagonale</translation>
    </message>
    <message>
        <source>right column</source>
        <translation>rechte Spalte</translation>
    </message>
    <message>
        <source>middle column</source>
        <translation>mittlere Spalte</translation>
    </message>
    <message>
        <source>left column</source>
        <translation>linke Spalte</translation>
    </message>
    <message>
        <source>%1 sum %2</source>
        <translation>%1 Summe %2</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>make a magic square from %1 and %2.</source>
        <translation>bilde ein magisches Quadrat aus %1 und %2.</translation>
    </message>
    <message>
        <source>Use the 9 numbers to create a magic square</source>
        <translation>Bilde mit den 9 Zahlen ein magisches Quadrat</translation>
    </message>
    <message>
        <source>The sum along each row, column and diagonal is %1</source>
        <translation>Die Summe jeder Zeile, Spalte und Diagonale ist %1</translation>
    </message>
    <message>
        <source>1 to 9</source>
        <translation>1 bis 9</translation>
    </message>
    <message>
        <source>put the chosen tile in that cell, counted along the rows</source>
        <translation>das gewählte Plättchen in dieses Feld setzen, zeilenweise gezählt</translation>
    </message>
    <message>
        <source>0 or Delete</source>
        <translation>0 oder Entf</translation>
    </message>
    <message>
        <source>send the chosen tile home</source>
        <translation>das gewählte Plättchen zurücklegen</translation>
    </message>
    <message>
        <source>Show or Hide the magic sum</source>
        <translation>Magische Summe zeigen oder verbergen</translation>
    </message>
    <message>
        <source>%1, in cell %2</source>
        <translation>%1, in Feld %2</translation>
    </message>
    <message>
        <source>%1, in the tile column</source>
        <translation>%1, in der Plättchenspalte</translation>
    </message>
    <message>
        <source>Cell %1: %2</source>
        <translation>Feld %1: %2</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>The magic sum is %1</source>
        <translation>Die magische Summe ist %1</translation>
    </message>
    <message>
        <source>Magic sum hidden</source>
        <translation>Magische Summe verborgen</translation>
    </message>
    <message>
        <source>every line adds to %1. top row %2. middle row %3. bottom row %4.</source>
        <translation>jede Linie ergibt %1. oberste Zeile %2. mittlere Zeile %3. unterste Zeile %4.</translation>
    </message>
    <message>
        <source>the square is empty</source>
        <translation>das Quadrat ist leer</translation>
    </message>
</context>
<context>
    <name>chalkline::matchthetarget::MatchTheTargetForm</name>
    <message>
        <source>make %1 from %2, %3, %4, %5 and %6 in this order.</source>
        <translation>bilde %1 aus %2, %3, %4, %5 und %6 in dieser Reihenfolge.</translation>
    </message>
    <message>
        <source>Given numbers</source>
        <translation>Gegebene Zahlen</translation>
    </message>
    <message>
        <source>To match the target number use:</source>
        <translation>Um das Ziel zu treffen, nutze:</translation>
    </message>
    <message>
        <source>· All the numbers in the order they appear</source>
        <translation>· Alle Zahlen in der gegebenen Reihenfolge</translation>
    </message>
    <message>
        <source>· Any of the signs +, -, x, ÷ and brackets</source>
        <translation>· Die Zeichen +, -, ·, : und Klammern</translation>
    </message>
    <message>
        <source>Target number</source>
        <translation>Zielzahl</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Lösung</translation>
    </message>
</context>
<context>
    <name>chalkline::numbersquares::NumberSquaresForm</name>
    <message>
        <source>Put the digits 1 to 9 in the square, once each: each row and column multiplies to the number beside it</source>
        <translation>Setze die Ziffern 1 bis 9 je einmal ins Quadrat: das Produkt jeder Zeile und Spalte ist die Zahl daneben</translation>
    </message>
    <message>
        <source>Put the digits 1 to 9 in the square, once each: each row and column adds up to the number beside it</source>
        <translation>Setze die Ziffern 1 bis 9 je einmal ins Quadrat: jede Zeile und Spalte ergibt die Zahl daneben</translation>
    </message>
    <message>
        <source>a square of the digits 1 to 9</source>
        <translation>ein Quadrat der Ziffern 1 bis 9</translation>
    </message>
</context>
<context>
    <name>chalkline::numberwall::NumberWallForm</name>
    <message>
        <source>Each brick is the sum of the two bricks below it. Find the missing bricks.</source>
        <translation>Jeder Stein ist die Summe der zwei darunter. Finde die fehlenden Steine.</translation>
    </message>
    <message>
        <source>number wall, bottom row first. %1.</source>
        <translation>Zahlenmauer, unterste Reihe zuerst. %1.</translation>
    </message>
</context>
<context>
    <name>chalkline::ordering::OrderingForm</name>
    <message>
        <source>put in order, smallest first: %1.</source>
        <translation>ordne, die kleinste zuerst: %1.</translation>
    </message>
    <message>
        <source>Smallest</source>
        <translation>Kleinste</translation>
    </message>
    <message>
        <source>Biggest</source>
        <translation>Größte</translation>
    </message>
    <message>
        <source>Backspace or U</source>
        <translation>Rücktaste oder U</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>, smallest</source>
        <translation>, kleinste</translation>
    </message>
    <message>
        <source>, biggest</source>
        <translation>, größte</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>Place %1%2: %3</source>
        <translation>Platz %1%2: %3</translation>
    </message>
    <message>
        <source>Down arrow; Up arrow</source>
        <translation>Pfeil runter; Pfeil hoch</translation>
    </message>
    <message>
        <source>mark the next or the previous control, as Tab and Shift+Tab do</source>
        <translation>das nächste oder vorige Bedienelement markieren, wie Tab und Umschalt+Tab</translation>
    </message>
    <message>
        <source>%1 placed in place %2</source>
        <translation>%1 an Platz %2 gesetzt</translation>
    </message>
    <message>
        <source>%1 taken back from place %2</source>
        <translation>%1 von Platz %2 zurückgenommen</translation>
    </message>
</context>
<context>
    <name>chalkline::orderofoperations::OrderOfOperationsForm</name>
    <message>
        <source>Work out, doing the operations in the right order:</source>
        <translation>Berechne in der richtigen Reihenfolge:</translation>
    </message>
</context>
<context>
    <name>chalkline::pandigital::PandigitalForm</name>
    <message>
        <source>Use the digits 1 to 9 once each to make a fraction equal to</source>
        <translation>Bilde mit den Ziffern 1 bis 9, je einmal, einen Bruch gleich</translation>
    </message>
    <message>
        <source>1 way</source>
        <translation>1 Möglichkeit</translation>
    </message>
    <message>
        <source>%1 ways</source>
        <translation>%1 Möglichkeiten</translation>
    </message>
    <message>
        <source>use the digits 1 to 9 once each to make a fraction equal to %1: %2.</source>
        <translation>bilde mit den Ziffern 1 bis 9, je einmal, einen Bruch gleich %1: %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::pascal1::Pascal1Form</name>
    <message>
        <source>Each number is the sum of the two above it. Find the missing numbers.</source>
        <translation>Jede Zahl ist die Summe der zwei darüber. Finde die fehlenden Zahlen.</translation>
    </message>
    <message>
        <source>Pascal&apos;s triangle, rows 0 to %1, top first. %2.</source>
        <translation>Pascalsches Dreieck, Zeilen 0 bis %1, oben zuerst. %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::pascal2::Pascal2Form</name>
    <message>
        <source>Pascal&apos;s triangle, rows 0 to %1</source>
        <translation>Pascalsches Dreieck, Zeilen 0 bis %1</translation>
    </message>
    <message>
        <source>Which numbers are multiples of %1?</source>
        <translation>Welche Zahlen sind Vielfache von %1?</translation>
    </message>
    <message>
        <source>%1 of the %2 numbers are multiples of %3.</source>
        <translation>%1 der %2 Zahlen sind Vielfache von %3.</translation>
    </message>
    <message>
        <source>Multiples in each row from row 0: %1.</source>
        <translation>Vielfache in jeder Zeile ab Zeile 0: %1.</translation>
    </message>
    <message>
        <source>find the multiples of %1 in rows 0 to %2 of Pascal&apos;s triangle.</source>
        <translation>finde die Vielfachen von %1 in den Zeilen 0 bis %2 des Pascalschen Dreiecks.</translation>
    </message>
</context>
<context>
    <name>chalkline::percentages::PercentagesForm</name>
    <message>
        <source>Work out each percentage of the amount.</source>
        <translation>Berechne jeden Prozentsatz des Betrags.</translation>
    </message>
    <message>
        <source>Increase or decrease each amount by the percentage.</source>
        <translation>Erhöhe oder senke jeden Betrag um den Prozentsatz.</translation>
    </message>
    <message>
        <source>Write each as a percentage.</source>
        <translation>Schreibe jedes als Prozentsatz.</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 increased by %2</source>
        <translation>%1 erhöht um %2</translation>
    </message>
    <message>
        <source>%1 decreased by %2</source>
        <translation>%1 gesenkt um %2</translation>
    </message>
    <message>
        <source>%1 out of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
<context>
    <name>chalkline::products::ProductsForm</name>
    <message>
        <source>Find the missing numbers of the multiplication grid</source>
        <translation>Finde die fehlenden Zahlen der Einmaleinstafel</translation>
    </message>
    <message>
        <source>a multiplication grid, top headers %1. left headers %2. products %3.</source>
        <translation>eine Einmaleinstafel, Köpfe oben %1. Köpfe links %2. Produkte %3.</translation>
    </message>
</context>
<context>
    <name>chalkline::pythagorean::PythagoreanForm</name>
    <message>
        <source>Fill in the missing numbers. Each row is a primitive Pythagorean triple: a² + b² = c² with a &lt; b &lt; c ≤ 100 and no common factor.</source>
        <translation>Ergänze die fehlenden Zahlen. Jede Zeile ist ein primitives pythagoreisches Tripel: a² + b² = c² mit a &lt; b &lt; c ≤ 100 ohne gemeinsamen Teiler.</translation>
    </message>
    <message>
        <source>Fill in the missing numbers. Each row is a multiple of a primitive Pythagorean triple: a² + b² = c² with a &lt; b &lt; c ≤ 100.</source>
        <translation>Ergänze die fehlenden Zahlen. Jede Zeile ist ein Vielfaches eines primitiven pythagoreischen Tripels: a² + b² = c² mit a &lt; b &lt; c ≤ 100.</translation>
    </message>
    <message>
        <source>Use Euclid&apos;s formula to find the Pythagorean triple that m and n make.</source>
        <translation>Finde mit der Formel von Euklid das pythagoreische Tripel zu m und n.</translation>
    </message>
</context>
<context>
    <name>chalkline::quadratic::QuadraticForm</name>
    <message>
        <source>Factorise</source>
        <translation>Faktorisiere</translation>
    </message>
    <message>
        <source>Check by multiplying out:</source>
        <translation>Probe durch Ausmultiplizieren:</translation>
    </message>
    <message>
        <source>factorise %1.</source>
        <translation>faktorisiere %1.</translation>
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
        <translation>Finde die Länge der mit ? markierten Seite, auf eine Nachkommastelle gerundet, wenn sie nicht ganzzahlig ist.</translation>
    </message>
    <message>
        <source>Not drawn to scale</source>
        <translation>Nicht maßstabsgetreu</translation>
    </message>
    <message>
        <source>to 1 decimal place</source>
        <translation>auf 1 Nachkommastelle</translation>
    </message>
    <message>
        <source>%1 to 1 decimal place.</source>
        <translation>%1 auf 1 Nachkommastelle.</translation>
    </message>
    <message>
        <source>a right-angled triangle with shorter sides %1 and %2. Find the hypotenuse.</source>
        <translation>ein rechtwinkliges Dreieck mit den Katheten %1 und %2. Finde die Hypotenuse.</translation>
    </message>
    <message>
        <source>a right-angled triangle with hypotenuse %1 and a shorter side %2. Find the other shorter side.</source>
        <translation>ein rechtwinkliges Dreieck mit der Hypotenuse %1 und einer Kathete %2. Finde die andere Kathete.</translation>
    </message>
</context>
<context>
    <name>chalkline::roman::RomanForm</name>
    <message>
        <source>Write each number the other way</source>
        <translation>Schreibe jede Zahl auf die andere Art</translation>
    </message>
    <message>
        <source>Work out each answer in Roman numerals</source>
        <translation>Berechne jedes Ergebnis in römischen Zahlen</translation>
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
        <translation>Wende jede Rechnung auf die Zahl in der Mitte an.</translation>
    </message>
    <message>
        <source>half</source>
        <translation>Hälfte</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>centre %1. %2.</source>
        <translation>Mitte %1. %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::substitution::SubstitutionForm</name>
    <message>
        <source>Find the value of each expression when</source>
        <translation>Berechne den Wert jedes Terms für</translation>
    </message>
    <message>
        <source>%1. Find %2.</source>
        <translation>%1. Berechne %2.</translation>
    </message>
</context>
<context>
    <name>chalkline::twentyfour::TwentyFourForm</name>
    <message>
        <source>Use each number once, with +, -, x, ÷ and brackets, to make</source>
        <translation>Nutze jede Zahl einmal, mit +, -, ·, : und Klammern, um zu erhalten:</translation>
    </message>
    <message>
        <source>make %1 from %2, %3, %4 and %5.</source>
        <translation>bilde %1 aus %2, %3, %4 und %5.</translation>
    </message>
    <message>
        <source>1 way</source>
        <translation>1 Möglichkeit</translation>
    </message>
    <message>
        <source>%1 ways</source>
        <translation>%1 Möglichkeiten</translation>
    </message>
</context>
</TS>
