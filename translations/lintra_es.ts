<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
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
        <translation>¿Mostrar nombres?</translation>
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
    <name>lintra::progress::ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Notes of the current pool</source>
        <translation>Notas de la selección actual</translation>
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
</context>
</TS>
