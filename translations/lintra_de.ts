<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>Task</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Antwort</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>Notensystem</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punktzahl</translation>
    </message>
    <message>
        <source>Correct answers</source>
        <translation>Richtige Antworten</translation>
    </message>
    <message>
        <source>Question pool</source>
        <translation>Notenauswahl</translation>
    </message>
    <message>
        <source>Device settings</source>
        <translation>Geräteeinstellungen</translation>
    </message>
    <message>
        <source>Correct Answers:</source>
        <translation>Richtige Antworten:</translation>
    </message>
    <message>
        <source>Time and mistake</source>
        <translation>Zeit und Fehler</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Today&apos;s goal is met: %1 of %2.</source>
        <translation>Tagesziel erreicht: %1 von %2.</translation>
    </message>
    <message>
        <source>Today: %1 of %2.</source>
        <translation>Heute: %1 von %2.</translation>
    </message>
    <message>
        <source>1 day in a row.</source>
        <translation>1 Tag in Folge.</translation>
    </message>
    <message numerus="yes">
        <source>%n days in a row.</source>
        <translation>
            <numerusform>%n Tag in Folge.</numerusform>
            <numerusform>%n Tage in Folge.</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily Goal</source>
        <translation>Tagesziel</translation>
    </message>
    <message>
        <source>Questions a day (empty or 0 for no goal):</source>
        <translation>Fragen pro Tag (leer oder 0 für kein Ziel):</translation>
    </message>
    <message>
        <source>Please enter a whole number of questions from 0 to 10000.</source>
        <translation>Bitte eine ganze Zahl von Fragen zwischen 0 und 10000 eingeben.</translation>
    </message>
    <message>
        <source>The goal applies until the program ends.</source>
        <translation>Das Ziel gilt, bis das Programm beendet wird.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Play scale-steps of C Major</source>
        <translation>Spiele die Tonleiterstufen von C-Dur</translation>
    </message>
    <message>
        <source>Play scale-steps of G Major</source>
        <translation>Spiele die Tonleiterstufen von G-Dur</translation>
    </message>
    <message>
        <source>Play scale-steps of D Major</source>
        <translation>Spiele die Tonleiterstufen von D-Dur</translation>
    </message>
    <message>
        <source>Play scale-steps of A Major</source>
        <translation>Spiele die Tonleiterstufen von A-Dur</translation>
    </message>
    <message>
        <source>Play scale-steps of E Major</source>
        <translation>Spiele die Tonleiterstufen von E-Dur</translation>
    </message>
    <message>
        <source>Play scale-steps of B Major</source>
        <translation>Spiele die Tonleiterstufen von H-Dur</translation>
    </message>
    <message>
        <source>Play scale-steps of F# Major</source>
        <translation>Spiele die Tonleiterstufen von Fis-Dur</translation>
    </message>
    <message>
        <source>Play scale-steps of F Major</source>
        <translation>Spiele die Tonleiterstufen von F-Dur</translation>
    </message>
    <message>
        <source>Play scale-steps of Bb Major</source>
        <translation>Spiele die Tonleiterstufen von B-Dur</translation>
    </message>
    <message>
        <source>Play scale-steps of Eb Major</source>
        <translation>Spiele die Tonleiterstufen von Es-Dur</translation>
    </message>
    <message>
        <source>Play scale-steps of Ab Major</source>
        <translation>Spiele die Tonleiterstufen von As-Dur</translation>
    </message>
    <message>
        <source>Play scale-steps of Db Major</source>
        <translation>Spiele die Tonleiterstufen von Des-Dur</translation>
    </message>
    <message>
        <source>Play scale-steps of Gb Major</source>
        <translation>Spiele die Tonleiterstufen von Ges-Dur</translation>
    </message>
    <message>
        <source>Play scale-steps of A Harmonic Minor</source>
        <translation>Spiele die Tonleiterstufen von a-Moll harmonisch</translation>
    </message>
    <message>
        <source>Play scale-steps of E Harmonic Minor</source>
        <translation>Spiele die Tonleiterstufen von e-Moll harmonisch</translation>
    </message>
    <message>
        <source>Play scale-steps of B Harmonic Minor</source>
        <translation>Spiele die Tonleiterstufen von h-Moll harmonisch</translation>
    </message>
    <message>
        <source>Play scale-steps of F# Harmonic Minor</source>
        <translation>Spiele die Tonleiterstufen von fis-Moll harmonisch</translation>
    </message>
    <message>
        <source>Play scale-steps of C# Harmonic Minor-</source>
        <translation>Spiele die Tonleiterstufen von cis-Moll harmonisch</translation>
    </message>
    <message>
        <source>Play scale-steps of D Harmonic Minor</source>
        <translation>Spiele die Tonleiterstufen von d-Moll harmonisch</translation>
    </message>
    <message>
        <source>Play scale-steps of G Harmonic Minor</source>
        <translation>Spiele die Tonleiterstufen von g-Moll harmonisch</translation>
    </message>
    <message>
        <source>Play scale-steps of C Harmonic Minor</source>
        <translation>Spiele die Tonleiterstufen von c-Moll harmonisch</translation>
    </message>
    <message>
        <source>Play scale-steps of F Harmonic Minor</source>
        <translation>Spiele die Tonleiterstufen von f-Moll harmonisch</translation>
    </message>
    <message>
        <source>Play scale-steps of Bb Harmonic Minor</source>
        <translation>Spiele die Tonleiterstufen von b-Moll harmonisch</translation>
    </message>
    <message>
        <source>Play scale-steps of Eb Harmonic Minor</source>
        <translation>Spiele die Tonleiterstufen von es-Moll harmonisch</translation>
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
        <translation>Nächste Frage</translation>
    </message>
    <message>
        <source>Next Answer?</source>
        <translation>Lösung zeigen?</translation>
    </message>
    <message>
        <source>Correct Answers:</source>
        <translation>Richtige Antworten:</translation>
    </message>
    <message>
        <source>Inputs:</source>
        <translation>Eingänge:</translation>
    </message>
    <message>
        <source>Outputs:</source>
        <translation>Ausgänge:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>That is correct: %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Noch einmal!</translation>
    </message>
    <message>
        <source>Play notes from the Chromatic Scale</source>
        <translation>Spiele Töne der chromatischen Tonleiter</translation>
    </message>
    <message>
        <source>Click keyboard to see notation.</source>
        <translation>Klicken Sie auf die Tastatur, um die Note im Notensystem zu sehen.</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Gespielt: %1</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Aufstieg</translation>
    </message>
    <message>
        <source>New Scale</source>
        <translation>Neue Tonleiter</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>See Notes/Play Keyboard</source>
        <translation>Noten sehen/Tasten spielen</translation>
    </message>
    <message>
        <source>Play Keyboard/See Notes</source>
        <translation>Tasten spielen/Noten sehen</translation>
    </message>
    <message>
        <source>Flats</source>
        <translation>Be-Vorzeichen</translation>
    </message>
    <message>
        <source>Sharps</source>
        <translation>Kreuz-Vorzeichen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tonarten</translation>
    </message>
    <message>
        <source>Major Scale Notes</source>
        <translation>Töne der Dur-Tonleiter</translation>
    </message>
    <message>
        <source>C Major</source>
        <translation>C-Dur</translation>
    </message>
    <message>
        <source>F Major</source>
        <translation>F-Dur</translation>
    </message>
    <message>
        <source>G Major</source>
        <translation>G-Dur</translation>
    </message>
    <message>
        <source>Bb Major</source>
        <translation>B-Dur</translation>
    </message>
    <message>
        <source>D Major</source>
        <translation>D-Dur</translation>
    </message>
    <message>
        <source>Eb Major</source>
        <translation>Es-Dur</translation>
    </message>
    <message>
        <source>A Major</source>
        <translation>A-Dur</translation>
    </message>
    <message>
        <source>Ab Major</source>
        <translation>As-Dur</translation>
    </message>
    <message>
        <source>E Major</source>
        <translation>E-Dur</translation>
    </message>
    <message>
        <source>Db Major</source>
        <translation>Des-Dur</translation>
    </message>
    <message>
        <source>B Major</source>
        <translation>H-Dur</translation>
    </message>
    <message>
        <source>Gb Major</source>
        <translation>Ges-Dur</translation>
    </message>
    <message>
        <source>F# Major</source>
        <translation>Fis-Dur</translation>
    </message>
    <message>
        <source>Minor Scale Notes</source>
        <translation>Töne der Moll-Tonleiter</translation>
    </message>
    <message>
        <source>A Minor</source>
        <translation>a-Moll</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>d-Moll</translation>
    </message>
    <message>
        <source>E Minor</source>
        <translation>e-Moll</translation>
    </message>
    <message>
        <source>G Minor</source>
        <translation>g-Moll</translation>
    </message>
    <message>
        <source>B Minor</source>
        <translation>h-Moll</translation>
    </message>
    <message>
        <source>C Minor</source>
        <translation>c-Moll</translation>
    </message>
    <message>
        <source>F# Minor</source>
        <translation>fis-Moll</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>f-Moll</translation>
    </message>
    <message>
        <source>C# Minor</source>
        <translation>cis-Moll</translation>
    </message>
    <message>
        <source>Bb Minor</source>
        <translation>b-Moll</translation>
    </message>
    <message>
        <source>Eb Minor</source>
        <translation>es-Moll</translation>
    </message>
    <message>
        <source>Chromatic Scale Notes</source>
        <translation>Töne der chromatischen Tonleiter</translation>
    </message>
    <message>
        <source>Clefs</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>Treble Clef Notes</source>
        <translation>Noten im Violinschlüssel</translation>
    </message>
    <message>
        <source>Bass Clef Notes</source>
        <translation>Noten im Bassschlüssel</translation>
    </message>
    <message>
        <source>Grand Staff Notes</source>
        <translation>Noten im Klaviersystem</translation>
    </message>
    <message>
        <source>Note Names On?</source>
        <translation>Namen ein?</translation>
    </message>
    <message>
        <source>Note Names On</source>
        <translation>Notennamen ein</translation>
    </message>
    <message>
        <source>Note Names Off</source>
        <translation>Notennamen aus</translation>
    </message>
    <message>
        <source>Syllables?</source>
        <translation>Silben?</translation>
    </message>
    <message>
        <source>Syllable Note Names</source>
        <translation>Notennamen als Silben (Do, Re, Mi)</translation>
    </message>
    <message>
        <source>Letter Note Names</source>
        <translation>Notennamen als Buchstaben</translation>
    </message>
    <message>
        <source>Midi</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>Inputs/Outputs</source>
        <translation>Ein- und Ausgänge</translation>
    </message>
    <message>
        <source>Midi in On/Off</source>
        <translation>MIDI-Eingang ein/aus</translation>
    </message>
    <message>
        <source>Midi In On</source>
        <translation>MIDI-Eingang ein</translation>
    </message>
    <message>
        <source>Midi In Off</source>
        <translation>MIDI-Eingang aus</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrument</translation>
    </message>
    <message>
        <source>Sustain?</source>
        <translation>Nachklang?</translation>
    </message>
    <message>
        <source>Sustain On</source>
        <translation>Nachklang ein</translation>
    </message>
    <message>
        <source>Sustain Off</source>
        <translation>Nachklang aus</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Alle Töne aus</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Aufstieg</translation>
    </message>
    <message>
        <source>AutoAdvance</source>
        <translation>Automatisch aufsteigen</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>AutoModulate</source>
        <translation>Automatisch modulieren</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Show Progress...</source>
        <translation>Fortschritt anzeigen...</translation>
    </message>
    <message>
        <source>Export Journal...</source>
        <translation>Übungsprotokoll exportieren...</translation>
    </message>
    <message>
        <source>Reset Progress...</source>
        <translation>Fortschritt zurücksetzen...</translation>
    </message>
    <message>
        <source>Practise Weak Notes</source>
        <translation>Unsichere Noten üben</translation>
    </message>
    <message>
        <source>Show Time and Mistake</source>
        <translation>Zeit und Fehler anzeigen</translation>
    </message>
    <message>
        <source>Resume Where I Left Off</source>
        <translation>Beim letzten Stand weitermachen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Middle C Is C4</source>
        <translation>Mittleres C ist C4</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Program Help</source>
        <translation>Programmhilfe</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Answer by Microphone</source>
        <translation>Mit dem Mikrofon antworten</translation>
    </message>
    <message>
        <source>Sound Input...</source>
        <translation>Audioeingang...</translation>
    </message>
    <message>
        <source>Listen While Notes Sound (Headphones)</source>
        <translation>Zuhören, während Töne klingen (Kopfhörer)</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Read a Line</source>
        <translation>Eine Zeile lesen</translation>
    </message>
    <message>
        <source>Line Length</source>
        <translation>Länge der Zeile</translation>
    </message>
    <message>
        <source>4 Notes</source>
        <translation>4 Noten</translation>
    </message>
    <message>
        <source>6 Notes</source>
        <translation>6 Noten</translation>
    </message>
    <message>
        <source>8 Notes</source>
        <translation>8 Noten</translation>
    </message>
    <message>
        <source>Largest Leap</source>
        <translation>Größter Sprung</translation>
    </message>
    <message>
        <source>A Third</source>
        <translation>Eine Terz</translation>
    </message>
    <message>
        <source>A Fifth</source>
        <translation>Eine Quinte</translation>
    </message>
    <message>
        <source>An Octave</source>
        <translation>Eine Oktave</translation>
    </message>
    <message>
        <source>Alto Clef</source>
        <translation>Altschlüssel</translation>
    </message>
    <message>
        <source>Tenor Clef</source>
        <translation>Tenorschlüssel</translation>
    </message>
    <message>
        <source>Choose Range...</source>
        <translation>Tonumfang wählen...</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Sprache...</translation>
    </message>
    <message>
        <source>Letters?</source>
        <translation>Buchstaben?</translation>
    </message>
    <message>
        <source>Note Names Off?</source>
        <translation>Namen aus?</translation>
    </message>
    <message>
        <source>Daily Goal...</source>
        <translation>Tagesziel...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>the default sound input</source>
        <translation>den Standard-Audioeingang</translation>
    </message>
    <message>
        <source>Lintra cannot listen to %1: %2. Answer on the keyboard, or choose another sound input with &quot;Sound Input...&quot; in the &quot;Microphone&quot; menu.</source>
        <translation>Lintra kann %1 nicht hören: %2. Antworten Sie auf der Tastatur oder wählen Sie mit „Audioeingang...“ im Menü „Mikrofon“ einen anderen Audioeingang.</translation>
    </message>
    <message>
        <source>Lintra no longer hears %1, so answers by microphone have stopped. Answer on the keyboard, or choose a sound input with &quot;Sound Input...&quot; in the &quot;Microphone&quot; menu.</source>
        <translation>Lintra hört %1 nicht mehr, daher sind die Antworten per Mikrofon beendet. Antworten Sie auf der Tastatur oder wählen Sie mit „Audioeingang...“ im Menü „Mikrofon“ einen Audioeingang.</translation>
    </message>
    <message>
        <source>The choice applies until the program ends.</source>
        <translation>Die Auswahl gilt, bis das Programm beendet wird.</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>Die Sprache des Desktops</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The trainer speaks:</source>
        <translation>Das Programm spricht:</translation>
    </message>
    <message>
        <source>The language you chose is used from the next start of the trainer.</source>
        <translation>Die gewählte Sprache gilt ab dem nächsten Start des Programms.</translation>
    </message>
    <message>
        <source>Thank you for practising with Lintra. The maker&apos;s web site offers more training programs for musicians.</source>
        <translation>Danke, dass Sie mit Lintra geübt haben. Die Website des Herstellers bietet weitere Übungsprogramme für Musiker.</translation>
    </message>
    <message>
        <source>Lintra Trainer, version 3.1 (2026).
