#include "ui/MainWindow.h"

#include "game/Puzzle.h"
#include "game/Outlines.h"
#include "platform/Numbers.h"
#include "platform/Pictures.h"
#include "platform/Profile.h"
#include "assets/Assets.h"
#include "assets/Texture.h"
#include "ui/Startup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>

#include <future>

namespace {

// Panels and buttons keep the light grey of a dialog whatever the window's
// colour; the bevels are drawn in greys around it.
const QColor PanelColor(192, 192, 192);

// A brass drawing pin, seen from above.
QImage makePinImage()
{
    QImage img(16, 16, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QRectF(3, 3, 12, 12)); // its shadow
    QRadialGradient g(QPointF(6, 6), 7);
    g.setColorAt(0, QColor(255, 245, 190));
    g.setColorAt(0.5, QColor(212, 170, 60));
    g.setColorAt(1, QColor(120, 85, 20));
    p.setBrush(g);
    p.setPen(QColor(90, 60, 10));
    p.drawEllipse(QRectF(1.5, 1.5, 11, 11));
    return img;
}

QLabel *makePin(QWidget *parent)
{
    auto *pin = new QLabel(parent);
    pin->resize(16, 16);
    pin->setAttribute(Qt::WA_TransparentForMouseEvents);
    return pin;
}

QImage makeColorButtonIcon()
{
    QImage img(24, 24, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    const QColor colors[4] = {QColor(0, 0, 192), QColor(0, 192, 0), QColor(255, 192, 128),
                              QColor(192, 0, 192)};
    for (int i = 0; i < 4; ++i) {
        p.fillRect(QRect(2 + (i % 2) * 10, 2 + (i / 2) * 10, 10, 10), colors[i]);
    }
    p.setPen(Qt::black);
    p.drawRect(QRect(2, 2, 19, 19));
    return img;
}

} // namespace

frmPuzzle::frmPuzzle(platform::Services &services, QWidget *parent)
    : QWidget(parent), m_services(services)
{
    setWindowTitle(QStringLiteral("Quadrifoglio 3D"));
    const QImage icon = resources::LoadResIcon(1);
    if (!icon.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(QFont(QStringLiteral("Arial"), 9));
    buildControls();
    wireBoardHandlers();
    wireClockHandlers();
    wireCommandHandlers();
    // The design's client area: 10530 x 8115 twips.
    resize(702, 541);
}

frmPuzzle::~frmPuzzle() = default;

void frmPuzzle::buildControls()
{
    // The board and the hidden source picture.
    picPuzzle = new PictureBox(this);
    picPuzzle->setGeometry(171, 90, geometry::BoardSize, geometry::BoardSize);
    picPuzzle->setBackColor(Qt::white);
    picPuzzle->setFocusPolicy(Qt::StrongFocus);

    picSorgente = new PictureBox(this);
    picSorgente->setAutoSize(true);
    picSorgente->setGeometry(0, 0, geometry::BoardSize, geometry::BoardSize);
    picSorgente->hide();

    picMask = new PictureBox(this);
    picMask->setGeometry(0, 0, geometry::PieceSquare, geometry::PieceSquare);
    picMask->hide();

    // The message panel with the greeting.
    picMessaggio = new PictureBox(this);
    picMessaggio->setGeometry(161, 20, 380, 76);
    picMessaggio->setBackColor(PanelColor);
    lblMessaggio = new QLabel(picMessaggio);
    lblMessaggio->setGeometry(12, 10, 356, 56);
    lblMessaggio->setTextFormat(Qt::PlainText);
    lblMessaggio->setAlignment(Qt::AlignCenter);
    lblMessaggio->setWordWrap(true);
    lblMessaggio->setFont(QFont(QStringLiteral("Arial"), 28));
    lblMessaggio->setText(QStringLiteral("Quadrifoglio"));

    // The start panel: the three levels and Play.
    picStart = new PictureBox(this);
    picStart->setGeometry(161, 465, 380, 60);
    picStart->setBackColor(PanelColor);
    for (int i = 0; i < 3; ++i) {
        optLevel[i] = new QRadioButton(picStart);
        optLevel[i]->setGeometry(14 + 90 * i, 18, 88, 24);
    }
    cmdStart = new QPushButton(picStart);
    cmdStart->setGeometry(290, 12, 78, 36);
    cmdStart->setEnabled(false); // until a level is chosen

    // The clock panel: time bar with the clock over it, best time, New game.
    picDisplay = new PictureBox(this);
    picDisplay->setGeometry(196, 17, 310, 66);
    picDisplay->setBackColor(PanelColor);
    picDisplay->hide();
    picProgress = new PictureBox(picDisplay);
    picProgress->setGeometry(21, 10, 268, 19);
    picProgress->setBackColor(PanelColor);
    picProgress->hide();
    lblTimer = new QLabel(picProgress);
    lblTimer->setGeometry(104, 0, 60, 19);
    lblTimer->setAlignment(Qt::AlignCenter);
    lblTimer->setTextFormat(Qt::PlainText);
    QFont timerFont(QStringLiteral("Arial"), 10);
    timerFont.setBold(true);
    lblTimer->setFont(timerFont);
    lblTimer->hide();
    lblWinner = new QLabel(picDisplay);
    lblWinner->setGeometry(28, 33, 210, 28);
    lblWinner->setTextFormat(Qt::PlainText);
    lblWinner->setFont(QFont(QStringLiteral("Arial"), 8));
    lblWinner->setText(QStringLiteral("-------"));
    cmdBack = new QPushButton(QStringLiteral("<<"), picDisplay);
    cmdBack->setGeometry(246, 35, 50, 24);

    // The command column beside the board.
    chkTimer = new QPushButton(this);
    chkTimer->setCheckable(true);
    chk3D = new QPushButton(QStringLiteral("3D"), this);
    chk3D->setCheckable(true);
    chk3D->setChecked(true); // the pieces start with their edge
    cmdColor = new QPushButton(this);
    cmdColor->setIcon(QIcon(QPixmap::fromImage(makeColorButtonIcon())));
    cmdInfo = new QPushButton(this);
    cmdEsci = new QPushButton(this);
    QFont columnFont(QStringLiteral("Arial"), 8);
    for (QWidget *w : commandColumn()) {
        w->resize(46, 40);
        w->setFont(columnFont);
    }

    // Pins: one above the board, four on the start panel, four on each of
    // the message and clock panels.
    imgChiodo = makePin(this);
    imgChiodo->setPixmap(QPixmap::fromImage(makePinImage()));
    for (int i = 0; i < 4; ++i)
        imgChiodo1[i] = makePin(picStart);
    imgChiodo1[0]->setPixmap(QPixmap::fromImage(makePinImage()));
    const QPoint startCorners[4] = {{6, 6}, {358, 6}, {6, 38}, {358, 38}};
    for (int i = 0; i < 4; ++i)
        imgChiodo1[i]->move(startCorners[i]);
    for (int i = 0; i < 8; ++i)
        imgChiodo2[i] = makePin(i < 4 ? picMessaggio : picDisplay);
    imgChiodo2[0]->setPixmap(QPixmap::fromImage(makePinImage()));
    const QPoint messageCorners[4] = {{10, 10}, {354, 10}, {10, 50}, {354, 50}};
    const QPoint displayCorners[4] = {{7, 7}, {287, 7}, {7, 43}, {287, 43}};
    for (int i = 0; i < 4; ++i) {
        imgChiodo2[i]->move(messageCorners[i]);
        imgChiodo2[4 + i]->move(displayCorners[i]);
    }
    imgChiodo2[0]->lower();
    for (QLabel *pin : imgChiodo2)
        pin->lower();

    Image2 = new QLabel(this);
    Image2->hide();

    Timer1 = new QTimer(this);
    Timer1->setInterval(200);

    // Piece 1 is part of the design; 2 to 36 are made by the load sequence.
    picTessera[1] = makePiece(1);
}

PictureBox *frmPuzzle::makePiece(int index)
{
    auto *piece = new PictureBox(this);
    piece->setObjectName(QStringLiteral("picTessera%1").arg(index));
    const PictureBox *model = picTessera[1];
    piece->resize(model ? model->size() : QSize(geometry::PieceWindow, geometry::PieceWindow));
    if (model) {
        piece->setCursor(model->cursor());
        piece->setFont(model->font());
    }
    piece->hide();
    return piece;
}

std::array<QWidget *, 5> frmPuzzle::commandColumn() const
{
    return {chkTimer, chk3D, cmdColor, cmdInfo, cmdEsci};
}

void frmPuzzle::setBackColor(const QColor &color)
{
    m_backColor = color;
    // Setting the colour of a window with a persistent drawing clears it.
    m_back.setBackColor(color);
    m_back.cls();
    update();
}

QSize frmPuzzle::outerSize() const
{
    return frameGeometry().size();
}

QString frmPuzzle::sText(int baseId) const
{
    return resources::LoadResString(NewPuzzle::Language + baseId);
}

void frmPuzzle::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    p.fillRect(event->rect(), m_backColor);
    const QImage &img = m_back.image();
    if (!img.isNull())
        p.drawImage(event->rect().topLeft(), img, event->rect());
}

void frmPuzzle::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_back.setSize(event->size());
    Form_Resize();
}

