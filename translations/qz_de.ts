<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Dialogs</name>
    <message>
        <source>Input Box</source>
        <translation>Eingabe</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Zugriff auf die Datei verweigert</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Datei zu groß</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The Progress window cannot be opened: %1</source>
        <translation>Das Fenster Fortschritt kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>the file is damaged or no database</source>
        <translation>die Datei ist beschädigt oder keine Datenbank</translation>
    </message>
    <message>
        <source>Progress is not recorded in %1: %2. Practice goes on; the file is left as it is.</source>
        <translation>Der Fortschritt wird nicht in %1 aufgezeichnet: %2. Das Üben geht weiter; die Datei bleibt, wie sie ist.</translation>
    </message>
    <message>
        <source>the file is damaged: %1</source>
        <translation>die Datei ist beschädigt: %1</translation>
    </message>
    <message>
        <source>the file comes from a newer version of the program</source>
        <translation>die Datei stammt von einer neueren Version des Programms</translation>
    </message>
    <message>
        <source>the file holds the tables of another program</source>
        <translation>die Datei enthält die Tabellen eines anderen Programms</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>The working folder %1 lacks the program&apos;s files, and %2 has none to copy into it.</source>
        <translation>Dem Arbeitsordner %1 fehlen die Dateien des Programms, und in %2 liegen keine, die hineinkopiert werden könnten.</translation>
    </message>
    <message>
        <source>Progress is not recorded in %1: %2. Practice goes on.</source>
        <translation>Der Fortschritt wird nicht in %1 aufgezeichnet: %2. Das Üben geht weiter.</translation>
    </message>
    <message>
        <source>its folder takes no new files</source>
        <translation>sein Ordner nimmt keine neuen Dateien auf</translation>
    </message>
    <message>
        <source>The working folder %1 cannot be prepared: %2. Another folder can be named with --folder &lt;path&gt;.</source>
        <translation>Der Arbeitsordner %1 kann nicht vorbereitet werden: %2. Ein anderer Ordner kann mit --folder &lt;Pfad&gt; angegeben werden.</translation>
    </message>
    <message>
        <source>The last results cannot be recorded in %1: %2.</source>
        <translation>Die letzten Ergebnisse können nicht in %1 aufgezeichnet werden: %2.</translation>
    </message>
    <message>
        <source>Results cannot be recorded in %1 for now: %2. They are kept and recorded once there is room.</source>
        <translation>Ergebnisse können vorerst nicht in %1 aufgezeichnet werden: %2. Sie werden aufbewahrt und aufgezeichnet, sobald wieder Platz ist.</translation>
    </message>
    <message>
        <source>Cannot write a line break or a &quot;=&quot; in a key to %1</source>
        <translation>Ein Zeilenumbruch oder ein „=“ in einem Schlüssel kann nicht in %1 geschrieben werden</translation>
    </message>
    <message>
        <source>%1 is saved as UTF-16 (Unicode); save it as ANSI instead.
</source>
        <translation>%1 ist als UTF-16 (Unicode) gespeichert; bitte stattdessen als ANSI speichern.
</translation>
    </message>
    <message>
        <source>A section name in %1 lacks a bracket: &quot;%2&quot;. The keyboard layouts are neither read nor saved until it is mended.
</source>
        <translation>Einem Abschnittsnamen in %1 fehlt eine Klammer: „%2“. Die Tastaturbelegungen werden weder gelesen noch gespeichert, bis die Datei berichtigt ist.
</translation>
    </message>
    <message>
        <source>Another program has held %1 for 10 seconds.</source>
        <translation>Ein anderes Programm hält %1 seit 10 Sekunden.</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsie</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Türkis</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schrift:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>F&amp;arbe:</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Input the difficulty (1-10).</source>
        <translation>Schwierigkeit eingeben (1-10).</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Möchten Sie das Spiel beenden?</translation>
    </message>
    <message>
        <source>   Accuracy: %1%   WPM: %2  Expected WPM: %3</source>
        <translation>   Genauigkeit: %1 %   WpM: %2  Erwartete WpM: %3</translation>
    </message>
    <message>
        <source> Difficulty: %1    Hit: %2   Lost: %3  Time: %4s   Score: %5</source>
        <translation> Schwierigkeit: %1    Treffer: %2   Verloren: %3  Zeit: %4 s   Punkte: %5</translation>
    </message>
