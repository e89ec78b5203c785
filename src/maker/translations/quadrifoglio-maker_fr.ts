<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Maker</name>
    <message>
        <source>Italian</source>
        <translation>italien</translation>
    </message>
    <message>
        <source>English</source>
        <translation>anglais</translation>
    </message>
    <message>
        <source>French</source>
        <translation>français</translation>
    </message>
    <message>
        <source>German</source>
        <translation>allemand</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>espagnol</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>cannot make the folder %1: %2</source>
        <translation>impossible de créer le dossier %1 : %2</translation>
    </message>
    <message>
        <source>the greeting does not fit in the game&apos;s message panel: the first %1 of its %2 characters fit (about three lines); make it shorter</source>
        <translation>le message ne tient pas dans le cadre du jeu : seuls les %1 premiers de ses %2 caractères y tiennent (environ trois lignes) ; raccourcis-le</translation>
    </message>
    <message>
        <source>the fonts on this computer cannot draw one character of the greeting: %1; the friend&apos;s computer will probably show it as a box</source>
        <translation>les polices de cet ordinateur ne savent pas dessiner un caractère du message : %1 ; l&apos;ordinateur de ton ami l&apos;affichera sans doute comme un carré</translation>
    </message>
    <message>
        <source>the fonts on this computer cannot draw %1 characters of the greeting: %2; the friend&apos;s computer will probably show them as boxes</source>
        <translation>les polices de cet ordinateur ne savent pas dessiner %1 caractères du message : %2 ; l&apos;ordinateur de ton ami les affichera sans doute comme des carrés</translation>
    </message>
    <message>
        <source>the picture is only %1 pixels a side where it fills the board; on a 1920 x 1080 screen the board is %2 pixels, so it will show enlarged and blurred</source>
        <translation>la photo ne fait que %1 pixels de côté là où elle remplit le puzzle ; sur un écran de 1920 x 1080 le puzzle mesure %2 pixels, elle sera donc agrandie et floue</translation>
    </message>
    <message>
        <source>the greeting is not valid text</source>
        <translation>le message n&apos;est pas un texte valide</translation>
    </message>
    <message>
        <source>the greeting must be one line, but it holds a line break</source>
        <translation>le message doit tenir sur une ligne, mais il contient un saut de ligne</translation>
    </message>
    <message>
        <source>the greeting holds a control character (U+%1) at character %2</source>
        <translation>le message contient un caractère de contrôle (U+%1) au caractère %2</translation>
    </message>
    <message>
        <source>the greeting is too long: %1 bytes in UTF-8, at most %2</source>
        <translation>le message est trop long : %1 octets en UTF-8, au plus %2</translation>
    </message>
    <message>
        <source>the greeting is not UTF-8 text: byte 0x%1 at byte %2 (character %3)</source>
        <translation>le message n&apos;est pas du texte UTF-8 : octet 0x%1 à l&apos;octet %2 (caractère %3)</translation>
    </message>
    <message>
        <source>the crop %1 x %2 is not a square</source>
        <translation>le recadrage %1 x %2 n&apos;est pas un carré</translation>
    </message>
    <message>
        <source>the square %1 (X,Y,SIDE) does not lie inside the picture, which is %2 x %3 pixels</source>
        <translation>le carré %1 (X,Y,SIDE) ne se trouve pas dans la photo, qui mesure %2 x %3 pixels</translation>
    </message>
    <message>
        <source>it is too large to convert to JPEG: %1 x %2 pixels; convert it to JPEG yourself, or make it smaller</source>
        <translation>elle est trop grande pour être convertie en JPEG : %1 x %2 pixels ; convertis-la toi-même en JPEG, ou réduis-la</translation>
    </message>
    <message>
        <source>it is damaged and does not decode (%1)</source>
        <translation>elle est endommagée et ne se décode pas (%1)</translation>
    </message>
    <message>
        <source>it is not a picture in a format that can be read; pictures in these formats are read: </source>
        <translation>ce n&apos;est pas une photo dans un format lisible ; les photos de ces formats sont lues : </translation>
    </message>
    <message>
        <source>it is damaged and does not decode (it does not tell its size)</source>
        <translation>elle est endommagée et ne se décode pas (elle ne dit pas sa taille)</translation>
    </message>
    <message>
        <source>a square was picked, but the whole picture is to be stretched: choose one</source>
        <translation>un carré a été choisi, mais la photo entière doit être étirée : choisis l&apos;un des deux</translation>
    </message>
    <message>
        <source>cannot convert it to JPEG: </source>
        <translation>impossible de la convertir en JPEG : </translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation> et %1 autres</translation>
    </message>
    <message>
        <source>%1 is a link; the maker never writes through a link: give the folder itself</source>
        <translation>%1 est un lien ; le programme n&apos;écrit jamais à travers un lien : indique le dossier lui-même</translation>
    </message>
    <message>
        <source>%1 exists and is not a folder</source>
        <translation>%1 existe et n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the folder %1 is not a copy made by the maker; it holds %2. --force replaces only such a copy: choose a new folder</source>
        <translation>le dossier %1 n&apos;est pas une copie faite par ce programme ; il contient %2. --force ne remplace qu&apos;une telle copie : choisis un nouveau dossier</translation>
    </message>
    <message>
        <source>the folder %1 holds files the maker did not make: %2. --force replaces only a copy the maker made: move them elsewhere, or choose a new folder</source>
        <translation>le dossier %1 contient des fichiers que ce programme n&apos;a pas faits : %2. --force ne remplace qu&apos;une copie faite par ce programme : déplace-les ailleurs, ou choisis un nouveau dossier</translation>
    </message>
    <message>
        <source>unknown language &quot;%1&quot;: use one of %2</source>
        <translation>langue inconnue &quot;%1&quot; : utilise l&apos;une de %2</translation>
    </message>
    <message>
        <source>the game&apos;s portable runtime was not found (%1)</source>
        <translation>le jeu portable avec ses bibliothèques est introuvable (%1)</translation>
    </message>
    <message>
        <source>the game&apos;s executable was not found (%1)</source>
        <translation>le programme du jeu est introuvable (%1)</translation>
    </message>
    <message>
        <source>none given</source>
        <translation>aucun indiqué</translation>
    </message>
    <message>
        <source>one file is made from the portable copy only, not from the game alone</source>
        <translation>un seul fichier ne se fait qu&apos;à partir de la copie portable, pas du jeu seul</translation>
    </message>
    <message>
        <source>one file cannot be made: the game&apos;s pack was not found beside the runtime or the maker; install the game again</source>
        <translation>impossible de faire un seul fichier : l&apos;archive du jeu est introuvable à côté du jeu portable comme du programme ; installe à nouveau le jeu</translation>
    </message>
    <message>
        <source>the name %1 is too long for one file</source>
        <translation>le nom %1 est trop long pour un seul fichier</translation>
    </message>
    <message>
        <source>the game&apos;s pack for single files is incomplete: %1 is missing</source>
        <translation>l&apos;archive du jeu pour faire un seul fichier est incomplète : il manque %1</translation>
    </message>
    <message>
        <source>the start script of %1 is larger than its room</source>
        <translation>le script de démarrage %1 dépasse la place qui lui est réservée</translation>
    </message>
    <message>
        <source>the picture %1 does not exist</source>
        <translation>la photo %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>the picture %1 is not a file</source>
        <translation>la photo %1 n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>the picture %1 cannot be used: %2</source>
        <translation>la photo %1 ne peut pas servir : %2</translation>
    </message>
    <message>
        <source>no file given</source>
        <translation>aucun fichier indiqué</translation>
    </message>
    <message>
        <source>no output folder given</source>
        <translation>aucun dossier de destination indiqué</translation>
    </message>
    <message>
        <source>cannot write in the folder %1: %2</source>
        <translation>impossible d&apos;écrire dans le dossier %1 : %2</translation>
    </message>
    <message>
        <source>the folder %1 is not empty; --force replaces a copy the maker made before</source>
        <translation>le dossier %1 n&apos;est pas vide ; --force remplace une copie faite avant par ce programme</translation>
    </message>
    <message>
        <source>%1 is a folder; give the name of the file to make</source>
        <translation>%1 est un dossier ; indique le nom du fichier à faire</translation>
    </message>
    <message>
        <source>the file %1 exists; --force replaces it</source>
        <translation>le fichier %1 existe ; --force le remplace</translation>
    </message>
    <message>
        <source>%1 is not a copy made by the maker; --force does not replace it</source>
        <translation>%1 n&apos;est pas une copie faite par ce programme ; --force ne la remplace pas</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>stopped as asked</source>
        <translation>arrêté comme demandé</translation>
    </message>
    <message>
        <source>files added to the old copy while it was replaced are in %1</source>
        <translation>les fichiers ajoutés à l&apos;ancienne copie pendant son remplacement sont dans %1</translation>
    </message>
    <message>
        <source>kept as it is</source>
        <translation>gardée telle quelle</translation>
    </message>
    <message>
        <source>stretched to a square of %1 x %1 pixels</source>
        <translation>étirée en un carré de %1 x %1 pixels</translation>
    </message>
    <message>
        <source>cropped to a square of %1 x %1 pixels</source>
        <translation>recadrée en un carré de %1 x %1 pixels</translation>
    </message>
    <message>
        <source>a JPEG of %1 x %1 pixels</source>
        <translation>un JPEG de %1 x %1 pixels</translation>
    </message>
    <message>
        <source>Your puzzle is ready: %1 (%2), one file with the game, your picture (%3) and your greeting in %4.
