<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>Task</source>
        <translation>Compito</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Risposta</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>Pentagramma</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <source>Correct answers</source>
        <translation>Risposte corrette</translation>
    </message>
    <message>
        <source>Question pool</source>
        <translation>Selezione di note</translation>
    </message>
    <message>
        <source>Device settings</source>
        <translation>Impostazioni dei dispositivi</translation>
    </message>
    <message>
        <source>Correct Answers:</source>
        <translation>Risposte corrette:</translation>
    </message>
    <message>
        <source>Time and mistake</source>
        <translation>Tempo ed errore</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Today&apos;s goal is met: %1 of %2.</source>
        <translation>Obiettivo di oggi raggiunto: %1 su %2.</translation>
    </message>
    <message>
        <source>Today: %1 of %2.</source>
        <translation>Oggi: %1 su %2.</translation>
    </message>
    <message>
        <source>1 day in a row.</source>
        <translation>1 giorno di fila.</translation>
    </message>
    <message numerus="yes">
        <source>%n days in a row.</source>
        <translation>
            <numerusform>%n giorno di fila.</numerusform>
            <numerusform>%n giorni di fila.</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily Goal</source>
        <translation>Obiettivo giornaliero</translation>
    </message>
    <message>
        <source>Questions a day (empty or 0 for no goal):</source>
        <translation>Domande al giorno (vuoto o 0 per nessun obiettivo):</translation>
    </message>
    <message>
        <source>Please enter a whole number of questions from 0 to 10000.</source>
        <translation>Inserisci un numero intero di domande da 0 a 10000.</translation>
    </message>
    <message>
        <source>The goal applies until the program ends.</source>
        <translation>L&apos;obiettivo vale fino alla chiusura del programma.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Play scale-steps of C Major</source>
        <translation>Suona i gradi della scala di Do maggiore</translation>
    </message>
    <message>
        <source>Play scale-steps of G Major</source>
        <translation>Suona i gradi della scala di Sol maggiore</translation>
    </message>
    <message>
        <source>Play scale-steps of D Major</source>
        <translation>Suona i gradi della scala di Re maggiore</translation>
    </message>
    <message>
        <source>Play scale-steps of A Major</source>
        <translation>Suona i gradi della scala di La maggiore</translation>
    </message>
    <message>
        <source>Play scale-steps of E Major</source>
        <translation>Suona i gradi della scala di Mi maggiore</translation>
    </message>
    <message>
        <source>Play scale-steps of B Major</source>
        <translation>Suona i gradi della scala di Si maggiore</translation>
    </message>
    <message>
        <source>Play scale-steps of F# Major</source>
        <translation>Suona i gradi della scala di Fa diesis maggiore</translation>
    </message>
    <message>
        <source>Play scale-steps of F Major</source>
        <translation>Suona i gradi della scala di Fa maggiore</translation>
    </message>
    <message>
        <source>Play scale-steps of Bb Major</source>
        <translation>Suona i gradi della scala di Si bemolle maggiore</translation>
    </message>
    <message>
        <source>Play scale-steps of Eb Major</source>
        <translation>Suona i gradi della scala di Mi bemolle maggiore</translation>
    </message>
    <message>
        <source>Play scale-steps of Ab Major</source>
        <translation>Suona i gradi della scala di La bemolle maggiore</translation>
    </message>
    <message>
        <source>Play scale-steps of Db Major</source>
        <translation>Suona i gradi della scala di Re bemolle maggiore</translation>
    </message>
    <message>
        <source>Play scale-steps of Gb Major</source>
        <translation>Suona i gradi della scala di Sol bemolle maggiore</translation>
    </message>
    <message>
        <source>Play scale-steps of A Harmonic Minor</source>
        <translation>Suona i gradi della scala di La minore armonica</translation>
    </message>
    <message>
        <source>Play scale-steps of E Harmonic Minor</source>
        <translation>Suona i gradi della scala di Mi minore armonica</translation>
    </message>
    <message>
        <source>Play scale-steps of B Harmonic Minor</source>
        <translation>Suona i gradi della scala di Si minore armonica</translation>
    </message>
    <message>
        <source>Play scale-steps of F# Harmonic Minor</source>
        <translation>Suona i gradi della scala di Fa diesis minore armonica</translation>
    </message>
    <message>
        <source>Play scale-steps of C# Harmonic Minor-</source>
        <translation>Suona i gradi della scala di Do diesis minore armonica</translation>
    </message>
    <message>
        <source>Play scale-steps of D Harmonic Minor</source>
        <translation>Suona i gradi della scala di Re minore armonica</translation>
    </message>
    <message>
        <source>Play scale-steps of G Harmonic Minor</source>
        <translation>Suona i gradi della scala di Sol minore armonica</translation>
    </message>
    <message>
        <source>Play scale-steps of C Harmonic Minor</source>
        <translation>Suona i gradi della scala di Do minore armonica</translation>
    </message>
    <message>
        <source>Play scale-steps of F Harmonic Minor</source>
        <translation>Suona i gradi della scala di Fa minore armonica</translation>
    </message>
    <message>
        <source>Play scale-steps of Bb Harmonic Minor</source>
        <translation>Suona i gradi della scala di Si bemolle minore armonica</translation>
    </message>
    <message>
        <source>Play scale-steps of Eb Harmonic Minor</source>
        <translation>Suona i gradi della scala di Mi bemolle minore armonica</translation>
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
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>That is correct: %1</source>
        <translation>Giusto: %1</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Riprova!</translation>
    </message>
    <message>
        <source>Play notes from the Chromatic Scale</source>
        <translation>Suona note della scala cromatica</translation>
    </message>
    <message>
        <source>Click keyboard to see notation.</source>
        <translation>Fai clic sulla tastiera per vedere la nota sul pentagramma.</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Hai suonato %1</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avanza</translation>
    </message>
    <message>
        <source>New Scale</source>
        <translation>Nuova scala</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Mode</source>
        <translation>Modo</translation>
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
        <translation>Mostra nomi?</translation>
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
        <translation>Avanza</translation>
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
    <message>
        <source>Reading</source>
        <translation>Lettura</translation>
    </message>
    <message>
        <source>Read a Line</source>
        <translation>Leggi una riga</translation>
    </message>
    <message>
        <source>Line Length</source>
        <translation>Lunghezza della riga</translation>
    </message>
    <message>
        <source>4 Notes</source>
        <translation>4 note</translation>
    </message>
    <message>
        <source>6 Notes</source>
        <translation>6 note</translation>
    </message>
    <message>
        <source>8 Notes</source>
        <translation>8 note</translation>
    </message>
    <message>
        <source>Largest Leap</source>
        <translation>Salto più ampio</translation>
    </message>
    <message>
        <source>A Third</source>
        <translation>Una terza</translation>
    </message>
    <message>
        <source>A Fifth</source>
        <translation>Una quinta</translation>
    </message>
    <message>
        <source>An Octave</source>
        <translation>Un&apos;ottava</translation>
    </message>
    <message>
        <source>Alto Clef</source>
        <translation>Chiave di contralto</translation>
    </message>
    <message>
        <source>Tenor Clef</source>
        <translation>Chiave di tenore</translation>
    </message>
    <message>
        <source>Choose Range...</source>
        <translation>Scegli l&apos;estensione...</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Lingua...</translation>
    </message>
    <message>
        <source>Letters?</source>
        <translation>Lettere?</translation>
    </message>
    <message>
        <source>Note Names Off?</source>
        <translation>Nascondi nomi?</translation>
    </message>
    <message>
        <source>Daily Goal...</source>
        <translation>Obiettivo giornaliero...</translation>
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
        <source>The desktop&apos;s language</source>
        <translation>La lingua del desktop</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The trainer speaks:</source>
        <translation>Il programma parla:</translation>
    </message>
    <message>
        <source>The language you chose is used from the next start of the trainer.</source>
        <translation>La lingua scelta sarà usata dal prossimo avvio del programma.</translation>
    </message>
    <message>
        <source>Thank you for practising with Lintra. The maker&apos;s web site offers more training programs for musicians.</source>
        <translation>Grazie per esserti esercitato con Lintra. Il sito del produttore offre altri programmi di esercizio per musicisti.</translation>
    </message>
    <message>
        <source>Lintra Trainer, version 3.1 (2026).
