<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Maker</name>
    <message>
        <source>Italian</source>
        <translation>italiano</translation>
    </message>
    <message>
        <source>English</source>
        <translation>inglese</translation>
    </message>
    <message>
        <source>French</source>
        <translation>francese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>tedesco</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>spagnolo</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossibile creare la cartella %1: %2</translation>
    </message>
    <message>
        <source>the greeting does not fit in the game&apos;s message panel: the first %1 of its %2 characters fit (about three lines); make it shorter</source>
        <translation>la dedica non entra nel riquadro dei messaggi del gioco: entrano i primi %1 dei suoi %2 caratteri (circa tre righe); accorciala</translation>
    </message>
    <message>
        <source>the fonts on this computer cannot draw one character of the greeting: %1; the friend&apos;s computer will probably show it as a box</source>
        <translation>i tipi di carattere di questo computer non sanno disegnare un carattere della dedica: %1; il computer del tuo amico probabilmente lo mostrerà come un quadratino</translation>
    </message>
    <message>
        <source>the fonts on this computer cannot draw %1 characters of the greeting: %2; the friend&apos;s computer will probably show them as boxes</source>
        <translation>i tipi di carattere di questo computer non sanno disegnare %1 caratteri della dedica: %2; il computer del tuo amico probabilmente li mostrerà come quadratini</translation>
    </message>
    <message>
        <source>the picture is only %1 pixels a side where it fills the board; on a 1920 x 1080 screen the board is %2 pixels, so it will show enlarged and blurred</source>
        <translation>la foto ha solo %1 pixel di lato dove riempie il puzzle; su uno schermo 1920 x 1080 il puzzle misura %2 pixel, quindi si vedrà ingrandita e sfocata</translation>
    </message>
    <message>
        <source>the greeting is not valid text</source>
        <translation>la dedica non è un testo valido</translation>
    </message>
    <message>
        <source>the greeting must be one line, but it holds a line break</source>
        <translation>la dedica deve stare su una riga, ma contiene un a capo</translation>
    </message>
    <message>
        <source>the greeting holds a control character (U+%1) at character %2</source>
        <translation>la dedica contiene un carattere di controllo (U+%1) al carattere %2</translation>
    </message>
    <message>
        <source>the greeting is too long: %1 bytes in UTF-8, at most %2</source>
        <translation>la dedica è troppo lunga: %1 byte in UTF-8, al massimo %2</translation>
    </message>
    <message>
        <source>the greeting is not UTF-8 text: byte 0x%1 at byte %2 (character %3)</source>
        <translation>la dedica non è testo UTF-8: byte 0x%1 al byte %2 (carattere %3)</translation>
    </message>
    <message>
        <source>the crop %1 x %2 is not a square</source>
        <translation>il ritaglio %1 x %2 non è un quadrato</translation>
    </message>
    <message>
        <source>the square %1 (X,Y,SIDE) does not lie inside the picture, which is %2 x %3 pixels</source>
        <translation>il quadrato %1 (X,Y,SIDE) non sta dentro la foto, che misura %2 x %3 pixel</translation>
    </message>
    <message>
        <source>it is too large to convert to JPEG: %1 x %2 pixels; convert it to JPEG yourself, or make it smaller</source>
        <translation>è troppo grande per convertirla in JPEG: %1 x %2 pixel; convertila tu in JPEG, o rimpiccioliscila</translation>
    </message>
    <message>
        <source>it is damaged and does not decode (%1)</source>
        <translation>è danneggiata e non si decodifica (%1)</translation>
    </message>
    <message>
        <source>it is not a picture in a format that can be read; pictures in these formats are read: </source>
        <translation>non è una foto in un formato leggibile; si leggono foto in questi formati: </translation>
    </message>
    <message>
        <source>it is damaged and does not decode (it does not tell its size)</source>
        <translation>è danneggiata e non si decodifica (non dice la sua dimensione)</translation>
    </message>
    <message>
        <source>a square was picked, but the whole picture is to be stretched: choose one</source>
        <translation>è stato scelto un quadrato, ma la foto intera va stirata: scegli una delle due</translation>
    </message>
    <message>
        <source>cannot convert it to JPEG: </source>
        <translation>impossibile convertirla in JPEG: </translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> e altri %1</translation>
    </message>
    <message>
        <source>%1 is a link; the maker never writes through a link: give the folder itself</source>
        <translation>%1 è un collegamento; il programma non scrive mai attraverso un collegamento: indica la cartella stessa</translation>
    </message>
    <message>
        <source>%1 exists and is not a folder</source>
        <translation>%1 esiste e non è una cartella</translation>
    </message>
    <message>
        <source>the folder %1 is not a copy made by the maker; it holds %2. --force replaces only such a copy: choose a new folder</source>
        <translation>la cartella %1 non è una copia fatta da questo programma; contiene %2. --force sostituisce solo una copia così: scegli una cartella nuova</translation>
    </message>
    <message>
        <source>the folder %1 holds files the maker did not make: %2. --force replaces only a copy the maker made: move them elsewhere, or choose a new folder</source>
        <translation>la cartella %1 contiene file che questo programma non ha fatto: %2. --force sostituisce solo una copia fatta da questo programma: spostali altrove, o scegli una cartella nuova</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;: use one of %2</source>
        <translation>lingua sconosciuta &quot;%1&quot;: usa una di %2</translation>
    </message>
    <message>
        <source>the game&apos;s portable runtime was not found (%1)</source>
        <translation>il gioco portabile con le sue librerie non è stato trovato (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s executable was not found (%1)</source>
        <translation>il programma del gioco non è stato trovato (%1)</translation>
    </message>
    <message>
        <source>none given</source>
        <translation>nessuno indicato</translation>
    </message>
    <message>
        <source>one file is made from the portable copy only, not from the game alone</source>
        <translation>un unico file si fa solo dalla copia portabile, non dal solo gioco</translation>
    </message>
    <message>
        <source>one file cannot be made: the game&apos;s pack was not found beside the runtime or the maker; install the game again</source>
        <translation>impossibile fare un unico file: l&apos;archivio del gioco non è stato trovato accanto al gioco portabile né accanto al programma; installa di nuovo il gioco</translation>
    </message>
    <message>
        <source>the name %1 is too long for one file</source>
        <translation>il nome %1 è troppo lungo per un unico file</translation>
    </message>
    <message>
        <source>the game&apos;s pack for single files is incomplete: %1 is missing</source>
        <translation>l&apos;archivio del gioco per fare un unico file è incompleto: manca %1</translation>
    </message>
    <message>
        <source>the start script of %1 is larger than its room</source>
        <translation>lo script di avvio %1 è più lungo dello spazio che ha</translation>
    </message>
    <message>
        <source>the picture %1 does not exist</source>
        <translation>la foto %1 non esiste</translation>
    </message>
    <message>
        <source>the picture %1 is not a file</source>
        <translation>la foto %1 non è un file</translation>
    </message>
    <message>
        <source>the picture %1 cannot be used: %2</source>
        <translation>la foto %1 non si può usare: %2</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>nessun file indicato</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>nessuna cartella di destinazione indicata</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>impossibile scrivere nella cartella %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 is not empty; --force replaces a copy the maker made before</source>
        <translation>la cartella %1 non è vuota; --force sostituisce una copia fatta prima da questo programma</translation>
    </message>
    <message>
        <source>%1 is a folder; give the name of the file to make</source>
        <translation>%1 è una cartella; indica il nome del file da fare</translation>
    </message>
    <message>
        <source>the file %1 exists; --force replaces it</source>
        <translation>il file %1 esiste; --force lo sostituisce</translation>
    </message>
    <message>
        <source>%1 is not a copy made by the maker; --force does not replace it</source>
        <translation>%1 non è una copia fatta da questo programma; --force non la sostituisce</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 non è una cartella</translation>
    </message>
    <message>
        <source>stopped as asked</source>
        <translation>interrotto come richiesto</translation>
    </message>
    <message>
        <source>files added to the old copy while it was replaced are in %1</source>
        <translation>i file aggiunti alla vecchia copia mentre veniva sostituita sono in %1</translation>
    </message>
    <message>
        <source>kept as it is</source>
        <translation>lasciata invariata</translation>
    </message>
    <message>
        <source>stretched to a square of %1 x %1 pixels</source>
        <translation>stirata in un quadrato di %1 x %1 pixel</translation>
    </message>
    <message>
        <source>cropped to a square of %1 x %1 pixels</source>
        <translation>ritagliata in un quadrato di %1 x %1 pixel</translation>
    </message>
    <message>
        <source>a JPEG of %1 x %1 pixels</source>
        <translation>un JPEG di %1 x %1 pixel</translation>
    </message>
    <message>
        <source>Your puzzle is ready: %1 (%2), one file with the game, your picture (%3) and your greeting in %4.
Tell your friend how to start it:
  %5</source>
        <translation>Il tuo puzzle è pronto: %1 (%2), un unico file con il gioco, la tua foto (%3) e la tua dedica in %4.
Spiega al tuo amico come avviarlo:
  %5</translation>
    </message>
    <message>
        <source>Your puzzle is ready in the folder %1 (%2): %3, your picture (%4) and your greeting in %5.
Give your friend the whole folder%6. The game starts with:
  %7</source>
        <translation>Il tuo puzzle è pronto nella cartella %1 (%2): %3, la tua foto (%4) e la tua dedica in %5.
Regala al tuo amico tutta la cartella%6. Il gioco si avvia con:
  %7</translation>
    </message>
    <message>
        <source>the game with its libraries</source>
        <translation>il gioco con le sue librerie</translation>
    </message>
    <message>
        <source>the game alone (your friend needs Qt 6)</source>
        <translation>il solo gioco (al tuo amico serve Qt 6)</translation>
    </message>
    <message>
        <source>; %1 in it tells how to start the game</source>
        <translation>; %1 al suo interno spiega come avviare il gioco</translation>
    </message>
</context>
<context>
    <name>MakerCommandLine</name>
    <message>
        <source>, about %1 s left</source>
        <translation>, ancora circa %1 s</translation>
    </message>
    <message>
        <source>the game&apos;s portable runtime was not found; looked in:
  </source>
        <translation>il gioco portabile con le sue librerie non è stato trovato; cercato in:
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
        <translation>Fa una copia di Quadrifoglio 3D da regalare: una cartella con il gioco e le librerie che gli
servono, la tua foto e un Matrix.dat con la lingua e la dedica mostrata sopra il puzzle,
che si avvia su un desktop Linux senza Qt; oppure lo stesso come un unico file che si estrae
e avvia il gioco. Una foto non quadrata viene ritagliata al suo quadrato centrale, salvo
indicazione diversa; la foto diventa un JPEG di al massimo 1260 pixel di lato, il puzzle più
grande che il gioco disegna (un BMP, un JPEG o una GIF quadrati di al massimo 2 MiB
restano così come sono).
Senza argomenti il programma apre la sua finestra.</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>foto</translation>
    </message>
    <message>
        <source>The puzzle&apos;s picture, in any format Qt reads, of at most 200 megapixels.</source>
        <translation>La foto del puzzle, in qualsiasi formato che Qt legge, di al massimo 200 milioni di pixel.</translation>
    </message>
    <message>
        <source>picture (--out &lt;folder&gt; | --single-file &lt;file&gt;)</source>
        <translation>foto (--out &lt;cartella&gt; | --single-file &lt;file&gt;)</translation>
    </message>
    <message>
        <source>Language of the game: it, en, fr, de or es (default: the desktop&apos;s, else en).</source>
        <translation>Lingua del gioco: it, en, fr, de o es (predefinita: quella del desktop, altrimenti en).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>codice</translation>
    </message>
    <message>
        <source>One line shown above the board (may be empty: the game then shows its name).</source>
        <translation>Una riga mostrata sopra il puzzle (può essere vuota: il gioco mostra allora il suo nome).</translation>
    </message>
    <message>
        <source>text</source>
        <translation>testo</translation>
    </message>
    <message>
        <source>How a non-square picture becomes the square board: crop (its middle square, the default) or stretch (the whole picture, squashed).</source>
        <translation>Come una foto non quadrata diventa il puzzle quadrato: crop (il suo quadrato centrale, predefinito) o stretch (la foto intera, schiacciata).</translation>
    </message>
    <message>
        <source>The square to take, in the picture&apos;s pixels: its left, top and side.</source>
        <translation>Il quadrato da prendere, in pixel della foto: sinistra, alto e lato.</translation>
    </message>
    <message>
        <source>The folder to make (new or empty).</source>
        <translation>La cartella da fare (nuova o vuota).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>cartella</translation>
    </message>
    <message>
        <source>Make one file instead of a folder, which unpacks and starts the game (sh FILE).</source>
        <translation>Fa un unico file invece di una cartella, che si estrae e avvia il gioco (sh FILE).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Copy the game alone, without its libraries: for a friend who has Qt 6 installed.</source>
        <translation>Copia il solo gioco, senza le sue librerie: per un amico che ha Qt 6 installato.</translation>
    </message>
    <message>
        <source>Replace a copy the maker made before, folder or file. A folder holding anything the maker did not write, or a link, is refused, and nothing is written.</source>
        <translation>Sostituisce una copia fatta prima da questo programma, cartella o file. Una cartella che contiene qualcosa che il programma non ha scritto, o un collegamento, viene rifiutata, e non si scrive nulla.</translation>
    </message>
    <message>
        <source>no picture given (see --help)</source>
        <translation>nessuna foto indicata (vedi --help)</translation>
    </message>
    <message>
        <source>give exactly one picture (see --help)</source>
        <translation>indica una sola foto (vedi --help)</translation>
    </message>
    <message>
        <source>give where to make the copy: --out FOLDER or --single-file FILE</source>
        <translation>indica dove fare la copia: --out FOLDER o --single-file FILE</translation>
    </message>
    <message>
        <source>--single-file packs the whole copy; it cannot be --game-only</source>
        <translation>--single-file impacchetta tutta la copia; non può essere --game-only</translation>
    </message>
    <message>
        <source>unknown --fit &quot;%1&quot;: use crop or stretch</source>
        <translation>--fit &quot;%1&quot; sconosciuto: usa crop o stretch</translation>
    </message>
    <message>
        <source>--crop takes X,Y,SIDE: three whole numbers, the side at least 1</source>
        <translation>--crop vuole X,Y,SIDE: tre numeri interi, il lato almeno 1</translation>
    </message>
    <message>
        <source>; nothing was written</source>
        <translation>; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>the game&apos;s executable was not found; looked for:
  </source>
        <translation>il programma del gioco non è stato trovato; cercato:
  </translation>
    </message>
    <message>
        <source>stopped; nothing was written</source>
        <translation>interrotto; non è stato scritto nulla</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>attenzione: %1</translation>
    </message>
</context>
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
    <message>
        <source>the game and its libraries were not found beside the maker; install the game again</source>
        <translation>il gioco e le sue librerie non sono stati trovati accanto al programma; installa di nuovo il gioco</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>out of memory</source>
        <translation>memoria esaurita</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>il file finisce prima del tempo</translation>
    </message>
    <message>
        <source>a kind of bitmap that cannot be read</source>
        <translation>un tipo di BMP che non si può leggere</translation>
    </message>
    <message>
        <source>the headers of the bitmap are damaged</source>
        <translation>le intestazioni del BMP sono danneggiate</translation>
    </message>
    <message>
        <source>the PNG is damaged</source>
        <translation>il PNG è danneggiato</translation>
    </message>
    <message>
        <source>the header of the WebP is damaged</source>
        <translation>l&apos;intestazione del WebP è danneggiata</translation>
    </message>
    <message>
        <source>the WebP is damaged</source>
        <translation>il WebP è danneggiato</translation>
    </message>
    <message>
        <source>the header of the TIFF is damaged</source>
        <translation>l&apos;intestazione del TIFF è danneggiata</translation>
    </message>
    <message>
        <source>the TIFF is damaged or cut short</source>
        <translation>il TIFF è danneggiato o troncato</translation>
    </message>
    <message>
        <source>not a GIF</source>
        <translation>non è una GIF</translation>
    </message>
    <message>
        <source>the GIF is damaged</source>
        <translation>la GIF è danneggiata</translation>
    </message>
    <message>
        <source>no size to decode to</source>
        <translation>nessuna dimensione a cui decodificare</translation>
    </message>
    <message>
        <source>the headers of the JPEG are damaged</source>
        <translation>le intestazioni del JPEG sono danneggiate</translation>
    </message>
    <message>
        <source>the coded data of the JPEG is damaged</source>
        <translation>i dati codificati del JPEG sono danneggiati</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>il file non esiste</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>non si può leggere: %1</translation>
    </message>
    <message>
        <source>it is not a picture in a format that can be read</source>
        <translation>non è una foto in un formato leggibile</translation>
    </message>
    <message>
        <source>it is damaged and does not decode</source>
        <translation>è danneggiata e non si decodifica</translation>
    </message>
    <message>
        <source>it is damaged and does not decode (%1)</source>
        <translation>è danneggiata e non si decodifica (%1)</translation>
    </message>
    <message>
        <source>it is too large: %1 x %2 pixels (%3 megapixels); at most %4 megapixels are taken</source>
        <translation>è troppo grande: %1 x %2 pixel (%3 milioni di pixel); si accettano al massimo %4 milioni di pixel</translation>
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
        <translation>Quadrifoglio 3D: un puzzle fatto per te.

Per giocare apri questa cartella e avvia il programma &quot;quadrifoglio&quot; (doppio clic; se il
gestore dei file lo apre come un documento, clic destro e &quot;Esegui&quot;). Da un terminale, anche se
un download gli ha tolto il permesso di esecuzione:

    cd questa-cartella
    sh quadrifoglio

Funziona su un computer Linux a 64 bit con un desktop grafico; non serve installare nulla.
Tieni insieme tutti i file di questa cartella: al gioco servono tutti.
</translation>
    </message>
    <message>
        <source>Save the file %1 and start it: from a terminal with  sh %1  (or allow it to run as a program in its properties and double-click it). It runs on a 64-bit Linux computer; nothing needs to be installed.</source>
        <translation>Salva il file %1 e avvialo: da un terminale con  sh %1  (oppure rendilo eseguibile nelle sue proprietà e fai doppio clic). Funziona su un computer Linux a 64 bit; non serve installare nulla.</translation>
    </message>
</context>
</TS>
