// Choosing a level, starting a game, cutting the pieces and their 3-D edge.

#include "ui/MainWindow.h"
#include "game/Puzzle.h"
#include "ui/PieceArt.h"
#include "platform/MousePointer.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"
#include "assets/Assets.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <functional>
#include <new>

namespace {

// Runs one step whose failure must not stop the steps after it.
void IgnoringErrors(const std::function<void()> &step)
{
    try {
        step();
    } catch (const std::exception &) {
    }
}

// The edge picture of an outline shape. The bitmaps never change while the
// program runs, so each is decoded once.
QImage EdgeBitmap(int id)
{
    static QHash<int, QImage> decoded;
    auto it = decoded.constFind(id);
    if (it == decoded.constEnd())
        it = decoded.insert(id, resources::LoadResBitmap(id));
    return *it;
}

} // namespace

void frmPuzzle::wireBoardHandlers()
{
    for (int i = 0; i < int(optLevel.size()); ++i)
        connect(optLevel[i], &QRadioButton::clicked, this, [this, i] { optLevel_Click(i); });
    connect(cmdStart, &QPushButton::clicked, this, &frmPuzzle::cmdStart_Click);
    connect(chk3D, &QPushButton::clicked, this, &frmPuzzle::chk3D_Click);
    // The edge bitmap of shape 8 is shorter than the others; the mask box
    // takes the size of each bitmap so that only the bitmap is laid over.
    picMask->setAutoSize(true);
}

void frmPuzzle::optLevel_Click(int Index)
{
    for (int k = 0; k < int(optLevel.size()); ++k) {
        QFont font = optLevel[k]->font();
        font.setBold(k == Index);
        optLevel[k]->setFont(font);
    }
    NewPuzzle::PlayCue(203);
    Level = std::int16_t(Index);
    cmdStart->setEnabled(true);
    // No button keeps a focus frame.
    picPuzzle->setFocus();
}

void frmPuzzle::cmdStart_Click()
{
    try {
        platform::SetScreenMousePointer(11);
        CutPieces(Effect3D);

        TimeLimitDate = 0;
        NewPuzzle::ElapsedSeconds = 0;
        PlacedCount = 0;

        picStart->hide();
        picDisplay->show();
        picProgress->show();
        DrawProgress(platform::CInt(picProgress->width()), -1);
        lblTimer->show();
        picMessaggio->hide();

        DrawBevel(picPuzzle, true);
        DrawFrame3D(picDisplay, 6);
        NewPuzzle::PlayCue(204);

        // What the level leaves on the board as a guide.
        switch (Level) {
        case 0:
            TimeLimit = 300;
            DrawGuideStripes();
            break;
        case 1: {
            // A negative of the board: the source's pixels are not used.
            TimeLimit = 240;
            const QImage &source = picSorgente->picture();
            picPuzzle->surface().paintPicture(
                source, QRect(0, 0, geometry::BoardSize, geometry::BoardSize),
                QRect(0, 0, picSorgente->width(), picSorgente->height()),
                platform::RasterOp::DstInvert);
            picPuzzle->refresh();
            break;
        }
        case 2:
            TimeLimit = 180;
            picPuzzle->setPicture(QImage());
            break;
        default:
            break;
        }

        // The pieces appear where the last scattering left them.
        for (int i = 1; i <= geometry::PieceCount; ++i)
            picTessera[i]->setVisible(true);
        ShowBestTime();

        StartTick = m_services.clock->tickCount();
        TimeLimitDate += TimeLimit;
        lblTimer->setText(QString());
        Timer1->setInterval(200);
        m_gameState = GameState::Playing;
        Timer1->start();
        platform::SetScreenMousePointer(0);
    } catch (const platform::RuntimeError &e) {
        platform::SetScreenMousePointer(0);
        m_services.messages->show(this, e.description() + QLatin1String("\r\n")
                                            + QString::number(e.number()),
                                  platform::MbOkOnly, QString());
    } catch (const std::bad_alloc &) {
        platform::SetScreenMousePointer(0);
        m_services.messages->show(this, QStringLiteral("Out of memory\r\n7"), platform::MbOkOnly,
                                  QString());
    } catch (const std::exception &e) {
        // Any other failure is reported as an internal error.
        platform::SetScreenMousePointer(0);
        m_services.messages->show(this, QString::fromLocal8Bit(e.what()) + QLatin1String("\r\n51"),
                                  platform::MbOkOnly, QString());
    }
}

void frmPuzzle::DrawGuideStripes()
{
    // Every odd row in the window's colour; the even rows keep the picture.
    platform::Surface &board = picPuzzle->surface();
    board.setForeColor(BackColor());
    for (int k = 1; k <= 359; k += 2)
        board.line(0, k, geometry::BoardSize, k);
    picPuzzle->refresh();
}

void frmPuzzle::CutPieces(std::int16_t Effect3D)
{
    const QImage &source = picSorgente->image();
    for (std::int16_t i = 1; i <= geometry::PieceCount; ++i) {
        // The top row and the left column read up to 10 pixels outside the
        // picture; those pixels lie outside their outlines.
        const QPoint offset = geometry::BodyOffset(i);
        picTessera[i]->surface().blockCopy(
            0, 0, geometry::PieceSquare, geometry::PieceSquare, source,
            geometry::Cell * geometry::ColumnOf(i) - offset.x(),
            geometry::Cell * geometry::RowOf(i) - offset.y());
        if (Effect3D != 0)
            ShadePiece(i);
        picTessera[i]->refresh();
    }
}

void frmPuzzle::ShadePiece(std::int16_t i)
{
    const QImage edge = EdgeBitmap(400 + geometry::ShapeOfPiece(i));
    // Without its edge picture a piece keeps its plain cut.
    if (edge.isNull())
        return;
    picMask->setPicture(edge);
    Shadow::OverlayEdge(*picTessera[i], *picMask);
}

void frmPuzzle::chk3D_Click()
{
    // A failure in one step is passed over and the next step runs.
    IgnoringErrors([] { NewPuzzle::PlayCue(207); });
    // The pieces change out of sight.
    IgnoringErrors([this] { setUpdatesEnabled(false); });
    IgnoringErrors([] { platform::SetScreenMousePointer(11); });
    IgnoringErrors([this] { Effect3D = chk3D->isChecked() ? -1 : 0; });
    IgnoringErrors([this] { CutPieces(Effect3D); });
    IgnoringErrors([this] { setUpdatesEnabled(true); });
    IgnoringErrors([] { platform::SetScreenMousePointer(0); });
    IgnoringErrors([this] { picPuzzle->setFocus(); });
}

bool frmPuzzle::GameInProgress() const
{
    // The start panel is away exactly while a game is on.
    return picStart->isHidden();
}

void frmPuzzle::KeepPlacedPieces()
{
    for (int i = 1; i <= geometry::PieceCount; ++i) {
        PictureBox *piece = picTessera[i];
        if (piece && !piece->isEnabledTo(this))
            piece->move(geometry::HomePosition(i, picPuzzle->pos()));
    }
}
