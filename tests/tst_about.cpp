// The information window: its texts in the language of the copy, the
// version of the build, and the three links, which hand their
// address to the desktop and close the window whether or not anything can
// open the address.

#include "platform/ClickLabel.h"
#include "support/GameFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_about : public QObject
{
    Q_OBJECT

private slots:
    void textsFollowTheLanguageOfTheCopy_data()
    {
        QTest::addColumn<char>("digit");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("Italian") << '0' << QStringList{u"Informazioni...."_s, QStringLiteral("Versione  " QUADRIFOGLIO_VERSION),
            u"Questo puzzle è stato creato con Quadrifoglio.\n Se vuoi creare anche tu i tuoi puzzle personalizzati "
            "da regalare a qualche amico, scarica il programma originale dal sito internet:"_s,
            u"Applicazione a 32 bit per Windows ® 9x / ME / XP / NT"_s, u"Programma freeware di libero utilizzo e distribuzione"_s,
            u"Il programma è ottimizzato per una risoluzione video di 800x600 pixel"_s, u"&Chiudi"_s, u"Esci"_s};
        QTest::newRow("English") << '1' << QStringList{u"Informations...."_s, QStringLiteral("Version  " QUADRIFOGLIO_VERSION),
            u"This puzzle was created with Quadrifoglio.\nIf you want to creat your own puzzle to give to a friend, "
            "download the original program, free of charge, from:"_s, u"Application 32 bit for Windows® 9x / ME / XP / NT"_s,
            u"Freeware program - free use and distribution."_s, u"Best visual results if used with 800x600 pixel monitor."_s,
            u"&Close"_s, u"Exit"_s};
    }
    void textsFollowTheLanguageOfTheCopy()
    {
        QFETCH(char, digit);
        QFETCH(QStringList, texts);
        FakeShell shell;
        AboutDialog dialog(nullptr, texts::languageForDigit(digit - '0'), Qt::gray, shell);
        const auto text = [&dialog](const char *name) { return dialog.findChild<QLabel *>(name)->text(); };
        auto *close = dialog.findChild<QPushButton *>("close");
        QCOMPARE((QStringList{dialog.windowTitle(), text("version"), text("madeWith"), text("platform"),
                              text("licence"), text("screenNote"), close->text(), close->toolTip()}), texts);
    }

    void linksHandTheirAddressToTheDesktopAndClose_data()
    {
        QTest::addColumn<int>("link");
        QTest::addColumn<QString>("address");
        QTest::newRow("logo, no browser") << 0 << about::webAddress();
        QTest::newRow("first author") << 1 << u"mailto:"_s + about::mailAddress(0);
        QTest::newRow("second author, no mail program") << 2 << u"mailto:"_s + about::mailAddress(1);
    }
    void linksHandTheirAddressToTheDesktopAndClose()
    {
        QFETCH(int, link);
        QFETCH(QString, address);
        GameFixture game;
        game.startCopy();
        // Only the first author's address finds a program to open it.
        game.fakes.shell.succeeds = link == 1;
        QTest::mouseClick(game.button("about"), Qt::LeftButton);
        AboutDialog *dialog = game.aboutDialog();
        QVERIFY(dialog);
        const char *const links[] = {"logo", "mail0", "mail1"};
        QTest::mouseClick(dialog->findChild<platform::ClickLabel *>(links[link]), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(game.fakes.shell.opened, QStringList{address});
        // Each opening starts afresh: the closed window is let go.
        QTRY_VERIFY(game.window->findChildren<AboutDialog *>().isEmpty());
    }

    void letGoOutsideALinkOpensNothing()
    {
        FakeShell shell;
        AboutDialog dialog(nullptr, texts::Language::Italian, Qt::gray, shell);
        auto *logo = dialog.findChild<platform::ClickLabel *>("logo");
        QTest::mousePress(logo, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(logo, Qt::LeftButton, {}, QPoint(200, 10));
        QVERIFY(shell.opened.isEmpty());
    }
};

QTEST_MAIN(tst_about)
#include "tst_about.moc"
