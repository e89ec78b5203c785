<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
    <context>
        <name>MakerWindow</name>
        <message>
            <source>Checking</source>
            <translation>Vérification</translation>
        </message>
        <message>
            <source>Preparing the picture</source>
            <translation>Préparation de la photo</translation>
        </message>
        <message>
            <source>Copying the game</source>
            <translation>Copie du jeu</translation>
        </message>
        <message>
            <source>Packing into one file</source>
            <translation>Mise en un seul fichier</translation>
        </message>
        <message>
            <source>Done</source>
            <translation>Terminé</translation>
        </message>
        <message>
            <source>Make a Quadrifoglio puzzle</source>
            <translation>Créer un puzzle Quadrifoglio</translation>
        </message>
        <message>
            <source>A photo: JPEG, PNG, WebP, TIFF, BMP, GIF...</source>
            <translation>Une photo : JPEG, PNG, WebP, TIFF, BMP, GIF...</translation>
        </message>
        <message>
            <source>Choose a &amp;picture...</source>
            <translation>Choisir une &amp;photo...</translation>
        </message>
        <message>
            <source>A &amp;square of it (drag the square to move it)</source>
            <translation>Un &amp;carré de la photo (fais glisser le carré pour le déplacer)</translation>
        </message>
        <message>
            <source>The whole picture, s&amp;tretched to a square</source>
            <translation>Toute la photo, é&amp;tirée en carré</translation>
        </message>
        <message>
            <source>The size of the square</source>
            <translation>La taille du carré</translation>
        </message>
        <message>
            <source>Happy birthday, Anna!</source>
            <translation>Joyeux anniversaire, Anna !</translation>
        </message>
        <message>
            <source>A new folder, or the file to make</source>
            <translation>Un nouveau dossier, ou le fichier à créer</translation>
        </message>
        <message>
            <source>C&amp;hoose...</source>
            <translation>C&amp;hoisir...</translation>
        </message>
        <message>
            <source>As &amp;one file that unpacks and starts the game</source>
            <translation>En un &amp;seul fichier qui se décompresse et lance le jeu</translation>
        </message>
        <message>
            <source>&amp;Make</source>
            <translation>C&amp;réer</translation>
        </message>
        <message>
            <source>T&amp;ry the copy</source>
            <translation>&amp;Essayer la copie</translation>
        </message>
        <message>
            <source>&amp;Cancel</source>
            <translation>&amp;Annuler</translation>
        </message>
        <message>
            <source>Size:</source>
            <translation>Taille :</translation>
        </message>
        <message>
            <source>Picture:</source>
            <translation>Photo :</translation>
        </message>
        <message>
            <source>&amp;Language:</source>
            <translation>&amp;Langue :</translation>
        </message>
        <message>
            <source>&amp;Greeting:</source>
            <translation>&amp;Message :</translation>
        </message>
        <message>
            <source>Save as:</source>
            <translation>Enregistrer sous :</translation>
        </message>
        <message>
            <source>Choose the puzzle's picture</source>
            <translation>Choisir la photo du puzzle</translation>
        </message>
        <message>
            <source>Pictures (%1)</source>
            <translation>Images (%1)</translation>
        </message>
        <message>
            <source>All files (*)</source>
            <translation>Tous les fichiers (*)</translation>
        </message>
        <message>
            <source>This picture cannot be used: %1</source>
            <translation>Cette photo ne peut pas servir : %1</translation>
        </message>
        <message>
            <source>%1 x %2 pixels</source>
            <translation>%1 x %2 pixels</translation>
        </message>
        <message>
            <source>Only %1 pixels a side: on a 1920 x 1080 screen the board is %2 pixels, so the picture will show enlarged and blurred.</source>
            <translation>Seulement %1 pixels de côté : sur un écran 1920 x 1080, le puzzle mesure %2 pixels ; la photo sera agrandie et floue.</translation>
        </message>
        <message>
            <source>Without a greeting the game shows its name.</source>
            <translation>Sans message, le jeu affiche son nom.</translation>
        </message>
        <message>
            <source>The greeting fits.</source>
            <translation>Le message tient dans le cadre.</translation>
        </message>
        <message>
            <source>Save the puzzle as one file</source>
            <translation>Enregistrer le puzzle en un seul fichier</translation>
        </message>
        <message>
            <source>Save the puzzle as a new folder</source>
            <translation>Enregistrer le puzzle dans un nouveau dossier</translation>
        </message>
        <message>
            <source>Starting</source>
            <translation>Démarrage</translation>
        </message>
        <message>
            <source>, about %1 s left</source>
            <translation>, encore environ %1 s</translation>
        </message>
        <message>
            <source>, about %1 min left</source>
            <translation>, encore environ %1 min</translation>
        </message>
        <message>
            <source>Stopped. Nothing was written.</source>
            <translation>Arrêté. Rien n'a été écrit.</translation>
        </message>
        <message>
            <source>The copy was not made. %1</source>
            <translation>La copie n'a pas été faite. %1</translation>
        </message>
        <message>
            <source>Nothing was written.</source>
            <translation>Rien n'a été écrit.</translation>
        </message>
        <message>
            <source>Your puzzle is ready: %1 (%2), one file. Tell your friend how to start it:
  %3</source>
            <translation>Ton puzzle est prêt : %1 (%2), un seul fichier. Explique à ton ami comment le lancer :
  %3</translation>
        </message>
        <message>
            <source>Your puzzle is ready in the folder %1 (%2). Give your friend the whole folder; the game starts with:
  %3</source>
            <translation>Ton puzzle est prêt dans le dossier %1 (%2). Donne tout le dossier à ton ami ; le jeu se lance avec :
  %3</translation>
        </message>
    </context>
</TS>
