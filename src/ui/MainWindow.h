#pragma once

#include "game/Game.h"
#include "game/Texts.h"
#include "platform/PictureDecoding.h"
#include "platform/Services.h"
#include "platform/SoundSwitch.h"

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <tuple>

class AboutDialog;
class BoardItem;
class ClockPanel;
class GreetingPanel;
class HelpDialog;
class IconButton;
class PauseCover;
class PieceItem;
class PinItem;
class QDialog;
class QGraphicsProxyWidget;
class QGraphicsScene;
class SceneView;
class QLabel;
class QPushButton;
class QTimer;
class ResultDialog;
class StartPanel;

// The game's one main window: one scene, in design pixels, with the board,
// the pieces dealt around it, the panels above and below it and the column of
// commands beside it, shown by one view at the window's scale. It shows what
// the game says and forwards what the player does; the rules live in Game.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(platform::Services &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    enum class WindowMode { Maximized, Normal };

    // Starts decoding the picture lying in the folder, at the size of the
    // largest board this screen can show, so that the board is sharp at
    // every scale; null when the folder holds no picture.
    static std::unique_ptr<platform::PictureDecoding> decodePictureIn(const QString &folder);

    // Reads the gift (Matrix.dat, the picture) and the preferences, and shows
    // the window. False when the game cannot go on (no picture): the player
    // has been told and the program is ending. The picture is the one being
    // decoded, if given (see decodePictureIn), else the one in the game's folder.
    bool load(WindowMode mode = WindowMode::Maximized, std::unique_ptr<platform::PictureDecoding> picture = {});

    Game &game() { return m_game; }
    texts::Language language() const { return m_language; }
    QColor backgroundColour() const;
    int colourIndex() const { return m_preferences.colourIndex(); }
    // True once the picture is on the board.
    bool pictureReady() const;

    // What a player sees, for the tests and benchmarks that act as one.
    SceneView *view() const { return m_view; }
    BoardItem *board() const { return m_board; }
    PieceItem *piece(int number) const;
    QWidget *startPanel() const;
    QWidget *clockPanel() const;
    QWidget *greetingPanel() const;
    // The panels and the command column, shown in the scene.
    QList<QWidget *> sceneWidgets() const;
    // A control of the scene's panels or command column by its name.
    QWidget *sceneWidget(const QString &name) const;
    PauseCover *pauseCover() const { return m_cover; }
    // Where a design rectangle (or point) lies in the window's pixels.
    QRect toWindow(const QRectF &design) const;
    QPoint toWindow(QPointF design) const;
    // Window pixels per design pixel: 1 up to 1024 x 768, larger above.
    double sceneScale() const { return m_scale; }
    // The command column beside the board, top to bottom.
    std::array<QPushButton *, 5> commandColumn() const;
    bool soundOn() const { return m_preferences.soundOn(); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildCommands();
    void readGift(const QString &folder);
    void setTexts();
    void buildScene();
    void focusBoard();
    void ensurePieces();
    void cutPieces(bool withEdge);
    void onPictureDecoded();
    void failToStart(const QString &message);

    void applyScale(double factor, qreal ratio);
    void refitPieces();
    QSize designArea() const;
    void layOut();
    void dealPieces();
    void placeLoosePieces();
    void keepPlacedPiecesHome();
    void endDrag();
    QRect boardRect() const;
    void drawBoardBevel(bool sunken);
    void tileBackground();
    bool withEdge() const;
    bool gameOn() const;

    // What the player does.
    void onPlayClicked();
    void onPieceDropped(int piece, QPoint corner);
    void onColourClicked();
    void onColourChanged();
    void onEdgeToggled();
    void onAboutClicked();

    // What the game says.
    void onStateChanged(Game::State state);
    void showGameScreen();
    void showFinishedPicture();
    void showResult();
    void placeOverGame(QWidget *dialog);
    void showStartScreen();
    void onRecordNotSaved(SaveFailure failure, const QString &file);

    // A good citizen of the desktop (MainWindowDesktop.cpp): pause, sound
    // switch, keys, help and what a screen reader says.
    void setUpDesktop();
    void setUpKeys();
    void setUpAccessibility();
    void setDesktopTexts();
    void buildDesktopButtons();
    void onPauseToggled();
    void onPausedChanged(bool paused);
    void coverBoard();
    void pauseWhileOpen(QDialog *dialog);
    void onSoundChanged(bool on);
    void toggleFullScreen();
    void showHowToPlay();
    void placeWindow(WindowMode mode);
    void keepWindowPlacement();
    void describePiece(int number);

    platform::Services &m_services;
    // The switch follows the preferences' sound setting.
    platform::SoundSwitch m_sound; // before the game, which plays through it
    Preferences m_preferences;     // before the game, which keeps its records there
    Game m_game;
    texts::Language m_language = texts::Language::Italian;
    bool m_closed = false;
    // Window pixels per design pixel, and where the board lies in design pixels.
    double m_scale = 1.0;
    QPoint m_boardDesign;

    QGraphicsScene *m_scene = nullptr;
    SceneView *m_view = nullptr;
    BoardItem *m_board = nullptr;
    GreetingPanel *m_greeting = nullptr;
    StartPanel *m_start = nullptr;
    ClockPanel *m_clock = nullptr;
    // The command column, one widget of seven buttons in the scene.
    QWidget *m_commands = nullptr;
    QGraphicsProxyWidget *m_greetingItem = nullptr;
    QGraphicsProxyWidget *m_startItem = nullptr;
    QGraphicsProxyWidget *m_clockItem = nullptr;
    QGraphicsProxyWidget *m_commandsItem = nullptr;
    PinItem *m_boardPin = nullptr;
    QPushButton *m_timer = nullptr;
    QPushButton *m_edge = nullptr;
    QPushButton *m_colour = nullptr;
    QPushButton *m_about = nullptr;
    QPushButton *m_exit = nullptr;
    std::array<PieceItem *, 36> m_pieces{};
    // The slot each piece was dealt to (0-35): a loose piece stays in its
    // slot whatever the window does.
    std::array<int, 36> m_slotOf{};
    QTimer *m_ticks = nullptr;
    // The pieces' pictures as last cut, and what they were cut for.
    std::array<QList<QImage>, 2> m_cuts; // plain, with the edge
    std::tuple<qint64, double, QPoint> m_cutKey;
    std::unique_ptr<platform::PictureDecoding> m_decoding;
    QPointer<ResultDialog> m_result;
    QPointer<AboutDialog> m_aboutDialog;

    IconButton *m_pause = nullptr;
    IconButton *m_soundSwitch = nullptr;
    PauseCover *m_cover = nullptr;
    QPointer<HelpDialog> m_help;
    Qt::WindowStates m_beforeFullScreen = Qt::WindowMaximized;
    // Whether the window has been an ordinary one in this run.
    bool m_wasNormal = false;
};
