// Start-up: the screen size, Matrix.dat, the picture, the colour kept in the score file.

#include "support/GameFixture.h"

#include "game/Texts.h"
#include "platform/Files.h"

#include <QLabel>
#include <QSemaphore>

namespace {

// The one message the program stops with.
void expectStopMessage(const GameFixture &game, const QString &text)
{
    QCOMPARE(game.fakes.messages.shown.size(), 1);
    const ShownMessage &m = game.fakes.messages.shown.first();
    QCOMPARE(m.text, text);
    QCOMPARE(m.icon, platform::MessageIcon::Critical);
    QCOMPARE(m.title, QStringLiteral("Quadrifoglio"));
}

// Captions of the levels, Play, Timer, ?, Exit; tool tips of the levels, Play, Timer, ?, Exit, colour, 3-D, give up.
const QMap<int, QStringList> Captions = {
    {0, {"&Facile", "&Medio", "&Difficile", "&Gioca", "&Timer", "&?", "&Esci", "Livello di difficoltà", "Crea il puzzle",
         "Attiva o disattiva il limite di tempo", "Informazioni su Quadrifoglio 3D", "Chiude il programma",
         "Cambia il colore dello sfondo", "Visualizza o nasconde il bordo tridimensionale", "Abbandona la partita"}},
    {100, {"&Easy", "&Medium", "&Difficult", "&Play", "&Timer", "&?", "E&xit", "Difficulty level", "Create the puzzle",
           "Time limit on or off", "About Quadrifoglio 3D", "End program", "Change background color",
           "Show or hide the 3D edge of the pieces", "Give up the game"}}};

} // namespace