A trainer for reading music notation.

This software is provided as is, without warranties of any kind. The seller&apos;s liability is limited to the replacement of the software or the refund of its price.

Music symbols from the Lintra Music font, made from the Emmentaler font of the LilyPond project (SIL Open Font License 1.1).</source>
        <translation>Lintra Trainer, versione 3.1 (2026).
Un programma per esercitarsi nella lettura delle note.

Questo software è fornito così com&apos;è, senza garanzie di alcun tipo. La responsabilità del venditore è limitata alla sostituzione del software o al rimborso del suo prezzo.

Simboli musicali del carattere Lintra Music, ricavato dal carattere Emmentaler del progetto LilyPond (SIL Open Font License 1.1).</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Si è verificato un errore imprevisto.</translation>
    </message>
    <message>
        <source>The help page could not be opened. It is the file &quot;%1&quot;; open it in a web browser to read it.</source>
        <translation>Non è stato possibile aprire la pagina di aiuto. È il file &quot;%1&quot;; aprilo in un browser per leggerla.</translation>
    </message>
    <message>
        <source>The answer is: %1</source>
        <translation>La risposta è: %1</translation>
    </message>
    <message>
        <source>Keyboard out of range.</source>
        <translation>Nota fuori dall&apos;estensione della tastiera.</translation>
    </message>
    <message>
        <source>%1 : Correct answers?</source>
        <translation>%1 : Risposte giuste?</translation>
    </message>
    <message>
        <source>How many correct answers?</source>
        <translation>Quante risposte giuste?</translation>
    </message>
    <message>
        <source>%1 : Score?</source>
        <translation>%1 : Punteggio?</translation>
    </message>
    <message>
        <source>What percent correct answers?</source>
        <translation>Quale percentuale di risposte giuste?</translation>
    </message>
    <message>
        <source>Chromatic scale notes on the Grand Staff is the higest level. Select a Major or minor key, a clef or Grand Staff, then set AutoAdvance On.</source>
        <translation>Le note della scala cromatica sul doppio pentagramma sono il livello più alto. Scegli una tonalità maggiore o minore, una chiave o il doppio pentagramma, poi attiva l&apos;Avanzamento automatico.</translation>
    </message>
    <message>
        <source>Under Mode Menu, Click &quot;See Notes/Play Keyboard&quot; to use the AutoAdvance Feature.</source>
        <translation>Nel menu &quot;Modo&quot;, fai clic su &quot;Vedi le note/Suona la tastiera&quot; per usare l&apos;Avanzamento automatico.</translation>
    </message>
    <message>
        <source>Under Mode Menu, Click &quot;See Notes/Play Keyboard&quot; to use the AutoModulate Feature.</source>
        <translation>Nel menu &quot;Modo&quot;, fai clic su &quot;Vedi le note/Suona la tastiera&quot; per usare la Modulazione automatica.</translation>
    </message>
    <message>
        <source>There are no Key centers in the chromatic scale. Select a Major or minor key, select a clef, then set AutoModulate On</source>
        <translation>La scala cromatica non ha un centro tonale. Scegli una tonalità maggiore o minore, scegli una chiave, poi attiva la Modulazione automatica.</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score of more than %2%. Advance to next level?</source>
        <translation>Complimenti! Hai %1 o più risposte giuste con un punteggio superiore al %2%. Passare al livello successivo?</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score more than %2%. Change scale and key?</source>
        <translation>Complimenti! Hai %1 o più risposte giuste con un punteggio superiore al %2%. Cambiare scala e tonalità?</translation>
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
    <message>
        <source>No note of this key and clef lies between %1 and %2, the range you chose, so all of its notes are asked until you choose another range.</source>
        <translation>Nessuna nota di questa tonalità e di questa chiave è compresa tra %1 e %2, l&apos;estensione scelta, quindi vengono chieste tutte le sue note finché non sceglierai un&apos;altra estensione.</translation>
    </message>
    <message>
        <source>Choose Range</source>
        <translation>Scegli l&apos;estensione</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key of the keyboard. Type a letter, then # or b for a sharp or a flat, then the octave: a note from %2 to %3.</source>
        <translation>«%1» non è un tasto della tastiera. Scrivi una lettera, poi # o b per un diesis o un bemolle, poi l&apos;ottava: una nota da %2 a %3.</translation>
    </message>
    <message>
        <source>The lowest note asked, from %1 to %2:</source>
        <translation>La nota più grave chiesta, da %1 a %2:</translation>
    </message>
    <message>
        <source>The highest note asked, from %1 to %2:</source>
        <translation>La nota più acuta chiesta, da %1 a %2:</translation>
    </message>
    <message>
        <source>No note of this key and clef lies between %1 and %2. The range stays from %3 to %4.</source>
        <translation>Nessuna nota di questa tonalità e di questa chiave è compresa tra %1 e %2. L&apos;estensione resta da %3 a %4.</translation>
    </message>
    <message>
        <source>The practice journal was damaged. It is kept as &quot;%1&quot; and a new journal was started.</source>
        <translation>Il registro degli esercizi era danneggiato. È conservato come &quot;%1&quot; ed è stato iniziato un nuovo registro.</translation>
    </message>
    <message>
        <source>The practice journal was written by a newer version of the trainer and is left as it is.</source>
        <translation>Il registro degli esercizi è stato scritto da una versione più recente del programma e resta com&apos;è.</translation>
    </message>
    <message>
        <source>A new practice journal was started.</source>
        <translation>È stato iniziato un nuovo registro degli esercizi.</translation>
    </message>
    <message>
        <source>A new practice journal was started. The old one is kept as &quot;%1&quot;.</source>
        <translation>È stato iniziato un nuovo registro degli esercizi. Quello vecchio è conservato come &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No practice journal is kept, so there is nothing to export.</source>
        <translation>Non viene tenuto alcun registro degli esercizi, quindi non c&apos;è nulla da esportare.</translation>
    </message>
    <message>
        <source>Export Journal</source>
        <translation>Esporta registro</translation>
    </message>
    <message>
        <source>The journal could not be exported to &quot;%1&quot;. Choose a folder where you may write files, and try again.</source>
        <translation>Non è stato possibile esportare il registro in &quot;%1&quot;. Scegli una cartella in cui puoi scrivere file e riprova.</translation>
    </message>
    <message>
        <source>No practice journal is kept, so there is no progress to reset.</source>
        <translation>Non viene tenuto alcun registro degli esercizi, quindi non ci sono progressi da azzerare.</translation>
    </message>
    <message>
        <source>Start a new practice journal? The answers so far are kept in a backup file, and your progress starts again from nothing.</source>
        <translation>Iniziare un nuovo registro degli esercizi? Le risposte finora sono conservate in un file di copia, e i tuoi progressi ripartono da zero.</translation>
    </message>
    <message>
        <source>The Progress window cannot be shown here.</source>
        <translation>La finestra dei progressi non può essere mostrata qui.</translation>
    </message>
    <message>
        <source>The device choice cannot be saved: a device name is too long or holds a line break.</source>
        <translation>La scelta del dispositivo non può essere salvata: il nome di un dispositivo è troppo lungo o contiene un a capo.</translation>
    </message>
    <message>
        <source>The device choice cannot be saved: the settings are too large.</source>
        <translation>La scelta del dispositivo non può essere salvata: le impostazioni sono troppo grandi.</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;: %2.</source>
        <translation>Impossibile creare la cartella &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Impossibile scrivere il file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;.</source>
        <translation>Impossibile salvare il file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The chosen MIDI output is not in the list of devices. Lintra plays through the built-in synthesizer instead.</source>
        <translation>L&apos;uscita MIDI scelta non è nell&apos;elenco dei dispositivi. Lintra suona con il sintetizzatore integrato.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; cannot be used (%2). Lintra plays through the built-in synthesizer instead.</source>
        <translation>L&apos;uscita MIDI &quot;%1&quot; non può essere usata (%2). Lintra suona con il sintetizzatore integrato.</translation>
    </message>
    <message>
        <source>the chosen device</source>
        <translation>il dispositivo scelto</translation>
    </message>
    <message>
        <source>MIDI output fails (%1). Notes may not sound.</source>
        <translation>L&apos;uscita MIDI non funziona (%1). Le note potrebbero non suonare.</translation>
    </message>
    <message>
        <source>The built-in synthesizer is silent: %1. To hear the notes, choose another MIDI output with &quot;Inputs/Outputs&quot; in the &quot;Midi&quot; menu.</source>
        <translation>Il sintetizzatore integrato è muto: %1. Per sentire le note, scegli un&apos;altra uscita MIDI con &quot;Ingressi/Uscite&quot; nel menu &quot;MIDI&quot;.</translation>
    </message>
    <message>
        <source>MIDI Instrument</source>
        <translation>Strumento MIDI</translation>
    </message>
    <message>
        <source>MIDI Instrument Number between 0 and 127?</source>
        <translation>Numero dello strumento MIDI, tra 0 e 127?</translation>
    </message>
    <message>
        <source>Please enter an instrument number between 0 and 127. The instrument stays %1.</source>
        <translation>Inserisci un numero di strumento tra 0 e 127. Lo strumento resta %1.</translation>
    </message>
    <message>
        <source>it could open no audio output</source>
        <translation>non è riuscito ad aprire alcuna uscita audio</translation>
    </message>
    <message>
        <source>it found no sound font</source>
        <translation>non ha trovato alcun banco di suoni (SoundFont)</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; cannot be opened (%2). Notes will not sound.</source>
        <translation>L&apos;uscita MIDI &quot;%1&quot; non può essere aperta (%2). Le note non suoneranno.</translation>
    </message>
    <message>
        <source>The device settings file &quot;%1&quot; is damaged.</source>
        <translation>Il file delle impostazioni dei dispositivi &quot;%1&quot; è danneggiato.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>Impossibile aprire il file &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>the device captures at an unusable rate (%1 Hz)</source>
        <translation>il dispositivo registra a una frequenza inutilizzabile (%1 Hz)</translation>
    </message>
    <message>
        <source>listening is not available: %1</source>
        <translation>l&apos;ascolto non è disponibile: %1</translation>
    </message>
    <message>
        <source>the sound input could not be started: %1</source>
        <translation>non è stato possibile avviare l&apos;ingresso audio: %1</translation>
    </message>
    <message>
        <source>no sound system could be reached</source>
        <translation>nessun sistema audio è raggiungibile</translation>
    </message>
    <message>
        <source>there is no sound input</source>
        <translation>non c&apos;è alcun ingresso audio</translation>
    </message>
    <message>
        <source>there is no sound input named &quot;%1&quot;</source>
        <translation>non c&apos;è alcun ingresso audio chiamato &quot;%1&quot;</translation>
    </message>
    <message>
        <source>this trainer has no sound input</source>
        <translation>questo programma non ha un ingresso audio</translation>
    </message>
    <message>
        <source>its module could not be loaded: %1</source>
        <translation>non è stato possibile caricarne il modulo: %1</translation>
    </message>
