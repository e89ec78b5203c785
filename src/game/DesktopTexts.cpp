#include "game/DesktopTexts.h"

#include <array>

namespace desktoptexts {

namespace {

// Italian, English, French, German, Spanish: the order of texts::Language.
using Row = std::array<const char16_t *, 5>;

Row row(Id id)
{
    switch (id) {
    case Id::Pause:
        return {u"Pausa", u"Pause", u"Pause", u"Pause", u"Pausa"};
    case Id::PauseTip:
        return {u"Pausa (P o barra spaziatrice)", u"Pause (P or Space)", u"Pause (P ou Espace)",
                u"Pause (P oder Leertaste)", u"Pausa (P o barra espaciadora)"};
    case Id::PausedNote:
        return {u"Gioco in pausa: premi P per continuare", u"Game paused: press P to go on",
                u"Jeu en pause : appuyez sur P pour continuer",
                u"Spiel angehalten: P drücken, um weiterzuspielen",
                u"Juego en pausa: pulsa P para continuar"};
    case Id::Sound:
        return {u"Suono", u"Sound", u"Son", u"Ton", u"Sonido"};
    case Id::SoundTip:
        return {u"Suono sì o no (M)", u"Sound on or off (M)", u"Son activé ou coupé (M)",
                u"Ton ein oder aus (M)", u"Sonido sí o no (M)"};
    case Id::Colour:
        return {u"Colore dello sfondo", u"Background colour", u"Couleur du fond",
                u"Hintergrundfarbe", u"Color del fondo"};
    case Id::Edge:
        return {u"Bordo 3D", u"3D edge", u"Bord 3D", u"3D-Rand", u"Marco 3D"};
    case Id::GiveUp:
        return {u"Abbandona", u"Give up", u"Abandonner", u"Aufgeben", u"Abandonar"};
    case Id::AboutName:
        return {u"Informazioni", u"About", u"À propos", u"Über das Spiel", u"Acerca de"};
    case Id::AboutDescription:
        return {u"Chi ha fatto il gioco, e la sua versione", u"Who made the game, and its version",
                u"Qui a fait le jeu, et sa version", u"Wer das Spiel gemacht hat, und seine Version",
                u"Quién hizo el juego, y su versión"};
    case Id::Board:
        return {u"Tavola del puzzle", u"Puzzle board", u"Plateau du puzzle", u"Puzzlebrett",
                u"Tablero del puzzle"};
    case Id::BoardDescription:
        return {u"Qui va ogni pezzo, al suo posto", u"Every piece goes here, in its own place",
                u"Chaque pièce va ici, à sa place", u"Hierher gehört jedes Teil, an seinen Platz",
                u"Aquí va cada pieza, en su sitio"};
    case Id::PieceLoose:
        return {u"Pezzo %1, libero", u"Piece %1, loose", u"Pièce %1, libre", u"Teil %1, lose",
                u"Pieza %1, suelta"};
    case Id::PieceInPlace:
        return {u"Pezzo %1, al suo posto", u"Piece %1, in place", u"Pièce %1, en place",
                u"Teil %1, am Platz", u"Pieza %1, en su sitio"};
    case Id::PieceDescription:
        return {u"Trascinalo al suo posto sulla tavola", u"Drag it to its place on the board",
                u"Faites-la glisser à sa place sur le plateau",
                u"An seinen Platz auf dem Brett ziehen", u"Arrástrala a su sitio en el tablero"};
    case Id::Time:
        return {u"Tempo", u"Time", u"Temps", u"Zeit", u"Tiempo"};
    case Id::PlacedCount:
        return {u"Pezzi al loro posto", u"Pieces in place", u"Pièces en place", u"Teile am Platz",
                u"Piezas en su sitio"};
    case Id::HowToPlay:
        return {u"Come si gioca", u"How to play", u"Comment jouer", u"Spielanleitung",
                u"Cómo se juega"};
    case Id::HowToPlayText:
        return {
            u"Scegli un livello e premi Gioca. Trascina i 36 pezzi sulla tavola: un pezzo "
            u"lasciato sul suo posto vi resta, altrimenti torna indietro. Finisci il puzzle prima "
            u"che scada il tempo, o premi Timer per giocare senza limite.\n\n"
            u"P o barra spaziatrice: pausa\nM: suono sì o no\nF1: questa finestra\n"
            u"F11: schermo intero o finestra\nEsc: chiude una finestra\nCtrl+Q: esce\n"
            u"Alt+R: bordo 3D    Alt+O: colore    Alt+N: nuovo gioco",
            u"Choose a level and press Play. Drag the 36 pieces onto the board: a piece let go "
            u"on its own place stays there, any other goes back. Finish the puzzle before the "
            u"time is up, or press Timer to play without a limit.\n\n"
            u"P or Space: pause\nM: sound on or off\nF1: this window\n"
            u"F11: full screen or window\nEsc: closes a window\nCtrl+Q: exit\n"
            u"Alt+R: 3D edge    Alt+O: colour    Alt+N: new game",
            u"Choisissez un niveau et appuyez sur Jouer. Faites glisser les 36 pièces sur le "
            u"plateau : une pièce lâchée à sa place y reste, les autres reviennent. Terminez le "
            u"puzzle avant la fin du temps, ou appuyez sur Timer pour jouer sans limite.\n\n"
            u"P ou Espace : pause\nM : son activé ou coupé\nF1 : cette fenêtre\n"
            u"F11 : plein écran ou fenêtre\nÉchap : ferme une fenêtre\nCtrl+Q : quitter\n"
            u"Alt+R : bord 3D    Alt+O : couleur    Alt+N : nouveau jeu",
            u"Einen Schwierigkeitsgrad wählen und Spielen drücken. Die 36 Teile auf das Brett "
            u"ziehen: Ein Teil, das an seinem Platz losgelassen wird, bleibt dort, jedes andere "
            u"geht zurück. Das Puzzle vor Ablauf der Zeit lösen, oder Timer drücken, um ohne "
            u"Zeitgrenze zu spielen.\n\n"
            u"P oder Leertaste: Pause\nM: Ton ein oder aus\nF1: dieses Fenster\n"
            u"F11: Vollbild oder Fenster\nEsc: schließt ein Fenster\nStrg+Q: beenden\n"
            u"Alt+R: 3D-Rand    Alt+O: Farbe    Alt+N: neues Spiel",
            u"Elige un nivel y pulsa Juega. Arrastra las 36 piezas al tablero: una pieza soltada "
            u"en su sitio se queda allí, las demás vuelven. Termina el puzzle antes de que se "
            u"acabe el tiempo, o pulsa Timer para jugar sin límite.\n\n"
            u"P o barra espaciadora: pausa\nM: sonido sí o no\nF1: esta ventana\n"
            u"F11: pantalla completa o ventana\nEsc: cierra una ventana\nCtrl+Q: salir\n"
            u"Alt+R: marco 3D    Alt+O: color    Alt+N: juego nuevo",
        };
    }
    return {u"", u"", u"", u"", u""};
}

} // namespace

QString text(texts::Language language, Id id)
{
    const int index = int(language);
    return QString::fromUtf16(row(id)[index >= 0 && index < 5 ? index : 0]);
}

} // namespace desktoptexts
