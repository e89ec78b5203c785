<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="101">
        <source>&amp;Easy</source>
        <extracomment>level button; also the level&apos;s name in the record message</extracomment>
        <translation>&amp;Fácil</translation>
    </message>
    <message id="102">
        <source>&amp;Medium</source>
        <extracomment>level button; also the level&apos;s name in the record message</extracomment>
        <translation>&amp;Medio</translation>
    </message>
    <message id="103">
        <source>&amp;Difficult</source>
        <extracomment>level button; also the level&apos;s name in the record message</extracomment>
        <translation>&amp;Difícil</translation>
    </message>
    <message id="104">
        <source>&amp;Play</source>
        <extracomment>button that starts a game</extracomment>
        <translation>&amp;Jugar</translation>
    </message>
    <message id="105">
        <source>&amp;Timer</source>
        <extracomment>switch between a countdown (out) and a stopwatch (pressed in); a 46 pixel button</extracomment>
        <translation>&amp;Reloj</translation>
    </message>
    <message id="106">
        <source>&amp;?</source>
        <extracomment>button that opens the About window</extracomment>
        <translation>&amp;?</translation>
    </message>
    <message id="107">
        <source>E&amp;xit</source>
        <extracomment>button that ends the program; a 46 pixel button</extracomment>
        <translation>&amp;Salir</translation>
    </message>
    <message id="108">
        <source>Difficulty level</source>
        <extracomment>tool tip of the three level buttons</extracomment>
        <translation>Nivel de dificultad</translation>
    </message>
    <message id="109">
        <source>Create the puzzle</source>
        <extracomment>tool tip of Play</extracomment>
        <translation>Crea el puzzle</translation>
    </message>
    <message id="110">
        <source>Time limit on or off</source>
        <extracomment>tool tip of the timer switch</extracomment>
        <translation>Activa o desactiva el límite de tiempo</translation>
    </message>
    <message id="111">
        <source>About Quadrifoglio 3D</source>
        <extracomment>tool tip of the ? button and title of the About window</extracomment>
        <translation>Acerca de Quadrifoglio 3D</translation>
    </message>
    <message id="112">
        <source>End program</source>
        <extracomment>tool tip of Exit</extracomment>
        <translation>Cierra el programa</translation>
    </message>
    <message id="113">
        <source>Change background color</source>
        <extracomment>tool tip of the background colour button</extracomment>
        <translation>Cambia el color del fondo</translation>
    </message>
    <message id="114">
        <source>Show or hide the 3D edge of the pieces</source>
        <extracomment>tool tip of the 3D switch</extracomment>
        <translation>Visualiza o esconde el marco tridimensional</translation>
    </message>
    <message id="115">
        <source>Give up the game</source>
        <extracomment>tool tip of the &lt;&lt; button: the game is given up, back to the start</extracomment>
        <translation>Abandona la partida</translation>
    </message>
    <message id="116">
        <source>&amp;Close</source>
        <extracomment>button that closes the end-of-game and the About window</extracomment>
        <translation>&amp;Cerrar</translation>
    </message>
    <message id="117">
        <source>Close this window</source>
        <extracomment>tool tip of Close</extracomment>
        <translation>Cierra la ventana</translation>
    </message>
    <message id="118">
        <source>Version</source>
        <extracomment>About window: followed by two spaces and the version number</extracomment>
        <translation>Versión</translation>
    </message>
    <message id="119">
        <source>This puzzle was created with Quadrifoglio.
If you want to create your own puzzles to give to a friend, use quadrifoglio-maker, the puzzle maker of Quadrifoglio 3D.</source>
        <extracomment>About window: how the puzzle was made, and how to make one</extracomment>
        <translation>Este puzzle fue creado con Quadrifoglio.
