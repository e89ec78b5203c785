#include "ui/MainWindow.h"

#include "assets/Assets.h"
#include "game/GameClock.h"
#include "game/GiftSettings.h"
#include "game/SceneScale.h"
#include "game/Puzzle.h"
#include "platform/Files.h"
#include "platform/PictureTrouble.h"
#include "platform/Pictures.h"
#include "platform/Profile.h"
#include "ui/AboutDialog.h"
#include "ui/Background.h"
#include "ui/BoardWidget.h"
#include "ui/DialogScale.h"
#include "ui/GreetingLayout.h"
#include "ui/HelpDialog.h"
#include "ui/Panels.h"
#include "ui/PauseCover.h"
#include "ui/PieceArt.h"
#include "ui/PieceWidget.h"
#include "ui/ResultDialog.h"

#include <QCloseEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <new>

#include <unistd.h>

namespace {

QImage colourButtonIcon(double scale)
{
    const int side = int(std::lround(24 * scale));
    QImage img(side, side, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.scale(side / 24.0, side / 24.0);
    const QColor colours[4] = {QColor(0, 0, 192), QColor(0, 192, 0), QColor(255, 192, 128),
                               QColor(192, 0, 192)};
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRect(2 + (i % 2) * 10, 2 + (i / 2) * 10, 10, 10), colours[i]);
    p.setPen(Qt::black);
    p.drawRect(QRect(2, 2, 19, 19));
    return img;
}

// Half of a length, rounded to a whole pixel, halves to even.
int half(int length)
{
    return int(std::nearbyint(length / 2.0));
}

const QString Title = QStringLiteral("Quadrifoglio");

} // namespace

