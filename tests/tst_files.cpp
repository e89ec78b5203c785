// Inputs the game did not make: only regular files are read, nothing named
// like an input can make the start wait, and the first character of
// Matrix.dat is a whole character.

#include "game/GiftSettings.h"
#include "platform/Files.h"
#include "game/Text.h"
#include "support/Deadline.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Makes `kind` at `path`: "file", "folder", "pipe", "link to file",
// "dangling link", "link to pipe", "unreadable file".
void make(const QString &kind, const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    const QString other = path + ".target";
    if (kind == "file" || kind == "unreadable file" || kind == "link to file") {
        QFile f(kind == "link to file" ? other : path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("1Hello\n");
        f.close();
        if (kind == "unreadable file")
            QVERIFY(::chmod(native.constData(), 0) == 0);
    }
    if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    if (kind == "pipe")
        QVERIFY(::mkfifo(native.constData(), 0644) == 0);
    if (kind == "link to pipe")
        QVERIFY(::mkfifo(QFile::encodeName(other).constData(), 0644) == 0);
    if (kind.contains("link"))
        QVERIFY(QFile::link(other, path));
}

} // namespace

class tst_files : public QObject
{
    Q_OBJECT

private slots:
    void onlyRegularFilesAreInputs_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("input");
        QTest::addColumn<int>("error"); // errno of a refused open
        QTest::newRow("regular file") << "file" << true << 0;
        QTest::newRow("link to a file") << "link to file" << true << 0;
        QTest::newRow("folder") << "folder" << false << EISDIR;
        QTest::newRow("named pipe") << "pipe" << false << EINVAL;
        QTest::newRow("link to a named pipe") << "link to pipe" << false << EINVAL;
        QTest::newRow("dangling link") << "dangling link" << false << ENOENT;
        QTest::newRow("nothing") << "" << false << ENOENT;
        // Root reads any file: only another user meets the permission.
        if (::geteuid() != 0)
            QTest::newRow("unreadable file") << "unreadable file" << false << EACCES;
    }
    void onlyRegularFilesAreInputs()
    {
        QFETCH(QString, kind);
        QFETCH(bool, input);
        QFETCH(int, error);
        QTemporaryDir dir;
        const QString path = dir.filePath("Matrix.dat");
        make(kind, path);
        bool regular = false, exists = false;
        int fd = -1, why = 0;
        QVERIFY(endsWithin(5000, {path, path + ".target"}, [&] {
            regular = platform::isRegularReadableFile(path);
            exists = platform::isRegularReadableFile(path);
            fd = platform::openRegularFile(path);
            why = errno;
        }));
        QCOMPARE(regular, input);
        QCOMPARE(exists, input);
        QCOMPARE(fd >= 0, input);
        if (fd >= 0) {
            QByteArray bytes;
            QVERIFY(platform::readAll(fd, &bytes));
            QCOMPARE(bytes, QByteArray("1Hello\n"));
            ::close(fd);
        } else {
            QCOMPARE(why, error);
        }
    }

    void devicesAreNoInputs()
    {
        QVERIFY(!platform::isRegularReadableFile("/dev/null"));
        QVERIFY(platform::openRegularFile("/dev/zero") < 0);
        QVERIFY(!platform::isRegularReadableFile(QString()));
    }

    // A pipe named like the bitmap would win over the JPEG if it counted.
    void pictureSearchPassesOverPipesAndFolders()
    {
        TestFolder folder;
        make("pipe", folder.appDir() + "/Matrix.bmp");
        make("folder", folder.appDir() + "/matrix.JPG");
        folder.writePicture("Matrix.gif", TestFolder::cellPicture());
        QString found;
        QVERIFY(endsWithin(5000, {folder.appDir() + "/Matrix.bmp"},
                           [&] { found = platform::findPictureFile(folder.appDir()); }));
        QCOMPARE(QFileInfo(found).fileName(), u"Matrix.gif"_s);
    }

    void writeAllReportsAFullDevice()
    {
        const int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
        if (fd < 0)
            QSKIP("no /dev/full on this system");
        const QByteArray bytes(100000, 'x');
        errno = 0;
        QVERIFY(!platform::writeAll(fd, bytes.constData(), bytes.size()));
        QCOMPARE(errno, ENOSPC);
        ::close(fd);
    }

    void firstCharacterIsWhole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        QTest::newRow("empty") << QString() << 0;
        QTest::newRow("digit") << u"1Hi"_s << 1;
        QTest::newRow("emoji") << QString::fromUtf8("\xF0\x9F\x8D\x80" "Auguri") << 2;
        QTest::newRow("lone high surrogate") << QString(QChar(0xD83C)) + "x" << 1;
        QTest::newRow("lone low surrogate first") << QString(QChar(0xDF40)) + QChar(0xD83C) << 1;
        QTest::newRow("accent after: a character of its own") << u"1\u0301Hi"_s << 1;
    }
    void firstCharacterIsWhole()
    {
        QFETCH(QString, text);
        QFETCH(int, length);
        QCOMPARE(textcodec::firstCharacterLength(text), qsizetype(length));
    }

    void matrixDatStartingWithAnEmojiKeepsTheGreetingWhole_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("digit"); // -1: none
        QTest::addColumn<QString>("greeting");
        QTest::newRow("emoji in the digit's place") << QByteArray("\xF0\x9F\x8D\x80" "Buon compleanno") << -1
                                                    << u"Buon compleanno"_s;
        QTest::newRow("digit, then an emoji") << QByteArray("1\xF0\x9F\x8D\x80 Hi") << 1
                                              << QString::fromUtf8("\xF0\x9F\x8D\x80 Hi");
        QTest::newRow("emoji alone: the name") << QByteArray("\xF0\x9F\x8D\x80") << -1 << u"Quadrifoglio"_s;
    }
    void matrixDatStartingWithAnEmojiKeepsTheGreetingWhole()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, digit);
        QFETCH(QString, greeting);
        const gift::Greeting line = gift::parseFirstLine(gift::firstLine(bytes, false));
        QCOMPARE(line.languageDigit ? *line.languageDigit : -1, digit);
        QCOMPARE(line.text, greeting);
        QVERIFY(!line.text.contains(QChar::ReplacementCharacter));
    }
};

QTEST_GUILESS_MAIN(tst_files)
#include "tst_files.moc"