A trainer for reading music notation.

This software is provided as is, without warranties of any kind. The seller&apos;s liability is limited to the replacement of the software or the refund of its price.

Music symbols from the Lintra Music font, made from the Emmentaler font of the LilyPond project (SIL Open Font License 1.1).</source>
        <translation>Lintra Trainer, Version 3.1 (2026).
Ein Trainer zum Notenlesen.

Diese Software wird ohne Mängelgewähr und ohne jede Garantie bereitgestellt. Die Haftung des Verkäufers ist auf den Ersatz der Software oder die Erstattung ihres Preises beschränkt.

Musiksymbole aus der Schrift Lintra Music, entstanden aus der Schrift Emmentaler des LilyPond-Projekts (SIL Open Font License 1.1).</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>The help page could not be opened. It is the file &quot;%1&quot;; open it in a web browser to read it.</source>
        <translation>Die Hilfeseite konnte nicht geöffnet werden. Es ist die Datei „%1“; öffnen Sie sie in einem Webbrowser, um sie zu lesen.</translation>
    </message>
    <message>
        <source>The answer is: %1</source>
        <translation>Die Antwort ist: %1</translation>
    </message>
    <message>
        <source>Keyboard out of range.</source>
        <translation>Ton außerhalb des Tastaturumfangs.</translation>
    </message>
    <message>
        <source>%1 : Correct answers?</source>
        <translation>%1 : Richtige Antworten?</translation>
    </message>
    <message>
        <source>How many correct answers?</source>
        <translation>Wie viele richtige Antworten?</translation>
    </message>
    <message>
        <source>%1 : Score?</source>
        <translation>%1 : Punktzahl?</translation>
    </message>
    <message>
        <source>What percent correct answers?</source>
        <translation>Wie viel Prozent richtige Antworten?</translation>
    </message>
    <message>
        <source>Chromatic scale notes on the Grand Staff is the higest level. Select a Major or minor key, a clef or Grand Staff, then set AutoAdvance On.</source>
        <translation>Töne der chromatischen Tonleiter im Klaviersystem sind die höchste Stufe. Wählen Sie eine Dur- oder Molltonart, einen Notenschlüssel oder das Klaviersystem und schalten Sie dann den automatischen Aufstieg ein.</translation>
    </message>
    <message>
        <source>Under Mode Menu, Click &quot;See Notes/Play Keyboard&quot; to use the AutoAdvance Feature.</source>
        <translation>Klicken Sie im Menü „Modus“ auf „Noten sehen/Tasten spielen“, um den automatischen Aufstieg zu nutzen.</translation>
    </message>
    <message>
        <source>Under Mode Menu, Click &quot;See Notes/Play Keyboard&quot; to use the AutoModulate Feature.</source>
        <translation>Klicken Sie im Menü „Modus“ auf „Noten sehen/Tasten spielen“, um das automatische Modulieren zu nutzen.</translation>
    </message>
    <message>
        <source>There are no Key centers in the chromatic scale. Select a Major or minor key, select a clef, then set AutoModulate On</source>
        <translation>Die chromatische Tonleiter hat kein tonales Zentrum. Wählen Sie eine Dur- oder Molltonart und einen Notenschlüssel und schalten Sie dann das automatische Modulieren ein.</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score of more than %2%. Advance to next level?</source>
        <translation>Glückwunsch! Sie haben %1 oder mehr richtige Antworten mit mehr als %2 % Treffern. Zur nächsten Stufe aufsteigen?</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score more than %2%. Change scale and key?</source>
        <translation>Glückwunsch! Sie haben %1 oder mehr richtige Antworten mit mehr als %2 % Treffern. Tonleiter und Tonart wechseln?</translation>
    </message>
    <message>
        <source>The practice journal cannot be written (%1). The trainer goes on and keeps your answers: it tries again to save them, and when you close it, it offers to export any it could not save.</source>
        <translation>Das Übungsprotokoll kann nicht geschrieben werden (%1). Der Trainer läuft weiter und behält Ihre Antworten: Er versucht erneut, sie zu speichern, und beim Schließen bietet er an, alle zu exportieren, die er nicht speichern konnte.</translation>
    </message>
    <message>
        <source>Another Lintra window is open with the same practice journal. Your answers in both are kept; to reset your progress, close the other window first.</source>
        <translation>Ein weiteres Lintra-Fenster ist mit demselben Übungsprotokoll geöffnet. Ihre Antworten in beiden bleiben erhalten; um Ihren Fortschritt zurückzusetzen, schließen Sie zuerst das andere Fenster.</translation>
    </message>
    <message>
        <source>Your progress was not reset: another Lintra window is using the same practice journal. Close it, then try again.</source>
        <translation>Ihr Fortschritt wurde nicht zurückgesetzt: Ein anderes Lintra-Fenster verwendet dasselbe Übungsprotokoll. Schließen Sie es und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Your progress was not reset: some answers are not yet saved in the practice journal (%1). Try again once it can be written.</source>
        <translation>Ihr Fortschritt wurde nicht zurückgesetzt: Einige Antworten sind noch nicht im Übungsprotokoll gespeichert (%1). Versuchen Sie es erneut, sobald es geschrieben werden kann.</translation>
    </message>
    <message>
        <source>Your progress was not reset: the practice journal could not be set aside as a backup (%1). It is kept as it was.</source>
        <translation>Ihr Fortschritt wurde nicht zurückgesetzt: Das Übungsprotokoll konnte nicht als Sicherung beiseitegelegt werden (%1). Es bleibt, wie es war.</translation>
    </message>
    <message>
        <source>Your progress was not reset: a new practice journal could not be made (%1). The old one is kept as it was.</source>
        <translation>Ihr Fortschritt wurde nicht zurückgesetzt: Ein neues Übungsprotokoll konnte nicht angelegt werden (%1). Das alte bleibt, wie es war.</translation>
    </message>
    <message>
        <source>Answers not saved in the practice journal: %1. Export them, with all the others, to a file before the trainer closes? If not, they are lost.</source>
        <translation>Nicht im Übungsprotokoll gespeicherte Antworten: %1. Sollen sie mit allen anderen in eine Datei exportiert werden, bevor der Trainer schließt? Sonst gehen sie verloren.</translation>
    </message>
    <message>
        <source>The file holds every answer, also those not yet saved in the practice journal: %1. The trainer keeps trying to save them.</source>
        <translation>Die Datei enthält jede Antwort, auch die noch nicht im Übungsprotokoll gespeicherten: %1. Der Trainer versucht weiter, sie zu speichern.</translation>
    </message>
    <message>
        <source>The journal could not be exported to &quot;%1&quot;: the disk is full. Make room on it, or choose another place, and try again.</source>
        <translation>Das Protokoll konnte nicht nach „%1“ exportiert werden: Die Festplatte ist voll. Schaffen Sie dort Platz oder wählen Sie einen anderen Ort, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The practice journal could not be read, so it was not exported.</source>
        <translation>Das Übungsprotokoll konnte nicht gelesen werden und wurde daher nicht exportiert.</translation>
    </message>
    <message>
        <source>Answers not yet saved in the practice journal: %1. They are shown here, and the trainer keeps trying to save them.</source>
        <translation>Noch nicht im Übungsprotokoll gespeicherte Antworten: %1. Sie werden hier angezeigt, und der Trainer versucht weiter, sie zu speichern.</translation>
    </message>
    <message>
        <source>No note of this key and clef lies between %1 and %2, the range you chose, so all of its notes are asked until you choose another range.</source>
        <translation>Keine Note dieser Tonart und dieses Schlüssels liegt zwischen %1 und %2, dem gewählten Tonumfang; deshalb werden alle ihre Noten abgefragt, bis Sie einen anderen Tonumfang wählen.</translation>
    </message>
    <message>
        <source>Choose Range</source>
        <translation>Tonumfang wählen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key of the keyboard. Type a letter, then # or b for a sharp or a flat, then the octave: a note from %2 to %3.</source>
        <translation>„%1“ ist keine Taste der Klaviatur. Geben Sie einen Buchstaben ein, dann # oder b für ein Kreuz oder ein B, dann die Oktave: eine Note von %2 bis %3.</translation>
    </message>
    <message>
        <source>The lowest note asked, from %1 to %2:</source>
        <translation>Die tiefste abgefragte Note, von %1 bis %2:</translation>
    </message>
    <message>
        <source>The highest note asked, from %1 to %2:</source>
        <translation>Die höchste abgefragte Note, von %1 bis %2:</translation>
    </message>
    <message>
        <source>No note of this key and clef lies between %1 and %2. The range stays from %3 to %4.</source>
        <translation>Keine Note dieser Tonart und dieses Schlüssels liegt zwischen %1 und %2. Der Tonumfang bleibt von %3 bis %4.</translation>
    </message>
    <message>
        <source>The practice journal was damaged. It is kept as &quot;%1&quot; and a new journal was started.</source>
        <translation>Das Übungsprotokoll war beschädigt. Es wird als „%1“ aufbewahrt, und ein neues Protokoll wurde begonnen.</translation>
    </message>
    <message>
        <source>The practice journal was written by a newer version of the trainer and is left as it is.</source>
        <translation>Das Übungsprotokoll wurde von einer neueren Version des Programms geschrieben und bleibt unverändert.</translation>
    </message>
    <message>
        <source>A new practice journal was started.</source>
        <translation>Ein neues Übungsprotokoll wurde begonnen.</translation>
    </message>
    <message>
        <source>A new practice journal was started. The old one is kept as &quot;%1&quot;.</source>
        <translation>Ein neues Übungsprotokoll wurde begonnen. Das alte wird als „%1“ aufbewahrt.</translation>
    </message>
    <message>
        <source>No practice journal is kept, so there is nothing to export.</source>
        <translation>Es wird kein Übungsprotokoll geführt, daher gibt es nichts zu exportieren.</translation>
    </message>
    <message>
        <source>Export Journal</source>
        <translation>Protokoll exportieren</translation>
    </message>
    <message>
        <source>The journal could not be exported to &quot;%1&quot;. Choose a folder where you may write files, and try again.</source>
        <translation>Das Protokoll konnte nicht nach „%1“ exportiert werden. Wählen Sie einen Ordner, in den Sie schreiben dürfen, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No practice journal is kept, so there is no progress to reset.</source>
        <translation>Es wird kein Übungsprotokoll geführt, daher gibt es keinen Fortschritt zurückzusetzen.</translation>
    </message>
    <message>
        <source>Start a new practice journal? The answers so far are kept in a backup file, and your progress starts again from nothing.</source>
        <translation>Ein neues Übungsprotokoll beginnen? Die bisherigen Antworten bleiben in einer Sicherungsdatei erhalten, und Ihr Fortschritt beginnt wieder bei null.</translation>
    </message>
    <message>
        <source>The Progress window cannot be shown here.</source>
        <translation>Das Fortschrittsfenster kann hier nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>The device choice cannot be saved: a device name is too long or holds a line break.</source>
        <translation>Die Geräteauswahl kann nicht gespeichert werden: ein Gerätename ist zu lang oder enthält einen Zeilenumbruch.</translation>
    </message>
    <message>
        <source>The device choice cannot be saved: the settings are too large.</source>
        <translation>Die Geräteauswahl kann nicht gespeichert werden: die Einstellungen sind zu groß.</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;: %2.</source>
        <translation>Der Ordner „%1“ kann nicht angelegt werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ kann nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The chosen MIDI output is not in the list of devices. Lintra plays through the built-in synthesizer instead.</source>
        <translation>Der gewählte MIDI-Ausgang ist nicht in der Geräteliste. Lintra spielt stattdessen über den eingebauten Synthesizer.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; cannot be used (%2). Lintra plays through the built-in synthesizer instead.</source>
        <translation>Der MIDI-Ausgang „%1“ kann nicht benutzt werden (%2). Lintra spielt stattdessen über den eingebauten Synthesizer.</translation>
    </message>
    <message>
        <source>the chosen device</source>
        <translation>das gewählte Gerät</translation>
    </message>
    <message>
        <source>MIDI output fails (%1). Notes may not sound.</source>
        <translation>Der MIDI-Ausgang versagt (%1). Die Töne erklingen womöglich nicht.</translation>
    </message>
    <message>
        <source>The built-in synthesizer is silent: %1. To hear the notes, choose another MIDI output with &quot;Inputs/Outputs&quot; in the &quot;Midi&quot; menu.</source>
        <translation>Der eingebaute Synthesizer ist stumm: %1. Um die Töne zu hören, wählen Sie mit „Ein- und Ausgänge“ im Menü „MIDI“ einen anderen MIDI-Ausgang.</translation>
    </message>
    <message>
        <source>MIDI Instrument</source>
        <translation>MIDI-Instrument</translation>
    </message>
    <message>
        <source>MIDI Instrument Number between 0 and 127?</source>
        <translation>MIDI-Instrumentnummer zwischen 0 und 127?</translation>
    </message>
    <message>
        <source>Please enter an instrument number between 0 and 127. The instrument stays %1.</source>
        <translation>Bitte geben Sie eine Instrumentnummer zwischen 0 und 127 ein. Das Instrument bleibt %1.</translation>
    </message>
    <message>
        <source>it could open no audio output</source>
        <translation>er konnte keinen Audioausgang öffnen</translation>
    </message>
    <message>
        <source>it found no sound font</source>
        <translation>er hat keine Klangbibliothek (SoundFont) gefunden</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; cannot be opened (%2). Notes will not sound.</source>
        <translation>Der MIDI-Ausgang „%1“ kann nicht geöffnet werden (%2). Die Töne erklingen nicht.</translation>
    </message>
    <message>
        <source>The device settings file &quot;%1&quot; is damaged.</source>
        <translation>Die Datei der Geräteeinstellungen „%1“ ist beschädigt.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>the device captures at an unusable rate (%1 Hz)</source>
        <translation>das Gerät nimmt mit einer unbrauchbaren Abtastrate auf (%1 Hz)</translation>
    </message>
    <message>
        <source>listening is not available: %1</source>
        <translation>das Zuhören ist nicht verfügbar: %1</translation>
    </message>
    <message>
        <source>the sound input could not be started: %1</source>
        <translation>der Audioeingang konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>no sound system could be reached</source>
        <translation>kein Audiosystem war erreichbar</translation>
    </message>
    <message>
        <source>there is no sound input</source>
        <translation>es gibt keinen Audioeingang</translation>
    </message>
    <message>
        <source>there is no sound input named &quot;%1&quot;</source>
        <translation>es gibt keinen Audioeingang namens „%1“</translation>
    </message>
    <message>
        <source>this trainer has no sound input</source>
        <translation>dieses Programm hat keinen Audioeingang</translation>
    </message>
    <message>
        <source>its module could not be loaded: %1</source>
        <translation>sein Modul konnte nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>MidiErrors</name>
    <message>
        <source>The operation completed successfully.</source>
        <translation>Der Vorgang wurde erfolgreich abgeschlossen.</translation>
    </message>
    <message>
        <source>An unspecified error occurred.</source>
        <translation>Ein nicht näher bezeichneter Fehler ist aufgetreten.</translation>
    </message>
    <message>
        <source>The specified device identifier is out of range.</source>
        <translation>Die angegebene Gerätekennung liegt außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <source>The driver is not enabled.</source>
        <translation>Der Treiber ist nicht aktiviert.</translation>
    </message>
    <message>
        <source>The specified device is already in use.</source>
        <translation>Das angegebene Gerät wird bereits verwendet.</translation>
    </message>
    <message>
        <source>The specified device handle is invalid.</source>
        <translation>Das angegebene Geräte-Handle ist ungültig.</translation>
    </message>
    <message>
        <source>There is no driver installed on your system.</source>
        <translation>Auf dem System ist kein Treiber installiert.</translation>
    </message>
    <message>
        <source>There is not enough memory available for this task.</source>
        <translation>Für diese Aufgabe ist nicht genügend Speicher verfügbar.</translation>
    </message>
    <message>
        <source>This function is not supported.</source>
        <translation>Diese Funktion wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to a system function.</source>
        <translation>Einer Systemfunktion wurde ein ungültiger Parameter übergeben.</translation>
    </message>
    <message>
        <source>The buffer header has not been prepared.</source>
        <translation>Der Pufferkopf wurde nicht vorbereitet.</translation>
    </message>
    <message>
        <source>The device is still using the buffers.</source>
        <translation>Das Gerät verwendet die Puffer noch.</translation>
    </message>
    <message>
        <source>The device is not ready.</source>
        <translation>Das Gerät ist nicht bereit.</translation>
    </message>
    <message>
        <source>The MIDI device has been disconnected.</source>
        <translation>Das MIDI-Gerät wurde getrennt.</translation>
    </message>
    <message>
        <source>The device could not be opened; another program may be using it.</source>
        <translation>Das Gerät konnte nicht geöffnet werden; vielleicht benutzt es ein anderes Programm.</translation>
    </message>
    <message>
        <source>Specified error number is out of range</source>
        <translation>Die angegebene Fehlernummer liegt außerhalb des gültigen Bereichs</translation>
    </message>
