<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>MainWindow</name>
    <message>
        <source>Qor Lintra Trainer</source>
        <translation>Qor Lintra Trainer</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Domanda successiva</translation>
    </message>
    <message>
        <source>Next Answer?</source>
        <translation>Vedi risposta?</translation>
    </message>
    <message>
        <source>Correct Answers:</source>
        <translation>Risposte corrette:</translation>
    </message>
    <message>
        <source>Inputs:</source>
        <translation>Ingressi:</translation>
    </message>
    <message>
        <source>Outputs:</source>
        <translation>Uscite:</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Mode</source>
        <translation>Modalità</translation>
    </message>
    <message>
        <source>See Notes/Play Keyboard</source>
        <translation>Vedi le note/Suona la tastiera</translation>
    </message>
    <message>
        <source>Play Keyboard/See Notes</source>
        <translation>Suona la tastiera/Vedi le note</translation>
    </message>
    <message>
        <source>Flats</source>
        <translation>Bemolli</translation>
    </message>
    <message>
        <source>Sharps</source>
        <translation>Diesis</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tonalità</translation>
    </message>
    <message>
        <source>Major Scale Notes</source>
        <translation>Note della scala maggiore</translation>
    </message>
    <message>
        <source>C Major</source>
        <translation>Do maggiore</translation>
    </message>
    <message>
        <source>F Major</source>
        <translation>Fa maggiore</translation>
    </message>
    <message>
        <source>G Major</source>
        <translation>Sol maggiore</translation>
    </message>
    <message>
        <source>Bb Major</source>
        <translation>Si bemolle maggiore</translation>
    </message>
    <message>
        <source>D Major</source>
        <translation>Re maggiore</translation>
    </message>
    <message>
        <source>Eb Major</source>
        <translation>Mi bemolle maggiore</translation>
    </message>
    <message>
        <source>A Major</source>
        <translation>La maggiore</translation>
    </message>
    <message>
        <source>Ab Major</source>
        <translation>La bemolle maggiore</translation>
    </message>
    <message>
        <source>E Major</source>
        <translation>Mi maggiore</translation>
    </message>
    <message>
        <source>Db Major</source>
        <translation>Re bemolle maggiore</translation>
    </message>
    <message>
        <source>B Major</source>
        <translation>Si maggiore</translation>
    </message>
    <message>
        <source>Gb Major</source>
        <translation>Sol bemolle maggiore</translation>
    </message>
    <message>
        <source>F# Major</source>
        <translation>Fa diesis maggiore</translation>
    </message>
    <message>
        <source>Minor Scale Notes</source>
        <translation>Note della scala minore</translation>
    </message>
    <message>
        <source>A Minor</source>
        <translation>La minore</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>Re minore</translation>
    </message>
    <message>
        <source>E Minor</source>
        <translation>Mi minore</translation>
    </message>
    <message>
        <source>G Minor</source>
        <translation>Sol minore</translation>
    </message>
    <message>
        <source>B Minor</source>
        <translation>Si minore</translation>
    </message>
    <message>
        <source>C Minor</source>
        <translation>Do minore</translation>
    </message>
    <message>
        <source>F# Minor</source>
        <translation>Fa diesis minore</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>Fa minore</translation>
    </message>
    <message>
        <source>C# Minor</source>
        <translation>Do diesis minore</translation>
    </message>
    <message>
        <source>Bb Minor</source>
        <translation>Si bemolle minore</translation>
    </message>
    <message>
        <source>Eb Minor</source>
        <translation>Mi bemolle minore</translation>
    </message>
    <message>
        <source>Chromatic Scale Notes</source>
        <translation>Note della scala cromatica</translation>
    </message>
    <message>
        <source>Clefs</source>
        <translation>Chiavi</translation>
    </message>
    <message>
        <source>Treble Clef Notes</source>
        <translation>Note in chiave di violino</translation>
    </message>
    <message>
        <source>Bass Clef Notes</source>
        <translation>Note in chiave di basso</translation>
    </message>
    <message>
        <source>Grand Staff Notes</source>
        <translation>Note sul doppio pentagramma</translation>
    </message>
    <message>
        <source>Note Names On?</source>
        <translation>Mostrare i nomi?</translation>
    </message>
    <message>
        <source>Note Names On</source>
        <translation>Mostra i nomi delle note</translation>
    </message>
    <message>
        <source>Note Names Off</source>
        <translation>Nascondi i nomi delle note</translation>
    </message>
    <message>
        <source>Syllables?</source>
        <translation>Sillabe?</translation>
    </message>
    <message>
        <source>Syllable Note Names</source>
        <translation>Nomi delle note in sillabe</translation>
    </message>
    <message>
        <source>Letter Note Names</source>
        <translation>Nomi delle note in lettere</translation>
    </message>
    <message>
        <source>Midi</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>Inputs/Outputs</source>
        <translation>Ingressi/Uscite</translation>
    </message>
    <message>
        <source>Midi in On/Off</source>
        <translation>Ingresso MIDI sì/no</translation>
    </message>
    <message>
        <source>Midi In On</source>
        <translation>Ingresso MIDI attivo</translation>
    </message>
    <message>
        <source>Midi In Off</source>
        <translation>Ingresso MIDI disattivo</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Strumento</translation>
    </message>
    <message>
        <source>Sustain?</source>
        <translation>Risonanza?</translation>
    </message>
    <message>
        <source>Sustain On</source>
        <translation>Risonanza attiva</translation>
    </message>
    <message>
        <source>Sustain Off</source>
        <translation>Risonanza disattiva</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Spegni tutte le note</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>AutoAdvance</source>
        <translation>Avanzamento automatico</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>AutoModulate</source>
        <translation>Modulazione automatica</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>Show Progress...</source>
        <translation>Mostra i progressi...</translation>
    </message>
    <message>
        <source>Export Journal...</source>
        <translation>Esporta il registro...</translation>
    </message>
    <message>
        <source>Reset Progress...</source>
        <translation>Azzera i progressi...</translation>
    </message>
    <message>
        <source>Practise Weak Notes</source>
        <translation>Esercitati sulle note difficili</translation>
    </message>
    <message>
        <source>Show Time and Mistake</source>
        <translation>Mostra tempo ed errore</translation>
    </message>
    <message>
        <source>Resume Where I Left Off</source>
        <translation>Riprendi da dove ero rimasto</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Middle C Is C4</source>
        <translation>Il do centrale è C4</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Program Help</source>
        <translation>Guida del programma</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>Answer by Microphone</source>
        <translation>Rispondi col microfono</translation>
    </message>
    <message>
        <source>Sound Input...</source>
        <translation>Ingresso audio...</translation>
    </message>
    <message>
        <source>Listen While Notes Sound (Headphones)</source>
        <translation>Ascolta mentre suonano le note (cuffie)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» non è un numero intero valido</translation>
    </message>
    <message>
        <source>the default sound input</source>
        <translation>l&apos;ingresso audio predefinito</translation>
    </message>
    <message>
        <source>Lintra cannot listen to %1: %2. Answer on the keyboard, or choose another sound input with &quot;Sound Input...&quot; in the &quot;Microphone&quot; menu.</source>
        <translation>Lintra non riesce ad ascoltare %1: %2. Rispondi sulla tastiera, oppure scegli un altro ingresso audio con &quot;Ingresso audio...&quot; nel menu &quot;Microfono&quot;.</translation>
    </message>
    <message>
        <source>Lintra no longer hears %1, so answers by microphone have stopped. Answer on the keyboard, or choose a sound input with &quot;Sound Input...&quot; in the &quot;Microphone&quot; menu.</source>
        <translation>Lintra non sente più %1, quindi le risposte col microfono si sono fermate. Rispondi sulla tastiera, oppure scegli un ingresso audio con &quot;Ingresso audio...&quot; nel menu &quot;Microfono&quot;.</translation>
    </message>
    <message>
        <source>The choice applies until the program ends.</source>
        <translation>La scelta vale fino alla chiusura del programma.</translation>
    </message>
    <message>
        <source>The practice journal cannot be written (%1). The trainer goes on and keeps your answers: it tries again to save them, and when you close it, it offers to export any it could not save.</source>
        <translation>Il registro degli esercizi non può essere scritto (%1). Il programma continua e conserva le vostre risposte: prova di nuovo a salvarle e, alla chiusura, propone di esportare quelle che non ha potuto salvare.</translation>
    </message>
    <message>
        <source>Another Lintra window is open with the same practice journal. Your answers in both are kept; to reset your progress, close the other window first.</source>
        <translation>È aperta un’altra finestra di Lintra con lo stesso registro degli esercizi. Le vostre risposte in entrambe sono conservate; per azzerare i progressi, chiudete prima l’altra finestra.</translation>
    </message>
    <message>
        <source>Your progress was not reset: another Lintra window is using the same practice journal. Close it, then try again.</source>
        <translation>I progressi non sono stati azzerati: un’altra finestra di Lintra usa lo stesso registro degli esercizi. Chiudetela, poi riprovate.</translation>
    </message>
    <message>
        <source>Your progress was not reset: some answers are not yet saved in the practice journal (%1). Try again once it can be written.</source>
        <translation>I progressi non sono stati azzerati: alcune risposte non sono ancora salvate nel registro degli esercizi (%1). Riprovate quando si potrà scrivere.</translation>
    </message>
    <message>
        <source>Your progress was not reset: the practice journal could not be set aside as a backup (%1). It is kept as it was.</source>
        <translation>I progressi non sono stati azzerati: il registro degli esercizi non ha potuto essere messo da parte come copia di sicurezza (%1). Resta com’era.</translation>
    </message>
    <message>
        <source>Your progress was not reset: a new practice journal could not be made (%1). The old one is kept as it was.</source>
        <translation>I progressi non sono stati azzerati: non è stato possibile creare un nuovo registro degli esercizi (%1). Quello vecchio resta com’era.</translation>
    </message>
    <message>
        <source>Answers not saved in the practice journal: %1. Export them, with all the others, to a file before the trainer closes? If not, they are lost.</source>
        <translation>Risposte non salvate nel registro degli esercizi: %1. Esportarle, con tutte le altre, in un file prima che il programma si chiuda? Altrimenti vanno perse.</translation>
    </message>
    <message>
        <source>The file holds every answer, also those not yet saved in the practice journal: %1. The trainer keeps trying to save them.</source>
        <translation>Il file contiene tutte le risposte, anche quelle non ancora salvate nel registro degli esercizi: %1. Il programma continua a provare a salvarle.</translation>
    </message>
    <message>
        <source>The journal could not be exported to &quot;%1&quot;: the disk is full. Make room on it, or choose another place, and try again.</source>
        <translation>Non è stato possibile esportare il registro in «%1»: il disco è pieno. Liberate spazio o scegliete un altro posto, poi riprovate.</translation>
    </message>
    <message>
        <source>The practice journal could not be read, so it was not exported.</source>
        <translation>Non è stato possibile leggere il registro degli esercizi, quindi non è stato esportato.</translation>
    </message>
    <message>
        <source>Answers not yet saved in the practice journal: %1. They are shown here, and the trainer keeps trying to save them.</source>
        <translation>Risposte non ancora salvate nel registro degli esercizi: %1. Sono mostrate qui, e il programma continua a provare a salvarle.</translation>
    </message>
