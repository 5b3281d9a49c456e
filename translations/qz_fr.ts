<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Dialogs</name>
    <message>
        <source>Input Box</source>
        <translation>Saisie</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n’est pas un nombre entier valable</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>File access denied</source>
        <translation>Accès au fichier refusé</translation>
    </message>
    <message>
        <source>Read beyond end of file</source>
        <translation>Lecture au-delà de la fin du fichier</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1</translation>
    </message>
    <message>
        <source>The Progress window cannot be opened: %1</source>
        <translation>La fenêtre Progrès ne peut pas s’ouvrir : %1</translation>
    </message>
    <message>
        <source>the file is damaged or no database</source>
        <translation>le fichier est endommagé ou n’est pas une base de données</translation>
    </message>
    <message>
        <source>Progress is not recorded in %1: %2. Practice goes on; the file is left as it is.</source>
        <translation>Les progrès ne sont pas enregistrés dans %1 : %2. L’exercice continue ; le fichier reste tel quel.</translation>
    </message>
    <message>
        <source>the file is damaged: %1</source>
        <translation>le fichier est endommagé : %1</translation>
    </message>
    <message>
        <source>the file comes from a newer version of the program</source>
        <translation>le fichier vient d’une version plus récente du programme</translation>
    </message>
    <message>
        <source>the file holds the tables of another program</source>
        <translation>le fichier contient les tables d’un autre programme</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>The working folder %1 lacks the program&apos;s files, and %2 has none to copy into it.</source>
        <translation>Il manque au dossier de travail %1 les fichiers du programme, et %2 n’en contient aucun à y copier.</translation>
    </message>
    <message>
        <source>Progress is not recorded in %1: %2. Practice goes on.</source>
        <translation>Les progrès ne sont pas enregistrés dans %1 : %2. L’exercice continue.</translation>
    </message>
    <message>
        <source>its folder takes no new files</source>
        <translation>son dossier n’accepte pas de nouveaux fichiers</translation>
    </message>
    <message>
        <source>The working folder %1 cannot be prepared: %2. Another folder can be named with --folder &lt;path&gt;.</source>
        <translation>Le dossier de travail %1 ne peut pas être préparé : %2. Un autre dossier peut être indiqué avec --folder &lt;chemin&gt;.</translation>
    </message>
    <message>
        <source>The last results cannot be recorded in %1: %2.</source>
        <translation>Les derniers résultats ne peuvent pas être enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>Results cannot be recorded in %1 for now: %2. They are kept and recorded once there is room.</source>
        <translation>Les résultats ne peuvent pas être enregistrés dans %1 pour l’instant : %2. Ils sont gardés et enregistrés dès qu’il y a de la place.</translation>
    </message>
    <message>
        <source>Cannot write a line break or a &quot;=&quot; in a key to %1</source>
        <translation>Impossible d’écrire dans %1 un saut de ligne ou un « = » dans une clé</translation>
    </message>
    <message>
        <source>%1 is saved as UTF-16 (Unicode); save it as ANSI instead.
</source>
        <translation>%1 est enregistré en UTF-16 (Unicode) ; enregistrez-le plutôt en ANSI.
</translation>
    </message>
    <message>
        <source>A section name in %1 lacks a bracket: &quot;%2&quot;. The keyboard layouts are neither read nor saved until it is mended.
</source>
        <translation>Il manque un crochet à un nom de section dans %1 : « %2 ». Les dispositions de clavier ne sont ni lues ni enregistrées tant que le fichier n’est pas réparé.
</translation>
    </message>
    <message>
        <source>Another program has held %1 for 10 seconds.</source>
        <translation>Un autre programme tient %1 depuis 10 secondes.</translation>
    </message>