</context>
<context>
    <name>Layouts</name>
    <message>
        <source>Invalid layout: %1</source>
        <translation>Ungültige Tastaturbelegung: %1</translation>
    </message>
    <message>
        <source>the key count %1 is outside 0..60</source>
        <translation>die Tastenzahl %1 liegt nicht in 0..60</translation>
    </message>
    <message>
        <source>key %1 is on line %2, outside 1..4</source>
        <translation>Taste %1 liegt in Reihe %2, nicht in 1..4</translation>
    </message>
    <message>
        <source>key %1 has finger %2, outside 0..9</source>
        <translation>Taste %1 hat Finger %2, nicht in 0..9</translation>
    </message>
    <message>
        <source>key %1 has a font of %2 points, outside %3..%4</source>
        <translation>Taste %1 hat eine Schrift von %2 Punkt, nicht in %3..%4</translation>
    </message>
    <message>
        <source>key %1 has a font %2 pixels high, outside 1..%3</source>
        <translation>Taste %1 hat eine Schrift von %2 Pixel Höhe, nicht in 1..%3</translation>
    </message>
    <message>
        <source>the keyboard would be %1 x %2 pixels, more than 4096</source>
        <translation>die Tastatur wäre %1 x %2 Pixel groß, mehr als 4096</translation>
    </message>
    <message>
        <source>the hands would be %1 pixels high, more than 4096</source>
        <translation>die Hände wären %1 Pixel hoch, mehr als 4096</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Delete the learner &quot;%1&quot;? The course position, practice time and settings of this learner will be lost.</source>
        <translation>Den Lernenden „%1“ löschen? Kursposition, Übungszeit und Einstellungen dieses Lernenden gehen verloren.</translation>
    </message>
    <message>
        <source>The course file may not exist. Please check the Options.</source>
        <translation>Die Kursdatei fehlt vielleicht. Bitte prüfen Sie die Optionen.</translation>
    </message>
    <message>
        <source>The text file may not exist. Please check the Options.</source>
        <translation>Die Textdatei fehlt vielleicht. Bitte prüfen Sie die Optionen.</translation>
    </message>
    <message>
        <source>The new user will have the settings of the current user. Please restart the program.</source>
        <translation>Der neue Benutzer erhält die Einstellungen des aktuellen Benutzers. Bitte starten Sie das Programm neu.</translation>
    </message>
    <message>
        <source>Please don&apos;t delete current user.</source>
        <translation>Bitte löschen Sie nicht den aktuellen Benutzer.</translation>
    </message>
    <message>
        <source>The name contains a character that cannot be stored in the settings files.</source>
        <translation>Der Name enthält ein Zeichen, das in den Einstellungsdateien nicht gespeichert werden kann.</translation>
    </message>
    <message>
        <source>Use the German course and texts as well?</source>
        <translation>Auch den deutschen Kurs und die deutschen Texte verwenden?</translation>
    </message>
    <message>
        <source>Use the French course and texts as well?</source>
        <translation>Auch den französischen Kurs und die französischen Texte verwenden?</translation>
    </message>
    <message>
        <source> (looked in %1)</source>
        <translation> (gesucht in %1)</translation>
    </message>
    <message>
        <source>%1 is practising in another window of the program and cannot be deleted now.</source>
        <translation>%1 übt gerade in einem anderen Fenster des Programms und kann jetzt nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Use the English course and texts as well?</source>
        <translation>Auch den englischen Kurs und die englischen Texte verwenden?</translation>
    </message>
    <message>
        <source>Use the UK course and the English texts as well?</source>
        <translation>Auch den britischen Kurs und die englischen Texte verwenden?</translation>
    </message>
    <message>
        <source>Use the Dvorak course and the English texts as well?</source>
        <translation>Auch den Dvorak-Kurs und die englischen Texte verwenden?</translation>
    </message>
    <message>
        <source>Use the Colemak course and the English texts as well?</source>
        <translation>Auch den Colemak-Kurs und die englischen Texte verwenden?</translation>
    </message>
    <message>
        <source>A learner name cannot contain &quot;]&quot;, a line break or another control character.</source>
        <translation>Der Name eines Lernenden darf weder „]“ noch einen Zeilenumbruch oder ein anderes Steuerzeichen enthalten.</translation>
    </message>
    <message>
        <source>A learner name cannot begin and end with the same quote.</source>
        <translation>Der Name eines Lernenden darf nicht mit demselben Anführungszeichen beginnen und enden.</translation>
    </message>
    <message>
        <source>what the problem</source>
        <translation> – das ist das Problem</translation>
    </message>
    <message>
        <source> what loading keyboard</source>
        <translation> beim Laden der Tastaturbelegung</translation>
    </message>
    <message>
        <source> (%1 in %2)</source>
        <translation> (%1 in %2)</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Beginning of the course.</source>
        <translation>Anfang des Kurses.</translation>
    </message>
    <message>
        <source>End of the course.</source>
        <translation>Ende des Kurses.</translation>
    </message>
    <message>
        <source>Please input a number to goto somewhere of the course:</source>
        <translation>Bitte geben Sie die Nummer der Kurszeile ein, zu der Sie springen möchten:</translation>
    </message>
    <message>
        <source>Invalid input.</source>
        <translation>Ungültige Eingabe.</translation>
    </message>
    <message>
        <source>Press the -&gt; key to the next, the &lt;- key to the previous, the Insert key to anywhere.</source>
        <translation>Taste -&gt; zur nächsten, Taste &lt;- zur vorigen Zeile, Einfg zu einer beliebigen Zeile.</translation>
    </message>
    <message>
        <source>Please input what you like to practise:</source>
        <translation>Bitte geben Sie ein, was Sie üben möchten:</translation>
    </message>
    <message>
        <source>Please press the Insert key for defining the example line.</source>
        <translation>Bitte drücken Sie Einfg, um die Übungszeile festzulegen.</translation>
    </message>
    <message>
        <source>How many lines you would practise:</source>
        <translation>Wie viele Zeilen möchten Sie üben:</translation>
    </message>
    <message numerus="yes">
        <source> lines left.</source>
        <translation><numerusform> Zeile übrig.</numerusform><numerusform> Zeilen übrig.</numerusform></translation>
    </message>
    <message>
        <source>Keys/Min %1   Accuracy: %2%   WPM: %3</source>
        <translation>Anschläge/Min %1   Genauigkeit: %2 %   WpM: %3</translation>
    </message>
    <message>
        <source>Can you really type so fast?  Do be patient.</source>
        <translation>Können Sie wirklich so schnell tippen?  Bitte haben Sie Geduld.</translation>
    </message>
    <message>
        <source>Focus: %1  %2 % wrong, %3 keys/min; goal %4 %, %5</source>
        <translation>Fokus: %1  %2 % falsch, %3 Anschläge/Min.; Ziel %4 %, %5</translation>
    </message>
    <message>
        <source>Focus: %1  too new to judge; goal %2 %, %3</source>
        <translation>Fokus: %1  noch zu neu; Ziel %2 %, %3</translation>
    </message>
    <message>
        <source> line left.</source>
        <translation> Zeile übrig.</translation>
    </message>
    <message>
        <source>The keyboard layout has no keys to practise. Please check the Options.</source>
        <translation>Die Tastaturbelegung hat keine Tasten zum Üben. Bitte prüfen Sie die Optionen.</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>%1 is practising in another window of the program. Please pick another learner.</source>
        <translation>%1 übt gerade in einem anderen Fenster des Programms. Bitte wählen Sie einen anderen Lernenden.</translation>
    </message>
    <message>
        <source>%1 h %2 m %3 s</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>The practice time is %1, total practice time is %2.</source>
        <translation>Die Übungszeit beträgt %1, die gesamte Übungszeit %2.</translation>
    </message>
    <message>
        <source>qzhelp.rtf</source>
        <extracomment>The help file in this language, shipped beside the English qzhelp.rtf.</extracomment>
        <translation>qzhelp-de.rtf</translation>
    </message>
    <message>
        <source>The last lesson&apos;s keys still go wrong often: %1. Practise three lines on the keys learned so far?</source>
        <translation>Die Tasten der letzten Lektion gehen noch oft daneben: %1. Drei Zeilen mit den bisher gelernten Tasten üben?</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Version 3.2  Beta
