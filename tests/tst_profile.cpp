// The score file on disk: a rewrite lays the file out as minIni would and
// keeps every byte it does not change; a full disk, a killed save, a pipe or
// a folder under the file's name never loses a record, never leaves a
// scratch file behind and never makes the game wait.

#include "platform/Profile.h"
#include "support/Deadline.h"
#include "support/SmallDisk.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <minIni.h>

#include <cerrno>

#include <cerrno>
#include <csignal>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using platform::getProfileString;
using platform::profileWithValue;
using platform::writeProfileString;

namespace {

const QByteArray sharedFile = "; Quadrifoglio 3D\r\n[BackColor]\r\nColor=3\r\n\r\n[Immagine]\r\n; best times\r\n"
                              "0=Anna      95\r\n2=Bo        150\r\n\r\n[Altro]\r\n# someone else's\r\nchiave = valore\r\n";

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// What minIni itself makes of the file when it sets the key.
QByteArray minIniRewrite(const QByteArray &before, const char *section, const char *key, const char *value)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f.ini");
    writeFile(path, before);
    ini_puts(section, key, value, QFile::encodeName(path).constData());
    return readFile(path);
}

// Every line of `before` is still in `after`, in order, but the one that
// starts with `replaced`.
bool keepsEveryLine(const QByteArray &before, const QByteArray &after, const QByteArray &replaced = {})
{
    const auto lines = [](const QByteArray &bytes) {
        QList<QByteArray> list = bytes.split('\n');
        if (!list.isEmpty() && list.last().isEmpty())
            list.removeLast();
        return list;
    };
    const QList<QByteArray> now = lines(after);
    qsizetype j = 0;
    for (const QByteArray &line : lines(before)) {
        if (!replaced.isEmpty() && line.startsWith(replaced))
            continue;
        while (j < now.size() && now[j] != line)
            ++j;
        if (j == now.size())
            return false;
        ++j;
    }
    return true;
}

} // namespace