</context>
<context>
    <name>FontChooser</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Marron</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Gray</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Citron vert</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Turquoise</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisée</translation>
    </message>
    <message>
        <source>&amp;Color:</source>
        <translation>&amp;Couleur :</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Input the difficulty (1-10).</source>
        <translation>Entrez la difficulté (1-10).</translation>
    </message>
    <message>
        <source>Do you want to exit?</source>
        <translation>Voulez-vous quitter ?</translation>
    </message>
    <message>
        <source>   Accuracy: %1%   WPM: %2  Expected WPM: %3</source>
        <translation>   Précision : %1 %   MPM : %2  MPM attendus : %3</translation>
    </message>
    <message>
        <source> Difficulty: %1    Hit: %2   Lost: %3  Time: %4s   Score: %5</source>
        <translation> Difficulté : %1    Touchés : %2   Perdus : %3  Temps : %4 s   Score : %5</translation>
    </message>
</context>
<context>
    <name>Layouts</name>
    <message>
        <source>Invalid layout: %1</source>
        <translation>Disposition invalide : %1</translation>
    </message>
    <message>
        <source>the key count %1 is outside 0..60</source>
        <translation>le nombre de touches %1 n’est pas dans 0..60</translation>
    </message>
    <message>
        <source>key %1 is on line %2, outside 1..4</source>
        <translation>la touche %1 est sur la rangée %2, hors de 1..4</translation>
    </message>
    <message>
        <source>key %1 has finger %2, outside 0..9</source>
        <translation>la touche %1 a le doigt %2, hors de 0..9</translation>
    </message>
    <message>
        <source>key %1 has a font of %2 points, outside %3..%4</source>
        <translation>la touche %1 a une police de %2 points, hors de %3..%4</translation>
    </message>
    <message>
        <source>key %1 has a font %2 pixels high, outside 1..%3</source>
        <translation>la touche %1 a une police haute de %2 pixels, hors de 1..%3</translation>
    </message>
    <message>
        <source>the keyboard would be %1 x %2 pixels, more than 4096</source>
        <translation>le clavier ferait %1 x %2 pixels, plus de 4096</translation>
    </message>
    <message>
        <source>the hands would be %1 pixels high, more than 4096</source>
        <translation>les mains feraient %1 pixels de haut, plus de 4096</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Delete the learner &quot;%1&quot;? The course position, practice time and settings of this learner will be lost.</source>
        <translation>Supprimer l’élève « %1 » ? La position dans le cours, le temps d’exercice et les réglages de cet élève seront perdus.</translation>
    </message>
    <message>
        <source>The course file may not exist. Please check the Options.</source>
        <translation>Le fichier du cours n’existe peut-être pas. Veuillez vérifier les options.</translation>
    </message>
    <message>
        <source>The text file may not exist. Please check the Options.</source>
        <translation>Le fichier de texte n’existe peut-être pas. Veuillez vérifier les options.</translation>
    </message>
    <message>
        <source>The new user will have the settings of the current user. Please restart the program.</source>
        <translation>Le nouvel utilisateur aura les réglages de l’utilisateur actuel. Veuillez redémarrer le programme.</translation>
    </message>
    <message>
        <source>Please don&apos;t delete current user.</source>
        <translation>Veuillez ne pas supprimer l’utilisateur actuel.</translation>
    </message>
    <message>
        <source>The name contains a character that cannot be stored in the settings files.</source>
        <translation>Le nom contient un caractère qui ne peut pas être enregistré dans les fichiers de réglages.</translation>
    </message>
    <message>
        <source>Use the German course and texts as well?</source>
        <translation>Utiliser aussi le cours et les textes allemands ?</translation>
    </message>
    <message>
        <source>Use the French course and texts as well?</source>
        <translation>Utiliser aussi le cours et les textes français ?</translation>
    </message>
    <message>
        <source> (looked in %1)</source>
        <translation> (cherché dans %1)</translation>
    </message>
    <message>
        <source>%1 is practising in another window of the program and cannot be deleted now.</source>
        <translation>%1 s’exerce dans une autre fenêtre du programme et ne peut pas être supprimé maintenant.</translation>
    </message>
    <message>
        <source>Use the English course and texts as well?</source>
        <translation>Utiliser aussi le cours et les textes anglais ?</translation>
    </message>
    <message>
        <source>Use the UK course and the English texts as well?</source>
        <translation>Utiliser aussi le cours britannique et les textes anglais ?</translation>
    </message>
    <message>
        <source>Use the Dvorak course and the English texts as well?</source>
        <translation>Utiliser aussi le cours Dvorak et les textes anglais ?</translation>
    </message>
    <message>
        <source>Use the Colemak course and the English texts as well?</source>
        <translation>Utiliser aussi le cours Colemak et les textes anglais ?</translation>
    </message>
    <message>
        <source>A learner name cannot contain &quot;]&quot;, a line break or another control character.</source>
        <translation>Un nom d’élève ne peut contenir ni « ] », ni saut de ligne, ni autre caractère de contrôle.</translation>
    </message>
    <message>
        <source>A learner name cannot begin and end with the same quote.</source>
        <translation>Un nom d’élève ne peut pas commencer et finir par le même guillemet.</translation>
    </message>
    <message>
        <source>what the problem</source>
        <translation> – voilà le problème</translation>
    </message>
    <message>
        <source> what loading keyboard</source>
        <translation> au chargement du clavier</translation>
    </message>
    <message>
        <source> (%1 in %2)</source>
        <translation> (%1 dans %2)</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Beginning of the course.</source>
        <translation>Début du cours.</translation>
    </message>
    <message>
        <source>End of the course.</source>
        <translation>Fin du cours.</translation>
    </message>
    <message>
        <source>Please input a number to goto somewhere of the course:</source>
        <translation>Veuillez entrer le numéro de la ligne du cours où aller :</translation>
    </message>
    <message>
        <source>Invalid input.</source>
        <translation>Saisie invalide.</translation>
    </message>
    <message>
        <source>Press the -&gt; key to the next, the &lt;- key to the previous, the Insert key to anywhere.</source>
        <translation>Touche -&gt; : ligne suivante, touche &lt;- : ligne précédente, Inser : n’importe quelle ligne.</translation>
    </message>
    <message>
        <source>Please input what you like to practise:</source>
        <translation>Veuillez entrer ce que vous voulez pratiquer :</translation>
    </message>
    <message>
        <source>Please press the Insert key for defining the example line.</source>
        <translation>Veuillez appuyer sur Inser pour définir la ligne d’exemple.</translation>
    </message>
    <message>
        <source>How many lines you would practise:</source>
        <translation>Combien de lignes voulez-vous pratiquer :</translation>
    </message>
    <message numerus="yes">
        <source> lines left.</source>
        <translation><numerusform> ligne restante.</numerusform><numerusform> lignes restantes.</numerusform></translation>
    </message>
    <message>
        <source>Keys/Min %1   Accuracy: %2%   WPM: %3</source>
        <translation>Frappes/min %1   Précision : %2 %   MPM : %3</translation>
    </message>
    <message>
        <source>Can you really type so fast?  Do be patient.</source>
        <translation>Tapez-vous vraiment si vite ?  Soyez patient.</translation>
    </message>
    <message>
        <source>Focus: %1  %2 % wrong, %3 keys/min; goal %4 %, %5</source>
        <translation>Cible : %1  %2 % d’erreurs, %3 frappes/min ; objectif %4 %, %5</translation>
    </message>
    <message>
        <source>Focus: %1  too new to judge; goal %2 %, %3</source>
        <translation>Cible : %1  trop récente ; objectif %2 %, %3</translation>
    </message>
    <message>
        <source> line left.</source>
        <translation> ligne restante.</translation>
    </message>
    <message>
        <source>The keyboard layout has no keys to practise. Please check the Options.</source>
        <translation>La disposition du clavier n’a aucune touche à pratiquer. Veuillez vérifier les options.</translation>
    </message>