A tutor for touch typing</source>
        <translation>Version 3.2  Beta
Das Zehnfingersystem lernen</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Select one or go to the Options page to create a new one</source>
        <translation>Wählen Sie einen Namen, oder legen Sie in den Optionen einen neuen an</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>TButtonMenu</name>
    <message>
        <source>&amp;Course</source>
        <translation>&amp;Kurs</translation>
    </message>
    <message>
        <source>&amp;Sentence Drills</source>
        <translation>&amp;Satzübungen</translation>
    </message>
    <message>
        <source>&amp;Free Drills</source>
        <translation>&amp;Freie Übungen</translation>
    </message>
    <message>
        <source>&amp;Paragraph Drills</source>
        <translation>&amp;Absatzübungen</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>Spi&amp;el</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>P&amp;rogress</source>
        <translation>Fortsch&amp;ritt</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Adaptive Drills</source>
        <translation>&amp;Gezielt üben</translation>
    </message>
</context>
<context>
    <name>TDefineQZ</name>
    <message>
        <source>Define VK &amp; VH</source>
        <translation>Tastatur und Hände entwerfen</translation>
    </message>
    <message>
        <source>Key &amp;&amp; finger</source>
        <translation>Taste &amp;&amp; Finger</translation>
    </message>
    <message>
        <source>You must press &quot;Show Key&quot; to finish the definition</source>
        <translation>Drücken Sie „Taste zeigen“, um die Festlegung abzuschließen</translation>
    </message>
    <message>
        <source>Key num</source>
        <translation>Taste Nr.</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Reihe</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Spalte</translation>
    </message>
    <message>
        <source>Double click to define font and color</source>
        <translation>Doppelklick legt Schrift und Farbe fest</translation>
    </message>
    <message>
        <source>Key color...</source>
        <translation>Tastenfarbe...</translation>
    </message>
    <message>
        <source>Define the key color</source>
        <translation>Farbe der Taste festlegen</translation>
    </message>
    <message>
        <source>Which finger to type</source>
        <translation>Welcher Finger tippt</translation>
    </message>
    <message>
        <source>Define key</source>
        <translation>Festlegen</translation>
    </message>
    <message>
        <source>Must use this key to make definition take effect</source>
        <translation>Erst diese Schaltfläche macht die Festlegung wirksam</translation>
    </message>
    <message>
        <source>Show key</source>
        <translation>Taste zeigen</translation>
    </message>
    <message>
        <source>Show the effect of the key</source>
        <translation>Zeigt die Taste, wie sie aussehen wird</translation>
    </message>
    <message>
        <source>Cancel key</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel the setting for this key, you must fill it later</source>
        <translation>Verwirft die Festlegung dieser Taste; sie muss später neu festgelegt werden</translation>
    </message>
    <message>
        <source>Common key layout</source>
        <translation>Alle Tasten</translation>
    </message>
    <message>
        <source>Key width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Valid for all keys</source>
        <translation>Gilt für alle Tasten</translation>
    </message>
    <message>
        <source>Key height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Offset 1</source>
        <translation>Einzug 1</translation>
    </message>
    <message>
        <source>Pixels to the left</source>
        <translation>Pixel vom linken Rand</translation>
    </message>
    <message>
        <source>Offset 2</source>
        <translation>Einzug 2</translation>
    </message>
    <message>
        <source>For the second line of keys</source>
        <translation>Für die zweite Tastenreihe</translation>
    </message>
    <message>
        <source>Offset 3</source>
        <translation>Einzug 3</translation>
    </message>
    <message>
        <source>Offset 4</source>
        <translation>Einzug 4</translation>
    </message>
    <message>
        <source>Finger layout</source>
        <translation>Finger</translation>
    </message>
    <message>
        <source>Finger</source>
        <translation>Finger</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Finger color...</source>
        <translation>Fingerfarbe...</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Show KB</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>Show hands</source>
        <translation>Hände</translation>
    </message>
    <message>
        <source>This key is not defined yet.</source>
        <translation>Diese Taste ist noch nicht festgelegt.</translation>
    </message>
    <message>
        <source>If you cancel it, you must fill it later with another setting.</source>
        <translation>Wenn Sie die Taste verwerfen, müssen Sie sie später neu festlegen.</translation>
    </message>
    <message>
        <source>Top left character</source>
        <translation>Zeichen oben links</translation>
    </message>
    <message>
        <source>Bottom left character</source>
        <translation>Zeichen unten links</translation>
    </message>
    <message>
        <source>Top right character</source>
        <translation>Zeichen oben rechts</translation>
    </message>
    <message>
        <source>Bottom right character</source>
        <translation>Zeichen unten rechts</translation>
    </message>
    <message>
        <source>Left little finger</source>
        <translation>Linker kleiner Finger</translation>
    </message>
    <message>
        <source>Left ring finger</source>
        <translation>Linker Ringfinger</translation>
    </message>
    <message>
        <source>Left middle finger</source>
        <translation>Linker Mittelfinger</translation>
    </message>
    <message>
        <source>Left index finger</source>
        <translation>Linker Zeigefinger</translation>
    </message>
    <message>
        <source>Left thumb</source>
        <translation>Linker Daumen</translation>
    </message>
    <message>
        <source>Right thumb</source>
        <translation>Rechter Daumen</translation>
    </message>
    <message>
        <source>Right index finger</source>
        <translation>Rechter Zeigefinger</translation>
    </message>
    <message>
        <source>Right middle finger</source>
        <translation>Rechter Mittelfinger</translation>
    </message>
    <message>
        <source>Right ring finger</source>
        <translation>Rechter Ringfinger</translation>
    </message>
    <message>
        <source>Right little finger</source>
        <translation>Rechter kleiner Finger</translation>
    </message>
    <message>
        <source>L  L   L   L  L  R   R  R  R  R     </source>
        <extracomment>One letter under each finger button: left hand, then right hand.</extracomment>
        <translation>L  L   L   L  L  R   R  R  R  R     </translation>
    </message>
    <message>
        <source>QZ Layout File (*.key)|*.key</source>
        <translation>QZ-Tastaturbelegung (*.key)|*.key</translation>
    </message>
    <message>
        <source>F2 defines font and color</source>
        <translation>F2 legt Schrift und Farbe fest</translation>
    </message>
