// The score file on disk: a record written through the profile strings keeps
// everything else in the file, reads back exactly as written whatever the
// name holds, and a write that cannot be completed leaves the file as it was.

#include "platform/Profile.h"
#include "results/Records.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using platform::GetProfileString;
using platform::WriteProfileString;

namespace {

const QByteArray sharedFile = "; Quadrifoglio 3D\r\n"
                              "[BackColor]\r\n"
                              "Color=3\r\n"
                              "\r\n"
                              "[Immagine]\r\n"
                              "; best times\r\n"
                              "0=Anna      95\r\n"
                              "2=Bo        150\r\n"
                              "\r\n"
                              "[Altro]\r\n"
                              "# someone else's\r\n"
                              "chiave = valore\r\n";

// Runs `write` with the size of any file this process writes limited to
// `limit` bytes, as a nearly full disk would.
template<typename F>
bool withFileSizeLimit(rlim_t limit, F write)
{
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    auto *previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool result = write();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    return result;
}

} // namespace

class tst_scorefile : public QObject
{
    Q_OBJECT

private slots:
    void newRecordKeepsEverySectionKeyAndComment()
    {
        TestFolder folder;
        folder.writeScoreFile(sharedFile);
        const QString file = folder.scoreFile();

        QVERIFY(WriteProfileString(QStringLiteral("Immagine"), QStringLiteral("1"),
                                   QStringLiteral("Carla     120"), file));

        const QByteArray after = folder.readScoreFile();
        QVERIFY(platform::ProfileRewriteKeepsFile(sharedFile, after, QStringLiteral("Immagine"),
                                                  QStringLiteral("1")));
        for (const char *line : {"; Quadrifoglio 3D", "# someone else's", "; best times",
                                 "chiave = valore", "Color=3"})
            QVERIFY2(after.contains(line), line);
        QCOMPARE(GetProfileString("Immagine", "0", "0", file), QStringLiteral("Anna      95"));
        QCOMPARE(GetProfileString("Immagine", "1", "0", file), QStringLiteral("Carla     120"));
        QCOMPARE(GetProfileString("Immagine", "2", "0", file), QStringLiteral("Bo        150"));
        QCOMPARE(GetProfileString("BackColor", "Color", "0", file), QStringLiteral("3"));
        QCOMPARE(GetProfileString("Altro", "chiave", "", file), QStringLiteral("valore"));
        // The new key joins its own section, not the end of the file.
        QVERIFY(after.indexOf("1=Carla") < after.indexOf("[Altro]"));
    }

    void replacedRecordStaysInItsPlace()
    {
        TestFolder folder;
        folder.writeScoreFile(sharedFile);
        QVERIFY(WriteProfileString(QStringLiteral("immagine"), QStringLiteral("0"),
                                   QStringLiteral("Dario     80"), folder.scoreFile()));
        QByteArray expected = sharedFile;
        expected.replace("0=Anna      95\r\n", "0=Dario     80\n");
        QCOMPARE(folder.readScoreFile(), expected);
    }