Tell your friend how to start it:
  %5</source>
        <translation>Ton puzzle est prêt : %1 (%2), un seul fichier avec le jeu, ta photo (%3) et ton message en %4.
Explique à ton ami comment le lancer :
  %5</translation>
    </message>
    <message>
        <source>Your puzzle is ready in the folder %1 (%2): %3, your picture (%4) and your greeting in %5.
Give your friend the whole folder%6. The game starts with:
  %7</source>
        <translation>Ton puzzle est prêt dans le dossier %1 (%2) : %3, ta photo (%4) et ton message en %5.
Donne tout le dossier à ton ami%6. Le jeu se lance avec :
  %7</translation>
    </message>
    <message>
        <source>the game with its libraries</source>
        <translation>le jeu avec ses bibliothèques</translation>
    </message>
    <message>
        <source>the game alone (your friend needs Qt 6)</source>
        <translation>le jeu seul (ton ami a besoin de Qt 6)</translation>
    </message>
    <message>
        <source>; %1 in it tells how to start the game</source>
        <translation> ; %1 à l&apos;intérieur explique comment lancer le jeu</translation>
    </message>
</context>
<context>
    <name>MakerCommandLine</name>
    <message>
        <source>, about %1 s left</source>
        <translation>, encore environ %1 s</translation>
    </message>
    <message>
        <source>the game&apos;s portable runtime was not found; looked in:
  </source>
        <translation>le jeu portable avec ses bibliothèques est introuvable ; cherché dans :
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
        <translation>Fait une copie de Quadrifoglio 3D à offrir : un dossier avec le jeu et les bibliothèques dont
