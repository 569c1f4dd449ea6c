<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Accessibility</name>
    <message>
        <source>Task</source>
        <translation>Tarefa</translation>
    </message>
    <message>
        <source>Answer</source>
        <translation>Resposta</translation>
    </message>
    <message>
        <source>Staff</source>
        <translation>Pauta</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontuação</translation>
    </message>
    <message>
        <source>Correct answers</source>
        <translation>Respostas certas</translation>
    </message>
    <message>
        <source>Question pool</source>
        <translation>Seleção de notas</translation>
    </message>
    <message>
        <source>Device settings</source>
        <translation>Configurações de dispositivo</translation>
    </message>
    <message>
        <source>Correct Answers:</source>
        <translation>Respostas certas:</translation>
    </message>
    <message>
        <source>Time and mistake</source>
        <translation>Tempo e erro</translation>
    </message>
</context>
<context>
    <name>DailyGoal</name>
    <message>
        <source>Today&apos;s goal is met: %1 of %2.</source>
        <translation>Meta de hoje cumprida: %1 de %2.</translation>
    </message>
    <message>
        <source>Today: %1 of %2.</source>
        <translation>Hoje: %1 de %2.</translation>
    </message>
    <message>
        <source>1 day in a row.</source>
        <translation>1 dia seguido.</translation>
    </message>
    <message numerus="yes">
        <source>%n days in a row.</source>
        <translation>
            <numerusform>%n dia seguido.</numerusform>
            <numerusform>%n dias seguidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Daily Goal</source>
        <translation>Meta diária</translation>
    </message>
    <message>
        <source>Questions a day (empty or 0 for no goal):</source>
        <translation>Perguntas por dia (vazio ou 0 para nenhuma meta):</translation>
    </message>
    <message>
        <source>Please enter a whole number of questions from 0 to 10000.</source>
        <translation>Digite um número inteiro de perguntas de 0 a 10000.</translation>
    </message>
    <message>
        <source>The goal applies until the program ends.</source>
        <translation>A meta vale até o programa ser fechado.</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>Play scale-steps of C Major</source>
        <translation>Toque os graus da escala de Dó maior</translation>
    </message>
    <message>
        <source>Play scale-steps of G Major</source>
        <translation>Toque os graus da escala de Sol maior</translation>
    </message>
    <message>
        <source>Play scale-steps of D Major</source>
        <translation>Toque os graus da escala de Ré maior</translation>
    </message>
    <message>
        <source>Play scale-steps of A Major</source>
        <translation>Toque os graus da escala de Lá maior</translation>
    </message>
    <message>
        <source>Play scale-steps of E Major</source>
        <translation>Toque os graus da escala de Mi maior</translation>
    </message>
    <message>
        <source>Play scale-steps of B Major</source>
        <translation>Toque os graus da escala de Si maior</translation>
    </message>
    <message>
        <source>Play scale-steps of F# Major</source>
        <translation>Toque os graus da escala de Fá sustenido maior</translation>
    </message>
    <message>
        <source>Play scale-steps of F Major</source>
        <translation>Toque os graus da escala de Fá maior</translation>
    </message>
    <message>
        <source>Play scale-steps of Bb Major</source>
        <translation>Toque os graus da escala de Si bemol maior</translation>
    </message>
    <message>
        <source>Play scale-steps of Eb Major</source>
        <translation>Toque os graus da escala de Mi bemol maior</translation>
    </message>
    <message>
        <source>Play scale-steps of Ab Major</source>
        <translation>Toque os graus da escala de Lá bemol maior</translation>
    </message>
    <message>
        <source>Play scale-steps of Db Major</source>
        <translation>Toque os graus da escala de Ré bemol maior</translation>
    </message>
    <message>
        <source>Play scale-steps of Gb Major</source>
        <translation>Toque os graus da escala de Sol bemol maior</translation>
    </message>
    <message>
        <source>Play scale-steps of A Harmonic Minor</source>
        <translation>Toque os graus da escala de Lá menor harmônica</translation>
    </message>
    <message>
        <source>Play scale-steps of E Harmonic Minor</source>
        <translation>Toque os graus da escala de Mi menor harmônica</translation>
    </message>
    <message>
        <source>Play scale-steps of B Harmonic Minor</source>
        <translation>Toque os graus da escala de Si menor harmônica</translation>
    </message>
    <message>
        <source>Play scale-steps of F# Harmonic Minor</source>
        <translation>Toque os graus da escala de Fá sustenido menor harmônica</translation>
    </message>
    <message>
        <source>Play scale-steps of C# Harmonic Minor-</source>
        <translation>Toque os graus da escala de Dó sustenido menor harmônica</translation>
    </message>
    <message>
        <source>Play scale-steps of D Harmonic Minor</source>
        <translation>Toque os graus da escala de Ré menor harmônica</translation>
    </message>
    <message>
        <source>Play scale-steps of G Harmonic Minor</source>
        <translation>Toque os graus da escala de Sol menor harmônica</translation>
    </message>
    <message>
        <source>Play scale-steps of C Harmonic Minor</source>
        <translation>Toque os graus da escala de Dó menor harmônica</translation>
    </message>
    <message>
        <source>Play scale-steps of F Harmonic Minor</source>
        <translation>Toque os graus da escala de Fá menor harmônica</translation>
    </message>
    <message>
        <source>Play scale-steps of Bb Harmonic Minor</source>
        <translation>Toque os graus da escala de Si bemol menor harmônica</translation>
    </message>
    <message>
        <source>Play scale-steps of Eb Harmonic Minor</source>
        <translation>Toque os graus da escala de Mi bemol menor harmônica</translation>
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
        <translation>Próxima pergunta</translation>
    </message>
    <message>
        <source>Next Answer?</source>
        <translation>Ver resposta?</translation>
    </message>
    <message>
        <source>Correct Answers:</source>
        <translation>Respostas certas:</translation>
    </message>
    <message>
        <source>Inputs:</source>
        <translation>Entradas:</translation>
    </message>
    <message>
        <source>Outputs:</source>
        <translation>Saídas:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>That is correct: %1</source>
        <translation>Correto: %1</translation>
    </message>
    <message>
        <source>Try again!</source>
        <translation>Tente de novo!</translation>
    </message>
    <message>
        <source>Play notes from the Chromatic Scale</source>
        <translation>Toque notas da escala cromática</translation>
    </message>
    <message>
        <source>Click keyboard to see notation.</source>
        <translation>Clique no teclado para ver a nota na pauta.</translation>
    </message>
    <message>
        <source>You played %1</source>
        <translation>Você tocou %1</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>New Scale</source>
        <translation>Nova escala</translation>
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
        <translation>Ver notas/Tocar o teclado</translation>
    </message>
    <message>
        <source>Play Keyboard/See Notes</source>
        <translation>Tocar o teclado/Ver notas</translation>
    </message>
    <message>
        <source>Flats</source>
        <translation>Bemóis</translation>
    </message>
    <message>
        <source>Sharps</source>
        <translation>Sustenidos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tonalidades</translation>
    </message>
    <message>
        <source>Major Scale Notes</source>
        <translation>Notas da escala maior</translation>
    </message>
    <message>
        <source>C Major</source>
        <translation>Dó maior</translation>
    </message>
    <message>
        <source>F Major</source>
        <translation>Fá maior</translation>
    </message>
    <message>
        <source>G Major</source>
        <translation>Sol maior</translation>
    </message>
    <message>
        <source>Bb Major</source>
        <translation>Si bemol maior</translation>
    </message>
    <message>
        <source>D Major</source>
        <translation>Ré maior</translation>
    </message>
    <message>
        <source>Eb Major</source>
        <translation>Mi bemol maior</translation>
    </message>
    <message>
        <source>A Major</source>
        <translation>Lá maior</translation>
    </message>
    <message>
        <source>Ab Major</source>
        <translation>Lá bemol maior</translation>
    </message>
    <message>
        <source>E Major</source>
        <translation>Mi maior</translation>
    </message>
    <message>
        <source>Db Major</source>
        <translation>Ré bemol maior</translation>
    </message>
    <message>
        <source>B Major</source>
        <translation>Si maior</translation>
    </message>
    <message>
        <source>Gb Major</source>
        <translation>Sol bemol maior</translation>
    </message>
    <message>
        <source>F# Major</source>
        <translation>Fá sustenido maior</translation>
    </message>
    <message>
        <source>Minor Scale Notes</source>
        <translation>Notas da escala menor</translation>
    </message>
    <message>
        <source>A Minor</source>
        <translation>Lá menor</translation>
    </message>
    <message>
        <source>D Minor</source>
        <translation>Ré menor</translation>
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
        <translation>Dó menor</translation>
    </message>
    <message>
        <source>F# Minor</source>
        <translation>Fá sustenido menor</translation>
    </message>
    <message>
        <source>F Minor</source>
        <translation>Fá menor</translation>
    </message>
    <message>
        <source>C# Minor</source>
        <translation>Dó sustenido menor</translation>
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
        <translation>Notas da escala cromática</translation>
    </message>
    <message>
        <source>Clefs</source>
        <translation>Claves</translation>
    </message>
    <message>
        <source>Treble Clef Notes</source>
        <translation>Notas na clave de sol</translation>
    </message>
    <message>
        <source>Bass Clef Notes</source>
        <translation>Notas na clave de fá</translation>
    </message>
    <message>
        <source>Grand Staff Notes</source>
        <translation>Notas no sistema de piano</translation>
    </message>
    <message>
        <source>Note Names On?</source>
        <translation>Mostrar nomes?</translation>
    </message>
    <message>
        <source>Note Names On</source>
        <translation>Mostrar os nomes das notas</translation>
    </message>
    <message>
        <source>Note Names Off</source>
        <translation>Ocultar os nomes das notas</translation>
    </message>
    <message>
        <source>Syllables?</source>
        <translation>Sílabas?</translation>
    </message>
    <message>
        <source>Syllable Note Names</source>
        <translation>Nomes das notas em sílabas</translation>
    </message>
    <message>
        <source>Letter Note Names</source>
        <translation>Nomes das notas em cifra</translation>
    </message>
    <message>
        <source>Midi</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>Inputs/Outputs</source>
        <translation>Entradas/Saídas</translation>
    </message>
    <message>
        <source>Midi in On/Off</source>
        <translation>Entrada MIDI sim/não</translation>
    </message>
    <message>
        <source>Midi In On</source>
        <translation>Entrada MIDI ligada</translation>
    </message>
    <message>
        <source>Midi In Off</source>
        <translation>Entrada MIDI desligada</translation>
    </message>
    <message>
        <source>Instrument</source>
        <translation>Instrumento</translation>
    </message>
    <message>
        <source>Sustain?</source>
        <translation>Sustentação?</translation>
    </message>
    <message>
        <source>Sustain On</source>
        <translation>Sustentação ligada</translation>
    </message>
    <message>
        <source>Sustain Off</source>
        <translation>Sustentação desligada</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Desligar todas as notas</translation>
    </message>
    <message>
        <source>Advance</source>
        <translation>Avanço</translation>
    </message>
    <message>
        <source>AutoAdvance</source>
        <translation>Avanço automático</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>AutoModulate</source>
        <translation>Modulação automática</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Show Progress...</source>
        <translation>Mostrar o progresso...</translation>
    </message>
    <message>
        <source>Export Journal...</source>
        <translation>Exportar o registro...</translation>
    </message>
    <message>
        <source>Reset Progress...</source>
        <translation>Zerar o progresso...</translation>
    </message>
    <message>
        <source>Practise Weak Notes</source>
        <translation>Praticar as notas difíceis</translation>
    </message>
    <message>
        <source>Show Time and Mistake</source>
        <translation>Mostrar tempo e erro</translation>
    </message>
    <message>
        <source>Resume Where I Left Off</source>
        <translation>Continuar de onde parei</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Middle C Is C4</source>
        <translation>Dó central é C4</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Program Help</source>
        <translation>Ajuda do programa</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Answer by Microphone</source>
        <translation>Responder pelo microfone</translation>
    </message>
    <message>
        <source>Sound Input...</source>
        <translation>Entrada de som...</translation>
    </message>
    <message>
        <source>Listen While Notes Sound (Headphones)</source>
        <translation>Ouvir enquanto as notas soam (fones de ouvido)</translation>
    </message>
    <message>
        <source>Reading</source>
        <translation>Leitura</translation>
    </message>
    <message>
        <source>Read a Line</source>
        <translation>Ler uma linha</translation>
    </message>
    <message>
        <source>Line Length</source>
        <translation>Comprimento da linha</translation>
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
        <translation>Maior salto</translation>
    </message>
    <message>
        <source>A Third</source>
        <translation>Uma terça</translation>
    </message>
    <message>
        <source>A Fifth</source>
        <translation>Uma quinta</translation>
    </message>
    <message>
        <source>An Octave</source>
        <translation>Uma oitava</translation>
    </message>
    <message>
        <source>Alto Clef</source>
        <translation>Clave de dó na 3ª linha (contralto)</translation>
    </message>
    <message>
        <source>Tenor Clef</source>
        <translation>Clave de dó na 4ª linha (tenor)</translation>
    </message>
    <message>
        <source>Choose Range...</source>
        <translation>Escolher a extensão...</translation>
    </message>
    <message>
        <source>Language...</source>
        <translation>Idioma...</translation>
    </message>
    <message>
        <source>Letters?</source>
        <translation>Letras?</translation>
    </message>
    <message>
        <source>Note Names Off?</source>
        <translation>Ocultar nomes?</translation>
    </message>
    <message>
        <source>Daily Goal...</source>
        <translation>Meta diária...</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>“%1” não é um número inteiro válido</translation>
    </message>
    <message>
        <source>the default sound input</source>
        <translation>a entrada de som padrão</translation>
    </message>
    <message>
        <source>Lintra cannot listen to %1: %2. Answer on the keyboard, or choose another sound input with &quot;Sound Input...&quot; in the &quot;Microphone&quot; menu.</source>
        <translation>O Lintra não consegue ouvir %1: %2. Responda no teclado ou escolha outra entrada de som em &quot;Entrada de som...&quot; no menu &quot;Microfone&quot;.</translation>
    </message>
    <message>
        <source>Lintra no longer hears %1, so answers by microphone have stopped. Answer on the keyboard, or choose a sound input with &quot;Sound Input...&quot; in the &quot;Microphone&quot; menu.</source>
        <translation>O Lintra não ouve mais %1, por isso as respostas pelo microfone pararam. Responda no teclado ou escolha uma entrada de som em &quot;Entrada de som...&quot; no menu &quot;Microfone&quot;.</translation>
    </message>
    <message>
        <source>The choice applies until the program ends.</source>
        <translation>A escolha vale até o programa ser fechado.</translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation>O idioma da área de trabalho</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The trainer speaks:</source>
        <translation>O programa fala:</translation>
    </message>
    <message>
        <source>The language you chose is used from the next start of the trainer.</source>
        <translation>O idioma escolhido será usado a partir da próxima vez que o programa for aberto.</translation>
    </message>
    <message>
        <source>Thank you for practising with Lintra. The maker&apos;s web site offers more training programs for musicians.</source>
        <translation>Obrigado por praticar com o Lintra. O site do fabricante oferece mais programas de treino para músicos.</translation>
    </message>
    <message>
        <source>Lintra Trainer, version 3.1 (2026).
