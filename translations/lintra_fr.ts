<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>Task</source>
        <translation>Consigne</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Réponse</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>Portée</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Correct answers</source>
        <translation>Bonnes réponses</translation>
    </message>
    <message>
        <source>Question pool</source>
        <translation>Sélection de notes</translation>
    </message>
    <message>
        <source>Device settings</source>
        <translation>Réglages des périphériques</translation>
    </message>
    <message>
        <source>Correct Answers:</source>
        <translation>Bonnes réponses&#xa0;:</translation>
    </message>
    <message>
        <source>Time and mistake</source>
        <translation>Temps et erreur</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Today&apos;s goal is met: %1 of %2.</source>
        <translation>Objectif du jour atteint : %1 sur %2.</translation>
    </message>
    <message>
        <source>Today: %1 of %2.</source>
        <translation>Aujourd&apos;hui : %1 sur %2.</translation>
    </message>
    <message>
        <source>1 day in a row.</source>
        <translation>1 jour d&apos;affilée.</translation>
    </message>
    <message numerus="yes">
        <source>%n days in a row.</source>
        <translation>
            <numerusform>%n jour d&apos;affilée.</numerusform>
            <numerusform>%n jours d&apos;affilée.</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily Goal</source>
        <translation>Objectif quotidien</translation>
    </message>
    <message>
        <source>Questions a day (empty or 0 for no goal):</source>
        <translation>Questions par jour (vide ou 0 pour aucun objectif) :</translation>
    </message>
    <message>
        <source>Please enter a whole number of questions from 0 to 10000.</source>
        <translation>Saisissez un nombre entier de questions de 0 à 10000.</translation>
    </message>
    <message>
        <source>The goal applies until the program ends.</source>
        <translation>L&apos;objectif vaut jusqu&apos;à la fermeture du programme.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Play scale-steps of C Major</source>
        <translation>Jouez les degrés de la gamme de Do majeur</translation>
    </message>
    <message>
        <source>Play scale-steps of G Major</source>
        <translation>Jouez les degrés de la gamme de Sol majeur</translation>
    </message>
    <message>
        <source>Play scale-steps of D Major</source>
        <translation>Jouez les degrés de la gamme de Ré majeur</translation>
    </message>
    <message>
        <source>Play scale-steps of A Major</source>
        <translation>Jouez les degrés de la gamme de La majeur</translation>
    </message>
    <message>
        <source>Play scale-steps of E Major</source>
        <translation>Jouez les degrés de la gamme de Mi majeur</translation>
    </message>
    <message>
        <source>Play scale-steps of B Major</source>
        <translation>Jouez les degrés de la gamme de Si majeur</translation>
    </message>
    <message>
        <source>Play scale-steps of F# Major</source>
        <translation>Jouez les degrés de la gamme de Fa dièse majeur</translation>
    </message>
    <message>
        <source>Play scale-steps of F Major</source>
        <translation>Jouez les degrés de la gamme de Fa majeur</translation>
    </message>
    <message>
        <source>Play scale-steps of Bb Major</source>
        <translation>Jouez les degrés de la gamme de Si bémol majeur</translation>
    </message>
    <message>
        <source>Play scale-steps of Eb Major</source>
        <translation>Jouez les degrés de la gamme de Mi bémol majeur</translation>
    </message>
    <message>
        <source>Play scale-steps of Ab Major</source>
        <translation>Jouez les degrés de la gamme de La bémol majeur</translation>
    </message>
    <message>
        <source>Play scale-steps of Db Major</source>
        <translation>Jouez les degrés de la gamme de Ré bémol majeur</translation>
    </message>
    <message>
        <source>Play scale-steps of Gb Major</source>
        <translation>Jouez les degrés de la gamme de Sol bémol majeur</translation>
    </message>
    <message>
        <source>Play scale-steps of A Harmonic Minor</source>
        <translation>Jouez les degrés de la gamme de La mineur harmonique</translation>
    </message>
    <message>
        <source>Play scale-steps of E Harmonic Minor</source>
        <translation>Jouez les degrés de la gamme de Mi mineur harmonique</translation>
    </message>
    <message>
        <source>Play scale-steps of B Harmonic Minor</source>
        <translation>Jouez les degrés de la gamme de Si mineur harmonique</translation>
    </message>
    <message>
        <source>Play scale-steps of F# Harmonic Minor</source>
        <translation>Jouez les degrés de la gamme de Fa dièse mineur harmonique</translation>
    </message>
    <message>
        <source>Play scale-steps of C# Harmonic Minor-</source>
        <translation>Jouez les degrés de la gamme de Do dièse mineur harmonique</translation>
    </message>
    <message>
        <source>Play scale-steps of D Harmonic Minor</source>
        <translation>Jouez les degrés de la gamme de Ré mineur harmonique</translation>
    </message>
    <message>
        <source>Play scale-steps of G Harmonic Minor</source>
        <translation>Jouez les degrés de la gamme de Sol mineur harmonique</translation>
    </message>
    <message>
        <source>Play scale-steps of C Harmonic Minor</source>
        <translation>Jouez les degrés de la gamme de Do mineur harmonique</translation>
    </message>
    <message>
        <source>Play scale-steps of F Harmonic Minor</source>
        <translation>Jouez les degrés de la gamme de Fa mineur harmonique</translation>
    </message>
    <message>
        <source>Play scale-steps of Bb Harmonic Minor</source>
        <translation>Jouez les degrés de la gamme de Si bémol mineur harmonique</translation>
    </message>
    <message>
        <source>Play scale-steps of Eb Harmonic Minor</source>
        <translation>Jouez les degrés de la gamme de Mi bémol mineur harmonique</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Qor Lintra Trainer</source>
        <translation>Qor Lintra Trainer</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Question suivante</translation>
    </message>
    <message>
        <source>Next Answer?</source>
        <translation>Voir la réponse&#xa0;?</translation>
    </message>
    <message>
        <source>Correct Answers:</source>
        <translation>Bonnes réponses&#xa0;:</translation>
    </message>
    <message>
        <source>Inputs:</source>
        <translation>Entrées&#xa0;:</translation>
    </message>
    <message>
        <source>Outputs:</source>
        <translation>Sorties&#xa0;:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>That is correct: %1</source>
        <translation>C&apos;est juste : %1</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Essayez encore !</translation>
    </message>
    <message>
        <source>Play notes from the Chromatic Scale</source>
        <translation>Jouez des notes de la gamme chromatique</translation>
    </message>
    <message>
        <source>Click keyboard to see notation.</source>
        <translation>Cliquez sur le clavier pour voir la note sur la portée.</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Vous avez joué %1</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Niveau suivant</translation>
    </message>
    <message>
        <source>New Scale</source>
        <translation>Nouvelle gamme</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>See Notes/Play Keyboard</source>
        <translation>Voir les notes/Jouer au clavier</translation>
    </message>
    <message>
        <source>Play Keyboard/See Notes</source>
        <translation>Jouer au clavier/Voir les notes</translation>
    </message>
    <message>
        <source>Flats</source>
        <translation>Bémols</translation>
    </message>
    <message>
        <source>Sharps</source>
        <translation>Dièses</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tonalités</translation>
    </message>
    <message>
        <source>Major Scale Notes</source>
        <translation>Notes de la gamme majeure</translation>
    </message>
    <message>
        <source>C Major</source>
        <translation>Do majeur</translation>
    </message>
    <message>
        <source>F Major</source>
        <translation>Fa majeur</translation>
    </message>
    <message>
        <source>G Major</source>
        <translation>Sol majeur</translation>
    </message>
    <message>
        <source>Bb Major</source>
        <translation>Si bémol majeur</translation>
    </message>
    <message>
        <source>D Major</source>
        <translation>Ré majeur</translation>
    </message>
    <message>
        <source>Eb Major</source>
        <translation>Mi bémol majeur</translation>
    </message>
    <message>
        <source>A Major</source>
        <translation>La majeur</translation>
    </message>
    <message>
        <source>Ab Major</source>
        <translation>La bémol majeur</translation>
    </message>
    <message>
        <source>E Major</source>
        <translation>Mi majeur</translation>
    </message>
    <message>
        <source>Db Major</source>
        <translation>Ré bémol majeur</translation>
    </message>
    <message>
        <source>B Major</source>
        <translation>Si majeur</translation>
    </message>
    <message>
        <source>Gb Major</source>
        <translation>Sol bémol majeur</translation>
    </message>
    <message>
        <source>F# Major</source>
        <translation>Fa dièse majeur</translation>
    </message>
    <message>
        <source>Minor Scale Notes</source>
        <translation>Notes de la gamme mineure</translation>
    </message>
    <message>
        <source>A Minor</source>
        <translation>La mineur</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>Ré mineur</translation>
    </message>
    <message>
        <source>E Minor</source>
        <translation>Mi mineur</translation>
    </message>
    <message>
        <source>G Minor</source>
        <translation>Sol mineur</translation>
    </message>
    <message>
        <source>B Minor</source>
        <translation>Si mineur</translation>
    </message>
    <message>
        <source>C Minor</source>
        <translation>Do mineur</translation>
    </message>
    <message>
        <source>F# Minor</source>
        <translation>Fa dièse mineur</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>Fa mineur</translation>
    </message>
    <message>
        <source>C# Minor</source>
        <translation>Do dièse mineur</translation>
    </message>
    <message>
        <source>Bb Minor</source>
        <translation>Si bémol mineur</translation>
    </message>
    <message>
        <source>Eb Minor</source>
        <translation>Mi bémol mineur</translation>
    </message>
    <message>
        <source>Chromatic Scale Notes</source>
        <translation>Notes de la gamme chromatique</translation>
    </message>
    <message>
        <source>Clefs</source>
        <translation>Clés</translation>
    </message>
    <message>
        <source>Treble Clef Notes</source>
        <translation>Notes en clé de sol</translation>
    </message>
    <message>
        <source>Bass Clef Notes</source>
        <translation>Notes en clé de fa</translation>
    </message>
    <message>
        <source>Grand Staff Notes</source>
        <translation>Notes sur la double portée</translation>
    </message>
    <message>
        <source>Note Names On?</source>
        <translation>Afficher les noms&#xa0;?</translation>
    </message>
    <message>
        <source>Note Names On</source>
        <translation>Afficher les noms des notes</translation>
    </message>
    <message>
        <source>Note Names Off</source>
        <translation>Masquer les noms des notes</translation>
    </message>
    <message>
        <source>Syllables?</source>
        <translation>Syllabes&#xa0;?</translation>
    </message>
    <message>
        <source>Syllable Note Names</source>
        <translation>Noms des notes en syllabes</translation>
    </message>
    <message>
        <source>Letter Note Names</source>
        <translation>Noms des notes en lettres</translation>
    </message>
    <message>
        <source>Midi</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>Inputs/Outputs</source>
        <translation>Entrées/Sorties</translation>
    </message>
    <message>
        <source>Midi in On/Off</source>
        <translation>Entrée MIDI oui/non</translation>
    </message>
    <message>
        <source>Midi In On</source>
        <translation>Entrée MIDI activée</translation>
    </message>
    <message>
        <source>Midi In Off</source>
        <translation>Entrée MIDI désactivée</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Sustain?</source>
        <translation>Résonance&#xa0;?</translation>
    </message>
    <message>
        <source>Sustain On</source>
        <translation>Résonance activée</translation>
    </message>
    <message>
        <source>Sustain Off</source>
        <translation>Résonance désactivée</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Arrêter toutes les notes</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>AutoAdvance</source>
        <translation>Progression automatique</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>AutoModulate</source>
        <translation>Modulation automatique</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Show Progress...</source>
        <translation>Afficher les progrès...</translation>
    </message>
    <message>
        <source>Export Journal...</source>
        <translation>Exporter le journal...</translation>
    </message>
    <message>
        <source>Reset Progress...</source>
        <translation>Réinitialiser les progrès...</translation>
    </message>
    <message>
        <source>Practise Weak Notes</source>
        <translation>Travailler les notes difficiles</translation>
    </message>
    <message>
        <source>Show Time and Mistake</source>
        <translation>Afficher le temps et l&apos;erreur</translation>
    </message>
    <message>
        <source>Resume Where I Left Off</source>
        <translation>Reprendre où j&apos;en étais</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Middle C Is C4</source>
        <translation>Le do central est C4</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Program Help</source>
        <translation>Aide du programme</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Answer by Microphone</source>
        <translation>Répondre au microphone</translation>
    </message>
    <message>
        <source>Sound Input...</source>
        <translation>Entrée audio...</translation>
    </message>
    <message>
        <source>Listen While Notes Sound (Headphones)</source>
        <translation>Écouter pendant que les notes sonnent (casque)</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lecture</translation>
    </message>
    <message>
        <source>Read a Line</source>
        <translation>Lire une ligne</translation>
    </message>
    <message>
        <source>Line Length</source>
        <translation>Longueur de la ligne</translation>
    </message>
    <message>
        <source>4 Notes</source>
        <translation>4 notes</translation>
    </message>
    <message>
        <source>6 Notes</source>
        <translation>6 notes</translation>
    </message>
    <message>
        <source>8 Notes</source>
        <translation>8 notes</translation>
    </message>
    <message>
        <source>Largest Leap</source>
        <translation>Plus grand saut</translation>
    </message>
    <message>
        <source>A Third</source>
        <translation>Une tierce</translation>
    </message>
    <message>
        <source>A Fifth</source>
        <translation>Une quinte</translation>
    </message>
    <message>
        <source>An Octave</source>
        <translation>Une octave</translation>
    </message>
    <message>
        <source>Alto Clef</source>
        <translation>Clé d&apos;ut 3e ligne (alto)</translation>
    </message>
    <message>
        <source>Tenor Clef</source>
        <translation>Clé d&apos;ut 4e ligne (ténor)</translation>
    </message>
    <message>
        <source>Choose Range...</source>
        <translation>Choisir l&apos;étendue...</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Langue...</translation>
    </message>
    <message>
        <source>Letters?</source>
        <translation>Lettres ?</translation>
    </message>
    <message>
        <source>Note Names Off?</source>
        <translation>Masquer les noms&#xa0;?</translation>
    </message>
    <message>
        <source>Daily Goal...</source>
        <translation>Objectif quotidien...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>the default sound input</source>
        <translation>l&apos;entrée audio par défaut</translation>
    </message>
    <message>
        <source>Lintra cannot listen to %1: %2. Answer on the keyboard, or choose another sound input with &quot;Sound Input...&quot; in the &quot;Microphone&quot; menu.</source>
        <translation>Lintra ne peut pas écouter %1 : %2. Répondez au clavier, ou choisissez une autre entrée audio avec « Entrée audio... » dans le menu « Microphone ».</translation>
    </message>
    <message>
        <source>Lintra no longer hears %1, so answers by microphone have stopped. Answer on the keyboard, or choose a sound input with &quot;Sound Input...&quot; in the &quot;Microphone&quot; menu.</source>
        <translation>Lintra n&apos;entend plus %1 : les réponses au microphone sont arrêtées. Répondez au clavier, ou choisissez une entrée audio avec « Entrée audio... » dans le menu « Microphone ».</translation>
    </message>
    <message>
        <source>The choice applies until the program ends.</source>
        <translation>Ce choix vaut jusqu&apos;à la fermeture du programme.</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>La langue du bureau</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The trainer speaks:</source>
        <translation>Le programme parle :</translation>
    </message>
    <message>
        <source>The language you chose is used from the next start of the trainer.</source>
        <translation>La langue choisie sera utilisée au prochain démarrage du programme.</translation>
    </message>
    <message>
        <source>Thank you for practising with Lintra. The maker&apos;s web site offers more training programs for musicians.</source>
        <translation>Merci d&apos;avoir travaillé avec Lintra. Le site web de l&apos;éditeur propose d&apos;autres programmes d&apos;entraînement pour musiciens.</translation>
    </message>
    <message>
        <source>Lintra Trainer, version 3.1 (2026).