il a besoin, ta photo et un Matrix.dat avec la langue et le message affiché au-dessus du
puzzle, qui démarre sur un bureau Linux sans Qt ; ou la même chose en un seul fichier qui se
décompresse et lance le jeu. Une photo non carrée est recadrée sur son carré central, sauf
indication contraire ; la photo devient un JPEG d&apos;au plus 1260 pixels de côté, le plus grand
puzzle que le jeu dessine (un BMP, un JPEG ou un GIF carré d&apos;au plus 2 Mio est gardé tel quel).
Sans arguments, le programme ouvre sa fenêtre.</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>photo</translation>
    </message>
    <message>
        <source>The puzzle&apos;s picture, in any format Qt reads, of at most 200 megapixels.</source>
        <translation>La photo du puzzle, dans tout format que Qt lit, d&apos;au plus 200 mégapixels.</translation>
    </message>
    <message>
        <source>picture (--out &lt;folder&gt; | --single-file &lt;file&gt;)</source>
        <translation>photo (--out &lt;dossier&gt; | --single-file &lt;fichier&gt;)</translation>
    </message>
    <message>
        <source>Language of the game: it, en, fr, de or es (default: the desktop&apos;s, else en).</source>
        <translation>Langue du jeu : it, en, fr, de ou es (par défaut : celle du bureau, sinon en).</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>One line shown above the board (may be empty: the game then shows its name).</source>
        <translation>Une ligne affichée au-dessus du puzzle (peut être vide : le jeu affiche alors son nom).</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>How a non-square picture becomes the square board: crop (its middle square, the default) or stretch (the whole picture, squashed).</source>
        <translation>Comment une photo non carrée devient le puzzle carré : crop (son carré central, par défaut) ou stretch (la photo entière, écrasée).</translation>
    </message>
    <message>
        <source>The square to take, in the picture&apos;s pixels: its left, top and side.</source>
        <translation>Le carré à prendre, en pixels de la photo : sa gauche, son haut et son côté.</translation>
    </message>
    <message>
        <source>The folder to make (new or empty).</source>
        <translation>Le dossier à faire (nouveau ou vide).</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>dossier</translation>
    </message>
    <message>
        <source>Make one file instead of a folder, which unpacks and starts the game (sh FILE).</source>
        <translation>Fait un seul fichier au lieu d&apos;un dossier, qui se décompresse et lance le jeu (sh FILE).</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>Copy the game alone, without its libraries: for a friend who has Qt 6 installed.</source>
        <translation>Copie le jeu seul, sans ses bibliothèques : pour un ami qui a Qt 6 installé.</translation>
    </message>
    <message>
        <source>Replace a copy the maker made before, folder or file. A folder holding anything the maker did not write, or a link, is refused, and nothing is written.</source>
        <translation>Remplace une copie faite avant par ce programme, dossier ou fichier. Un dossier contenant quoi que ce soit que le programme n&apos;a pas écrit, ou un lien, est refusé, et rien n&apos;est écrit.</translation>
    </message>
    <message>
        <source>no picture given (see --help)</source>
        <translation>aucune photo indiquée (voir --help)</translation>
    </message>
    <message>
        <source>give exactly one picture (see --help)</source>
        <translation>indique une seule photo (voir --help)</translation>
    </message>
    <message>
        <source>give where to make the copy: --out FOLDER or --single-file FILE</source>
        <translation>indique où faire la copie : --out FOLDER ou --single-file FILE</translation>
    </message>
    <message>
        <source>--single-file packs the whole copy; it cannot be --game-only</source>
        <translation>--single-file emballe toute la copie ; il ne peut pas être --game-only</translation>
    </message>
    <message>
        <source>unknown --fit &quot;%1&quot;: use crop or stretch</source>
        <translation>--fit &quot;%1&quot; inconnu : utilise crop ou stretch</translation>
    </message>
    <message>
        <source>--crop takes X,Y,SIDE: three whole numbers, the side at least 1</source>
        <translation>--crop attend X,Y,SIDE : trois nombres entiers, le côté au moins 1</translation>
    </message>
    <message>
        <source>; nothing was written</source>
        <translation> ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>the game&apos;s executable was not found; looked for:
  </source>
        <translation>le programme du jeu est introuvable ; cherché :
  </translation>
    </message>
    <message>
        <source>stopped; nothing was written</source>
        <translation>arrêté ; rien n&apos;a été écrit</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>attention : %1</translation>
    </message>