A trainer for reading music notation.

This software is provided as is, without warranties of any kind. The seller&apos;s liability is limited to the replacement of the software or the refund of its price.

Music symbols from the Lintra Music font, made from the Emmentaler font of the LilyPond project (SIL Open Font License 1.1).</source>
        <translation>Lintra Trainer, versão 3.1 (2026).
Um programa para treinar a leitura de partituras.

Este software é fornecido como está, sem garantias de qualquer tipo. A responsabilidade do vendedor limita-se à substituição do software ou ao reembolso do seu preço.

Símbolos musicais da fonte Lintra Music, feita a partir da fonte Emmentaler do projeto LilyPond (SIL Open Font License 1.1).</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ocorreu um erro inesperado.</translation>
    </message>
    <message>
        <source>The help page could not be opened. It is the file &quot;%1&quot;; open it in a web browser to read it.</source>
        <translation>Não foi possível abrir a página de ajuda. É o arquivo &quot;%1&quot;; abra-o em um navegador para lê-lo.</translation>
    </message>
    <message>
        <source>The answer is: %1</source>
        <translation>A resposta é: %1</translation>
    </message>
    <message>
        <source>Keyboard out of range.</source>
        <translation>Nota fora do alcance do teclado.</translation>
    </message>
    <message>
        <source>%1 : Correct answers?</source>
        <translation>%1 : Respostas corretas?</translation>
    </message>
    <message>
        <source>How many correct answers?</source>
        <translation>Quantas respostas corretas?</translation>
    </message>
    <message>
        <source>%1 : Score?</source>
        <translation>%1 : Pontuação?</translation>
    </message>
    <message>
        <source>What percent correct answers?</source>
        <translation>Qual porcentagem de respostas corretas?</translation>
    </message>
    <message>
        <source>Chromatic scale notes on the Grand Staff is the higest level. Select a Major or minor key, a clef or Grand Staff, then set AutoAdvance On.</source>
        <translation>Notas da escala cromática no sistema de piano é o nível mais alto. Escolha uma tonalidade maior ou menor, uma clave ou o sistema de piano, e ligue o Avanço automático.</translation>
    </message>
    <message>
        <source>Under Mode Menu, Click &quot;See Notes/Play Keyboard&quot; to use the AutoAdvance Feature.</source>
        <translation>No menu &quot;Modo&quot;, clique em &quot;Ver notas/Tocar o teclado&quot; para usar o Avanço automático.</translation>
    </message>
    <message>
        <source>Under Mode Menu, Click &quot;See Notes/Play Keyboard&quot; to use the AutoModulate Feature.</source>
        <translation>No menu &quot;Modo&quot;, clique em &quot;Ver notas/Tocar o teclado&quot; para usar a Modulação automática.</translation>
    </message>
    <message>
        <source>There are no Key centers in the chromatic scale. Select a Major or minor key, select a clef, then set AutoModulate On</source>
        <translation>A escala cromática não tem centro tonal. Escolha uma tonalidade maior ou menor, escolha uma clave e ligue a Modulação automática.</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score of more than %2%. Advance to next level?</source>
        <translation>Parabéns! Você tem %1 ou mais respostas corretas com mais de %2% de acertos. Avançar para o próximo nível?</translation>
    </message>
    <message>
        <source>Congratulations! You have %1 or more correct answers with a score more than %2%. Change scale and key?</source>
        <translation>Parabéns! Você tem %1 ou mais respostas corretas com mais de %2% de acertos. Mudar de escala e tonalidade?</translation>
    </message>
    <message>
        <source>The practice journal cannot be written (%1). The trainer goes on and keeps your answers: it tries again to save them, and when you close it, it offers to export any it could not save.</source>
        <translation>O registro de estudo não pode ser gravado (%1). O treinador continua e guarda suas respostas: tenta salvá-las de novo e, ao fechar, oferece exportar as que não conseguiu salvar.</translation>
    </message>
    <message>
        <source>Another Lintra window is open with the same practice journal. Your answers in both are kept; to reset your progress, close the other window first.</source>
        <translation>Outra janela do Lintra está aberta com o mesmo registro de estudo. Suas respostas nas duas são guardadas; para zerar seu progresso, feche primeiro a outra janela.</translation>
    </message>
    <message>
        <source>Your progress was not reset: another Lintra window is using the same practice journal. Close it, then try again.</source>
        <translation>Seu progresso não foi zerado: outra janela do Lintra está usando o mesmo registro de estudo. Feche-a e tente de novo.</translation>
    </message>
    <message>
        <source>Your progress was not reset: some answers are not yet saved in the practice journal (%1). Try again once it can be written.</source>
        <translation>Seu progresso não foi zerado: algumas respostas ainda não foram salvas no registro de estudo (%1). Tente de novo quando ele puder ser gravado.</translation>
    </message>
    <message>
        <source>Your progress was not reset: the practice journal could not be set aside as a backup (%1). It is kept as it was.</source>
        <translation>Seu progresso não foi zerado: o registro de estudo não pôde ser separado como cópia de segurança (%1). Ele continua como estava.</translation>
    </message>
    <message>
        <source>Your progress was not reset: a new practice journal could not be made (%1). The old one is kept as it was.</source>
        <translation>Seu progresso não foi zerado: não foi possível criar um novo registro de estudo (%1). O antigo continua como estava.</translation>
    </message>
    <message>
        <source>Answers not saved in the practice journal: %1. Export them, with all the others, to a file before the trainer closes? If not, they are lost.</source>
        <translation>Respostas não salvas no registro de estudo: %1. Exportá-las, com todas as outras, para um arquivo antes de o treinador fechar? Se não, elas se perdem.</translation>
    </message>
    <message>
        <source>The file holds every answer, also those not yet saved in the practice journal: %1. The trainer keeps trying to save them.</source>
        <translation>O arquivo contém todas as respostas, também as que ainda não foram salvas no registro de estudo: %1. O treinador continua tentando salvá-las.</translation>
    </message>
    <message>
        <source>The journal could not be exported to &quot;%1&quot;: the disk is full. Make room on it, or choose another place, and try again.</source>
        <translation>Não foi possível exportar o registro para &quot;%1&quot;: o disco está cheio. Libere espaço nele ou escolha outro lugar e tente de novo.</translation>
    </message>
    <message>
        <source>The practice journal could not be read, so it was not exported.</source>
        <translation>Não foi possível ler o registro de estudo, então ele não foi exportado.</translation>
    </message>
    <message>
        <source>Answers not yet saved in the practice journal: %1. They are shown here, and the trainer keeps trying to save them.</source>
        <translation>Respostas ainda não salvas no registro de estudo: %1. Elas aparecem aqui, e o treinador continua tentando salvá-las.</translation>
    </message>
    <message>
        <source>No note of this key and clef lies between %1 and %2, the range you chose, so all of its notes are asked until you choose another range.</source>
        <translation>Nenhuma nota desta tonalidade e desta clave fica entre %1 e %2, a extensão que você escolheu; por isso todas as suas notas são perguntadas até você escolher outra extensão.</translation>
    </message>
    <message>
        <source>Choose Range</source>
        <translation>Escolher a extensão</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no key of the keyboard. Type a letter, then # or b for a sharp or a flat, then the octave: a note from %2 to %3.</source>
        <translation>&quot;%1&quot; não é uma tecla do teclado. Digite uma letra, depois # ou b para um sustenido ou um bemol, depois a oitava: uma nota de %2 a %3.</translation>
    </message>
    <message>
        <source>The lowest note asked, from %1 to %2:</source>
        <translation>A nota mais grave perguntada, de %1 a %2:</translation>
    </message>
    <message>
        <source>The highest note asked, from %1 to %2:</source>
        <translation>A nota mais aguda perguntada, de %1 a %2:</translation>
    </message>
    <message>
        <source>No note of this key and clef lies between %1 and %2. The range stays from %3 to %4.</source>
        <translation>Nenhuma nota desta tonalidade e desta clave fica entre %1 e %2. A extensão continua de %3 a %4.</translation>
    </message>
    <message>
        <source>The practice journal was damaged. It is kept as &quot;%1&quot; and a new journal was started.</source>
        <translation>O registro de estudo estava danificado. Ele foi guardado como &quot;%1&quot; e um novo registro foi iniciado.</translation>
    </message>
    <message>
        <source>The practice journal was written by a newer version of the trainer and is left as it is.</source>
        <translation>O registro de estudo foi gravado por uma versão mais nova do programa e fica como está.</translation>
    </message>
    <message>
        <source>A new practice journal was started.</source>
        <translation>Um novo registro de estudo foi iniciado.</translation>
    </message>
    <message>
        <source>A new practice journal was started. The old one is kept as &quot;%1&quot;.</source>
        <translation>Um novo registro de estudo foi iniciado. O antigo foi guardado como &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>No practice journal is kept, so there is nothing to export.</source>
        <translation>Nenhum registro de estudo é mantido, então não há nada para exportar.</translation>
    </message>
    <message>
        <source>Export Journal</source>
        <translation>Exportar registro</translation>
    </message>
    <message>
        <source>The journal could not be exported to &quot;%1&quot;. Choose a folder where you may write files, and try again.</source>
        <translation>Não foi possível exportar o registro para &quot;%1&quot;. Escolha uma pasta onde você possa gravar arquivos e tente de novo.</translation>
    </message>
    <message>
        <source>No practice journal is kept, so there is no progress to reset.</source>
        <translation>Nenhum registro de estudo é mantido, então não há progresso para zerar.</translation>
    </message>
    <message>
        <source>Start a new practice journal? The answers so far are kept in a backup file, and your progress starts again from nothing.</source>
        <translation>Começar um novo registro de estudo? As respostas até agora ficam guardadas num arquivo de cópia, e seu progresso recomeça do zero.</translation>
    </message>
    <message>
        <source>The Progress window cannot be shown here.</source>
        <translation>A janela de progresso não pode ser mostrada aqui.</translation>
    </message>
    <message>
        <source>The device choice cannot be saved: a device name is too long or holds a line break.</source>
        <translation>A escolha de dispositivo não pode ser salva: um nome de dispositivo é longo demais ou contém uma quebra de linha.</translation>
    </message>
    <message>
        <source>The device choice cannot be saved: the settings are too large.</source>
        <translation>A escolha de dispositivo não pode ser salva: as configurações são grandes demais.</translation>
    </message>
    <message>
        <source>Cannot create the folder &quot;%1&quot;: %2.</source>
        <translation>Não é possível criar a pasta &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot write the file &quot;%1&quot;.</source>
        <translation>Não é possível gravar o arquivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Cannot save the file &quot;%1&quot;.</source>
        <translation>Não é possível salvar o arquivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The chosen MIDI output is not in the list of devices. Lintra plays through the built-in synthesizer instead.</source>
        <translation>A saída MIDI escolhida não está na lista de dispositivos. O Lintra toca pelo sintetizador embutido.</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; cannot be used (%2). Lintra plays through the built-in synthesizer instead.</source>
        <translation>A saída MIDI &quot;%1&quot; não pode ser usada (%2). O Lintra toca pelo sintetizador embutido.</translation>
    </message>
    <message>
        <source>the chosen device</source>
        <translation>o dispositivo escolhido</translation>
    </message>
    <message>
        <source>MIDI output fails (%1). Notes may not sound.</source>
        <translation>A saída MIDI falha (%1). As notas podem não soar.</translation>
    </message>
    <message>
        <source>The built-in synthesizer is silent: %1. To hear the notes, choose another MIDI output with &quot;Inputs/Outputs&quot; in the &quot;Midi&quot; menu.</source>
        <translation>O sintetizador embutido está mudo: %1. Para ouvir as notas, escolha outra saída MIDI em &quot;Entradas/Saídas&quot; no menu &quot;MIDI&quot;.</translation>
    </message>
    <message>
        <source>MIDI Instrument</source>
        <translation>Instrumento MIDI</translation>
    </message>
    <message>
        <source>MIDI Instrument Number between 0 and 127?</source>
        <translation>Número do instrumento MIDI, entre 0 e 127?</translation>
    </message>
    <message>
        <source>Please enter an instrument number between 0 and 127. The instrument stays %1.</source>
        <translation>Digite um número de instrumento entre 0 e 127. O instrumento continua %1.</translation>
    </message>
    <message>
        <source>it could open no audio output</source>
        <translation>não conseguiu abrir nenhuma saída de áudio</translation>
    </message>
    <message>
        <source>it found no sound font</source>
        <translation>não encontrou nenhum banco de sons (SoundFont)</translation>
    </message>
    <message>
        <source>The MIDI output &quot;%1&quot; cannot be opened (%2). Notes will not sound.</source>
        <translation>A saída MIDI &quot;%1&quot; não pode ser aberta (%2). As notas não vão soar.</translation>
    </message>
    <message>
        <source>The device settings file &quot;%1&quot; is damaged.</source>
        <translation>O arquivo de configurações de dispositivo &quot;%1&quot; está danificado.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;.</source>
        <translation>Não é possível abrir o arquivo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>the device captures at an unusable rate (%1 Hz)</source>
        <translation>o dispositivo grava a uma taxa inutilizável (%1 Hz)</translation>
    </message>
    <message>
        <source>listening is not available: %1</source>
        <translation>a escuta não está disponível: %1</translation>
    </message>
    <message>
        <source>the sound input could not be started: %1</source>
        <translation>não foi possível iniciar a entrada de som: %1</translation>
    </message>
    <message>
        <source>no sound system could be reached</source>
        <translation>não foi possível acessar nenhum sistema de som</translation>
    </message>
    <message>
        <source>there is no sound input</source>
        <translation>não há nenhuma entrada de som</translation>
    </message>
    <message>
        <source>there is no sound input named &quot;%1&quot;</source>
        <translation>não há nenhuma entrada de som chamada &quot;%1&quot;</translation>
    </message>
    <message>
        <source>this trainer has no sound input</source>
        <translation>este programa não tem entrada de som</translation>
    </message>
    <message>
        <source>its module could not be loaded: %1</source>
        <translation>não foi possível carregar o módulo dele: %1</translation>
    </message>
