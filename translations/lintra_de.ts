<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
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
        <translation>Notenschlüssel</translation>
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
        <translation>Notennamen ein?</translation>
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
    <name>lintra::progress::ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Notes of the current pool</source>
        <translation>Noten der aktuellen Auswahl</translation>
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
</context>
</TS>