</context>
<context>
    <name>Staff</name>
    <message>
        <source>on the first line</source>
        <translation>sulla prima linea</translation>
    </message>
    <message>
        <source>on the second line</source>
        <translation>sulla seconda linea</translation>
    </message>
    <message>
        <source>on the third line</source>
        <translation>sulla terza linea</translation>
    </message>
    <message>
        <source>on the fourth line</source>
        <translation>sulla quarta linea</translation>
    </message>
    <message>
        <source>on the fifth line</source>
        <translation>sulla quinta linea</translation>
    </message>
    <message>
        <source>in the first space</source>
        <translation>nel primo spazio</translation>
    </message>
    <message>
        <source>in the second space</source>
        <translation>nel secondo spazio</translation>
    </message>
    <message>
        <source>in the third space</source>
        <translation>nel terzo spazio</translation>
    </message>
    <message>
        <source>in the fourth space</source>
        <translation>nel quarto spazio</translation>
    </message>
    <message>
        <source>Key signature of one sharp.</source>
        <translation>Un diesis in chiave.</translation>
    </message>
    <message>
        <source>Key signature of two sharps.</source>
        <translation>Due diesis in chiave.</translation>
    </message>
    <message>
        <source>Key signature of three sharps.</source>
        <translation>Tre diesis in chiave.</translation>
    </message>
    <message>
        <source>Key signature of four sharps.</source>
        <translation>Quattro diesis in chiave.</translation>
    </message>
    <message>
        <source>Key signature of five sharps.</source>
        <translation>Cinque diesis in chiave.</translation>
    </message>
    <message>
        <source>Key signature of six sharps.</source>
        <translation>Sei diesis in chiave.</translation>
    </message>
    <message>
        <source>Key signature of one flat.</source>
        <translation>Un bemolle in chiave.</translation>
    </message>
    <message>
        <source>Key signature of two flats.</source>
        <translation>Due bemolli in chiave.</translation>
    </message>
    <message>
        <source>Key signature of three flats.</source>
        <translation>Tre bemolli in chiave.</translation>
    </message>
    <message>
        <source>Key signature of four flats.</source>
        <translation>Quattro bemolli in chiave.</translation>
    </message>
    <message>
        <source>Key signature of five flats.</source>
        <translation>Cinque bemolli in chiave.</translation>
    </message>
    <message>
        <source>Key signature of six flats.</source>
        <translation>Sei bemolli in chiave.</translation>
    </message>
    <message>
        <source>Staff with a treble clef.</source>
        <translation>Pentagramma in chiave di violino.</translation>
    </message>
    <message>
        <source>Staff with a bass clef.</source>
        <translation>Pentagramma in chiave di basso.</translation>
    </message>
    <message>
        <source>Staff with an alto clef.</source>
        <translation>Pentagramma in chiave di contralto.</translation>
    </message>
    <message>
        <source>Staff with a tenor clef.</source>
        <translation>Pentagramma in chiave di tenore.</translation>
    </message>
    <message>
        <source>first</source>
        <comment>of ledger lines</comment>
        <translation>primo</translation>
    </message>
    <message>
        <source>second</source>
        <comment>of ledger lines</comment>
        <translation>secondo</translation>
    </message>
    <message>
        <source>third</source>
        <comment>of ledger lines</comment>
        <translation>terzo</translation>
    </message>
    <message>
        <source>fourth</source>
        <comment>of ledger lines</comment>
        <translation>quarto</translation>
    </message>
    <message>
        <source>fifth</source>
        <comment>of ledger lines</comment>
        <translation>quinto</translation>
    </message>
    <message>
        <source>sixth</source>
        <comment>of ledger lines</comment>
        <translation>sesto</translation>
    </message>
    <message>
        <source>seventh</source>
        <comment>of ledger lines</comment>
        <translation>settimo</translation>
    </message>
    <message>
        <source>on the %1 ledger line below</source>
        <translation>sul %1 taglio addizionale inferiore</translation>
    </message>
    <message>
        <source>in the space below the %1 ledger line below</source>
        <translation>nello spazio sotto il %1 taglio addizionale inferiore</translation>
    </message>
    <message>
        <source>on the %1 ledger line above</source>
        <translation>sul %1 taglio addizionale superiore</translation>
    </message>
    <message>
        <source>in the space above the %1 ledger line above</source>
        <translation>nello spazio sopra il %1 taglio addizionale superiore</translation>
    </message>
    <message>
        <source>No key signature.</source>
        <translation>Nessuna alterazione in chiave.</translation>
    </message>
    <message>
        <source>Grand staff with a treble clef and a bass clef.</source>
        <translation>Doppio pentagramma in chiave di violino e chiave di basso.</translation>
    </message>
    <message>
        <source>The note is %1.</source>
        <translation>La nota è %1.</translation>
    </message>
    <message>
        <source>The note is on the ledger line between the staves.</source>
        <translation>La nota è sul taglio addizionale tra i due pentagrammi.</translation>
    </message>
    <message>
        <source>The note is on the treble staff, %1.</source>
        <translation>La nota è sul pentagramma in chiave di violino, %1.</translation>
    </message>
    <message>
        <source>The note is on the bass staff, %1.</source>
        <translation>La nota è sul pentagramma in chiave di basso, %1.</translation>
    </message>
    <message>
        <source>A sharp stands before it.</source>
        <translation>È preceduta da un diesis.</translation>
    </message>
    <message>
        <source>A flat stands before it.</source>
        <translation>È preceduta da un bemolle.</translation>
    </message>
    <message>
        <source>A natural sign stands before it.</source>
        <translation>È preceduta da un bequadro.</translation>
    </message>
    <message>
        <source>No note is shown.</source>
        <translation>Non è mostrata nessuna nota.</translation>
    </message>
    <message>
        <source>Reading note %1 of %2.</source>
        <translation>Lettura della nota %1 di %2.</translation>
    </message>
    <message>
        <source>in the space below the bottom line</source>
        <translation>nello spazio sotto la prima linea</translation>
    </message>
    <message>
        <source>in the space above the top line</source>
        <translation>nello spazio sopra la quinta linea</translation>
    </message>