MainWindow::MainWindow(platform::Services &services, QWidget *parent)
    : QWidget(parent), m_services(services), m_sound(services.sound),
      // Without a configuration folder the path stays empty: nothing is read
      // or written.
      m_preferences(std::make_unique<platform::ScoreFile>(
          Preferences::scoreFileIn(services.folders->configDir()))),
      m_game(*services.clock, &m_sound, m_preferences)
{
    setWindowTitle(QStringLiteral("Quadrifoglio 3D"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(QFont(QStringLiteral("Arial"), 9));

    m_board = new BoardWidget(this);
    m_greeting = new GreetingPanel(this);
    m_start = new StartPanel(this);
    m_clock = new ClockPanel(this);
    buildCommands();
    m_boardPin = new PinWidget(this);
    m_boardPin->resize(16, 16);

    m_ticks = new QTimer(this);
    m_ticks->setObjectName(QStringLiteral("clockTicks"));
    m_ticks->setInterval(gameclock::TickInterval);

    connect(m_start, &StartPanel::levelChosen, this, [this](Level level) {
        m_start->markLevel(level);
        m_game.chooseLevel(level);
        m_start->setPlayEnabled(pictureReady());
        // No button keeps a focus frame.
        m_board->setFocus();
    });
    connect(m_start, &StartPanel::playClicked, this, &MainWindow::onPlayClicked);
    connect(m_clock, &ClockPanel::giveUpClicked, &m_game, &Game::giveUp);
    connect(m_ticks, &QTimer::timeout, &m_game, &Game::tick);
    // The clock ticks faster in the last seconds.
    connect(&m_game, &Game::tickIntervalChanged, m_ticks,
            [this](int milliseconds) { m_ticks->setInterval(milliseconds); });
    connect(&m_game, &Game::stateChanged, this, &MainWindow::onStateChanged);
    connect(&m_game, &Game::countdownTicked, m_clock, &ClockPanel::showCountdown);
    connect(&m_game, &Game::stopwatchTicked, m_clock, &ClockPanel::showStopwatch);
    connect(&m_game, &Game::piecePlaced, this, [this](int number) {
        PieceWidget *placed = piece(number);
        placed->move(scene::Scale{m_scale}.point(puzzle::homePosition(number, m_boardDesign)));
        placed->setEnabled(false);
    });
    connect(&m_game, &Game::pieceReturned, this,
            [this](int number) { piece(number)->returnToPickUp(); });
    connect(&m_game, &Game::recordNotSaved, this, &MainWindow::onRecordNotSaved);
    connect(&m_preferences, &Preferences::colourChanged, this, &MainWindow::onColourChanged);

    setUpDesktop();
    applyScale(1.0, 1.0);
    // The smallest scene, in the screen's device pixels.
    setMinimumSize((QSizeF(puzzle::MinimumArea) / devicePixelRatioF()).toSize());
}

MainWindow::~MainWindow()
{
    if (m_decoder) {
        m_decoder->wait();
        delete m_decoder;
    }
}

void MainWindow::buildCommands()
{
    m_timer = new QPushButton(this);
    m_timer->setObjectName(QStringLiteral("timerSwitch"));
    m_timer->setCheckable(true);
    // Checked is the stopwatch; out is the countdown.
    connect(m_timer, &QPushButton::toggled, &m_game, &Game::setStopwatch);
    connect(m_timer, &QPushButton::clicked, this, [this] {
        m_board->setFocus();
        assets::playCue(&m_sound, assets::Cue::Click);
    });

    m_edge = new QPushButton(QStringLiteral("3D"), this);
    m_edge->setObjectName(QStringLiteral("edgeSwitch"));
    m_edge->setCheckable(true);
    m_edge->setChecked(true); // the pieces start with their edge
    connect(m_edge, &QPushButton::clicked, this, &MainWindow::onEdgeToggled);

    m_colour = new QPushButton(this);
    m_colour->setObjectName(QStringLiteral("colour"));
    connect(m_colour, &QPushButton::clicked, this, &MainWindow::onColourClicked);

    m_about = new QPushButton(this);
    m_about->setObjectName(QStringLiteral("about"));
    connect(m_about, &QPushButton::clicked, this, &MainWindow::onAboutClicked);

    m_exit = new QPushButton(this);
    m_exit->setObjectName(QStringLiteral("exit"));
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);

    const QCursor hand = assets::cursor(assets::Cursor::PointingHand);
    for (QPushButton *button : commandColumn())
        button->setCursor(hand);
}

bool MainWindow::pictureReady() const
{
    return !m_board->puzzlePicture().isNull();
}

PieceWidget *MainWindow::piece(int number) const
{
    if (number < 1 || number > puzzle::PieceCount)
        return nullptr;
    return m_pieces[number - 1];
}

QWidget *MainWindow::startPanel() const
{
    return m_start;
}

QWidget *MainWindow::clockPanel() const
{
    return m_clock;
}

QWidget *MainWindow::greetingPanel() const
{
    return m_greeting;
}

std::array<QPushButton *, 5> MainWindow::commandColumn() const
{
    return {m_timer, m_edge, m_colour, m_about, m_exit};
}

// --- Loading ------------------------------------------------------------------

bool MainWindow::load(WindowMode mode)
{
    const QString folder = m_services.folders->appDir();
    const QString picturePath = platform::findPictureFile(folder);

    // Decoding a large photograph takes longer than everything else the
    // window does before it needs the picture, so it starts first, on a
    // thread of its own; the board shows a wait until it is done.
    auto decoded = std::make_shared<platform::LoadedPicture>();
    if (!picturePath.isEmpty()) {
        // Decoded at the size of the largest board this screen can show, so
        // that the board is sharp at every scale.
        double largest = 1.0;
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            largest = scene::scaleFor((QSizeF(screen->size()) * screen->devicePixelRatio()).toSize());
        const int side = scene::Scale{largest}.px(puzzle::BoardSize);
        m_decoder = QThread::create([decoded, picturePath, side] {
            *decoded = platform::loadPicture(picturePath, QSize(side, side));
        });
        connect(m_decoder, &QThread::finished, this, [this, decoded, picturePath] {
            onPictureDecoded(*decoded, picturePath);
        });
        m_decoder->start();
    }

    takeBackgroundColour();
    readGift(folder);
    setTexts();

    placeWindow(mode);
    m_board->showLoadingMessage(m_language);

    if (picturePath.isEmpty()) {
        failToStart(texts::pictureMissingMessage(m_language, folder));
        return false;
    }
    return true;
}

void MainWindow::readGift(const QString &folder)
{
    std::optional<QString> line;
    const QString path = platform::findFileIgnoringCase(folder, QStringLiteral("Matrix.dat"));
    if (!path.isEmpty()) {
        // Opened as a regular file only: a pipe put in its place never holds
        // the start.
        QFile file;
        const int fd = platform::openRegularFile(path);
        if (fd >= 0 && file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            const QByteArray bytes = file.read(gift::MatrixDatReadLimit);
            line = gift::firstLine(bytes, !file.atEnd());
        } else if (fd >= 0) {
            ::close(fd);
        }
    }

    const gift::Greeting greeting = gift::parseFirstLine(line);
    if (greeting.languageDigit)
        m_language = texts::languageForDigit(*greeting.languageDigit);

    // The type the maker measured the greeting in.
    m_greeting->setGreeting(greeting.text, greetinglayout::fontFor(greeting.style));
}

void MainWindow::setTexts()
{
    using texts::TextId;
    const auto S = [this](TextId id) { return texts::text(m_language, id); };
    m_start->setTexts(m_language);
    m_clock->setTexts(m_language);
    m_timer->setText(S(TextId::Timer));
    m_timer->setToolTip(S(TextId::TimerTip));
    m_about->setText(S(TextId::About));
    m_about->setToolTip(S(TextId::AboutTip));
    m_exit->setText(S(TextId::Exit));
    m_exit->setToolTip(S(TextId::ExitTip));
    m_colour->setToolTip(S(TextId::ColourTip));
    m_edge->setToolTip(S(TextId::EdgeTip));
    setDesktopTexts();
}

void MainWindow::onPictureDecoded(const platform::LoadedPicture &picture, const QString &path)
{
    m_decoder->deleteLater();
    m_decoder = nullptr;
    if (m_closed)
        return;
    // A file that does not decode ends the game as a missing one does,
    // naming the file and saying why.
    if (picture.image.isNull()) {
        failToStart(texts::pictureUnreadableMessage(m_language, path, platform::pictureTrouble(picture)));
        return;
    }
    m_board->setPuzzlePicture(picture.image);
    m_start->setPlayEnabled(m_game.level().has_value());
}

void MainWindow::failToStart(const QString &message)
{
    // The game ends at once: nothing is saved.
    m_closed = true;
    hide();
    m_services.messages->show(this, message, platform::MessageIcon::Critical, Title);
    m_services.end->quit();
}

// The start screen shows no piece: they are made when the first game starts.
void MainWindow::ensurePieces()
{
    if (m_pieces[0] || m_closed)
        return;
    for (int number = 1; number <= puzzle::PieceCount; ++number) {
        auto *widget = new PieceWidget(number, this);
        widget->setScale(m_scale, m_boardDesign, m_board->pixelRatio());
        connect(widget, &PieceWidget::pickedUp, &m_game, &Game::pickUp);
        connect(widget, &PieceWidget::dropped, this, &MainWindow::onPieceDropped);
        m_pieces[number - 1] = widget;
    }
    m_boardPin->raise();
    cutPieces(withEdge());
    dealPieces();
}

void MainWindow::cutPieces(bool withEdge)
{
    if (!m_pieces[0])
        return;
    // Cut at the board's own resolution, so that a piece is as sharp as the board.
    const QImage &picture = m_board->puzzlePicture();
    const qreal ratio = m_board->pixelRatio();
    // The pictures of a scale are made once and kept, with and without the
    // edge: every Play and every switch of the edge shows them.
    const auto key = std::make_tuple(picture.cacheKey(), m_scale, ratio, m_boardDesign);
    if (key != m_cutKey) {
        m_cuts[0].clear();
        m_cuts[1].clear();
        m_cutKey = key;
    }
    QList<QImage> &cuts = m_cuts[withEdge ? 1 : 0];
    if (cuts.isEmpty()) {
        for (PieceWidget *widget : m_pieces) {
            QImage square = pieceart::pieceImage(picture, widget->piece(), withEdge, m_scale, ratio,
                                                 m_boardDesign);
            square.setDevicePixelRatio(ratio);
            cuts.append(square);
        }
    }
    for (int i = 0; i < puzzle::PieceCount; ++i)
        m_pieces[i]->setImage(cuts[i]);
}

// --- Layout -------------------------------------------------------------------

void MainWindow::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    // The texture and the bevel are laid in device pixels: they stay sharp
    // on a scaled desktop.
    if (m_backRatio != 1.0)
        p.scale(1 / m_backRatio, 1 / m_backRatio);
    const QRectF area(QPointF(event->rect().topLeft()) * m_backRatio, QSizeF(event->rect().size()) * m_backRatio);
    // The texture's tiles, from the window's corner, cover every pixel.
    if (m_backTile.isNull())
        p.fillRect(area, backgroundColour());
    else
        p.fillRect(area, QBrush(m_backTile));
    if (!m_bevelSunken)
        return;
    // A piece dragged over the slots repaints no part of the bevel.
    const QRect around = boardBevelArea();
    const int rings = int(std::lround(9 * m_scale * m_backRatio)) + 1;
    if (area.intersects(QRectF(around.adjusted(-rings, -rings, rings, rings))))
        background::paintBevel(p, around, *m_bevelSunken, m_scale * m_backRatio);
}