</context>
<context>
    <name>TFmAdaptivePrac</name>
    <message>
        <source>Adaptive Drills</source>
        <translation>Gezielt üben</translation>
    </message>
</context>
<context>
    <name>TFmCoursePrac</name>
    <message>
        <source>Course</source>
        <translation>Kurs</translation>
    </message>
</context>
<context>
    <name>TFmLetterPrac</name>
    <message>
        <source>Free Drills</source>
        <translation>Freie Übungen</translation>
    </message>
</context>
<context>
    <name>TFmLinePractice</name>
    <message>
        <source>Line Practice</source>
        <translation>Zeilenübung</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>The clock runs</source>
        <translation>Die Uhr läuft</translation>
    </message>
</context>
<context>
    <name>TFmOption</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Practice Contents</source>
        <translation>Übungsinhalte</translation>
    </message>
    <message>
        <source>Keyboard Layout</source>
        <translation>Tastaturbelegung</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Layouts of practices</source>
        <translation>Aussehen der Übungen</translation>
    </message>
    <message>
        <source>&amp;Blinking color of the pressed key</source>
        <translation>&amp;Blinkfarbe der nächsten Taste</translation>
    </message>
    <message>
        <source>&amp;Font of practices</source>
        <translation>&amp;Schrift der Übungen</translation>
    </message>
    <message>
        <source>Font used in the practices</source>
        <translation>Schrift, in der geübt wird</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>&amp;Enable game</source>
        <translation>Spiel e&amp;inschalten</translation>
    </message>
    <message>
        <source>Users Management</source>
        <translation>Benutzerverwaltung</translation>
    </message>
    <message>
        <source>Input or select a name</source>
        <translation>Namen eingeben oder auswählen</translation>
    </message>
    <message>
        <source>&amp;Add </source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>Add the new name above</source>
        <translation>Den neuen Namen oben hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Select a text file to be the content of the course</source>
        <translation>Textdatei mit dem Inhalt des Kurses wählen</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Select a text file to be the content of practices of sentence and paragraph</source>
        <translation>Textdatei mit dem Inhalt der Satz- und Absatzübungen wählen</translation>
    </message>
    <message>
        <source>Sentence &amp;&amp; paragraph</source>
        <translation>Sätze &amp;&amp; Absätze</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Note:<byte value="xd"/>
