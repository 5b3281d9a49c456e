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
        <translation>   Genauigkeit: %1%   WPM: %2  Erwartete WPM: %3</translation>
    </message>
    <message>
        <source> Difficulty: %1    Hit: %2   Lost: %3  Time: %4s   Score: %5</source>
        <translation> Schwierigkeit: %1    Treffer: %2   Verloren: %3  Zeit: %4s   Punkte: %5</translation>
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
    <message>
        <source> lines left.</source>
        <translation> Zeilen übrig.</translation>
    </message>
    <message>
        <source>Keys/Min %1   Accuracy: %2%   WPM: %3</source>
        <translation>Anschläge/Min %1   Genauigkeit: %2%   WPM: %3</translation>
    </message>
    <message>
        <source>Can you really type so fast?  Do be patient.</source>
        <translation>Können Sie wirklich so schnell tippen?  Bitte haben Sie Geduld.</translation>
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
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>The practice time is %1, total practice time is %2.</source>
        <translation>Die Übungszeit beträgt %1, die gesamte Übungszeit %2.</translation>
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
Ein Lehrer für das Zehnfingersystem</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Lernende(r)</translation>
    </message>
    <message>
        <source>Select one or go to the Options page to create a new one</source>
        <translation>Wählen Sie einen Namen, oder legen Sie in den Optionen einen neuen an</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
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
        <translation>S&amp;piel</translation>
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
        <translation>&amp;Blinkfarbe der zu drückenden Taste</translation>
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
        <translation>S&amp;piel einschalten</translation>
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