    void awkwardNamesComeBackAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("starts with semicolon") << ";-)";
        QTest::newRow("hash") << "#1 Anna";
        QTest::newRow("quotes around") << "\"Bo\"";
        QTest::newRow("one quote") << "O\"Neil";
        QTest::newRow("ends with backslash") << "dir\\";
        QTest::newRow("square brackets") << "[Immagine]";
        QTest::newRow("japanese") << QString::fromUtf8("花子");
    }
    void awkwardNamesComeBackAsTyped()
    {
        QFETCH(QString, name);
        TestFolder folder;
        folder.writeScoreFile(sharedFile);
        const QString value = records::RecordValue(name, 95);
        QVERIFY(WriteProfileString(QStringLiteral("Immagine"), QStringLiteral("1"), value,
                                   folder.scoreFile()));
        QCOMPARE(GetProfileString("Immagine", "1", "0", folder.scoreFile()), value);
        // The neighbours are untouched and the name did not open a new line.
        QCOMPARE(GetProfileString("Immagine", "2", "0", folder.scoreFile()),
                 QStringLiteral("Bo        150"));
        QCOMPARE(folder.readScoreFile().count('\n'), sharedFile.count('\n') + 1);
        const records::BestTimeDisplay shown = records::BestTimeCaption(value);
        QCOMPARE(shown.caption, name + QStringLiteral("\r\n01:35"));
    }

    void storedNamesAreReadAsUtf8ElseWindows1252_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        // Ten bytes of name in the Windows code page, eleven in UTF-8: the name
        // field is ten characters either way.
        QTest::newRow("windows-1252") << QByteArray("0=Niccol\xF2   120") << QString::fromUtf8("Niccolò   ")
                                      << QString::fromUtf8("Niccolò\r\n02:00");
        QTest::newRow("utf-8") << QByteArray("0=Niccol\xC3\xB2   120") << QString::fromUtf8("Niccolò   ")
                               << QString::fromUtf8("Niccolò\r\n02:00");
        QTest::newRow("euro sign in 1252") << QByteArray("0=\x80uro      7") << QString::fromUtf8("€uro      ")
                                           << QString::fromUtf8("€uro\r\n00:07");
    }
    void storedNamesAreReadAsUtf8ElseWindows1252()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        TestFolder folder;
        folder.writeScoreFile("[Immagine]\r\n" + line + "\r\n");
        const QString value = GetProfileString("Immagine", "0", "0", folder.scoreFile());
        QCOMPARE(records::ParseRecordValue(value).nameField, name);
        QCOMPARE(records::BestTimeCaption(value).caption, caption);
    }

    void longLinesSurviveAWrite()
    {
        TestFolder folder;
        const QByteArray comment = "; " + QByteArray(2000, 'c') + "\n";
        const QByteArray notes = "note=" + QByteArray(1500, 'n') + "\n";
        const QByteArray before = comment + "[Immagine]\n" + notes + "0=Anna      95\n[Z]\nq=1\n";
        folder.writeScoreFile(before);
        QVERIFY(WriteProfileString(QStringLiteral("Immagine"), QStringLiteral("0"),
                                   QStringLiteral("Bo        80"), folder.scoreFile()));
        QByteArray expected = before;
        expected.replace("0=Anna      95", "0=Bo        80");
        QCOMPARE(folder.readScoreFile(), expected);
    }

    void writeThatRunsOutOfRoomLeavesFileAsItWas()
    {
        TestFolder folder;
        folder.writeScoreFile(sharedFile);
        const QString file = folder.scoreFile();
        // Room for the file as it is, not for the file with one more record.
        const rlim_t room = rlim_t(sharedFile.size()) + 8;
        const bool written = withFileSizeLimit(room, [&] {
            return WriteProfileString(QStringLiteral("Immagine"), QStringLiteral("1"),
                                      QStringLiteral("Carla     120"), file);
        });
        QVERIFY(!written);
        QCOMPARE(folder.readScoreFile(), sharedFile);
        QCOMPARE(QDir(folder.configDir()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("Quadrifoglio.sco")});
    }

    void writeWhereNoFileCanBeFails_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<int>("error");
        QTest::newRow("folder that is not there") << "gone/Quadrifoglio.sco" << 76;
        QTest::newRow("a folder of that name") << "Quadrifoglio.sco" << 75;
        QTest::newRow("no path at all") << "" << 75;
    }
    void writeWhereNoFileCanBeFails()
    {
        QFETCH(QString, where);
        QFETCH(int, error);
        TestFolder folder;
        QVERIFY(QDir(folder.configDir()).mkdir(QStringLiteral("Quadrifoglio.sco")));
        const QString file = where.isEmpty() ? QString() : folder.configDir() + "/" + where;
        QVERIFY(!WriteProfileString(QStringLiteral("Immagine"), QStringLiteral("0"), QStringLiteral("Anna      95"), file));
        QCOMPARE(GetProfileString("Immagine", "0", "0", file), QStringLiteral("0"));
        QCOMPARE(records::ScoreFileWriteError(file).number, error);
        QVERIFY(QFileInfo(folder.scoreFile()).isDir());
    }

    void lineBreakInAValueIsRefused()
    {
        TestFolder folder;
        folder.writeScoreFile(sharedFile);
        QVERIFY(!WriteProfileString(QStringLiteral("Immagine"), QStringLiteral("1"),
                                    QStringLiteral("Anna\n2=Bo 1"), folder.scoreFile()));
        QCOMPARE(folder.readScoreFile(), sharedFile);
    }

    void rewriteCheckSpotsALostTail_data()
    {
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("kept");
        QByteArray replaced = sharedFile;
        replaced.replace("0=Anna      95", "0=Dario     80");
        QTest::newRow("key replaced") << replaced << true;
        QTest::newRow("cut in the last line") << replaced.left(replaced.size() - 6) << false;
        QTest::newRow("last comment lost") << QByteArray(replaced).replace("# someone else's\r\n", "")
                                           << false;
        QTest::newRow("other key lost") << QByteArray(replaced).replace("2=Bo        150\r\n", "")
                                        << false;
    }
    void rewriteCheckSpotsALostTail()
    {
        QFETCH(QByteArray, after);
        QFETCH(bool, kept);
        QCOMPARE(platform::ProfileRewriteKeepsFile(sharedFile, after, QStringLiteral("Immagine"),
                                                   QStringLiteral("0")),
                 kept);
    }
};

QTEST_GUILESS_MAIN(tst_scorefile)
#include "tst_scorefile.moc"