The text files are located in the installation folder of QZ Typing Tutor. Protocols of the text files for course, sentence and game are different. You may edit them using a text editor.</source>
        <translation>Hinweis:<byte value="xd"/>
Die Textdateien liegen im Arbeitsordner von QZ Typing Tutor. Kurs, Sätze und Spiel haben je ein eigenes Dateiformat. Sie können die Dateien mit einem Texteditor bearbeiten.</translation>
    </message>
    <message>
        <source>Select keyboard layout</source>
        <translation>Tastaturbelegung wählen</translation>
    </message>
    <message>
        <source>The layout file:</source>
        <translation>Die Belegungsdatei:</translation>
    </message>
    <message>
        <source>&amp;Delete current layout</source>
        <translation>Belegung &amp;entfernen</translation>
    </message>
    <message>
        <source>Only delete the association.</source>
        <translation>Entfernt nur den Eintrag, nicht die Datei.</translation>
    </message>
    <message>
        <source>Add layout</source>
        <translation>Belegung hinzufügen</translation>
    </message>
    <message>
        <source>Name of new layout</source>
        <translation>Name der neuen Belegung</translation>
    </message>
    <message>
        <source>Select a file for  the layout</source>
        <translation>Datei für die Belegung wählen</translation>
    </message>
    <message>
        <source>Select a layout file</source>
        <translation>Belegungsdatei wählen</translation>
    </message>
    <message>
        <source>&amp;Register new layout</source>
        <translation>Neue Belegung &amp;registrieren</translation>
    </message>
    <message>
        <source>Ad&amp;vanced setting &gt;&gt;</source>
        <translation>Er&amp;weitert &gt;&gt;</translation>
    </message>
    <message>
        <source>To design new keyboard layout</source>
        <translation>Eine neue Tastaturbelegung entwerfen</translation>
    </message>
    <message>
        <source>Goal: wrong keys at most (%)</source>
        <translation>Ziel: Fehler höchstens (%)</translation>
    </message>
    <message>
        <source>Goal: keys a minute at least</source>
        <translation>Ziel: mind. Anschläge/Min.</translation>
    </message>
    <message>
        <source>Blinking color</source>
        <translation>Blinkfarbe</translation>
    </message>
    <message>
        <source>Example of the font</source>
        <translation>Beispiel der Schrift</translation>
    </message>