Si tú también quieres crear tus puzzles personalizados para regalar a algún amigo, usa quadrifoglio-maker, el creador de puzzles de Quadrifoglio 3D.</translation>
    </message>
    <message id="120">
        <source>Jigsaw puzzle game for Linux</source>
        <extracomment>About window: what the program is and where it runs</extracomment>
        <translation>Juego de puzzle para Linux</translation>
    </message>
    <message id="121">
        <source>Free program - free use and distribution.</source>
        <extracomment>About window: terms of use</extracomment>
        <translation>Programa gratuito de libre utilización y distribución.</translation>
    </message>
    <message id="122">
        <source>Needs a screen of at least 800 × 600 pixels.</source>
        <extracomment>About window: the smallest screen the game runs on</extracomment>
        <translation>El programa necesita una resolución de al menos 800&#xa0;×&#xa0;600 píxeles.</translation>
    </message>
    <message id="123">
        <source>Type your name for the record</source>
        <extracomment>end-of-game window: prompt for the name of a new best time, followed by &quot; &gt;&quot;</extracomment>
        <translation>Escribe tu nombre para registrar el récord</translation>
    </message>
    <message id="124">
        <source>Game over!
Try again.</source>
        <extracomment>end-of-game window: the time ran out</extracomment>
        <translation>¡Juego terminado!
Inténtalo otra vez.</translation>
    </message>
    <message id="125">
        <source>Very good! You did it in...
</source>
        <extracomment>end-of-game window: solved with the stopwatch; the time in words follows</extracomment>
        <translation>¡Muy bien! Has completado el puzzle en...
</translation>
    </message>
    <message id="126">
        <source>Good...
even though you did not beat the record, you finished the puzzle in...
</source>
        <extracomment>end-of-game window: solved, best time not beaten; the time in words follows</extracomment>
        <translation>Bien...
aunque no hayas conseguido superar el récord, has completado el puzzle en:
</translation>
    </message>
    <message id="127">
        <source>Excellent...
you set the best time ever in the category: Game</source>
        <extracomment>end-of-game window, new best time: followed by a space, the level&apos;s name and &quot;. &quot;</extracomment>
        <translation>¡Fantástico!...
has realizado el mejor tiempo absoluto en la categoría: Juego</translation>
    </message>
    <message id="128">
        <source>minute</source>
        <extracomment>time in words: 1 minute</extracomment>
        <translation>minuto</translation>
    </message>
    <message id="129">
        <source>minutes</source>
        <extracomment>time in words: 2 to 59 minutes</extracomment>
        <translation>minutos</translation>
    </message>
    <message id="130">
        <source>seconds</source>
        <extracomment>time in words: the seconds</extracomment>
        <translation>segundos</translation>
    </message>
    <message id="131">
        <source>You finished the puzzle in...
</source>
        <extracomment>end-of-game window, new best time: after the level&apos;s name; the time in words follows</extracomment>
        <translation>Has completado el puzzle en...
</translation>
    </message>
    <message id="132">
        <source>and</source>
        <extracomment>time in words: joins the minutes and the seconds (3 minutes and 05 seconds)</extracomment>
        <translation>y</translation>
    </message>
    <message id="133">
        <source>The authors of Quadrifoglio</source>
        <extracomment>About window: the authors&apos; line when the build names no one</extracomment>
        <translation>Los autores de Quadrifoglio</translation>
    </message>
    <message id="134">
        <source>Cannot find the puzzle&apos;s picture: there is no Matrix.bmp, Matrix.jpg or Matrix.gif in the folder
%1</source>
        <extracomment>message at start: no picture; %1 is the folder</extracomment>
        <translation>No se encuentra la imagen del puzzle: en la carpeta
%1
no hay ningún archivo Matrix.bmp, Matrix.jpg ni Matrix.gif.</translation>
    </message>
    <message id="135">
        <source>Cannot read the puzzle&apos;s picture
%1
%2</source>
        <extracomment>message at start: the picture cannot be read; %1 is the file, %2 says why</extracomment>
        <translation>No se puede leer la imagen del puzzle