void frmPuzzle::closeEvent(QCloseEvent *event)
{
    if (!m_unloaded) {
        int cancel = 0;
        Form_Unload(cancel);
    }
    event->accept();
}

void frmPuzzle::Form_Load()
{
    QString AppDir = m_services.folders->appDir();
    if (!AppDir.endsWith(QLatin1Char('/')))
        AppDir += QLatin1Char('/');

    // Decoding a large photograph takes longer than everything else the
    // window does before it needs the picture: it starts now, on a thread of
    // its own, and step 18 collects it.
    struct Decoded
    {
        QString path;
        QImage image;
        QString error;
    };
    auto prefetch = std::async(std::launch::async, [base = AppDir + QLatin1String("Matrix")] {
        Decoded d;
        d.path = NewPuzzle::FindPictureFile(base);
        if (!d.path.isEmpty())
            d.image = platform::LoadPictureScaled(
                d.path, QSize(geometry::BoardSize, geometry::BoardSize), &d.error);
        return d;
    });

    // 1. Italian until Matrix.dat says otherwise.
    NewPuzzle::Language = 0;

    // 2-3. Piece 1 shows the open hand; 2 to 36 are copies of it, hidden.
    picTessera[1]->setCursor(resources::LoadResCursor(100));
    for (int i = 2; i <= geometry::PieceCount; ++i)
        picTessera[i] = makePiece(i);
    for (int i = 1; i <= geometry::PieceCount; ++i)
        wirePieceHandlers(i);

    // 4-6.
    SetButtonCursors();
    lblMessaggio->setVisible(false);
    Tessere::SetPieceOutlines(*this);

    // 7. The score file and the colour kept in it.
    SetScoreFilePath();
    ReadBackColor();

    // 8-9.
    Effect3D = -1;
    QColor color;
    ColorFromIndex(ColorIndex, color);
    setBackColor(color);

    // 10-12. The program's folder (found above), Matrix.dat, the captions.
    ReadSettings(AppDir);
    SetCaptions();

    // 13. Show the window, maximized; without a window manager to maximize
    // it, it takes the whole available screen area itself.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();

    // 14-15. The wait message stays on the board while the picture loads.
    ShowLoadingMessage();
    update();
    NewPuzzle::DoEvents();
    lblMessaggio->setVisible(true);

    // 16-17. The picture beside the program.
    const QString PictureFile = NewPuzzle::FindPictureFile(AppDir + QLatin1String("Matrix"));
    if (PictureFile.isEmpty()) {
        m_services.messages->show(this, QStringLiteral("Impossibile trovare l'immagine memorizzata"),
                                  platform::MbCritical, QStringLiteral("Quadrifoglio"));
        endProgram();
        return;
    }

    // 18. Decoded straight to the board's size. A file that does not decode
    // ends the program as a missing one does, naming the file.
    Decoded decoded = prefetch.get();
    if (decoded.path != PictureFile) {
        decoded.image = platform::LoadPictureScaled(
            PictureFile, QSize(geometry::BoardSize, geometry::BoardSize), &decoded.error);
    }
    const QImage picture = decoded.image;
    if (picture.isNull()) {
        m_services.messages->show(this,
                                  QStringLiteral("Impossibile leggere l'immagine memorizzata")
                                      + QLatin1String("\r\n") + PictureFile,
                                  platform::MbCritical, QStringLiteral("Quadrifoglio"));
        endProgram();
        return;
    }
    picSorgente->setPicture(picture);

    // 19.
    FitPicture();
}