</context>
<context>
    <name>TFmProgress</name>
    <message>
        <source>All practices</source>
        <translation>Alle Übungen</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Kurs</translation>
    </message>
    <message>
        <source>Sentence Drills</source>
        <translation>Satzübungen</translation>
    </message>
    <message>
        <source>Free Drills</source>
        <translation>Freie Übungen</translation>
    </message>
    <message>
        <source>Paragraph Drills</source>
        <translation>Absatzübungen</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>difficulty %1, %2 hit, %3 lost, score %4, expected WPM %5</source>
        <translation>Schwierigkeit %1, %2 getroffen, %3 verloren, %4 Punkte, erwartete WpM %5</translation>
    </message>
    <message>
        <source>%1 characters, %2 wrong</source>
        <translation>%1 Zeichen, %2 falsch</translation>
    </message>
    <message>
        <source>, line %1</source>
        <translation>, Zeile %1</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>&amp;Learner</source>
        <translation>&amp;Lernende(r)</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>Ü&amp;bung</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Übung</translation>
    </message>
    <message>
        <source>Keys/Min</source>
        <translation>Anschläge/Min</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Genauigkeit</translation>
    </message>
    <message>
        <source>WPM</source>
        <translation>WpM</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>Accuracy %</source>
        <translation>Genauigkeit %</translation>
    </message>
    <message>
        <source>Course line</source>
        <translation>Kurszeile</translation>
    </message>
    <message>
        <source>The statistics cannot be read: %1.</source>
        <translation>Die Statistik kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>No results yet for %1. Finish a line, a drill or a game, and it shows here.</source>
        <translation>Noch keine Ergebnisse für %1. Beenden Sie eine Zeile, eine Übung oder ein Spiel, dann erscheint es hier.</translation>
    </message>
    <message>
        <source>No results yet for %1 in %2. Finish one, and it shows here.</source>
        <translation>Noch keine Ergebnisse für %1 in %2. Beenden Sie eine, dann erscheint sie hier.</translation>
    </message>
    <message>
        <source>No character typed wrong yet.</source>
        <translation>Noch kein Zeichen falsch getippt.</translation>
    </message>
    <message>
        <source>%1   %2 of %3 wrong (%4%)</source>
        <translation>%1   %2 von %3 falsch (%4 %)</translation>
    </message>
    <message>
        <source>Adaptive Drills</source>
        <translation>Gezielt üben</translation>
    </message>
    <message>
        <source>Practise these &amp;keys</source>
        <translation>Diese &amp;Tasten üben</translation>
    </message>
    <message>
        <source>Fill: first attempts wrong lately, from white (none) to red (%1% or more); grey until a key has been typed often enough to judge. Frame: speed, from red (half the goal of %2 keys/min) to green (the goal).</source>
        <translation>Füllung: zuletzt falsche erste Anschläge, von Weiß (keine) bis Rot (%1 % oder mehr); Grau, bis eine Taste oft genug getippt ist, um sie zu beurteilen. Rahmen: Tempo, von Rot (halbes Ziel von %2 Anschlägen/Min.) bis Grün (das Ziel).</translation>
    </message>
    <message>
        <source>Mastered letters: %1 of %2</source>
        <translation>Beherrschte Buchstaben: %1 von %2</translation>
    </message>
    <message>
        <source>typed %1 for %2 once</source>
        <translation>%1 statt %2 getippt, einmal</translation>
    </message>
    <message>
        <source>typed %1 for %2 %3 times</source>
        <translation>%1 statt %2 getippt, %3-mal</translation>
    </message>
    <message>
        <source>No key is judged short of the goals yet.</source>
        <translation>Noch keine Taste gilt als unter den Zielen.</translation>
    </message>
    <message>
        <source>Furthest from the goals: %1</source>
        <translation>Am weitesten von den Zielen: %1</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>MMM d</source>
        <translation>d. MMM</translation>
    </message>
    <message>
        <source>MMM d yyyy</source>
        <translation>d. MMM yyyy</translation>
    </message>
    <message>
        <source>Wrong most often, in all practice so far:</source>
        <translation>Am häufigsten falsch, in allen Übungen bisher:</translation>
    </message>
</context>
<context>
    <name>TFmSentencePrac</name>
    <message>
        <source>Sentence Drills</source>
        <translation>Satzübungen</translation>
    </message>
</context>
<context>
    <name>TFmTextPrac</name>
    <message>
        <source>Paragraph Drills</source>
        <translation>Absatzübungen</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
<context>
    <name>TPasswordDlg</name>
    <message>
        <source>Password Dialog</source>
        <translation>Kennwort</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Kennwort eingeben:</translation>
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
    <name>TVKeyboard</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Bildschirmtastatur</translation>
    </message>
</context>
<context>
    <name>TgameFrame</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
</context>
</TS>
