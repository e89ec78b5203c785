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
#include "ui/BoardItem.h"
#include "ui/DialogScale.h"
#include "ui/GreetingLayout.h"
#include "ui/HelpDialog.h"
#include "ui/Panels.h"
#include "ui/PauseCover.h"
#include "ui/PieceArt.h"
#include "ui/IconButton.h"
#include "ui/PieceItem.h"
#include "ui/SceneView.h"
#include "ui/ResultDialog.h"

#include <QCloseEvent>
#include <QFile>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <new>
#include <thread>
#include <vector>

#include <unistd.h>

namespace {

// Four colours in a frame, in a 24 x 24 box.
void drawColourIcon(QPainter &p, const QColor &)
{
    const QColor colours[4] = {QColor(0, 0, 192), QColor(0, 192, 0), QColor(255, 192, 128),
                               QColor(192, 0, 192)};
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRect(2 + (i % 2) * 10, 2 + (i / 2) * 10, 10, 10), colours[i]);
    p.setPen(Qt::black);
    p.drawRect(QRect(2, 2, 19, 19));
}

// Half of a length, rounded to a whole pixel, halves to even.
int half(int length)
{
    return int(std::nearbyint(length / 2.0));
}

const QString Title = QStringLiteral("Quadrifoglio");

// The command column's buttons, in design pixels, and the gap between two.
constexpr QSize CommandButton(46, 40);
constexpr int CommandSpacing = 12;

// How long the window waits for a picture nearly decoded before it shows a
// wait instead: a photograph of the copy's usual size is decoded by then.
constexpr int PictureWaitMilliseconds = 50;

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

    buildScene();

    m_ticks = new QTimer(this);
    m_ticks->setObjectName(QStringLiteral("clockTicks"));
    m_ticks->setInterval(gameclock::TickInterval);

    connect(m_start, &StartPanel::levelChosen, this, [this](Level level) {
        m_start->markLevel(level);
        m_game.chooseLevel(level);
        m_start->setPlayEnabled(pictureReady());
        // No button keeps a focus frame.
        focusBoard();
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
        PieceItem *placed = piece(number);
        placed->setPos(puzzle::homePosition(number, m_boardDesign));
        placed->setEnabled(false);
    });
    connect(&m_game, &Game::pieceReturned, this,
            [this](int number) { piece(number)->returnToPickUp(); });
    connect(&m_game, &Game::recordNotSaved, this, &MainWindow::onRecordNotSaved);
    connect(&m_preferences, &Preferences::colourChanged, this, &MainWindow::onColourChanged);
    // The clover goes on the windows once the game is on the screen: decoded
    // and handed to the desktop before, it would hold up the first frame.
    connect(m_view, &SceneView::firstFramePainted, this, &assets::useProgramIcon);

    setUpDesktop();
    m_view->setFocus();
    applyScale(1.0, 1.0);
    // The smallest scene, in the screen's device pixels.
    setMinimumSize((QSizeF(puzzle::MinimumArea) / devicePixelRatioF()).toSize());
}

MainWindow::~MainWindow() = default;

void MainWindow::buildScene()
{
    m_scene = new QGraphicsScene(this);
    // Moving pieces are faster to find among a few dozen items than to index.
    m_scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    m_scene->setFont(font());
    m_view = new SceneView(m_scene, this);

    m_board = new BoardItem;
    m_scene->addItem(m_board);
    m_boardPin = new PinItem;
    m_scene->addItem(m_boardPin);
    m_greeting = new GreetingPanel;
    m_start = new StartPanel;
    m_clock = new ClockPanel;
    buildCommands();
    m_greetingItem = m_scene->addWidget(m_greeting);
    m_startItem = m_scene->addWidget(m_start);
    m_clockItem = m_scene->addWidget(m_clock);
    m_commandsItem = m_scene->addWidget(m_commands);
    // The pieces lie above the board and the panels; the pause cover above
    // them all, the clock and the commands showing through it.
    for (QGraphicsItem *item : std::initializer_list<QGraphicsItem *>{m_board, m_boardPin, m_greetingItem,
                                                                      m_startItem, m_clockItem, m_commandsItem})
        item->setZValue(1);
    m_board->setZValue(0);
    m_cover = new PauseCover;
    m_cover->setZValue(1e9);
    m_scene->addItem(m_cover);
}