</context>
<context>
    <name>MidiErrors</name>
    <message>
        <source>The operation completed successfully.</source>
        <translation>A operação foi concluída com êxito.</translation>
    </message>
    <message>
        <source>An unspecified error occurred.</source>
        <translation>Ocorreu um erro não especificado.</translation>
    </message>
    <message>
        <source>The specified device identifier is out of range.</source>
        <translation>O identificador de dispositivo indicado está fora do intervalo.</translation>
    </message>
    <message>
        <source>The driver is not enabled.</source>
        <translation>O driver não está ativado.</translation>
    </message>
    <message>
        <source>The specified device is already in use.</source>
        <translation>O dispositivo indicado já está em uso.</translation>
    </message>
    <message>
        <source>The specified device handle is invalid.</source>
        <translation>A referência ao dispositivo indicado é inválida.</translation>
    </message>
    <message>
        <source>There is no driver installed on your system.</source>
        <translation>Não há nenhum driver instalado no sistema.</translation>
    </message>
    <message>
        <source>There is not enough memory available for this task.</source>
        <translation>Não há memória suficiente para esta tarefa.</translation>
    </message>
    <message>
        <source>This function is not supported.</source>
        <translation>Esta função não é suportada.</translation>
    </message>
    <message>
        <source>An invalid parameter was passed to a system function.</source>
        <translation>Um parâmetro inválido foi passado a uma função do sistema.</translation>
    </message>
    <message>
        <source>The buffer header has not been prepared.</source>
        <translation>O cabeçalho do buffer não foi preparado.</translation>
    </message>
    <message>
        <source>The device is still using the buffers.</source>
        <translation>O dispositivo ainda está usando os buffers.</translation>
    </message>
    <message>
        <source>The device is not ready.</source>
        <translation>O dispositivo não está pronto.</translation>
    </message>
    <message>
        <source>The MIDI device has been disconnected.</source>
        <translation>O dispositivo MIDI foi desconectado.</translation>
    </message>
    <message>
        <source>The device could not be opened; another program may be using it.</source>
        <translation>Não foi possível abrir o dispositivo; talvez outro programa o esteja usando.</translation>
    </message>
    <message>
        <source>Specified error number is out of range</source>
        <translation>O número de erro indicado está fora do intervalo</translation>
    </message>