class tst_profile : public QObject
{
    Q_OBJECT

private slots:
    // minIni reads what the game writes: the layout is minIni's own.
    void rewriteIsLaidOutAsMinIniLaysItOut_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("new section after a last line without LF") << QByteArray("[A]\nx=1") << QByteArray("Immagine") << QByteArray("1") << QByteArray("Dario     80");
        QTest::newRow("new key before the next section") << sharedFile << QByteArray("Immagine") << QByteArray("1") << QByteArray("Dario     80");
        QTest::newRow("key replaced in place, CR LF becomes LF") << sharedFile << QByteArray("IMMAGINE") << QByteArray("2") << QByteArray("Dario     80");
        QTest::newRow("key with a colon and spaces") << QByteArray("[BackColor]\n  color : 7 ; blue\n") << QByteArray("BackColor") << QByteArray("Color") << QByteArray("3");
        QTest::newRow("section name with blanks inside its brackets") << QByteArray(" [ Immagine ] \n0=x 1\n") << QByteArray("Immagine") << QByteArray("0") << QByteArray("y 2");
        QTest::newRow("only the first section of the name") << QByteArray("[A]\nk=1\n[A]\nk=2\n") << QByteArray("A") << QByteArray("k") << QByteArray("3");
        QTest::newRow("comment that looks like the key") << QByteArray("[A]\n;k=1\n#k=2\n") << QByteArray("A") << QByteArray("k") << QByteArray("3");
        QTest::newRow("a bracket line without its end closes the section") << QByteArray("[A]\n[oops\nk=1\n") << QByteArray("A") << QByteArray("k") << QByteArray("3");
        QTest::newRow("value that needs quotes") << QByteArray("[A]\nk=1\n") << QByteArray("A") << QByteArray("k") << QByteArray("#1 \"Bo\";");
        QTest::newRow("value ending in a space") << QByteArray("[A]\nk=1\n") << QByteArray("A") << QByteArray("k") << QByteArray("Bo ");
        QTest::newRow("line longer than minIni's buffer") << QByteArray("[A]\n;" + QByteArray(1500, 'c') + "\nk=1\n") << QByteArray("A") << QByteArray("k") << QByteArray("2");
    }
    void rewriteIsLaidOutAsMinIniLaysItOut()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        const std::optional<QByteArray> after = profileWithValue(before, section, key, value);
        QVERIFY(after);
        QCOMPARE(*after, minIniRewrite(before, section, key, value));
    }

    // Where minIni would lose bytes (after a NUL) or add a blank line, the
    // game keeps the file as it was but for the one line.
    void bytesTheGameDoesNotUnderstandSurviveARewrite_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        const QByteArray nul = "[Immagine]\n0=Anna\0 hidden     95\n; \0\xFF\xFE not text\n[Altro]\nk=\xC3(\n"_ba;
        QTest::newRow("NUL in a record and a comment, invalid UTF-8")
            << nul << QByteArray(nul).replace("[Altro]", "1=Dario     80\n[Altro]");
        QTest::newRow("NUL in the line replaced")
            << "[Immagine]\n1=Old\0er  70\nz\n"_ba << QByteArray("[Immagine]\n1=Dario     80\nz\n");
        QTest::newRow("NUL before the section: not a header for minIni either")
            << "[Imm\0agine]\n"_ba << "[Imm\0agine]\n[Immagine]\n1=Dario     80\n"_ba;
        QTest::newRow("empty file") << QByteArray("") << QByteArray("[Immagine]\n1=Dario     80\n");
        QTest::newRow("section at the very end") << QByteArray("[Immagine]\n") << QByteArray("[Immagine]\n1=Dario     80\n");
        // minIni reads the end of the line as a section of its own and would
        // put the key in the middle of the line; it goes before the line.
        const QByteArray overlong = "[Immagine]\n;" + QByteArray(510, 'c') + "[B]\n1=Old\n";
        QTest::newRow("a section inside an overlong line")
            << overlong << QByteArray(overlong).replace("[Immagine]\n", "[Immagine]\n1=Dario     80\n");
        QTest::newRow("Windows-1252 name of another level")
            << QByteArray("[Immagine]\r\n0=Niccol\xF2   120\r\n") << QByteArray("[Immagine]\r\n0=Niccol\xF2   120\r\n1=Dario     80\n");
    }
    void bytesTheGameDoesNotUnderstandSurviveARewrite()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString file = dir.filePath("Quadrifoglio.sco");
        QVERIFY(writeFile(file, before));
        QVERIFY(writeProfileString(u"Immagine"_s, u"1"_s, u"Dario     80"_s, file));
        QCOMPARE(readFile(file), after);
        QVERIFY(keepsEveryLine(before, after, "1=Old"));
        QCOMPARE(getProfileString(u"Immagine"_s, u"1"_s, u"0"_s, file), u"Dario     80"_s);
        // And the next save, the colour at exit, goes through as well.
        QVERIFY(writeProfileString(u"BackColor"_s, u"Color"_s, u"5"_s, file));
        QCOMPARE(getProfileString(u"BackColor"_s, u"Color"_s, u"0"_s, file), u"5"_s);
        QVERIFY(readFile(file).startsWith(after));
        QCOMPARE(entries(dir.path()), QStringList{u"Quadrifoglio.sco"_s});
    }

    void valueThatWouldNotReadBackIsRefused_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("line break") << u"Anna\n2=Bo"_s;
        QTest::newRow("carriage return") << u"Anna\r95"_s;
        QTest::newRow("leading spaces") << u"  Anna    95"_s;
        QTest::newRow("NUL") << u"An\u0000na"_s;
    }
    void valueThatWouldNotReadBackIsRefused()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString file = dir.filePath("Quadrifoglio.sco");
        QVERIFY(writeFile(file, sharedFile));
        QVERIFY(!writeProfileString(u"Immagine"_s, u"1"_s, value, file));
        QCOMPARE(readFile(file), sharedFile);
        QCOMPARE(entries(dir.path()), QStringList{u"Quadrifoglio.sco"_s});
    }

    // The last two steps of a save fail: it is reported as failed, and a
    // rename that did not happen leaves the old file and no scratch file.
    void failedRenameOrFolderSyncIsAFailure_data()
    {
        QTest::addColumn<bool>("renameFails");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("rename") << true << sharedFile;
        // In place, but not known to be on the disk.
        QTest::newRow("folder sync") << false << *platform::profileWithValue(sharedFile, "Immagine", "1", "Dario     80");
    }
    void failedRenameOrFolderSyncIsAFailure()
    {
        QFETCH(bool, renameFails);
        QFETCH(QByteArray, after);
        QTemporaryDir dir;
        const QString file = dir.filePath("Quadrifoglio.sco");
        QVERIFY(writeFile(file, sharedFile));
        platform::SaveFinish finish;
        if (renameFails)
            finish.rename = [](const char *, const char *) { errno = EIO; return -1; };
        else
            finish.syncFolder = [](int) { errno = EIO; return -1; };
        QVERIFY(!writeProfileString(u"Immagine"_s, u"1"_s, u"Dario     80"_s, file, finish));
        QCOMPARE(readFile(file), after);
        QCOMPARE(entries(dir.path()), QStringList{u"Quadrifoglio.sco"_s});
    }

    // A full disk fails the write before the rename: the old file stays.
    void fullDiskLeavesTheScoreFileAsItWas_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<int>("spare"); // bytes left free
        const QByteArray big = sharedFile + "; " + QByteArray(9000, 'n') + "\n";
        QTest::newRow("no room at all") << sharedFile << 0;
        QTest::newRow("room for a part of the new file") << big << 4096;
        QTest::newRow("no score file yet") << QByteArray() << 0;
    }
    void fullDiskLeavesTheScoreFileAsItWas()
    {
        QFETCH(QByteArray, before);
        QFETCH(int, spare);
        SmallDisk disk(u"64k"_s);
        if (!disk.mounted())
            QSKIP(disk.why());
        const QString file = disk.path("Quadrifoglio.sco");
        if (!before.isEmpty())
            QVERIFY(writeFile(file, before));
        QVERIFY(disk.fill(spare));
        const QStringList files = entries(disk.dir());

        QVERIFY(!writeProfileString(u"Immagine"_s, u"1"_s, u"Carla     120"_s, file));
        QVERIFY(!writeProfileString(u"BackColor"_s, u"Color"_s, u"9"_s, file));
        QCOMPARE(entries(disk.dir()), files);
        if (!before.isEmpty())
            QCOMPARE(readFile(file), before);

        // With room again, the record is kept and nothing else is lost.
        disk.makeRoom();
        QVERIFY(writeProfileString(u"Immagine"_s, u"1"_s, u"Carla     120"_s, file));
        QCOMPARE(getProfileString(u"Immagine"_s, u"1"_s, u"0"_s, file), u"Carla     120"_s);
        QVERIFY(keepsEveryLine(before, readFile(file)));
    }

    // Nothing named like the score file that is not a file is opened, and
    // it stays as it was.
    void onlyARegularFileIsAScoreFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("named pipe") << "pipe";
        QTest::newRow("folder") << "folder";
        QTest::newRow("link to a device") << "device";
    }
    void onlyARegularFileIsAScoreFile()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString file = dir.filePath("Quadrifoglio.sco");
        const QByteArray native = QFile::encodeName(file);
        if (kind == "pipe")
            QVERIFY(::mkfifo(native.constData(), 0644) == 0);
        if (kind == "folder")
            QVERIFY(QDir().mkdir(file));
        if (kind == "device")
            QVERIFY(QFile::link("/dev/null", file));
        QString color;
        bool written = true;
        QVERIFY(endsWithin(5000, {file}, [&] {
            color = getProfileString(u"BackColor"_s, u"Color"_s, u"0"_s, file);
            written = writeProfileString(u"BackColor"_s, u"Color"_s, u"4"_s, file);
        }));
        QCOMPARE(color, u"0"_s);
        QVERIFY(!written);
        struct stat st = {};
        QVERIFY(::lstat(native.constData(), &st) == 0);
        QCOMPARE(S_ISFIFO(st.st_mode), kind == "pipe");
        QCOMPARE(S_ISDIR(st.st_mode), kind == "folder");
        QCOMPARE(S_ISLNK(st.st_mode), kind == "device");
        QCOMPARE(entries(dir.path()), QStringList{u"Quadrifoglio.sco"_s});
    }

    // A score file kept elsewhere through a link stays linked, and keeps
    // who may read it.
    void linkAndPermissionsOfTheScoreFileStay()
    {
        QTemporaryDir dir;
        QDir().mkdir(dir.filePath("dotfiles"));
        const QString real = dir.filePath("dotfiles/Quadrifoglio.sco");
        const QString file = dir.filePath("Quadrifoglio.sco");
        QVERIFY(writeFile(real, sharedFile));
        QVERIFY(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(QFile::link("dotfiles/Quadrifoglio.sco", file));
        QVERIFY(writeProfileString(u"Immagine"_s, u"1"_s, u"Dario     80"_s, file));
        QCOMPARE(QFileInfo(file).symLinkTarget(), real);
        QCOMPARE(getProfileString(u"Immagine"_s, u"1"_s, u"0"_s, real), u"Dario     80"_s);
        struct stat st = {};
        QVERIFY(::stat(QFile::encodeName(real).constData(), &st) == 0);
        QCOMPARE(st.st_mode & 0777, 0600u);
        QCOMPARE(entries(dir.filePath("dotfiles")), QStringList{u"Quadrifoglio.sco"_s});
    }

    // Only files made by a save and no longer held by a running one go.
    void staleScratchFilesAreRemovedAndOnlyThey_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("held");
        QTest::addColumn<bool>("removed");
        QTest::newRow("left by a killed save") << ".Quadrifoglio.sco.saving-a1B2c3" << false << true;
        QTest::newRow("held by a save in progress") << ".Quadrifoglio.sco.saving-Zz9Yy8" << true << false;
        QTest::newRow("five letters") << ".Quadrifoglio.sco.saving-abcde" << false << false;
        QTest::newRow("not hidden") << "Quadrifoglio.sco.saving-abcdef" << false << false;
        QTest::newRow("the user's backup") << ".Quadrifoglio.sco.backup" << false << false;
        QTest::newRow("another file's") << ".Other.sco.saving-abcdef" << false << false;
    }
    void staleScratchFilesAreRemovedAndOnlyThey()
    {
        QFETCH(QString, name);
        QFETCH(bool, held);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        const QString file = dir.filePath("Quadrifoglio.sco");
        QVERIFY(writeFile(file, sharedFile));
        QVERIFY(writeFile(dir.filePath(name), "[Immagine]\n"));
        const int fd = ::open(QFile::encodeName(dir.filePath(name)).constData(), O_RDONLY | O_CLOEXEC);
        QVERIFY(fd >= 0);
        if (held)
            QVERIFY(::flock(fd, LOCK_EX) == 0);
        QCOMPARE(platform::removeStaleScratchFiles(file), removed ? 1 : 0);
        QCOMPARE(QFile::exists(dir.filePath(name)), !removed);
        ::close(fd);
        QCOMPARE(readFile(file), sharedFile);
    }

    // SIGKILL at random moments of a save, again and again: the score file
    // is always a whole file, the old or the new, with every other line, and
    // the next start of the game clears what the killed saves left.
    void savesKilledHalfwayLoseNothing()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath("Quadrifoglio.sco");
        // Large enough for a save to take a while, so kills land inside it.
        const QByteArray before = sharedFile + "; " + QByteArray(300000, 'p') + "\n";
        QVERIFY(writeFile(file, before));
        QRandomGenerator random(15);
        int leftovers = 0;
        const int kills = 30;
        for (int round = 0; round < kills; ++round) {
            QProcess saver;
            saver.start(QStringLiteral(PROFILE_SAVE_LOOP), {file, u"save"_s});
            QVERIFY(saver.waitForReadyRead(10000));
            QTest::qSleep(int(random.bounded(1, 60)));
            QCOMPARE(saver.state(), QProcess::Running);
            ::kill(pid_t(saver.processId()), SIGKILL);
            QVERIFY(saver.waitForFinished(10000));

            const QByteArray now = readFile(file);
            const QString value = getProfileString(u"Immagine"_s, u"1"_s, u"0"_s, file);
            QVERIFY2(value == "0" || value.startsWith("Saver"), qPrintable(value));
            QCOMPARE(now, value == "0" ? before : *profileWithValue(before, "Immagine", "1", value.toUtf8()));
            leftovers += entries(dir.path()).size() - 1;
        }
        qInfo("%d kills, %d scratch files left by them", kills, leftovers);

        // The next start: its first look at the score file tidies up.
        QProcess start;
        start.start(QStringLiteral(PROFILE_SAVE_LOOP), {file, u"read"_s});
        QVERIFY(start.waitForFinished(10000));
        QCOMPARE(start.exitCode(), 0);
        QCOMPARE(entries(dir.path()), QStringList{u"Quadrifoglio.sco"_s});
    }
};

QTEST_GUILESS_MAIN(tst_profile)
#include "tst_profile.moc"
