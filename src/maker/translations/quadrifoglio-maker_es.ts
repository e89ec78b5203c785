<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
            <source>Choose the puzzle's picture</source>
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
    </context>
</TS>
