#!/usr/bin/env python3
"""Writes the German and French translations into translations/qz_*.ts from the tables here.

Run lupdate first (see the README), then this; a source without an entry here stays unfinished
and the translation test names it."""
import re
import sys
from pathlib import Path

# (context or "*" for every context, source) -> (German, French)
T = {
    ("*", "Input Box"): ("Eingabe", "Saisie"),
    ("*", "Input the difficulty (1-10)."): ("Schwierigkeit eingeben (1-10).", "Entrez la difficulté (1-10)."),
    ("*", "Do you want to exit?"): ("Möchten Sie das Spiel beenden?", "Voulez-vous quitter ?"),
    ("*", "   Accuracy: %1%   WPM: %2  Expected WPM: %3"): ("   Genauigkeit: %1%   WPM: %2  Erwartete WPM: %3", "   Précision : %1%   MPM : %2  MPM attendus : %3"),
    ("*", " Difficulty: %1    Hit: %2   Lost: %3  Time: %4s   Score: %5"): (" Schwierigkeit: %1    Treffer: %2   Verloren: %3  Zeit: %4s   Punkte: %5", " Difficulté : %1    Touchés : %2   Perdus : %3  Temps : %4s   Score : %5"),
    ("*", 'Delete the learner "%1"? The course position, practice time and settings of this learner will be lost.'): ("Den Lernenden „%1“ löschen? Kursposition, Übungszeit und Einstellungen dieses Lernenden gehen verloren.", "Supprimer l’élève « %1 » ? La position dans le cours, le temps d’exercice et les réglages de cet élève seront perdus."),
    ("*", "The course file may not exist. Please check the Options."): ("Die Kursdatei fehlt vielleicht. Bitte prüfen Sie die Optionen.", "Le fichier du cours n’existe peut-être pas. Veuillez vérifier les options."),
    ("*", "The text file may not exist. Please check the Options."): ("Die Textdatei fehlt vielleicht. Bitte prüfen Sie die Optionen.", "Le fichier de texte n’existe peut-être pas. Veuillez vérifier les options."),
    ("*", "The new user will have the settings of the current user. Please restart the program."): ("Der neue Benutzer erhält die Einstellungen des aktuellen Benutzers. Bitte starten Sie das Programm neu.", "Le nouvel utilisateur aura les réglages de l’utilisateur actuel. Veuillez redémarrer le programme."),
    ("*", "Please don't delete current user."): ("Bitte löschen Sie nicht den aktuellen Benutzer.", "Veuillez ne pas supprimer l’utilisateur actuel."),
    ("*", "The name contains a character that cannot be stored in the settings files."): ("Der Name enthält ein Zeichen, das in den Einstellungsdateien nicht gespeichert werden kann.", "Le nom contient un caractère qui ne peut pas être enregistré dans les fichiers de réglages."),
    ("*", "Use the German course and texts as well?"): ("Auch den deutschen Kurs und die deutschen Texte verwenden?", "Utiliser aussi le cours et les textes allemands ?"),
    ("*", "Use the French course and texts as well?"): ("Auch den französischen Kurs und die französischen Texte verwenden?", "Utiliser aussi le cours et les textes français ?"),
    ("*", "Beginning of the course."): ("Anfang des Kurses.", "Début du cours."),
    ("*", "End of the course."): ("Ende des Kurses.", "Fin du cours."),
    ("*", "Please input a number to goto somewhere of the course:"): ("Bitte geben Sie die Nummer der Kurszeile ein, zu der Sie springen möchten:", "Veuillez entrer le numéro de la ligne du cours où aller :"),
    ("*", "Invalid input."): ("Ungültige Eingabe.", "Saisie invalide."),
    ("*", "Press the -> key to the next, the <- key to the previous, the Insert key to anywhere."): ("Taste -> zur nächsten, Taste <- zur vorigen Zeile, Einfg zu einer beliebigen Zeile.", "Touche -> : ligne suivante, touche <- : ligne précédente, Inser : n’importe quelle ligne."),
    ("*", "Please input what you like to practise:"): ("Bitte geben Sie ein, was Sie üben möchten:", "Veuillez entrer ce que vous voulez pratiquer :"),
    ("*", "Please press the Insert key for defining the example line."): ("Bitte drücken Sie Einfg, um die Übungszeile festzulegen.", "Veuillez appuyer sur Inser pour définir la ligne d’exemple."),
    ("*", "How many lines you would practise:"): ("Wie viele Zeilen möchten Sie üben:", "Combien de lignes voulez-vous pratiquer :"),
    ("*", " lines left."): (" Zeilen übrig.", " lignes restantes."),
    ("*", "Keys/Min %1   Accuracy: %2%   WPM: %3"): ("Anschläge/Min %1   Genauigkeit: %2%   WPM: %3", "Frappes/min %1   Précision : %2%   MPM : %3"),
    ("*", "Can you really type so fast?  Do be patient."): ("Können Sie wirklich so schnell tippen?  Bitte haben Sie Geduld.", "Tapez-vous vraiment si vite ?  Soyez patient."),
    ("*", "Left"): ("Links", "Gauche"),
    ("*", "Right"): ("Rechts", "Droite"),
    ("*", "%1 is practising in another window of the program. Please pick another learner."): ("%1 übt gerade in einem anderen Fenster des Programms. Bitte wählen Sie einen anderen Lernenden.", "%1 s’exerce dans une autre fenêtre du programme. Veuillez choisir un autre élève."),
    ("*", "%1 h %2 m %3 s"): ("%1 h %2 min %3 s", "%1 h %2 min %3 s"),
    ("*", "The practice time is %1, total practice time is %2."): ("Die Übungszeit beträgt %1, die gesamte Übungszeit %2.", "Le temps d’exercice est de %1, le temps total d’exercice est de %2."),
    ("*", "About"): ("Info", "À propos"),
    ("*", "Version 3.2  Beta\nA tutor for touch typing"): ("Version 3.2  Beta\nEin Lehrer für das Zehnfingersystem", "Version 3.2  Bêta\nUn professeur de dactylographie"),
    ("*", "Learner"): ("Lernende(r)", "Élève"),
    ("*", "Select one or go to the Options page to create a new one"): ("Wählen Sie einen Namen, oder legen Sie in den Optionen einen neuen an", "Choisissez un nom, ou créez-en un dans les options"),
    ("*", "&OK"): ("&OK", "&OK"),
    ("*", "OK"): ("OK", "OK"),
    ("*", "Cancel"): ("Abbrechen", "Annuler"),
    ("*", "&Cancel"): ("&Abbrechen", "&Annuler"),
    ("TButtonMenu", "&Course"): ("&Kurs", "&Cours"),
    ("TButtonMenu", "&Sentence Drills"): ("&Satzübungen", "&Phrases"),
    ("TButtonMenu", "&Free Drills"): ("&Freie Übungen", "Exercices &libres"),
    ("TButtonMenu", "&Paragraph Drills"): ("&Absatzübungen", "Para&graphes"),
    ("TButtonMenu", "&Game"): ("S&piel", "&Jeu"),
    ("TButtonMenu", "&Options"): ("&Optionen", "&Options"),
    ("TButtonMenu", "P&rogress"): ("Fortsch&ritt", "P&rogrès"),
    ("TButtonMenu", "&Help"): ("&Hilfe", "&Aide"),
    ("TButtonMenu", "&Exit"): ("&Beenden", "&Quitter"),
    ("*", "Course"): ("Kurs", "Cours"),
    ("*", "Free Drills"): ("Freie Übungen", "Exercices libres"),
    ("*", "Sentence Drills"): ("Satzübungen", "Exercices de phrases"),
    ("*", "Paragraph Drills"): ("Absatzübungen", "Exercices de paragraphes"),
    ("*", "Line Practice"): ("Zeilenübung", "Exercice de ligne"),
    ("*", "Sample"): ("Vorlage", "Modèle"),
    ("*", "Typing"): ("Eingabe", "Frappe"),
    ("*", "Options"): ("Optionen", "Options"),
    ("*", "General"): ("Allgemein", "Général"),
    ("*", "Practice Contents"): ("Übungsinhalte", "Contenus"),
    ("*", "Keyboard Layout"): ("Tastaturbelegung", "Disposition"),
    ("*", "Layouts of practices"): ("Aussehen der Übungen", "Aspect des exercices"),
    ("*", "&Blinking color of the pressed key"): ("&Blinkfarbe der zu drückenden Taste", "&Couleur de clignotement"),
    ("*", "&Font of practices"): ("&Schrift der Übungen", "&Police des exercices"),
    ("*", "Font used in the practices"): ("Schrift, in der geübt wird", "Police utilisée dans les exercices"),
    ("*", "Example"): ("Beispiel", "Exemple"),
    ("*", "&Enable game"): ("S&piel einschalten", "Activer le &jeu"),
    ("*", "Users Management"): ("Benutzerverwaltung", "Gestion des utilisateurs"),
    ("*", "Input or select a name"): ("Namen eingeben oder auswählen", "Entrez ou choisissez un nom"),
    ("*", "&Add "): ("&Hinzufügen", "Ajou&ter"),
    ("*", "Add the new name above"): ("Den neuen Namen oben hinzufügen", "Ajouter le nouveau nom ci-dessus"),
    ("*", "&Delete"): ("&Löschen", "&Supprimer"),
    ("*", "Select a text file to be the content of the course"): ("Textdatei mit dem Inhalt des Kurses wählen", "Choisissez le fichier de texte du cours"),
    ("*", "Select a text file to be the content of practices of sentence and paragraph"): ("Textdatei mit dem Inhalt der Satz- und Absatzübungen wählen", "Choisissez le fichier de texte des exercices de phrases et de paragraphes"),
    ("*", "Sentence && paragraph"): ("Sätze && Absätze", "Phrases && paragraphes"),
    ("*", "Game"): ("Spiel", "Jeu"),
    ("*", "Note:\r\nThe text files are located in the installation folder of QZ Typing Tutor. Protocols of the text files for course, sentence and game are different. You may edit them using a text editor."): ("Hinweis:\r\nDie Textdateien liegen im Arbeitsordner von QZ Typing Tutor. Kurs, Sätze und Spiel haben je ein eigenes Dateiformat. Sie können die Dateien mit einem Texteditor bearbeiten.", "Remarque :\r\nLes fichiers de texte se trouvent dans le dossier de travail de QZ Typing Tutor. Le cours, les phrases et le jeu ont chacun leur propre format. Vous pouvez les modifier avec un éditeur de texte."),
    ("*", "Select keyboard layout"): ("Tastaturbelegung wählen", "Choisissez la disposition du clavier"),
    ("*", "The layout file:"): ("Die Belegungsdatei:", "Le fichier de disposition :"),
    ("*", "&Delete current layout"): ("Belegung &entfernen", "Retirer la &disposition"),
    ("*", "Only delete the association."): ("Entfernt nur den Eintrag, nicht die Datei.", "Retire seulement l’entrée, pas le fichier."),
    ("*", "Add layout"): ("Belegung hinzufügen", "Ajouter une disposition"),
    ("*", "Name of new layout"): ("Name der neuen Belegung", "Nom de la nouvelle disposition"),
    ("*", "Select a file for  the layout"): ("Datei für die Belegung wählen", "Choisissez un fichier pour la disposition"),
    ("*", "Select a layout file"): ("Belegungsdatei wählen", "Choisissez un fichier de disposition"),
    ("*", "&Register new layout"): ("Neue Belegung &registrieren", "Enregist&rer la disposition"),
    ("*", "Ad&vanced setting >>"): ("Er&weitert >>", "A&vancé >>"),
    ("*", "To design new keyboard layout"): ("Eine neue Tastaturbelegung entwerfen", "Concevoir une nouvelle disposition de clavier"),
    ("*", "Password Dialog"): ("Kennwort", "Mot de passe"),
    ("*", "Enter password:"): ("Kennwort eingeben:", "Entrez le mot de passe :"),
    ("*", "Virtual Keyboard"): ("Bildschirmtastatur", "Clavier virtuel"),
    ("*", "Score"): ("Punkte", "Score"),
    ("*", "qzhelp.rtf"): ("qzhelp-de.rtf", "qzhelp-fr.rtf"),
    ("*", "Black"): ("Schwarz", "Noir"),
    ("*", "Maroon"): ("Kastanienbraun", "Marron"),
    ("*", "Green"): ("Grün", "Vert"),
    ("*", "Olive"): ("Oliv", "Olive"),
    ("*", "Navy"): ("Marineblau", "Bleu marine"),
    ("*", "Purple"): ("Violett", "Violet"),
    ("*", "Teal"): ("Blaugrün", "Sarcelle"),
    ("*", "Gray"): ("Grau", "Gris"),
    ("*", "Silver"): ("Silber", "Argent"),
    ("*", "Red"): ("Rot", "Rouge"),
    ("*", "Lime"): ("Hellgrün", "Citron vert"),
    ("*", "Yellow"): ("Gelb", "Jaune"),
    ("*", "Blue"): ("Blau", "Bleu"),
    ("*", "Fuchsia"): ("Fuchsie", "Fuchsia"),
    ("*", "Aqua"): ("Türkis", "Turquoise"),
    ("*", "White"): ("Weiß", "Blanc"),
    ("*", "Font"): ("Schrift", "Police"),
    ("*", "&Font:"): ("&Schrift:", "&Police :"),
    ("*", "&Size:"): ("&Größe:", "&Taille :"),
    ("*", "&Bold"): ("&Fett", "&Gras"),
    ("*", "&Italic"): ("&Kursiv", "&Italique"),
    ("*", "&Underline"): ("&Unterstrichen", "&Souligné"),
    ("*", "Stri&keout"): ("&Durchgestrichen", "&Barré"),
    ("*", "Custom"): ("Eigene", "Personnalisée"),
    ("*", "&Color:"): ("F&arbe:", "&Couleur :"),
    ("*", "Define VK & VH"): ("Tastatur und Hände entwerfen", "Concevoir clavier et mains"),
    ("*", "Key && finger"): ("Taste && Finger", "Touche && doigt"),
    ("*", 'You must press "Show Key" to finish the definition'): ("Drücken Sie „Taste zeigen“, um die Festlegung abzuschließen", "Appuyez sur « Voir la touche » pour terminer la définition"),
    ("*", "Key num"): ("Taste Nr.", "Touche nº"),
    ("*", "Line"): ("Reihe", "Rangée"),
    ("*", "Column"): ("Spalte", "Colonne"),
    ("*", "Double click to define font and color"): ("Doppelklick legt Schrift und Farbe fest", "Double-cliquez pour choisir police et couleur"),
    ("*", "Key color..."): ("Tastenfarbe...", "Couleur..."),
    ("*", "Define the key color"): ("Farbe der Taste festlegen", "Choisir la couleur de la touche"),
    ("*", "Which finger to type"): ("Welcher Finger tippt", "Doigt qui frappe"),
    ("*", "Define key"): ("Festlegen", "Définir"),
    ("*", "Must use this key to make definition take effect"): ("Erst diese Schaltfläche macht die Festlegung wirksam", "Ce bouton rend la définition effective"),
    ("*", "Show key"): ("Taste zeigen", "Voir la touche"),
    ("*", "Show the effect of the key"): ("Zeigt die Taste, wie sie aussehen wird", "Montre la touche telle qu’elle sera"),
    ("*", "Cancel key"): ("Verwerfen", "Annuler"),
    ("*", "Cancel the setting for this key, you must fill it later"): ("Verwirft die Festlegung dieser Taste; sie muss später neu festgelegt werden", "Annule la définition de cette touche ; il faudra la refaire plus tard"),
    ("*", "Common key layout"): ("Alle Tasten", "Toutes les touches"),
    ("*", "Key width"): ("Breite", "Largeur"),
    ("*", "Valid for all keys"): ("Gilt für alle Tasten", "Vaut pour toutes les touches"),
    ("*", "Key height"): ("Höhe", "Hauteur"),
    ("*", "Offset 1"): ("Einzug 1", "Retrait 1"),
    ("*", "Pixels to the left"): ("Pixel vom linken Rand", "Pixels depuis la gauche"),
    ("*", "Offset 2"): ("Einzug 2", "Retrait 2"),
    ("*", "For the second line of keys"): ("Für die zweite Tastenreihe", "Pour la deuxième rangée de touches"),
    ("*", "Offset 3"): ("Einzug 3", "Retrait 3"),
    ("*", "Offset 4"): ("Einzug 4", "Retrait 4"),
    ("*", "Finger layout"): ("Finger", "Doigts"),
    ("*", "Finger"): ("Finger", "Doigt"),
    ("*", "Length"): ("Länge", "Longueur"),
    ("*", "Finger color..."): ("Fingerfarbe...", "Couleur..."),
    ("*", "Load"): ("Laden", "Ouvrir"),
    ("*", "Save"): ("Speichern", "Enregistrer"),
    ("*", "Close"): ("Schließen", "Fermer"),
    ("*", "Show KB"): ("Tastatur", "Clavier"),
    ("*", "Show hands"): ("Hände", "Mains"),
    ("*", "This key is not defined yet."): ("Diese Taste ist noch nicht festgelegt.", "Cette touche n’est pas encore définie."),
    ("*", "If you cancel it, you must fill it later with another setting."): ("Wenn Sie die Taste verwerfen, müssen Sie sie später neu festlegen.", "Si vous l’annulez, il faudra la redéfinir plus tard."),
    ("*", "All practices"): ("Alle Übungen", "Tous les exercices"),
    ("*", "space"): ("Leertaste", "espace"),
    ("*", "difficulty %1, %2 hit, %3 lost, score %4, expected WPM %5"): ("Schwierigkeit %1, %2 getroffen, %3 verloren, %4 Punkte, erwartete WPM %5", "difficulté %1, %2 touchés, %3 perdus, score %4, MPM attendus %5"),
    ("*", "%1 characters, %2 wrong"): ("%1 Zeichen, %2 falsch", "%1 caractères, %2 fautes"),
    ("*", ", line %1"): (", Zeile %1", ", ligne %1"),
    ("*", "Progress"): ("Fortschritt", "Progrès"),
    ("*", "&Learner"): ("&Lernende(r)", "&Élève"),
    ("*", "&Practice"): ("Ü&bung", "E&xercice"),
    ("*", "Finished"): ("Beendet", "Terminé"),
    ("*", "Practice"): ("Übung", "Exercice"),
    ("*", "Keys/Min"): ("Anschläge/Min", "Frappes/min"),
    ("*", "Accuracy"): ("Genauigkeit", "Précision"),
    ("*", "WPM"): ("WPM", "MPM"),
    ("*", "More"): ("Mehr", "Détails"),
    ("*", "Accuracy %"): ("Genauigkeit %", "Précision %"),
    ("*", "Course line"): ("Kurszeile", "Ligne du cours"),
    ("*", "The statistics cannot be read: %1."): ("Die Statistik kann nicht gelesen werden: %1.", "Les statistiques ne peuvent pas être lues : %1."),
    ("*", "No results yet for %1. Finish a line, a drill or a game, and it shows here."): ("Noch keine Ergebnisse für %1. Beenden Sie eine Zeile, eine Übung oder ein Spiel, dann erscheint es hier.", "Pas encore de résultats pour %1. Terminez une ligne, un exercice ou une partie, et il apparaîtra ici."),
    ("*", "No results yet for %1 in %2. Finish one, and it shows here."): ("Noch keine Ergebnisse für %1 in %2. Beenden Sie eine, dann erscheint sie hier.", "Pas encore de résultats pour %1 dans %2. Terminez-en un, et il apparaîtra ici."),
    ("*", "No character typed wrong yet."): ("Noch kein Zeichen falsch getippt.", "Aucun caractère mal tapé pour l’instant."),
    ("*", "%1   %2 of %3 wrong (%4%)"): ("%1   %2 von %3 falsch (%4%)", "%1   %2 sur %3 faux (%4%)"),
}