void frmPuzzle::endProgram()
{
    // The program ends at once: no unload handler runs, nothing is saved.
    m_ended = true;
    m_unloaded = true;
    hide();
    m_services.end->endProgram();
}

void frmPuzzle::Form_Resize()
{
    // During a game the board stays sunken and the placed pieces stay on
    // their cells wherever the board moves; only the loose ones are dealt
    // out again.
    const bool playing = GameInProgress();
    // The window's drawing starts afresh: the texture does not cover what
    // was drawn before, and the bevel of the old layout would stay behind.
    m_back.cls();
    TileBackground();
    LayoutBoard();
    DrawBevel(picPuzzle, playing);
    DrawFrame3D(picStart, 4);
    DrawFrame3D(picMessaggio, 8);
    ScatterPieces();
    if (playing)
        KeepPlacedPieces();
    update();
}

void frmPuzzle::Form_Unload(int &Cancel)
{
    (void)Cancel;
    m_unloaded = true;
    Timer1->stop();
    // Every failure here is ignored: the colour choice is written at every
    // normal end, changed or not.
    platform::WriteProfileString(QStringLiteral("BackColor"), QStringLiteral("Color"),
                                 QString::number(ColorIndex), ScoreFile);
    ResPicture.reset();
    // The other windows close with this one.
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w != this && w->isVisible())
            w->close();
    }
    m_services.end->endProgram();
}