class tst_startup : public QObject
{
    Q_OBJECT

private slots:
    void screenMustBeAtLeast800x600_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<bool>("runs");
        QTest::newRow("799 x 600") << QSize(799, 600) << false;
        QTest::newRow("800 x 599") << QSize(800, 599) << false;
        QTest::newRow("800 x 600") << QSize(800, 600) << true;
    }
    void screenMustBeAtLeast800x600()
    {
        QFETCH(QSize, screen);
        QFETCH(bool, runs);
        GameFixture game;
        QCOMPARE(game.startCopy('0', screen) != nullptr, runs);
        QCOMPARE(game.lives, runs);
        QCOMPARE(game.fakes.messages.shown.isEmpty(), runs);
        if (runs)
            return;
        expectStopMessage(game, texts::screenTooSmallMessage());
        QVERIFY(!game.folder.scoreFileExists());
    }

    // The clover is the icon of every window once the game is on the screen
    // (not before: it would hold up the first frame), or when it stops with
    // a message.
    void windowsCarryTheClover_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::newRow("the game on the screen") << QSize(1024, 768);
        QTest::newRow("a screen too small") << QSize(799, 600);
    }
    void windowsCarryTheClover()
    {
        QFETCH(QSize, screen);
        QGuiApplication::setWindowIcon(QIcon());
        GameFixture game;
        MainWindow *window = game.startCopy('0', screen);
        if (window)
            QVERIFY(QTest::qWaitForWindowExposed(window));
        QTRY_COMPARE(QGuiApplication::windowIcon().availableSizes().size(), 2);
        if (window)
            QCOMPARE(window->windowIcon().cacheKey(), QGuiApplication::windowIcon().cacheKey());
    }

    void matrixDatSetsLanguageAndMessage_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("style"); // 0 greeting, 1 the name in bold italic, 2 as designed
        QTest::newRow("French greeting") << "Matrix.dat" << QByteArray("2Bonne fête\r\n") << 200 << "Bonne fête" << 0;
        QTest::newRow("only spaces after the digit") << "Matrix.dat" << QByteArray("3     \n") << 300 << "Quadrifoglio" << 1;
        QTest::newRow("empty first line") << "Matrix.dat" << QByteArray("\n1Hello") << 0 << "Quadrifoglio" << 1;
        QTest::newRow("5 is no language") << "Matrix.dat" << QByteArray("5Ciao") << 0 << "Ciao" << 0;
        QTest::newRow("spaces kept on the left only") << "Matrix.dat" << QByteArray("x   Ciao   \n") << 0 << "   Ciao" << 0;
        QTest::newRow("missing") << "" << QByteArray() << 0 << "Quadrifoglio" << 2;
        QTest::newRow("zero bytes") << "Matrix.dat" << QByteArray() << 0 << "Quadrifoglio" << 2;
        QTest::newRow("Windows name and code page") << "MATRIX.DAT" << QByteArray("4Feliz a\xf1o\r\n") << 400 << "Feliz año" << 0;
        QTest::newRow("markup shown as text") << "Matrix.dat" << QByteArray("1<b>Hi</b><img src=x>") << 100
                                              << "<b>Hi</b><img src=x>" << 0;
    }
    void matrixDatSetsLanguageAndMessage()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, bytes);
        QFETCH(int, language);
        QFETCH(QString, message);
        QFETCH(int, style);
        GameFixture game;
        game.givePicture();
        if (!fileName.isEmpty())
            game.folder.write(fileName, bytes);
        MainWindow *window = game.start();
        QVERIFY(window);
        QCOMPARE(100 * int(window->language()), language);
        const QLabel *greeting = game.find<QLabel>("greeting");
        QCOMPARE(greeting->text(), message);
        QCOMPARE(greeting->textFormat(), Qt::PlainText);
        QCOMPARE(greeting->font().pointSize(), style == 0 ? 10 : 28);
        QCOMPARE(greeting->font().bold(), style == 1);
        QCOMPARE(greeting->font().italic(), style == 1);
        QVERIFY(greeting->isVisible());
        const QStringList shown = {
            game.levelButton(0)->text(), game.levelButton(1)->text(), game.levelButton(2)->text(),
            game.button("play")->text(), game.button("timerSwitch")->text(), game.button("about")->text(),
            game.button("exit")->text(), game.levelButton(0)->toolTip(), game.button("play")->toolTip(),
            game.button("timerSwitch")->toolTip(), game.button("about")->toolTip(), game.button("exit")->toolTip(),
            game.button("colour")->toolTip(), game.button("edgeSwitch")->toolTip(), game.button("giveUp")->toolTip()};
        QCOMPARE(shown[3], texts::text(texts::Language(language / 100), texts::TextId::Play));
        if (Captions.contains(language))
            QCOMPARE(shown, Captions[language]);
    }

    void pictureFilesArePickedInOrder_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("bitmap before JPEG") << QStringList{"Matrix.jpg", "Matrix.bmp"} << "Matrix.bmp";
        QTest::newRow("JPEG before GIF") << QStringList{"Matrix.gif", "Matrix.jpg"} << "Matrix.jpg";
        QTest::newRow("name from Windows") << QStringList{"matrix.JPG"} << "matrix.JPG";
    }
    void pictureFilesArePickedInOrder()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, chosen);
        // Each file has its own colour; the board shows the chosen one's.
        QImage red(120, 90, QImage::Format_RGB32), blue = red;
        red.fill(Qt::red);
        blue.fill(Qt::blue);
        GameFixture game;
        for (const QString &file : files)
            game.folder.writePicture(file, file == chosen ? red : blue);
        QVERIFY(game.start());
        const QColor shown = game.window->board()->image().pixelColor(180, 180); // JPEG moves colours a little
        QVERIFY2(shown.red() > 200 && shown.blue() < 60, qPrintable(shown.name()));
    }

    void aFolderNamedLikeThePictureIsNoPicture()
    {
        TestFolder folder;
        QDir(folder.appDir()).mkdir("Matrix.bmp");
        QVERIFY(!platform::isRegularReadableFile(folder.appDir() + "/Matrix.bmp"));
        folder.writePicture("Matrix.gif", TestFolder::cellPicture());
        QCOMPARE(QFileInfo(platform::findPictureFile(folder.appDir())).fileName(),
                 QStringLiteral("Matrix.gif"));
    }

    // A picture still decoding when the window is ready: the board shows a
    // wait and Play stays off until it comes; one that then fails stops the
    // game as one that failed at once does.
    void pictureDecodedAfterTheWindowIsShown_data()
    {
        QTest::addColumn<bool>("decodes");
        QTest::newRow("the picture comes") << true;
        QTest::newRow("the picture is damaged") << false;
    }
    void pictureDecodedAfterTheWindowIsShown()
    {
        QFETCH(bool, decodes);
        GameFixture game;
        game.givePicture();
        game.giveSettings("1Have fun\r\n");
        const QString path = game.folder.appDir() + "/Matrix.bmp";
        QSemaphore decoding;
        auto picture = std::make_unique<platform::PictureDecoding>(path, [&decoding, decodes] {
            decoding.acquire();
            platform::LoadedPicture loaded;
            if (decodes)
                loaded.image = TestFolder::cellPicture().scaled(360, 360);
            else
                loaded.problem = platform::PictureProblem::Damaged;
            return loaded;
        });
        std::unique_ptr<MainWindow> window = startup::start(game.fakes.services(), MainWindow::WindowMode::Maximized,
                                                            std::move(picture));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(!window->pictureReady());
        // The wait: the hourglass in the middle of the board, on white.
        const QImage waiting = window->board()->image();
        QCOMPARE(waiting.pixelColor(10, 10), QColor(Qt::white));
        QVERIFY(waiting.pixelColor(180, 180) != QColor(Qt::white));
        game.window = window.get();
        QTest::mouseClick(game.levelButton(0), Qt::LeftButton);
        QVERIFY(!game.button("play")->isEnabled());

        decoding.release();
        if (decodes) {
            QTRY_VERIFY(window->pictureReady());
            QVERIFY(game.button("play")->isEnabled());
            QCOMPARE(window->board()->image().pixelColor(10, 10), TestFolder::cellPicture().scaled(360, 360).pixelColor(10, 10));
            QVERIFY(game.fakes.messages.shown.isEmpty());
        } else {
            QTRY_COMPARE(game.fakes.end.quits, 1);
            texts::PictureTrouble damaged;
            damaged.kind = texts::PictureTrouble::Damaged;
            expectStopMessage(game, texts::pictureUnreadableMessage(texts::Language::English, path, damaged));
            QVERIFY(!window->isVisible());
        }
    }

    // In the copy's language, saying where the game looked and why it failed.
    void pictureThatCannotBeHadEndsTheProgramWithoutSaving_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<char>("digit");
        QTest::addColumn<QString>("message"); // %1 the folder
        QTest::newRow("missing, German") << "" << QByteArray() << '3'
            << "Das Bild des Puzzles wurde nicht gefunden: Im Ordner\n%1\n"
               "gibt es keine Datei Matrix.bmp, Matrix.jpg oder Matrix.gif.";
        QTest::newRow("not a picture, Italian") << "Matrix.jpg" << QByteArray("this is not a JPEG at all") << '0'
            << "Impossibile leggere l'immagine del puzzle\n%1/Matrix.jpg\n"
               "Il file non è un'immagine BMP, JPEG o GIF.";
        QTest::newRow("40000 x 40000 bitmap, English") << "Matrix.bmp" << TestFolder::hugeBitmap() << '1'
            << "Cannot read the puzzle's picture\n%1/Matrix.bmp\n"
               "The picture is too large: 40000\u00a0×\u00a040000 pixels, more than 200 million pixels.";
    }
    void pictureThatCannotBeHadEndsTheProgramWithoutSaving()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(char, digit);
        QFETCH(QString, message);
        GameFixture game;
        if (!name.isEmpty())
            game.folder.write(name, bytes);
        game.giveSettings(QByteArray(1, digit) + "Ciao\r\n");
        game.folder.writeScoreFile("[BackColor]\nColor=4\n");
        MainWindow *window = game.start();
        QVERIFY(window && !game.lives && !window->isVisible());
        expectStopMessage(game, message.arg(game.folder.appDir()));
        // Closing what is left runs no unload: nothing is written.
        window->close();
        QCOMPARE(game.fakes.end.quits, 1);
        QCOMPARE(game.folder.readScoreFile(), QByteArray("[BackColor]\nColor=4\n"));
    }

    void colourChoiceIsReadAndWrittenBack_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QByteArray>("after");
        const QByteArray kept("; kept by the game\n[Immagine]\n0=Anna      95\n\n[BackColor]\nColor=9\n\n[Other]\nkey=value ; note\n");
        QTest::newRow("no score file") << QByteArray() << QColor(128, 128, 128) << QByteArray("[BackColor]\nColor=0\n");
        QTest::newRow("no configuration folder: nothing written") << QByteArray() << QColor(128, 128, 128) << QByteArray();
        QTest::newRow("halves") << QByteArray("[backcolor]\ncolor = 3.5 \n") << QColor(192, 192, 255) << QByteArray("[backcolor]\nColor=4\n");
        QTest::newRow("records and comments survive") << kept << QColor(192, 64, 0) << kept;
    }
    void colourChoiceIsReadAndWrittenBack()
    {
        QFETCH(QByteArray, before);
        QFETCH(QColor, color);
        QFETCH(QByteArray, after);
        GameFixture game;
        if (!before.isEmpty())
            game.folder.writeScoreFile(before);
        if (after.isEmpty())
            game.fakes.folders.config.clear();
        MainWindow *window = game.startCopy();
        QVERIFY(window);
        QCOMPARE(window->backgroundColour(), color);
        QCOMPARE(game.folder.readScoreFile(), before); // written at exit only
        window->close();
        QCOMPARE(game.fakes.end.quits, 1);
        QCOMPARE(game.folder.readScoreFile(), after);
        QCOMPARE(QDir(game.folder.configDir()).entryList(QDir::Files | QDir::Hidden).size(), after.isEmpty() ? 0 : 1);
    }
};

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