void MainWindow::focusBoard()
{
    // No control keeps the keyboard: the game's keys go to the window.
    m_scene->setFocusItem(nullptr);
    m_view->setFocus();
}

void MainWindow::buildCommands()
{
    // Seven buttons, 46 x 40 with 12 between them: pause, the five commands
    // and the sound switch. The column shows only its buttons.
    m_commands = new QWidget;
    m_commands->setObjectName(QStringLiteral("commands"));
    m_commands->setAttribute(Qt::WA_NoSystemBackground);
    m_commands->setFont(font());
    buildDesktopButtons();
    m_timer = new QPushButton(m_commands);
    m_timer->setObjectName(QStringLiteral("timerSwitch"));
    m_timer->setCheckable(true);
    // Checked is the stopwatch; out is the countdown.
    connect(m_timer, &QPushButton::toggled, &m_game, &Game::setStopwatch);
    connect(m_timer, &QPushButton::clicked, this, [this] {
        focusBoard();
        assets::playCue(&m_sound, assets::Cue::Click);
    });

    m_edge = new QPushButton(QStringLiteral("3D"), m_commands);
    m_edge->setObjectName(QStringLiteral("edgeSwitch"));
    m_edge->setCheckable(true);
    m_edge->setChecked(true); // the pieces start with their edge
    connect(m_edge, &QPushButton::clicked, this, &MainWindow::onEdgeToggled);

    m_colour = new IconButton(drawColourIcon, QSize(24, 24));
    m_colour->setParent(m_commands);
    m_colour->setObjectName(QStringLiteral("colour"));
    connect(m_colour, &QPushButton::clicked, this, &MainWindow::onColourClicked);

    m_about = new QPushButton(m_commands);
    m_about->setObjectName(QStringLiteral("about"));
    connect(m_about, &QPushButton::clicked, this, &MainWindow::onAboutClicked);

    m_exit = new QPushButton(m_commands);
    m_exit->setObjectName(QStringLiteral("exit"));
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);

    const QCursor hand = assets::cursor(assets::Cursor::PointingHand);
    QFont columnFont(QStringLiteral("Arial"));
    columnFont.setPointSizeF(8);
    std::array<QPushButton *, 7> column{m_pause, m_timer, m_edge, m_colour, m_about, m_exit, m_soundSwitch};
    for (std::size_t i = 0; i < column.size(); ++i) {
        column[i]->setGeometry(QRect(QPoint(0, int(i) * (CommandButton.height() + CommandSpacing)), CommandButton));
        column[i]->setFont(columnFont);
        column[i]->setCursor(hand);
    }
    m_commands->resize(CommandButton.width(),
                       int(column.size()) * CommandButton.height() + int(column.size() - 1) * CommandSpacing);
}

bool MainWindow::pictureReady() const
{
    return !m_board->puzzlePicture().isNull();
}

PieceItem *MainWindow::piece(int number) const
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

QList<QWidget *> MainWindow::sceneWidgets() const
{
    return {m_greeting, m_start, m_clock, m_commands};
}

QWidget *MainWindow::sceneWidget(const QString &name) const
{
    for (QWidget *top : sceneWidgets()) {
        if (top->objectName() == name)
            return top;
        if (auto *inside = top->findChild<QWidget *>(name))
            return inside;
    }
    return nullptr;
}

QRect MainWindow::toWindow(const QRectF &design) const
{
    return m_view->windowRect(design);
}

