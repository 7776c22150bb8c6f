<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutForm</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>About Quorvane</source>
        <translation>Über Quorvane</translation>
    </message>
    <message>
        <source>

Quorvane - July 2004
by Zadrel
email quorvane@example.org
</source>
        <translation>

Quorvane – Juli 2004
von Zadrel
E-Mail quorvane@example.org
</translation>
    </message>
</context>
<context>
    <name>BoardWindow</name>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>1 correct color</source>
        <translation>1 richtige Farbe</translation>
    </message>
    <message numerus="yes">
        <source>%n correct colors</source>
        <translation>
            <numerusform>%n richtige Farbe</numerusform>
            <numerusform>%n richtige Farben</numerusform>
        </translation>
    </message>
    <message>
        <source>1 correct position</source>
        <translation>1 richtige Stelle</translation>
    </message>
    <message numerus="yes">
        <source>%n correct positions</source>
        <translation>
            <numerusform>%n richtige Stelle</numerusform>
            <numerusform>%n richtige Stellen</numerusform>
        </translation>
    </message>
    <message>
        <source>try %1: %2</source>
        <translation>Versuch %1: %2</translation>
    </message>
    <message>
        <source>answer, position %1: %2</source>
        <translation>Lösung, Stelle %1: %2</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>verdeckt</translation>
    </message>
    <message>
        <source>colors: %1</source>
        <translation>Farben: %1</translation>
    </message>
    <message>
        <source>positions: %1</source>
        <translation>Stellen: %1</translation>
    </message>
    <message>
        <source>Up raises, Down lowers</source>
        <translation>Pfeil hoch erhöht, Pfeil runter verringert</translation>
    </message>
    <message>
        <source>color being dragged</source>
        <translation>gezogene Farbe</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a slot, what it holds</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>try %1 of %2, position %3</source>
        <translation>Versuch %1 von %2, Stelle %3</translation>
    </message>
    <message>
        <source>The code was %1.</source>
        <translation>Der Code war: %1.</translation>
    </message>
    <message>
        <source>try %1 of %2 is not complete</source>
        <translation>Versuch %1 von %2 ist noch nicht vollständig</translation>
    </message>
    <message>
        <source>You have won.</source>
        <translation>Du hast gewonnen.</translation>
    </message>
    <message>
        <source>That was the last try.</source>
        <translation>Das war der letzte Versuch.</translation>
    </message>
    <message>
        <source>%1 picked up: arrows choose the slot, Space drops it, Escape puts it back</source>
        <translation>%1 aufgenommen: Pfeiltasten wählen das Feld, Leertaste setzt die Farbe, Escape legt sie zurück</translation>
    </message>
    <message>
        <source>%1 put back</source>
        <translation>%1 zurückgelegt</translation>
    </message>
    <message>
        <source>Do you want to Exit ?</source>
        <translation>Möchtest du das Spiel beenden?</translation>
    </message>
    <message>
        <source>new game: %1 colors, %2 positions</source>
        <translation>Neues Spiel: %1 Farben, %2 Stellen</translation>
    </message>
    <message>
        <source>You gave up.</source>
        <translation>Du hast aufgegeben.</translation>
    </message>
    <message numerus="yes">
        <source>%n colors, shuffled</source>
        <translation>
            <numerusform>%n Farbe, gemischt</numerusform>
            <numerusform>%n Farben, gemischt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n positions</source>
        <translation>
            <numerusform>%n Stelle</numerusform>
            <numerusform>%n Stellen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 placed in %2</source>
        <translation>%1 gesetzt: %2</translation>
    </message>
    <message>
        <source>%1 moved to %2</source>
        <translation>%1 verschoben: %2</translation>
    </message>
    <message>
        <source>%1 copied to %2</source>
        <translation>%1 kopiert: %2</translation>
    </message>
    <message>
        <source>, replacing %1</source>
        <translation>, ersetzt %1</translation>
    </message>
    <message>
        <source>%1 is already in this try</source>
        <translation>%1 ist schon in diesem Versuch</translation>
    </message>
    <message>
        <source>this try is full</source>
        <translation>Dieser Versuch ist voll</translation>
    </message>
    <message>
        <source>Color marks on</source>
        <translation>Farbsymbole an</translation>
    </message>
    <message>
        <source>Color marks off</source>
        <translation>Farbsymbole aus</translation>
    </message>