</context>
<context>
    <name>Mistakes</name>
    <message>
        <source>Read %1 in the treble clef as %2</source>
        <translation>%1 im Violinschlüssel als %2 gelesen</translation>
    </message>
    <message>
        <source>Read %1 in the bass clef as %2</source>
        <translation>%1 im Bassschlüssel als %2 gelesen</translation>
    </message>
    <message>
        <source>Read %1 in the alto clef as %2</source>
        <translation>%1 im Altschlüssel als %2 gelesen</translation>
    </message>
    <message>
        <source>Read %1 in the tenor clef as %2</source>
        <translation>%1 im Tenorschlüssel als %2 gelesen</translation>
    </message>
    <message>
        <source>the natural sign before the note cancels the key signature</source>
        <translation>das Auflösungszeichen vor der Note hebt die Vorzeichnung auf</translation>
    </message>
    <message>
        <source>the sharp before the note was missed</source>
        <translation>das Kreuz vor der Note wurde übersehen</translation>
    </message>
    <message>
        <source>the flat before the note was missed</source>
        <translation>das b vor der Note wurde übersehen</translation>
    </message>
    <message>
        <source>the right note, an octave too high</source>
        <translation>die richtige Note, eine Oktave zu hoch</translation>
    </message>
    <message>
        <source>the right note, an octave too low</source>
        <translation>die richtige Note, eine Oktave zu tief</translation>
    </message>
    <message>
        <source>the right note, %1 octaves too high</source>
        <translation>die richtige Note, %1 Oktaven zu hoch</translation>
    </message>
    <message>
        <source>the right note, %1 octaves too low</source>
        <translation>die richtige Note, %1 Oktaven zu tief</translation>
    </message>
    <message>
        <source>one step too low, the neighbouring space</source>
        <translation>eine Stufe zu tief, der benachbarte Zwischenraum</translation>
    </message>
    <message>
        <source>one step too low, the neighbouring line</source>
        <translation>eine Stufe zu tief, die benachbarte Linie</translation>
    </message>
    <message>
        <source>one step too high, the neighbouring space</source>
        <translation>eine Stufe zu hoch, der benachbarte Zwischenraum</translation>
    </message>
    <message>
        <source>one step too high, the neighbouring line</source>
        <translation>eine Stufe zu hoch, die benachbarte Linie</translation>
    </message>
    <message>
        <source>a space read as the next space down</source>
        <translation>ein Zwischenraum mit dem nächsten darunter verwechselt</translation>
    </message>
    <message>
        <source>a line read as the next line down</source>
        <translation>eine Linie mit der nächsten darunter verwechselt</translation>
    </message>
    <message>
        <source>a space read as the next space up</source>
        <translation>ein Zwischenraum mit dem nächsten darüber verwechselt</translation>
    </message>
    <message>
        <source>a line read as the next line up</source>
        <translation>eine Linie mit der nächsten darüber verwechselt</translation>
    </message>
    <message>
        <source>the key signature makes every %1 sharp</source>
        <translation>die Vorzeichnung erhöht jedes %1 um einen Halbton</translation>
    </message>
    <message>
        <source>the key signature makes every %1 flat</source>
        <translation>die Vorzeichnung erniedrigt jedes %1 um einen Halbton</translation>
    </message>
    <message>
        <source>the ledger lines miscounted, one step towards the staff</source>
        <translation>Hilfslinien verzählt, eine Stufe zum Notensystem hin</translation>
    </message>
    <message>
        <source>the ledger lines miscounted, two steps towards the staff</source>
        <translation>Hilfslinien verzählt, zwei Stufen zum Notensystem hin</translation>
    </message>
    <message>
        <source>the same place on the bass staff</source>
        <translation>dieselbe Stelle im unteren System</translation>
    </message>
    <message>
        <source>the same place on the treble staff</source>
        <translation>dieselbe Stelle im oberen System</translation>
    </message>
    <message>
        <source>the same place read in the treble clef</source>
        <translation>dieselbe Stelle wie im Violinschlüssel</translation>
    </message>
    <message>
        <source>the same place read in the bass clef</source>
        <translation>dieselbe Stelle wie im Bassschlüssel</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>im Lernen</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>sicher</translation>
    </message>
    <message>
        <source>No note of this pool has been asked in this key yet.</source>
        <translation>In dieser Tonart wurde noch keine Note dieser Auswahl abgefragt.</translation>
    </message>
    <message>
        <source>%1 of %2 notes fluent, %3 learning, %4 new.</source>
        <translation>%1 von %2 Noten sicher, %3 im Lernen, %4 neu.</translation>
    </message>
    <message>
        <source>Weakest: %1.</source>
        <translation>Am unsichersten: %1.</translation>
    </message>
    <message>
        <source>No answers in this key in the last %1 days.</source>
        <translation>Keine Antworten in dieser Tonart in den letzten %1 Tagen.</translation>
    </message>
    <message>
        <source>No session has practised this key yet.</source>
        <translation>Noch keine Übungseinheit hat diese Tonart geübt.</translation>
    </message>
    <message>
        <source>One day of practice: %1% right at the first try, median answer time %2 s.</source>
        <translation>Ein Übungstag: %1 % beim ersten Versuch richtig, Antwortzeit (Median) %2 s.</translation>
    </message>
    <message>
        <source>One session: %1% right at the first try, median answer time %2 s.</source>
        <translation>Eine Übungseinheit: %1 % beim ersten Versuch richtig, Antwortzeit (Median) %2 s.</translation>
    </message>
    <message numerus="yes">
        <source>Over %n days of practice: right at the first try from %1% to %2%, median answer time from %3 s to %4 s.</source>
        <translation>
            <numerusform>Über %n Übungstag: beim ersten Versuch richtig von %1 % auf %2 %, Antwortzeit (Median) von %3 s auf %4 s.</numerusform>
            <numerusform>Über %n Übungstage: beim ersten Versuch richtig von %1 % auf %2 %, Antwortzeit (Median) von %3 s auf %4 s.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Over the last %n sessions: right at the first try from %1% to %2%, median answer time from %3 s to %4 s.</source>
        <translation>
            <numerusform>In der letzten Übungseinheit (%n): beim ersten Versuch richtig von %1 % auf %2 %, Antwortzeit (Median) von %3 s auf %4 s.</numerusform>
            <numerusform>In den letzten %n Übungseinheiten: beim ersten Versuch richtig von %1 % auf %2 %, Antwortzeit (Median) von %3 s auf %4 s.</numerusform>
        </translation>
    </message>
    <message>
        <source>It practised weak notes.</source>
        <translation>Sie übte unsichere Noten.</translation>
    </message>
    <message numerus="yes">
        <source>%n of them practised weak notes.</source>
        <translation>
            <numerusform>%n davon übte unsichere Noten.</numerusform>
            <numerusform>%n davon übten unsichere Noten.</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep practising to get a forecast.</source>
        <translation>Üben Sie weiter, um eine Prognose zu erhalten.</translation>
    </message>
    <message>
        <source>Every note of this pool is fluent now.</source>
        <translation>Jede Note dieser Auswahl ist jetzt sicher.</translation>
    </message>
    <message numerus="yes">
        <source>Fluent in about %n days at your pace.</source>
        <translation>
            <numerusform>In Ihrem Tempo in etwa %n Tag sicher.</numerusform>
            <numerusform>In Ihrem Tempo in etwa %n Tagen sicher.</numerusform>
        </translation>
    </message>
    <message>
        <source>No answers yet: the map and the trends fill in as you practise.</source>
        <translation>Noch keine Antworten: Karte und Verläufe füllen sich, während Sie üben.</translation>
    </message>
    <message>
        <source>The practice journal could not be read.</source>
        <translation>Das Übungsprotokoll konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Accidental on the note missed</source>
        <translation>Vorzeichen an der Note übersehen</translation>
    </message>
    <message>
        <source>Key signature ignored</source>
        <translation>Tonartvorzeichnung nicht beachtet</translation>
    </message>
    <message>
        <source>Wrong octave</source>
        <translation>Falsche Oktave</translation>
    </message>
    <message>
        <source>Ledger lines miscounted</source>
        <translation>Hilfslinien falsch gezählt</translation>
    </message>
    <message>
        <source>One step off</source>
        <translation>Eine Stufe daneben</translation>
    </message>
    <message>
        <source>Two steps off</source>
        <translation>Zwei Stufen daneben</translation>
    </message>
    <message>
        <source>Read in the other clef</source>
        <translation>Im anderen Schlüssel gelesen</translation>
    </message>
    <message>
        <source>C clef read as treble or bass</source>
        <translation>C-Schlüssel als Violin- oder Bassschlüssel gelesen</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstiges</translation>
    </message>
    <message>
        <source>Days with practice in the last %1: %2, with %3 questions. Days in a row: %4 (the longest run: %5).</source>
        <translation>Übungstage in den letzten %1: %2, mit %3 Fragen. Tage in Folge: %4 (die längste Serie: %5).</translation>
    </message>