</context>
<context>
    <name>MidiErrors</name>
    <message>
        <source>The operation completed successfully.</source>
        <translation>L&apos;operazione è stata completata.</translation>
    </message>
    <message>
        <source>An unspecified error occurred.</source>
        <translation>Si è verificato un errore non specificato.</translation>
    </message>
    <message>
        <source>The specified device identifier is out of range.</source>
        <translation>L&apos;identificatore del dispositivo indicato è fuori intervallo.</translation>
    </message>
    <message>
        <source>The driver is not enabled.</source>
        <translation>Il driver non è abilitato.</translation>
    </message>
    <message>
        <source>The specified device is already in use.</source>
        <translation>Il dispositivo indicato è già in uso.</translation>
    </message>
    <message>
        <source>The specified device handle is invalid.</source>
        <translation>Il riferimento al dispositivo indicato non è valido.</translation>
    </message>
    <message>
        <source>There is no driver installed on your system.</source>
        <translation>Nessun driver è installato nel sistema.</translation>
    </message>
    <message>
        <source>There is not enough memory available for this task.</source>
        <translation>Memoria insufficiente per questa operazione.</translation>
    </message>
    <message>
        <source>This function is not supported.</source>
        <translation>Questa funzione non è supportata.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to a system function.</source>
        <translation>È stato passato un parametro non valido a una funzione di sistema.</translation>
    </message>
    <message>
        <source>The buffer header has not been prepared.</source>
        <translation>L&apos;intestazione del buffer non è stata preparata.</translation>
    </message>
    <message>
        <source>The device is still using the buffers.</source>
        <translation>Il dispositivo sta ancora usando i buffer.</translation>
    </message>
    <message>
        <source>The device is not ready.</source>
        <translation>Il dispositivo non è pronto.</translation>
    </message>
    <message>
        <source>The MIDI device has been disconnected.</source>
        <translation>Il dispositivo MIDI è stato scollegato.</translation>
    </message>
    <message>
        <source>The device could not be opened; another program may be using it.</source>
        <translation>Impossibile aprire il dispositivo; potrebbe essere in uso da un altro programma.</translation>
    </message>
    <message>
        <source>Specified error number is out of range</source>
        <translation>Il numero di errore indicato è fuori intervallo</translation>
    </message>
