<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>zorvik</name>
    <message>
        <source>usage: zorvik [--level N] [FOLDER]
Zorvik, a worm puzzle: steer the worm with the arrow keys, eat every dot, and the next level opens.
Plays the level files (*.ZVK) of the level folder in name order and starts where the last game ended.

  FOLDER      the level folder; without it $ZORVIK_LEVEL_FOLDER, else
              ${XDG_DATA_HOME:-~/.local/share}/zorvik, which gets the level pack
  --level N   start at level N (1 is the first) instead of where the last game ended
  --help      show this help and end
  --version   show the version and end

The manual: man 6 zorvik
</source>
        <translation>Aufruf: zorvik [--level N] [ORDNER]
Zorvik, ein Wurm-Knobelspiel: Steuere den Wurm mit den Pfeiltasten, friss jeden Punkt, und das nächste Level öffnet sich.
Spielt die Leveldateien (*.ZVK) des Level-Ordners nach Namen geordnet und beginnt, wo das letzte Spiel endete.

  ORDNER      der Level-Ordner; ohne ihn $ZORVIK_LEVEL_FOLDER, sonst
              ${XDG_DATA_HOME:-~/.local/share}/zorvik, der die Level des Spiels bekommt
  --level N   bei Level N beginnen (1 ist das erste) statt dort, wo das letzte Spiel endete
  --help      diese Hilfe zeigen und enden
  --version   die Version zeigen und enden

Das Handbuch: man 6 zorvik
</translation>
    </message>
    <message>
        <source>zorvik: --level needs a level number, 1 for the first level
</source>
        <translation>zorvik: --level braucht eine Levelnummer, 1 für das erste Level
</translation>
    </message>
    <message>
        <source>zorvik: --level needs a level number, 1 for the first level, not &quot;%1&quot;
</source>
        <translation>zorvik: --level braucht eine Levelnummer, 1 für das erste Level, nicht „%1“
</translation>
    </message>
    <message>
        <source>zorvik: unknown option &quot;%1&quot; (zorvik --help lists the options)
</source>
        <translation>zorvik: unbekannte Option „%1“ (zorvik --help nennt die Optionen)
</translation>
    </message>
    <message>
        <source>zorvik: one level folder only, not &quot;%1&quot; and &quot;%2&quot;
</source>
        <translation>zorvik: nur ein Level-Ordner, nicht „%1“ und „%2“
</translation>
    </message>
    <message>
        <source>zorvik: cannot open the level folder &quot;%1&quot;: %2
</source>
        <translation>zorvik: der Level-Ordner „%1“ lässt sich nicht öffnen: %2
</translation>
    </message>
    <message>
        <source>zorvik: there is no level %1: the level folder holds %2 level
</source>
        <translation>zorvik: es gibt kein Level %1: der Level-Ordner enthält %2 Level
</translation>
    </message>
    <message>
        <source>zorvik: there is no level %1: the level folder holds %2 levels
</source>
        <translation>zorvik: es gibt kein Level %1: der Level-Ordner enthält %2 Level
</translation>
    </message>
    <message>
        <source>zorvik: QT_SCALE_FACTOR &quot;%1&quot; is no scale from 0.01 to 100; using 1</source>
        <translation>zorvik: QT_SCALE_FACTOR „%1“ ist kein Maßstab von 0.01 bis 100; es gilt 1</translation>
    </message>
    <message>
        <source>zorvik: at a scale of %1 the window would be larger than the screen; it is shown at %2</source>
        <translation>zorvik: im Maßstab %1 wäre das Fenster größer als der Bildschirm; es wird im Maßstab %2 gezeigt</translation>
    </message>
    <message>
        <source>Zorvik: no screen found. The game runs only in a graphical session (X11 or Wayland).</source>
        <translation>Zorvik: Kein Bildschirm gefunden. Das Spiel läuft nur in einer grafischen Sitzung (X11 oder Wayland).</translation>
    </message>
</context>
<context>
    <name>zorvik-check</name>
    <message>
        <source>usage: zorvik-check [--solve] [--time SECONDS] LEVEL.ZVK...
Checks each level file for what would make the game refuse it or leave it unfinishable.
  --solve         also search the shortest moves that finish each level that passes (L, R, U, D)
  --time SECONDS  how long the search may take per level (default 10, at most 1000000000); it
                  stops sooner once it has proved its solution the shortest
Without a solution it says what ended the search and prints the furthest it got:
  FILE: furthest: K of N dots: MOVES
  --version       show the version and end
Exit status 0 only when every file passes.
</source>
        <translation>Aufruf: zorvik-check [--solve] [--time SEKUNDEN] LEVEL.ZVK...
Prüft jede Leveldatei auf alles, wodurch das Spiel sie ablehnen würde oder sie sich nicht beenden ließe.
  --solve          auch die kürzesten Züge suchen, die jedes bestandene Level beenden (L, R, U, D)
  --time SEKUNDEN  wie lange die Suche je Level dauern darf (Vorgabe 10, höchstens 1000000000); sie
                   endet früher, sobald sie ihre Lösung als die kürzeste bewiesen hat
Ohne Lösung sagt es, was die Suche beendet hat, und nennt, wie weit sie kam (in diesen Worten):
  DATEI: furthest: K of N dots: ZÜGE
  --version        die Version zeigen und enden
