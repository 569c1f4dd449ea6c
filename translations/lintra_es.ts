<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>Task</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Respuesta</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>Pentagrama</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Correct answers</source>
        <translation>Respuestas correctas</translation>
    </message>
    <message>
        <source>Question pool</source>
        <translation>Selección de notas</translation>
    </message>
    <message>
        <source>Device settings</source>
        <translation>Configuración de dispositivos</translation>
    </message>
    <message>
        <source>Correct Answers:</source>
        <translation>Respuestas correctas:</translation>
    </message>
    <message>
        <source>Time and mistake</source>
        <translation>Tiempo y error</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Today&apos;s goal is met: %1 of %2.</source>
        <translation>Objetivo de hoy cumplido: %1 de %2.</translation>
    </message>
    <message>
        <source>Today: %1 of %2.</source>
        <translation>Hoy: %1 de %2.</translation>
    </message>
    <message>
        <source>1 day in a row.</source>
        <translation>1 día seguido.</translation>
    </message>
    <message numerus="yes">
        <source>%n days in a row.</source>
        <translation>
            <numerusform>%n día seguido.</numerusform>
            <numerusform>%n días seguidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily Goal</source>
        <translation>Objetivo diario</translation>
    </message>
    <message>
        <source>Questions a day (empty or 0 for no goal):</source>
        <translation>Preguntas al día (vacío o 0 para ningún objetivo):</translation>
    </message>
    <message>
        <source>Please enter a whole number of questions from 0 to 10000.</source>
        <translation>Escribe un número entero de preguntas de 0 a 10000.</translation>
    </message>
    <message>
        <source>The goal applies until the program ends.</source>
        <translation>El objetivo vale hasta que se cierre el programa.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Play scale-steps of C Major</source>
        <translation>Toque los grados de la escala de Do mayor</translation>
    </message>
    <message>
        <source>Play scale-steps of G Major</source>
        <translation>Toque los grados de la escala de Sol mayor</translation>
    </message>
    <message>
        <source>Play scale-steps of D Major</source>
        <translation>Toque los grados de la escala de Re mayor</translation>
    </message>
    <message>
        <source>Play scale-steps of A Major</source>
        <translation>Toque los grados de la escala de La mayor</translation>
    </message>
    <message>
        <source>Play scale-steps of E Major</source>
        <translation>Toque los grados de la escala de Mi mayor</translation>
    </message>
    <message>
        <source>Play scale-steps of B Major</source>
        <translation>Toque los grados de la escala de Si mayor</translation>
    </message>
    <message>
        <source>Play scale-steps of F# Major</source>
        <translation>Toque los grados de la escala de Fa sostenido mayor</translation>
    </message>
    <message>
        <source>Play scale-steps of F Major</source>
        <translation>Toque los grados de la escala de Fa mayor</translation>
    </message>
    <message>
        <source>Play scale-steps of Bb Major</source>
        <translation>Toque los grados de la escala de Si bemol mayor</translation>
    </message>
    <message>
        <source>Play scale-steps of Eb Major</source>
        <translation>Toque los grados de la escala de Mi bemol mayor</translation>
    </message>
    <message>
        <source>Play scale-steps of Ab Major</source>
        <translation>Toque los grados de la escala de La bemol mayor</translation>
    </message>
    <message>
        <source>Play scale-steps of Db Major</source>
        <translation>Toque los grados de la escala de Re bemol mayor</translation>
    </message>
    <message>
        <source>Play scale-steps of Gb Major</source>
        <translation>Toque los grados de la escala de Sol bemol mayor</translation>
    </message>
    <message>
        <source>Play scale-steps of A Harmonic Minor</source>
        <translation>Toque los grados de la escala de La menor armónica</translation>
    </message>
    <message>
        <source>Play scale-steps of E Harmonic Minor</source>
        <translation>Toque los grados de la escala de Mi menor armónica</translation>
    </message>
    <message>
        <source>Play scale-steps of B Harmonic Minor</source>
        <translation>Toque los grados de la escala de Si menor armónica</translation>
    </message>
    <message>
        <source>Play scale-steps of F# Harmonic Minor</source>
        <translation>Toque los grados de la escala de Fa sostenido menor armónica</translation>
    </message>
    <message>
        <source>Play scale-steps of C# Harmonic Minor-</source>
        <translation>Toque los grados de la escala de Do sostenido menor armónica</translation>
    </message>
    <message>
        <source>Play scale-steps of D Harmonic Minor</source>
        <translation>Toque los grados de la escala de Re menor armónica</translation>
    </message>
    <message>
        <source>Play scale-steps of G Harmonic Minor</source>
        <translation>Toque los grados de la escala de Sol menor armónica</translation>
    </message>
    <message>
        <source>Play scale-steps of C Harmonic Minor</source>
        <translation>Toque los grados de la escala de Do menor armónica</translation>
    </message>
    <message>
        <source>Play scale-steps of F Harmonic Minor</source>
        <translation>Toque los grados de la escala de Fa menor armónica</translation>
    </message>
    <message>
        <source>Play scale-steps of Bb Harmonic Minor</source>
        <translation>Toque los grados de la escala de Si bemol menor armónica</translation>
    </message>
    <message>
        <source>Play scale-steps of Eb Harmonic Minor</source>
        <translation>Toque los grados de la escala de Mi bemol menor armónica</translation>
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
        <translation>Siguiente pregunta</translation>
    </message>
    <message>
        <source>Next Answer?</source>
        <translation>¿Ver respuesta?</translation>
    </message>
    <message>
        <source>Correct Answers:</source>
        <translation>Respuestas correctas:</translation>
    </message>
    <message>
        <source>Inputs:</source>
        <translation>Entradas:</translation>
    </message>
    <message>
        <source>Outputs:</source>
        <translation>Salidas:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>That is correct: %1</source>
        <translation>Correcto: %1</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>¡Inténtelo de nuevo!</translation>
    </message>
    <message>
        <source>Play notes from the Chromatic Scale</source>
        <translation>Toque notas de la escala cromática</translation>
    </message>
    <message>
        <source>Click keyboard to see notation.</source>
        <translation>Haga clic en el teclado para ver la nota en el pentagrama.</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Ha tocado %1</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avanzar</translation>
    </message>
    <message>
        <source>New Scale</source>
        <translation>Nueva escala</translation>
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
        <translation>Ver notas/Tocar el teclado</translation>
    </message>
    <message>
        <source>Play Keyboard/See Notes</source>
        <translation>Tocar el teclado/Ver notas</translation>
    </message>
    <message>
        <source>Flats</source>
        <translation>Bemoles</translation>
    </message>
    <message>
        <source>Sharps</source>
        <translation>Sostenidos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tonalidades</translation>
    </message>
    <message>
        <source>Major Scale Notes</source>
        <translation>Notas de la escala mayor</translation>
    </message>
    <message>
        <source>C Major</source>
        <translation>Do mayor</translation>
    </message>
    <message>
        <source>F Major</source>
        <translation>Fa mayor</translation>
    </message>
    <message>
        <source>G Major</source>
        <translation>Sol mayor</translation>
    </message>
    <message>
        <source>Bb Major</source>
        <translation>Si bemol mayor</translation>
    </message>
    <message>
        <source>D Major</source>
        <translation>Re mayor</translation>
    </message>
    <message>
        <source>Eb Major</source>
        <translation>Mi bemol mayor</translation>
    </message>
    <message>
        <source>A Major</source>
        <translation>La mayor</translation>
    </message>
    <message>
        <source>Ab Major</source>
        <translation>La bemol mayor</translation>
    </message>
    <message>
        <source>E Major</source>
        <translation>Mi mayor</translation>
    </message>
    <message>
        <source>Db Major</source>
        <translation>Re bemol mayor</translation>
    </message>
    <message>
        <source>B Major</source>
        <translation>Si mayor</translation>
    </message>
    <message>
        <source>Gb Major</source>
        <translation>Sol bemol mayor</translation>
    </message>
    <message>
        <source>F# Major</source>
        <translation>Fa sostenido mayor</translation>
    </message>
    <message>
        <source>Minor Scale Notes</source>
        <translation>Notas de la escala menor</translation>
    </message>
    <message>
        <source>A Minor</source>
        <translation>La menor</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>Re menor</translation>
    </message>
    <message>
        <source>E Minor</source>
        <translation>Mi menor</translation>
    </message>
    <message>
        <source>G Minor</source>
        <translation>Sol menor</translation>
    </message>
    <message>
        <source>B Minor</source>
        <translation>Si menor</translation>
    </message>
    <message>
        <source>C Minor</source>
        <translation>Do menor</translation>
    </message>
    <message>
        <source>F# Minor</source>
        <translation>Fa sostenido menor</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>Fa menor</translation>
    </message>
    <message>
        <source>C# Minor</source>
        <translation>Do sostenido menor</translation>
    </message>
    <message>
        <source>Bb Minor</source>
        <translation>Si bemol menor</translation>
    </message>
    <message>
        <source>Eb Minor</source>
        <translation>Mi bemol menor</translation>
    </message>
    <message>
        <source>Chromatic Scale Notes</source>
        <translation>Notas de la escala cromática</translation>
    </message>
    <message>
        <source>Clefs</source>
        <translation>Claves</translation>
    </message>
    <message>
        <source>Treble Clef Notes</source>
        <translation>Notas en clave de sol</translation>
    </message>
    <message>
        <source>Bass Clef Notes</source>
        <translation>Notas en clave de fa</translation>
    </message>
    <message>
        <source>Grand Staff Notes</source>
        <translation>Notas en el sistema de piano</translation>
    </message>
    <message>
        <source>Note Names On?</source>
        <translation>¿Ver nombres?</translation>
    </message>
    <message>
        <source>Note Names On</source>
        <translation>Mostrar los nombres de las notas</translation>
    </message>
    <message>
        <source>Note Names Off</source>
        <translation>Ocultar los nombres de las notas</translation>
    </message>
    <message>
        <source>Syllables?</source>
        <translation>¿Sílabas?</translation>
    </message>
    <message>
        <source>Syllable Note Names</source>
        <translation>Nombres de las notas en sílabas</translation>
    </message>
    <message>
        <source>Letter Note Names</source>
        <translation>Nombres en cifrado americano</translation>
    </message>
    <message>
        <source>Midi</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>Inputs/Outputs</source>
        <translation>Entradas/Salidas</translation>
    </message>
    <message>
        <source>Midi in On/Off</source>
        <translation>Entrada MIDI sí/no</translation>
    </message>
    <message>
        <source>Midi In On</source>
        <translation>Entrada MIDI activada</translation>
    </message>
    <message>
        <source>Midi In Off</source>
        <translation>Entrada MIDI desactivada</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Sustain?</source>
        <translation>¿Resonancia?</translation>
    </message>
    <message>
        <source>Sustain On</source>
        <translation>Resonancia activada</translation>
    </message>
    <message>
        <source>Sustain Off</source>
        <translation>Resonancia desactivada</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Apagar todas las notas</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avance</translation>
    </message>
    <message>
        <source>AutoAdvance</source>
        <translation>Avance automático</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>AutoModulate</source>
        <translation>Modulación automática</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Show Progress...</source>
        <translation>Ver el progreso...</translation>
    </message>
    <message>
        <source>Export Journal...</source>
        <translation>Exportar el registro...</translation>
    </message>
    <message>
        <source>Reset Progress...</source>
        <translation>Reiniciar el progreso...</translation>
    </message>
    <message>
        <source>Practise Weak Notes</source>
        <translation>Practicar las notas difíciles</translation>
    </message>
    <message>
        <source>Show Time and Mistake</source>
        <translation>Mostrar tiempo y error</translation>
    </message>
    <message>
        <source>Resume Where I Left Off</source>
        <translation>Continuar donde lo dejé</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Middle C Is C4</source>
        <translation>El do central es C4</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Program Help</source>
        <translation>Ayuda del programa</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Answer by Microphone</source>
        <translation>Responder con el micrófono</translation>
    </message>
    <message>
        <source>Sound Input...</source>
        <translation>Entrada de sonido...</translation>
    </message>
    <message>
        <source>Listen While Notes Sound (Headphones)</source>
        <translation>Escuchar mientras suenan las notas (auriculares)</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Lectura</translation>
    </message>
    <message>
        <source>Read a Line</source>
        <translation>Leer una línea</translation>
    </message>
    <message>
        <source>Line Length</source>
        <translation>Longitud de la línea</translation>
    </message>
    <message>
        <source>4 Notes</source>
        <translation>4 notas</translation>
    </message>
    <message>
        <source>6 Notes</source>
        <translation>6 notas</translation>
    </message>
    <message>
        <source>8 Notes</source>
        <translation>8 notas</translation>
    </message>
    <message>
        <source>Largest Leap</source>
        <translation>Salto más grande</translation>
    </message>
    <message>
        <source>A Third</source>
        <translation>Una tercera</translation>
    </message>
    <message>
        <source>A Fifth</source>
        <translation>Una quinta</translation>
    </message>
    <message>
        <source>An Octave</source>
        <translation>Una octava</translation>
    </message>
    <message>
        <source>Alto Clef</source>
        <translation>Clave de do en 3.ª (contralto)</translation>
    </message>
    <message>
        <source>Tenor Clef</source>
        <translation>Clave de do en 4.ª (tenor)</translation>
    </message>
    <message>
        <source>Choose Range...</source>
        <translation>Elegir el registro...</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Idioma...</translation>
    </message>
    <message>
        <source>Letters?</source>
        <translation>¿Letras?</translation>
    </message>
    <message>
        <source>Note Names Off?</source>
        <translation>¿Sin nombres?</translation>
    </message>
    <message>
        <source>Daily Goal...</source>
        <translation>Objetivo diario...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
    <message>
        <source>the default sound input</source>
        <translation>la entrada de sonido predeterminada</translation>
    </message>
    <message>
        <source>Lintra cannot listen to %1: %2. Answer on the keyboard, or choose another sound input with &quot;Sound Input...&quot; in the &quot;Microphone&quot; menu.</source>
        <translation>Lintra no puede escuchar %1: %2. Responda en el teclado o elija otra entrada de sonido con &quot;Entrada de sonido...&quot; en el menú &quot;Micrófono&quot;.</translation>
    </message>
    <message>
        <source>Lintra no longer hears %1, so answers by microphone have stopped. Answer on the keyboard, or choose a sound input with &quot;Sound Input...&quot; in the &quot;Microphone&quot; menu.</source>
        <translation>Lintra ya no oye %1, así que las respuestas con el micrófono se han detenido. Responda en el teclado o elija una entrada de sonido con &quot;Entrada de sonido...&quot; en el menú &quot;Micrófono&quot;.</translation>
    </message>
    <message>
        <source>The choice applies until the program ends.</source>
        <translation>La elección vale hasta que se cierre el programa.</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>El idioma del escritorio</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The trainer speaks:</source>
        <translation>El programa habla:</translation>
    </message>
    <message>
        <source>The language you chose is used from the next start of the trainer.</source>
        <translation>El idioma elegido se usará a partir del próximo inicio del programa.</translation>
    </message>
    <message>
        <source>Thank you for practising with Lintra. The maker&apos;s web site offers more training programs for musicians.</source>
        <translation>Gracias por practicar con Lintra. El sitio web del fabricante ofrece más programas de entrenamiento para músicos.</translation>
    </message>
    <message>
        <source>Lintra Trainer, version 3.1 (2026).
