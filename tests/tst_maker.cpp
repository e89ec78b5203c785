// The puzzle maker: its rules, its command line, and a made copy in the game.

#include "support/GameFixture.h"
#include "support/BigPictures.h"
#include "support/SmallDisk.h"

#include "game/GiftSettings.h"
#include "maker/CropView.h"
#include "maker/Maker.h"
#include "maker/MakerWindow.h"
#include "ui/GreetingLayout.h"
#include "ui/Panels.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <csignal>
#include <sys/file.h>

namespace {

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

// Every file and folder under `dir`, with the contents of the files.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        entries.insert(QDir(dir).relativeFilePath(path), it.fileInfo().isDir() ? "<folder>" : readFile(path));
    }
    return entries;
}

QStringList names(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// The maker's exit code (-1 when it crashed or hung) and what it wrote on stderr.
std::pair<int, QString> runMaker(const QStringList &arguments, const QString &program = QStringLiteral(MAKER_EXECUTABLE))
{
    QProcess p;
    p.start(program, arguments);
    const bool ended = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit;
    return {ended ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class tst_maker : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work;
    QString m_png, m_bmp, m_jpg, m_gif, m_text, m_huge, m_claims;

    QString work(const QString &name, const QByteArray &bytes) { return writeFile(m_work.filePath(name), bytes); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        // Pictures named for the wrong format: the maker goes by their contents.
        TestFolder scratch;
        const auto encoded = [&scratch](const QString &ext) {
            return readFile(scratch.writePicture("p." + ext, TestFolder::cellPicture(QSize(180, 120))));
        };
        m_png = work("png-named.jpg", encoded("png"));
        m_bmp = work("bitmap-named.png", encoded("bmp"));
        m_jpg = work("photo-named.gif", encoded("jpg"));
        m_gif = work("gif-named.bmp", encoded("gif"));
        m_text = work("notes.jpg", "not a picture at all\n");
        m_huge = work("huge.bmp", TestFolder::hugeBitmap()); // the game could not load it
        m_claims = work("claims.bmp", bigpictures::bitmapHeaders(100000, 100000, 24, false) + QByteArray(4000, 'x'));
    }

    // The game reads 4 KiB: digit + greeting + LF must fit, on one line.
    void greetingIsRefusedOrReadBackByTheGame_data()
    {
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<int>("digit"); // -1: refused
        QTest::newRow("LF") << QStringLiteral("Happy\nbirthday") << -1;
        QTest::newRow("line separator") << QStringLiteral("Happy\u2028birthday") << -1;
        QTest::newRow("longest that fits") << QString(4094, u'a') << 1;
        QTest::newRow("one byte too long") << QString(4095, u'a') << -1;
        QTest::newRow("longest, two-byte letters") << QString(2047, u'é') << 2;
        QTest::newRow("too long in UTF-8 only") << QString(2048, u'é') << -1;
        QTest::newRow("Windows-1252 lookalike") << QStringLiteral("€ “quoted” Grüße") << 3;
        QTest::newRow("emoji") << QString::fromUtf8("\xF0\x9F\x8D\x80 Auguri") << 0;
        QTest::newRow("tab") << QStringLiteral("Happy\tday") << -1;
        QTest::newRow("escape") << QStringLiteral("\x1b[2J") << -1;
        QTest::newRow("bell") << QStringLiteral("Hi\a") << -1;
        QTest::newRow("delete") << QStringLiteral("Hi\x7f") << -1;
        QTest::newRow("C1 control") << QStringLiteral("Hi\u0090") << -1;
    }
    void greetingIsRefusedOrReadBackByTheGame()
    {
        QFETCH(QString, greeting);
        QFETCH(int, digit);
        QCOMPARE(maker::greetingProblem(greeting).isEmpty(), digit >= 0);
        if (digit < 0)
            return;
        const QByteArray bytes = maker::matrixDatBytes(digit, greeting);
        QVERIFY(bytes.size() <= gift::MatrixDatReadLimit);
        const gift::Greeting message = gift::parseFirstLine(gift::firstLine(bytes, false));
        QCOMPARE(int(message.languageDigit.value_or(-1)), digit);
        QCOMPARE(message.style, gift::Greeting::Style::Greeting);
        QCOMPARE(message.text, greeting);
    }

    // Nothing is written, not even the folders above the copy.
    void refusalsWriteNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("existing"); // under the parent folder
        QTest::addColumn<QString>("message");
        const auto args = [](const QString &picture, const QString &language, const QString &greeting) {
            return QStringList{picture, "--language", language, "--greeting", greeting, "--out", "@OUT@"};
        };
        QTest::newRow("not a picture") << args(m_text, "en", "Hi") << "" << "not a picture in a format that can be read";
        QTest::newRow("bitmap too big, with its size") << args(m_huge, "en", "Hi") << "" << "40000 x 40000 pixels.*at most 200 megapixels";
        QTest::newRow("bitmap of 100000 x 100000") << args(m_claims, "en", "Hi") << "" << "100000 x 100000 pixels";
        QTest::newRow("escape in the greeting") << args(m_jpg, "en", "Hi\x1b[31m") << "" << "control character \\(U\\+001B\\) at character 3";
        QTest::newRow("picture missing") << args(m_work.filePath("no.jpg"), "en", "Hi") << "" << "does not exist";
        QTest::newRow("greeting with LF") << args(m_jpg, "en", "Happy\nday") << "" << "line break";
        QTest::newRow("unknown language") << args(m_jpg, "pt", "Ola") << "" << "unknown language \"pt\"";
        QTest::newRow("folder not empty") << args(m_png, "fr", "") << "gift/Matrix.dat" << "not empty.*--force";
        QTest::newRow("a file, even with --force") << args(m_png, "fr", "") << "gift" << "not a folder";
    }
    void refusalsWriteNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, existing);
        QFETCH(QString, message);
        QTemporaryDir parent;
        arguments.replaceInStrings("@OUT@", parent.filePath(existing.isEmpty() ? "gift/for/anna" : "gift"));
        if (existing == "gift")
            arguments << "--force";
        if (!existing.isEmpty())
            writeFile(parent.filePath(existing), "1Old greeting\n");
        const auto before = snapshot(parent.path());
        const auto [status, err] = runMaker(arguments);
        QVERIFY2(status > 0 && err.contains(QRegularExpression(message)), qPrintable(err));
        QCOMPARE(snapshot(parent.path()), before);
    }

    // The copy is then started in the game.
    void copyKeepsBitmapJpegAndGifAndLoadsInTheGame_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<QByteArray>("dat");
        QTest::newRow("bitmap named .png") << m_bmp << "Matrix.bmp" << "fr" << "Joyeux Noël" << QByteArray("2Joyeux No\xC3\xABl\n");
        QTest::newRow("JPEG named .gif") << m_jpg << "Matrix.jpg" << "IT" << "Tanti auguri!" << QByteArray("0Tanti auguri!\n");
        QTest::newRow("GIF named .bmp, no greeting") << m_gif << "Matrix.gif" << "es" << "" << QByteArray("4\n");
        QTest::newRow("PNG named .jpg: converted") << m_png << "Matrix.jpg" << "en" << "Hi" << QByteArray("1Hi\n");
    }
    // Stretched, as the maker made every copy before: kept byte for byte
    // where the format allows, the game alone.
    void copyKeepsBitmapJpegAndGifAndLoadsInTheGame()
    {
        QFETCH(QString, path);
        QFETCH(QString, fileName);
        QFETCH(QString, language);
        QFETCH(QString, greeting);
        QFETCH(QByteArray, dat);
        QTemporaryDir parent;
        const QDir out(parent.filePath("gift"));
        const auto [status, err] = runMaker({path, "--language", language, "--greeting", greeting, "--out", out.path(),
                                             "--fit", "stretch", "--game-only"});
        QVERIFY2(status == 0, qPrintable(err));
        QCOMPARE(readFile(out.filePath("Matrix.dat")), dat);
        // Only the copy itself appears: no staging folder is left behind.
        QCOMPARE(names(parent.path()), QStringList{"gift"});
        // The game with its sound module, the picture and Matrix.dat.
        QCOMPARE(names(out.path()).size(), 4);
        QVERIFY(QFileInfo(out.filePath("quadrifoglio-sound.so")).isFile());
        QCOMPARE(readFile(out.filePath(fileName)) == readFile(path), path != m_png);
        QCOMPARE(QImageReader(out.filePath(fileName)).size(), path == m_png ? QSize(180, 180) : QSize(180, 120));
        QCOMPARE(readFile(out.filePath("quadrifoglio")), readFile(GAME_EXECUTABLE));
        QVERIFY(QFileInfo(out.filePath("quadrifoglio")).isExecutable());

        GameFixture game;
        game.fakes.folders.app = out.path();
        MainWindow *window = game.start();
        QVERIFY(game.lives && window && game.fakes.messages.shown.isEmpty());
        QCOMPARE(int(window->language()), dat[0] - '0');
        QCOMPARE(game.find<QLabel>("greeting")->text(), greeting.isEmpty() ? "Quadrifoglio" : greeting);
        // The board shows the given picture, stretched to 360 x 360.
        const QImage board = window->board()->puzzlePicture();
        QCOMPARE(board.size(), QSize(360, 360));
        for (int cell = 0; cell < 36; ++cell) {
            const QColor want = TestFolder::cellColor(cell / 6, cell % 6);
            const QColor got = board.pixelColor(cell % 6 * 60 + 30, cell / 6 * 60 + 30);
            const int off = qAbs(want.red() - got.red()) + qAbs(want.green() - got.green()) + qAbs(want.blue() - got.blue());
            QVERIFY2(off < 60, qPrintable(QString::number(cell)));
        }
    }

    void controlCharacterIsRefusedWithItsPosition_data()
    {
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<QString>("message");
        QTest::newRow("tab third") << QStringLiteral("Hi\tyou") << "control character (U+0009) at character 3";
        QTest::newRow("after an emoji, counted as one") << QString::fromUtf8("\xF0\x9F\x8D\x80\x01") << "(U+0001) at character 2";
        QTest::newRow("first") << QStringLiteral("\x07") << "(U+0007) at character 1";
    }
    void controlCharacterIsRefusedWithItsPosition()
    {
        QFETCH(QString, greeting);
        QFETCH(QString, message);
        const QString problem = maker::greetingProblem(greeting);
        QVERIFY2(problem.contains(message), qPrintable(problem));
    }

    void utf8ProblemNamesTheFirstBadByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message"); // empty: valid
        QTest::newRow("ASCII") << QByteArray("Happy day") << "";
        QTest::newRow("accents and an emoji") << QByteArray("Caf\xC3\xA9 \xF0\x9F\x8D\x80") << "";
        QTest::newRow("Latin-1 byte") << QByteArray("Caf\xE9!") << "byte 0xE9 at byte 4 (character 4)";
        QTest::newRow("after a two-byte letter") << QByteArray("\xC3\xA9\xFF") << "byte 0xFF at byte 3 (character 2)";
        QTest::newRow("cut at the end") << QByteArray("ab\xE2\x82") << "byte 0xE2 at byte 3";
        QTest::newRow("overlong NUL") << QByteArray("\xC0\x80") << "byte 0xC0 at byte 1";
        QTest::newRow("a UTF-16 half") << QByteArray("x\xED\xA0\x80") << "byte 0xED at byte 2";
    }
    void utf8ProblemNamesTheFirstBadByte()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString problem = maker::utf8Problem(bytes);
        QCOMPARE(problem.isEmpty(), message.isEmpty());
        QVERIFY2(problem.contains(message), qPrintable(problem));
    }

    void greetingIsFoundHoweverItIsWritten_data()
    {
        QTest::addColumn<QByteArrayList>("arguments");
        QTest::addColumn<QByteArrayList>("values");
        QTest::newRow("long, then value") << QByteArrayList{"m", "p.png", "--greeting", "A\xFF"} << QByteArrayList{"A\xFF"};
        QTest::newRow("long with =") << QByteArrayList{"m", "--greeting=\xFF", "p.png"} << QByteArrayList{"\xFF"};
        QTest::newRow("short, then value") << QByteArrayList{"m", "-g", "x", "-l", "en"} << QByteArrayList{"x"};
        QTest::newRow("short, joined") << QByteArrayList{"m", "-gHi"} << QByteArrayList{"Hi"};
        QTest::newRow("given twice") << QByteArrayList{"m", "-g", "a", "--greeting", "b"} << QByteArrayList{"a", "b"};
        QTest::newRow("a picture named like it after --") << QByteArrayList{"m", "--", "--greeting"} << QByteArrayList{};
        QTest::newRow("other options") << QByteArrayList{"m", "--language", "-g"} << QByteArrayList{};
    }
    void greetingIsFoundHoweverItIsWritten()
    {
        QFETCH(QByteArrayList, arguments);
        QFETCH(QByteArrayList, values);
        QCOMPARE(maker::rawOptionValues(arguments, 'g', "greeting"), values);
    }

    // Bytes that are not UTF-8 cannot pass through QProcess: a shell makes them.
    void greetingThatIsNotUtf8IsRefused()
    {
        QTemporaryDir parent;
        const QString script = QStringLiteral("exec \"$0\" \"$1\" --language en --greeting \"$(printf 'Buon\\351 anno')\" --out \"$2\"");
        const auto [status, err] = runMaker({"-c", script, MAKER_EXECUTABLE, m_jpg, parent.filePath("gift")}, "/bin/sh");
        QVERIFY2(status == 1 && err.contains("not UTF-8 text: byte 0xE9 at byte 5 (character 5)"), qPrintable(err));
        QCOMPARE(names(parent.path()), QStringList());
    }

    // --force reuses a puzzle's folder, never a folder of programs.
    void forceRefusesFoldersThatAreNoPuzzles_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("message");
        QTest::newRow("launcher link") << "link" << "quadrifoglio\" is a link";
        QTest::newRow("another file named like the game") << "text" << "is not a copy of the game";
        QTest::newRow("the game without a puzzle beside it") << "bare game" << "is not a copy of the game";
        QTest::newRow("a bin folder: another program") << "program" << "holds other programs \\(tool\\)";
        QTest::newRow("a script") << "script" << "holds other programs \\(run.sh\\)";
    }
    void forceRefusesFoldersThatAreNoPuzzles()
    {
        QFETCH(QString, setup);
        QFETCH(QString, message);
        QTemporaryDir out;
        if (setup != "bare game")
            writeFile(out.filePath("Matrix.dat"), "1Old\n");
        if (setup == "link")
            QVERIFY(QFile::link(GAME_EXECUTABLE, out.filePath("quadrifoglio")));
        if (setup == "text")
            writeFile(out.filePath("quadrifoglio"), "old");
        if (setup == "bare game" || setup == "program" || setup == "script")
            QVERIFY(QFile::copy(GAME_EXECUTABLE, out.filePath("quadrifoglio")));
        if (setup == "program")
            QVERIFY(QFile::copy("/bin/true", out.filePath("tool")));
        if (setup == "script") {
            writeFile(out.filePath("run.sh"), "#!/bin/sh\necho hi\n");
            QFile::setPermissions(out.filePath("run.sh"), QFile::permissions(out.filePath("run.sh")) | QFile::ExeOwner);
        }
        const auto before = snapshot(out.path());
        const auto [status, err] = runMaker({m_jpg, "--language", "en", "--out", out.path(), "--force"});
        QVERIFY2(status == 1 && err.contains(QRegularExpression(message)) && err.contains("nothing was written"), qPrintable(err));
        QCOMPARE(snapshot(out.path()), before);
    }

    // Told as the system tells it, with the file that could not be written,
    // and nothing left behind.
    void fullOrReadOnlyDiskIsToldAsSuch_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("option");
        QTest::newRow("full") << false << "cannot write \"[^\"]*/gift/[^\"]*\": No space left on device" << "--out";
        QTest::newRow("full, one file") << false << "cannot write \"[^\"]*/gift\": " << "--single-file";
        QTest::newRow("read-only") << true << "cannot write in the folder \"[^\"]*\": Read-only file system" << "--out";
    }
    void fullOrReadOnlyDiskIsToldAsSuch()
    {
        QFETCH(bool, readOnly);
        QFETCH(QString, message);
        QFETCH(QString, option);
        SmallDisk disk(QStringLiteral("2m"), readOnly);
        if (!disk.mounted())
            QSKIP(disk.why());
        const auto [status, err] = runMaker({m_jpg, "--language", "en", option, disk.path("gift")});
        QVERIFY2(status == 1 && err.contains(QRegularExpression(message)), qPrintable(err));
        QCOMPARE(names(disk.dir()), QStringList());
    }

    void permissionDeniedIsToldAsSuch()
    {
        if (::geteuid() == 0)
            QSKIP("root may write anywhere: the read-only disk above stands for it");
        QTemporaryDir parent;
        QFile::setPermissions(parent.path(), QFile::ReadOwner | QFile::ExeOwner);
        const auto [status, err] = runMaker({m_jpg, "--language", "en", "--out", parent.filePath("gift")});
        QFile::setPermissions(parent.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY2(status == 1 && err.contains("Permission denied"), qPrintable(err));
    }

    // A 108 MB bitmap: read in bands into little memory, and made a JPEG of
    // the largest board's size, which the game loads.
    void bigBitmapBecomesAJpegTheGameLoads()
    {
        const QString path = m_work.filePath("big.bmp");
        QVERIFY(bigpictures::writeCellBitmap(path, 6000, 6000, 24, false));
        QTemporaryDir parent;
        const QString out = parent.filePath("gift");
        const auto [status, err] = runMaker({path, "--language", "en", "--greeting", "Big", "--out", out, "--game-only"});
        QVERIFY2(status == 0, qPrintable(err));
        QCOMPARE(QImageReader(out + "/Matrix.jpg").size(), QSize(maker::MadePictureMaxSide, maker::MadePictureMaxSide));
        QFile::remove(path);
        GameFixture game;
        game.fakes.folders.app = out;
        MainWindow *window = game.start();
        QVERIFY(game.lives && window && game.fakes.messages.shown.isEmpty());
        QCOMPARE(window->board()->puzzlePicture().pixel(30, 330), TestFolder::cellColor(5, 0).rgb());
    }

    // Killed at random moments: a copy is there whole or not at all, and the
    // next run removes the staging folders the killed ones left; one still
    // in use by a running maker stays.
    void stagingFoldersOfKilledRunsAreRemovedByTheNext()
    {
        QTemporaryDir parent;
        const QString out = parent.filePath("gift");
        QRandomGenerator random(9);
        const int kills = 20;
        int left = 0;
        for (int round = 0; round < kills; ++round) {
            QDir(out).removeRecursively();
            QProcess p;
            p.start(MAKER_EXECUTABLE, {m_bmp, "--language", "en", "--greeting", "Hi", "--out", out, "--fit", "stretch", "--game-only"});
            QVERIFY(p.waitForStarted());
            QTest::qSleep(int(random.bounded(5, 120)));
            ::kill(pid_t(p.processId()), SIGKILL);
            QVERIFY(p.waitForFinished(10000));
            if (QFileInfo::exists(out)) {
                QCOMPARE(names(out), QStringList({"Matrix.bmp", "Matrix.dat", "quadrifoglio"}));
                QCOMPARE(readFile(out + "/quadrifoglio"), readFile(GAME_EXECUTABLE));
            }
            left += names(parent.path()).filter(".quadrifoglio-maker-").size();
        }
        qInfo("%d kills, %d staging folders left by them", kills, left);

        QDir(out).removeRecursively();
        const QString running = parent.filePath(".quadrifoglio-maker-Run123");
        QVERIFY(QDir().mkdir(running));
        const int held = ::open(QFile::encodeName(running).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        QVERIFY(held >= 0 && ::flock(held, LOCK_EX) == 0);
        const auto [status, err] = runMaker({m_bmp, "--language", "en", "--out", out, "--game-only"});
        ::close(held);
        QVERIFY2(status == 0, qPrintable(err));
        QCOMPARE(names(parent.path()), QStringList({".quadrifoglio-maker-Run123", "gift"}));
    }

    // The portable copy's own parts go too: the old runtime whole, a note in
    // another language.
    void forceReplacesOnlyThePuzzle()
    {
        QTemporaryDir out;
        for (const char *old : {"MATRIX.BMP", "matrix.gif", "Matrix.dat", "README.txt", "lib/libOld.so.1"})
            writeFile(out.filePath(old), "old");
        // A previous copy: the game itself.
        QVERIFY(QFile::copy(GAME_EXECUTABLE, out.filePath("quadrifoglio")));
        for (const char *kept : {"Matrix.png", "Matrix.jpg.bak", "notes.txt", "photos/Matrix.bmp"})
            writeFile(out.filePath(kept), "keep me");
        const auto [status, err] = runMaker({m_png, "--language", "es", "--greeting", "Hola", "--out", out.path(), "--force"});
        QVERIFY2(status == 0, qPrintable(err));
        QCOMPARE(names(out.path()), QStringList({"LEEME.txt", "Matrix.dat", "Matrix.jpg", "Matrix.jpg.bak", "Matrix.png",
                                                 "lib", "notes.txt", "photos", "plugins", "qt.conf", "quadrifoglio"}));
        QCOMPARE(readFile(out.filePath("Matrix.dat")), QByteArray("4Hola\n"));
        QVERIFY(readFile(out.filePath("Matrix.jpg")).startsWith("\xFF\xD8\xFF"));
        QCOMPARE(readFile(out.filePath("quadrifoglio")), readFile(RUNTIME_DIR "/quadrifoglio"));
        QCOMPARE(names(out.filePath("lib")), names(RUNTIME_DIR "/lib"));
        for (const char *kept : {"Matrix.png", "photos/Matrix.bmp"})
            QCOMPARE(readFile(out.filePath(kept)), QByteArray("keep me"));
    }

    // The colour of a picture whose colour tells where a pixel lies: red
    // grows to the right, green downwards.
    static QColor positionColour(QPoint p, QSize size)
    {
        return QColor(p.x() * 255 / qMax(1, size.width() - 1), p.y() * 255 / qMax(1, size.height() - 1), 128);
    }
    static QImage positionPicture(QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixelColor(x, y, positionColour(QPoint(x, y), size));
        return image;
    }

    // The made square holds what was asked, at most the largest board's size.
    void pictureBecomesTheSquareAsked_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("fit");   // "crop" or "stretch"
        QTest::addColumn<QRect>("crop");    // asked; null: none
        QTest::addColumn<QRect>("taken");   // from the source; null: refused
        QTest::addColumn<int>("side");      // of the made JPEG; 0: kept as it is
        QTest::newRow("square PNG, converted whole") << QSize(500, 500) << "png" << "crop" << QRect() << QRect(0, 0, 500, 500) << 500;
        QTest::newRow("square JPEG, kept") << QSize(500, 500) << "jpg" << "crop" << QRect() << QRect(0, 0, 500, 500) << 0;
        QTest::newRow("portrait: its middle") << QSize(300, 600) << "png" << "crop" << QRect() << QRect(0, 150, 300, 300) << 300;
        QTest::newRow("portrait JPEG: cropped, not kept") << QSize(300, 600) << "jpg" << "crop" << QRect() << QRect(0, 150, 300, 300) << 300;
        QTest::newRow("panorama: its middle") << QSize(4000, 500) << "png" << "crop" << QRect() << QRect(1750, 0, 500, 500) << 500;
        QTest::newRow("one pixel") << QSize(1, 1) << "png" << "crop" << QRect() << QRect(0, 0, 1, 1) << 1;
        QTest::newRow("24 megapixels: scaled to the board") << QSize(6000, 4000) << "jpg" << "crop" << QRect() << QRect(1000, 0, 4000, 4000) << 1080;
        QTest::newRow("the square asked, bottom corner") << QSize(300, 600) << "png" << "crop" << QRect(0, 300, 300, 300) << QRect(0, 300, 300, 300) << 300;
        QTest::newRow("square asked in a huge bitmap") << QSize(5000, 3000) << "bmp" << "crop" << QRect(4000, 2000, 1000, 1000) << QRect(4000, 2000, 1000, 1000) << 1000;
        QTest::newRow("stretched portrait") << QSize(300, 600) << "png" << "stretch" << QRect() << QRect(0, 0, 300, 600) << 600;
        QTest::newRow("stretched bitmap: kept") << QSize(300, 600) << "bmp" << "stretch" << QRect() << QRect(0, 0, 300, 600) << 0;
        QTest::newRow("square past the edge") << QSize(300, 600) << "png" << "crop" << QRect(1, 300, 300, 300) << QRect() << 0;
        QTest::newRow("square and stretch") << QSize(300, 600) << "png" << "stretch" << QRect(0, 0, 300, 300) << QRect() << 0;
    }
    void pictureBecomesTheSquareAsked()
    {
        QFETCH(QSize, size);
        QFETCH(QString, format);
        QFETCH(QString, fit);
        QFETCH(QRect, crop);
        QFETCH(QRect, taken);
        QFETCH(int, side);
        const QString path = m_work.filePath(QStringLiteral("position-%1x%2.%3").arg(size.width()).arg(size.height()).arg(format));
        QVERIFY(positionPicture(size).save(path, nullptr, 98));
        maker::PictureChoice choice;
        choice.fit = fit == "stretch" ? maker::Fit::Stretch : maker::Fit::Crop;
        if (!crop.isNull())
            choice.crop = crop;
        QString why;
        const auto picture = maker::preparePicture(path, choice, &why);
        QCOMPARE(picture.has_value(), !taken.isNull());
        if (!picture) {
            QVERIFY2(why.contains(crop.x() == 1 ? "does not lie inside the picture, which is 300 x 600" : "choose one"), qPrintable(why));
            return;
        }
        QCOMPARE(picture->converted, side > 0);
        if (!picture->converted) {
            QCOMPARE(readFile(picture->source), readFile(path));
            return;
        }
        QImage made;
        QVERIFY(made.loadFromData(picture->bytes, "jpeg"));
        QCOMPARE(made.size(), QSize(side, side));
        // Corners and middle of the made square against the source's.
        const auto near = [](QColor a, QColor b) {
            return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) < 30;
        };
        const QPointF at[] = {{0.05, 0.05}, {0.95, 0.05}, {0.5, 0.5}, {0.05, 0.95}, {0.95, 0.95}};
        for (const QPointF &f : at) {
            const QColor got = made.pixelColor(int(f.x() * (side - 1)), int(f.y() * (side - 1)));
            const QPoint source(taken.x() + int(f.x() * (taken.width() - 1)), taken.y() + int(f.y() * (taken.height() - 1)));
            QVERIFY2(near(got, positionColour(source, size)), qPrintable(QStringLiteral("at %1,%2").arg(f.x()).arg(f.y())));
        }
    }

    // The rule is the game's own layout: a greeting the maker passes shows
    // whole in the game's panel, in the font and box it is measured in.
    void greetingThatWouldBeCutIsRefused_data()
    {
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<bool>("fits");
        QTest::newRow("one line") << QStringLiteral("Buon compleanno, Anna!") << true;
        QTest::newRow("three lines") << QStringLiteral("Tanti auguri di buon compleanno! ").repeated(4).trimmed() << true;
        QTest::newRow("five lines") << QStringLiteral("Tanti auguri di buon compleanno! ").repeated(9) << false;
        QTest::newRow("a word wider than the box") << QString(90, u'W') << false;
    }
    void greetingThatWouldBeCutIsRefused()
    {
        QFETCH(QString, greeting);
        QFETCH(bool, fits);
        const QString problem = maker::greetingFitProblem(greeting);
        QCOMPARE(problem.isEmpty(), fits);
        if (!fits) {
            const int fitting = greetinglayout::charactersThatFit(greeting);
            QVERIFY2(problem.contains(QStringLiteral("the first %1 of its %2 characters fit").arg(fitting).arg(greeting.size())),
                     qPrintable(problem));
            QVERIFY(greetinglayout::fits(greeting.left(fitting)));
            QVERIFY(!greetinglayout::fits(greeting.left(fitting + 1)));
            return;
        }
        // The game shows it in the box and font the maker measured.
        GameFixture game;
        game.givePicture();
        game.giveSettings("1" + greeting.toUtf8() + "\n");
        QVERIFY(game.start());
        const QLabel *label = game.find<QLabel>("greeting");
        QCOMPARE(label->text(), greeting);
        QCOMPARE(label->font(), greetinglayout::greetingFont());
        QCOMPARE(label->geometry(), greetinglayout::TextBox);
        QVERIFY(label->wordWrap());
        QCOMPARE(label->fontMetrics().boundingRect(label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, greeting).height(),
                 QFontMetrics(greetinglayout::greetingFont()).boundingRect(QRect(QPoint(), greetinglayout::TextBox.size()),
                                                                          greetinglayout::textFlags(), greeting).height());
    }

    void charactersNoFontDrawsAreNamed_data()
    {
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<QString>("named"); // empty: no warning
        QTest::newRow("accents, euro, quotes") << QStringLiteral("Grüße, “café” à 5 €") << "";
        QTest::newRow("a private character, twice") << QStringLiteral("Hi \uE000\uE000") << "\uE000 (U+E000); the friend";
        QTest::newRow("a joiner draws nothing") << QStringLiteral("a\u200Db") << "";
    }
    void charactersNoFontDrawsAreNamed()
    {
        QFETCH(QString, greeting);
        QFETCH(QString, named);
        const QString warning = maker::greetingGlyphWarning(greeting);
        QCOMPARE(warning.isEmpty(), named.isEmpty());
        QVERIFY2(warning.contains(named), qPrintable(warning));
    }

    void languageDefaultsToTheDesktops_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("code");
        QTest::newRow("Italian") << "it_IT" << "it";
        QTest::newRow("Swiss German") << "de_CH" << "de";
        QTest::newRow("Mexican Spanish") << "es_MX" << "es";
        QTest::newRow("Canadian French") << "fr_CA" << "fr";
        QTest::newRow("Brazilian Portuguese: English") << "pt_BR" << "en";
        QTest::newRow("C: English") << "C" << "en";
    }
    void languageDefaultsToTheDesktops()
    {
        QFETCH(QString, locale);
        QFETCH(QString, code);
        QCOMPARE(maker::defaultLanguageCode(QLocale(locale)), code);
    }

    // A gift made in the window, as a gift-maker would: picture typed in,
    // square dragged to the bottom, language and greeting chosen; then the
    // copy is started and its board checked.
    void windowMakesACopyWithASquareAndAGreeting()
    {
        const QSize size(300, 600);
        const QString picture = m_work.filePath("window-portrait.png");
        QVERIFY(positionPicture(size).save(picture));
        QTemporaryDir parent;
        const QString out = parent.filePath("Gift for Anna");

        MakerWindow window(RUNTIME_DIR);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *path = window.findChild<QLineEdit *>("picturePath");
        path->setFocus();
        QTest::keyClicks(path, picture);
        QTest::keyClick(path, Qt::Key_Return);
        auto *view = window.findChild<CropView *>("cropView");
        QCOMPARE(view->crop(), QRect(0, 150, 300, 300));

        // Dragged down past the bottom: the square stops at the edge.
        const QPoint grab = view->cropInView().center();
        QWindow *handle = window.windowHandle();
        QTest::mousePress(handle, Qt::LeftButton, {}, view->mapTo(&window, grab));
        QTest::mouseMove(handle, view->mapTo(&window, grab + QPoint(0, 100)));
        QTest::mouseMove(handle, view->mapTo(&window, grab + QPoint(0, 400)));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, view->mapTo(&window, grab + QPoint(0, 400)));
        QCOMPARE(view->crop(), QRect(0, 300, 300, 300));

        auto *language = window.findChild<QComboBox *>("language");
        language->setCurrentIndex(2);
        auto *greeting = window.findChild<QLineEdit *>("greetingEdit");
        auto *make = window.findChild<QPushButton *>("make");
        QTest::keyClicks(window.findChild<QLineEdit *>("outPath"), out);
        // Too long: refused before anything is made, and said so.
        QTest::keyClicks(greeting, QStringLiteral("Joyeux anniversaire ! ").repeated(12));
        QVERIFY(!make->isEnabled());
        QVERIFY(window.findChild<QLabel *>("greetingStatus")->text().contains("does not fit"));
        greeting->clear();
        QTest::keyClicks(greeting, QStringLiteral("Joyeux anniversaire, Anna !"));
        QCOMPARE(window.findChild<GreetingPanel *>("greetingPanel")->greeting(), QStringLiteral("Joyeux anniversaire, Anna !"));
        QVERIFY(make->isEnabled());

        QSignalSpy finished(&window, &MakerWindow::finished);
        QTest::mouseClick(make, Qt::LeftButton);
        QVERIFY(finished.wait(120000));
        QVERIFY2(finished.first().at(0).toBool(), qPrintable(finished.first().at(1).toString()));
        QVERIFY(window.findChild<QPushButton *>("tryCopy")->isEnabled());
        QCOMPARE(window.lastCopy(), out);
        QVERIFY(QFileInfo::exists(out + "/LISEZMOI.txt"));
        QVERIFY(QFileInfo(out + "/lib/libQt6Widgets.so.6").isFile());

        GameFixture game;
        game.fakes.folders.app = out;
        MainWindow *copy = game.start();
        QVERIFY(game.lives && copy && game.fakes.messages.shown.isEmpty());
        QCOMPARE(int(copy->language()), 2);
        QCOMPARE(game.find<QLabel>("greeting")->text(), QStringLiteral("Joyeux anniversaire, Anna !"));
        const QImage board = copy->board()->puzzlePicture();
        for (const QPoint corner : {QPoint(5, 5), QPoint(354, 354)}) {
            const QColor got = board.pixelColor(corner);
            const QColor want = positionColour(QPoint(corner.x() * 299 / 359, 300 + corner.y() * 299 / 359), size);
            QVERIFY2(qAbs(got.red() - want.red()) + qAbs(got.green() - want.green()) < 30,
                     qPrintable(QStringLiteral("%1,%2").arg(corner.x()).arg(corner.y())));
        }
    }
};

QTEST_MAIN(tst_maker)
#include "tst_maker.moc"
