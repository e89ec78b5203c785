// The puzzle maker: its rules, its command line, and a made copy in the game.

#include "support/GameFixture.h"

#include "game/GiftSettings.h"
#include "maker/Maker.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

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
std::pair<int, QString> runMaker(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(MAKER_EXECUTABLE), arguments);
    const bool ended = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit;
    return {ended ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class tst_maker : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work;
    QString m_png, m_bmp, m_jpg, m_gif, m_text, m_huge;

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
    }
    void greetingIsRefusedOrReadBackByTheGame()
    {
        QFETCH(QString, greeting);
        QFETCH(int, digit);
        QCOMPARE(maker::GreetingProblem(greeting).isEmpty(), digit >= 0);
        if (digit < 0)
            return;
        const QByteArray bytes = maker::MatrixDatBytes(digit, greeting);
        QVERIFY(bytes.size() <= settings::MatrixDatReadLimit);
        const settings::MessageLine message = settings::ParseSettingsLine(settings::FirstLine(bytes, false));
        QCOMPARE(int(message.digit.value_or(-1)), digit);
        QCOMPARE(message.style, settings::MessageLine::Style::Greeting);
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
        QTest::newRow("picture does not decode") << args(m_text, "en", "Hi") << "" << "does not decode";
        QTest::newRow("bitmap too big") << args(m_huge, "en", "Hi") << "" << "does not decode";
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
        frmPuzzle *form = game.start();
        QVERIFY(game.lives && form && game.fakes.messages.shown.isEmpty());
        QCOMPARE(int(NewPuzzle::Language), (dat[0] - '0') * 100);
        QCOMPARE(form->lblMessaggio->text(), greeting.isEmpty() ? "Quadrifoglio" : greeting);
        // The board shows the given picture, stretched to 360 x 360.
        const QImage board = form->picSorgente->picture();
        QCOMPARE(board.size(), QSize(360, 360));
        for (int cell = 0; cell < 36; ++cell) {
            const QColor want = TestFolder::cellColor(cell / 6, cell % 6);
            const QColor got = board.pixelColor(cell % 6 * 60 + 30, cell / 6 * 60 + 30);
            const int off = qAbs(want.red() - got.red()) + qAbs(want.green() - got.green()) + qAbs(want.blue() - got.blue());
            QVERIFY2(off < 60, qPrintable(QString::number(cell)));
        }
    }

    void forceReplacesOnlyThePuzzle()
    {
        QTemporaryDir out;
        for (const char *old : {"MATRIX.BMP", "matrix.gif", "Matrix.dat", "quadrifoglio"})
            writeFile(out.filePath(old), "old");
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