A trainer for reading music notation.

This software is provided as is, without warranties of any kind. The seller&apos;s liability is limited to the replacement of the software or the refund of its price.

Music symbols from the Lintra Music font, made from the Emmentaler font of the LilyPond project (SIL Open Font License 1.1).</source>
        <translation>Lintra Trainer, version 3.1 (2026).
Un entraîneur de lecture de notes.

Ce logiciel est fourni tel quel, sans garantie d&apos;aucune sorte. La responsabilité du vendeur se limite au remplacement du logiciel ou au remboursement de son prix.

Symboles musicaux de la police Lintra Music, faite à partir de la police Emmentaler du projet LilyPond (SIL Open Font License 1.1).</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Une erreur inattendue s&apos;est produite.</translation>
    </message>
    <message>
        <source>The help page could not be opened. It is the file &quot;%1&quot;; open it in a web browser to read it.</source>
        <translation>La page d&apos;aide n&apos;a pas pu être ouverte. C&apos;est le fichier « %1 » ; ouvrez-le dans un navigateur web pour la lire.</translation>
    </message>
    <message>
        <source>The answer is: %1</source>
        <translation>La réponse est : %1</translation>
    </message>
    <message>
        <source>Keyboard out of range.</source>
        <translation>Note hors de l&apos;étendue du clavier.</translation>
    </message>
    <message>
        <source>%1 : Correct answers?</source>
        <translation>%1 : Réponses justes ?</translation>
    </message>
    <message>
        <source>How many correct answers?</source>
        <translation>Combien de réponses justes ?</translation>
    </message>
    <message>
        <source>%1 : Score?</source>
        <translation>%1 : Score ?</translation>
    </message>
    <message>
        <source>What percent correct answers?</source>
        <translation>Quel pourcentage de réponses justes ?</translation>
    </message>
    <message>
        <source>Chromatic scale notes on the Grand Staff is the higest level. Select a Major or minor key, a clef or Grand Staff, then set AutoAdvance On.</source>
        <translation>Les notes de la gamme chromatique sur le grand système sont le niveau le plus élevé. Choisissez une tonalité majeure ou mineure, une clé ou le grand système, puis activez la Progression automatique.</translation>
    </message>
    <message>
        <source>Under Mode Menu, Click &quot;See Notes/Play Keyboard&quot; to use the AutoAdvance Feature.</source>
        <translation>Dans le menu « Mode », cliquez sur « Voir les notes/Jouer au clavier » pour utiliser la Progression automatique.</translation>
    </message>
    <message>
        <source>Under Mode Menu, Click &quot;See Notes/Play Keyboard&quot; to use the AutoModulate Feature.</source>
        <translation>Dans le menu « Mode », cliquez sur « Voir les notes/Jouer au clavier » pour utiliser la Modulation automatique.</translation>
    </message>
    <message>
        <source>There are no Key centers in the chromatic scale. Select a Major or minor key, select a clef, then set AutoModulate On</source>
        <translation>La gamme chromatique n&apos;a pas de centre tonal. Choisissez une tonalité majeure ou mineure, choisissez une clé, puis activez la Modulation automatique.</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score of more than %2%. Advance to next level?</source>
        <translation>Félicitations ! Vous avez %1 réponses justes ou plus, avec un score de plus de %2 %. Passer au niveau suivant ?</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score more than %2%. Change scale and key?</source>
        <translation>Félicitations ! Vous avez %1 réponses justes ou plus, avec un score de plus de %2 %. Changer de gamme et de tonalité ?</translation>
    </message>
    <message>
        <source>The practice journal cannot be written (%1). The trainer goes on and keeps your answers: it tries again to save them, and when you close it, it offers to export any it could not save.</source>
        <translation>Le journal d’entraînement ne peut pas être écrit (%1). Le programme continue et garde vos réponses : il essaie à nouveau de les enregistrer et, à la fermeture, propose d’exporter celles qu’il n’a pas pu enregistrer.</translation>
    </message>
    <message>
        <source>Another Lintra window is open with the same practice journal. Your answers in both are kept; to reset your progress, close the other window first.</source>
        <translation>Une autre fenêtre Lintra est ouverte avec le même journal d’entraînement. Vos réponses dans les deux sont gardées ; pour réinitialiser vos progrès, fermez d’abord l’autre fenêtre.</translation>
    </message>
    <message>
        <source>Your progress was not reset: another Lintra window is using the same practice journal. Close it, then try again.</source>
        <translation>Vos progrès n’ont pas été réinitialisés : une autre fenêtre Lintra utilise le même journal d’entraînement. Fermez-la, puis réessayez.</translation>
    </message>
    <message>
        <source>Your progress was not reset: some answers are not yet saved in the practice journal (%1). Try again once it can be written.</source>
        <translation>Vos progrès n’ont pas été réinitialisés : des réponses ne sont pas encore enregistrées dans le journal d’entraînement (%1). Réessayez quand il pourra être écrit.</translation>
    </message>
    <message>
        <source>Your progress was not reset: the practice journal could not be set aside as a backup (%1). It is kept as it was.</source>
        <translation>Vos progrès n’ont pas été réinitialisés : le journal d’entraînement n’a pas pu être mis de côté comme sauvegarde (%1). Il reste tel quel.</translation>
    </message>
    <message>
        <source>Your progress was not reset: a new practice journal could not be made (%1). The old one is kept as it was.</source>
        <translation>Vos progrès n’ont pas été réinitialisés : un nouveau journal d’entraînement n’a pas pu être créé (%1). L’ancien reste tel quel.</translation>
    </message>
    <message>
        <source>Answers not saved in the practice journal: %1. Export them, with all the others, to a file before the trainer closes? If not, they are lost.</source>
        <translation>Réponses non enregistrées dans le journal d’entraînement : %1. Les exporter, avec toutes les autres, dans un fichier avant la fermeture du programme ? Sinon, elles sont perdues.</translation>
    </message>
    <message>
        <source>The file holds every answer, also those not yet saved in the practice journal: %1. The trainer keeps trying to save them.</source>
        <translation>Le fichier contient toutes les réponses, y compris celles qui ne sont pas encore enregistrées dans le journal d’entraînement : %1. Le programme continue d’essayer de les enregistrer.</translation>
    </message>
    <message>
        <source>The journal could not be exported to &quot;%1&quot;: the disk is full. Make room on it, or choose another place, and try again.</source>
        <translation>Le journal n’a pas pu être exporté vers « %1 » : le disque est plein. Libérez de la place ou choisissez un autre emplacement, puis réessayez.</translation>
    </message>
    <message>
        <source>The practice journal could not be read, so it was not exported.</source>
        <translation>Le journal d’entraînement n’a pas pu être lu ; il n’a donc pas été exporté.</translation>
    </message>
    <message>
        <source>Answers not yet saved in the practice journal: %1. They are shown here, and the trainer keeps trying to save them.</source>
        <translation>Réponses pas encore enregistrées dans le journal d’entraînement : %1. Elles sont affichées ici, et le programme continue d’essayer de les enregistrer.</translation>
    </message>
    <message>
        <source>No note of this key and clef lies between %1 and %2, the range you chose, so all of its notes are asked until you choose another range.</source>
        <translation>Aucune note de cette tonalité et de cette clé ne se trouve entre %1 et %2, l&apos;étendue que vous avez choisie : toutes ses notes sont donc demandées jusqu&apos;à ce que vous choisissiez une autre étendue.</translation>
    </message>
    <message>
        <source>Choose Range</source>
        <translation>Choisir l&apos;étendue</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key of the keyboard. Type a letter, then # or b for a sharp or a flat, then the octave: a note from %2 to %3.</source>
        <translation>« %1 » n&apos;est pas une touche du clavier. Tapez une lettre, puis # ou b pour un dièse ou un bémol, puis l&apos;octave : une note de %2 à %3.</translation>
    </message>
    <message>
        <source>The lowest note asked, from %1 to %2:</source>
        <translation>La note la plus grave demandée, de %1 à %2 :</translation>
    </message>
    <message>
        <source>The highest note asked, from %1 to %2:</source>
        <translation>La note la plus aiguë demandée, de %1 à %2 :</translation>
    </message>
    <message>
        <source>No note of this key and clef lies between %1 and %2. The range stays from %3 to %4.</source>
        <translation>Aucune note de cette tonalité et de cette clé ne se trouve entre %1 et %2. L&apos;étendue reste de %3 à %4.</translation>
    </message>
    <message>
        <source>The practice journal was damaged. It is kept as &quot;%1&quot; and a new journal was started.</source>
        <translation>Le journal d&apos;entraînement était endommagé. Il est conservé sous « %1 » et un nouveau journal a été commencé.</translation>
    </message>
    <message>
        <source>The practice journal was written by a newer version of the trainer and is left as it is.</source>
        <translation>Le journal d&apos;entraînement a été écrit par une version plus récente du programme ; il est laissé tel quel.</translation>
    </message>
    <message>
        <source>A new practice journal was started.</source>
        <translation>Un nouveau journal d&apos;entraînement a été commencé.</translation>
    </message>
    <message>
        <source>A new practice journal was started. The old one is kept as &quot;%1&quot;.</source>
        <translation>Un nouveau journal d&apos;entraînement a été commencé. L&apos;ancien est conservé sous « %1 ».</translation>
    </message>
    <message>
        <source>No practice journal is kept, so there is nothing to export.</source>
        <translation>Aucun journal d&apos;entraînement n&apos;est tenu : il n&apos;y a rien à exporter.</translation>
    </message>
    <message>
        <source>Export Journal</source>
        <translation>Exporter le journal</translation>
    </message>
    <message>
        <source>The journal could not be exported to &quot;%1&quot;. Choose a folder where you may write files, and try again.</source>
        <translation>Le journal n&apos;a pas pu être exporté vers « %1 ». Choisissez un dossier où vous pouvez écrire des fichiers, puis réessayez.</translation>
    </message>
    <message>
        <source>No practice journal is kept, so there is no progress to reset.</source>
        <translation>Aucun journal d&apos;entraînement n&apos;est tenu : il n&apos;y a pas de progrès à remettre à zéro.</translation>
    </message>
    <message>
        <source>Start a new practice journal? The answers so far are kept in a backup file, and your progress starts again from nothing.</source>
        <translation>Commencer un nouveau journal d&apos;entraînement ? Les réponses données jusqu&apos;ici sont gardées dans un fichier de sauvegarde, et vos progrès repartent de zéro.</translation>
    </message>
    <message>
        <source>The Progress window cannot be shown here.</source>
        <translation>La fenêtre des progrès ne peut pas être affichée ici.</translation>
    </message>
    <message>
        <source>The device choice cannot be saved: a device name is too long or holds a line break.</source>
        <translation>Le choix des appareils ne peut pas être enregistré : un nom d&apos;appareil est trop long ou contient un saut de ligne.</translation>
    </message>
    <message>
        <source>The device choice cannot be saved: the settings are too large.</source>
        <translation>Le choix des appareils ne peut pas être enregistré : les réglages sont trop volumineux.</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;: %2.</source>
        <translation>Impossible de créer le dossier « %1 » : %2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire le fichier « %1 ».</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;.</source>
        <translation>Impossible d&apos;enregistrer le fichier « %1 ».</translation>
    </message>
    <message>
        <source>The chosen MIDI output is not in the list of devices. Lintra plays through the built-in synthesizer instead.</source>
        <translation>La sortie MIDI choisie n&apos;est pas dans la liste des appareils. Lintra joue par le synthétiseur intégré.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; cannot be used (%2). Lintra plays through the built-in synthesizer instead.</source>
        <translation>La sortie MIDI « %1 » ne peut pas être utilisée (%2). Lintra joue par le synthétiseur intégré.</translation>
    </message>
    <message>
        <source>the chosen device</source>
        <translation>l&apos;appareil choisi</translation>
    </message>
    <message>
        <source>MIDI output fails (%1). Notes may not sound.</source>
        <translation>La sortie MIDI échoue (%1). Les notes risquent de ne pas sonner.</translation>
    </message>
    <message>
        <source>The built-in synthesizer is silent: %1. To hear the notes, choose another MIDI output with &quot;Inputs/Outputs&quot; in the &quot;Midi&quot; menu.</source>
        <translation>Le synthétiseur intégré est muet : %1. Pour entendre les notes, choisissez une autre sortie MIDI avec « Entrées/Sorties » dans le menu « MIDI ».</translation>
    </message>
    <message>
        <source>MIDI Instrument</source>
        <translation>Instrument MIDI</translation>
    </message>
    <message>
        <source>MIDI Instrument Number between 0 and 127?</source>
        <translation>Numéro d&apos;instrument MIDI, entre 0 et 127 ?</translation>
    </message>
    <message>
        <source>Please enter an instrument number between 0 and 127. The instrument stays %1.</source>
        <translation>Saisissez un numéro d&apos;instrument entre 0 et 127. L&apos;instrument reste %1.</translation>
    </message>
    <message>
        <source>it could open no audio output</source>
        <translation>il n&apos;a pu ouvrir aucune sortie audio</translation>
    </message>
    <message>
        <source>it found no sound font</source>
        <translation>il n&apos;a trouvé aucune banque de sons (SoundFont)</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; cannot be opened (%2). Notes will not sound.</source>
        <translation>La sortie MIDI « %1 » ne peut pas être ouverte (%2). Les notes ne sonneront pas.</translation>
    </message>
    <message>
        <source>The device settings file &quot;%1&quot; is damaged.</source>
        <translation>Le fichier de réglages des périphériques « %1 » est endommagé.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 ».</translation>
    </message>
    <message>
        <source>the device captures at an unusable rate (%1 Hz)</source>
        <translation>le périphérique enregistre à une fréquence inutilisable (%1 Hz)</translation>
    </message>
    <message>
        <source>listening is not available: %1</source>
        <translation>l&apos;écoute n&apos;est pas disponible&#xa0;: %1</translation>
    </message>
    <message>
        <source>the sound input could not be started: %1</source>
        <translation>l&apos;entrée audio n&apos;a pas pu démarrer&#xa0;: %1</translation>
    </message>
    <message>
        <source>no sound system could be reached</source>
        <translation>aucun système audio n&apos;a pu être joint</translation>
    </message>
    <message>
        <source>there is no sound input</source>
        <translation>il n&apos;y a aucune entrée audio</translation>
    </message>
    <message>
        <source>there is no sound input named &quot;%1&quot;</source>
        <translation>il n&apos;y a aucune entrée audio nommée « %1 »</translation>
    </message>
    <message>
        <source>this trainer has no sound input</source>
        <translation>ce programme n&apos;a pas d&apos;entrée audio</translation>
    </message>
    <message>
        <source>its module could not be loaded: %1</source>
        <translation>son module n&apos;a pas pu être chargé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>MidiErrors</name>
    <message>
        <source>The operation completed successfully.</source>
        <translation>L&apos;opération a réussi.</translation>
    </message>
    <message>
        <source>An unspecified error occurred.</source>
        <translation>Une erreur non précisée s&apos;est produite.</translation>
    </message>
    <message>
        <source>The specified device identifier is out of range.</source>
        <translation>L&apos;identifiant de périphérique indiqué est hors limites.</translation>
    </message>
    <message>
        <source>The driver is not enabled.</source>
        <translation>Le pilote n&apos;est pas activé.</translation>
    </message>
    <message>
        <source>The specified device is already in use.</source>
        <translation>Le périphérique indiqué est déjà utilisé.</translation>
    </message>
    <message>
        <source>The specified device handle is invalid.</source>
        <translation>La référence au périphérique indiqué n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>There is no driver installed on your system.</source>
        <translation>Aucun pilote n&apos;est installé sur le système.</translation>
    </message>
    <message>
        <source>There is not enough memory available for this task.</source>
        <translation>Il n&apos;y a pas assez de mémoire pour cette tâche.</translation>
    </message>
    <message>
        <source>This function is not supported.</source>
        <translation>Cette fonction n&apos;est pas prise en charge.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to a system function.</source>
        <translation>Un paramètre non valide a été transmis à une fonction système.</translation>
    </message>
    <message>
        <source>The buffer header has not been prepared.</source>
        <translation>L&apos;en-tête du tampon n&apos;a pas été préparé.</translation>
    </message>
    <message>
        <source>The device is still using the buffers.</source>
        <translation>Le périphérique utilise encore les tampons.</translation>
    </message>
    <message>
        <source>The device is not ready.</source>
        <translation>Le périphérique n&apos;est pas prêt.</translation>
    </message>
    <message>
        <source>The MIDI device has been disconnected.</source>
        <translation>Le périphérique MIDI a été déconnecté.</translation>
    </message>
    <message>
        <source>The device could not be opened; another program may be using it.</source>
        <translation>Impossible d&apos;ouvrir le périphérique&#xa0;; un autre programme l&apos;utilise peut-être.</translation>
    </message>
    <message>
        <source>Specified error number is out of range</source>
        <translation>Le numéro d&apos;erreur indiqué est hors limites</translation>
    </message>