def escape(text):
    text = text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace('"', "&quot;")
    return text.replace("'", "&apos;").replace("\r", '<byte value="xd"/>')

def unescape(text):
    text = text.replace('<byte value="xd"/>', "\r")
    for a, b in (("&lt;", "<"), ("&gt;", ">"), ("&quot;", '"'), ("&apos;", "'"), ("&amp;", "&")):
        text = text.replace(a, b)
    return text

def fill(path, column):
    ts = path.read_text(encoding="utf-8")
    missing = []
    def context_block(match):
        context = re.search(r"<name>(.*?)</name>", match.group(0)).group(1)
        def message(m):
            source = unescape(m.group(2))
            entry = T.get((context, source)) or T.get(("*", source))
            if not entry:
                missing.append((context, source))
                return m.group(0)
            return m.group(1) + "<translation>" + escape(entry[column]) + "</translation>"
        return re.sub(r"(<source>(.*?)</source>(?:\s*<extracomment>.*?</extracomment>)?\s*)"
                      r"<translation[^>]*>.*?</translation>", message,
                      match.group(0), flags=re.S)
    ts = re.sub(r"<context>.*?</context>", context_block, ts, flags=re.S)
    path.write_text(ts, encoding="utf-8")
    return missing

root = Path(__file__).resolve().parents[2] / "translations"
for column, language in enumerate(("de", "fr")):
    for context, source in fill(root / f"qz_{language}.ts", column):
        print(f"qz_{language}.ts: no translation of {context}: {source!r}", file=sys.stderr)