void MainWindow::applyScale(double factor, qreal ratio)
{
    m_scale = factor;
    const scene::Scale scale{factor};
    m_board->setScale(factor, ratio);
    m_cover->setScale(factor);
    for (ScenePanel *panel : std::initializer_list<ScenePanel *>{m_greeting, m_start, m_clock})
        panel->setScale(factor);
    m_boardPin->resize(scale.size(QSize(16, 16)));
    QFont columnFont(QStringLiteral("Arial"));
    columnFont.setPointSizeF(8 * factor);
    for (QPushButton *button : commandColumn()) {
        button->resize(scale.size(QSize(46, 40)));
        button->setFont(columnFont);
    }
    for (QPushButton *button : {m_pause, m_soundSwitch}) {
        if (button) {
            button->setFont(columnFont);
            button->setIconSize(scale.size(QSize(16, 16)));
        }
    }
    drawDesktopIcons(factor * ratio);
    m_colour->setIconSize(scale.size(QSize(24, 24)));
    QPixmap icon = QPixmap::fromImage(colourButtonIcon(factor * ratio));
    icon.setDevicePixelRatio(ratio);
    m_colour->setIcon(QIcon(icon));
}

void MainWindow::refitPieces()
{
    // Outlines and pictures are fitted to where the board lies, so that a
    // piece at home covers its cell to the device pixel.
    if (!m_pieces[0])
        return;
    for (PieceWidget *widget : m_pieces)
        widget->setScale(m_scale, m_boardDesign, m_board->pixelRatio());
    cutPieces(withEdge() && m_game.state() != Game::State::Finishing);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The scene's scale follows the window's inside in device pixels.
    const qreal ratio = devicePixelRatioF();
    const double deviceScale = scene::scaleFor((QSizeF(size()) * ratio).toSize());
    const bool rescaled = deviceScale / ratio != m_scale || m_board->pixelRatio() != ratio;
    if (rescaled)
        applyScale(deviceScale / ratio, ratio);
    // The smallest scene, in this screen's device pixels.
    setMinimumSize((QSizeF(puzzle::MinimumArea) / ratio).toSize());
    m_backRatio = ratio;
    tileBackground();
    const QPoint boardBefore = m_boardDesign;
    layOut();
    // Once for the new scale and board position: at scale 1 on a plain
    // screen a piece's outline and picture do not depend on where the board lies.
    if (rescaled || (m_boardDesign != boardBefore && (m_scale != 1.0 || ratio != 1.0)))
        refitPieces();
    drawBoardBevel(m_game.state() == Game::State::Playing);
    // During a game every loose piece keeps its slot, laid out for the new
    // window, and the placed ones stay on their cells wherever the board
    // moves. Between games the pieces, out of sight, are dealt afresh.
    if (gameOn()) {
        endDrag();
        placeLoosePieces();
        keepPlacedPiecesHome();
    } else {
        dealPieces();
    }
    update();
}

