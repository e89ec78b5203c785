// The puzzle maker: its rules, its command line, and a made copy in the game.

#include "support/GameFixture.h"
#include "support/BigPictures.h"
#include "support/SmallDisk.h"

#include "game/GiftSettings.h"
#include "maker/Maker.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QRandomGenerator>
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
    void copyKeepsBitmapJpegAndGifAndLoadsInTheGame()
    {
        QFETCH(QString, path);
        QFETCH(QString, fileName);
        QFETCH(QString, language);
        QFETCH(QString, greeting);
        QFETCH(QByteArray, dat);
        QTemporaryDir parent;
        const QDir out(parent.filePath("gift"));
        const auto [status, err] = runMaker({path, "--language", language, "--greeting", greeting, "--out", out.path()});
        QVERIFY2(status == 0, qPrintable(err));
        QCOMPARE(readFile(out.filePath("Matrix.dat")), dat);
        // Only the copy itself appears: no staging folder is left behind.
        QCOMPARE(names(parent.path()), QStringList{"gift"});
        QCOMPARE(names(out.path()).size(), 3);
        QCOMPARE(readFile(out.filePath(fileName)) == readFile(path), path != m_png);
        QCOMPARE(QImageReader(out.filePath(fileName)).size(), QSize(180, 120));
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
        QTest::newRow("full") << false << "cannot write \"[^\"]*/gift/quadrifoglio\": No space left on device";
        QTest::newRow("read-only") << true << "cannot write in the folder \"[^\"]*\": Read-only file system";
    }
    void fullOrReadOnlyDiskIsToldAsSuch()
    {
        QFETCH(bool, readOnly);
        QFETCH(QString, message);
        SmallDisk disk(QStringLiteral("2m"), readOnly);
        if (!disk.mounted())
            QSKIP(disk.why());
        const auto [status, err] = runMaker({m_jpg, "--language", "en", "--out", disk.path("gift")});
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

    // The issue's bitmap: kept byte for byte, and the game loads the copy.
    void bigBitmapIsKeptAsItIs()
    {
        const QString path = m_work.filePath("big.bmp");
        QVERIFY(bigpictures::writeCellBitmap(path, 6000, 6000, 24, false));
        QTemporaryDir parent;
        const QString out = parent.filePath("gift");
        const auto [status, err] = runMaker({path, "--language", "en", "--greeting", "Big", "--out", out});
        QVERIFY2(status == 0, qPrintable(err));
        QCOMPARE(QFileInfo(out + "/Matrix.bmp").size(), QFileInfo(path).size());
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
            p.start(MAKER_EXECUTABLE, {m_bmp, "--language", "en", "--greeting", "Hi", "--out", out});
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
        const auto [status, err] = runMaker({m_bmp, "--language", "en", "--out", out});
        ::close(held);
        QVERIFY2(status == 0, qPrintable(err));
        QCOMPARE(names(parent.path()), QStringList({".quadrifoglio-maker-Run123", "gift"}));
    }

    void forceReplacesOnlyThePuzzle()
    {
        QTemporaryDir out;
        for (const char *old : {"MATRIX.BMP", "matrix.gif", "Matrix.dat"})
            writeFile(out.filePath(old), "old");
        // A previous copy: the game itself.
        QVERIFY(QFile::copy(GAME_EXECUTABLE, out.filePath("quadrifoglio")));
        for (const char *kept : {"Matrix.png", "Matrix.jpg.bak", "notes.txt", "photos/Matrix.bmp"})
            writeFile(out.filePath(kept), "keep me");
        const auto [status, err] = runMaker({m_png, "--language", "es", "--greeting", "Hola", "--out", out.path(), "--force"});
        QVERIFY2(status == 0, qPrintable(err));
        QCOMPARE(names(out.path()), QStringList({"Matrix.dat", "Matrix.jpg", "Matrix.jpg.bak", "Matrix.png",
                                                 "notes.txt", "photos", "quadrifoglio"}));
        QCOMPARE(readFile(out.filePath("Matrix.dat")), QByteArray("4Hola\n"));
        QVERIFY(readFile(out.filePath("Matrix.jpg")).startsWith("\xFF\xD8\xFF"));
        QCOMPARE(readFile(out.filePath("quadrifoglio")), readFile(GAME_EXECUTABLE));
        for (const char *kept : {"Matrix.png", "photos/Matrix.bmp"})
            QCOMPARE(readFile(out.filePath(kept)), QByteArray("keep me"));
    }
};

QTEST_MAIN(tst_maker)
#include "tst_maker.moc"