</context>
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
        <translation>Une photo&#xa0;: JPEG, PNG, WebP, TIFF, BMP, GIF...</translation>
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
        <translation>Joyeux anniversaire, Anna&#xa0;!</translation>
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
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>Picture:</source>
        <translation>Photo&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Greeting:</source>
        <translation>&amp;Message&#xa0;:</translation>
    </message>
    <message>
        <source>Save as:</source>
        <translation>Enregistrer sous&#xa0;:</translation>
    </message>
    <message>
        <source>Choose the puzzle&apos;s picture</source>
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
        <translation>Cette photo ne peut pas servir&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 x %2 pixels</source>
        <translation>%1 x %2 pixels</translation>
    </message>
    <message>
        <source>Only %1 pixels a side: on a 1920 x 1080 screen the board is %2 pixels, so the picture will show enlarged and blurred.</source>
        <translation>Seulement %1 pixels de côté&#xa0;: sur un écran 1920 x 1080, le puzzle mesure %2 pixels&#xa0;; la photo sera agrandie et floue.</translation>
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
        <translation>Arrêté. Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The copy was not made. %1</source>
        <translation>La copie n&apos;a pas été faite. %1</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Your puzzle is ready: %1 (%2), one file. Tell your friend how to start it:
  %3</source>
        <translation>Ton puzzle est prêt&#xa0;: %1 (%2), un seul fichier. Explique à ton ami comment le lancer&#xa0;:
  %3</translation>
    </message>
    <message>
        <source>Your puzzle is ready in the folder %1 (%2). Give your friend the whole folder; the game starts with:
  %3</source>
        <translation>Ton puzzle est prêt dans le dossier %1 (%2). Donne tout le dossier à ton ami&#xa0;; le jeu se lance avec&#xa0;:
  %3</translation>
    </message>
    <message>
        <source>the game and its libraries were not found beside the maker; install the game again</source>
        <translation>le jeu et ses bibliothèques sont introuvables à côté du programme ; installe à nouveau le jeu</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>out of memory</source>
        <translation>mémoire épuisée</translation>
    </message>
    <message>
        <source>the file ends early</source>
        <translation>le fichier se termine trop tôt</translation>
    </message>
    <message>
        <source>a kind of bitmap that cannot be read</source>
        <translation>un type de BMP qui ne peut pas être lu</translation>
    </message>
    <message>
        <source>the headers of the bitmap are damaged</source>
        <translation>les en-têtes du BMP sont endommagés</translation>
    </message>
    <message>
        <source>the PNG is damaged</source>
        <translation>le PNG est endommagé</translation>
    </message>
    <message>
        <source>the header of the WebP is damaged</source>
        <translation>l&apos;en-tête du WebP est endommagé</translation>
    </message>
    <message>
        <source>the WebP is damaged</source>
        <translation>le WebP est endommagé</translation>
    </message>
    <message>
        <source>the header of the TIFF is damaged</source>
        <translation>l&apos;en-tête du TIFF est endommagé</translation>
    </message>
    <message>
        <source>the TIFF is damaged or cut short</source>
        <translation>le TIFF est endommagé ou tronqué</translation>
    </message>
    <message>
        <source>not a GIF</source>
        <translation>ce n&apos;est pas un GIF</translation>
    </message>
    <message>
        <source>the GIF is damaged</source>
        <translation>le GIF est endommagé</translation>
    </message>
    <message>
        <source>no size to decode to</source>
        <translation>aucune taille à laquelle décoder</translation>
    </message>
    <message>
        <source>the headers of the JPEG are damaged</source>
        <translation>les en-têtes du JPEG sont endommagés</translation>
    </message>
    <message>
        <source>the coded data of the JPEG is damaged</source>
        <translation>les données codées du JPEG sont endommagées</translation>
    </message>
    <message>
        <source>there is no such file</source>
        <translation>ce fichier n&apos;existe pas</translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation>elle ne peut pas être lue : %1</translation>
    </message>
    <message>
        <source>it is not a picture in a format that can be read</source>
        <translation>ce n&apos;est pas une photo dans un format lisible</translation>
    </message>
    <message>
        <source>it is damaged and does not decode</source>
        <translation>elle est endommagée et ne se décode pas</translation>
    </message>
    <message>
        <source>it is damaged and does not decode (%1)</source>
        <translation>elle est endommagée et ne se décode pas (%1)</translation>
    </message>
    <message>
        <source>it is too large: %1 x %2 pixels (%3 megapixels); at most %4 megapixels are taken</source>
        <translation>elle est trop grande : %1 x %2 pixels (%3 mégapixels) ; au plus %4 mégapixels sont acceptés</translation>
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
        <translation>Quadrifoglio 3D : un puzzle fait pour toi.

Pour jouer, ouvre ce dossier et lance le programme « quadrifoglio » (double-clic ; si le
gestionnaire de fichiers l&apos;ouvre comme un document, clic droit puis « Exécuter »). Depuis un
terminal, même si un téléchargement lui a retiré le droit d&apos;exécution :

    cd ce-dossier
    sh quadrifoglio

Il fonctionne sur un ordinateur Linux 64 bits avec un bureau graphique ; rien à installer.
Garde ensemble tous les fichiers de ce dossier : le jeu a besoin de chacun d&apos;eux.
</translation>
    </message>
    <message>
        <source>Save the file %1 and start it: from a terminal with  sh %1  (or allow it to run as a program in its properties and double-click it). It runs on a 64-bit Linux computer; nothing needs to be installed.</source>
        <translation>Enregistre le fichier %1 et lance-le : depuis un terminal avec  sh %1  (ou autorise son exécution dans ses propriétés et double-clique dessus). Il fonctionne sur un ordinateur Linux 64 bits ; rien à installer.</translation>
    </message>
</context>
</TS>