</context>
<context>
    <name>Shell</name>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>%1 is practising in another window of the program. Please pick another learner.</source>
        <translation>%1 s’exerce dans une autre fenêtre du programme. Veuillez choisir un autre élève.</translation>
    </message>
    <message>
        <source>%1 h %2 m %3 s</source>
        <translation>%1 h %2 min %3 s</translation>
    </message>
    <message>
        <source>The practice time is %1, total practice time is %2.</source>
        <translation>Le temps d’exercice est de %1, le temps total d’exercice est de %2.</translation>
    </message>
    <message>
        <source>qzhelp.rtf</source>
        <extracomment>The help file in this language, shipped beside the English qzhelp.rtf.</extracomment>
        <translation>qzhelp-fr.rtf</translation>
    </message>
    <message>
        <source>The last lesson&apos;s keys still go wrong often: %1. Practise three lines on the keys learned so far?</source>
        <translation>Les touches de la dernière leçon sont encore souvent fausses : %1. S’exercer sur trois lignes avec les touches apprises jusqu’ici ?</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Version 3.2  Beta
A tutor for touch typing</source>
        <translation>Version 3.2  Bêta
Un professeur de dactylographie</translation>
    </message>
    <message>
        <source>Learner</source>
        <translation>Élève</translation>
    </message>
    <message>
        <source>Select one or go to the Options page to create a new one</source>
        <translation>Choisissez un nom, ou créez-en un dans les options</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>TButtonMenu</name>
    <message>
        <source>&amp;Course</source>
        <translation>&amp;Cours</translation>
    </message>
    <message>
        <source>&amp;Sentence Drills</source>
        <translation>&amp;Phrases</translation>
    </message>
    <message>
        <source>&amp;Free Drills</source>
        <translation>Exercices &amp;libres</translation>
    </message>
    <message>
        <source>&amp;Paragraph Drills</source>
        <translation>Paragrap&amp;hes</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>P&amp;rogress</source>
        <translation>P&amp;rogrès</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Adaptive Drills</source>
        <translation>Exercices a&amp;daptés</translation>
    </message>