QSize MainWindow::designArea() const
{
    return QSize(int(width() / m_scale), int(height() / m_scale));
}

void MainWindow::layOut()
{
    // The layout follows the window's inside, in design pixels: a frame or a
    // taskbar takes nothing from the scene.
    const QSize area = designArea();
    const int W = area.width();
    const int H = area.height();
    const scene::Scale scale{m_scale};
    const auto place = [&scale](QWidget *widget, QPoint design) { widget->move(scale.point(design)); };

    const int boardSize = puzzle::BoardSize;
    m_boardDesign = QPoint(half(W - boardSize), half(H - boardSize));
    const QRect board(m_boardDesign, QSize(boardSize, boardSize));
    place(m_board, board.topLeft());
    place(m_greeting, QPoint(board.x() - 10, 20));
    place(m_boardPin, QPoint(half(W - 16), board.y() - 16 - 9));
    // On a short window (a taskbar below it) the clock panel keeps its top edge.
    const QSize clock = m_clock->designSize();
    place(m_clock, QPoint(half(W - clock.width()), std::max(0, board.y() - clock.height() - 33)));
    place(m_start, QPoint(half(W - m_start->designSize().width()), board.bottom() + 1 + 15));

    // The command column stands just outside the board's bevel on its right,
    // centred on the board, in the gap between the board and the slots. The
    // bevel takes 9 pixels; one more keeps the column clear of the slot
    // column beyond it on the narrowest window.
    const auto column = commandColumn();
    const int buttonHeight = 40;
    const int spacing = 12;
    const int columnHeight = int(column.size()) * buttonHeight + int(column.size() - 1) * spacing;
    const int left = board.right() + 1 + 10;
    int top = board.y() + (board.height() - columnHeight) / 2;
    for (QPushButton *button : column) {
        place(button, QPoint(left, top));
        top += buttonHeight + spacing;
    }
    m_boardPin->raise();
    placeDesktopButtons();
}

