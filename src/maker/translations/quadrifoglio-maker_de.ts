<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Maker</name>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>the greeting does not fit in the game&apos;s message panel: the first %1 of its %2 characters fit (about three lines); make it shorter</source>
        <translation>der Gruß passt nicht in das Nachrichtenfeld des Spiels: nur die ersten %1 seiner %2 Zeichen passen hinein (etwa drei Zeilen); kürze ihn</translation>
    </message>
    <message>
        <source>the fonts on this computer cannot draw one character of the greeting: %1; the friend&apos;s computer will probably show it as a box</source>
        <translation>die Schriften dieses Computers können ein Zeichen des Grußes nicht darstellen: %1; der Computer deines Freundes zeigt es wahrscheinlich als Kästchen</translation>
    </message>
    <message>
        <source>the fonts on this computer cannot draw %1 characters of the greeting: %2; the friend&apos;s computer will probably show them as boxes</source>
        <translation>die Schriften dieses Computers können %1 Zeichen des Grußes nicht darstellen: %2; der Computer deines Freundes zeigt sie wahrscheinlich als Kästchen</translation>
    </message>
    <message>
        <source>the picture is only %1 pixels a side where it fills the board; on a 1920 x 1080 screen the board is %2 pixels, so it will show enlarged and blurred</source>
        <translation>das Foto hat dort, wo es das Puzzle füllt, nur %1 Pixel Seitenlänge; auf einem Bildschirm mit 1920 x 1080 ist das Puzzle %2 Pixel groß, es wird also vergrößert und unscharf gezeigt</translation>
    </message>
    <message>
        <source>the greeting is not valid text</source>
        <translation>der Gruß ist kein gültiger Text</translation>
    </message>
    <message>
        <source>the greeting must be one line, but it holds a line break</source>
        <translation>der Gruß muss eine Zeile sein, enthält aber einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>the greeting holds a control character (U+%1) at character %2</source>
        <translation>der Gruß enthält ein Steuerzeichen (U+%1) an Zeichen %2</translation>
    </message>
    <message>
        <source>the greeting is too long: %1 bytes in UTF-8, at most %2</source>
        <translation>der Gruß ist zu lang: %1 Byte in UTF-8, höchstens %2</translation>
    </message>
    <message>
        <source>the greeting is not UTF-8 text: byte 0x%1 at byte %2 (character %3)</source>
        <translation>der Gruß ist kein Text in UTF-8: Byte 0x%1 an Byte %2 (Zeichen %3)</translation>
    </message>
    <message>
        <source>the crop %1 x %2 is not a square</source>
        <translation>der Ausschnitt %1 x %2 ist kein Quadrat</translation>
    </message>
    <message>
        <source>the square %1 (X,Y,SIDE) does not lie inside the picture, which is %2 x %3 pixels</source>
        <translation>das Quadrat %1 (X,Y,SIDE) liegt nicht im Foto, das %2 x %3 Pixel groß ist</translation>
    </message>
    <message>
        <source>it is too large to convert to JPEG: %1 x %2 pixels; convert it to JPEG yourself, or make it smaller</source>
        <translation>es ist zu groß, um es in JPEG umzuwandeln: %1 x %2 Pixel; wandle es selbst in JPEG um oder verkleinere es</translation>
    </message>
    <message>
        <source>it is damaged and does not decode (%1)</source>
        <translation>es ist beschädigt und lässt sich nicht dekodieren (%1)</translation>
    </message>
    <message>
        <source>it is not a picture in a format that can be read; pictures in these formats are read: </source>
        <translation>es ist kein Foto in einem lesbaren Format; Fotos in diesen Formaten werden gelesen: </translation>
    </message>
    <message>
        <source>it is damaged and does not decode (it does not tell its size)</source>
        <translation>es ist beschädigt und lässt sich nicht dekodieren (es nennt seine Größe nicht)</translation>
    </message>
    <message>
        <source>a square was picked, but the whole picture is to be stretched: choose one</source>
        <translation>ein Quadrat wurde gewählt, aber das ganze Foto soll gestreckt werden: wähle eines von beiden</translation>
    </message>
    <message>
        <source>cannot convert it to JPEG: </source>
        <translation>es kann nicht in JPEG umgewandelt werden: </translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> und %1 weitere</translation>
    </message>
    <message>
        <source>%1 is a link; the maker never writes through a link: give the folder itself</source>
        <translation>%1 ist ein Link; das Programm schreibt nie durch einen Link: gib den Ordner selbst an</translation>
    </message>
    <message>
        <source>%1 exists and is not a folder</source>
        <translation>%1 existiert und ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 is not a copy made by the maker; it holds %2. --force replaces only such a copy: choose a new folder</source>
        <translation>der Ordner %1 ist keine Kopie dieses Programms; er enthält %2. --force ersetzt nur eine solche Kopie: wähle einen neuen Ordner</translation>
    </message>
    <message>
        <source>the folder %1 holds files the maker did not make: %2. --force replaces only a copy the maker made: move them elsewhere, or choose a new folder</source>
        <translation>der Ordner %1 enthält Dateien, die dieses Programm nicht angelegt hat: %2. --force ersetzt nur eine Kopie dieses Programms: verschiebe sie an einen anderen Ort oder wähle einen neuen Ordner</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;: use one of %2</source>
        <translation>unbekannte Sprache &quot;%1&quot;: nimm eine von %2</translation>
    </message>
    <message>
        <source>the game&apos;s portable runtime was not found (%1)</source>
        <translation>das tragbare Spiel mit seinen Bibliotheken wurde nicht gefunden (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s executable was not found (%1)</source>
        <translation>das Programm des Spiels wurde nicht gefunden (%1)</translation>
    </message>
    <message>
        <source>none given</source>
        <translation>keines angegeben</translation>
    </message>
    <message>
        <source>one file is made from the portable copy only, not from the game alone</source>
        <translation>eine einzelne Datei entsteht nur aus der tragbaren Kopie, nicht aus dem Spiel allein</translation>
    </message>
    <message>
        <source>one file cannot be made: the game&apos;s pack was not found beside the runtime or the maker; install the game again</source>
        <translation>eine einzelne Datei ist nicht möglich: das Archiv des Spiels wurde weder neben dem tragbaren Spiel noch neben dem Programm gefunden; installiere das Spiel neu</translation>
    </message>
    <message>
        <source>the name %1 is too long for one file</source>
        <translation>der Name %1 ist für eine einzelne Datei zu lang</translation>
    </message>
    <message>
        <source>the game&apos;s pack for single files is incomplete: %1 is missing</source>
        <translation>das Archiv des Spiels für eine einzelne Datei ist unvollständig: %1 fehlt</translation>
    </message>
    <message>
        <source>the start script of %1 is larger than its room</source>
        <translation>das Startskript %1 ist größer als der Platz dafür</translation>
    </message>
    <message>
        <source>the picture %1 does not exist</source>
        <translation>das Foto %1 existiert nicht</translation>
    </message>
    <message>
        <source>the picture %1 is not a file</source>
        <translation>das Foto %1 ist keine Datei</translation>
    </message>
    <message>
        <source>the picture %1 cannot be used: %2</source>
        <translation>das Foto %1 kann nicht verwendet werden: %2</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>keine Datei angegeben</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>kein Zielordner angegeben</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>im Ordner %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the folder %1 is not empty; --force replaces a copy the maker made before</source>
        <translation>der Ordner %1 ist nicht leer; --force ersetzt eine Kopie, die dieses Programm vorher angelegt hat</translation>
    </message>
    <message>
        <source>%1 is a folder; give the name of the file to make</source>
        <translation>%1 ist ein Ordner; gib den Namen der anzulegenden Datei an</translation>
    </message>
    <message>
        <source>the file %1 exists; --force replaces it</source>
        <translation>die Datei %1 existiert; --force ersetzt sie</translation>
    </message>
    <message>
        <source>%1 is not a copy made by the maker; --force does not replace it</source>
        <translation>%1 ist keine Kopie dieses Programms; --force ersetzt sie nicht</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>stopped as asked</source>
        <translation>wie gewünscht abgebrochen</translation>
    </message>
    <message>
        <source>files added to the old copy while it was replaced are in %1</source>
        <translation>die Dateien, die der alten Kopie während des Ersetzens hinzugefügt wurden, liegen in %1</translation>
    </message>
    <message>
        <source>kept as it is</source>
        <translation>unverändert übernommen</translation>
    </message>
    <message>
        <source>stretched to a square of %1 x %1 pixels</source>
        <translation>zu einem Quadrat von %1 x %1 Pixel gestreckt</translation>
    </message>
    <message>
        <source>cropped to a square of %1 x %1 pixels</source>
        <translation>auf ein Quadrat von %1 x %1 Pixel zugeschnitten</translation>
    </message>
    <message>
        <source>a JPEG of %1 x %1 pixels</source>
        <translation>ein JPEG von %1 x %1 Pixel</translation>
    </message>
    <message>
        <source>Your puzzle is ready: %1 (%2), one file with the game, your picture (%3) and your greeting in %4.
Tell your friend how to start it:
  %5</source>
        <translation>Dein Puzzle ist fertig: %1 (%2), eine Datei mit dem Spiel, deinem Foto (%3) und deinem Gruß auf %4.
Sag deinem Freund, wie er es startet:
  %5</translation>
    </message>
    <message>
        <source>Your puzzle is ready in the folder %1 (%2): %3, your picture (%4) and your greeting in %5.
Give your friend the whole folder%6. The game starts with:
  %7</source>
        <translation>Dein Puzzle ist fertig im Ordner %1 (%2): %3, dein Foto (%4) und dein Gruß auf %5.
Gib deinem Freund den ganzen Ordner%6. Das Spiel startet mit:
  %7</translation>
    </message>
    <message>
        <source>the game with its libraries</source>
        <translation>das Spiel mit seinen Bibliotheken</translation>
    </message>
    <message>
        <source>the game alone (your friend needs Qt 6)</source>
        <translation>nur das Spiel (dein Freund braucht Qt 6)</translation>
    </message>
    <message>
        <source>; %1 in it tells how to start the game</source>
        <translation>; %1 darin erklärt, wie man das Spiel startet</translation>
    </message>
</context>
<context>
    <name>MakerCommandLine</name>
    <message>
        <source>, about %1 s left</source>
        <translation>, noch etwa %1 s</translation>
    </message>
    <message>
        <source>the game&apos;s portable runtime was not found; looked in:
  </source>
        <translation>das tragbare Spiel mit seinen Bibliotheken wurde nicht gefunden; gesucht in:
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
        <translation>Macht eine Kopie von Quadrifoglio 3D zum Verschenken: einen Ordner mit dem Spiel und den
Bibliotheken, die es braucht, deinem Foto und einer Matrix.dat mit der Sprache und dem Gruß
über dem Puzzle, die auf einem Linux-Desktop ohne Qt startet; oder dasselbe als eine Datei,
die sich entpackt und das Spiel startet. Ein nicht quadratisches Foto wird auf sein mittleres
Quadrat zugeschnitten, wenn nichts anderes angegeben ist; das Foto wird ein JPEG von höchstens
1260 Pixel Seitenlänge, das größte Puzzle, das das Spiel zeichnet (ein quadratisches BMP,
JPEG oder GIF von höchstens 2 MiB bleibt, wie es ist).
Ohne Argumente öffnet das Programm sein Fenster.</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>The puzzle&apos;s picture, in any format Qt reads, of at most 200 megapixels.</source>
        <translation>Das Foto des Puzzles, in jedem Format, das Qt liest, mit höchstens 200 Millionen Pixel.</translation>
    </message>
    <message>
        <source>picture (--out &lt;folder&gt; | --single-file &lt;file&gt;)</source>
        <translation>Foto (--out &lt;Ordner&gt; | --single-file &lt;Datei&gt;)</translation>
    </message>
    <message>
        <source>Language of the game: it, en, fr, de or es (default: the desktop&apos;s, else en).</source>
        <translation>Sprache des Spiels: it, en, fr, de oder es (Vorgabe: die des Desktops, sonst en).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Kürzel</translation>
    </message>
    <message>
        <source>One line shown above the board (may be empty: the game then shows its name).</source>
        <translation>Eine Zeile über dem Puzzle (darf leer sein: das Spiel zeigt dann seinen Namen).</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>How a non-square picture becomes the square board: crop (its middle square, the default) or stretch (the whole picture, squashed).</source>
        <translation>Wie ein nicht quadratisches Foto zum quadratischen Puzzle wird: crop (sein mittleres Quadrat, die Vorgabe) oder stretch (das ganze Foto, gestaucht).</translation>
    </message>
    <message>
        <source>The square to take, in the picture&apos;s pixels: its left, top and side.</source>
        <translation>Das zu nehmende Quadrat, in Pixeln des Fotos: links, oben und Seitenlänge.</translation>
    </message>
    <message>
        <source>The folder to make (new or empty).</source>
        <translation>Der anzulegende Ordner (neu oder leer).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Make one file instead of a folder, which unpacks and starts the game (sh FILE).</source>
        <translation>Macht eine einzelne Datei statt eines Ordners, die sich entpackt und das Spiel startet (sh FILE).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Copy the game alone, without its libraries: for a friend who has Qt 6 installed.</source>
        <translation>Kopiert nur das Spiel, ohne seine Bibliotheken: für einen Freund, der Qt 6 installiert hat.</translation>
    </message>
    <message>
        <source>Replace a copy the maker made before, folder or file. A folder holding anything the maker did not write, or a link, is refused, and nothing is written.</source>
        <translation>Ersetzt eine Kopie, die dieses Programm vorher angelegt hat, Ordner oder Datei. Ein Ordner mit etwas, das das Programm nicht geschrieben hat, oder ein Link wird abgelehnt, und nichts wird geschrieben.</translation>
    </message>
    <message>
        <source>no picture given (see --help)</source>
        <translation>kein Foto angegeben (siehe --help)</translation>
    </message>
    <message>
        <source>give exactly one picture (see --help)</source>
        <translation>gib genau ein Foto an (siehe --help)</translation>
    </message>
    <message>
        <source>give where to make the copy: --out FOLDER or --single-file FILE</source>
        <translation>gib an, wo die Kopie entstehen soll: --out FOLDER oder --single-file FILE</translation>
    </message>
    <message>
        <source>--single-file packs the whole copy; it cannot be --game-only</source>
        <translation>--single-file packt die ganze Kopie; es kann nicht --game-only sein</translation>
    </message>
    <message>
        <source>unknown --fit &quot;%1&quot;: use crop or stretch</source>
        <translation>unbekanntes --fit &quot;%1&quot;: nimm crop oder stretch</translation>
    </message>
    <message>
        <source>--crop takes X,Y,SIDE: three whole numbers, the side at least 1</source>
        <translation>--crop erwartet X,Y,SIDE: drei ganze Zahlen, die Seite mindestens 1</translation>
    </message>
    <message>
        <source>; nothing was written</source>
        <translation>; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>the game&apos;s executable was not found; looked for:
  </source>
        <translation>das Programm des Spiels wurde nicht gefunden; gesucht:
  </translation>
    </message>
    <message>
        <source>stopped; nothing was written</source>
        <translation>abgebrochen; es wurde nichts geschrieben</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>Achtung: %1</translation>
    </message>
</context>
<context>
    <name>MakerWindow</name>
    <message>
        <source>Checking</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>Preparing the picture</source>
        <translation>Foto wird vorbereitet</translation>
    </message>
    <message>
        <source>Copying the game</source>
        <translation>Spiel wird kopiert</translation>
    </message>
    <message>
        <source>Packing into one file</source>
        <translation>In eine Datei packen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Make a Quadrifoglio puzzle</source>
        <translation>Ein Quadrifoglio-Puzzle machen</translation>
    </message>
    <message>
        <source>A photo: JPEG, PNG, WebP, TIFF, BMP, GIF...</source>
        <translation>Ein Foto: JPEG, PNG, WebP, TIFF, BMP, GIF...</translation>
    </message>
    <message>
        <source>Choose a &amp;picture...</source>
        <translation>&amp;Foto wählen...</translation>
    </message>
    <message>
        <source>A &amp;square of it (drag the square to move it)</source>
        <translation>Ein &amp;Quadrat daraus (das Quadrat zum Verschieben ziehen)</translation>
    </message>
    <message>
        <source>The whole picture, s&amp;tretched to a square</source>
        <translation>Das ganze Foto, zum Quadrat ge&amp;streckt</translation>
    </message>
    <message>
        <source>The size of the square</source>
        <translation>Die Größe des Quadrats</translation>
    </message>
    <message>
        <source>Happy birthday, Anna!</source>
        <translation>Alles Gute zum Geburtstag, Anna!</translation>
    </message>
    <message>
        <source>A new folder, or the file to make</source>
        <translation>Ein neuer Ordner oder die zu erstellende Datei</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>Aus&amp;wählen...</translation>
    </message>
    <message>
        <source>As &amp;one file that unpacks and starts the game</source>
        <translation>Als &amp;eine Datei, die sich entpackt und das Spiel startet</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Machen</translation>
    </message>
    <message>
        <source>T&amp;ry the copy</source>
        <translation>Kopie &amp;testen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abb&amp;rechen</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Foto:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>Spr&amp;ache:</translation>
    </message>
    <message>
        <source>&amp;Greeting:</source>
        <translation>&amp;Gruß:</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Speichern als:</translation>
    </message>
    <message>
        <source>Choose the puzzle&apos;s picture</source>
        <translation>Das Foto des Puzzles wählen</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Bilder (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>This picture cannot be used: %1</source>
        <translation>Dieses Foto ist nicht verwendbar: %1</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 Pixel</translation>
    </message>
    <message>
        <source>Only %1 pixels a side: on a 1920 x 1080 screen the board is %2 pixels, so the picture will show enlarged and blurred.</source>
        <translation>Nur %1 Pixel Seitenlänge: Auf einem Bildschirm mit 1920 x 1080 ist das Puzzle %2 Pixel groß, das Foto wird also vergrößert und unscharf.</translation>
    </message>
    <message>
        <source>Without a greeting the game shows its name.</source>
        <translation>Ohne Gruß zeigt das Spiel seinen Namen.</translation>
    </message>
    <message>
        <source>The greeting fits.</source>
        <translation>Der Gruß passt.</translation>
    </message>
    <message>
        <source>Save the puzzle as one file</source>
        <translation>Das Puzzle als eine Datei speichern</translation>
    </message>
    <message>
        <source>Save the puzzle as a new folder</source>
        <translation>Das Puzzle in einem neuen Ordner speichern</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, noch etwa %1 s</translation>
    </message>
    <message>
        <source>, about %1 min left</source>
        <translation>, noch etwa %1 min</translation>
    </message>
    <message>
        <source>Stopped. Nothing was written.</source>
        <translation>Abgebrochen. Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The copy was not made. %1</source>
        <translation>Die Kopie wurde nicht erstellt. %1</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Your puzzle is ready: %1 (%2), one file. Tell your friend how to start it:
  %3</source>
        <translation>Dein Puzzle ist fertig: %1 (%2), eine Datei. So startet es, wer es bekommt:
  %3</translation>
    </message>
    <message>
        <source>Your puzzle is ready in the folder %1 (%2). Give your friend the whole folder; the game starts with:
  %3</source>
        <translation>Dein Puzzle ist fertig im Ordner %1 (%2). Verschenke den ganzen Ordner; das Spiel startet mit:
  %3</translation>
    </message>
    <message>
        <source>the game and its libraries were not found beside the maker; install the game again</source>
        <translation>das Spiel und seine Bibliotheken wurden neben dem Programm nicht gefunden; installiere das Spiel neu</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>out of memory</source>
        <translation>zu wenig Speicher</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>die Datei endet zu früh</translation>
    </message>
    <message>
        <source>a kind of bitmap that cannot be read</source>
        <translation>eine Art von BMP, die nicht gelesen werden kann</translation>
    </message>
    <message>
        <source>the headers of the bitmap are damaged</source>
        <translation>die Kopfdaten des BMP sind beschädigt</translation>
    </message>
    <message>
        <source>the PNG is damaged</source>
        <translation>das PNG ist beschädigt</translation>
    </message>
    <message>
        <source>the header of the WebP is damaged</source>
        <translation>die Kopfdaten des WebP sind beschädigt</translation>
    </message>
    <message>
        <source>the WebP is damaged</source>
        <translation>das WebP ist beschädigt</translation>
    </message>
    <message>
        <source>the header of the TIFF is damaged</source>
        <translation>die Kopfdaten des TIFF sind beschädigt</translation>
    </message>
    <message>
        <source>the TIFF is damaged or cut short</source>
        <translation>das TIFF ist beschädigt oder abgeschnitten</translation>
    </message>
    <message>
        <source>not a GIF</source>
        <translation>kein GIF</translation>
    </message>
    <message>
        <source>the GIF is damaged</source>
        <translation>das GIF ist beschädigt</translation>
    </message>
    <message>
        <source>no size to decode to</source>
        <translation>keine Größe zum Dekodieren</translation>
    </message>
    <message>
        <source>the headers of the JPEG are damaged</source>
        <translation>die Kopfdaten des JPEG sind beschädigt</translation>
    </message>
    <message>
        <source>the coded data of the JPEG is damaged</source>
        <translation>die codierten Daten des JPEG sind beschädigt</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>diese Datei gibt es nicht</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>es kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>it is not a picture in a format that can be read</source>
        <translation>es ist kein Foto in einem lesbaren Format</translation>
    </message>
    <message>
        <source>it is damaged and does not decode</source>
        <translation>es ist beschädigt und lässt sich nicht dekodieren</translation>
    </message>
    <message>
        <source>it is damaged and does not decode (%1)</source>
        <translation>es ist beschädigt und lässt sich nicht dekodieren (%1)</translation>
    </message>
    <message>
        <source>it is too large: %1 x %2 pixels (%3 megapixels); at most %4 megapixels are taken</source>
        <translation>es ist zu groß: %1 x %2 Pixel (%3 Millionen Pixel); höchstens %4 Millionen Pixel werden angenommen</translation>
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
        <translation>Quadrifoglio 3D: ein Puzzle, für dich gemacht.

Zum Spielen diesen Ordner öffnen und das Programm „quadrifoglio“ starten (Doppelklick; öffnet
die Dateiverwaltung es als Dokument, mit Rechtsklick „Ausführen“ wählen). Im Terminal, auch
wenn ein Download ihm das Ausführungsrecht genommen hat:

    cd dieser-ordner
    sh quadrifoglio

Es läuft auf einem 64-Bit-Linux-Rechner mit grafischer Oberfläche; nichts muss installiert
werden. Alle Dateien dieses Ordners zusammen lassen: das Spiel braucht jede davon.
</translation>
    </message>
    <message>
        <source>Save the file %1 and start it: from a terminal with  sh %1  (or allow it to run as a program in its properties and double-click it). It runs on a 64-bit Linux computer; nothing needs to be installed.</source>
        <translation>Die Datei %1 speichern und starten: im Terminal mit  sh %1  (oder in ihren Eigenschaften als Programm ausführbar machen und doppelklicken). Läuft auf einem 64-Bit-Linux-Rechner; nichts muss installiert werden.</translation>
    </message>
</context>
</TS>