A trainer for reading music notation.

This software is provided as is, without warranties of any kind. The seller&apos;s liability is limited to the replacement of the software or the refund of its price.

Music symbols from the Lintra Music font, made from the Emmentaler font of the LilyPond project (SIL Open Font License 1.1).</source>
        <translation>Lintra Trainer, versión 3.1 (2026).
Un programa para practicar la lectura de partituras.

Este software se ofrece tal cual, sin garantías de ningún tipo. La responsabilidad del vendedor se limita a la sustitución del software o al reembolso de su precio.

Símbolos musicales de la fuente Lintra Music, hecha a partir de la fuente Emmentaler del proyecto LilyPond (SIL Open Font License 1.1).</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Se ha producido un error inesperado.</translation>
    </message>
    <message>
        <source>The help page could not be opened. It is the file &quot;%1&quot;; open it in a web browser to read it.</source>
        <translation>No se pudo abrir la página de ayuda. Es el archivo &quot;%1&quot;; ábralo en un navegador web para leerlo.</translation>
    </message>
    <message>
        <source>The answer is: %1</source>
        <translation>La respuesta es: %1</translation>
    </message>
    <message>
        <source>Keyboard out of range.</source>
        <translation>Nota fuera del alcance del teclado.</translation>
    </message>
    <message>
        <source>%1 : Correct answers?</source>
        <translation>%1 : ¿Respuestas correctas?</translation>
    </message>
    <message>
        <source>How many correct answers?</source>
        <translation>¿Cuántas respuestas correctas?</translation>
    </message>
    <message>
        <source>%1 : Score?</source>
        <translation>%1 : ¿Puntuación?</translation>
    </message>
    <message>
        <source>What percent correct answers?</source>
        <translation>¿Qué porcentaje de respuestas correctas?</translation>
    </message>
    <message>
        <source>Chromatic scale notes on the Grand Staff is the higest level. Select a Major or minor key, a clef or Grand Staff, then set AutoAdvance On.</source>
        <translation>Las notas de la escala cromática en el sistema de piano son el nivel más alto. Elija una tonalidad mayor o menor, una clave o el sistema de piano, y active el Avance automático.</translation>
    </message>
    <message>
        <source>Under Mode Menu, Click &quot;See Notes/Play Keyboard&quot; to use the AutoAdvance Feature.</source>
        <translation>En el menú &quot;Modo&quot;, haga clic en &quot;Ver notas/Tocar el teclado&quot; para usar el Avance automático.</translation>
    </message>
    <message>
        <source>Under Mode Menu, Click &quot;See Notes/Play Keyboard&quot; to use the AutoModulate Feature.</source>
        <translation>En el menú &quot;Modo&quot;, haga clic en &quot;Ver notas/Tocar el teclado&quot; para usar la Modulación automática.</translation>
    </message>
    <message>
        <source>There are no Key centers in the chromatic scale. Select a Major or minor key, select a clef, then set AutoModulate On</source>
        <translation>La escala cromática no tiene centro tonal. Elija una tonalidad mayor o menor, elija una clave y active la Modulación automática.</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score of more than %2%. Advance to next level?</source>
        <translation>¡Enhorabuena! Tiene %1 o más respuestas correctas con más del %2% de aciertos. ¿Pasar al siguiente nivel?</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score more than %2%. Change scale and key?</source>
        <translation>¡Enhorabuena! Tiene %1 o más respuestas correctas con más del %2% de aciertos. ¿Cambiar de escala y tonalidad?</translation>
    </message>
    <message>
        <source>The practice journal cannot be written (%1). The trainer goes on and keeps your answers: it tries again to save them, and when you close it, it offers to export any it could not save.</source>
        <translation>No se puede escribir el registro de práctica (%1). El programa sigue y conserva sus respuestas: intenta guardarlas de nuevo y, al cerrarlo, ofrece exportar las que no pudo guardar.</translation>
    </message>
    <message>
        <source>Another Lintra window is open with the same practice journal. Your answers in both are kept; to reset your progress, close the other window first.</source>
        <translation>Hay otra ventana de Lintra abierta con el mismo registro de práctica. Sus respuestas en ambas se conservan; para reiniciar su progreso, cierre primero la otra ventana.</translation>
    </message>
    <message>
        <source>Your progress was not reset: another Lintra window is using the same practice journal. Close it, then try again.</source>
        <translation>Su progreso no se reinició: otra ventana de Lintra está usando el mismo registro de práctica. Ciérrela y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Your progress was not reset: some answers are not yet saved in the practice journal (%1). Try again once it can be written.</source>
        <translation>Su progreso no se reinició: algunas respuestas aún no están guardadas en el registro de práctica (%1). Vuelva a intentarlo cuando se pueda escribir.</translation>
    </message>
    <message>
        <source>Your progress was not reset: the practice journal could not be set aside as a backup (%1). It is kept as it was.</source>
        <translation>Su progreso no se reinició: el registro de práctica no se pudo apartar como copia de seguridad (%1). Se conserva como estaba.</translation>
    </message>
    <message>
        <source>Your progress was not reset: a new practice journal could not be made (%1). The old one is kept as it was.</source>
        <translation>Su progreso no se reinició: no se pudo crear un nuevo registro de práctica (%1). El anterior se conserva como estaba.</translation>
    </message>
    <message>
        <source>Answers not saved in the practice journal: %1. Export them, with all the others, to a file before the trainer closes? If not, they are lost.</source>
        <translation>Respuestas no guardadas en el registro de práctica: %1. ¿Exportarlas, con todas las demás, a un archivo antes de que se cierre el programa? Si no, se pierden.</translation>
    </message>
    <message>
        <source>The file holds every answer, also those not yet saved in the practice journal: %1. The trainer keeps trying to save them.</source>
        <translation>El archivo contiene todas las respuestas, también las que aún no están guardadas en el registro de práctica: %1. El programa sigue intentando guardarlas.</translation>
    </message>
    <message>
        <source>The journal could not be exported to &quot;%1&quot;: the disk is full. Make room on it, or choose another place, and try again.</source>
        <translation>No se pudo exportar el registro a «%1»: el disco está lleno. Libere espacio o elija otro lugar y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The practice journal could not be read, so it was not exported.</source>
        <translation>No se pudo leer el registro de práctica, así que no se exportó.</translation>
    </message>
    <message>
        <source>Answers not yet saved in the practice journal: %1. They are shown here, and the trainer keeps trying to save them.</source>
        <translation>Respuestas aún no guardadas en el registro de práctica: %1. Se muestran aquí, y el programa sigue intentando guardarlas.</translation>
    </message>
    <message>
        <source>No note of this key and clef lies between %1 and %2, the range you chose, so all of its notes are asked until you choose another range.</source>
        <translation>Ninguna nota de esta tonalidad y esta clave está entre %1 y %2, el registro que eligió, así que se preguntan todas sus notas hasta que elija otro registro.</translation>
    </message>
    <message>
        <source>Choose Range</source>
        <translation>Elegir el registro</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key of the keyboard. Type a letter, then # or b for a sharp or a flat, then the octave: a note from %2 to %3.</source>
        <translation>«%1» no es una tecla del teclado. Escriba una letra, luego # o b para un sostenido o un bemol, y luego la octava: una nota de %2 a %3.</translation>
    </message>
    <message>
        <source>The lowest note asked, from %1 to %2:</source>
        <translation>La nota más grave que se pregunta, de %1 a %2:</translation>
    </message>
    <message>
        <source>The highest note asked, from %1 to %2:</source>
        <translation>La nota más aguda que se pregunta, de %1 a %2:</translation>
    </message>
    <message>
        <source>No note of this key and clef lies between %1 and %2. The range stays from %3 to %4.</source>
        <translation>Ninguna nota de esta tonalidad y esta clave está entre %1 y %2. El registro sigue siendo de %3 a %4.</translation>
    </message>
    <message>
        <source>The practice journal was damaged. It is kept as &quot;%1&quot; and a new journal was started.</source>
        <translation>El registro de práctica estaba dañado. Se guarda como &quot;%1&quot; y se ha empezado un registro nuevo.</translation>
    </message>
    <message>
        <source>The practice journal was written by a newer version of the trainer and is left as it is.</source>
        <translation>El registro de práctica lo escribió una versión más reciente del programa y se deja como está.</translation>
    </message>
    <message>
        <source>A new practice journal was started.</source>
        <translation>Se ha empezado un registro de práctica nuevo.</translation>
    </message>
    <message>
        <source>A new practice journal was started. The old one is kept as &quot;%1&quot;.</source>
        <translation>Se ha empezado un registro de práctica nuevo. El anterior se guarda como &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No practice journal is kept, so there is nothing to export.</source>
        <translation>No se lleva registro de práctica, así que no hay nada que exportar.</translation>
    </message>
    <message>
        <source>Export Journal</source>
        <translation>Exportar registro</translation>
    </message>
    <message>
        <source>The journal could not be exported to &quot;%1&quot;. Choose a folder where you may write files, and try again.</source>
        <translation>No se pudo exportar el registro a &quot;%1&quot;. Elija una carpeta donde pueda escribir archivos e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>No practice journal is kept, so there is no progress to reset.</source>
        <translation>No se lleva registro de práctica, así que no hay progreso que reiniciar.</translation>
    </message>
    <message>
        <source>Start a new practice journal? The answers so far are kept in a backup file, and your progress starts again from nothing.</source>
        <translation>¿Empezar un registro de práctica nuevo? Las respuestas hasta ahora se guardan en un archivo de copia y su progreso empieza de cero.</translation>
    </message>
    <message>
        <source>The Progress window cannot be shown here.</source>
        <translation>La ventana de progreso no se puede mostrar aquí.</translation>
    </message>
    <message>
        <source>The device choice cannot be saved: a device name is too long or holds a line break.</source>
        <translation>La elección de dispositivo no se puede guardar: un nombre de dispositivo es demasiado largo o contiene un salto de línea.</translation>
    </message>
    <message>
        <source>The device choice cannot be saved: the settings are too large.</source>
        <translation>La elección de dispositivo no se puede guardar: la configuración es demasiado grande.</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;: %2.</source>
        <translation>No se puede crear la carpeta &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>No se puede escribir el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;.</source>
        <translation>No se puede guardar el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The chosen MIDI output is not in the list of devices. Lintra plays through the built-in synthesizer instead.</source>
        <translation>La salida MIDI elegida no está en la lista de dispositivos. Lintra suena por el sintetizador integrado.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; cannot be used (%2). Lintra plays through the built-in synthesizer instead.</source>
        <translation>La salida MIDI &quot;%1&quot; no se puede usar (%2). Lintra suena por el sintetizador integrado.</translation>
    </message>
    <message>
        <source>the chosen device</source>
        <translation>el dispositivo elegido</translation>
    </message>
    <message>
        <source>MIDI output fails (%1). Notes may not sound.</source>
        <translation>La salida MIDI falla (%1). Puede que las notas no suenen.</translation>
    </message>
    <message>
        <source>The built-in synthesizer is silent: %1. To hear the notes, choose another MIDI output with &quot;Inputs/Outputs&quot; in the &quot;Midi&quot; menu.</source>
        <translation>El sintetizador integrado está en silencio: %1. Para oír las notas, elija otra salida MIDI con &quot;Entradas/Salidas&quot; en el menú &quot;MIDI&quot;.</translation>
    </message>
    <message>
        <source>MIDI Instrument</source>
        <translation>Instrumento MIDI</translation>
    </message>
    <message>
        <source>MIDI Instrument Number between 0 and 127?</source>
        <translation>¿Número de instrumento MIDI, entre 0 y 127?</translation>
    </message>
    <message>
        <source>Please enter an instrument number between 0 and 127. The instrument stays %1.</source>
        <translation>Escriba un número de instrumento entre 0 y 127. El instrumento sigue siendo %1.</translation>
    </message>
    <message>
        <source>it could open no audio output</source>
        <translation>no pudo abrir ninguna salida de audio</translation>
    </message>
    <message>
        <source>it found no sound font</source>
        <translation>no encontró ningún banco de sonidos (SoundFont)</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; cannot be opened (%2). Notes will not sound.</source>
        <translation>La salida MIDI &quot;%1&quot; no se puede abrir (%2). Las notas no sonarán.</translation>
    </message>
    <message>
        <source>The device settings file &quot;%1&quot; is damaged.</source>
        <translation>El archivo de configuración de dispositivos &quot;%1&quot; está dañado.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>No se puede abrir el archivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>the device captures at an unusable rate (%1 Hz)</source>
        <translation>el dispositivo graba a una frecuencia inutilizable (%1 Hz)</translation>
    </message>
    <message>
        <source>listening is not available: %1</source>
        <translation>la escucha no está disponible: %1</translation>
    </message>
    <message>
        <source>the sound input could not be started: %1</source>
        <translation>no se pudo iniciar la entrada de sonido: %1</translation>
    </message>
    <message>
        <source>no sound system could be reached</source>
        <translation>no se pudo acceder a ningún sistema de sonido</translation>
    </message>
    <message>
        <source>there is no sound input</source>
        <translation>no hay ninguna entrada de sonido</translation>
    </message>
    <message>
        <source>there is no sound input named &quot;%1&quot;</source>
        <translation>no hay ninguna entrada de sonido llamada &quot;%1&quot;</translation>
    </message>
    <message>
        <source>this trainer has no sound input</source>
        <translation>este programa no tiene entrada de sonido</translation>
    </message>
    <message>
        <source>its module could not be loaded: %1</source>
        <translation>no se pudo cargar su módulo: %1</translation>
    </message>
