<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
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
            <source>Choose the puzzle's picture</source>
            <translation>Choose the puzzle's picture</translation>
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
    </context>
</TS>