</context>
<context>
    <name>Mistakes</name>
    <message>
        <source>Read %1 in the treble clef as %2</source>
        <translation>%1 en clé de sol lu comme %2</translation>
    </message>
    <message>
        <source>Read %1 in the bass clef as %2</source>
        <translation>%1 en clé de fa lu comme %2</translation>
    </message>
    <message>
        <source>Read %1 in the alto clef as %2</source>
        <translation>%1 en clé d&apos;ut troisième ligne lu comme %2</translation>
    </message>
    <message>
        <source>Read %1 in the tenor clef as %2</source>
        <translation>%1 en clé d&apos;ut quatrième ligne lu comme %2</translation>
    </message>
    <message>
        <source>the natural sign before the note cancels the key signature</source>
        <translation>le bécarre devant la note annule l&apos;armure</translation>
    </message>
    <message>
        <source>the sharp before the note was missed</source>
        <translation>le dièse devant la note n&apos;a pas été vu</translation>
    </message>
    <message>
        <source>the flat before the note was missed</source>
        <translation>le bémol devant la note n&apos;a pas été vu</translation>
    </message>
    <message>
        <source>the right note, an octave too high</source>
        <translation>la bonne note, une octave trop haut</translation>
    </message>
    <message>
        <source>the right note, an octave too low</source>
        <translation>la bonne note, une octave trop bas</translation>
    </message>
    <message>
        <source>the right note, %1 octaves too high</source>
        <translation>la bonne note, %1 octaves trop haut</translation>
    </message>
    <message>
        <source>the right note, %1 octaves too low</source>
        <translation>la bonne note, %1 octaves trop bas</translation>
    </message>
    <message>
        <source>one step too low, the neighbouring space</source>
        <translation>un degré trop bas, l&apos;interligne voisin</translation>
    </message>
    <message>
        <source>one step too low, the neighbouring line</source>
        <translation>un degré trop bas, la ligne voisine</translation>
    </message>
    <message>
        <source>one step too high, the neighbouring space</source>
        <translation>un degré trop haut, l&apos;interligne voisin</translation>
    </message>
    <message>
        <source>one step too high, the neighbouring line</source>
        <translation>un degré trop haut, la ligne voisine</translation>
    </message>
    <message>
        <source>a space read as the next space down</source>
        <translation>un interligne pris pour l&apos;interligne du dessous</translation>
    </message>
    <message>
        <source>a line read as the next line down</source>
        <translation>une ligne prise pour la ligne du dessous</translation>
    </message>
    <message>
        <source>a space read as the next space up</source>
        <translation>un interligne pris pour l&apos;interligne du dessus</translation>
    </message>
    <message>
        <source>a line read as the next line up</source>
        <translation>une ligne prise pour la ligne du dessus</translation>
    </message>
    <message>
        <source>the key signature makes every %1 sharp</source>
        <translation>avec l&apos;armure, chaque %1 est dièse</translation>
    </message>
    <message>
        <source>the key signature makes every %1 flat</source>
        <translation>avec l&apos;armure, chaque %1 est bémol</translation>
    </message>
    <message>
        <source>the ledger lines miscounted, one step towards the staff</source>
        <translation>lignes supplémentaires mal comptées, un degré vers la portée</translation>
    </message>
    <message>
        <source>the ledger lines miscounted, two steps towards the staff</source>
        <translation>lignes supplémentaires mal comptées, deux degrés vers la portée</translation>
    </message>
    <message>
        <source>the same place on the bass staff</source>
        <translation>la même place sur la portée en clé de fa</translation>
    </message>
    <message>
        <source>the same place on the treble staff</source>
        <translation>la même place sur la portée en clé de sol</translation>
    </message>
    <message>
        <source>the same place read in the treble clef</source>
        <translation>la même place qu&apos;en clé de sol</translation>
    </message>
    <message>
        <source>the same place read in the bass clef</source>
        <translation>la même place qu&apos;en clé de fa</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2&#xa0;%)</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouvelle</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>en apprentissage</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>acquise</translation>
    </message>
    <message>
        <source>No note of this pool has been asked in this key yet.</source>
        <translation>Aucune note de cette sélection n&apos;a encore été demandée dans cette tonalité.</translation>
    </message>
    <message>
        <source>%1 of %2 notes fluent, %3 learning, %4 new.</source>
        <translation>%1 notes sur %2 acquises, %3 en apprentissage, %4 nouvelles.</translation>
    </message>
    <message>
        <source>Weakest: %1.</source>
        <translation>Les plus difficiles&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No answers in this key in the last %1 days.</source>
        <translation>Aucune réponse dans cette tonalité ces %1 derniers jours.</translation>
    </message>
    <message>
        <source>No session has practised this key yet.</source>
        <translation>Aucune séance n&apos;a encore travaillé cette tonalité.</translation>
    </message>
    <message>
        <source>One day of practice: %1% right at the first try, median answer time %2 s.</source>
        <translation>Un jour de pratique&#xa0;: %1&#xa0;% de justes au premier essai, temps de réponse médian %2&#xa0;s.</translation>
    </message>
    <message>
        <source>One session: %1% right at the first try, median answer time %2 s.</source>
        <translation>Une séance&#xa0;: %1&#xa0;% de justes au premier essai, temps de réponse médian %2&#xa0;s.</translation>
    </message>
    <message numerus="yes">
        <source>Over %n days of practice: right at the first try from %1% to %2%, median answer time from %3 s to %4 s.</source>
        <translation>
            <numerusform>Sur %n jour de pratique&#xa0;: justes au premier essai de %1&#xa0;% à %2&#xa0;%, temps de réponse médian de %3&#xa0;s à %4&#xa0;s.</numerusform>
            <numerusform>Sur %n jours de pratique&#xa0;: justes au premier essai de %1&#xa0;% à %2&#xa0;%, temps de réponse médian de %3&#xa0;s à %4&#xa0;s.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Over the last %n sessions: right at the first try from %1% to %2%, median answer time from %3 s to %4 s.</source>
        <translation>
            <numerusform>Sur la dernière séance (%n)&#xa0;: justes au premier essai de %1&#xa0;% à %2&#xa0;%, temps de réponse médian de %3&#xa0;s à %4&#xa0;s.</numerusform>
            <numerusform>Sur les %n dernières séances&#xa0;: justes au premier essai de %1&#xa0;% à %2&#xa0;%, temps de réponse médian de %3&#xa0;s à %4&#xa0;s.</numerusform>
        </translation>
    </message>
    <message>
        <source>It practised weak notes.</source>
        <translation>Elle a travaillé les notes difficiles.</translation>
    </message>
    <message numerus="yes">
        <source>%n of them practised weak notes.</source>
        <translation>
            <numerusform>%n d&apos;entre elles a travaillé les notes difficiles.</numerusform>
            <numerusform>%n d&apos;entre elles ont travaillé les notes difficiles.</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep practising to get a forecast.</source>
        <translation>Continuez à vous exercer pour obtenir une prévision.</translation>
    </message>
    <message>
        <source>Every note of this pool is fluent now.</source>
        <translation>Toutes les notes de cette sélection sont acquises maintenant.</translation>
    </message>
    <message numerus="yes">
        <source>Fluent in about %n days at your pace.</source>
        <translation>
            <numerusform>Acquises dans environ %n jour à votre rythme.</numerusform>
            <numerusform>Acquises dans environ %n jours à votre rythme.</numerusform>
        </translation>
    </message>
    <message>
        <source>No answers yet: the map and the trends fill in as you practise.</source>
        <translation>Pas encore de réponses : la carte et les tendances se remplissent à mesure que vous travaillez.</translation>
    </message>
    <message>
        <source>The practice journal could not be read.</source>
        <translation>Le journal d&apos;entraînement n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Juste</translation>
    </message>
    <message>
        <source>Accidental on the note missed</source>
        <translation>Altération de la note oubliée</translation>
    </message>
    <message>
        <source>Key signature ignored</source>
        <translation>Armure ignorée</translation>
    </message>
    <message>
        <source>Wrong octave</source>
        <translation>Mauvaise octave</translation>
    </message>
    <message>
        <source>Ledger lines miscounted</source>
        <translation>Lignes supplémentaires mal comptées</translation>
    </message>
    <message>
        <source>One step off</source>
        <translation>Un degré à côté</translation>
    </message>
    <message>
        <source>Two steps off</source>
        <translation>Deux degrés à côté</translation>
    </message>
    <message>
        <source>Read in the other clef</source>
        <translation>Lue dans l&apos;autre clé</translation>
    </message>
    <message>
        <source>C clef read as treble or bass</source>
        <translation>Clé d&apos;ut lue comme clé de sol ou de fa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Days with practice in the last %1: %2, with %3 questions. Days in a row: %4 (the longest run: %5).</source>
        <translation>Jours d&apos;entraînement sur les %1 derniers : %2, avec %3 questions. Jours d&apos;affilée : %4 (la plus longue série : %5).</translation>
    </message>
