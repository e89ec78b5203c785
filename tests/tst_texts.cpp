#include "assets/Assets.h"

#include <QTest>

using resources::LoadResString;

class tst_strings : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageHasItsThirtyOneTextsAndNoOthers()
    {
        int count = 0;
        for (int id = 0; id < 1000; ++id)
            count += resources::HasResString(id);
        QCOMPARE(count, 155);
        for (int offset = 0; offset <= 400; offset += 100)
            for (int id = offset + 101; id <= offset + 131; ++id)
                QVERIFY2(!LoadResString(id).isEmpty(), qPrintable(QString::number(id)));
    }

    void textsAreExactlyAsWritten_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("Italian info, CR LF then a space") << 119
            << "Questo puzzle è stato creato con Quadrifoglio.\r\n Se vuoi creare anche tu i tuoi puzzle personalizzati "
               "da regalare a qualche amico, scarica il programma originale dal sito internet:";
        QTest::newRow("German close typo") << 416 << "&Schilessen";
        QTest::newRow("Spanish timer tip, leading space") << 510 << " Incluyeo excluye la temporización";
        QTest::newRow("Spanish 3-D tip, trailing space") << 514 << "Visualiza o esconde el marco tridimensional ";
        QTest::newRow("Spanish info, two spaces") << 519
            << "Esto puzzle fue creado con Quadrifoglio.\r\n Si también tu quieres crear tus puzzle  personal fados "
               "para regalar a algùn amigo, descarga el programa original desde el sito...";
        QTest::newRow("French kind 1, space after the break") << 324 << "Jeu terminé!\r\n Réessais.";
    }
    void textsAreExactlyAsWritten()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        QCOMPARE(LoadResString(id), text);
    }

    // Level, Play, Timer, ?, Exit and Close: a second & would hide a letter and lose the shortcut.
    void captionsCarryOneAcceleratorEach()
    {
        for (int offset = 0; offset <= 400; offset += 100)
            for (int id : {101, 102, 103, 104, 105, 106, 107, 116})
                QVERIFY2(LoadResString(offset + id).count(u'&') == 1, qPrintable(LoadResString(offset + id)));
    }
};

QTEST_GUILESS_MAIN(tst_strings)
#include "tst_strings.moc"
