// The window's background, the layout around the board, the scattering of
// the pieces and the bevels.

#include "ui/MainWindow.h"
#include "ui/Background.h"
#include "game/Puzzle.h"
#include "platform/Numbers.h"
#include "platform/RuntimeError.h"
#include "assets/Assets.h"
#include "assets/Texture.h"
#include "ui/Startup.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>

namespace {

QColor grey(int g)
{
    g = std::clamp(g, 0, 255);
    return QColor(g, g, g);
}

} // namespace

void frmPuzzle::TileBackground()
{
    try {
        if (!ResPicture)
            ResPicture = std::make_unique<cLoadResPicture>();
        imgsfondo = ResPicture->LoadResPicture(310, QStringLiteral("CUSTOM"));
    } catch (const platform::RuntimeError &) {
        // Without the texture the window keeps its plain colour.
        imgsfondo = QImage();
    }

    // From the top-left corner over the whole outer size; without a texture
    // there is nothing to lay.
    tiling::MergePaintTiles(m_back, imgsfondo, outerSize());
    imgsfondo = QImage();
    update();
}

void frmPuzzle::SetButtonCursors()
{
    const QCursor hand = resources::LoadResCursor(102);
    for (QWidget *w : std::initializer_list<QWidget *>{cmdStart, cmdBack, cmdEsci, cmdInfo,
                                                       chkTimer, chk3D, cmdColor})
        w->setCursor(hand);
    for (QRadioButton *option : optLevel)
        option->setCursor(hand);
}

void frmPuzzle::LayoutBoard()
{
    const int W = outerSize().width();
    const int H = outerSize().height();
    const auto half = [](int v) { return int(platform::CInt(v / 2.0)); };

    picPuzzle->move(half(W - picPuzzle->width()), half(H - picPuzzle->height()));
    picPuzzle->setVisible(true);

    picMessaggio->move(picPuzzle->x() - 10, 20);

    const QPixmap pin1 = imgChiodo1[0]->pixmap();
    for (int i = 1; i < 4; ++i)
        imgChiodo1[i]->setPixmap(pin1);
    const QPixmap pin2 = imgChiodo2[0]->pixmap();
    for (int i = 1; i < 8; ++i)
        imgChiodo2[i]->setPixmap(pin2);

    imgChiodo->move(half(W - imgChiodo->width()), picPuzzle->y() - imgChiodo->height() - 9);
    imgChiodo->setVisible(true);

    picDisplay->move(half(W - picDisplay->width()), picPuzzle->y() - picDisplay->height() - 33);
    picStart->move(half(W - picStart->width()),
                   picPuzzle->y() + picPuzzle->height() + 15);
    lblTimer->move(half(picProgress->width() - lblTimer->width()), lblTimer->y());

    // The command column stands just outside the board's bevel on its right,
    // centred on the board, in the gap left between the board and the slots.
    const auto column = commandColumn();
    const int spacing = 12;
    const int columnHeight = int(column.size()) * column[0]->height()
                             + int(column.size() - 1) * spacing;
    // The bevel takes 9 pixels; one more keeps the column clear of the slot
    // column beyond it on the narrowest window.
    const int left = picPuzzle->x() + picPuzzle->width() + 10;
    int top = picPuzzle->y() + (picPuzzle->height() - columnHeight) / 2;
    for (QWidget *w : column) {
        w->move(left, top);
        top += w->height() + spacing;
    }
    imgChiodo->raise();
}

void frmPuzzle::ScatterPieces()
{
    // A random order of the 36 pieces, drawn one number at a time; events
    // are served between draws.
    std::array<int, geometry::PieceCount + 1> Perm{};
    std::array<bool, geometry::PieceCount + 1> taken{};
    int n = 0;
    auto *random = QRandomGenerator::global();
    while (n < geometry::PieceCount) {
        NewPuzzle::DoEvents();
        const int p = int(platform::Int(random->generateDouble() * 36 + 1));
        if (p < 1 || p > geometry::PieceCount || taken[p])
            continue;
        taken[p] = true;
        Perm[++n] = p;
    }

    const QSize outer = outerSize();
    const int SH = m_services.screen->sizePixels().height();
    const auto places = geometry::ScatterSlots(outer.width(), outer.height(), SH,
                                              picTessera[1]->width(), picTessera[1]->height());
    for (int j = 1; j <= geometry::PieceCount; ++j) {
        if (PictureBox *piece = picTessera[Perm[j]])
            piece->move(places[j]);
    }
}

void frmPuzzle::DrawBevel(QWidget *Ctl, bool Sunken)
{
    const int T = Ctl->y();
    const int W = Ctl->width();
    const int L = Ctl->x();
    const int H = Ctl->height();
    platform::Surface &s = m_back;
    for (int k = 0; k <= 8; ++k) {
        s.setForeColor(grey(Sunken ? 140 + 10 * k : 140 - 10 * k));
        s.line(L + W + k, T - k - 1, L + W + k, T + H + k);
        s.lineTo(L - k - 1, T + H + k);
        s.setForeColor(grey(Sunken ? 140 - 10 * k : 140 + 10 * k));
        s.lineTo(L - k - 1, T - k - 1);
        s.lineTo(L + W + k, T - k - 1);
    }
    s.box(L - 1, T - 1, L + W, T + H);
    update();
}

void frmPuzzle::DrawFrame3D(PictureBox *Box, int N)
{
    const int W = Box->width();
    const int H = Box->height();
    platform::Surface &s = Box->surface();
    for (int k = 0; k <= N; ++k) {
        s.setForeColor(grey(160 - 10 * k));
        s.line(W - N + k, N - k - 1, W - N + k, H - N + k - 1);
        s.lineTo(N - k - 1, H - N + k - 1);
        s.setForeColor(grey(160 + 10 * k));
        s.lineTo(N - k - 1, N - k - 1);
        s.lineTo(W - N + k, N - k - 1);
    }
    Box->refresh();
}