</context>
<context>
    <name>Browser</name>
    <message>
        <source>&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The page &lt;b&gt;%1&lt;/b&gt; could not be opened.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Seite nicht gefunden&lt;/h2&gt;&lt;p&gt;Die Seite &lt;b&gt;%1&lt;/b&gt; konnte nicht geöffnet werden.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>Colours</name>
    <message>
        <source>magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>bright green</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>purple</source>
        <translation>Lila</translation>
    </message>
    <message>
        <source>navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>dark green</source>
        <translation>Dunkelgrün</translation>
    </message>
    <message>
        <source>olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>maroon</source>
        <translation>Weinrot</translation>
    </message>
    <message>
        <source>black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>white</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>DeductionsWindow</name>
    <message numerus="yes">
        <source>%1 to %n correct colors</source>
        <translation>
            <numerusform>%1 bis %n richtige Farbe</numerusform>
            <numerusform>%1 bis %n richtige Farben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 to %n correct positions</source>
        <translation>
            <numerusform>%1 bis %n richtige Stelle</numerusform>
            <numerusform>%1 bis %n richtige Stellen</numerusform>
        </translation>
    </message>
    <message>
        <source>1 correct color</source>
        <translation>1 richtige Farbe</translation>
    </message>
    <message>
        <source>1 correct position</source>
        <translation>1 richtige Stelle</translation>
    </message>
    <message numerus="yes">
        <source>%n correct colors</source>
        <translation>
            <numerusform>%n richtige Farbe</numerusform>
            <numerusform>%n richtige Farben</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n correct positions</source>
        <translation>
            <numerusform>%n richtige Stelle</numerusform>
            <numerusform>%n richtige Stellen</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Position %1:</source>
        <translation>Stelle %1:</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>1 code is still possible.</source>
        <translation>1 Code ist noch möglich.</translation>
    </message>
    <message>
        <source>%L1 codes are still possible.</source>
        <translation>%L1 Codes sind noch möglich.</translation>
    </message>
    <message>
        <source>Your try could be the code.</source>
        <translation>Dein Versuch könnte der Code sein.</translation>
    </message>
    <message>
        <source>Your try cannot be the code:</source>
        <translation>Dein Versuch kann nicht der Code sein:</translation>
    </message>
    <message>
        <source>it holds a color twice, or one not in play.</source>
        <translation>Er enthält eine Farbe zweimal oder eine, die nicht im Spiel ist.</translation>
    </message>
    <message>
        <source>it does not fit what tries 1 to %1 scored, taken together.</source>
        <translation>Er passt nicht zu den Wertungen der Versuche 1 bis %1 zusammengenommen.</translation>
    </message>
    <message>
        <source>had it been the code, try %1 would have scored %2, not %3.</source>
        <translation>Wäre er der Code, hätte Versuch %1 nicht %3 erhalten, sondern %2.</translation>
    </message>
    <message>
        <source>however it is completed, try %1 could not have scored %2.</source>
        <translation>Wie auch immer er vervollständigt wird, Versuch %1 hätte dann nicht %2 erhalten.</translation>
    </message>
    <message>
        <source>Suggested: a try that could be the code.</source>
        <translation>Vorschlag: ein Versuch, der der Code sein könnte.</translation>
    </message>
    <message>
        <source>Suggested: a try that cannot be the code, but tells more.</source>
        <translation>Vorschlag: kann nicht der Code sein, verrät aber mehr.</translation>
    </message>
    <message>
        <source>In the code:</source>
        <translation>Im Code:</translation>
    </message>
    <message>
        <source>Not in the code:</source>
        <translation>Nicht im Code:</translation>
    </message>
    <message>
        <source>Still open:</source>
        <translation>Noch offen:</translation>
    </message>
    <message>
        <source>Each position can still be:</source>
        <translation>Noch möglich an jeder Stelle:</translation>
    </message>
    <message>
        <source>&amp;Suggest a try</source>
        <translation>&amp;Versuch vorschlagen</translation>
    </message>
    <message>
        <source>Deductions</source>
        <translation>Schlussfolgerungen</translation>
    </message>