</context>
<context>
    <name>MidiErrors</name>
    <message>
        <source>The operation completed successfully.</source>
        <translation>La operación se completó correctamente.</translation>
    </message>
    <message>
        <source>An unspecified error occurred.</source>
        <translation>Se produjo un error no especificado.</translation>
    </message>
    <message>
        <source>The specified device identifier is out of range.</source>
        <translation>El identificador de dispositivo indicado está fuera del intervalo.</translation>
    </message>
    <message>
        <source>The driver is not enabled.</source>
        <translation>El controlador no está habilitado.</translation>
    </message>
    <message>
        <source>The specified device is already in use.</source>
        <translation>El dispositivo indicado ya está en uso.</translation>
    </message>
    <message>
        <source>The specified device handle is invalid.</source>
        <translation>La referencia al dispositivo indicado no es válida.</translation>
    </message>
    <message>
        <source>There is no driver installed on your system.</source>
        <translation>No hay ningún controlador instalado en el sistema.</translation>
    </message>
    <message>
        <source>There is not enough memory available for this task.</source>
        <translation>No hay memoria suficiente para esta tarea.</translation>
    </message>
    <message>
        <source>This function is not supported.</source>
        <translation>Esta función no es compatible.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to a system function.</source>
        <translation>Se pasó un parámetro no válido a una función del sistema.</translation>
    </message>
    <message>
        <source>The buffer header has not been prepared.</source>
        <translation>El encabezado del búfer no se ha preparado.</translation>
    </message>
    <message>
        <source>The device is still using the buffers.</source>
        <translation>El dispositivo aún está usando los búferes.</translation>
    </message>
    <message>
        <source>The device is not ready.</source>
        <translation>El dispositivo no está preparado.</translation>
    </message>
    <message>
        <source>The MIDI device has been disconnected.</source>
        <translation>El dispositivo MIDI se ha desconectado.</translation>
    </message>
    <message>
        <source>The device could not be opened; another program may be using it.</source>
        <translation>No se pudo abrir el dispositivo; puede que otro programa lo esté usando.</translation>
    </message>
    <message>
        <source>Specified error number is out of range</source>
        <translation>El número de error indicado está fuera del intervalo</translation>
    </message>