</context>
<context>
    <name>Mistakes</name>
    <message>
        <source>Read %1 in the treble clef as %2</source>
        <translation>%1 in chiave di violino letto come %2</translation>
    </message>
    <message>
        <source>Read %1 in the bass clef as %2</source>
        <translation>%1 in chiave di basso letto come %2</translation>
    </message>
    <message>
        <source>Read %1 in the alto clef as %2</source>
        <translation>%1 in chiave di contralto letto come %2</translation>
    </message>
    <message>
        <source>Read %1 in the tenor clef as %2</source>
        <translation>%1 in chiave di tenore letto come %2</translation>
    </message>
    <message>
        <source>the natural sign before the note cancels the key signature</source>
        <translation>il bequadro davanti alla nota annulla l&apos;alterazione in chiave</translation>
    </message>
    <message>
        <source>the sharp before the note was missed</source>
        <translation>il diesis davanti alla nota è sfuggito</translation>
    </message>
    <message>
        <source>the flat before the note was missed</source>
        <translation>il bemolle davanti alla nota è sfuggito</translation>
    </message>
    <message>
        <source>the right note, an octave too high</source>
        <translation>la nota giusta, un&apos;ottava sopra</translation>
    </message>
    <message>
        <source>the right note, an octave too low</source>
        <translation>la nota giusta, un&apos;ottava sotto</translation>
    </message>
    <message>
        <source>the right note, %1 octaves too high</source>
        <translation>la nota giusta, %1 ottave sopra</translation>
    </message>
    <message>
        <source>the right note, %1 octaves too low</source>
        <translation>la nota giusta, %1 ottave sotto</translation>
    </message>
    <message>
        <source>one step too low, the neighbouring space</source>
        <translation>un grado sotto, lo spazio vicino</translation>
    </message>
    <message>
        <source>one step too low, the neighbouring line</source>
        <translation>un grado sotto, la linea vicina</translation>
    </message>
    <message>
        <source>one step too high, the neighbouring space</source>
        <translation>un grado sopra, lo spazio vicino</translation>
    </message>
    <message>
        <source>one step too high, the neighbouring line</source>
        <translation>un grado sopra, la linea vicina</translation>
    </message>
    <message>
        <source>a space read as the next space down</source>
        <translation>uno spazio scambiato per lo spazio sotto</translation>
    </message>
    <message>
        <source>a line read as the next line down</source>
        <translation>una linea scambiata per la linea sotto</translation>
    </message>
    <message>
        <source>a space read as the next space up</source>
        <translation>uno spazio scambiato per lo spazio sopra</translation>
    </message>
    <message>
        <source>a line read as the next line up</source>
        <translation>una linea scambiata per la linea sopra</translation>
    </message>
    <message>
        <source>the key signature makes every %1 sharp</source>
        <translation>per l&apos;alterazione in chiave ogni %1 è diesis</translation>
    </message>
    <message>
        <source>the key signature makes every %1 flat</source>
        <translation>per l&apos;alterazione in chiave ogni %1 è bemolle</translation>
    </message>
    <message>
        <source>the ledger lines miscounted, one step towards the staff</source>
        <translation>tagli addizionali contati male, un grado verso il pentagramma</translation>
    </message>
    <message>
        <source>the ledger lines miscounted, two steps towards the staff</source>
        <translation>tagli addizionali contati male, due gradi verso il pentagramma</translation>
    </message>
    <message>
        <source>the same place on the bass staff</source>
        <translation>la stessa posizione sul pentagramma in chiave di basso</translation>
    </message>
    <message>
        <source>the same place on the treble staff</source>
        <translation>la stessa posizione sul pentagramma in chiave di violino</translation>
    </message>
    <message>
        <source>the same place read in the treble clef</source>
        <translation>la stessa posizione che in chiave di violino</translation>
    </message>
    <message>
        <source>the same place read in the bass clef</source>
        <translation>la stessa posizione che in chiave di basso</translation>
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
        <translation>%1 (%2%)</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nuova</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>in apprendimento</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>acquisita</translation>
    </message>
    <message>
        <source>No note of this pool has been asked in this key yet.</source>
        <translation>Nessuna nota di questa selezione è stata ancora chiesta in questa tonalità.</translation>
    </message>
    <message>
        <source>%1 of %2 notes fluent, %3 learning, %4 new.</source>
        <translation>%1 note su %2 acquisite, %3 in apprendimento, %4 nuove.</translation>
    </message>
    <message>
        <source>Weakest: %1.</source>
        <translation>Le più difficili: %1.</translation>
    </message>
    <message>
        <source>No answers in this key in the last %1 days.</source>
        <translation>Nessuna risposta in questa tonalità negli ultimi %1 giorni.</translation>
    </message>
    <message>
        <source>No session has practised this key yet.</source>
        <translation>Nessuna sessione ha ancora esercitato questa tonalità.</translation>
    </message>
    <message>
        <source>One day of practice: %1% right at the first try, median answer time %2 s.</source>
        <translation>Un giorno di esercizio: %1% giuste al primo tentativo, tempo di risposta mediano %2 s.</translation>
    </message>
    <message>
        <source>One session: %1% right at the first try, median answer time %2 s.</source>
        <translation>Una sessione: %1% giuste al primo tentativo, tempo di risposta mediano %2 s.</translation>
    </message>
    <message numerus="yes">
        <source>Over %n days of practice: right at the first try from %1% to %2%, median answer time from %3 s to %4 s.</source>
        <translation>
            <numerusform>In %n giorno di esercizio: giuste al primo tentativo dal %1% al %2%, tempo di risposta mediano da %3 s a %4 s.</numerusform>
            <numerusform>In %n giorni di esercizio: giuste al primo tentativo dal %1% al %2%, tempo di risposta mediano da %3 s a %4 s.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Over the last %n sessions: right at the first try from %1% to %2%, median answer time from %3 s to %4 s.</source>
        <translation>
            <numerusform>Nell&apos;ultima sessione (%n): giuste al primo tentativo dal %1% al %2%, tempo di risposta mediano da %3 s a %4 s.</numerusform>
            <numerusform>Nelle ultime %n sessioni: giuste al primo tentativo dal %1% al %2%, tempo di risposta mediano da %3 s a %4 s.</numerusform>
        </translation>
    </message>
    <message>
        <source>It practised weak notes.</source>
        <translation>Ha esercitato le note difficili.</translation>
    </message>
    <message numerus="yes">
        <source>%n of them practised weak notes.</source>
        <translation>
            <numerusform>%n di esse ha esercitato le note difficili.</numerusform>
            <numerusform>%n di esse hanno esercitato le note difficili.</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep practising to get a forecast.</source>
        <translation>Continua a esercitarti per avere una previsione.</translation>
    </message>
    <message>
        <source>Every note of this pool is fluent now.</source>
        <translation>Tutte le note di questa selezione sono acquisite ora.</translation>
    </message>
    <message numerus="yes">
        <source>Fluent in about %n days at your pace.</source>
        <translation>
            <numerusform>Acquisite tra circa %n giorno al tuo ritmo.</numerusform>
            <numerusform>Acquisite tra circa %n giorni al tuo ritmo.</numerusform>
        </translation>
    </message>
    <message>
        <source>No answers yet: the map and the trends fill in as you practise.</source>
        <translation>Ancora nessuna risposta: la mappa e gli andamenti si riempiono man mano che ti eserciti.</translation>
    </message>
    <message>
        <source>The practice journal could not be read.</source>
        <translation>Non è stato possibile leggere il registro degli esercizi.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Giusto</translation>
    </message>
    <message>
        <source>Accidental on the note missed</source>
        <translation>Alterazione della nota non vista</translation>
    </message>
    <message>
        <source>Key signature ignored</source>
        <translation>Armatura di chiave ignorata</translation>
    </message>
    <message>
        <source>Wrong octave</source>
        <translation>Ottava sbagliata</translation>
    </message>
    <message>
        <source>Ledger lines miscounted</source>
        <translation>Tagli addizionali contati male</translation>
    </message>
    <message>
        <source>One step off</source>
        <translation>Un grado di scarto</translation>
    </message>
    <message>
        <source>Two steps off</source>
        <translation>Due gradi di scarto</translation>
    </message>
    <message>
        <source>Read in the other clef</source>
        <translation>Letta nell&apos;altra chiave</translation>
    </message>
    <message>
        <source>C clef read as treble or bass</source>
        <translation>Chiave di do letta come chiave di violino o di basso</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Days with practice in the last %1: %2, with %3 questions. Days in a row: %4 (the longest run: %5).</source>
        <translation>Giorni con esercizio negli ultimi %1: %2, con %3 domande. Giorni di fila: %4 (la serie più lunga: %5).</translation>
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
    <name>lintra::progress::CalendarChart</name>
    <message>
        <source>Days of practice</source>
        <translation>Giorni di esercizio</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Meno</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Più</translation>
    </message>