Rückgabewert 0 nur, wenn jede Datei besteht.
</translation>
    </message>
    <message>
        <source>zorvik-check: unknown option &quot;%1&quot; (zorvik-check --help lists the options)
</source>
        <translation>zorvik-check: unbekannte Option „%1“ (zorvik-check --help nennt die Optionen)
</translation>
    </message>
    <message>
        <source>%1 × %1 cells, %2 dots, a worm of %3</source>
        <translation>%1 × %1 Felder, %2 Punkte, Wurmlänge %3</translation>
    </message>
    <message>
        <source>%1: error: no such file
</source>
        <translation>%1: Fehler: die Datei gibt es nicht
</translation>
    </message>
    <message>
        <source>%1: error: cannot read the file (%2)
</source>
        <translation>%1: Fehler: die Datei lässt sich nicht lesen (%2)
</translation>
    </message>
    <message>
        <source>%1: error: %2
</source>
        <translation>%1: Fehler: %2
</translation>
    </message>
    <message>
        <source>%1: warning: %2
</source>
        <translation>%1: Warnung: %2
</translation>
    </message>
    <message>
        <source>%1: ok, %2
</source>
        <translation>%1: in Ordnung, %2
</translation>
    </message>
    <message>
        <source>%1: solution, %2 moves, proven shortest: %3
</source>
        <translation>%1: Lösung in %2 Zügen, als kürzeste bewiesen: %3
</translation>
    </message>
    <message>
        <source>%1: solution, %2 moves, not proven shortest (none has fewer than %4): %3
</source>
        <translation>%1: Lösung in %2 Zügen, nicht als kürzeste bewiesen (keine hat weniger als %4): %3
</translation>
    </message>
    <message>
        <source>%1: error: no solution: the search proved that no moves finish the level
</source>
        <translation>%1: Fehler: keine Lösung: die Suche hat bewiesen, dass keine Züge das Level beenden
</translation>
    </message>
    <message>
        <source>%1: warning: no solution found: the search reached its memory limit of %2 MB (%3)
</source>
        <translation>%1: Warnung: keine Lösung gefunden: die Suche hat ihre Speichergrenze von %2 MB erreicht (%3)
</translation>
    </message>
    <message>
        <source>%1: warning: no solution found: the search reached its time limit of %2 s (%3)
</source>
        <translation>%1: Warnung: keine Lösung gefunden: die Suche hat ihre Zeitgrenze von %2 s erreicht (%3)
</translation>
    </message>
    <message>
        <source>%1 positions tried, none finishes in fewer than %2 moves</source>
        <translation>%1 Stellungen versucht, keine Lösung hat weniger als %2 Züge</translation>
    </message>
    <message>
        <source>%1 positions tried</source>
        <translation>%1 Stellungen versucht</translation>
    </message>
    <message>
        <source>zorvik-check: --time needs a number of seconds (zorvik-check --help lists the options)
</source>
        <translation>zorvik-check: --time braucht eine Zahl von Sekunden (zorvik-check --help nennt die Optionen)
</translation>
    </message>
    <message>
        <source>zorvik-check: --time takes a number of seconds above 0 and at most 1000000000, not &quot;%1&quot; (zorvik-check --help lists the options)
</source>
        <translation>zorvik-check: --time nimmt eine Zahl von Sekunden über 0 und höchstens 1000000000, nicht „%1“ (zorvik-check --help nennt die Optionen)
</translation>
    </message>
    <message>
        <source>%1 files checked, all pass
</source>
        <translation>%1 Dateien geprüft, alle bestehen
</translation>
    </message>
    <message>
        <source>%1 files checked, %2 fail
</source>
        <translation>%1 Dateien geprüft, mit Fehlern: %2
</translation>
    </message>
    <message>
        <source>%1 × %1 cells, %2 dot, a worm of %3</source>
        <translation>%1 × %1 Felder, %2 Punkt, Wurmlänge %3</translation>
    </message>
</context>
<context>
    <name>zorvik-studio</name>
    <message>
        <source>usage: zorvik-studio [LEVEL]
Draws, checks, solves and plays Zorvik levels. LEVEL is a level file (.ZVK) or a text grid to open.
  -h, --help     this text
      --version  the version
</source>
        <translation>Aufruf: zorvik-studio [LEVEL]
Zeichnet, prüft, löst und spielt Zorvik-Level. LEVEL ist eine Leveldatei (.ZVK) oder ein Textraster zum Öffnen.
  -h, --help     dieser Text
      --version  die Version
</translation>
    </message>
    <message>
        <source>zorvik-studio: unknown option &quot;%1&quot; (zorvik-studio --help lists the options)
</source>
        <translation>zorvik-studio: unbekannte Option „%1“ (zorvik-studio --help nennt die Optionen)
</translation>
    </message>
    <message>
        <source>zorvik-studio: one level at a time, not also &quot;%1&quot; (zorvik-studio --help lists the options)
</source>
        <translation>zorvik-studio: nur ein Level auf einmal, nicht auch „%1“ (zorvik-studio --help nennt die Optionen)
</translation>
    </message>
    <message>
        <source>zorvik-studio: no screen found. The studio runs only in a graphical session (X11 or Wayland).</source>
        <translation>zorvik-studio: Kein Bildschirm gefunden. Das Studio läuft nur in einer grafischen Sitzung (X11 oder Wayland).</translation>
    </message>
</context>
</TS>