</context>
<context>
    <name>Mistakes</name>
    <message>
        <source>Read %1 in the treble clef as %2</source>
        <translation>%1 na clave de sol lido como %2</translation>
    </message>
    <message>
        <source>Read %1 in the bass clef as %2</source>
        <translation>%1 na clave de fá lido como %2</translation>
    </message>
    <message>
        <source>Read %1 in the alto clef as %2</source>
        <translation>%1 na clave de dó na terceira linha lido como %2</translation>
    </message>
    <message>
        <source>Read %1 in the tenor clef as %2</source>
        <translation>%1 na clave de dó na quarta linha lido como %2</translation>
    </message>
    <message>
        <source>the natural sign before the note cancels the key signature</source>
        <translation>o bequadro antes da nota anula a armadura de clave</translation>
    </message>
    <message>
        <source>the sharp before the note was missed</source>
        <translation>o sustenido antes da nota passou despercebido</translation>
    </message>
    <message>
        <source>the flat before the note was missed</source>
        <translation>o bemol antes da nota passou despercebido</translation>
    </message>
    <message>
        <source>the right note, an octave too high</source>
        <translation>a nota certa, uma oitava acima</translation>
    </message>
    <message>
        <source>the right note, an octave too low</source>
        <translation>a nota certa, uma oitava abaixo</translation>
    </message>
    <message>
        <source>the right note, %1 octaves too high</source>
        <translation>a nota certa, %1 oitavas acima</translation>
    </message>
    <message>
        <source>the right note, %1 octaves too low</source>
        <translation>a nota certa, %1 oitavas abaixo</translation>
    </message>
    <message>
        <source>one step too low, the neighbouring space</source>
        <translation>um grau abaixo, o espaço vizinho</translation>
    </message>
    <message>
        <source>one step too low, the neighbouring line</source>
        <translation>um grau abaixo, a linha vizinha</translation>
    </message>
    <message>
        <source>one step too high, the neighbouring space</source>
        <translation>um grau acima, o espaço vizinho</translation>
    </message>
    <message>
        <source>one step too high, the neighbouring line</source>
        <translation>um grau acima, a linha vizinha</translation>
    </message>
    <message>
        <source>a space read as the next space down</source>
        <translation>um espaço confundido com o espaço logo abaixo</translation>
    </message>
    <message>
        <source>a line read as the next line down</source>
        <translation>uma linha confundida com a linha logo abaixo</translation>
    </message>
    <message>
        <source>a space read as the next space up</source>
        <translation>um espaço confundido com o espaço logo acima</translation>
    </message>
    <message>
        <source>a line read as the next line up</source>
        <translation>uma linha confundida com a linha logo acima</translation>
    </message>
    <message>
        <source>the key signature makes every %1 sharp</source>
        <translation>pela armadura de clave, todo %1 é sustenido</translation>
    </message>
    <message>
        <source>the key signature makes every %1 flat</source>
        <translation>pela armadura de clave, todo %1 é bemol</translation>
    </message>
    <message>
        <source>the ledger lines miscounted, one step towards the staff</source>
        <translation>linhas suplementares mal contadas, um grau em direção à pauta</translation>
    </message>
    <message>
        <source>the ledger lines miscounted, two steps towards the staff</source>
        <translation>linhas suplementares mal contadas, dois graus em direção à pauta</translation>
    </message>
    <message>
        <source>the same place on the bass staff</source>
        <translation>o mesmo lugar na pauta da clave de fá</translation>
    </message>
    <message>
        <source>the same place on the treble staff</source>
        <translation>o mesmo lugar na pauta da clave de sol</translation>
    </message>
    <message>
        <source>the same place read in the treble clef</source>
        <translation>o mesmo lugar que na clave de sol</translation>
    </message>
    <message>
        <source>the same place read in the bass clef</source>
        <translation>o mesmo lugar que na clave de fá</translation>
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
        <translation>nova</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>em aprendizado</translation>
    </message>
    <message>
        <source>fluent</source>
        <translation>dominada</translation>
    </message>
    <message>
        <source>No note of this pool has been asked in this key yet.</source>
        <translation>Nenhuma nota desta seleção foi perguntada nesta tonalidade ainda.</translation>
    </message>
    <message>
        <source>%1 of %2 notes fluent, %3 learning, %4 new.</source>
        <translation>%1 de %2 notas dominadas, %3 em aprendizado, %4 novas.</translation>
    </message>
    <message>
        <source>Weakest: %1.</source>
        <translation>As mais difíceis: %1.</translation>
    </message>
    <message>
        <source>No answers in this key in the last %1 days.</source>
        <translation>Nenhuma resposta nesta tonalidade nos últimos %1 dias.</translation>
    </message>
    <message>
        <source>No session has practised this key yet.</source>
        <translation>Nenhuma sessão praticou esta tonalidade ainda.</translation>
    </message>
    <message>
        <source>One day of practice: %1% right at the first try, median answer time %2 s.</source>
        <translation>Um dia de prática: %1% de acertos na primeira tentativa, tempo de resposta (mediana) %2 s.</translation>
    </message>
    <message>
        <source>One session: %1% right at the first try, median answer time %2 s.</source>
        <translation>Uma sessão: %1% de acertos na primeira tentativa, tempo de resposta (mediana) %2 s.</translation>
    </message>
    <message numerus="yes">
        <source>Over %n days of practice: right at the first try from %1% to %2%, median answer time from %3 s to %4 s.</source>
        <translation>
            <numerusform>Em %n dia de prática: acertos na primeira tentativa de %1% para %2%, tempo de resposta (mediana) de %3 s para %4 s.</numerusform>
            <numerusform>Em %n dias de prática: acertos na primeira tentativa de %1% para %2%, tempo de resposta (mediana) de %3 s para %4 s.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Over the last %n sessions: right at the first try from %1% to %2%, median answer time from %3 s to %4 s.</source>
        <translation>
            <numerusform>Na última sessão (%n): acertos na primeira tentativa de %1% para %2%, tempo de resposta (mediana) de %3 s para %4 s.</numerusform>
            <numerusform>Nas últimas %n sessões: acertos na primeira tentativa de %1% para %2%, tempo de resposta (mediana) de %3 s para %4 s.</numerusform>
        </translation>
    </message>
    <message>
        <source>It practised weak notes.</source>
        <translation>Ela praticou as notas difíceis.</translation>
    </message>
    <message numerus="yes">
        <source>%n of them practised weak notes.</source>
        <translation>
            <numerusform>%n delas praticou as notas difíceis.</numerusform>
            <numerusform>%n delas praticaram as notas difíceis.</numerusform>
        </translation>
    </message>
    <message>
        <source>Keep practising to get a forecast.</source>
        <translation>Continue praticando para ter uma previsão.</translation>
    </message>
    <message>
        <source>Every note of this pool is fluent now.</source>
        <translation>Todas as notas desta seleção estão dominadas agora.</translation>
    </message>
    <message numerus="yes">
        <source>Fluent in about %n days at your pace.</source>
        <translation>
            <numerusform>Dominadas em cerca de %n dia no seu ritmo.</numerusform>
            <numerusform>Dominadas em cerca de %n dias no seu ritmo.</numerusform>
        </translation>
    </message>
    <message>
        <source>No answers yet: the map and the trends fill in as you practise.</source>
        <translation>Ainda sem respostas: o mapa e as tendências se preenchem conforme você pratica.</translation>
    </message>
    <message>
        <source>The practice journal could not be read.</source>
        <translation>Não foi possível ler o registro de estudo.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Certo</translation>
    </message>
    <message>
        <source>Accidental on the note missed</source>
        <translation>Acidente da nota ignorado</translation>
    </message>
    <message>
        <source>Key signature ignored</source>
        <translation>Armadura de clave ignorada</translation>
    </message>
    <message>
        <source>Wrong octave</source>
        <translation>Oitava errada</translation>
    </message>
    <message>
        <source>Ledger lines miscounted</source>
        <translation>Linhas suplementares mal contadas</translation>
    </message>
    <message>
        <source>One step off</source>
        <translation>Um grau ao lado</translation>
    </message>
    <message>
        <source>Two steps off</source>
        <translation>Dois graus ao lado</translation>
    </message>
    <message>
        <source>Read in the other clef</source>
        <translation>Lida na outra clave</translation>
    </message>
    <message>
        <source>C clef read as treble or bass</source>
        <translation>Clave de dó lida como clave de sol ou de fá</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>Days with practice in the last %1: %2, with %3 questions. Days in a row: %4 (the longest run: %5).</source>
        <translation>Dias com prática nos últimos %1: %2, com %3 perguntas. Dias seguidos: %4 (a sequência mais longa: %5).</translation>
    </message>
