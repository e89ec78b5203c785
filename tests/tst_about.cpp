// The information window: its texts in the language of the copy, the
// version of the build, its design, and the three links, which hand their
// address to the desktop and close the window whether or not anything can
// open the address.

#include "about/frmAbout.h"
#include "platform/ClickLabel.h"
#include "support/GameFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

QString buildVersion()
{
    return u"%1.%2.%3"_s.arg(QUADRIFOGLIO_VERSION_MAJOR)
        .arg(QUADRIFOGLIO_VERSION_MINOR)
        .arg(QUADRIFOGLIO_VERSION_PATCH);
}

} // namespace

class tst_about : public QObject
{
    Q_OBJECT

private slots:
    void textsFollowTheLanguageOfTheCopy_data()
    {
        QTest::addColumn<char>("digit");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("info");
        QTest::addColumn<QString>("platformLine");
        QTest::addColumn<QString>("terms");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("close");
        QTest::addColumn<QString>("closeTip");

        QTest::newRow("Italian")
            << '0' << u"Informazioni...."_s << u"Versione  "_s
            << u"Questo puzzle è stato creato con Quadrifoglio.\n Se vuoi creare anche tu i tuoi puzzle "
               "personalizzati da regalare a qualche amico, scarica il programma originale dal sito internet:"_s
            << u"Applicazione a 32 bit per Windows ® 9x / ME / XP / NT"_s
            << u"Programma freeware di libero utilizzo e distribuzione"_s
            << u"Il programma è ottimizzato per una risoluzione video di 800x600 pixel"_s << u"&Chiudi"_s
            << u"Esci"_s;
        QTest::newRow("English")
            << '1' << u"Informations...."_s << u"Version  "_s
            << u"This puzzle was created with Quadrifoglio.\nIf you want to creat your own puzzle to give to "
               "a friend, download the original program, free of charge, from:"_s
            << u"Application 32 bit for Windows® 9x / ME / XP / NT"_s
            << u"Freeware program - free use and distribution."_s
            << u"Best visual results if used with 800x600 pixel monitor."_s << u"&Close"_s << u"Exit"_s;
    }
    void textsFollowTheLanguageOfTheCopy()
    {
        QFETCH(char, digit);
        QFETCH(QString, title);
        QFETCH(QString, version);
        QFETCH(QString, info);
        QFETCH(QString, platformLine);
        QFETCH(QString, terms);
        QFETCH(QString, screen);
        QFETCH(QString, close);
        QFETCH(QString, closeTip);

        GameFixture game;
        game.startCopy(digit);
        frmAbout form(*game.form);
        QCOMPARE(form.windowTitle(), title);
        QCOMPARE(form.Label1->text(), u"Quadrifoglio"_s);
        QCOMPARE(form.lblVersione->text(), version + buildVersion());
        QCOMPARE(form.lblInfo->text(), info);
        QCOMPARE(form.lbl1->text(), platformLine);
        QCOMPARE(form.lbl2->text(), terms);
        QCOMPARE(form.lbl3->text(), screen);
        QCOMPARE(form.cmdChiudi->text(), close);
        QCOMPARE(form.cmdChiudi->toolTip(), closeTip);
        for (const QLabel *label : {form.Label1, form.lblVersione, form.lblInfo, form.lblCopyr,
                                    static_cast<QLabel *>(form.lblMail[0]), static_cast<QLabel *>(form.lblMail[1]),
                                    form.lbl1, form.lbl2, form.lbl3})
            QCOMPARE(label->textFormat(), Qt::PlainText);
    }

    void windowTakesTheMainWindowsColour()
    {
        GameFixture game;
        game.startCopy();
        game.form->setBackColor(QColor(192, 0, 192));
        frmAbout form(*game.form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.grab().toImage().pixelColor(3, 340), QColor(192, 0, 192));
    }

    void linksHandTheirAddressToTheDesktopAndClose_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("handled");
        QTest::newRow("close button") << u"close"_s << QString() << true;
        QTest::newRow("close box") << u"close box"_s << QString() << true;
        QTest::newRow("logo") << u"logo"_s << about::WebAddress() << true;
        QTest::newRow("first author") << u"mail0"_s << u"mailto:"_s + about::MailAddress(0) << true;
        QTest::newRow("second author") << u"mail1"_s << u"mailto:"_s + about::MailAddress(1) << true;
        QTest::newRow("second author, no mail program") << u"mail1"_s
                                                       << u"mailto:"_s + about::MailAddress(1) << false;
    }
    void linksHandTheirAddressToTheDesktopAndClose()
    {
        QFETCH(QString, link);
        QFETCH(QString, address);
        QFETCH(bool, handled);
        GameFixture game;
        game.startCopy();
        game.fakes.shell.succeeds = handled;
        int answered = 0;
        AnswerModal<frmAbout>([link](frmAbout *form) {
            if (link == u"close box")
                form->windowHandle()->close();
            else
                QTest::mouseClick(link == u"close"  ? static_cast<QWidget *>(form->cmdChiudi)
                                  : link == u"logo" ? static_cast<QWidget *>(form->imgLogo)
                                  : link == u"mail0" ? form->lblMail[0] : form->lblMail[1],
                                  Qt::LeftButton);
        }, &answered);
        ShowAboutForm(*game.form);
        QCOMPARE(answered, 1);
        QCOMPARE(game.fakes.shell.opened, address.isEmpty() ? QStringList() : QStringList{address});
        QVERIFY(game.form->findChildren<frmAbout *>().isEmpty());
    }

    void letGoOutsideALinkOpensNothing()
    {
        GameFixture game;
        game.startCopy();
        frmAbout form(*game.form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::mousePress(form.imgLogo, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(form.imgLogo, Qt::LeftButton, {}, QPoint(200, 10));
        QVERIFY(game.fakes.shell.opened.isEmpty());
        QVERIFY(form.isVisible());
    }

};

QTEST_MAIN(tst_about)
#include "tst_about.moc"