</context>
<context>
    <name>TDefineQZ</name>
    <message>
        <source>Define VK &amp; VH</source>
        <translation>Concevoir clavier et mains</translation>
    </message>
    <message>
        <source>Key &amp;&amp; finger</source>
        <translation>Touche &amp;&amp; doigt</translation>
    </message>
    <message>
        <source>You must press &quot;Show Key&quot; to finish the definition</source>
        <translation>Appuyez sur « Voir la touche » pour terminer la définition</translation>
    </message>
    <message>
        <source>Key num</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Rangée</translation>
    </message>
    <message>
        <source>Column</source>
        <translation>Colonne</translation>
    </message>
    <message>
        <source>Double click to define font and color</source>
        <translation>Double-cliquez pour choisir police et couleur</translation>
    </message>
    <message>
        <source>Key color...</source>
        <translation>Couleur...</translation>
    </message>
    <message>
        <source>Define the key color</source>
        <translation>Choisir la couleur de la touche</translation>
    </message>
    <message>
        <source>Which finger to type</source>
        <translation>Doigt qui frappe</translation>
    </message>
    <message>
        <source>Define key</source>
        <translation>Définir</translation>
    </message>
    <message>
        <source>Must use this key to make definition take effect</source>
        <translation>Ce bouton rend la définition effective</translation>
    </message>
    <message>
        <source>Show key</source>
        <translation>Voir la touche</translation>
    </message>
    <message>
        <source>Show the effect of the key</source>
        <translation>Montre la touche telle qu’elle sera</translation>
    </message>
    <message>
        <source>Cancel key</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cancel the setting for this key, you must fill it later</source>
        <translation>Annule la définition de cette touche ; il faudra la refaire plus tard</translation>
    </message>
    <message>
        <source>Common key layout</source>
        <translation>Toutes les touches</translation>
    </message>
    <message>
        <source>Key width</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Valid for all keys</source>
        <translation>Vaut pour toutes les touches</translation>
    </message>
    <message>
        <source>Key height</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Offset 1</source>
        <translation>Retrait 1</translation>
    </message>
    <message>
        <source>Pixels to the left</source>
        <translation>Pixels depuis la gauche</translation>
    </message>
    <message>
        <source>Offset 2</source>
        <translation>Retrait 2</translation>
    </message>
    <message>
        <source>For the second line of keys</source>
        <translation>Pour la deuxième rangée de touches</translation>
    </message>
    <message>
        <source>Offset 3</source>
        <translation>Retrait 3</translation>
    </message>
    <message>
        <source>Offset 4</source>
        <translation>Retrait 4</translation>
    </message>
    <message>
        <source>Finger layout</source>
        <translation>Doigts</translation>
    </message>
    <message>
        <source>Finger</source>
        <translation>Doigt</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Long.</translation>
    </message>
    <message>
        <source>Finger color...</source>
        <translation>Couleur...</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Show KB</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Show hands</source>
        <translation>Mains</translation>
    </message>
    <message>
        <source>This key is not defined yet.</source>
        <translation>Cette touche n’est pas encore définie.</translation>
    </message>
    <message>
        <source>If you cancel it, you must fill it later with another setting.</source>
        <translation>Si vous l’annulez, il faudra la redéfinir plus tard.</translation>
    </message>
    <message>
        <source>Top left character</source>
        <translation>Caractère en haut à gauche</translation>
    </message>
    <message>
        <source>Bottom left character</source>
        <translation>Caractère en bas à gauche</translation>
    </message>
    <message>
        <source>Top right character</source>
        <translation>Caractère en haut à droite</translation>
    </message>
    <message>
        <source>Bottom right character</source>
        <translation>Caractère en bas à droite</translation>
    </message>
    <message>
        <source>Left little finger</source>
        <translation>Auriculaire gauche</translation>
    </message>
    <message>
        <source>Left ring finger</source>
        <translation>Annulaire gauche</translation>
    </message>
    <message>
        <source>Left middle finger</source>
        <translation>Majeur gauche</translation>
    </message>
    <message>
        <source>Left index finger</source>
        <translation>Index gauche</translation>
    </message>
    <message>
        <source>Left thumb</source>
        <translation>Pouce gauche</translation>
    </message>
    <message>
        <source>Right thumb</source>
        <translation>Pouce droit</translation>
    </message>
    <message>
        <source>Right index finger</source>
        <translation>Index droit</translation>
    </message>
    <message>
        <source>Right middle finger</source>
        <translation>Majeur droit</translation>
    </message>
    <message>
        <source>Right ring finger</source>
        <translation>Annulaire droit</translation>
    </message>
    <message>
        <source>Right little finger</source>
        <translation>Auriculaire droit</translation>
    </message>
    <message>
        <source>L  L   L   L  L  R   R  R  R  R     </source>
        <extracomment>One letter under each finger button: left hand, then right hand.</extracomment>
        <translation>G  G   G   G  G  D   D  D  D  D     </translation>
    </message>
    <message>
        <source>QZ Layout File (*.key)|*.key</source>
        <translation>Disposition QZ (*.key)|*.key</translation>
    </message>
    <message>
        <source>F2 defines font and color</source>
        <translation>F2 définit la police et la couleur</translation>
    </message>