</context>
<context>
    <name>Mistakes</name>
    <message>
        <source>Read %1 in the treble clef as %2</source>
        <translation>%1 en clave de sol leído como %2</translation>
    </message>
    <message>
        <source>Read %1 in the bass clef as %2</source>
        <translation>%1 en clave de fa leído como %2</translation>
    </message>
    <message>
        <source>Read %1 in the alto clef as %2</source>
        <translation>%1 en clave de do en tercera línea leído como %2</translation>
    </message>
    <message>
        <source>Read %1 in the tenor clef as %2</source>
        <translation>%1 en clave de do en cuarta línea leído como %2</translation>
    </message>
    <message>
        <source>the natural sign before the note cancels the key signature</source>
        <translation>el becuadro delante de la nota anula la armadura</translation>
    </message>
    <message>
        <source>the sharp before the note was missed</source>
        <translation>no se vio el sostenido delante de la nota</translation>
    </message>
    <message>
        <source>the flat before the note was missed</source>
        <translation>no se vio el bemol delante de la nota</translation>
    </message>
    <message>
        <source>the right note, an octave too high</source>
        <translation>la nota correcta, una octava más alta</translation>
    </message>
    <message>
        <source>the right note, an octave too low</source>
        <translation>la nota correcta, una octava más baja</translation>
    </message>
    <message>
        <source>the right note, %1 octaves too high</source>
        <translation>la nota correcta, %1 octavas más alta</translation>
    </message>
    <message>
        <source>the right note, %1 octaves too low</source>
        <translation>la nota correcta, %1 octavas más baja</translation>
    </message>
    <message>
        <source>one step too low, the neighbouring space</source>
        <translation>un grado más bajo, el espacio vecino</translation>
    </message>
    <message>
        <source>one step too low, the neighbouring line</source>
        <translation>un grado más bajo, la línea vecina</translation>
    </message>
    <message>
        <source>one step too high, the neighbouring space</source>
        <translation>un grado más alto, el espacio vecino</translation>
    </message>
    <message>
        <source>one step too high, the neighbouring line</source>
        <translation>un grado más alto, la línea vecina</translation>
    </message>
    <message>
        <source>a space read as the next space down</source>
        <translation>un espacio confundido con el espacio de abajo</translation>
    </message>
    <message>
        <source>a line read as the next line down</source>
        <translation>una línea confundida con la línea de abajo</translation>
    </message>
    <message>
        <source>a space read as the next space up</source>
        <translation>un espacio confundido con el espacio de arriba</translation>
    </message>
    <message>
        <source>a line read as the next line up</source>
        <translation>una línea confundida con la línea de arriba</translation>
    </message>
    <message>
        <source>the key signature makes every %1 sharp</source>
        <translation>por la armadura, todo %1 es sostenido</translation>
    </message>
    <message>
        <source>the key signature makes every %1 flat</source>
        <translation>por la armadura, todo %1 es bemol</translation>
    </message>
    <message>
        <source>the ledger lines miscounted, one step towards the staff</source>
        <translation>líneas adicionales mal contadas, un grado hacia el pentagrama</translation>
    </message>
    <message>
        <source>the ledger lines miscounted, two steps towards the staff</source>
        <translation>líneas adicionales mal contadas, dos grados hacia el pentagrama</translation>
    </message>
    <message>
        <source>the same place on the bass staff</source>
        <translation>el mismo lugar en el pentagrama en clave de fa</translation>
    </message>
    <message>
        <source>the same place on the treble staff</source>
        <translation>el mismo lugar en el pentagrama en clave de sol</translation>
    </message>
    <message>
        <source>the same place read in the treble clef</source>
        <translation>el mismo lugar que en clave de sol</translation>
    </message>
    <message>
        <source>the same place read in the bass clef</source>
        <translation>el mismo lugar que en clave de fa</translation>
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
        <translation>nueva</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>en aprendizaje</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>dominada</translation>
    </message>
    <message>
        <source>No note of this pool has been asked in this key yet.</source>
        <translation>Todavía no se ha preguntado ninguna nota de esta selección en esta tonalidad.</translation>
    </message>
    <message>
        <source>%1 of %2 notes fluent, %3 learning, %4 new.</source>
        <translation>%1 de %2 notas dominadas, %3 en aprendizaje, %4 nuevas.</translation>
    </message>
    <message>
        <source>Weakest: %1.</source>
        <translation>Las más difíciles: %1.</translation>
    </message>
    <message>
        <source>No answers in this key in the last %1 days.</source>
        <translation>No hay respuestas en esta tonalidad en los últimos %1 días.</translation>
    </message>
    <message>
        <source>No session has practised this key yet.</source>
        <translation>Ninguna sesión ha practicado aún esta tonalidad.</translation>
    </message>
    <message>
        <source>One day of practice: %1% right at the first try, median answer time %2 s.</source>
        <translation>Un día de práctica: %1% de aciertos al primer intento, tiempo de respuesta (mediana) %2 s.</translation>
    </message>
    <message>
        <source>One session: %1% right at the first try, median answer time %2 s.</source>
        <translation>Una sesión: %1% de aciertos al primer intento, tiempo de respuesta (mediana) %2 s.</translation>
    </message>
    <message numerus="yes">
        <source>Over %n days of practice: right at the first try from %1% to %2%, median answer time from %3 s to %4 s.</source>
        <translation>
            <numerusform>En %n día de práctica: aciertos al primer intento del %1% al %2%, tiempo de respuesta (mediana) de %3 s a %4 s.</numerusform>
            <numerusform>En %n días de práctica: aciertos al primer intento del %1% al %2%, tiempo de respuesta (mediana) de %3 s a %4 s.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Over the last %n sessions: right at the first try from %1% to %2%, median answer time from %3 s to %4 s.</source>
        <translation>
            <numerusform>En la última sesión (%n): aciertos al primer intento del %1% al %2%, tiempo de respuesta (mediana) de %3 s a %4 s.</numerusform>
            <numerusform>En las últimas %n sesiones: aciertos al primer intento del %1% al %2%, tiempo de respuesta (mediana) de %3 s a %4 s.</numerusform>
        </translation>
    </message>
    <message>
        <source>It practised weak notes.</source>
        <translation>Practicó las notas difíciles.</translation>
    </message>
    <message numerus="yes">
        <source>%n of them practised weak notes.</source>
        <translation>
            <numerusform>%n de ellas practicó las notas difíciles.</numerusform>
            <numerusform>%n de ellas practicaron las notas difíciles.</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep practising to get a forecast.</source>
        <translation>Siga practicando para obtener una previsión.</translation>
    </message>
    <message>
        <source>Every note of this pool is fluent now.</source>
        <translation>Todas las notas de esta selección están dominadas ahora.</translation>
    </message>
    <message numerus="yes">
        <source>Fluent in about %n days at your pace.</source>
        <translation>
            <numerusform>Dominadas en unos %n día a su ritmo.</numerusform>
            <numerusform>Dominadas en unos %n días a su ritmo.</numerusform>
        </translation>
    </message>
    <message>
        <source>No answers yet: the map and the trends fill in as you practise.</source>
        <translation>Todavía no hay respuestas: el mapa y las tendencias se llenan a medida que practica.</translation>
    </message>
    <message>
        <source>The practice journal could not be read.</source>
        <translation>No se pudo leer el registro de práctica.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correcto</translation>
    </message>
    <message>
        <source>Accidental on the note missed</source>
        <translation>Alteración de la nota pasada por alto</translation>
    </message>
    <message>
        <source>Key signature ignored</source>
        <translation>Armadura de clave ignorada</translation>
    </message>
    <message>
        <source>Wrong octave</source>
        <translation>Octava equivocada</translation>
    </message>
    <message>
        <source>Ledger lines miscounted</source>
        <translation>Líneas adicionales mal contadas</translation>
    </message>
    <message>
        <source>One step off</source>
        <translation>Un grado de diferencia</translation>
    </message>
    <message>
        <source>Two steps off</source>
        <translation>Dos grados de diferencia</translation>
    </message>
    <message>
        <source>Read in the other clef</source>
        <translation>Leída en la otra clave</translation>
    </message>
    <message>
        <source>C clef read as treble or bass</source>
        <translation>Clave de do leída como clave de sol o de fa</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Days with practice in the last %1: %2, with %3 questions. Days in a row: %4 (the longest run: %5).</source>
        <translation>Días con práctica en los últimos %1: %2, con %3 preguntas. Días seguidos: %4 (la racha más larga: %5).</translation>
    </message>