void MainWindow::dealPieces()
{
    if (!m_pieces[0])
        return;
    const QSize pieceSize(puzzle::PieceWidgetSize, puzzle::PieceWidgetSize);
    const puzzle::Slots places = puzzle::slotPositions(designArea(), pieceSize);
    const scene::Scale scale{m_scale};
    const auto order = puzzle::shuffledPieces();
    for (int slot = 0; slot < puzzle::PieceCount; ++slot) {
        m_slotOf[order[slot] - 1] = slot;
        piece(order[slot])->move(scale.point(places[slot]));
    }
}

void MainWindow::placeLoosePieces()
{
    if (!m_pieces[0])
        return;
    const QSize pieceSize(puzzle::PieceWidgetSize, puzzle::PieceWidgetSize);
    const puzzle::Slots places = puzzle::slotPositions(designArea(), pieceSize);
    const scene::Scale scale{m_scale};
    for (int number = 1; number <= puzzle::PieceCount; ++number) {
        if (!m_game.isPlaced(number))
            piece(number)->move(scale.point(places[m_slotOf[number - 1]]));
    }
}

void MainWindow::endDrag()
{
    for (PieceWidget *widget : m_pieces) {
        if (widget)
            widget->abandonDrag();
    }
}

void MainWindow::keepPlacedPiecesHome()
{
    for (int number = 1; number <= puzzle::PieceCount; ++number) {
        if (m_game.isPlaced(number) && piece(number))
            piece(number)->move(scene::Scale{m_scale}.point(puzzle::homePosition(number, m_boardDesign)));
    }
}

