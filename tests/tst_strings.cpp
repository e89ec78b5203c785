#include "resources/Resources.h"

#include <QTest>

using resources::LoadResString;

class tst_strings : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageHasAllThirtyOneTexts()
    {
        int count = 0;
        for (int offset = 0; offset <= 400; offset += 100) {
            for (int base = 101; base <= 131; ++base) {
                QVERIFY2(resources::HasResString(offset + base),
                         qPrintable(QString::number(offset + base)));
                QVERIFY(!LoadResString(offset + base).isEmpty());
                ++count;
            }
        }
        QCOMPARE(count, 155);
        QVERIFY(!resources::HasResString(100));
        QVERIFY(!resources::HasResString(132));
        QVERIFY(!resources::HasResString(532));
    }

    void textsAreExactlyAsWritten_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("Italian info, CR LF then a space")
            << 119
            << "Questo puzzle è stato creato con Quadrifoglio.\r\n Se vuoi creare anche tu i tuoi "
               "puzzle personalizzati da regalare a qualche amico, scarica il programma originale "
               "dal sito internet:";
        QTest::newRow("German close typo") << 416 << "&Schilessen";
        QTest::newRow("German exit") << 407 << "S&chlies.";
        QTest::newRow("Spanish timer tip, leading space") << 510 << " Incluyeo excluye la temporización";
        QTest::newRow("Spanish 3-D tip, trailing space")
            << 514 << "Visualiza o esconde el marco tridimensional ";
        QTest::newRow("Spanish info, two spaces")
            << 519
            << QString::fromUtf8("Esto puzzle fue creado con Quadrifoglio.\r\n Si también tu quieres "
                                 "crear tus puzzle  personal fados para regalar a algùn amigo, "
                                 "descarga el programa original desde el sito...");
        QTest::newRow("French kind 1, space after the break") << 324 << "Jeu terminé!\r\n Réessais.";
        QTest::newRow("French level tip") << 308 << "Niveau de difficulté";
        QTest::newRow("Spanish exit") << 507 << "&Sale";
        QTest::newRow("Spanish exit tip") << 512 << "Cierra el programa";
    }
    void textsAreExactlyAsWritten()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        QCOMPARE(LoadResString(id), text);
    }

    void captionsCarryOneAcceleratorEach()
    {
        // Level, Play, Timer, ?, Exit and Close captions mark exactly one
        // letter; a second & would hide a letter and lose the shortcut.
        for (int offset = 0; offset <= 400; offset += 100) {
            for (int base : {101, 102, 103, 104, 105, 106, 107, 116}) {
                const QString caption = LoadResString(offset + base);
                QCOMPARE(caption.count(QLatin1Char('&')), 1);
                QVERIFY(!caption.endsWith(QLatin1Char('&')));
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_strings)
#include "tst_strings.moc"