</context>
<context>
    <name>Staff</name>
    <message>
        <source>on the first line</source>
        <translation>sur la première ligne</translation>
    </message>
    <message>
        <source>on the second line</source>
        <translation>sur la deuxième ligne</translation>
    </message>
    <message>
        <source>on the third line</source>
        <translation>sur la troisième ligne</translation>
    </message>
    <message>
        <source>on the fourth line</source>
        <translation>sur la quatrième ligne</translation>
    </message>
    <message>
        <source>on the fifth line</source>
        <translation>sur la cinquième ligne</translation>
    </message>
    <message>
        <source>in the first space</source>
        <translation>dans le premier interligne</translation>
    </message>
    <message>
        <source>in the second space</source>
        <translation>dans le deuxième interligne</translation>
    </message>
    <message>
        <source>in the third space</source>
        <translation>dans le troisième interligne</translation>
    </message>
    <message>
        <source>in the fourth space</source>
        <translation>dans le quatrième interligne</translation>
    </message>
    <message>
        <source>Key signature of one sharp.</source>
        <translation>Armure d&apos;un dièse.</translation>
    </message>
    <message>
        <source>Key signature of two sharps.</source>
        <translation>Armure de deux dièses.</translation>
    </message>
    <message>
        <source>Key signature of three sharps.</source>
        <translation>Armure de trois dièses.</translation>
    </message>
    <message>
        <source>Key signature of four sharps.</source>
        <translation>Armure de quatre dièses.</translation>
    </message>
    <message>
        <source>Key signature of five sharps.</source>
        <translation>Armure de cinq dièses.</translation>
    </message>
    <message>
        <source>Key signature of six sharps.</source>
        <translation>Armure de six dièses.</translation>
    </message>
    <message>
        <source>Key signature of one flat.</source>
        <translation>Armure d&apos;un bémol.</translation>
    </message>
    <message>
        <source>Key signature of two flats.</source>
        <translation>Armure de deux bémols.</translation>
    </message>
    <message>
        <source>Key signature of three flats.</source>
        <translation>Armure de trois bémols.</translation>
    </message>
    <message>
        <source>Key signature of four flats.</source>
        <translation>Armure de quatre bémols.</translation>
    </message>
    <message>
        <source>Key signature of five flats.</source>
        <translation>Armure de cinq bémols.</translation>
    </message>
    <message>
        <source>Key signature of six flats.</source>
        <translation>Armure de six bémols.</translation>
    </message>
    <message>
        <source>Staff with a treble clef.</source>
        <translation>Portée en clé de sol.</translation>
    </message>
    <message>
        <source>Staff with a bass clef.</source>
        <translation>Portée en clé de fa.</translation>
    </message>
    <message>
        <source>Staff with an alto clef.</source>
        <translation>Portée en clé d&apos;ut troisième ligne.</translation>
    </message>
    <message>
        <source>Staff with a tenor clef.</source>
        <translation>Portée en clé d&apos;ut quatrième ligne.</translation>
    </message>
    <message>
        <source>first</source>
        <comment>of ledger lines</comment>
        <translation>première</translation>
    </message>
    <message>
        <source>second</source>
        <comment>of ledger lines</comment>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>third</source>
        <comment>of ledger lines</comment>
        <translation>troisième</translation>
    </message>
    <message>
        <source>fourth</source>
        <comment>of ledger lines</comment>
        <translation>quatrième</translation>
    </message>
    <message>
        <source>fifth</source>
        <comment>of ledger lines</comment>
        <translation>cinquième</translation>
    </message>
    <message>
        <source>sixth</source>
        <comment>of ledger lines</comment>
        <translation>sixième</translation>
    </message>
    <message>
        <source>seventh</source>
        <comment>of ledger lines</comment>
        <translation>septième</translation>
    </message>
    <message>
        <source>on the %1 ledger line below</source>
        <translation>sur la %1 ligne supplémentaire inférieure</translation>
    </message>
    <message>
        <source>in the space below the %1 ledger line below</source>
        <translation>dans l&apos;espace sous la %1 ligne supplémentaire inférieure</translation>
    </message>
    <message>
        <source>on the %1 ledger line above</source>
        <translation>sur la %1 ligne supplémentaire supérieure</translation>
    </message>
    <message>
        <source>in the space above the %1 ledger line above</source>
        <translation>dans l&apos;espace au-dessus de la %1 ligne supplémentaire supérieure</translation>
    </message>
    <message>
        <source>No key signature.</source>
        <translation>Pas d&apos;armure.</translation>
    </message>
    <message>
        <source>Grand staff with a treble clef and a bass clef.</source>
        <translation>Grande portée avec une clé de sol et une clé de fa.</translation>
    </message>
    <message>
        <source>The note is %1.</source>
        <translation>La note est %1.</translation>
    </message>
    <message>
        <source>The note is on the ledger line between the staves.</source>
        <translation>La note est sur la ligne supplémentaire entre les deux portées.</translation>
    </message>
    <message>
        <source>The note is on the treble staff, %1.</source>
        <translation>La note est sur la portée en clé de sol, %1.</translation>
    </message>
    <message>
        <source>The note is on the bass staff, %1.</source>
        <translation>La note est sur la portée en clé de fa, %1.</translation>
    </message>
    <message>
        <source>A sharp stands before it.</source>
        <translation>Elle est précédée d&apos;un dièse.</translation>
    </message>
    <message>
        <source>A flat stands before it.</source>
        <translation>Elle est précédée d&apos;un bémol.</translation>
    </message>
    <message>
        <source>A natural sign stands before it.</source>
        <translation>Elle est précédée d&apos;un bécarre.</translation>
    </message>
    <message>
        <source>No note is shown.</source>
        <translation>Aucune note n&apos;est affichée.</translation>
    </message>
    <message>
        <source>Reading note %1 of %2.</source>
        <translation>Lecture de la note %1 sur %2.</translation>
    </message>
    <message>
        <source>in the space below the bottom line</source>
        <translation>dans l&apos;espace sous la première ligne</translation>
    </message>
    <message>
        <source>in the space above the top line</source>
        <translation>dans l&apos;espace au-dessus de la cinquième ligne</translation>
    </message>