</context>
<context>
    <name>TFmAdaptivePrac</name>
    <message>
        <source>Adaptive Drills</source>
        <translation>Exercices adaptés</translation>
    </message>
</context>
<context>
    <name>TFmCoursePrac</name>
    <message>
        <source>Course</source>
        <translation>Cours</translation>
    </message>
</context>
<context>
    <name>TFmLetterPrac</name>
    <message>
        <source>Free Drills</source>
        <translation>Exercices libres</translation>
    </message>
</context>
<context>
    <name>TFmLinePractice</name>
    <message>
        <source>Line Practice</source>
        <translation>Exercice de ligne</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Frappe</translation>
    </message>
    <message>
        <source>The clock runs</source>
        <translation>Le chronomètre tourne</translation>
    </message>
</context>
<context>
    <name>TFmOption</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Practice Contents</source>
        <translation>Contenus</translation>
    </message>
    <message>
        <source>Keyboard Layout</source>
        <translation>Disposition</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Layouts of practices</source>
        <translation>Aspect des exercices</translation>
    </message>
    <message>
        <source>&amp;Blinking color of the pressed key</source>
        <translation>&amp;Couleur de clignotement</translation>
    </message>
    <message>
        <source>&amp;Font of practices</source>
        <translation>&amp;Police des exercices</translation>
    </message>
    <message>
        <source>Font used in the practices</source>
        <translation>Police utilisée dans les exercices</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>&amp;Enable game</source>
        <translation>Activer le &amp;jeu</translation>
    </message>
    <message>
        <source>Users Management</source>
        <translation>Gestion des utilisateurs</translation>
    </message>
    <message>
        <source>Input or select a name</source>
        <translation>Entrez ou choisissez un nom</translation>
    </message>
    <message>
        <source>&amp;Add </source>
        <translation>Ajou&amp;ter</translation>
    </message>
    <message>
        <source>Add the new name above</source>
        <translation>Ajouter le nouveau nom ci-dessus</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Select a text file to be the content of the course</source>
        <translation>Choisissez le fichier de texte du cours</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Cours</translation>
    </message>
    <message>
        <source>Select a text file to be the content of practices of sentence and paragraph</source>
        <translation>Choisissez le fichier de texte des exercices de phrases et de paragraphes</translation>
    </message>
    <message>
        <source>Sentence &amp;&amp; paragraph</source>
        <translation>Phrases &amp;&amp; paragraphes</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Note:<byte value="xd"/>
