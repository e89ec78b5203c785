// The puzzle maker: its rules, its command line, and a made copy in the game.

#include "support/GameFixture.h"
#include "support/BigPictures.h"
#include "support/SmallDisk.h"

#include "game/BoardSize.h"
#include "game/GiftSettings.h"
#include "maker/CropView.h"
#include "maker/Maker.h"
#include "maker/MakerWindow.h"
#include "maker/SingleFile.h"
#include "ui/GreetingLayout.h"
#include "ui/Panels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QPainter>
#include <QTextLayout>
#include <QProgressBar>
#include <QPushButton>
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
#include <QXmlStreamReader>

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
// It speaks the language of `locale` (English unless told).
std::pair<int, QString> runMaker(const QStringList &arguments, const QString &program = QStringLiteral(MAKER_EXECUTABLE),
                                 const QString &locale = QStringLiteral("C.UTF-8"))
{
    QProcess p;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.remove(QStringLiteral("LANGUAGE"));
    p.setProcessEnvironment(environment);
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
        // The game with its sound and picture modules, the picture, Matrix.dat and the maker's list.
        QCOMPARE(names(out.path()).size(), 6);
        QVERIFY(QFileInfo(out.filePath("quadrifoglio-sound.so")).isFile());
        QVERIFY(QFileInfo(out.filePath("quadrifoglio-pictures.so")).isFile());
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

    // --force replaces a copy the maker made and nothing else: the folder
    // and every file it refuses for are named, and nothing is written.
    void forceRefusesWhatTheMakerDidNotMake_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("message");
        QTest::newRow("someone else's files") << "home files"
            << "not a copy made by the maker; it holds .*\"LEGGIMI.txt\".*\"README.txt\".*\"matrix.JPG\".*\"notes.txt\".*\"qt.conf\"";
        QTest::newRow("a link to a folder of someone's files") << "link to home" << "is a link; the maker never writes through a link";
        QTest::newRow("a copy, and notes added to it") << "copy and notes" << "holds files the maker did not make: \"notes.txt\"";
        QTest::newRow("a copy, and a file added in its lib folder") << "copy and lib file" << "did not make: \"lib/mine.txt\"";
        QTest::newRow("a copy made without a list") << "copy without list" << "not a copy made by the maker";
        QTest::newRow("a list naming a path outside") << "list escapes" << "not a copy made by the maker";
        QTest::newRow("launcher link in an old folder") << "game link" << "not a copy made by the maker";
    }
    void forceRefusesWhatTheMakerDidNotMake()
    {
        QFETCH(QString, setup);
        QFETCH(QString, message);
        QTemporaryDir parent;
        const QString home = parent.filePath("home"), out = parent.filePath("gift");
        for (const char *name : {"README.txt", "LEGGIMI.txt", "qt.conf", "matrix.JPG", "notes.txt"})
            writeFile(home + '/' + name, "someone's own");
        if (setup == "home files") {
            QVERIFY(QDir().rename(home, out));
        } else if (setup == "link to home") {
            QVERIFY(QFile::link(home, out));
        } else if (setup == "game link") {
            QVERIFY(QDir().mkpath(out));
            writeFile(out + "/Matrix.dat", "1Old\n");
            QVERIFY(QFile::link(GAME_EXECUTABLE, out + "/quadrifoglio"));
        } else {
            const auto [status, err] = runMaker({m_jpg, "--language", "en", "--out", out, "--game-only"});
            QVERIFY2(status == 0, qPrintable(err));
            if (setup == "copy and notes")
                writeFile(out + "/notes.txt", "mine");
            if (setup == "copy and lib file") {
                QVERIFY(runMaker({m_jpg, "--language", "en", "--out", out, "--force"}).first == 0);
                writeFile(out + "/lib/mine.txt", "mine");
            }
            if (setup == "copy without list")
                QVERIFY(QFile::remove(out + "/" + maker::CopyListName));
            if (setup == "list escapes")
                writeFile(out + "/" + maker::CopyListName, "quadrifoglio\nMatrix.dat\nMatrix.jpg\n../home/notes.txt\n");
        }
        const auto before = snapshot(parent.path());
        const auto [status, err] = runMaker({m_jpg, "--language", "en", "--out", out, "--force"});
        QVERIFY2(status == 1 && err.contains(QRegularExpression(message)) && err.contains("nothing was written"), qPrintable(err));
        QCOMPARE(snapshot(parent.path()), before);
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
                QCOMPARE(names(out), QStringList({".quadrifoglio-copy", "Matrix.bmp", "Matrix.dat", "quadrifoglio", "quadrifoglio-pictures.so",
                                                  "quadrifoglio-sound.so"}));
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

    // A copy the maker made is replaced whole in one step: its old files
    // (a picture of another kind, a note in another language) go, nothing
    // of the old copy stays hidden in the new one or beside it, and a folder
    // of the copy turned into a link loses nothing where it leads.
    void forceReplacesACopyTheMakerMade()
    {
        QTemporaryDir parent;
        const QString out = parent.filePath("gift");
        auto [status, err] = runMaker({m_gif, "--language", "it", "--out", out, "--fit", "stretch"});
        QVERIFY2(status == 0, qPrintable(err));
        QVERIFY(QFileInfo::exists(out + "/Matrix.gif") && QFileInfo::exists(out + "/LEGGIMI.txt"));
        // A folder of the copy replaced by a link to someone's files.
        writeFile(parent.filePath("elsewhere/libQt6Core.so.6"), "someone's own");
        QVERIFY(QDir(out + "/lib").removeRecursively());
        QVERIFY(QFile::link(parent.filePath("elsewhere"), out + "/lib"));

        std::tie(status, err) = runMaker({m_png, "--language", "es", "--greeting", "Hola", "--out", out, "--force"});
        QVERIFY2(status == 0, qPrintable(err));
        QCOMPARE(names(parent.path()), QStringList({"elsewhere", "gift"}));
        QCOMPARE(names(out), QStringList({".quadrifoglio-copy", "LEEME.txt", "Matrix.dat", "Matrix.jpg", "lib", "plugins",
                                          "qt.conf", "quadrifoglio", "quadrifoglio-game"}));
        QCOMPARE(readFile(out + "/Matrix.dat"), QByteArray("4Hola\n"));
        QCOMPARE(readFile(out + "/quadrifoglio"), readFile(RUNTIME_DIR "/quadrifoglio"));
        QCOMPARE(names(out + "/lib"), names(RUNTIME_DIR "/lib"));
        QCOMPARE(readFile(parent.filePath("elsewhere/libQt6Core.so.6")), QByteArray("someone's own"));
        // The list names exactly what is there.
        QStringList listed;
        for (const QByteArray &line : readFile(out + "/" + maker::CopyListName).split('\n'))
            if (!line.isEmpty() && !line.startsWith('#'))
                listed << QString::fromUtf8(line);
        QStringList present = snapshot(out).keys();
        present.removeOne(maker::CopyListName);
        listed.sort();
        present.sort();
        QCOMPARE(listed, present);
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
        QTest::newRow("24 megapixels: scaled to the board") << QSize(6000, 4000) << "jpg" << "crop" << QRect() << QRect(1000, 0, 4000, 4000) << maker::MadePictureMaxSide;
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

    // The file is the start script, the decoder, the packed runtime and the
    // gift's files; the packing can be stopped, and then leaves nothing.
    void singleFileIsPackedOrStoppedCleanly_data()
    {
        QTest::addColumn<int>("stopAt"); // the percentage at which keepGoing says no; -1: never
        QTest::newRow("made") << -1;
        QTest::newRow("stopped at once") << 0;
        QTest::newRow("stopped halfway") << 50;
    }
    void singleFileIsPackedOrStoppedCleanly()
    {
        QFETCH(int, stopAt);
        QTemporaryDir dir;
        const QString gift = dir.filePath("gift");
        writeFile(gift + "/Matrix.dat", "2Bonjour !\n");
        writeFile(gift + "/Matrix.jpg", readFile(m_jpg));
        writeFile(gift + "/LISEZMOI.txt", maker::startNoteText(2).toUtf8());
        const QString out = dir.filePath("gift.run");
        QList<int> told;
        QString error;
        const bool made = maker::packSingleFile(gift, PACK_DIR, out, [&](int percent) {
            told << percent;
            return stopAt < 0 || percent < stopAt;
        }, &error);
        QCOMPARE(made, stopAt < 0);
        if (!made) {
            QCOMPARE(error, QStringLiteral("stopped as asked"));
            QVERIFY(!QFileInfo::exists(out));
            return;
        }
        QVERIFY(std::is_sorted(told.begin(), told.end()));
        QCOMPARE(told.last(), 100);
        QVERIFY(maker::isSingleFileCopy(out));
        QVERIFY(QFileInfo(out).isExecutable());
        const QByteArray bytes = readFile(out);
        const qint64 unpacker = QFileInfo(PACK_DIR "/unpack").size(), runtime = QFileInfo(PACK_DIR "/runtime.tar.zst").size();
        const qint64 giftBytes = bytes.size() - maker::SingleFileHeaderBytes - unpacker - runtime;
        QVERIFY(giftBytes > 0 && giftBytes % 512 == 0);
        const QByteArray header = bytes.left(maker::SingleFileHeaderBytes);
        QVERIFY(header.contains("\nlanguage=2\n"));
        QVERIFY(header.contains("\ngift_bytes=" + QByteArray::number(giftBytes) + "\n"));
        QVERIFY(QRegularExpression("\\nkey=[0-9a-f]{16}\\n").match(QString::fromLatin1(header)).hasMatch());
        QCOMPARE(bytes.mid(maker::SingleFileHeaderBytes, unpacker), readFile(PACK_DIR "/unpack"));
        // The gift's files, as tar lists them.
        QProcess tar;
        tar.start("tar", {"-tf", "-"});
        tar.write(bytes.right(giftBytes));
        tar.closeWriteChannel();
        QVERIFY(tar.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(tar.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
                 QStringList({"LISEZMOI.txt", "Matrix.dat", "Matrix.jpg"}));
        // The same gift makes the same file.
        QVERIFY(maker::packSingleFile(gift, PACK_DIR, out + "2", {}, &error));
        QCOMPARE(readFile(out + "2"), bytes);
    }

    // --force replaces only what the maker made as one file.
    void singleFileCopiesAreRecognised_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<bool>("isCopy");
        QTest::newRow("this maker's") << QByteArray("#!/bin/sh\n# Quadrifoglio 3D: a jigsaw puzzle made for you, in one file. Start\n") << true;
        QTest::newRow("an older maker's") << QByteArray("#!/bin/sh\n# This script was generated using Makeself 2.4.5\nlabel=\"Quadrifoglio 3D\"\n") << true;
        QTest::newRow("another script") << QByteArray("#!/bin/sh\necho Quadrifoglio 3D\n") << false;
        QTest::newRow("a program") << QByteArray("\x7f" "ELF Quadrifoglio 3D: a jigsaw puzzle made for you, in one file.") << false;
    }
    void singleFileCopiesAreRecognised()
    {
        QFETCH(QByteArray, head);
        QFETCH(bool, isCopy);
        QCOMPARE(maker::isSingleFileCopy(work("copy.run", head + QByteArray(100, '#'))), isCopy);
    }

    // The game's font measures the greeting on every desktop, and a greeting
    // the maker passes stays inside the panel's box when the scene draws the
    // layout made at the design scale larger: at 1, 1.75 (1920 x 1080 scaled
    // twice) and 3.5 (3840 x 2160), in each language.
    void greetingThatFitsStaysInsideAtEveryScale_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("scale");
        const QList<std::pair<const char *, QString>> languages = {
            {"it", QStringLiteral("Tanti auguri di buon compleanno, cara Giulia! ")},
            {"en", QStringLiteral("Happy birthday, dear Anna, with all our love! ")},
            {"fr", QStringLiteral("Joyeux anniversaire, chère Amélie, à très bientôt ! ")},
            {"de", QStringLiteral("Alles Gute zum Geburtstag, liebe Jürgen-Größe! ")},
            {"es", QStringLiteral("¡Feliz cumpleaños, querida Begoña, con cariño! ")},
        };
        for (const auto &[code, sentence] : languages) {
            for (const double scale : {1.0, 1.75, 3.5})
                QTest::addRow("%s at %.2f", code, scale) << sentence.repeated(6) << scale;
        }
    }
    void greetingThatFitsStaysInsideAtEveryScale()
    {
        QFETCH(QString, text);
        QFETCH(double, scale);
        QCOMPARE(QFontInfo(greetinglayout::greetingFont()).family(), QStringLiteral("Liberation Sans"));
        // The longest beginning the maker lets through.
        const QString greeting = text.left(greetinglayout::charactersThatFit(text)).trimmed();
        QVERIFY(greetinglayout::fits(greeting));
        QVERIFY(maker::greetingFitProblem(greeting).isEmpty());
        // Drawn as the panel draws it, scaled: no ink outside the scaled box.
        const QSize box = greetinglayout::TextBox.size();
        const int margin = 8;
        QImage image((QSizeF(box + QSize(2 * margin, 2 * margin)) * scale).toSize(), QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.scale(scale, scale);
            painter.setFont(greetinglayout::greetingFont());
            painter.setPen(Qt::black);
            painter.drawText(QRect(QPoint(margin, margin), box), greetinglayout::textFlags(), greeting);
        }
        QRect ink;
        for (int y = 0; y < image.height(); ++y) {
            const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(line[x]) < 160)
                    ink |= QRect(x, y, 1, 1);
            }
        }
        const QRect inside = QRectF(QPointF(margin, margin) * scale, QSizeF(box) * scale).toAlignedRect().adjusted(-1, -1, 1, 1);
        QVERIFY(!ink.isEmpty());
        QVERIFY2(inside.contains(ink), qPrintable(QStringLiteral("ink %1,%2 %3x%4 outside %5,%6 %7x%8")
                                                       .arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height())
                                                       .arg(inside.x()).arg(inside.y()).arg(inside.width()).arg(inside.height())));
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

    // The commands the maker prints work as printed: the friend's
    // instruction, run by a shell in the file's folder, starts that file.
    void printedInstructionsWorkAsPrinted_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::newRow("spaces") << "Gift for Anna.run";
        QTest::newRow("apostrophe") << "Anna's gift.run";
        QTest::newRow("shell characters") << "$HOME `x` \"q\" & ; (1).run";
        QTest::newRow("plain") << "gift.run";
    }
    void printedInstructionsWorkAsPrinted()
    {
        QFETCH(QString, fileName);
        QTemporaryDir dir;
        writeFile(dir.filePath(fileName), "echo started > started.txt\n");
        for (int digit = 0; digit < 5; ++digit) {
            const QString text = maker::singleFileInstructions(digit, fileName);
            const QRegularExpressionMatch command = QRegularExpression("  (sh .*?)  ").match(text);
            QVERIFY2(command.hasMatch(), qPrintable(text));
            QFile::remove(dir.filePath("started.txt"));
            QProcess shell;
            shell.setWorkingDirectory(dir.path());
            shell.start("/bin/sh", {"-c", command.captured(1)});
            QVERIFY(shell.waitForFinished(10000));
            QCOMPARE(readFile(dir.filePath("started.txt")), QByteArray("started\n"));
        }
        QCOMPARE(maker::shellQuoted("/tmp/Gift for Anna/quadrifoglio"), QStringLiteral("'/tmp/Gift for Anna/quadrifoglio'"));

        // The command the maker prints last starts the copy it made.
        QTemporaryDir parent;
        QProcess made;
        made.start(MAKER_EXECUTABLE, {m_jpg, "--language", "en", "--out", parent.filePath(fileName.chopped(4)), "--game-only"});
        QVERIFY(made.waitForFinished(30000) && made.exitCode() == 0);
        const QString command = QString::fromUtf8(made.readAllStandardOutput()).trimmed().section('\n', -1).trimmed();
        QProcess shell;
        shell.start("/bin/sh", {"-c", command + " --version"});
        QVERIFY(shell.waitForFinished(30000));
        QVERIFY2(shell.exitCode() == 0 && shell.readAllStandardOutput().contains(QUADRIFOGLIO_VERSION), qPrintable(command));
    }

    // Smaller than the board on a 1920 x 1080 screen: made, with a word.
    void smallPictureOrCropIsWarnedOf_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("crop");
        QTest::addColumn<bool>("warned");
        QTest::newRow("1 x 1 picture") << QSize(1, 1) << "" << true;
        QTest::newRow("120 px crop of a large picture") << QSize(1400, 1400) << "100,100,120" << true;
        QTest::newRow("629 px") << QSize(629, 900) << "" << true;
        QTest::newRow("630 px") << QSize(630, 900) << "" << false;
        QTest::newRow("1400 px, whole") << QSize(1400, 1400) << "" << false;
    }
    void smallPictureOrCropIsWarnedOf()
    {
        QFETCH(QSize, size);
        QFETCH(QString, crop);
        QFETCH(bool, warned);
        const QString picture = m_work.filePath("small.png");
        QVERIFY(TestFolder::cellPicture(size).save(picture));
        QTemporaryDir parent;
        QStringList arguments{picture, "--language", "en", "--out", parent.filePath("gift"), "--game-only"};
        if (!crop.isEmpty())
            arguments << "--crop" << crop;
        const auto [status, err] = runMaker(arguments);
        QVERIFY2(status == 0, qPrintable(err));
        QCOMPARE(err.contains(QRegularExpression("warning: .*only \\d+ pixels a side.*630")), warned);
        // Made pictures go up to the largest board, never above.
        const QSize made = QImageReader(parent.filePath("gift/Matrix.jpg")).size();
        QVERIFY(made.width() <= boardsize::LargestSide);
        if (size.width() >= boardsize::LargestSide && crop.isEmpty())
            QCOMPARE(made.width(), boardsize::LargestSide);
    }

    // Stopped at any step, by Cancel, closing the window or Ctrl+C: nothing
    // is left behind, not even the folders above the copy.
    void stoppedCopyLeavesNothing_data()
    {
        QTest::addColumn<int>("stopAt"); // percent
        QTest::addColumn<bool>("singleFile");
        QTest::newRow("at once") << 0 << false;
        QTest::newRow("while copying the libraries") << 50 << false;
        QTest::newRow("after the last file") << 98 << false;
        QTest::newRow("one file, while packing") << 46 << true;
    }
    void stoppedCopyLeavesNothing()
    {
        QFETCH(int, stopAt);
        QFETCH(bool, singleFile);
        QTemporaryDir parent;
        maker::Request request;
        request.picture = m_png;
        request.language = "en";
        request.out = parent.filePath(singleFile ? "more/gift.run" : "more/gift");
        request.singleFile = singleFile;
        request.runtime = RUNTIME_DIR;
        int reached = 0;
        const maker::Result result = maker::makeCopy(
            request, [&reached](int percent, const QString &) { reached = qMax(reached, percent); },
            [&] { return reached < stopAt; });
        QVERIFY2(result.cancelled && !result.ok, qPrintable(result.error));
        QVERIFY(reached >= stopAt && reached < 100);
        QCOMPARE(names(parent.path()), QStringList());
    }

    // The window: the preview keeps its size whatever the texts say, the bar
    // says nothing before Make, the focus stays on Make's row, "one file"
    // proposes a file name, and Cancel leaves nothing.
    void windowStaysPutAndCancels()
    {
        QTemporaryDir parent;
        MakerWindow window(RUNTIME_DIR);
        window.resize(700, 900);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *view = window.findChild<CropView *>("cropView");
        auto *progress = window.findChild<QProgressBar *>("progress");
        auto *out = window.findChild<QLineEdit *>("outPath");
        auto *make = window.findChild<QPushButton *>("make");
        QVERIFY(!progress->isTextVisible() || !progress->text().contains('%'));
        const QSize viewSize = view->size();
        window.setPicture(m_text);
        QCoreApplication::processEvents();
        QVERIFY(window.findChild<QLabel *>("pictureStatus")->text().contains("cannot be used"));
        window.setPicture(m_png); // 180 x 120: small, warned of
        QVERIFY(window.findChild<QLabel *>("pictureStatus")->text().contains("630"));
        QTest::qWait(0);
        QCOMPARE(view->size(), viewSize);

        out->setText(parent.filePath("Gift for Anna"));
        auto *single = window.findChild<QCheckBox *>("singleFile");
        single->setChecked(true);
        QCOMPARE(out->text(), parent.filePath("Gift for Anna.run"));
        single->setChecked(false);
        QCOMPARE(out->text(), parent.filePath("Gift for Anna"));

        QSignalSpy finished(&window, &MakerWindow::finished);
        make->setFocus();
        QTest::keyClick(make, Qt::Key_Space);
        QVERIFY(window.isMaking());
        QVERIFY(!window.findChild<QLineEdit *>("picturePath")->hasFocus());
        window.cancel();
        QVERIFY(finished.wait(60000));
        QVERIFY(!finished.first().at(0).toBool());
        QVERIFY2(finished.first().at(1).toString().startsWith("Stopped"), qPrintable(finished.first().at(1).toString()));
        QCOMPARE(names(parent.path()), QStringList());
        QVERIFY(make->hasFocus());

        // Made: the message is for a person and the focus is still on Make.
        finished.clear();
        QTest::keyClick(make, Qt::Key_Space);
        QVERIFY(finished.wait(120000));
        QVERIFY2(finished.first().at(0).toBool(), qPrintable(finished.first().at(1).toString()));
        const QString message = finished.first().at(1).toString();
        QVERIFY2(message.startsWith("Your puzzle is ready") && message.contains("'" + parent.filePath("Gift for Anna/quadrifoglio") + "'")
                     && !message.contains(QRegularExpression("\\d+,\\d+,\\d+")), qPrintable(message));
        QVERIFY(make->hasFocus());
        QCOMPARE(view->size(), viewSize);

        // Closed while making: the copy stops and nothing of it is left.
        finished.clear();
        out->setText(parent.filePath("second/gift"));
        QTest::keyClick(make, Qt::Key_Space);
        QVERIFY(window.isMaking());
        window.close();
        QVERIFY(finished.wait(60000));
        QVERIFY(finished.first().at(1).toString().startsWith("Stopped"));
        QCOMPARE(names(parent.path()), QStringList{"Gift for Anna"});
    }

    // The window speaks the desktop's language (English for any other);
    // the gift's language stays a choice of its own. In each language every
    // access key is used once and every button shows its whole text.
    void windowSpeaksTheDesktopsLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("make");
        QTest::newRow("Italian") << "it_IT" << "&Crea";
        QTest::newRow("English") << "en_GB" << "&Make";
        QTest::newRow("French") << "fr_FR" << "C&réer";
        QTest::newRow("German") << "de_DE" << "&Machen";
        QTest::newRow("Spanish") << "es_ES" << "C&rear";
        QTest::newRow("Portuguese: English") << "pt_BR" << "&Make";
    }
    void windowSpeaksTheDesktopsLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, make);
        QVERIFY(MakerWindow::loadTranslation(QLocale(locale)));
        MakerWindow window(RUNTIME_DIR);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.findChild<QPushButton *>("make")->text(), make);
        QCOMPARE(window.findChild<QComboBox *>("language")->currentData().toString(), maker::defaultLanguageCode());
        QStringList keys;
        for (QWidget *widget : window.findChildren<QWidget *>()) {
            QString text;
            if (auto *button = qobject_cast<QAbstractButton *>(widget))
                text = button->text();
            else if (auto *label = qobject_cast<QLabel *>(widget))
                text = label->text();
            const qsizetype mark = text.indexOf(u'&');
            if (mark >= 0 && mark + 1 < text.size())
                keys << text.mid(mark + 1, 1).toLower();
            if (auto *button = qobject_cast<QAbstractButton *>(widget); button && button->isVisible())
                QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(button->text()));
        }
        QCOMPARE(keys.size(), 10);
        keys.removeDuplicates();
        QVERIFY2(keys.size() == 10, qPrintable(keys.join(',')));
        QVERIFY(window.width() <= 1280);
        MakerWindow::loadTranslation(QLocale(QLocale::English));
    }

    // The command line speaks the desktop's language too: its help, its
    // refusals and the picture's cause inside them.
    void commandLineSpeaksTheDesktopsLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("help");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("Italian") << "it_IT.UTF-8" << "Fa una copia di Quadrifoglio 3D"
                                 << "la foto \".*\" non si può usare: è troppo grande: 40000 x 40000 pixel .*; non è stato scritto nulla";
        QTest::newRow("English") << "en_GB.UTF-8" << "Makes a copy of Quadrifoglio 3D"
                                 << "the picture \".*\" cannot be used: it is too large: 40000 x 40000 pixels .*; nothing was written";
        QTest::newRow("French") << "fr_FR.UTF-8" << "Fait une copie de Quadrifoglio 3D"
                                << "la photo \".*\" ne peut pas servir\u00a0: elle est trop grande\u00a0: 40000 x 40000 pixels .*\u00a0; rien n'a été écrit";
        QTest::newRow("German") << "de_DE.UTF-8" << "Macht eine Kopie von Quadrifoglio 3D"
                                << "das Foto \".*\" kann nicht verwendet werden: es ist zu groß: 40000 x 40000 Pixel .*; es wurde nichts geschrieben";
        QTest::newRow("Spanish") << "es_ES.UTF-8" << "Hace una copia de Quadrifoglio 3D"
                                 << "la foto \".*\" no se puede usar: es demasiado grande: 40000 x 40000 píxeles .*; no se ha escrito nada";
        QTest::newRow("Portuguese: English") << "pt_BR.UTF-8" << "Makes a copy of Quadrifoglio 3D"
                                             << "the picture \".*\" cannot be used: it is too large";
    }
    void commandLineSpeaksTheDesktopsLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(QString, help);
        QFETCH(QString, refusal);
        QProcess p;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("LC_ALL", locale);
        p.setProcessEnvironment(environment);
        p.start(MAKER_EXECUTABLE, {"--help"});
        QVERIFY(p.waitForFinished(30000));
        QVERIFY2(QString::fromUtf8(p.readAllStandardOutput()).contains(help), qPrintable(locale));

        QTemporaryDir parent;
        const auto [status, err] = runMaker({m_huge, "--out", parent.filePath("gift")}, MAKER_EXECUTABLE, locale);
        QCOMPARE(status, 1);
        QVERIFY2(QRegularExpression(refusal).match(err).hasMatch(), qPrintable(err));
    }

    // Every text of the window, in each language, spelt right.
    void windowTextsAreSpeltRight_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("dictionary");
        QTest::newRow("it") << "it" << "it_IT";
        QTest::newRow("en") << "en" << "en_US";
        QTest::newRow("fr") << "fr" << "fr_FR";
        QTest::newRow("de") << "de" << "de_DE";
        QTest::newRow("es") << "es" << "es_ES";
    }
    void windowTextsAreSpeltRight()
    {
        QFETCH(QString, code);
        QFETCH(QString, dictionary);
        QFile ts(MAKER_TRANSLATIONS "/quadrifoglio-maker_" + code + ".ts");
        QVERIFY(ts.open(QIODevice::ReadOnly));
        QStringList texts;
        QXmlStreamReader xml(&ts);
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"translation")
                texts << xml.readElementText();
        }
        QCOMPARE(texts.size(), 153);
        // What is typed as it stands is no word of any language: options
        // and their values, language codes, codes of bytes and characters,
        // a number of bits.
        static const QRegularExpression typed(
            R"(--[\w-]+|\bX,Y,SIDE\b|\b(?:FOLDER|FILE|crop|stretch|sh)\b|\bit, en, fr, de\b|\ben\)|\b0x%\d|U\+%\d|\bUTF-8\b|\bMatrix\.dat\b|\b\d+-Bit-)");
        QString all;
        for (QString text : std::as_const(texts)) {
            QVERIFY2(!text.isEmpty(), qPrintable(code));
            all += text.remove(u'&').remove(typed).remove(QRegularExpression("%\\d")) + u'\n';
        }
        QProcess hunspell;
        hunspell.start("hunspell", {"-i", "utf-8", "-d", dictionary, "-p", MAKER_WORD_LIST, "-l"});
        QVERIFY2(hunspell.waitForStarted(), "hunspell does not run: tools/install-deps.sh installs it");
        hunspell.write(all.toUtf8());
        hunspell.closeWriteChannel();
        QVERIFY(hunspell.waitForFinished());
        QCOMPARE(QString::fromUtf8(hunspell.readAllStandardOutput()).trimmed(), QString());
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
