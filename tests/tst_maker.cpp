// The puzzle maker: its rules, its command line, and a made copy in the game.

#include "support/GameFixture.h"

#include "main_window/Settings.h"
#include "maker/Maker.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QLabel>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QByteArray encode(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.write(image);
    return bytes;
}

// Qt cannot write GIF: the test folder has an encoder of its own.
QByteArray gifBytes(const QImage &image)
{
    TestFolder scratch;
    QFile f(scratch.writePicture(QStringLiteral("p.gif"), image));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Every file and folder under `dir`, with the contents of the files.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(dir).relativeFilePath(path);
        entries.insert(name, it.fileInfo().isDir() ? QByteArray("<folder>") : readFile(path));
    }
    return entries;
}

// The names in `dir`, sorted.
QStringList names(const QString &dir)
{
    QStringList entries =
        QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    entries.sort();
    return entries;
}

QStringList sorted(QStringList list)
{
    list.sort();
    return list;
}

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run runMaker(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(MAKER_EXECUTABLE), arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace

class tst_maker : public QObject
{
    Q_OBJECT

    QTemporaryDir m_work;
    QString m_png, m_bmp, m_jpg, m_gif, m_text;

    QString work(const QString &name) const { return m_work.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_work.isValid());
        QVERIFY(QFileInfo(QStringLiteral(GAME_EXECUTABLE)).isExecutable());
        // Pictures named for the wrong format: the maker goes by their contents.
        const QImage cells = TestFolder::cellPicture(QSize(180, 120));
        m_png = work(QStringLiteral("png-named.jpg"));
        writeFile(m_png, encode(cells, "png"));
        m_bmp = work(QStringLiteral("bitmap-named.png"));
        writeFile(m_bmp, encode(cells, "bmp"));
        m_jpg = work(QStringLiteral("photo-named.gif"));
        writeFile(m_jpg, encode(cells, "jpeg"));
        m_gif = work(QStringLiteral("gif-named.bmp"));
        writeFile(m_gif, gifBytes(cells));
        m_text = work(QStringLiteral("notes.jpg"));
        writeFile(m_text, "not a picture at all\n");
    }

    // --- Rules --------------------------------------------------------------

    void languageCodesGiveTheirDigits_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("digit");
        QTest::newRow("it") << "it" << 0;
        QTest::newRow("es") << "es" << 4;
        QTest::newRow("case ignored") << "DE" << 3;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("a name, not a code") << "english" << -1;
        QTest::newRow("a digit, not a code") << "1" << -1;
    }
    void languageCodesGiveTheirDigits()
    {
        QFETCH(QString, code);
        QFETCH(int, digit);
        const std::optional<int> found = maker::LanguageDigit(code);
        QCOMPARE(found.value_or(-1), digit);
    }

    void matrixDatIsTheDigitTheGreetingAndOneLineFeed_data()
    {
        QTest::addColumn<int>("digit");
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("fr") << 2 << QStringLiteral("Joyeux Noël") << QByteArray("2Joyeux No\xC3\xABl\n");
        QTest::newRow("empty greeting") << 1 << QString() << QByteArray("1\n");
        QTest::newRow("spaces kept") << 2 << QStringLiteral("  Salut  ") << QByteArray("2  Salut  \n");
    }
    void matrixDatIsTheDigitTheGreetingAndOneLineFeed()
    {
        QFETCH(int, digit);
        QFETCH(QString, greeting);
        QFETCH(QByteArray, bytes);
        QCOMPARE(maker::MatrixDatBytes(digit, greeting), bytes);
    }

    void greetingsThatDoNotFitOneLineAreRefused_data()
    {
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<bool>("refused");
        QTest::newRow("plain") << QStringLiteral("Happy birthday") << false;
        QTest::newRow("emoji") << QStringLiteral("Auguri \U0001F340") << false;
        QTest::newRow("LF") << QStringLiteral("Happy\nbirthday") << true;
        QTest::newRow("CR LF at the end") << QStringLiteral("Happy birthday\r\n") << true;
        QTest::newRow("line separator") << QStringLiteral("Happy\u2028birthday") << true;
        // The game reads 4 KiB: digit + greeting + LF must fit.
        QTest::newRow("longest that fits") << QString(4094, u'a') << false;
        QTest::newRow("one byte too long") << QString(4095, u'a') << true;
        QTest::newRow("too long in UTF-8 only") << QString(2048, u'é') << true;
    }
    void greetingsThatDoNotFitOneLineAreRefused()
    {
        QFETCH(QString, greeting);
        QFETCH(bool, refused);
        QCOMPARE(!maker::GreetingProblem(greeting).isEmpty(), refused);
    }

    // What the maker writes is what the game reads back.
    void gameReadsBackTheLanguageAndGreeting_data()
    {
        QTest::addColumn<int>("digit");
        QTest::addColumn<QString>("greeting");
        QTest::newRow("it") << 0 << QStringLiteral("Tanti auguri, Nicolò");
        QTest::newRow("longest, ending in a two-byte letter") << 2 << QString(2047, u'é');
        QTest::newRow("Windows-1252 lookalike") << 3 << QStringLiteral("€ “quoted” Grüße");
    }
    void gameReadsBackTheLanguageAndGreeting()
    {
        QFETCH(int, digit);
        QFETCH(QString, greeting);
        QVERIFY(maker::GreetingProblem(greeting).isEmpty());
        const QByteArray bytes = maker::MatrixDatBytes(digit, greeting);
        QVERIFY(bytes.size() <= settings::MatrixDatReadLimit);
        const auto line = settings::FirstLine(bytes, false);
        const settings::MessageLine message = settings::ParseSettingsLine(line);
        QCOMPARE(int(message.digit.value_or(-1)), digit);
        QCOMPARE(message.style, settings::MessageLine::Style::Greeting);
        QCOMPARE(message.text, greeting);
    }

    void transparencyBecomesWhiteInTheJpeg()
    {
        QImage clear(40, 40, QImage::Format_ARGB32);
        clear.fill(Qt::transparent);
        const auto picture = maker::PreparePicture(encode(clear, "png"));
        QVERIFY(picture);
        const QImage back = QImage::fromData(picture->bytes, "jpeg");
        QVERIFY(qGray(back.pixel(20, 20)) > 245);
    }

    void picturesThatDoNotDecodeAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no bytes") << QByteArray();
        QTest::newRow("bitmap cut after its header") << encode(TestFolder::cellPicture(), "bmp").left(54);
        // The game would not load it.
        QTest::newRow("bitmap too large to allocate") << TestFolder::hugeBitmap();
        QTest::newRow("JPEG signature only") << QByteArray("\xFF\xD8\xFF\xE0", 4);
    }
    void picturesThatDoNotDecodeAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QString error;
        QVERIFY(!maker::PreparePicture(bytes, &error));
        QVERIFY(!error.isEmpty());
    }

    // --- The command line ----------------------------------------------------

    void refusalsWriteNothing_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString out = QStringLiteral("@OUT@");
        QTest::newRow("picture that does not decode")
            << QStringList{m_text, "--language", "en", "--greeting", "Hi", "--out", out} << "does not decode";
        QTest::newRow("picture that is missing")
            << QStringList{work("nowhere.jpg"), "--language", "en", "--out", out} << "does not exist";
        QTest::newRow("greeting with LF")
            << QStringList{m_jpg, "--language", "en", "--greeting", "Happy\nbirthday", "--out", out}
            << "line break";
        QTest::newRow("unknown language")
            << QStringList{m_jpg, "--language", "pt", "--greeting", "Ola", "--out", out}
            << "unknown language \"pt\"";
        QTest::newRow("no language") << QStringList{m_jpg, "--greeting", "Hi", "--out", out} << "no language";
        QTest::newRow("unknown option")
            << QStringList{m_jpg, "--language", "en", "--colour", "red", "--out", out} << "colour";
    }
    void refusalsWriteNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QTemporaryDir parent;
        const QString out = parent.filePath(QStringLiteral("gift/for/anna"));
        arguments.replaceInStrings(QStringLiteral("@OUT@"), out);

        const Run run = runMaker(arguments);
        QVERIFY2(run.status > 0, qPrintable(run.err));
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
        QCOMPARE(names(parent.path()), QStringList());
    }

    void outThatHoldsSomethingElseIsLeftAlone_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("message");
        QTest::newRow("folder that is not empty") << "gift/Matrix.dat" << QStringList() << "not empty.*--force";
        QTest::newRow("a file, even with --force") << "gift" << QStringList{"--force"} << "not a folder";
    }
    void outThatHoldsSomethingElseIsLeftAlone()
    {
        QFETCH(QString, existing);
        QFETCH(QStringList, options);
        QFETCH(QString, message);
        QTemporaryDir parent;
        writeFile(parent.filePath(existing), "1Old greeting\n");
        const auto before = snapshot(parent.path());
        const Run run = runMaker(QStringList{m_png, "--language", "fr", "--out", parent.filePath("gift")} + options);
        QVERIFY(run.status > 0);
        QVERIFY2(run.err.contains(QRegularExpression(message)), qPrintable(run.err));
        QCOMPARE(snapshot(parent.path()), before);
    }

    void pictureIsStoredInItsOwnFormatWhateverItsName_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("sameBytes");
        QTest::newRow("bitmap named .png") << m_bmp << "Matrix.bmp" << true;
        QTest::newRow("JPEG named .gif") << m_jpg << "Matrix.jpg" << true;
        QTest::newRow("GIF named .bmp") << m_gif << "Matrix.gif" << true;
        QTest::newRow("PNG named .jpg") << m_png << "Matrix.jpg" << false;
    }
    void pictureIsStoredInItsOwnFormatWhateverItsName()
    {
        QFETCH(QString, path);
        QFETCH(QString, fileName);
        QFETCH(bool, sameBytes);
        QTemporaryDir parent;
        const QString out = parent.filePath(QStringLiteral("gift"));

        const Run run = runMaker({path, "--language", "fr", "--greeting", "Joyeux Noël", "--out", out});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QVERIFY(run.out.contains(fileName));
        QCOMPARE(readFile(QDir(out).filePath("Matrix.dat")), QByteArray("2Joyeux No\xC3\xABl\n"));
        // Only the copy itself appears: no staging folder is left behind.
        QCOMPARE(names(parent.path()), QStringList{"gift"});
        QCOMPARE(names(out), sorted({"Matrix.dat", fileName, "quadrifoglio"}));
        QCOMPARE(readFile(QDir(out).filePath(fileName)) == readFile(path), sameBytes);
        QImageReader stored(QDir(out).filePath(fileName));
        QCOMPARE(stored.size(), QSize(180, 120));
        QCOMPARE(readFile(QDir(out).filePath("quadrifoglio")), readFile(QStringLiteral(GAME_EXECUTABLE)));
        QVERIFY(QFileInfo(QDir(out).filePath("quadrifoglio")).isExecutable());
    }

    void forceReplacesOnlyThePuzzle()
    {
        QTemporaryDir out;
        writeFile(out.filePath("MATRIX.BMP"), "old bitmap from Windows");
        writeFile(out.filePath("matrix.gif"), "old gif");
        writeFile(out.filePath("Matrix.jpg"), "old jpeg");
        writeFile(out.filePath("Matrix.dat"), "1Old greeting\r\n");
        writeFile(out.filePath("quadrifoglio"), "old game");
        writeFile(out.filePath("Matrix.png"), "the source picture");
        writeFile(out.filePath("notes.txt"), "keep me");
        writeFile(out.filePath("Matrix.jpg.bak"), "keep me");
        writeFile(out.filePath("Quadrifoglio.exe"), "keep me");
        writeFile(out.filePath("photos/Matrix.bmp"), "keep me too");

        const Run run = runMaker({m_png, "--language", "es", "--greeting", "Hola", "--out", out.path(), "--force"});
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QCOMPARE(names(out.path()),
                 sorted({"Matrix.dat", "Matrix.jpg", "Matrix.jpg.bak", "Matrix.png", "Quadrifoglio.exe", "notes.txt",
                         "photos", "quadrifoglio"}));
        QCOMPARE(readFile(out.filePath("Matrix.dat")), QByteArray("4Hola\n"));
        QVERIFY(readFile(out.filePath("Matrix.jpg")).startsWith("\xFF\xD8\xFF"));
        QCOMPARE(readFile(out.filePath("quadrifoglio")), readFile(QStringLiteral(GAME_EXECUTABLE)));
        QCOMPARE(readFile(out.filePath("Matrix.png")), QByteArray("the source picture"));
        QCOMPARE(readFile(out.filePath("notes.txt")), QByteArray("keep me"));
        QCOMPARE(readFile(out.filePath("photos/Matrix.bmp")), QByteArray("keep me too"));
    }

    void forceRemovesAJpegWhenTheNewPictureIsABitmap()
    {
        QTemporaryDir out;
        // An empty folder takes a copy without --force.
        const Run first = runMaker({m_jpg, "--language", "en", "--out", out.path()});
        QVERIFY2(first.status == 0, qPrintable(first.err));
        const Run second = runMaker({m_bmp, "--language", "it", "--out", out.path(), "--force"});
        QVERIFY2(second.status == 0, qPrintable(second.err));
        QCOMPARE(names(out.path()), sorted({"Matrix.bmp", "Matrix.dat", "quadrifoglio"}));
        QCOMPARE(readFile(out.filePath("Matrix.bmp")), readFile(m_bmp));
    }

    // --- The made copy in the game -------------------------------------------

    void madeCopyStartsInItsLanguageWithItsGreeting_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("greeting");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("exit");
        QTest::newRow("it, PNG") << "it" << QStringLiteral("Tanti auguri, Nicolò!") << m_png
                                 << QStringLiteral("Tanti auguri, Nicolò!") << "&Esci";
        QTest::newRow("es, GIF, no greeting") << "es" << QString() << m_gif << "Quadrifoglio" << "&Sale";
    }
    void madeCopyStartsInItsLanguageWithItsGreeting()
    {
        QFETCH(QString, language);
        QFETCH(QString, greeting);
        QFETCH(QString, picture);
        QFETCH(QString, shown);
        QFETCH(QString, exit);
        QTemporaryDir parent;
        maker::Request request;
        request.picture = picture;
        request.language = language;
        request.greeting = greeting;
        request.out = parent.filePath(QStringLiteral("gift"));
        request.game = QStringLiteral(GAME_EXECUTABLE);
        const maker::Result made = maker::MakeCopy(request);
        QVERIFY2(made.ok, qPrintable(made.error));

        GameFixture game;
        game.fakes.folders.app = made.folder;
        frmPuzzle *form = game.start();
        QVERIFY(game.lives);
        QVERIFY(form);
        QVERIFY(game.fakes.messages.shown.isEmpty());
        QCOMPARE(form->lblMessaggio->text(), shown);
        QCOMPARE(form->lblMessaggio->textFormat(), Qt::PlainText);
        QCOMPARE(form->cmdEsci->text(), exit);

        // The board shows the given picture, stretched to 360 x 360.
        const QImage board = form->picSorgente->picture();
        QCOMPARE(board.size(), QSize(360, 360));
        for (int r = 0; r < 6; ++r) {
            for (int c = 0; c < 6; ++c) {
                const QColor want = TestFolder::cellColor(r, c);
                const QColor got = board.pixelColor(c * 60 + 30, r * 60 + 30);
                QVERIFY2(qAbs(want.red() - got.red()) < 40 && qAbs(want.green() - got.green()) < 40
                             && qAbs(want.blue() - got.blue()) < 40,
                         qPrintable(QStringLiteral("cell %1,%2").arg(r).arg(c)));
            }
        }
    }
};

QTEST_MAIN(tst_maker)
#include "tst_maker.moc"
