// The information window: its texts in the language of the copy, the
// version of the build, and the links the build gives, which hand their
// address to the desktop and close the window whether or not anything can
// open the address; a build that gives none shows none.

#include "ui/ClickLabel.h"
#include "support/GameFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

about::Credits fullCredits()
{
    return {u"https://quadrifoglio.example/"_s,
            {u"anna@quadrifoglio.example"_s, u"bruno@quadrifoglio.example"_s},
            u"Copyright 2004-2025"_s,
            u"Anna Bianchi, Bruno Rossi"_s};
}

} // namespace

class tst_about : public QObject
{
    Q_OBJECT

private slots:
    void textsFollowTheLanguageOfTheCopy_data()
    {
        QTest::addColumn<char>("digit");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("Italian") << '0' << QStringList{u"Informazioni su Quadrifoglio 3D"_s,
            QStringLiteral("Versione  " QUADRIFOGLIO_VERSION),
            u"Questo puzzle è stato creato con Quadrifoglio.\nSe vuoi creare anche tu i tuoi puzzle personalizzati "
            "da regalare a qualche amico, usa quadrifoglio-maker, il programma di Quadrifoglio 3D che crea i puzzle."_s,
            u"Copyright 2004-2005\nGli autori di Quadrifoglio"_s, u"Gioco di puzzle per Linux"_s,
            u"Programma gratuito di libero utilizzo e distribuzione"_s,
            u"Il programma richiede una risoluzione video di almeno 800\u00a0×\u00a0600 pixel"_s, u"&Chiudi"_s,
            u"Chiude la finestra"_s};
        QTest::newRow("English") << '1' << QStringList{u"About Quadrifoglio 3D"_s,
            QStringLiteral("Version  " QUADRIFOGLIO_VERSION),
            u"This puzzle was created with Quadrifoglio.\nIf you want to create your own puzzles to give to a "
            "friend, use quadrifoglio-maker, the puzzle maker of Quadrifoglio 3D."_s,
            u"Copyright 2004-2005\nThe authors of Quadrifoglio"_s, u"Jigsaw puzzle game for Linux"_s,
            u"Free program - free use and distribution."_s, u"Needs a screen of at least 800\u00a0×\u00a0600 pixels."_s,
            u"&Close"_s, u"Close this window"_s};
    }
    void textsFollowTheLanguageOfTheCopy()
    {
        QFETCH(char, digit);
        QFETCH(QStringList, texts);
        FakeShell shell;
        about::Credits credits;
        credits.years = u"Copyright 2004-2005"_s;
        AboutDialog dialog(nullptr, texts::languageForDigit(digit - '0'), Qt::gray, shell, credits);
        const auto text = [&dialog](const char *name) { return dialog.findChild<QLabel *>(name)->text(); };
        auto *close = dialog.findChild<QPushButton *>("close");
        QCOMPARE((QStringList{dialog.windowTitle(), text("version"), text("madeWith"), text("authors"),
                              text("platform"), text("licence"), text("screenNote"), close->text(),
                              close->toolTip()}),
                 texts);
    }

    // The game as built by default gives no addresses: nothing to click.
    void aBuildWithoutAddressesShowsNoLink()
    {
        const about::Credits built = about::builtCredits();
        if (!built.webAddress.isEmpty() || !built.mailAddresses[0].isEmpty() || !built.mailAddresses[1].isEmpty())
            QSKIP("this build gives the About window its addresses");
        GameFixture game;
        game.startCopy();
        QTest::mouseClick(game.button("about"), Qt::LeftButton);
        AboutDialog *dialog = game.aboutDialog();
        QVERIFY(dialog);
        QVERIFY(dialog->findChildren<ClickLabel *>().isEmpty());
        QVERIFY(dialog->findChild<QLabel *>("logo")->isVisible());
        QTest::mouseClick(dialog->findChild<QLabel *>("logo"), Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        QTest::mouseClick(dialog->findChild<QPushButton *>("close"), Qt::LeftButton);
        QVERIFY(game.fakes.shell.opened.isEmpty());
        // Each opening starts afresh: the closed window is let go.
        QTRY_VERIFY(game.window->findChildren<AboutDialog *>().isEmpty());
    }

    void linksHandTheirAddressToTheDesktopAndClose_data()
    {
        QTest::addColumn<int>("link");
        QTest::addColumn<QString>("address");
        QTest::newRow("logo, no browser") << 0 << u"https://quadrifoglio.example/"_s;
        QTest::newRow("first author") << 1 << u"mailto:anna@quadrifoglio.example"_s;
        QTest::newRow("second author, no mail program") << 2 << u"mailto:bruno@quadrifoglio.example"_s;
    }
    void linksHandTheirAddressToTheDesktopAndClose()
    {
        QFETCH(int, link);
        QFETCH(QString, address);
        FakeShell shell;
        // Only the first author's address finds a program to open it.
        shell.succeeds = link == 1;
        AboutDialog dialog(nullptr, texts::Language::Italian, Qt::gray, shell, fullCredits());
        dialog.open();
        const char *const links[] = {"logo", "mail0", "mail1"};
        QTest::mouseClick(dialog.findChild<ClickLabel *>(links[link]), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(shell.opened, QStringList{address});
    }

    void letGoOutsideALinkOpensNothing()
    {
        FakeShell shell;
        AboutDialog dialog(nullptr, texts::Language::Italian, Qt::gray, shell, fullCredits());
        auto *logo = dialog.findChild<ClickLabel *>("logo");
        QTest::mousePress(logo, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(logo, Qt::LeftButton, {}, QPoint(200, 10));
        QVERIFY(shell.opened.isEmpty());
    }
};

QTEST_MAIN(tst_about)
#include "tst_about.moc"