%1
%2</translation>
    </message>
    <message id="136">
        <source>The system does not allow the file to be read.</source>
        <extracomment>why a picture cannot be read</extracomment>
        <translation>El sistema no permite leer el archivo.</translation>
    </message>
    <message id="137">
        <source>The file is not a BMP, JPEG or GIF picture.</source>
        <extracomment>why a picture cannot be read</extracomment>
        <translation>El archivo no es una imagen BMP, JPEG o GIF.</translation>
    </message>
    <message id="138">
        <source>The file is damaged or incomplete.</source>
        <extracomment>why a picture cannot be read</extracomment>
        <translation>El archivo está dañado o incompleto.</translation>
    </message>
    <message id="139">
        <source>The picture is too large: %1 × %2 pixels, more than %3 million pixels.</source>
        <extracomment>why a picture cannot be read: %1 x %2 its size, %3 the most pixels taken, in millions</extracomment>
        <translation>La imagen es demasiado grande: %1&#xa0;×&#xa0;%2 píxeles, más de %3 millones de píxeles.</translation>
    </message>
    <message id="140">
        <source>Your best time could not be saved in
%1
%2</source>
        <extracomment>message: a new best time could not be written; %1 is the file, %2 says why</extracomment>
        <translation>No se ha podido guardar tu mejor tiempo en
%1
%2</translation>
    </message>
    <message id="141">
        <source>Your best time could not be saved: there is no folder for the game&apos;s settings.</source>
        <extracomment>message: a new best time could not be written, as the user has no folder for settings</extracomment>
        <translation>No se ha podido guardar tu mejor tiempo: no hay ninguna carpeta para los ajustes del juego.</translation>
    </message>
    <message id="142">
        <source>The folder does not exist.</source>
        <extracomment>why a best time could not be saved</extracomment>
        <translation>La carpeta no existe.</translation>
    </message>
    <message id="143">
        <source>Something that is not a file has that name.</source>
        <extracomment>why a best time could not be saved</extracomment>
        <translation>Con ese nombre hay algo que no es un archivo.</translation>
    </message>
    <message id="144">
        <source>The system does not allow the file to be written.</source>
        <extracomment>why a best time could not be saved</extracomment>
        <translation>El sistema no permite escribir el archivo.</translation>
    </message>
    <message id="145">
        <source>The disk is full.</source>
        <extracomment>why a best time could not be saved</extracomment>
        <translation>El disco está lleno.</translation>
    </message>
    <message id="146">
        <source>The disk refused to write the file.</source>
        <extracomment>why a best time could not be saved: any other failure of the disk</extracomment>
        <translation>El disco se ha negado a escribir el archivo.</translation>
    </message>
    <message id="147">
        <source>There is not enough memory to cut the pieces. Close some other programs and press Play again.</source>
        <extracomment>message: Play was pressed but the pieces could not be made</extracomment>
        <translation>No hay memoria suficiente para cortar las piezas. Cierra algún otro programa y pulsa de nuevo Jugar.</translation>
    </message>
    <message id="148">
        <source>Wait, please.....</source>
        <extracomment>on the board while the picture loads: first line, at the top</extracomment>
        <translation>Un momento, por favor...</translation>
    </message>
    <message id="149">
        <source>...loading image.</source>
        <extracomment>on the board while the picture loads: second line, at the bottom</extracomment>
        <translation>...cargando la imagen.</translation>
    </message>
    <message id="150">
        <source>The game needs a screen resolution of at least 800&#xa0;×&#xa0;600 pixels.
Change the screen resolution and try again.</source>
        <extracomment>message at start when the screen is smaller than 800 x 600 pixels</extracomment>
        <translation>El juego necesita una resolución de pantalla de al menos 800&#xa0;×&#xa0;600 píxeles.