The text files are located in the installation folder of QZ Typing Tutor. Protocols of the text files for course, sentence and game are different. You may edit them using a text editor.</source>
        <translation>Remarque :<byte value="xd"/>
Les fichiers de texte se trouvent dans le dossier de travail de QZ Typing Tutor. Le cours, les phrases et le jeu ont chacun leur propre format. Vous pouvez les modifier avec un éditeur de texte.</translation>
    </message>
    <message>
        <source>Select keyboard layout</source>
        <translation>Choisissez la disposition du clavier</translation>
    </message>
    <message>
        <source>The layout file:</source>
        <translation>Le fichier de disposition :</translation>
    </message>
    <message>
        <source>&amp;Delete current layout</source>
        <translation>Retirer la &amp;disposition</translation>
    </message>
    <message>
        <source>Only delete the association.</source>
        <translation>Retire seulement l’entrée, pas le fichier.</translation>
    </message>
    <message>
        <source>Add layout</source>
        <translation>Ajouter une disposition</translation>
    </message>
    <message>
        <source>Name of new layout</source>
        <translation>Nom de la nouvelle disposition</translation>
    </message>
    <message>
        <source>Select a file for  the layout</source>
        <translation>Choisissez un fichier pour la disposition</translation>
    </message>
    <message>
        <source>Select a layout file</source>
        <translation>Choisissez un fichier de disposition</translation>
    </message>
    <message>
        <source>&amp;Register new layout</source>
        <translation>Enregist&amp;rer la disposition</translation>
    </message>
    <message>
        <source>Ad&amp;vanced setting &gt;&gt;</source>
        <translation>A&amp;vancé &gt;&gt;</translation>
    </message>
    <message>
        <source>To design new keyboard layout</source>
        <translation>Concevoir une nouvelle disposition de clavier</translation>
    </message>
    <message>
        <source>Goal: wrong keys at most (%)</source>
        <translation>Objectif : erreurs au plus (%)</translation>
    </message>
    <message>
        <source>Goal: keys a minute at least</source>
        <translation>Objectif : frappes/min au moins</translation>
    </message>
    <message>
        <source>Blinking color</source>
        <translation>Couleur de clignotement</translation>
    </message>
    <message>
        <source>Example of the font</source>
        <translation>Exemple de la police</translation>
    </message>
