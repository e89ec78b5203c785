// The game's texts in its five languages, as the table holds them.

#include "game/Texts.h"

#include <QTest>

using texts::Language;
using texts::TextId;

Q_DECLARE_METATYPE(texts::Language)
Q_DECLARE_METATYPE(texts::TextId)

namespace {

constexpr Language Languages[] = {Language::Italian, Language::English, Language::French,
                                  Language::German, Language::Spanish};

void addLanguageRows()
{
    QTest::addColumn<Language>("language");
    QTest::newRow("Italian") << Language::Italian;
    QTest::newRow("English") << Language::English;
    QTest::newRow("French") << Language::French;
    QTest::newRow("German") << Language::German;
    QTest::newRow("Spanish") << Language::Spanish;
}

} // namespace

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageHasItsThirtyOneTextsAndNoOthers()
    {
        int count = 0;
        for (int id = 0; id < 1000; ++id)
            count += texts::hasTableEntry(id);
        QCOMPARE(count, 155);
        for (Language language : Languages)
            for (int id = int(TextId::Easy); id <= int(TextId::SolvedIn); ++id)
                QVERIFY2(!texts::text(language, TextId(id)).isEmpty(),
                         qPrintable(QStringLiteral("language %1, text %2").arg(int(language)).arg(id)));
    }

    void textsAreExactlyAsWritten_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<TextId>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("Italian made-with, CR LF then a space") << Language::Italian << TextId::MadeWith
            << "Questo puzzle è stato creato con Quadrifoglio.\r\n Se vuoi creare anche tu i tuoi puzzle personalizzati "
               "da regalare a qualche amico, scarica il programma originale dal sito internet:";
        QTest::newRow("German close, with its typo") << Language::German << TextId::Close << "&Schilessen";
        QTest::newRow("Spanish timer tip, leading space") << Language::Spanish << TextId::TimerTip
                                                         << " Incluyeo excluye la temporización";
        QTest::newRow("Spanish edge tip, trailing space") << Language::Spanish << TextId::EdgeTip
                                                         << "Visualiza o esconde el marco tridimensional ";
        QTest::newRow("Spanish made-with, two spaces") << Language::Spanish << TextId::MadeWith
            << "Esto puzzle fue creado con Quadrifoglio.\r\n Si también tu quieres crear tus puzzle  personal fados "
               "para regalar a algùn amigo, descarga el programa original desde el sito...";
        QTest::newRow("French time over, space after the break") << Language::French << TextId::TimeOver
                                                                << "Jeu terminé!\r\n Réessais.";
    }
    void textsAreExactlyAsWritten()
    {
        QFETCH(Language, language);
        QFETCH(TextId, id);
        QFETCH(QString, text);
        QCOMPARE(texts::text(language, id), text);
        // The table holds each language's texts a hundred ids apart.
        QCOMPARE(texts::tableEntry(100 * int(language) + int(id)), text);
    }

    // Levels, Play, Timer, About, Exit and Close: a second & would hide a
    // letter and lose the shortcut.
    void captionsCarryOneAccessKeyEach_data() { addLanguageRows(); }
    void captionsCarryOneAccessKeyEach()
    {
        QFETCH(Language, language);
        for (TextId id : {TextId::Easy, TextId::Medium, TextId::Difficult, TextId::Play, TextId::Timer,
                          TextId::About, TextId::Exit, TextId::Close}) {
            const QString caption = texts::text(language, id);
            QVERIFY2(caption.count(u'&') == 1, qPrintable(caption));
        }
    }

    void matrixDatDigitPicksTheLanguage_data()
    {
        QTest::addColumn<int>("digit");
        QTest::addColumn<Language>("language");
        QTest::newRow("0 Italian") << 0 << Language::Italian;
        QTest::newRow("1 English") << 1 << Language::English;
        QTest::newRow("2 French") << 2 << Language::French;
        QTest::newRow("3 German") << 3 << Language::German;
        QTest::newRow("4 Spanish") << 4 << Language::Spanish;
        QTest::newRow("5 Italian") << 5 << Language::Italian;
        QTest::newRow("9 Italian") << 9 << Language::Italian;
    }
    void matrixDatDigitPicksTheLanguage()
    {
        QFETCH(int, digit);
        QFETCH(Language, language);
        QCOMPARE(texts::languageForDigit(digit), language);
    }
};

QTEST_APPLESS_MAIN(TestTexts)
#include "tst_texts.moc"