</context>
<context>
    <name>Staff</name>
    <message>
        <source>on the first line</source>
        <translation>auf der ersten Linie</translation>
    </message>
    <message>
        <source>on the second line</source>
        <translation>auf der zweiten Linie</translation>
    </message>
    <message>
        <source>on the third line</source>
        <translation>auf der dritten Linie</translation>
    </message>
    <message>
        <source>on the fourth line</source>
        <translation>auf der vierten Linie</translation>
    </message>
    <message>
        <source>on the fifth line</source>
        <translation>auf der fünften Linie</translation>
    </message>
    <message>
        <source>in the first space</source>
        <translation>im ersten Zwischenraum</translation>
    </message>
    <message>
        <source>in the second space</source>
        <translation>im zweiten Zwischenraum</translation>
    </message>
    <message>
        <source>in the third space</source>
        <translation>im dritten Zwischenraum</translation>
    </message>
    <message>
        <source>in the fourth space</source>
        <translation>im vierten Zwischenraum</translation>
    </message>
    <message>
        <source>Key signature of one sharp.</source>
        <translation>Vorzeichnung: ein Kreuz.</translation>
    </message>
    <message>
        <source>Key signature of two sharps.</source>
        <translation>Vorzeichnung: zwei Kreuze.</translation>
    </message>
    <message>
        <source>Key signature of three sharps.</source>
        <translation>Vorzeichnung: drei Kreuze.</translation>
    </message>
    <message>
        <source>Key signature of four sharps.</source>
        <translation>Vorzeichnung: vier Kreuze.</translation>
    </message>
    <message>
        <source>Key signature of five sharps.</source>
        <translation>Vorzeichnung: fünf Kreuze.</translation>
    </message>
    <message>
        <source>Key signature of six sharps.</source>
        <translation>Vorzeichnung: sechs Kreuze.</translation>
    </message>
    <message>
        <source>Key signature of one flat.</source>
        <translation>Vorzeichnung: ein b.</translation>
    </message>
    <message>
        <source>Key signature of two flats.</source>
        <translation>Vorzeichnung: zwei b.</translation>
    </message>
    <message>
        <source>Key signature of three flats.</source>
        <translation>Vorzeichnung: drei b.</translation>
    </message>
    <message>
        <source>Key signature of four flats.</source>
        <translation>Vorzeichnung: vier b.</translation>
    </message>
    <message>
        <source>Key signature of five flats.</source>
        <translation>Vorzeichnung: fünf b.</translation>
    </message>
    <message>
        <source>Key signature of six flats.</source>
        <translation>Vorzeichnung: sechs b.</translation>
    </message>
    <message>
        <source>Staff with a treble clef.</source>
        <translation>Notensystem mit Violinschlüssel.</translation>
    </message>
    <message>
        <source>Staff with a bass clef.</source>
        <translation>Notensystem mit Bassschlüssel.</translation>
    </message>
    <message>
        <source>Staff with an alto clef.</source>
        <translation>Notensystem mit Altschlüssel.</translation>
    </message>
    <message>
        <source>Staff with a tenor clef.</source>
        <translation>Notensystem mit Tenorschlüssel.</translation>
    </message>
    <message>
        <source>first</source>
        <comment>of ledger lines</comment>
        <translation>ersten</translation>
    </message>
    <message>
        <source>second</source>
        <comment>of ledger lines</comment>
        <translation>zweiten</translation>
    </message>
    <message>
        <source>third</source>
        <comment>of ledger lines</comment>
        <translation>dritten</translation>
    </message>
    <message>
        <source>fourth</source>
        <comment>of ledger lines</comment>
        <translation>vierten</translation>
    </message>
    <message>
        <source>fifth</source>
        <comment>of ledger lines</comment>
        <translation>fünften</translation>
    </message>
    <message>
        <source>sixth</source>
        <comment>of ledger lines</comment>
        <translation>sechsten</translation>
    </message>
    <message>
        <source>seventh</source>
        <comment>of ledger lines</comment>
        <translation>siebten</translation>
    </message>
    <message>
        <source>on the %1 ledger line below</source>
        <translation>auf der %1 unteren Hilfslinie</translation>
    </message>
    <message>
        <source>in the space below the %1 ledger line below</source>
        <translation>im Zwischenraum unter der %1 unteren Hilfslinie</translation>
    </message>
    <message>
        <source>on the %1 ledger line above</source>
        <translation>auf der %1 oberen Hilfslinie</translation>
    </message>
    <message>
        <source>in the space above the %1 ledger line above</source>
        <translation>im Zwischenraum über der %1 oberen Hilfslinie</translation>
    </message>
    <message>
        <source>No key signature.</source>
        <translation>Keine Vorzeichnung.</translation>
    </message>
    <message>
        <source>Grand staff with a treble clef and a bass clef.</source>
        <translation>Klaviersystem mit Violinschlüssel und Bassschlüssel.</translation>
    </message>
    <message>
        <source>The note is %1.</source>
        <translation>Die Note steht %1.</translation>
    </message>
    <message>
        <source>The note is on the ledger line between the staves.</source>
        <translation>Die Note steht auf der Hilfslinie zwischen den beiden Systemen.</translation>
    </message>
    <message>
        <source>The note is on the treble staff, %1.</source>
        <translation>Die Note steht im System mit Violinschlüssel, %1.</translation>
    </message>
    <message>
        <source>The note is on the bass staff, %1.</source>
        <translation>Die Note steht im System mit Bassschlüssel, %1.</translation>
    </message>
    <message>
        <source>A sharp stands before it.</source>
        <translation>Davor steht ein Kreuz.</translation>
    </message>
    <message>
        <source>A flat stands before it.</source>
        <translation>Davor steht ein b.</translation>
    </message>
    <message>
        <source>A natural sign stands before it.</source>
        <translation>Davor steht ein Auflösungszeichen.</translation>
    </message>
    <message>
        <source>No note is shown.</source>
        <translation>Es wird keine Note gezeigt.</translation>
    </message>
    <message>
        <source>Reading note %1 of %2.</source>
        <translation>Note %1 von %2 wird gelesen.</translation>
    </message>
    <message>
        <source>in the space below the bottom line</source>
        <translation>im Zwischenraum unter der untersten Linie</translation>
    </message>
    <message>
        <source>in the space above the top line</source>
        <translation>im Zwischenraum über der obersten Linie</translation>
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
        <translation>Audioeingang</translation>
    </message>
    <message>
        <source>Listen to:</source>
        <translation>Hören auf:</translation>
    </message>
    <message>
        <source>The system&apos;s default input</source>
        <translation>Der Standardeingang des Systems</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Eingangspegel</translation>
    </message>
    <message>
        <source>The meter moves while &quot;Answer by Microphone&quot; is on.</source>
        <translation>Die Anzeige bewegt sich, solange „Mit dem Mikrofon antworten“ eingeschaltet ist.</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Pegel:</translation>
    </message>
