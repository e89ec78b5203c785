#pragma once

#include "platform/Services.h"
#include "platform/Surface.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class cLoadResPicture;

using platform::PictureBox;

// The main window: the board, the 36 pieces, the panels around the board and
// the commands. Its controls and form-level variables are public, as the
// other windows and the tests read them by name.
class frmPuzzle : public QWidget
{
    Q_OBJECT

public:
    explicit frmPuzzle(platform::Services &services, QWidget *parent = nullptr);
    ~frmPuzzle() override;

    // --- Controls -------------------------------------------------------
    PictureBox *picPuzzle = nullptr;   // the board, 360 x 360
    PictureBox *picSorgente = nullptr; // hidden: the picture fitted to 360 x 360
    std::array<PictureBox *, 37> picTessera{}; // pieces 1-36 (index 0 unused)
    PictureBox *picMask = nullptr;      // work surface for the edge bitmaps
    PictureBox *picMessaggio = nullptr; // panel of the message line
    QLabel *lblMessaggio = nullptr;     // the greeting from Matrix.dat
    PictureBox *picStart = nullptr;     // start panel: levels and Play
    PictureBox *picDisplay = nullptr;   // clock panel
    PictureBox *picProgress = nullptr;  // the time bar
    QLabel *lblTimer = nullptr;         // "nn:ss"
    QLabel *lblWinner = nullptr;        // best time of the level
    std::array<QRadioButton *, 3> optLevel{};
    QPushButton *cmdStart = nullptr;
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdEsci = nullptr;
    QPushButton *cmdInfo = nullptr;
    QPushButton *cmdColor = nullptr;
    // The two check boxes are drawn as toggle buttons (graphical check boxes)
    // so that they fit the narrow column beside the board; checked is Value 1.
    QPushButton *chkTimer = nullptr;
    QPushButton *chk3D = nullptr;
    QTimer *Timer1 = nullptr;
    QImage imgsfondo; // scratch holder for resource pictures
    QLabel *imgChiodo = nullptr;
    std::array<QLabel *, 4> imgChiodo1{}; // pins at the corners of picStart
    std::array<QLabel *, 8> imgChiodo2{}; // pins at the corners of picMessaggio and picDisplay
    QLabel *Image2 = nullptr;

    // Buttons of the command column beside the board, top to bottom.
    std::array<QWidget *, 5> commandColumn() const;

    // --- Form-level variables ------------------------------------------
    std::int16_t Level = 0;         // 0 Easy, 1 Medium, 2 Difficult
    std::int16_t TimeLimit = 0;     // seconds allowed: 300, 240 or 180
    std::int32_t TimeLimitDate = 0; // the limit as a time of day, in seconds
    std::uint32_t StartTick = 0;    // tick count at Play
    std::int16_t PlacedCount = 0;   // pieces snapped home in this game
    std::int16_t Effect3D = 0;      // -1 when the pieces carry the 3-D edge
    std::int16_t DragX = 0, DragY = 0;
    std::int16_t PickLeft = 0, PickTop = 0;
    QString ScoreFile;              // full path of the score file
    std::int16_t ColorIndex = 0;    // background colour choice
    std::unique_ptr<cLoadResPicture> ResPicture;

    // The window's background colour and its persistent drawing (texture,
    // bevels).
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &color);
    platform::Surface &backSurface() { return m_back; }

    // The window's outer size in pixels (what its Width and Height give).
    QSize outerSize() const;

    // True once the load sequence has ended the program (missing or
    // unreadable picture).
    bool hasEnded() const { return m_ended; }

    // --- Load, resize, unload --------------------------------------------
    void Form_Load();
    void Form_Resize();
    void Form_Unload(int &Cancel);

    // --- Settings, language, picture --------------------------------------
    void ReadSettings(const QString &AppDir);
    void SetLanguage(std::int16_t digit);
    void SetCaptions();
    void ShowLoadingMessage();
    void FitPicture();

    // --- Preferences ---------------------------------------------------------
    void SetScoreFilePath();
    void ReadBackColor();
    static void ColorFromIndex(std::int16_t Index, QColor &Color);

    // --- Presentation ----------------------------------------------------------
    void TileBackground();
    void SetButtonCursors();
    void LayoutBoard();
    void ScatterPieces();
    void DrawBevel(QWidget *Ctl, bool Sunken);
    void DrawFrame3D(PictureBox *Box, int N);

    // --- Board and pieces ----------------------------------------------------
    void optLevel_Click(int Index);
    void cmdStart_Click();
    void chk3D_Click();
    void DrawGuideStripes();
    void CutPieces(std::int16_t Effect3D);
    void ShadePiece(std::int16_t i);
    // True from Play until the start screen comes back.
    bool GameInProgress() const;
    // Puts every placed piece back on its own cell of the board.
    void KeepPlacedPieces();

    // --- Play --------------------------------------------------------------------
    void picTessera_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void picTessera_MouseMove(int Index, int Button, int Shift, float X, float Y);
    void picTessera_MouseUp(int Index, int Button, int Shift, float X, float Y);
    void ReturnPiece(std::int16_t Index);
    void CompletePuzzle();

    // --- Clock ---------------------------------------------------------------------
    void Timer1_Timer();
    void DrawProgress(std::int16_t BarLength, std::int32_t Remaining);
    void ResetBoard();
    void cmdBack_Click();
    void chkTimer_Click();

    // --- Commands --------------------------------------------------------------------
    void cmdColor_Click();
    void cmdInfo_Click();
    void cmdEsci_Click();

    // --- Records -----------------------------------------------------------------------
    void ShowBestTime();
    void CheckBestTime();
    void RegistraMigliorTempo();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void wireBoardHandlers();
    void wirePieceHandlers(int index);
    void wireClockHandlers();
    void wireCommandHandlers();
    // Starts one of the ends of the game; false when the game is not (or
    // no longer) playing, because another end has begun.
    bool BeginGameEnd();
    PictureBox *makePiece(int index);
    QString sText(int baseId) const;
    void endProgram();

    platform::Services &m_services;
    platform::Surface m_back;
    QColor m_backColor = QColor(128, 128, 128);
    bool m_ended = false;
    enum class GameState { Idle, Playing, Ending };
    GameState m_gameState = GameState::Idle;
    // The remaining seconds of the last warning tick; kept from game to game.
    std::int32_t m_lastRemaining = 0;
    bool m_unloaded = false;
};