</context>
<context>
    <name>lintra::progress::MapLegend</name>
    <message>
        <source>new: fewer than %1 tries</source>
        <translation>nuova: meno di %1 tentativi</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>in apprendimento</translation>
    </message>
    <message>
        <source>fluent: more likely read right at sight than not</source>
        <translation>acquisita: è più probabile leggerla giusta a prima vista che no</translation>
    </message>
    <message>
        <source>Under each note: its state, how sure the trainer is, in per cent, that you read it fluently, and its name.</source>
        <translation>Sotto ogni nota: il suo stato, quanto il programma è sicuro, in percentuale, che tu la legga con scioltezza, e il suo nome.</translation>
    </message>
</context>
<context>
    <name>lintra::progress::MasteryTable</name>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Per cent</source>
        <translation>Percentuale</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Risposte</translation>
    </message>
    <message>
        <source>Notes of the pool as a table</source>
        <translation>Note della selezione in tabella</translation>
    </message>
</context>
<context>
    <name>lintra::progress::ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Progressi</translation>
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
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>&amp;Key:</source>
        <translation>&amp;Tonalità:</translation>
    </message>
    <message>
        <source>&amp;Clef:</source>
        <translation>&amp;Chiave:</translation>
    </message>
    <message>
        <source>Mastery map</source>
        <translation>Mappa di padronanza</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
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
    <message>
        <source>grey band: a session that practised weak notes</source>
        <translation>fascia grigia: una sessione sulle note difficili</translation>
    </message>
</context>
</TS>