Cambia la resolución de la pantalla y vuelve a intentarlo.</translation>
    </message>
    <message id="151">
        <source>Pause</source>
        <extracomment>the pause button, for a screen reader</extracomment>
        <translation>Pausa</translation>
    </message>
    <message id="152">
        <source>Pause (P or Space)</source>
        <extracomment>tool tip of the pause button</extracomment>
        <translation>Pausa (P o barra espaciadora)</translation>
    </message>
    <message id="153">
        <source>Game paused: press P to go on</source>
        <extracomment>on the cover over the board while the game is paused</extracomment>
        <translation>Juego en pausa: pulsa P para continuar</translation>
    </message>
    <message id="154">
        <source>Sound</source>
        <extracomment>the sound switch, for a screen reader</extracomment>
        <translation>Sonido</translation>
    </message>
    <message id="155">
        <source>Sound on or off (M)</source>
        <extracomment>tool tip of the sound switch</extracomment>
        <translation>Sonido sí o no (M)</translation>
    </message>
    <message id="156">
        <source>Background color</source>
        <extracomment>the background colour button, for a screen reader</extracomment>
        <translation>Color del fondo</translation>
    </message>
    <message id="157">
        <source>3D edge</source>
        <extracomment>the 3D switch, for a screen reader</extracomment>
        <translation>Marco 3D</translation>
    </message>
    <message id="158">
        <source>Give up</source>
        <extracomment>the &lt;&lt; button, for a screen reader</extracomment>
        <translation>Abandonar</translation>
    </message>
    <message id="159">
        <source>About</source>
        <extracomment>the ? button, for a screen reader</extracomment>
        <translation>Acerca de</translation>
    </message>
    <message id="160">
        <source>Who made the game, and its version</source>
        <extracomment>the ? button, what a screen reader says of it</extracomment>
        <translation>Quién hizo el juego, y su versión</translation>
    </message>
    <message id="161">
        <source>Puzzle board</source>
        <extracomment>the board, for a screen reader</extracomment>
        <translation>Tablero del puzzle</translation>
    </message>
    <message id="162">
        <source>Every piece goes here, in its own place</source>
        <extracomment>the board, what a screen reader says of it</extracomment>
        <translation>Aquí va cada pieza, en su sitio</translation>
    </message>
    <message id="163">
        <source>Piece %1, loose</source>
        <extracomment>a piece not yet home, for a screen reader; %1 its number</extracomment>
        <translation>Pieza %1, suelta</translation>
    </message>
    <message id="164">
        <source>Piece %1, in place</source>
        <extracomment>a piece home, for a screen reader; %1 its number</extracomment>
        <translation>Pieza %1, en su sitio</translation>
    </message>
    <message id="165">
        <source>Drag it to its place on the board</source>
        <extracomment>a piece, what a screen reader says of it</extracomment>
        <translation>Arrástrala a su sitio en el tablero</translation>
    </message>
    <message id="166">
        <source>Time</source>
        <extracomment>the clock, for a screen reader</extracomment>
        <translation>Tiempo</translation>
    </message>
    <message id="167">
        <source>Pieces in place</source>
        <extracomment>the count of pieces placed, for a screen reader</extracomment>
        <translation>Piezas en su sitio</translation>
    </message>
    <message id="168">
        <source>How to play</source>
        <extracomment>title of the How to play window (F1)</extracomment>
        <translation>Cómo se juega</translation>
    </message>
    <message id="169">
        <source>Choose a level and press Play. Drag the 36 pieces onto the board: a piece let go on its own place stays there, any other goes back. Finish the puzzle before the time is up, or press Timer to play without a limit.

P or Space: pause
M: sound on or off
F1: this window
F11: full screen or window
Esc: closes a window
Ctrl+Q: exit
Alt+R: 3D edge    Alt+O: color    Alt+N: new game</source>
        <extracomment>the How to play window: the rules and the keys</extracomment>
        <translation>Elige un nivel y pulsa Jugar. Arrastra las 36 piezas al tablero: una pieza soltada en su sitio se queda allí, las demás vuelven. Termina el puzzle antes de que se acabe el tiempo, o pulsa Reloj para jugar sin límite.

P o barra espaciadora: pausa
M: sonido sí o no
F1: esta ventana
F11: pantalla completa o ventana
Esc: cierra una ventana
Ctrl+Q: salir
Alt+R: marco 3D    Alt+O: color    Alt+N: juego nuevo</translation>
    </message>
</context>
</TS>