</context>
<context>
    <name>Staff</name>
    <message>
        <source>on the first line</source>
        <translation>en la primera línea</translation>
    </message>
    <message>
        <source>on the second line</source>
        <translation>en la segunda línea</translation>
    </message>
    <message>
        <source>on the third line</source>
        <translation>en la tercera línea</translation>
    </message>
    <message>
        <source>on the fourth line</source>
        <translation>en la cuarta línea</translation>
    </message>
    <message>
        <source>on the fifth line</source>
        <translation>en la quinta línea</translation>
    </message>
    <message>
        <source>in the first space</source>
        <translation>en el primer espacio</translation>
    </message>
    <message>
        <source>in the second space</source>
        <translation>en el segundo espacio</translation>
    </message>
    <message>
        <source>in the third space</source>
        <translation>en el tercer espacio</translation>
    </message>
    <message>
        <source>in the fourth space</source>
        <translation>en el cuarto espacio</translation>
    </message>
    <message>
        <source>Key signature of one sharp.</source>
        <translation>Armadura de un sostenido.</translation>
    </message>
    <message>
        <source>Key signature of two sharps.</source>
        <translation>Armadura de dos sostenidos.</translation>
    </message>
    <message>
        <source>Key signature of three sharps.</source>
        <translation>Armadura de tres sostenidos.</translation>
    </message>
    <message>
        <source>Key signature of four sharps.</source>
        <translation>Armadura de cuatro sostenidos.</translation>
    </message>
    <message>
        <source>Key signature of five sharps.</source>
        <translation>Armadura de cinco sostenidos.</translation>
    </message>
    <message>
        <source>Key signature of six sharps.</source>
        <translation>Armadura de seis sostenidos.</translation>
    </message>
    <message>
        <source>Key signature of one flat.</source>
        <translation>Armadura de un bemol.</translation>
    </message>
    <message>
        <source>Key signature of two flats.</source>
        <translation>Armadura de dos bemoles.</translation>
    </message>
    <message>
        <source>Key signature of three flats.</source>
        <translation>Armadura de tres bemoles.</translation>
    </message>
    <message>
        <source>Key signature of four flats.</source>
        <translation>Armadura de cuatro bemoles.</translation>
    </message>
    <message>
        <source>Key signature of five flats.</source>
        <translation>Armadura de cinco bemoles.</translation>
    </message>
    <message>
        <source>Key signature of six flats.</source>
        <translation>Armadura de seis bemoles.</translation>
    </message>
    <message>
        <source>Staff with a treble clef.</source>
        <translation>Pentagrama con clave de sol.</translation>
    </message>
    <message>
        <source>Staff with a bass clef.</source>
        <translation>Pentagrama con clave de fa.</translation>
    </message>
    <message>
        <source>Staff with an alto clef.</source>
        <translation>Pentagrama con clave de do en tercera línea.</translation>
    </message>
    <message>
        <source>Staff with a tenor clef.</source>
        <translation>Pentagrama con clave de do en cuarta línea.</translation>
    </message>
    <message>
        <source>first</source>
        <comment>of ledger lines</comment>
        <translation>primera</translation>
    </message>
    <message>
        <source>second</source>
        <comment>of ledger lines</comment>
        <translation>segunda</translation>
    </message>
    <message>
        <source>third</source>
        <comment>of ledger lines</comment>
        <translation>tercera</translation>
    </message>
    <message>
        <source>fourth</source>
        <comment>of ledger lines</comment>
        <translation>cuarta</translation>
    </message>
    <message>
        <source>fifth</source>
        <comment>of ledger lines</comment>
        <translation>quinta</translation>
    </message>
    <message>
        <source>sixth</source>
        <comment>of ledger lines</comment>
        <translation>sexta</translation>
    </message>
    <message>
        <source>seventh</source>
        <comment>of ledger lines</comment>
        <translation>séptima</translation>
    </message>
    <message>
        <source>on the %1 ledger line below</source>
        <translation>en la %1 línea adicional inferior</translation>
    </message>
    <message>
        <source>in the space below the %1 ledger line below</source>
        <translation>en el espacio bajo la %1 línea adicional inferior</translation>
    </message>
    <message>
        <source>on the %1 ledger line above</source>
        <translation>en la %1 línea adicional superior</translation>
    </message>
    <message>
        <source>in the space above the %1 ledger line above</source>
        <translation>en el espacio sobre la %1 línea adicional superior</translation>
    </message>
    <message>
        <source>No key signature.</source>
        <translation>Sin armadura.</translation>
    </message>
    <message>
        <source>Grand staff with a treble clef and a bass clef.</source>
        <translation>Doble pentagrama con clave de sol y clave de fa.</translation>
    </message>
    <message>
        <source>The note is %1.</source>
        <translation>La nota está %1.</translation>
    </message>
    <message>
        <source>The note is on the ledger line between the staves.</source>
        <translation>La nota está en la línea adicional entre los dos pentagramas.</translation>
    </message>
    <message>
        <source>The note is on the treble staff, %1.</source>
        <translation>La nota está en el pentagrama de clave de sol, %1.</translation>
    </message>
    <message>
        <source>The note is on the bass staff, %1.</source>
        <translation>La nota está en el pentagrama de clave de fa, %1.</translation>
    </message>
    <message>
        <source>A sharp stands before it.</source>
        <translation>Lleva un sostenido delante.</translation>
    </message>
    <message>
        <source>A flat stands before it.</source>
        <translation>Lleva un bemol delante.</translation>
    </message>
    <message>
        <source>A natural sign stands before it.</source>
        <translation>Lleva un becuadro delante.</translation>
    </message>
    <message>
        <source>No note is shown.</source>
        <translation>No se muestra ninguna nota.</translation>
    </message>
    <message>
        <source>Reading note %1 of %2.</source>
        <translation>Leyendo la nota %1 de %2.</translation>
    </message>
    <message>
        <source>in the space below the bottom line</source>
        <translation>en el espacio bajo la primera línea</translation>
    </message>
    <message>
        <source>in the space above the top line</source>
        <translation>en el espacio sobre la quinta línea</translation>
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
        <translation>Entrada de sonido</translation>
    </message>
    <message>
        <source>Listen to:</source>
        <translation>Escuchar:</translation>
    </message>
    <message>
        <source>The system&apos;s default input</source>
        <translation>La entrada predeterminada del sistema</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Nivel de entrada</translation>
    </message>
    <message>
        <source>The meter moves while &quot;Answer by Microphone&quot; is on.</source>
        <translation>El medidor se mueve mientras &quot;Responder con el micrófono&quot; está activado.</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nivel:</translation>
    </message>