QPoint MainWindow::toWindow(QPointF design) const
{
    return m_view->mapFromScene(design);
}

std::array<QPushButton *, 5> MainWindow::commandColumn() const
{
    return {m_timer, m_edge, m_colour, m_about, m_exit};
}

// --- Loading ------------------------------------------------------------------

std::unique_ptr<platform::PictureDecoding> MainWindow::decodePictureIn(const QString &folder)
{
    const QString path = platform::findPictureFile(folder);
    if (path.isEmpty())
        return nullptr;
    double largest = 1.0;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        largest = scene::scaleFor((QSizeF(screen->size()) * screen->devicePixelRatio()).toSize());
    const int side = scene::devicePixel(puzzle::BoardSize, largest);
    return std::make_unique<platform::PictureDecoding>(path, QSize(side, side));
}

bool MainWindow::load(WindowMode mode, std::unique_ptr<platform::PictureDecoding> picture)
{
    const QString folder = m_services.folders->appDir();
    // Decoding a large photograph takes longer than everything else the
    // window does before it needs the picture: it starts first, if main()
    // has not started it already.
    m_decoding = picture ? std::move(picture) : decodePictureIn(folder);

    tileBackground();
    readGift(folder);
    setTexts();

    placeWindow(mode);

    if (!m_decoding) {
        failToStart(texts::pictureMissingMessage(m_language, folder));
        return false;
    }
    // A picture decoded by now, or within a few frames' time, is on the
    // board from the first frame; else the board shows a wait until it is.
    if (m_decoding->waitFor(PictureWaitMilliseconds)) {
        onPictureDecoded();
    } else {
        m_board->showLoadingMessage(m_language);
        connect(m_decoding.get(), &platform::PictureDecoding::done, this, &MainWindow::onPictureDecoded);
    }
    return !m_closed;
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

void MainWindow::onPictureDecoded()
{
    if (!m_decoding)
        return;
    // Let go of once this call is over: its signal may be what called.
    platform::PictureDecoding *decoding = m_decoding.release();
    decoding->deleteLater();
    if (m_closed)
        return;
    const platform::LoadedPicture &picture = decoding->picture();
    // A file that does not decode ends the game as a missing one does,
    // naming the file and saying why.
    if (picture.image.isNull()) {
        failToStart(texts::pictureUnreadableMessage(m_language, decoding->path(), platform::pictureTrouble(picture)));
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
    assets::useProgramIcon();
    m_services.messages->show(this, message, platform::MessageIcon::Critical, Title);
    m_services.end->quit();
}

// The start screen shows no piece: they are made when the first game starts.
void MainWindow::ensurePieces()
{
    if (m_pieces[0] || m_closed)
        return;
    for (int number = 1; number <= puzzle::PieceCount; ++number) {
        auto *item = new PieceItem(number);
        m_scene->addItem(item);
        connect(item, &PieceItem::pickedUp, &m_game, &Game::pickUp);
        connect(item, &PieceItem::dropped, this, &MainWindow::onPieceDropped);
        m_pieces[number - 1] = item;
    }
    cutPieces(withEdge());
    dealPieces();
}

void MainWindow::cutPieces(bool withEdge)
{
    if (!m_pieces[0])
        return;
    // Cut at the board's own resolution, so that a piece is as sharp as the board.
    const QImage &picture = m_board->puzzlePicture();
    const double deviceScale = m_board->deviceScale();
    // The pictures of a scale are made once and kept, with and without the
    // edge: every Play and every switch of the edge shows them.
    const auto key = std::make_tuple(picture.cacheKey(), deviceScale, m_boardDesign);
    if (key != m_cutKey) {
        m_cuts[0].clear();
        m_cuts[1].clear();
        m_cutKey = key;
    }
    QList<QImage> &cuts = m_cuts[withEdge ? 1 : 0];
    if (cuts.isEmpty()) {
        // Each piece is cut on its own: on a large screen a second core cuts
        // half of them, and the first Play comes sooner.
        std::vector<QImage> cut(puzzle::PieceCount);
        const QPoint board = m_boardDesign;
        // Each thread reads its own handle on the picture.
        const auto cutFrom = [&cut, picture, withEdge, deviceScale, board](int first, int step) {
            for (int i = first; i < puzzle::PieceCount; i += step)
                cut[std::size_t(i)] = pieceart::pieceImage(picture, i + 1, withEdge, deviceScale, board);
        };
        if (deviceScale > 1.0 && std::thread::hardware_concurrency() > 1) {
            std::thread other(cutFrom, 1, 2);
            cutFrom(0, 2);
            other.join();
        } else {
            cutFrom(0, 1);
        }
        cuts = QList<QImage>(cut.begin(), cut.end());
    }
    for (int i = 0; i < puzzle::PieceCount; ++i)
        m_pieces[i]->setImage(cuts[i]);
}

// --- Layout -------------------------------------------------------------------

void MainWindow::applyScale(double factor, qreal ratio)
{
    m_scale = factor;
    m_view->setSceneScale(factor);
    m_board->setDeviceScale(factor * ratio);
}

void MainWindow::refitPieces()
{
    // Outlines and pictures are fitted to where the board lies, so that a
    // piece at home covers its cell to the device pixel.
    if (!m_pieces[0])
        return;
    cutPieces(withEdge() && m_game.state() != Game::State::Finishing);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_view->setGeometry(rect());
    // The scene's scale follows the window's inside in device pixels.
    const qreal ratio = devicePixelRatioF();
    const double deviceScale = scene::scaleFor((QSizeF(size()) * ratio).toSize());
    const bool rescaled = deviceScale / ratio != m_scale || m_board->deviceScale() != deviceScale;
    if (rescaled)
        applyScale(deviceScale / ratio, ratio);
    // The smallest scene, in this screen's device pixels.
    setMinimumSize((QSizeF(puzzle::MinimumArea) / ratio).toSize());
    const QPoint boardBefore = m_boardDesign;
    layOut();
    // Once for the new scale and board position: at scale 1 a piece's
    // outline and picture do not depend on where the board lies.
    if (rescaled || (m_boardDesign != boardBefore && deviceScale != 1.0))
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
    m_scene->setSceneRect(0, 0, W, H);
    const auto place = [](QGraphicsItem *item, QPoint design) { item->setPos(design); };

    const int boardSize = puzzle::BoardSize;
    m_boardDesign = QPoint(half(W - boardSize), half(H - boardSize));
    const QRect board(m_boardDesign, QSize(boardSize, boardSize));
    place(m_board, board.topLeft());
    place(m_greetingItem, QPoint(board.x() - 10, 20));
    place(m_boardPin, QPoint(half(W - 16), board.y() - 16 - 9));
    // On a short window (a taskbar below it) the clock panel keeps its top edge.
    const QSize clock = m_clock->designSize();
    place(m_clockItem, QPoint(half(W - clock.width()), std::max(0, board.y() - clock.height() - 33)));
    place(m_startItem, QPoint(half(W - m_start->designSize().width()), board.bottom() + 1 + 15));

    // The command column stands just outside the board's bevel on its right,
    // centred on the board, in the gap between the board and the slots. The
    // bevel takes 9 pixels; one more keeps the column clear of the slot
    // column beyond it on the narrowest window.
    // The pause button and the sound switch stand above and below the five
    // commands, at their spacing.
    const int step = CommandButton.height() + CommandSpacing;
    const int columnHeight = 5 * CommandButton.height() + 4 * CommandSpacing;
    const int left = board.right() + 1 + 10;
    const int top = board.y() + (board.height() - columnHeight) / 2;
    place(m_commandsItem, QPoint(left, top - step));
    if (m_game.isPaused())
        coverBoard();
}

void MainWindow::dealPieces()
{
    if (!m_pieces[0])
        return;
    const QSize pieceSize(puzzle::PieceWidgetSize, puzzle::PieceWidgetSize);
    const puzzle::Slots places = puzzle::slotPositions(designArea(), pieceSize);
    const auto order = puzzle::shuffledPieces();
    for (int slot = 0; slot < puzzle::PieceCount; ++slot) {
        m_slotOf[order[slot] - 1] = slot;
        piece(order[slot])->setPos(places[slot]);
    }
}

void MainWindow::placeLoosePieces()
{
    if (!m_pieces[0])
        return;
    const QSize pieceSize(puzzle::PieceWidgetSize, puzzle::PieceWidgetSize);
    const puzzle::Slots places = puzzle::slotPositions(designArea(), pieceSize);
    for (int number = 1; number <= puzzle::PieceCount; ++number) {
        if (!m_game.isPlaced(number))
            piece(number)->setPos(places[m_slotOf[number - 1]]);
    }
}

void MainWindow::endDrag()
{
    for (PieceItem *item : m_pieces) {
        if (item)
            item->abandonDrag();
    }
}

void MainWindow::keepPlacedPiecesHome()
{
    for (int number = 1; number <= puzzle::PieceCount; ++number) {
        if (m_game.isPlaced(number) && piece(number))
            piece(number)->setPos(puzzle::homePosition(number, m_boardDesign));
    }
}

QRect MainWindow::boardRect() const
{
    return QRect(m_boardDesign, QSize(puzzle::BoardSize, puzzle::BoardSize));
}

void MainWindow::drawBoardBevel(bool sunken)
{
    m_view->setBevel(boardRect(), sunken);
}

void MainWindow::tileBackground()
{
    // One tile of the texture taking the window's colour, repeated from the
    // window's top-left corner when painted: made again only for a new colour.
    const QImage texture = assets::backgroundTexture();
    m_view->setBackground(texture.isNull() ? QPixmap()
                                           : QPixmap::fromImage(background::tintedTile(texture, backgroundColour())),
                          backgroundColour());
}

QColor MainWindow::backgroundColour() const
{
    return colours::backgroundColour(m_preferences.colourIndex());
}

bool MainWindow::withEdge() const
{
    return m_edge->isChecked();
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
    m_game.drop(number, corner, m_boardDesign);
}

void MainWindow::onColourClicked()
{
    assets::playCue(&m_sound, assets::Cue::Click);
    m_preferences.setColourIndex(colours::nextIndex(m_preferences.colourIndex()));
    focusBoard();
}

void MainWindow::onColourChanged()
{
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
        cutPieces(withEdge());
    }
    focusBoard();
}

void MainWindow::onAboutClicked()
{
    assets::playCue(&m_sound, assets::Cue::Window);
    m_aboutDialog = new AboutDialog(this, m_language, backgroundColour(), *m_services.shell);
    dialogscale::grow(m_aboutDialog, m_scale);
    connect(m_aboutDialog, &QDialog::finished, m_aboutDialog, &QObject::deleteLater);
    // Closed, it leaves the keyboard to the board: Space must not open it again.
    focusBoard();
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
    m_startItem->hide();
    m_clockItem->show();
    m_clock->startGame(besttimes::bestTimeCaption(m_game.storedBestTime()));
    m_greetingItem->hide();
    drawBoardBevel(true);
    m_board->showGuide(*m_game.level(), backgroundColour());
    // The pieces appear where the last dealing left them.
    for (PieceItem *item : m_pieces)
        item->show();
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
    m_startItem->show();
    m_clockItem->hide();
    m_greetingItem->show();
    m_boardPin->show();
    drawBoardBevel(false);
    m_board->showPicture();
    // The give-up button has gone: the keys go to the board.
    focusBoard();
    for (PieceItem *item : m_pieces) {
        if (item) {
            item->hide();
            item->setEnabled(true);
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