QRect MainWindow::boardBevelArea() const
{
    // Around the board, in device pixels.
    const QRect board = m_board->geometry();
    const auto device = [this](int length) { return int(std::lround(length * m_backRatio)); };
    return QRect(QPoint(device(board.x()), device(board.y())),
                 QPoint(device(board.x() + board.width()) - 1, device(board.y() + board.height()) - 1));
}

void MainWindow::drawBoardBevel(bool sunken)
{
    m_bevelSunken = sunken;
    update();
}

void MainWindow::tileBackground()
{
    // One tile of the texture taking the window's colour, repeated from the
    // window's top-left corner when painted.
    const QImage texture = assets::backgroundTexture();
    if (texture.isNull()) {
        m_backTile = QPixmap();
    } else {
        platform::Surface tile;
        tile.setBackColor(backgroundColour());
        tile.setSize(texture.size());
        background::tileTexture(tile, texture, tile.size());
        m_backTile = QPixmap::fromImage(tile.image());
    }
    update();
}

QColor MainWindow::backgroundColour() const
{
    return colours::backgroundColour(m_preferences.colourIndex());
}

bool MainWindow::withEdge() const
{
    return m_edge->isChecked();
}

void MainWindow::takeBackgroundColour()
{
    // A new colour clears the texture and the bevels; the callers lay them again.
    m_backTile = QPixmap();
    m_bevelSunken.reset();
    update();
}

bool MainWindow::gameOn() const
{
    return m_game.state() != Game::State::Idle;
}

// --- What the player does -----------------------------------------------------

void MainWindow::onPlayClicked()
{
    try {
        ensurePieces();
        cutPieces(withEdge());
        m_game.start();
    } catch (const std::bad_alloc &) {
        m_services.messages->show(this, texts::text(m_language, texts::TextId::OutOfMemory),
                                  platform::MessageIcon::Critical, Title);
    }
}

void MainWindow::onPieceDropped(int number, QPoint corner)
{
    // The game answers a drop while it is playing; any other time the piece
    // simply goes back.
    if (m_game.state() != Game::State::Playing || m_game.isPaused()) {
        piece(number)->returnToPickUp();
        return;
    }
    // The game's rules are in design pixels.
    m_game.drop(number, scene::Scale{m_scale}.toDesign(corner), m_boardDesign);
}

void MainWindow::onColourClicked()
{
    assets::playCue(&m_sound, assets::Cue::Click);
    m_preferences.setColourIndex(colours::nextIndex(m_preferences.colourIndex()));
    m_board->setFocus();
}

void MainWindow::onColourChanged()
{
    takeBackgroundColour();
    // A pause goes on in the new colour.
    m_cover->setColour(backgroundColour());
    tileBackground();
    drawBoardBevel(true);
    // The Easy stripes are drawn in the window's colour.
    if (m_game.level() == Level::Easy)
        m_board->drawStripes(backgroundColour());
}

void MainWindow::onEdgeToggled()
{
    assets::playCue(&m_sound, assets::Cue::Window);
    // The finished picture stays flat; the next game takes the new choice.
    if (m_game.state() != Game::State::Finishing) {
        // The pieces change out of sight.
        setUpdatesEnabled(false);
        cutPieces(withEdge());
        setUpdatesEnabled(true);
    }
    m_board->setFocus();
}

void MainWindow::onAboutClicked()
{
    assets::playCue(&m_sound, assets::Cue::Window);
    m_aboutDialog = new AboutDialog(this, m_language, backgroundColour(), *m_services.shell);
    dialogscale::grow(m_aboutDialog, m_scale);
    connect(m_aboutDialog, &QDialog::finished, m_aboutDialog, &QObject::deleteLater);
    // Closed, it leaves the keyboard to the board: Space must not open it again.
    m_board->setFocus();
    pauseWhileOpen(m_aboutDialog);
    m_aboutDialog->open();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_closed) {
        m_closed = true;
        m_ticks->stop();
        // The colour is written at every normal end, changed or not; a
        // failure is not worth a word at this point.
        (void)m_preferences.saveColour();
        keepWindowPlacement();
        // The other windows close with this one; a name typed for a record counts.
        if (m_aboutDialog)
            m_aboutDialog->close();
        if (m_result)
            m_result->close();
        m_services.end->quit();
    }
    event->accept();
}

