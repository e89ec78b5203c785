<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>MakerWindow</name>
    <message>
        <source>Checking</source>
        <translation>Controllo</translation>
    </message>
    <message>
        <source>Preparing the picture</source>
        <translation>Preparazione della foto</translation>
    </message>
    <message>
        <source>Copying the game</source>
        <translation>Copia del gioco</translation>
    </message>
    <message>
        <source>Packing into one file</source>
        <translation>Compressione in un unico file</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Make a Quadrifoglio puzzle</source>
        <translation>Crea un puzzle Quadrifoglio</translation>
    </message>
    <message>
        <source>A photo: JPEG, PNG, WebP, TIFF, BMP, GIF...</source>
        <translation>Una foto: JPEG, PNG, WebP, TIFF, BMP, GIF...</translation>
    </message>
    <message>
        <source>Choose a &amp;picture...</source>
        <translation>Scegli una &amp;foto...</translation>
    </message>
    <message>
        <source>A &amp;square of it (drag the square to move it)</source>
        <translation>Un &amp;quadrato della foto (trascina il quadrato per spostarlo)</translation>
    </message>
    <message>
        <source>The whole picture, s&amp;tretched to a square</source>
        <translation>Tutta la foto, s&amp;tirata in un quadrato</translation>
    </message>
    <message>
        <source>The size of the square</source>
        <translation>La grandezza del quadrato</translation>
    </message>
    <message>
        <source>Happy birthday, Anna!</source>
        <translation>Buon compleanno, Anna!</translation>
    </message>
    <message>
        <source>A new folder, or the file to make</source>
        <translation>Una cartella nuova, o il file da creare</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>Sc&amp;egli...</translation>
    </message>
    <message>
        <source>As &amp;one file that unpacks and starts the game</source>
        <translation>Come un &amp;unico file che si estrae e avvia il gioco</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Crea</translation>
    </message>
    <message>
        <source>T&amp;ry the copy</source>
        <translation>&amp;Prova la copia</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Grandezza:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Foto:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>&amp;Greeting:</source>
        <translation>&amp;Dedica:</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Salva come:</translation>
    </message>
    <message>
        <source>Choose the puzzle&apos;s picture</source>
        <translation>Scegli la foto del puzzle</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Immagini (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>This picture cannot be used: %1</source>
        <translation>Questa foto non si può usare: %1</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixel</translation>
    </message>
    <message>
        <source>Only %1 pixels a side: on a 1920 x 1080 screen the board is %2 pixels, so the picture will show enlarged and blurred.</source>
        <translation>Solo %1 pixel di lato: su uno schermo 1920 x 1080 il puzzle misura %2 pixel, quindi la foto apparirà ingrandita e sfocata.</translation>
    </message>
    <message>
        <source>Without a greeting the game shows its name.</source>
        <translation>Senza dedica il gioco mostra il suo nome.</translation>
    </message>
    <message>
        <source>The greeting fits.</source>
        <translation>La dedica ci sta.</translation>
    </message>
    <message>
        <source>Save the puzzle as one file</source>
        <translation>Salva il puzzle come un unico file</translation>
    </message>
    <message>
        <source>Save the puzzle as a new folder</source>
        <translation>Salva il puzzle in una cartella nuova</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Avvio</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, ancora circa %1 s</translation>
    </message>
    <message>
        <source>, about %1 min left</source>
        <translation>, ancora circa %1 min</translation>
    </message>
    <message>
        <source>Stopped. Nothing was written.</source>
        <translation>Interrotto. Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>The copy was not made. %1</source>
        <translation>La copia non è stata creata. %1</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Your puzzle is ready: %1 (%2), one file. Tell your friend how to start it:
  %3</source>
        <translation>Il tuo puzzle è pronto: %1 (%2), un unico file. Spiega a chi lo riceve come avviarlo:
  %3</translation>
    </message>
    <message>
        <source>Your puzzle is ready in the folder %1 (%2). Give your friend the whole folder; the game starts with:
  %3</source>
        <translation>Il tuo puzzle è pronto nella cartella %1 (%2). Regala tutta la cartella; il gioco si avvia con:
  %3</translation>
    </message>
</context>
</TS>
