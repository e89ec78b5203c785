<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>Maker</name>
    <message>
        <source>Italian</source>
        <translation>Italian</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>French</source>
        <translation>French</translation>
    </message>
    <message>
        <source>German</source>
        <translation>German</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanish</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>cannot write %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>cannot make the folder %1: %2</translation>
    </message>
    <message>
        <source>the greeting does not fit in the game&apos;s message panel: the first %1 of its %2 characters fit (about three lines); make it shorter</source>
        <translation>the greeting does not fit in the game&apos;s message panel: the first %1 of its %2 characters fit (about three lines); make it shorter</translation>
    </message>
    <message>
        <source>the fonts on this computer cannot draw one character of the greeting: %1; the friend&apos;s computer will probably show it as a box</source>
        <translation>the fonts on this computer cannot draw one character of the greeting: %1; the friend&apos;s computer will probably show it as a box</translation>
    </message>
    <message>
        <source>the fonts on this computer cannot draw %1 characters of the greeting: %2; the friend&apos;s computer will probably show them as boxes</source>
        <translation>the fonts on this computer cannot draw %1 characters of the greeting: %2; the friend&apos;s computer will probably show them as boxes</translation>
    </message>
    <message>
        <source>the picture is only %1 pixels a side where it fills the board; on a 1920 x 1080 screen the board is %2 pixels, so it will show enlarged and blurred</source>
        <translation>the picture is only %1 pixels a side where it fills the board; on a 1920 x 1080 screen the board is %2 pixels, so it will show enlarged and blurred</translation>
    </message>
    <message>
        <source>the greeting is not valid text</source>
        <translation>the greeting is not valid text</translation>
    </message>
    <message>
        <source>the greeting must be one line, but it holds a line break</source>
        <translation>the greeting must be one line, but it holds a line break</translation>
    </message>
    <message>
        <source>the greeting holds a control character (U+%1) at character %2</source>
        <translation>the greeting holds a control character (U+%1) at character %2</translation>
    </message>
    <message>
        <source>the greeting is too long: %1 bytes in UTF-8, at most %2</source>
        <translation>the greeting is too long: %1 bytes in UTF-8, at most %2</translation>
    </message>
    <message>
        <source>the greeting is not UTF-8 text: byte 0x%1 at byte %2 (character %3)</source>
        <translation>the greeting is not UTF-8 text: byte 0x%1 at byte %2 (character %3)</translation>
    </message>
    <message>
        <source>the crop %1 x %2 is not a square</source>
        <translation>the crop %1 x %2 is not a square</translation>
    </message>
    <message>
        <source>the square %1 (X,Y,SIDE) does not lie inside the picture, which is %2 x %3 pixels</source>
        <translation>the square %1 (X,Y,SIDE) does not lie inside the picture, which is %2 x %3 pixels</translation>
    </message>
    <message>
        <source>it is too large to convert to JPEG: %1 x %2 pixels; convert it to JPEG yourself, or make it smaller</source>
        <translation>it is too large to convert to JPEG: %1 x %2 pixels; convert it to JPEG yourself, or make it smaller</translation>
    </message>
    <message>
        <source>it is damaged and does not decode (%1)</source>
        <translation>it is damaged and does not decode (%1)</translation>
    </message>
    <message>
        <source>it is not a picture in a format that can be read; pictures in these formats are read: </source>
        <translation>it is not a picture in a format that can be read; pictures in these formats are read: </translation>
    </message>
    <message>
        <source>it is damaged and does not decode (it does not tell its size)</source>
        <translation>it is damaged and does not decode (it does not tell its size)</translation>
    </message>
    <message>
        <source>a square was picked, but the whole picture is to be stretched: choose one</source>
        <translation>a square was picked, but the whole picture is to be stretched: choose one</translation>
    </message>
    <message>
        <source>cannot convert it to JPEG: </source>
        <translation>cannot convert it to JPEG: </translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> and %1 more</translation>
    </message>
    <message>
        <source>%1 is a link; the maker never writes through a link: give the folder itself</source>
        <translation>%1 is a link; the maker never writes through a link: give the folder itself</translation>
    </message>
    <message>
        <source>%1 exists and is not a folder</source>
        <translation>%1 exists and is not a folder</translation>
    </message>
    <message>
        <source>the folder %1 is not a copy made by the maker; it holds %2. --force replaces only such a copy: choose a new folder</source>
        <translation>the folder %1 is not a copy made by the maker; it holds %2. --force replaces only such a copy: choose a new folder</translation>
    </message>
    <message>
        <source>the folder %1 holds files the maker did not make: %2. --force replaces only a copy the maker made: move them elsewhere, or choose a new folder</source>
        <translation>the folder %1 holds files the maker did not make: %2. --force replaces only a copy the maker made: move them elsewhere, or choose a new folder</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;: use one of %2</source>
        <translation>unknown language &quot;%1&quot;: use one of %2</translation>
    </message>
    <message>
        <source>the game&apos;s portable runtime was not found (%1)</source>
        <translation>the game&apos;s portable runtime was not found (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s executable was not found (%1)</source>
        <translation>the game&apos;s executable was not found (%1)</translation>
    </message>
    <message>
        <source>none given</source>
        <translation>none given</translation>
    </message>
    <message>
        <source>one file is made from the portable copy only, not from the game alone</source>
        <translation>one file is made from the portable copy only, not from the game alone</translation>
    </message>
    <message>
        <source>one file cannot be made: the game&apos;s pack was not found beside the runtime or the maker; install the game again</source>
        <translation>one file cannot be made: the game&apos;s pack was not found beside the runtime or the maker; install the game again</translation>
    </message>
    <message>
        <source>the name %1 is too long for one file</source>
        <translation>the name %1 is too long for one file</translation>
    </message>
    <message>
        <source>the game&apos;s pack for single files is incomplete: %1 is missing</source>
        <translation>the game&apos;s pack for single files is incomplete: %1 is missing</translation>
    </message>
    <message>
        <source>the start script of %1 is larger than its room</source>
        <translation>the start script of %1 is larger than its room</translation>
    </message>
    <message>
        <source>the picture %1 does not exist</source>
        <translation>the picture %1 does not exist</translation>
    </message>
    <message>
        <source>the picture %1 is not a file</source>
        <translation>the picture %1 is not a file</translation>
    </message>
    <message>
        <source>the picture %1 cannot be used: %2</source>
        <translation>the picture %1 cannot be used: %2</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>no file given</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>no output folder given</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>cannot write in the folder %1: %2</translation>
    </message>
    <message>
        <source>the folder %1 is not empty; --force replaces a copy the maker made before</source>
        <translation>the folder %1 is not empty; --force replaces a copy the maker made before</translation>
    </message>
    <message>
        <source>%1 is a folder; give the name of the file to make</source>
        <translation>%1 is a folder; give the name of the file to make</translation>
    </message>
    <message>
        <source>the file %1 exists; --force replaces it</source>
        <translation>the file %1 exists; --force replaces it</translation>
    </message>
    <message>
        <source>%1 is not a copy made by the maker; --force does not replace it</source>
        <translation>%1 is not a copy made by the maker; --force does not replace it</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>stopped as asked</source>
        <translation>stopped as asked</translation>
    </message>
    <message>
        <source>files added to the old copy while it was replaced are in %1</source>
        <translation>files added to the old copy while it was replaced are in %1</translation>
    </message>
    <message>
        <source>kept as it is</source>
        <translation>kept as it is</translation>
    </message>
    <message>
        <source>stretched to a square of %1 x %1 pixels</source>
        <translation>stretched to a square of %1 x %1 pixels</translation>
    </message>
    <message>
        <source>cropped to a square of %1 x %1 pixels</source>
        <translation>cropped to a square of %1 x %1 pixels</translation>
    </message>
    <message>
        <source>a JPEG of %1 x %1 pixels</source>
        <translation>a JPEG of %1 x %1 pixels</translation>
    </message>
    <message>
        <source>Your puzzle is ready: %1 (%2), one file with the game, your picture (%3) and your greeting in %4.
Tell your friend how to start it:
  %5</source>
        <translation>Your puzzle is ready: %1 (%2), one file with the game, your picture (%3) and your greeting in %4.
Tell your friend how to start it:
  %5</translation>
    </message>
    <message>
        <source>Your puzzle is ready in the folder %1 (%2): %3, your picture (%4) and your greeting in %5.
Give your friend the whole folder%6. The game starts with:
  %7</source>
        <translation>Your puzzle is ready in the folder %1 (%2): %3, your picture (%4) and your greeting in %5.
Give your friend the whole folder%6. The game starts with:
  %7</translation>
    </message>
    <message>
        <source>the game with its libraries</source>
        <translation>the game with its libraries</translation>
    </message>
    <message>
        <source>the game alone (your friend needs Qt 6)</source>
        <translation>the game alone (your friend needs Qt 6)</translation>
    </message>
    <message>
        <source>; %1 in it tells how to start the game</source>
        <translation>; %1 in it tells how to start the game</translation>
    </message>
</context>
<context>
    <name>MakerCommandLine</name>
    <message>
        <source>, about %1 s left</source>
        <translation>, about %1 s left</translation>
    </message>
    <message>
        <source>the game&apos;s portable runtime was not found; looked in:
  </source>
        <translation>the game&apos;s portable runtime was not found; looked in:
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
        <translation>Makes a copy of Quadrifoglio 3D to give away: a folder with the game and the libraries it
needs, your picture and a Matrix.dat with the language and the greeting shown above the
board, which starts on a Linux desktop without Qt; or the same as one file that unpacks
and starts the game. A non-square picture is cropped to its middle square unless told
otherwise; the picture becomes a JPEG of at most 1260 pixels a side, the largest board the
game draws (a square bitmap, JPEG or GIF of at most 2 MiB is kept as it is).
Without arguments, the maker opens its window.</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>picture</translation>
    </message>
    <message>
        <source>The puzzle&apos;s picture, in any format Qt reads, of at most 200 megapixels.</source>
        <translation>The puzzle&apos;s picture, in any format Qt reads, of at most 200 megapixels.</translation>
    </message>
    <message>
        <source>picture (--out &lt;folder&gt; | --single-file &lt;file&gt;)</source>
        <translation>picture (--out &lt;folder&gt; | --single-file &lt;file&gt;)</translation>
    </message>
    <message>
        <source>Language of the game: it, en, fr, de or es (default: the desktop&apos;s, else en).</source>
        <translation>Language of the game: it, en, fr, de or es (default: the desktop&apos;s, else en).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>One line shown above the board (may be empty: the game then shows its name).</source>
        <translation>One line shown above the board (may be empty: the game then shows its name).</translation>
    </message>
    <message>
        <source>text</source>
        <translation>text</translation>
    </message>
    <message>
        <source>How a non-square picture becomes the square board: crop (its middle square, the default) or stretch (the whole picture, squashed).</source>
        <translation>How a non-square picture becomes the square board: crop (its middle square, the default) or stretch (the whole picture, squashed).</translation>
    </message>
    <message>
        <source>The square to take, in the picture&apos;s pixels: its left, top and side.</source>
        <translation>The square to take, in the picture&apos;s pixels: its left, top and side.</translation>
    </message>
    <message>
        <source>The folder to make (new or empty).</source>
        <translation>The folder to make (new or empty).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>folder</translation>
    </message>
    <message>
        <source>Make one file instead of a folder, which unpacks and starts the game (sh FILE).</source>
        <translation>Make one file instead of a folder, which unpacks and starts the game (sh FILE).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>file</translation>
    </message>
    <message>
        <source>Copy the game alone, without its libraries: for a friend who has Qt 6 installed.</source>
        <translation>Copy the game alone, without its libraries: for a friend who has Qt 6 installed.</translation>
    </message>
    <message>
        <source>Replace a copy the maker made before, folder or file. A folder holding anything the maker did not write, or a link, is refused, and nothing is written.</source>
        <translation>Replace a copy the maker made before, folder or file. A folder holding anything the maker did not write, or a link, is refused, and nothing is written.</translation>
    </message>
    <message>
        <source>no picture given (see --help)</source>
        <translation>no picture given (see --help)</translation>
    </message>
    <message>
        <source>give exactly one picture (see --help)</source>
        <translation>give exactly one picture (see --help)</translation>
    </message>
    <message>
        <source>give where to make the copy: --out FOLDER or --single-file FILE</source>
        <translation>give where to make the copy: --out FOLDER or --single-file FILE</translation>
    </message>
    <message>
        <source>--single-file packs the whole copy; it cannot be --game-only</source>
        <translation>--single-file packs the whole copy; it cannot be --game-only</translation>
    </message>
    <message>
        <source>unknown --fit &quot;%1&quot;: use crop or stretch</source>
        <translation>unknown --fit &quot;%1&quot;: use crop or stretch</translation>
    </message>
    <message>
        <source>--crop takes X,Y,SIDE: three whole numbers, the side at least 1</source>
        <translation>--crop takes X,Y,SIDE: three whole numbers, the side at least 1</translation>
    </message>
    <message>
        <source>; nothing was written</source>
        <translation>; nothing was written</translation>
    </message>
    <message>
        <source>the game&apos;s executable was not found; looked for:
  </source>
        <translation>the game&apos;s executable was not found; looked for:
  </translation>
    </message>
    <message>
        <source>stopped; nothing was written</source>
        <translation>stopped; nothing was written</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>warning: %1</translation>
    </message>
</context>
<context>
    <name>MakerWindow</name>
    <message>
        <source>Checking</source>
        <translation>Checking</translation>
    </message>
    <message>
        <source>Preparing the picture</source>
        <translation>Preparing the picture</translation>
    </message>
    <message>
        <source>Copying the game</source>
        <translation>Copying the game</translation>
    </message>
    <message>
        <source>Packing into one file</source>
        <translation>Packing into one file</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Make a Quadrifoglio puzzle</source>
        <translation>Make a Quadrifoglio puzzle</translation>
    </message>
    <message>
        <source>A photo: JPEG, PNG, WebP, TIFF, BMP, GIF...</source>
        <translation>A photo: JPEG, PNG, WebP, TIFF, BMP, GIF...</translation>
    </message>
    <message>
        <source>Choose a &amp;picture...</source>
        <translation>Choose a &amp;picture...</translation>
    </message>
    <message>
        <source>A &amp;square of it (drag the square to move it)</source>
        <translation>A &amp;square of it (drag the square to move it)</translation>
    </message>
    <message>
        <source>The whole picture, s&amp;tretched to a square</source>
        <translation>The whole picture, s&amp;tretched to a square</translation>
    </message>
    <message>
        <source>The size of the square</source>
        <translation>The size of the square</translation>
    </message>
    <message>
        <source>Happy birthday, Anna!</source>
        <translation>Happy birthday, Anna!</translation>
    </message>
    <message>
        <source>A new folder, or the file to make</source>
        <translation>A new folder, or the file to make</translation>
    </message>
    <message>
        <source>C&amp;hoose...</source>
        <translation>C&amp;hoose...</translation>
    </message>
    <message>
        <source>As &amp;one file that unpacks and starts the game</source>
        <translation>As &amp;one file that unpacks and starts the game</translation>
    </message>
    <message>
        <source>&amp;Make</source>
        <translation>&amp;Make</translation>
    </message>
    <message>
        <source>T&amp;ry the copy</source>
        <translation>T&amp;ry the copy</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Picture:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Language:</translation>
    </message>
    <message>
        <source>&amp;Greeting:</source>
        <translation>&amp;Greeting:</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Save as:</translation>
    </message>
    <message>
        <source>Choose the puzzle&apos;s picture</source>
        <translation>Choose the puzzle&apos;s picture</translation>
    </message>
    <message>
        <source>Pictures (%1)</source>
        <translation>Pictures (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>This picture cannot be used: %1</source>
        <translation>This picture cannot be used: %1</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>Only %1 pixels a side: on a 1920 x 1080 screen the board is %2 pixels, so the picture will show enlarged and blurred.</source>
        <translation>Only %1 pixels a side: on a 1920 x 1080 screen the board is %2 pixels, so the picture will show enlarged and blurred.</translation>
    </message>
    <message>
        <source>Without a greeting the game shows its name.</source>
        <translation>Without a greeting the game shows its name.</translation>
    </message>
    <message>
        <source>The greeting fits.</source>
        <translation>The greeting fits.</translation>
    </message>
    <message>
        <source>Save the puzzle as one file</source>
        <translation>Save the puzzle as one file</translation>
    </message>
    <message>
        <source>Save the puzzle as a new folder</source>
        <translation>Save the puzzle as a new folder</translation>
    </message>
    <message>
        <source>Starting</source>
        <translation>Starting</translation>
    </message>
    <message>
        <source>, about %1 s left</source>
        <translation>, about %1 s left</translation>
    </message>
    <message>
        <source>, about %1 min left</source>
        <translation>, about %1 min left</translation>
    </message>
    <message>
        <source>Stopped. Nothing was written.</source>
        <translation>Stopped. Nothing was written.</translation>
    </message>
    <message>
        <source>The copy was not made. %1</source>
        <translation>The copy was not made. %1</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nothing was written.</translation>
    </message>
    <message>
        <source>Your puzzle is ready: %1 (%2), one file. Tell your friend how to start it:
  %3</source>
        <translation>Your puzzle is ready: %1 (%2), one file. Tell your friend how to start it:
  %3</translation>
    </message>
    <message>
        <source>Your puzzle is ready in the folder %1 (%2). Give your friend the whole folder; the game starts with:
  %3</source>
        <translation>Your puzzle is ready in the folder %1 (%2). Give your friend the whole folder; the game starts with:
  %3</translation>
    </message>
    <message>
        <source>the game and its libraries were not found beside the maker; install the game again</source>
        <translation>the game and its libraries were not found beside the maker; install the game again</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>out of memory</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>the file ends early</translation>
    </message>
    <message>
        <source>a kind of bitmap that cannot be read</source>
        <translation>a kind of bitmap that cannot be read</translation>
    </message>
    <message>
        <source>the headers of the bitmap are damaged</source>
        <translation>the headers of the bitmap are damaged</translation>
    </message>
    <message>
        <source>the PNG is damaged</source>
        <translation>the PNG is damaged</translation>
    </message>
    <message>
        <source>the header of the WebP is damaged</source>
        <translation>the header of the WebP is damaged</translation>
    </message>
    <message>
        <source>the WebP is damaged</source>
        <translation>the WebP is damaged</translation>
    </message>
    <message>
        <source>the header of the TIFF is damaged</source>
        <translation>the header of the TIFF is damaged</translation>
    </message>
    <message>
        <source>the TIFF is damaged or cut short</source>
        <translation>the TIFF is damaged or cut short</translation>
    </message>
    <message>
        <source>not a GIF</source>
        <translation>not a GIF</translation>
    </message>
    <message>
        <source>the GIF is damaged</source>
        <translation>the GIF is damaged</translation>
    </message>
    <message>
        <source>no size to decode to</source>
        <translation>no size to decode to</translation>
    </message>
    <message>
        <source>the headers of the JPEG are damaged</source>
        <translation>the headers of the JPEG are damaged</translation>
    </message>
    <message>
        <source>the coded data of the JPEG is damaged</source>
        <translation>the coded data of the JPEG is damaged</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>there is no such file</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>it cannot be read: %1</translation>
    </message>
    <message>
        <source>it is not a picture in a format that can be read</source>
        <translation>it is not a picture in a format that can be read</translation>
    </message>
    <message>
        <source>it is damaged and does not decode</source>
        <translation>it is damaged and does not decode</translation>
    </message>
    <message>
        <source>it is damaged and does not decode (%1)</source>
        <translation>it is damaged and does not decode (%1)</translation>
    </message>
    <message>
        <source>it is too large: %1 x %2 pixels (%3 megapixels); at most %4 megapixels are taken</source>
        <translation>it is too large: %1 x %2 pixels (%3 megapixels); at most %4 megapixels are taken</translation>
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
        <translation>Quadrifoglio 3D: a jigsaw puzzle made for you.

To play, open this folder and start the program &quot;quadrifoglio&quot; (double-click it; if the
file manager opens it as a document, right-click it and choose &quot;Run&quot;). From a terminal, which
works even when a download has taken away its permission to run:

    cd this-folder
    sh quadrifoglio

It runs on a 64-bit Linux computer with a graphical desktop; nothing needs to be installed.
Keep all the files of this folder together: the game needs every one of them.
</translation>
    </message>
    <message>
        <source>Save the file %1 and start it: from a terminal with  sh %1  (or allow it to run as a program in its properties and double-click it). It runs on a 64-bit Linux computer; nothing needs to be installed.</source>
        <translation>Save the file %1 and start it: from a terminal with  sh %1  (or allow it to run as a program in its properties and double-click it). It runs on a 64-bit Linux computer; nothing needs to be installed.</translation>
    </message>
</context>
</TS>