</context>
<context>
    <name>TFmProgress</name>
    <message>
        <source>All practices</source>
        <translation>Tous les exercices</translation>
    </message>
    <message>
        <source>Course</source>
        <translation>Cours</translation>
    </message>
    <message>
        <source>Sentence Drills</source>
        <translation>Exercices de phrases</translation>
    </message>
    <message>
        <source>Free Drills</source>
        <translation>Exercices libres</translation>
    </message>
    <message>
        <source>Paragraph Drills</source>
        <translation>Exercices de paragraphes</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>difficulty %1, %2 hit, %3 lost, score %4, expected WPM %5</source>
        <translation>difficulté %1, %2 touchés, %3 perdus, score %4, MPM attendus %5</translation>
    </message>
    <message>
        <source>%1 characters, %2 wrong</source>
        <translation>%1 caractères, erreurs : %2</translation>
    </message>
    <message>
        <source>, line %1</source>
        <translation>, ligne %1</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>&amp;Learner</source>
        <translation>&amp;Élève</translation>
    </message>
    <message>
        <source>&amp;Practice</source>
        <translation>E&amp;xercice</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Exercice</translation>
    </message>
    <message>
        <source>Keys/Min</source>
        <translation>Frappes/min</translation>
    </message>
    <message>
        <source>Accuracy</source>
        <translation>Précision</translation>
    </message>
    <message>
        <source>WPM</source>
        <translation>MPM</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Accuracy %</source>
        <translation>Précision %</translation>
    </message>
    <message>
        <source>Course line</source>
        <translation>Ligne du cours</translation>
    </message>
    <message>
        <source>The statistics cannot be read: %1.</source>
        <translation>Les statistiques ne peuvent pas être lues : %1.</translation>
    </message>
    <message>
        <source>No results yet for %1. Finish a line, a drill or a game, and it shows here.</source>
        <translation>Pas encore de résultats pour %1. Terminez une ligne, un exercice ou une partie, et il apparaîtra ici.</translation>
    </message>
    <message>
        <source>No results yet for %1 in %2. Finish one, and it shows here.</source>
        <translation>Pas encore de résultats pour %1 dans %2. Terminez-en un, et il apparaîtra ici.</translation>
    </message>
    <message>
        <source>No character typed wrong yet.</source>
        <translation>Aucun caractère mal tapé pour l’instant.</translation>
    </message>
    <message>
        <source>%1   %2 of %3 wrong (%4%)</source>
        <translation>%1   %2 sur %3 faux (%4 %)</translation>
    </message>
    <message>
        <source>Adaptive Drills</source>
        <translation>Exercices adaptés</translation>
    </message>
    <message>
        <source>Practise these &amp;keys</source>
        <translation>Exercer ces &amp;touches</translation>
    </message>
    <message>
        <source>Fill: first attempts wrong lately, from white (none) to red (%1% or more); grey until a key has been typed often enough to judge. Frame: speed, from red (half the goal of %2 keys/min) to green (the goal).</source>
        <translation>Fond : premières frappes fausses ces derniers temps, du blanc (aucune) au rouge (%1 % ou plus) ; gris tant qu’une touche n’a pas été assez tapée pour en juger. Cadre : vitesse, du rouge (moitié de l’objectif de %2 frappes/min) au vert (l’objectif).</translation>
    </message>
    <message>
        <source>Mastered letters: %1 of %2</source>
        <translation>Lettres maîtrisées : %1 sur %2</translation>
    </message>
    <message>
        <source>typed %1 for %2 once</source>
        <translation>tapé %1 au lieu de %2, une fois</translation>
    </message>
    <message>
        <source>typed %1 for %2 %3 times</source>
        <translation>tapé %1 au lieu de %2, %3 fois</translation>
    </message>
    <message>
        <source>No key is judged short of the goals yet.</source>
        <translation>Aucune touche n’est encore jugée en deçà des objectifs.</translation>
    </message>
    <message>
        <source>Furthest from the goals: %1</source>
        <translation>Les plus loin des objectifs : %1</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>MMM d</source>
        <translation>d MMM</translation>
    </message>
    <message>
        <source>MMM d yyyy</source>
        <translation>d MMM yyyy</translation>
    </message>
    <message>
        <source>Wrong most often, in all practice so far:</source>
        <translation>Le plus souvent fausses, sur tous les exercices :</translation>
    </message>
</context>
<context>
    <name>TFmSentencePrac</name>
    <message>
        <source>Sentence Drills</source>
        <translation>Exercices de phrases</translation>
    </message>
</context>
<context>
    <name>TFmTextPrac</name>
    <message>
        <source>Paragraph Drills</source>
        <translation>Exercices de paragraphes</translation>
    </message>
</context>
<context>
    <name>THelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>TPasswordDlg</name>
    <message>
        <source>Password Dialog</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Entrez le mot de passe :</translation>
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
    <name>TVKeyboard</name>
    <message>
        <source>Virtual Keyboard</source>
        <translation>Clavier virtuel</translation>
    </message>
</context>
<context>
    <name>TgameFrame</name>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
</context>
</TS>
