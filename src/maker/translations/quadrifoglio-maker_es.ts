<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Maker</name>
    <message>
        <source>Italian</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>English</source>
        <translation>inglés</translation>
    </message>
    <message>
        <source>French</source>
        <translation>francés</translation>
    </message>
    <message>
        <source>German</source>
        <translation>alemán</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>español</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>no se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>no se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>the greeting does not fit in the game&apos;s message panel: the first %1 of its %2 characters fit (about three lines); make it shorter</source>
        <translation>la dedicatoria no cabe en el recuadro de mensajes del juego: solo caben los primeros %1 de sus %2 caracteres (unas tres líneas); tiene que ser más corta</translation>
    </message>
    <message>
        <source>the fonts on this computer cannot draw one character of the greeting: %1; the friend&apos;s computer will probably show it as a box</source>
        <translation>las fuentes de este ordenador no saben dibujar un carácter de la dedicatoria: %1; el ordenador de tu amigo probablemente lo mostrará como un cuadro</translation>
    </message>
    <message>
        <source>the fonts on this computer cannot draw %1 characters of the greeting: %2; the friend&apos;s computer will probably show them as boxes</source>
        <translation>las fuentes de este ordenador no saben dibujar %1 caracteres de la dedicatoria: %2; el ordenador de tu amigo probablemente los mostrará como cuadros</translation>
    </message>
    <message>
        <source>the picture is only %1 pixels a side where it fills the board; on a 1920 x 1080 screen the board is %2 pixels, so it will show enlarged and blurred</source>
        <translation>la foto solo tiene %1 píxeles de lado donde llena el puzle; en una pantalla de 1920 x 1080 el puzle mide %2 píxeles, así que se verá ampliada y borrosa</translation>
    </message>
    <message>
        <source>the greeting is not valid text</source>
        <translation>la dedicatoria no es un texto válido</translation>
    </message>
    <message>
        <source>the greeting must be one line, but it holds a line break</source>
        <translation>la dedicatoria debe ser una sola línea, pero contiene un salto de línea</translation>
    </message>
    <message>
        <source>the greeting holds a control character (U+%1) at character %2</source>
        <translation>la dedicatoria contiene un carácter de control (U+%1) en el carácter %2</translation>
    </message>
    <message>
        <source>the greeting is too long: %1 bytes in UTF-8, at most %2</source>
        <translation>la dedicatoria es demasiado larga: %1 bytes en UTF-8, como mucho %2</translation>
    </message>
    <message>
        <source>the greeting is not UTF-8 text: byte 0x%1 at byte %2 (character %3)</source>
        <translation>la dedicatoria no es texto UTF-8: byte 0x%1 en el byte %2 (carácter %3)</translation>
    </message>
    <message>
        <source>the crop %1 x %2 is not a square</source>
        <translation>el recorte %1 x %2 no es un cuadrado</translation>
    </message>
    <message>
        <source>the square %1 (X,Y,SIDE) does not lie inside the picture, which is %2 x %3 pixels</source>
        <translation>el cuadrado %1 (X,Y,SIDE) no está dentro de la foto, que mide %2 x %3 píxeles</translation>
    </message>
    <message>
        <source>it is too large to convert to JPEG: %1 x %2 pixels; convert it to JPEG yourself, or make it smaller</source>
        <translation>es demasiado grande para convertirla a JPEG: %1 x %2 píxeles; conviértela tú a JPEG, o hazla más pequeña</translation>
    </message>
    <message>
        <source>it is damaged and does not decode (%1)</source>
        <translation>está dañada y no se puede decodificar (%1)</translation>
    </message>
    <message>
        <source>it is not a picture in a format that can be read; pictures in these formats are read: </source>
        <translation>no es una foto en un formato legible; se leen fotos en estos formatos: </translation>
    </message>
    <message>
        <source>it is damaged and does not decode (it does not tell its size)</source>
        <translation>está dañada y no se puede decodificar (no indica su tamaño)</translation>
    </message>
    <message>
        <source>a square was picked, but the whole picture is to be stretched: choose one</source>
        <translation>se ha elegido un cuadrado, pero la foto entera se debe estirar: elige una de las dos cosas</translation>
    </message>
    <message>
        <source>cannot convert it to JPEG: </source>
        <translation>no se puede convertir a JPEG: </translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> y %1 más</translation>
    </message>
    <message>
        <source>%1 is a link; the maker never writes through a link: give the folder itself</source>
        <translation>%1 es un enlace; el programa nunca escribe a través de un enlace: indica la carpeta misma</translation>
    </message>
    <message>
        <source>%1 exists and is not a folder</source>
        <translation>%1 existe y no es una carpeta</translation>
    </message>
    <message>
        <source>the folder %1 is not a copy made by the maker; it holds %2. --force replaces only such a copy: choose a new folder</source>
        <translation>la carpeta %1 no es una copia hecha por este programa; contiene %2. --force solo sustituye una copia así: elige una carpeta nueva</translation>
    </message>
    <message>
        <source>the folder %1 holds files the maker did not make: %2. --force replaces only a copy the maker made: move them elsewhere, or choose a new folder</source>
        <translation>la carpeta %1 contiene archivos que este programa no ha hecho: %2. --force solo sustituye una copia hecha por este programa: pon esos archivos en otro sitio, o elige una carpeta nueva</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;: use one of %2</source>
        <translation>idioma desconocido &quot;%1&quot;: usa uno de %2</translation>
    </message>
    <message>
        <source>the game&apos;s portable runtime was not found (%1)</source>
        <translation>no se ha encontrado el juego portátil con sus bibliotecas (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s executable was not found (%1)</source>
        <translation>no se ha encontrado el programa del juego (%1)</translation>
    </message>
    <message>
        <source>none given</source>
        <translation>ninguno indicado</translation>
    </message>
    <message>
        <source>one file is made from the portable copy only, not from the game alone</source>
        <translation>un solo archivo solo se hace a partir de la copia portátil, no del juego solo</translation>
    </message>
    <message>
        <source>one file cannot be made: the game&apos;s pack was not found beside the runtime or the maker; install the game again</source>
        <translation>no se puede hacer un solo archivo: no se ha encontrado el paquete comprimido del juego junto al juego portátil ni junto al programa; instala de nuevo el juego</translation>
    </message>
    <message>
        <source>the name %1 is too long for one file</source>
        <translation>el nombre %1 es demasiado largo para un solo archivo</translation>
    </message>
    <message>
        <source>the game&apos;s pack for single files is incomplete: %1 is missing</source>
        <translation>el paquete comprimido del juego para hacer un solo archivo está incompleto: falta %1</translation>
    </message>
    <message>
        <source>the start script of %1 is larger than its room</source>
        <translation>el guion de inicio %1 ocupa más que el espacio que tiene</translation>
    </message>
    <message>
        <source>the picture %1 does not exist</source>
        <translation>la foto %1 no existe</translation>
    </message>
    <message>
        <source>the picture %1 is not a file</source>
        <translation>la foto %1 no es un archivo</translation>
    </message>
    <message>
        <source>the picture %1 cannot be used: %2</source>
        <translation>la foto %1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>ningún archivo indicado</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>ninguna carpeta de destino indicada</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>no se puede escribir en la carpeta %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 is not empty; --force replaces a copy the maker made before</source>
        <translation>la carpeta %1 no está vacía; --force sustituye una copia hecha antes por este programa</translation>
    </message>
    <message>
        <source>%1 is a folder; give the name of the file to make</source>
        <translation>%1 es una carpeta; indica el nombre del archivo que se va a hacer</translation>
    </message>
    <message>
        <source>the file %1 exists; --force replaces it</source>
        <translation>el archivo %1 existe; --force lo sustituye</translation>
    </message>
    <message>
        <source>%1 is not a copy made by the maker; --force does not replace it</source>
        <translation>%1 no es una copia hecha por este programa; --force no la sustituye</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>stopped as asked</source>
        <translation>detenido como se pidió</translation>
    </message>
    <message>
        <source>files added to the old copy while it was replaced are in %1</source>
        <translation>los archivos añadidos a la copia antigua mientras se sustituía están en %1</translation>
    </message>
    <message>
        <source>kept as it is</source>
        <translation>conservada tal cual</translation>
    </message>
    <message>
        <source>stretched to a square of %1 x %1 pixels</source>
        <translation>estirada en un cuadrado de %1 x %1 píxeles</translation>
    </message>
    <message>
        <source>cropped to a square of %1 x %1 pixels</source>
        <translation>recortada en un cuadrado de %1 x %1 píxeles</translation>
    </message>
    <message>
        <source>a JPEG of %1 x %1 pixels</source>
        <translation>un JPEG de %1 x %1 píxeles</translation>
    </message>
    <message>
        <source>Your puzzle is ready: %1 (%2), one file with the game, your picture (%3) and your greeting in %4.
Tell your friend how to start it:
  %5</source>
        <translation>Tu puzle está listo: %1 (%2), un solo archivo con el juego, tu foto (%3) y tu dedicatoria en %4.
Explica a tu amigo cómo arrancarlo:
  %5</translation>
    </message>
    <message>
        <source>Your puzzle is ready in the folder %1 (%2): %3, your picture (%4) and your greeting in %5.
Give your friend the whole folder%6. The game starts with:
  %7</source>
        <translation>Tu puzle está listo en la carpeta %1 (%2): %3, tu foto (%4) y tu dedicatoria en %5.
Regala a tu amigo toda la carpeta%6. El juego arranca con:
  %7</translation>
    </message>
    <message>
        <source>the game with its libraries</source>
        <translation>el juego con sus bibliotecas</translation>
    </message>
    <message>
        <source>the game alone (your friend needs Qt 6)</source>
        <translation>el juego solo (tu amigo necesita Qt 6)</translation>
    </message>
    <message>
        <source>; %1 in it tells how to start the game</source>
        <translation>; %1 dentro explica cómo arrancar el juego</translation>
    </message>
</context>
<context>
    <name>MakerCommandLine</name>
    <message>
        <source>, about %1 s left</source>
        <translation>, quedan unos %1 s</translation>
    </message>
    <message>
        <source>the game&apos;s portable runtime was not found; looked in:
  </source>
        <translation>no se ha encontrado el juego portátil con sus bibliotecas; buscado en:
  </translation>
    </message>
    <message>
        <source>Makes a copy of Quadrifoglio 3D to give away: a folder with the game and the libraries it
needs, your picture and a Matrix.dat with the language and the greeting shown above the
board, which starts on a Linux desktop without Qt; or the same as one file that unpacks
and starts the game. A non-square picture is cropped to its middle square unless told
otherwise; the picture becomes a JPEG of at most 1260 pixels a side, the largest board the
game draws (a square bitmap, JPEG or GIF of at most 2 MiB is kept as it is).
Without arguments, the maker opens its window.</source>
        <translation>Hace una copia de Quadrifoglio 3D para regalar: una carpeta con el juego y las bibliotecas
que necesita, tu foto y un Matrix.dat con el idioma y la dedicatoria que se muestra sobre el
puzle, que arranca en un escritorio Linux sin Qt; o lo mismo como un solo archivo que se
descomprime y arranca el juego. Una foto no cuadrada se recorta a su cuadrado central, salvo
que se indique otra cosa; la foto se convierte en un JPEG de como mucho 1260 píxeles de lado,
el puzle más grande que dibuja el juego (un BMP, JPEG o GIF cuadrado de como mucho 2 MiB se
conserva tal cual).
Sin argumentos, el programa abre su ventana.</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>foto</translation>
    </message>
    <message>
        <source>The puzzle&apos;s picture, in any format Qt reads, of at most 200 megapixels.</source>
        <translation>La foto del puzle, en cualquier formato que Qt lea, de como mucho 200 millones de píxeles.</translation>
    </message>
    <message>
        <source>picture (--out &lt;folder&gt; | --single-file &lt;file&gt;)</source>
        <translation>foto (--out &lt;carpeta&gt; | --single-file &lt;archivo&gt;)</translation>
    </message>
    <message>
        <source>Language of the game: it, en, fr, de or es (default: the desktop&apos;s, else en).</source>
        <translation>Idioma del juego: it, en, fr, de o es (por defecto: el del escritorio, si no en).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>One line shown above the board (may be empty: the game then shows its name).</source>
        <translation>Una línea que se muestra sobre el puzle (puede estar vacía: el juego muestra entonces su nombre).</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>How a non-square picture becomes the square board: crop (its middle square, the default) or stretch (the whole picture, squashed).</source>
        <translation>Cómo una foto no cuadrada se convierte en el puzle cuadrado: crop (su cuadrado central, por defecto) o stretch (la foto entera, aplastada).</translation>
    </message>
    <message>
        <source>The square to take, in the picture&apos;s pixels: its left, top and side.</source>
        <translation>El cuadrado que se toma, en píxeles de la foto: izquierda, arriba y lado.</translation>
    </message>
    <message>
        <source>The folder to make (new or empty).</source>
        <translation>La carpeta que se va a hacer (nueva o vacía).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>carpeta</translation>
    </message>
    <message>
        <source>Make one file instead of a folder, which unpacks and starts the game (sh FILE).</source>
        <translation>Hace un solo archivo en lugar de una carpeta, que se descomprime y arranca el juego (sh FILE).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>Copy the game alone, without its libraries: for a friend who has Qt 6 installed.</source>
        <translation>Copia el juego solo, sin sus bibliotecas: para un amigo que tiene Qt 6 instalado.</translation>
    </message>
    <message>
        <source>Replace a copy the maker made before, folder or file. A folder holding anything the maker did not write, or a link, is refused, and nothing is written.</source>
        <translation>Sustituye una copia hecha antes por este programa, carpeta o archivo. Una carpeta que contenga algo que el programa no haya escrito, o un enlace, se rechaza, y no se escribe nada.</translation>
    </message>
    <message>
        <source>no picture given (see --help)</source>
        <translation>ninguna foto indicada (ver --help)</translation>
    </message>
    <message>
        <source>give exactly one picture (see --help)</source>
        <translation>indica una sola foto (ver --help)</translation>
    </message>
    <message>
        <source>give where to make the copy: --out FOLDER or --single-file FILE</source>
        <translation>indica dónde hacer la copia: --out FOLDER o --single-file FILE</translation>
    </message>
    <message>
        <source>--single-file packs the whole copy; it cannot be --game-only</source>
        <translation>--single-file empaqueta toda la copia; no puede ser --game-only</translation>
    </message>
    <message>
        <source>unknown --fit &quot;%1&quot;: use crop or stretch</source>
        <translation>--fit &quot;%1&quot; desconocido: usa crop o stretch</translation>
    </message>
    <message>
        <source>--crop takes X,Y,SIDE: three whole numbers, the side at least 1</source>
        <translation>--crop espera X,Y,SIDE: tres números enteros, el lado al menos 1</translation>
    </message>
    <message>
        <source>; nothing was written</source>
        <translation>; no se ha escrito nada</translation>
    </message>
    <message>
        <source>the game&apos;s executable was not found; looked for:
  </source>
        <translation>no se ha encontrado el programa del juego; buscado:
  </translation>
    </message>
    <message>
        <source>stopped; nothing was written</source>
        <translation>detenido; no se ha escrito nada</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>atención: %1</translation>
    </message>
</context>
<context>
    <name>MakerWindow</name>
    <message>
        <source>Checking</source>
        <translation>Comprobación</translation>
    </message>
    <message>
        <source>Preparing the picture</source>
        <translation>Preparando la foto</translation>
    </message>
    <message>
        <source>Copying the game</source>
        <translation>Copiando el juego</translation>
    </message>
    <message>
        <source>Packing into one file</source>
        <translation>Empaquetando en un solo archivo</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Make a Quadrifoglio puzzle</source>
        <translation>Crear un puzle Quadrifoglio</translation>
    </message>
    <message>
        <source>A photo: JPEG, PNG, WebP, TIFF, BMP, GIF...</source>
        <translation>Una foto: JPEG, PNG, WebP, TIFF, BMP, GIF...</translation>
    </message>
    <message>
        <source>Choose a &amp;picture...</source>
        <translation>Elegir una &amp;foto...</translation>
    </message>
    <message>
        <source>A &amp;square of it (drag the square to move it)</source>
        <translation>Un &amp;cuadrado de la foto (arrastra el cuadrado para moverlo)</translation>
    </message>
    <message>
        <source>The whole picture, s&amp;tretched to a square</source>
        <translation>Toda la foto, es&amp;tirada en un cuadrado</translation>
    </message>
    <message>
        <source>The size of the square</source>
        <translation>El tamaño del cuadrado</translation>
    </message>
    <message>
        <source>Happy birthday, Anna!</source>
        <translation>¡Feliz cumpleaños, Anna!</translation>
    </message>
    <message>
        <source>A new folder, or the file to make</source>
        <translation>Una carpeta nueva, o el archivo que se creará</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>E&amp;legir...</translation>
    </message>
    <message>
        <source>As &amp;one file that unpacks and starts the game</source>
        <translation>Como un &amp;solo archivo que se descomprime y arranca el juego</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>C&amp;rear</translation>
    </message>
    <message>
        <source>T&amp;ry the copy</source>
        <translation>&amp;Probar la copia</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Ca&amp;ncelar</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Foto:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>&amp;Greeting:</source>
        <translation>&amp;Dedicatoria:</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Guardar como:</translation>
    </message>
    <message>
        <source>Choose the puzzle&apos;s picture</source>
        <translation>Elegir la foto del puzle</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Imágenes (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>This picture cannot be used: %1</source>
        <translation>Esta foto no se puede usar: %1</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 píxeles</translation>
    </message>
    <message>
        <source>Only %1 pixels a side: on a 1920 x 1080 screen the board is %2 pixels, so the picture will show enlarged and blurred.</source>
        <translation>Solo %1 píxeles de lado: en una pantalla de 1920 x 1080 el puzle mide %2 píxeles, así que la foto se verá ampliada y borrosa.</translation>
    </message>
    <message>
        <source>Without a greeting the game shows its name.</source>
        <translation>Sin dedicatoria, el juego muestra su nombre.</translation>
    </message>
    <message>
        <source>The greeting fits.</source>
        <translation>La dedicatoria cabe.</translation>
    </message>
    <message>
        <source>Save the puzzle as one file</source>
        <translation>Guardar el puzle como un solo archivo</translation>
    </message>
    <message>
        <source>Save the puzzle as a new folder</source>
        <translation>Guardar el puzle en una carpeta nueva</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, quedan unos %1 s</translation>
    </message>
    <message>
        <source>, about %1 min left</source>
        <translation>, quedan unos %1 min</translation>
    </message>
    <message>
        <source>Stopped. Nothing was written.</source>
        <translation>Detenido. No se ha escrito nada.</translation>
    </message>
    <message>
        <source>The copy was not made. %1</source>
        <translation>La copia no se ha hecho. %1</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Your puzzle is ready: %1 (%2), one file. Tell your friend how to start it:
  %3</source>
        <translation>Tu puzle está listo: %1 (%2), un solo archivo. Explica a tu amigo cómo arrancarlo:
  %3</translation>
    </message>
    <message>
        <source>Your puzzle is ready in the folder %1 (%2). Give your friend the whole folder; the game starts with:
  %3</source>
        <translation>Tu puzle está listo en la carpeta %1 (%2). Regala toda la carpeta; el juego arranca con:
  %3</translation>
    </message>
    <message>
        <source>the game and its libraries were not found beside the maker; install the game again</source>
        <translation>no se han encontrado el juego y sus bibliotecas junto al programa; instala de nuevo el juego</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>out of memory</source>
        <translation>memoria agotada</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>el archivo termina antes de tiempo</translation>
    </message>
    <message>
        <source>a kind of bitmap that cannot be read</source>
        <translation>un tipo de BMP que no se puede leer</translation>
    </message>
    <message>
        <source>the headers of the bitmap are damaged</source>
        <translation>las cabeceras del BMP están dañadas</translation>
    </message>
    <message>
        <source>the PNG is damaged</source>
        <translation>el PNG está dañado</translation>
    </message>
    <message>
        <source>the header of the WebP is damaged</source>
        <translation>la cabecera del WebP está dañada</translation>
    </message>
    <message>
        <source>the WebP is damaged</source>
        <translation>el WebP está dañado</translation>
    </message>
    <message>
        <source>the header of the TIFF is damaged</source>
        <translation>la cabecera del TIFF está dañada</translation>
    </message>
    <message>
        <source>the TIFF is damaged or cut short</source>
        <translation>el TIFF está dañado o cortado</translation>
    </message>
    <message>
        <source>not a GIF</source>
        <translation>no es un GIF</translation>
    </message>
    <message>
        <source>the GIF is damaged</source>
        <translation>el GIF está dañado</translation>
    </message>
    <message>
        <source>no size to decode to</source>
        <translation>ningún tamaño al que decodificar</translation>
    </message>
    <message>
        <source>the headers of the JPEG are damaged</source>
        <translation>las cabeceras del JPEG están dañadas</translation>
    </message>
    <message>
        <source>the coded data of the JPEG is damaged</source>
        <translation>los datos codificados del JPEG están dañados</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ese archivo no existe</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>it is not a picture in a format that can be read</source>
        <translation>no es una foto en un formato legible</translation>
    </message>
    <message>
        <source>it is damaged and does not decode</source>
        <translation>está dañada y no se puede decodificar</translation>
    </message>
    <message>
        <source>it is damaged and does not decode (%1)</source>
        <translation>está dañada y no se puede decodificar (%1)</translation>
    </message>
    <message>
        <source>it is too large: %1 x %2 pixels (%3 megapixels); at most %4 megapixels are taken</source>
        <translation>es demasiado grande: %1 x %2 píxeles (%3 millones de píxeles); se aceptan como mucho %4 millones de píxeles</translation>
    </message>
</context>
<context>
    <name>GiftNote</name>
    <message>
        <source>Quadrifoglio 3D: a jigsaw puzzle made for you.

To play, open this folder and start the program &quot;quadrifoglio&quot; (double-click it; if the
file manager opens it as a document, right-click it and choose &quot;Run&quot;). From a terminal, which
works even when a download has taken away its permission to run:

    cd this-folder
    sh quadrifoglio

It runs on a 64-bit Linux computer with a graphical desktop; nothing needs to be installed.
Keep all the files of this folder together: the game needs every one of them.
</source>
        <translation>Quadrifoglio 3D: un puzle hecho para ti.

Para jugar, abre esta carpeta y arranca el programa «quadrifoglio» (doble clic; si el gestor
de archivos lo abre como un documento, clic derecho y «Ejecutar»). Desde una terminal, aunque
una descarga le haya quitado el permiso de ejecución:

    cd esta-carpeta
    sh quadrifoglio

Funciona en un ordenador Linux de 64 bits con escritorio gráfico; no hay que instalar nada.
Mantén juntos todos los archivos de esta carpeta: el juego los necesita todos.
</translation>
    </message>
    <message>
        <source>Save the file %1 and start it: from a terminal with  sh %1  (or allow it to run as a program in its properties and double-click it). It runs on a 64-bit Linux computer; nothing needs to be installed.</source>
        <translation>Guarda el archivo %1 y arráncalo: desde una terminal con  sh %1  (o permite ejecutarlo como programa en sus propiedades y haz doble clic). Funciona en un ordenador Linux de 64 bits; no hay que instalar nada.</translation>
    </message>
</context>
</TS>