</context>
<context>
    <name>GameBoard</name>
    <message>
        <source>PICK COLORS FROM HERE</source>
        <translation>HIER FARBEN WÄHLEN</translation>
    </message>
    <message>
        <source>COLORS</source>
        <translation>FARBEN</translation>
    </message>
    <message>
        <source>POSITIONS</source>
        <translation>STELLEN</translation>
    </message>
    <message>
        <source>CORRECT</source>
        <translation>RICHTIG</translation>
    </message>
    <message>
        <source>PLACE YOUR GUESS HERE</source>
        <translation>HIER DEINEN TIPP SETZEN</translation>
    </message>
    <message>
        <source>ANSWER</source>
        <translation>LÖSUNG</translation>
    </message>
    <message>
        <source>colors  positions</source>
        <translation>Farben  Stellen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>  WELL DONE    click here for another go</source>
        <translation>  GEWONNEN!    hier klicken für ein neues Spiel</translation>
    </message>
    <message>
        <source>click here to try again</source>
        <translation>hier klicken, um noch einmal zu spielen</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>Giveup</source>
        <translation>Aufgeben</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Quorvane</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Color marks</source>
        <translation>Farb&amp;symbole</translation>
    </message>
    <message>
        <source>Deductions</source>
        <translation>Schluss&amp;folgerungen</translation>
    </message>
</context>
<context>
    <name>HelpForm</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Quorvane Help</source>
        <translation>Quorvane-Hilfe</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <source>in previous try only one color was correct</source>
        <translation>Im vorigen Versuch war nur eine Farbe richtig</translation>
    </message>
    <message numerus="yes">
        <source>in previous try  %n colors were correct</source>
        <translation>
            <numerusform>Im vorigen Versuch war %n Farbe richtig</numerusform>
            <numerusform>Im vorigen Versuch waren %n Farben richtig</numerusform>
        </translation>
    </message>
    <message>
        <source>, and only one was in correct position also</source>
        <translation>, und nur eine davon stand an der richtigen Stelle</translation>
    </message>
    <message numerus="yes">
        <source>, and %n were in correct position also</source>
        <translation>
            <numerusform>, und %n davon stand an der richtigen Stelle</numerusform>
            <numerusform>, und %n davon standen an der richtigen Stelle</numerusform>
        </translation>
    </message>
    <message>
        <source>in previous try none of the colors were correct</source>
        <translation>Im vorigen Versuch war keine Farbe richtig</translation>
    </message>
    <message>
        <source>all colors are correct, now rearrange these to find correct positions</source>
        <translation>Alle Farben sind richtig, jetzt bring sie an die richtigen Stellen</translation>
    </message>
    <message>
        <source>all colors are correct</source>
        <translation>Alle Farben sind richtig</translation>
    </message>
    <message>
        <source>, and none was in correct position</source>
        <translation>, aber keine davon stand an der richtigen Stelle</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cannot open display %1</source>
        <translation>Display %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>no display: neither DISPLAY nor WAYLAND_DISPLAY is set</source>
        <translation>kein Display: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set</source>
        <translation>kein Display: DISPLAY ist nicht gesetzt</translation>
    </message>
</context>
</TS>
