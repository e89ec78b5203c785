// The information window: its texts in the language of the copy, the
// version of the build, and the three links, which hand their
// address to the desktop and close the window whether or not anything can
// open the address.

#include "ui/AboutDialog.h"
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
        GameFixture game;
        game.startCopy(digit);
        frmAbout form(*game.form);
        QCOMPARE((QStringList{form.windowTitle(), form.lblVersione->text(), form.lblInfo->text(), form.lbl1->text(),
                              form.lbl2->text(), form.lbl3->text(), form.cmdChiudi->text(), form.cmdChiudi->toolTip()}), texts);
    }

    void linksHandTheirAddressToTheDesktopAndClose_data()
    {
        QTest::addColumn<int>("link");
        QTest::addColumn<QString>("address");
        QTest::newRow("logo, no browser") << 0 << about::WebAddress();
        QTest::newRow("first author") << 1 << u"mailto:"_s + about::MailAddress(0);
        QTest::newRow("second author, no mail program") << 2 << u"mailto:"_s + about::MailAddress(1);
    }
    void linksHandTheirAddressToTheDesktopAndClose()
    {
        QFETCH(int, link);
        QFETCH(QString, address);
        GameFixture game;
        game.startCopy();
        // Only the first author's address finds a program to open it.
        game.fakes.shell.succeeds = link == 1;
        bool closed = false;
        AnswerModal<frmAbout>([link, &closed](frmAbout *form) {
            QWidget *const links[] = {form->imgLogo, form->lblMail[0], form->lblMail[1]};
            QTest::mouseClick(links[link], Qt::LeftButton);
            closed = !form->isVisible();
        });
        ShowAboutForm(*game.form);
        QVERIFY(closed);
        QCOMPARE(game.fakes.shell.opened, QStringList{address});
        QVERIFY(game.form->findChildren<frmAbout *>().isEmpty());
    }

    void letGoOutsideALinkOpensNothing()
    {
        GameFixture game;
        game.startCopy();
        frmAbout form(*game.form);
        QTest::mousePress(form.imgLogo, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(form.imgLogo, Qt::LeftButton, {}, QPoint(200, 10));
        QVERIFY(game.fakes.shell.opened.isEmpty());
    }
};

QTEST_MAIN(tst_about)
#include "tst_about.moc"
