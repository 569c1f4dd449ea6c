<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
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
    <name>lintra::progress::ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Progrès</translation>
    </message>
    <message>
        <source>Notes of the current pool</source>
        <translation>Notes de la sélection actuelle</translation>
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
</context>
</TS>