</context>
<context>
    <name>Status</name>
    <message>
        <source>%1.%2 s</source>
        <comment>seconds, with one decimal</comment>
        <translation>%1,%2 s</translation>
    </message>
</context>
<context>
    <name>lintra::frontend::SoundInputDialog</name>
    <message>
        <source>Sound Input</source>
        <translation>Entrée audio</translation>
    </message>
    <message>
        <source>Listen to:</source>
        <translation>Écouter :</translation>
    </message>
    <message>
        <source>The system&apos;s default input</source>
        <translation>L&apos;entrée par défaut du système</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Niveau d&apos;entrée</translation>
    </message>
    <message>
        <source>The meter moves while &quot;Answer by Microphone&quot; is on.</source>
        <translation>L&apos;indicateur bouge tant que « Répondre au microphone » est activé.</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Niveau :</translation>
    </message>
</context>
<context>
    <name>lintra::progress::CalendarChart</name>
    <message>
        <source>Days of practice</source>
        <translation>Jours d&apos;entraînement</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Plus</translation>
    </message>
</context>
<context>
    <name>lintra::progress::MapLegend</name>
    <message>
        <source>new: fewer than %1 tries</source>
        <translation>nouvelle&#xa0;: moins de %1 essais</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>en apprentissage</translation>
    </message>
    <message>
        <source>fluent: more likely read right at sight than not</source>
        <translation>acquise&#xa0;: plus souvent lue juste à vue que non</translation>
    </message>
    <message>
        <source>Under each note: its state, how sure the trainer is, in per cent, that you read it fluently, and its name.</source>
        <translation>Sous chaque note&#xa0;: son état, la certitude du programme, en pour cent, que vous la lisez couramment, et son nom.</translation>
    </message>