</context>
<context>
    <name>lintra::progress::CalendarChart</name>
    <message>
        <source>Days of practice</source>
        <translation>Übungstage</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Weniger</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
</context>
<context>
    <name>lintra::progress::MapLegend</name>
    <message>
        <source>new: fewer than %1 tries</source>
        <translation>neu: weniger als %1 Versuche</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>im Lernen</translation>
    </message>
    <message>
        <source>fluent: more likely read right at sight than not</source>
        <translation>sicher: eher richtig vom Blatt gelesen als nicht</translation>
    </message>
    <message>
        <source>Under each note: its state, how sure the trainer is, in per cent, that you read it fluently, and its name.</source>
        <translation>Unter jeder Note: ihr Stand, wie sicher sich das Programm in Prozent ist, dass Sie sie flüssig lesen, und ihr Name.</translation>
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
        <translation>Stand</translation>
    </message>
    <message>
        <source>Per cent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Antworten</translation>
    </message>
    <message>
        <source>Notes of the pool as a table</source>
        <translation>Noten der Auswahl als Tabelle</translation>
    </message>
</context>
<context>
    <name>lintra::progress::ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Trends</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>Pro Tag</translation>
    </message>
    <message>
        <source>Day (the days with practice of the last %1)</source>
        <translation>Tag (die Übungstage der letzten %1)</translation>
    </message>
    <message>
        <source>Per practice session</source>
        <translation>Pro Übungseinheit</translation>
    </message>
    <message>
        <source>Session (last %1, oldest first)</source>
        <translation>Einheit (die letzten %1, älteste zuerst)</translation>
    </message>
    <message>
        <source>Mistakes of the last seven days</source>
        <translation>Fehler der letzten sieben Tage</translation>
    </message>
    <message>
        <source>Export Journal...</source>
        <translation>Übungsprotokoll exportieren...</translation>
    </message>
    <message>
        <source>Reset Progress...</source>
        <translation>Fortschritt zurücksetzen...</translation>
    </message>
    <message>
        <source>%1: %2. For example: %3.</source>
        <translation>%1: %2. Zum Beispiel: %3.</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Keine.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Noten</translation>
    </message>
    <message>
        <source>&amp;Key:</source>
        <translation>&amp;Tonart:</translation>
    </message>
    <message>
        <source>&amp;Clef:</source>
        <translation>&amp;Schlüssel:</translation>
    </message>
    <message>
        <source>Mastery map</source>
        <translation>Lernstand der Noten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>lintra::progress::TrendChart</name>
    <message>
        <source>first-try accuracy</source>
        <translation>Treffer beim ersten Versuch</translation>
    </message>
    <message>
        <source>median response time</source>
        <translation>Antwortzeit (Median)</translation>
    </message>
    <message>
        <source>accuracy %</source>
        <translation>Treffer in %</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>No answers in this period</source>
        <translation>Keine Antworten in diesem Zeitraum</translation>
    </message>
    <message>
        <source>grey band: a session that practised weak notes</source>
        <translation>graues Band: eine Übungseinheit mit unsicheren Noten</translation>
    </message>
</context>
</TS>