</context>
<context>
    <name>Staff</name>
    <message>
        <source>on the first line</source>
        <translation>na primeira linha</translation>
    </message>
    <message>
        <source>on the second line</source>
        <translation>na segunda linha</translation>
    </message>
    <message>
        <source>on the third line</source>
        <translation>na terceira linha</translation>
    </message>
    <message>
        <source>on the fourth line</source>
        <translation>na quarta linha</translation>
    </message>
    <message>
        <source>on the fifth line</source>
        <translation>na quinta linha</translation>
    </message>
    <message>
        <source>in the first space</source>
        <translation>no primeiro espaço</translation>
    </message>
    <message>
        <source>in the second space</source>
        <translation>no segundo espaço</translation>
    </message>
    <message>
        <source>in the third space</source>
        <translation>no terceiro espaço</translation>
    </message>
    <message>
        <source>in the fourth space</source>
        <translation>no quarto espaço</translation>
    </message>
    <message>
        <source>Key signature of one sharp.</source>
        <translation>Armadura de clave com um sustenido.</translation>
    </message>
    <message>
        <source>Key signature of two sharps.</source>
        <translation>Armadura de clave com dois sustenidos.</translation>
    </message>
    <message>
        <source>Key signature of three sharps.</source>
        <translation>Armadura de clave com três sustenidos.</translation>
    </message>
    <message>
        <source>Key signature of four sharps.</source>
        <translation>Armadura de clave com quatro sustenidos.</translation>
    </message>
    <message>
        <source>Key signature of five sharps.</source>
        <translation>Armadura de clave com cinco sustenidos.</translation>
    </message>
    <message>
        <source>Key signature of six sharps.</source>
        <translation>Armadura de clave com seis sustenidos.</translation>
    </message>
    <message>
        <source>Key signature of one flat.</source>
        <translation>Armadura de clave com um bemol.</translation>
    </message>
    <message>
        <source>Key signature of two flats.</source>
        <translation>Armadura de clave com dois bemóis.</translation>
    </message>
    <message>
        <source>Key signature of three flats.</source>
        <translation>Armadura de clave com três bemóis.</translation>
    </message>
    <message>
        <source>Key signature of four flats.</source>
        <translation>Armadura de clave com quatro bemóis.</translation>
    </message>
    <message>
        <source>Key signature of five flats.</source>
        <translation>Armadura de clave com cinco bemóis.</translation>
    </message>
    <message>
        <source>Key signature of six flats.</source>
        <translation>Armadura de clave com seis bemóis.</translation>
    </message>
    <message>
        <source>Staff with a treble clef.</source>
        <translation>Pauta com clave de sol.</translation>
    </message>
    <message>
        <source>Staff with a bass clef.</source>
        <translation>Pauta com clave de fá.</translation>
    </message>
    <message>
        <source>Staff with an alto clef.</source>
        <translation>Pauta com clave de dó na terceira linha.</translation>
    </message>
    <message>
        <source>Staff with a tenor clef.</source>
        <translation>Pauta com clave de dó na quarta linha.</translation>
    </message>
    <message>
        <source>first</source>
        <comment>of ledger lines</comment>
        <translation>primeira</translation>
    </message>
    <message>
        <source>second</source>
        <comment>of ledger lines</comment>
        <translation>segunda</translation>
    </message>
    <message>
        <source>third</source>
        <comment>of ledger lines</comment>
        <translation>terceira</translation>
    </message>
    <message>
        <source>fourth</source>
        <comment>of ledger lines</comment>
        <translation>quarta</translation>
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
        <translation>sétima</translation>
    </message>
    <message>
        <source>on the %1 ledger line below</source>
        <translation>na %1 linha suplementar inferior</translation>
    </message>
    <message>
        <source>in the space below the %1 ledger line below</source>
        <translation>no espaço abaixo da %1 linha suplementar inferior</translation>
    </message>
    <message>
        <source>on the %1 ledger line above</source>
        <translation>na %1 linha suplementar superior</translation>
    </message>
    <message>
        <source>in the space above the %1 ledger line above</source>
        <translation>no espaço acima da %1 linha suplementar superior</translation>
    </message>
    <message>
        <source>No key signature.</source>
        <translation>Sem armadura de clave.</translation>
    </message>
    <message>
        <source>Grand staff with a treble clef and a bass clef.</source>
        <translation>Pauta dupla com clave de sol e clave de fá.</translation>
    </message>
    <message>
        <source>The note is %1.</source>
        <translation>A nota está %1.</translation>
    </message>
    <message>
        <source>The note is on the ledger line between the staves.</source>
        <translation>A nota está na linha suplementar entre as duas pautas.</translation>
    </message>
    <message>
        <source>The note is on the treble staff, %1.</source>
        <translation>A nota está na pauta da clave de sol, %1.</translation>
    </message>
    <message>
        <source>The note is on the bass staff, %1.</source>
        <translation>A nota está na pauta da clave de fá, %1.</translation>
    </message>
    <message>
        <source>A sharp stands before it.</source>
        <translation>Há um sustenido antes dela.</translation>
    </message>
    <message>
        <source>A flat stands before it.</source>
        <translation>Há um bemol antes dela.</translation>
    </message>
    <message>
        <source>A natural sign stands before it.</source>
        <translation>Há um bequadro antes dela.</translation>
    </message>
    <message>
        <source>No note is shown.</source>
        <translation>Nenhuma nota é mostrada.</translation>
    </message>
    <message>
        <source>Reading note %1 of %2.</source>
        <translation>Lendo a nota %1 de %2.</translation>
    </message>
    <message>
        <source>in the space below the bottom line</source>
        <translation>no espaço abaixo da primeira linha</translation>
    </message>
    <message>
        <source>in the space above the top line</source>
        <translation>no espaço acima da quinta linha</translation>
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
        <translation>Entrada de som</translation>
    </message>
    <message>
        <source>Listen to:</source>
        <translation>Ouvir:</translation>
    </message>
    <message>
        <source>The system&apos;s default input</source>
        <translation>A entrada padrão do sistema</translation>
    </message>
    <message>
        <source>Input level</source>
        <translation>Nível de entrada</translation>
    </message>
    <message>
        <source>The meter moves while &quot;Answer by Microphone&quot; is on.</source>
        <translation>O medidor se move enquanto &quot;Responder pelo microfone&quot; estiver ligado.</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Nível:</translation>
    </message>