</context>
<context>
    <name>lintra::frontend::SoundInputDialog</name>
    <message>
        <source>Sound Input</source>
        <translation>Ingresso audio</translation>
    </message>
    <message>
        <source>Listen to:</source>
        <translation>Ascolta:</translation>
    </message>
    <message>
        <source>The system&apos;s default input</source>
        <translation>L&apos;ingresso predefinito del sistema</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Livello d&apos;ingresso</translation>
    </message>
    <message>
        <source>The meter moves while &quot;Answer by Microphone&quot; is on.</source>
        <translation>L&apos;indicatore si muove mentre &quot;Rispondi col microfono&quot; è attivo.</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Livello:</translation>
    </message>
</context>
<context>
    <name>lintra::progress::ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
    </message>
    <message>
        <source>Notes of the current pool</source>
        <translation>Note della selezione attuale</translation>
    </message>
    <message>
        <source>Trends</source>
        <translation>Andamento</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>Per giorno</translation>
    </message>
    <message>
        <source>Day (the days with practice of the last %1)</source>
        <translation>Giorno (i giorni di esercizio degli ultimi %1)</translation>
    </message>
    <message>
        <source>Per practice session</source>
        <translation>Per sessione di esercizio</translation>
    </message>
    <message>
        <source>Session (last %1, oldest first)</source>
        <translation>Sessione (le ultime %1, dalla più vecchia)</translation>
    </message>
    <message>
        <source>Mistakes of the last seven days</source>
        <translation>Errori degli ultimi sette giorni</translation>
    </message>
    <message>
        <source>Export Journal...</source>
        <translation>Esporta il registro...</translation>
    </message>
    <message>
        <source>Reset Progress...</source>
        <translation>Azzera i progressi...</translation>
    </message>
    <message>
        <source>%1: %2. For example: %3.</source>
        <translation>%1: %2. Per esempio: %3.</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Nessuno.</translation>
    </message>
</context>
<context>
    <name>lintra::progress::TrendChart</name>
    <message>
        <source>first-try accuracy</source>
        <translation>precisione al primo tentativo</translation>
    </message>
    <message>
        <source>median response time</source>
        <translation>tempo di risposta mediano</translation>
    </message>
    <message>
        <source>accuracy %</source>
        <translation>precisione in %</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>No answers in this period</source>
        <translation>Nessuna risposta in questo periodo</translation>
    </message>
</context>
</TS>