// --- What the game says -------------------------------------------------------

void MainWindow::onStateChanged(Game::State state)
{
    if (m_closed)
        return;
    // Whatever ends the game, a piece still held goes back where it came from.
    endDrag();
    switch (state) {
    case Game::State::Playing:
        showGameScreen();
        break;
    case Game::State::Finishing:
        showFinishedPicture();
        break;
    case Game::State::ShowingResult:
        showResult();
        break;
    case Game::State::Idle:
        showStartScreen();
        break;
    }
}

void MainWindow::showGameScreen()
{
    m_start->hide();
    m_clock->show();
    m_clock->startGame(besttimes::bestTimeCaption(m_game.storedBestTime()));
    m_greeting->hide();
    drawBoardBevel(true);
    m_board->showGuide(*m_game.level(), backgroundColour());
    // The pieces appear where the last dealing left them.
    for (PieceWidget *widget : m_pieces)
        widget->show();
    m_ticks->start();
}

void MainWindow::showFinishedPicture()
{
    m_ticks->stop();
    drawBoardBevel(false);
    // The finished picture shows without the pieces' raised edges; the next
    // game cuts them with the edge again.
    if (withEdge())
        cutPieces(false);
    m_services.clock->singleShot(Game::ShowingMilliseconds, this, [this] {
        if (!m_closed)
            m_game.finishShowing();
    });
}

void MainWindow::showResult()
{
    m_ticks->stop();
    // The end of the game comes first: About and How to play give way to
    // it, so that the window that asks for a name has the keyboard under
    // any window manager.
    if (m_aboutDialog)
        m_aboutDialog->close();
    if (m_help)
        m_help->close();
    m_result = new ResultDialog(this, m_game.result(), m_language, backgroundColour(),
                                m_services.screen->sizePixels());
    dialogscale::grow(m_result, m_scale);
    placeOverGame(m_result);
    connect(m_result, &QDialog::finished, this, [this] {
        const QString name = m_result->typedName();
        m_result->deleteLater();
        m_game.closeResult(name);
    });
    m_result->open();
}

void MainWindow::placeOverGame(QWidget *dialog)
{
    // Centred on the game's window, three pixels to the right, and inside
    // the screen it is on; all in the desktop's own (logical) pixels, which
    // on a scaled desktop are not the screen's device pixels.
    const QRect game = frameGeometry();
    QPoint at(game.x() + int(std::nearbyint((game.width() - dialog->width()) / 2.0 + 3)),
              game.y() + int(std::nearbyint((game.height() - dialog->height()) / 2.0)));
    if (const QScreen *shown = screen()) {
        const QRect area = shown->availableGeometry();
        at.setX(std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - dialog->width())));
        at.setY(std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - dialog->height())));
    }
    dialog->move(at);
}

void MainWindow::showStartScreen()
{
    m_ticks->stop();
    m_start->show();
    m_clock->hide();
    m_greeting->show();
    m_boardPin->show();
    drawBoardBevel(false);
    m_board->showPicture();
    // The give-up button has gone: the keys go to the board.
    m_board->setFocus();
    for (PieceWidget *widget : m_pieces) {
        if (widget) {
            widget->hide();
            widget->setEnabled(true);
        }
    }
    // The next game shows the pieces in new places.
    dealPieces();
}

void MainWindow::onRecordNotSaved(SaveFailure failure, const QString &file)
{
    m_services.messages->show(this, texts::recordNotSavedMessage(m_language, failure, file),
                              platform::MessageIcon::Critical, Title);
}