</context>
<context>
    <name>lintra::progress::CalendarChart</name>
    <message>
        <source>Days of practice</source>
        <translation>Dias de prática</translation>
    </message>
    <message>
        <source>Fewer</source>
        <translation>Menos</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mais</translation>
    </message>
</context>
<context>
    <name>lintra::progress::MapLegend</name>
    <message>
        <source>new: fewer than %1 tries</source>
        <translation>nova: menos de %1 tentativas</translation>
    </message>
    <message>
        <source>learning</source>
        <translation>em aprendizado</translation>
    </message>
    <message>
        <source>fluent: more likely read right at sight than not</source>
        <translation>dominada: é mais provável lê-la certo à primeira vista do que não</translation>
    </message>
    <message>
        <source>Under each note: its state, how sure the trainer is, in per cent, that you read it fluently, and its name.</source>
        <translation>Sob cada nota: seu estado, a certeza do programa, em porcentagem, de que você a lê com fluência, e seu nome.</translation>
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
        <translation>Porcentagem</translation>
    </message>
    <message>
        <source>Answers</source>
        <translation>Respostas</translation>
    </message>
    <message>
        <source>Notes of the pool as a table</source>
        <translation>Notas da seleção em tabela</translation>
    </message>
</context>
<context>
    <name>lintra::progress::ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Trends</source>
        <translation>Tendências</translation>
    </message>
    <message>
        <source>Per day</source>
        <translation>Por dia</translation>
    </message>
    <message>
        <source>Day (the days with practice of the last %1)</source>
        <translation>Dia (os dias com prática dos últimos %1)</translation>
    </message>
    <message>
        <source>Per practice session</source>
        <translation>Por sessão de prática</translation>
    </message>
    <message>
        <source>Session (last %1, oldest first)</source>
        <translation>Sessão (as últimas %1, a mais antiga primeiro)</translation>
    </message>
    <message>
        <source>Mistakes of the last seven days</source>
        <translation>Erros dos últimos sete dias</translation>
    </message>
    <message>
        <source>Export Journal...</source>
        <translation>Exportar o registro...</translation>
    </message>
    <message>
        <source>Reset Progress...</source>
        <translation>Zerar o progresso...</translation>
    </message>
    <message>
        <source>%1: %2. For example: %3.</source>
        <translation>%1: %2. Por exemplo: %3.</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Nenhum.</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>&amp;Key:</source>
        <translation>&amp;Tonalidade:</translation>
    </message>
    <message>
        <source>&amp;Clef:</source>
        <translation>&amp;Clave:</translation>
    </message>
    <message>
        <source>Mastery map</source>
        <translation>Mapa de domínio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
</context>
<context>
    <name>lintra::progress::TrendChart</name>
    <message>
        <source>first-try accuracy</source>
        <translation>acertos na primeira tentativa</translation>
    </message>
    <message>
        <source>median response time</source>
        <translation>tempo de resposta (mediana)</translation>
    </message>
    <message>
        <source>accuracy %</source>
        <translation>acertos em %</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>No answers in this period</source>
        <translation>Nenhuma resposta neste período</translation>
    </message>
    <message>
        <source>grey band: a session that practised weak notes</source>
        <translation>faixa cinza: uma sessão com as notas difíceis</translation>
    </message>
</context>
</TS>