</context>
<context>
    <name>lintra::progress::CalendarChart</name>
    <message>
        <source>Days of practice</source>
        <translation>Días de práctica</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Más</translation>
    </message>
</context>
<context>
    <name>lintra::progress::MapLegend</name>
    <message>
        <source>new: fewer than %1 tries</source>
        <translation>nueva: menos de %1 intentos</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>en aprendizaje</translation>
    </message>
    <message>
        <source>fluent: more likely read right at sight than not</source>
        <translation>dominada: es más probable leerla bien a primera vista que no</translation>
    </message>
    <message>
        <source>Under each note: its state, how sure the trainer is, in per cent, that you read it fluently, and its name.</source>
        <translation>Bajo cada nota: su estado, la seguridad del programa, en porcentaje, de que la lees con fluidez, y su nombre.</translation>
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
        <translation>Estado</translation>
    </message>
    <message>
        <source>Per cent</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respuestas</translation>
    </message>
    <message>
        <source>Notes of the pool as a table</source>
        <translation>Notas de la selección en tabla</translation>
    </message>
</context>
<context>
    <name>lintra::progress::ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Trends</source>
        <translation>Tendencias</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>Por día</translation>
    </message>
    <message>
        <source>Day (the days with practice of the last %1)</source>
        <translation>Día (los días con práctica de los últimos %1)</translation>
    </message>
    <message>
        <source>Per practice session</source>
        <translation>Por sesión de práctica</translation>
    </message>
    <message>
        <source>Session (last %1, oldest first)</source>
        <translation>Sesión (las últimas %1, la más antigua primero)</translation>
    </message>
    <message>
        <source>Mistakes of the last seven days</source>
        <translation>Errores de los últimos siete días</translation>
    </message>
    <message>
        <source>Export Journal...</source>
        <translation>Exportar el registro...</translation>
    </message>
    <message>
        <source>Reset Progress...</source>
        <translation>Reiniciar el progreso...</translation>
    </message>
    <message>
        <source>%1: %2. For example: %3.</source>
        <translation>%1: %2. Por ejemplo: %3.</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Ninguno.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>&amp;Key:</source>
        <translation>&amp;Tonalidad:</translation>
    </message>
    <message>
        <source>&amp;Clef:</source>
        <translation>&amp;Clave:</translation>
    </message>
    <message>
        <source>Mastery map</source>
        <translation>Mapa de dominio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
        <translation>aciertos al primer intento</translation>
    </message>
    <message>
        <source>median response time</source>
        <translation>tiempo de respuesta (mediana)</translation>
    </message>
    <message>
        <source>accuracy %</source>
        <translation>aciertos en %</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>No answers in this period</source>
        <translation>No hay respuestas en este período</translation>
    </message>
    <message>
        <source>grey band: a session that practised weak notes</source>
        <translation>franja gris: una sesión con las notas difíciles</translation>
    </message>
</context>
</TS>