</context>
<context>
    <name>lintra::progress::MasteryTable</name>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Per cent</source>
        <translation>Pour cent</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Réponses</translation>
    </message>
    <message>
        <source>Notes of the pool as a table</source>
        <translation>Notes de la sélection en tableau</translation>
    </message>
</context>
<context>
    <name>lintra::progress::ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Trends</source>
        <translation>Tendances</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>Par jour</translation>
    </message>
    <message>
        <source>Day (the days with practice of the last %1)</source>
        <translation>Jour (jours de pratique parmi les %1 derniers)</translation>
    </message>
    <message>
        <source>Per practice session</source>
        <translation>Par séance de travail</translation>
    </message>
    <message>
        <source>Session (last %1, oldest first)</source>
        <translation>Séance (les %1 dernières, la plus ancienne d&apos;abord)</translation>
    </message>
    <message>
        <source>Mistakes of the last seven days</source>
        <translation>Erreurs des sept derniers jours</translation>
    </message>
    <message>
        <source>Export Journal...</source>
        <translation>Exporter le journal...</translation>
    </message>
    <message>
        <source>Reset Progress...</source>
        <translation>Réinitialiser les progrès...</translation>
    </message>
    <message>
        <source>%1: %2. For example: %3.</source>
        <translation>%1&#xa0;: %2. Par exemple&#xa0;: %3.</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Aucune.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>&amp;Key:</source>
        <translation>&amp;Tonalité&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Clef:</source>
        <translation>&amp;Clé&#xa0;:</translation>
    </message>
    <message>
        <source>Mastery map</source>
        <translation>Carte de maîtrise</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
</context>
<context>
    <name>lintra::progress::TrendChart</name>
    <message>
        <source>first-try accuracy</source>
        <translation>justesse au premier essai</translation>
    </message>
    <message>
        <source>median response time</source>
        <translation>temps de réponse médian</translation>
    </message>
    <message>
        <source>accuracy %</source>
        <translation>justesse en %</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>No answers in this period</source>
        <translation>Aucune réponse sur cette période</translation>
    </message>
    <message>
        <source>grey band: a session that practised weak notes</source>
        <translation>bande grise&#xa0;: une séance sur les notes difficiles</translation>
    </message>
</context>
</TS>
