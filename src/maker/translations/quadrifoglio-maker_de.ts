<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
            <source>Choose the puzzle's picture</source>
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
    </context>
</TS>
