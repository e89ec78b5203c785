// The game's texts in its five languages: every one there, spelt right, and
// the messages built from them.

#include "game/Texts.h"

#include <QProcess>
#include <QTest>

using namespace Qt::StringLiterals;
using texts::Language;
using texts::TextId;

Q_DECLARE_METATYPE(texts::Language)
Q_DECLARE_METATYPE(texts::TextId)

namespace {

constexpr Language Languages[] = {Language::Italian, Language::English, Language::French,
                                  Language::German, Language::Spanish};

// The words hunspell does not know and a player reads as they are: Italian
// names in English texts, the maker's name and file names.
const char *const WordList = SPELLING_WORD_LIST;

// The words of `text` that the dictionary of `dictionary` does not know.
QStringList unknownWords(const QString &dictionary, const QString &text)
{
    QProcess hunspell;
    hunspell.start(u"hunspell"_s, {u"-i"_s, u"utf-8"_s, u"-d"_s, dictionary, u"-p"_s,
                                   QString::fromUtf8(WordList), u"-l"_s});
    if (!hunspell.waitForStarted())
        return {u"(hunspell does not run: tools/install-deps.sh installs it)"_s};
    hunspell.write(text.toUtf8());
    hunspell.closeWriteChannel();
    hunspell.waitForFinished();
    const QString out = QString::fromUtf8(hunspell.readAllStandardOutput()).trimmed();
    if (hunspell.exitCode() != 0)
        return {QString::fromUtf8(hunspell.readAllStandardError())};
    return out.isEmpty() ? QStringList() : out.split(u'\n');
}

// A text as a player reads it: no access-key mark, no place holders.
QString asRead(QString text)
{
    text.remove(u'&');
    static const QRegularExpression placeHolder(u"%\\d"_s);
    return text.remove(placeHolder);
}

} // namespace

class TestTexts : public QObject
{
    Q_OBJECT

private slots:
    void everyLanguageHasEveryTextAndNoOthers()
    {
        for (Language language : Languages)
            for (TextId id : texts::allTexts())
                QVERIFY2(!texts::text(language, id).isEmpty(),
                         qPrintable(u"language %1, text %2"_s.arg(int(language)).arg(int(id))));
    }

    void textsAreExactlyAsWritten_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<TextId>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("German close") << Language::German << TextId::Close << u"&Schließen"_s;
        QTest::newRow("French exit, its own key") << Language::French << TextId::Exit << u"&Quitter"_s;
        QTest::newRow("French time over, no-break space before !") << Language::French << TextId::TimeOver
                                                                  << u"Jeu terminé\u00a0!\nRéessaie."_s;
        QTest::newRow("Spanish time over, opening mark") << Language::Spanish << TextId::TimeOver
                                                        << u"¡Juego terminado!\nInténtalo otra vez."_s;
        QTest::newRow("English not beaten, line break before the time") << Language::English
            << TextId::SolvedWithoutRecord
            << u"Good...\neven though you did not beat the record, you finished the puzzle in...\n"_s;
        QTest::newRow("give up tip") << Language::Italian << TextId::GiveUpTip << u"Abbandona la partita"_s;
        QTest::newRow("German loading") << Language::German << TextId::LoadingPicture << u"Das Bild wird geladen..."_s;
        QTest::newRow("Spanish piece") << Language::Spanish << TextId::PieceInPlace << u"Pieza %1, en su sitio"_s;
    }
    void textsAreExactlyAsWritten()
    {
        QFETCH(Language, language);
        QFETCH(TextId, id);
        QFETCH(QString, text);
        QCOMPARE(texts::text(language, id), text);
    }

    // Levels, Play, Timer, About, Exit and Close: a second & would hide a
    // letter and lose the shortcut.
    void captionsCarryOneAccessKeyEach_data()
    {
        QTest::addColumn<Language>("language");
        for (Language language : Languages)
            QTest::newRow(qPrintable(texts::languageCode(language))) << language;
    }
    void captionsCarryOneAccessKeyEach()
    {
        QFETCH(Language, language);
        for (TextId id : {TextId::Easy, TextId::Medium, TextId::Difficult, TextId::Play, TextId::Timer,
                          TextId::About, TextId::Exit, TextId::Close}) {
            const QString caption = texts::text(language, id);
            QVERIFY2(caption.count(u'&') == 1, qPrintable(caption));
        }
    }

    // Every text through hunspell with the language's Debian dictionary.
    void everyTextIsSpeltRight_data()
    {
        QTest::addColumn<QString>("dictionary");
        QTest::addColumn<QString>("text");
        const QString dictionaries[] = {u"it_IT"_s, u"en_US"_s, u"fr_FR"_s, u"de_DE"_s, u"es_ES"_s};
        for (Language language : Languages) {
            QStringList all;
            for (TextId id : texts::allTexts())
                all << asRead(texts::text(language, id));
            QTest::newRow(qPrintable(texts::languageCode(language))) << dictionaries[int(language)]
                                                                    << all.join(u'\n');
        }
    }
    void everyTextIsSpeltRight()
    {
        QFETCH(QString, dictionary);
        QFETCH(QString, text);
        const QStringList unknown = unknownWords(dictionary, text);
        QVERIFY2(unknown.isEmpty(), qPrintable(unknown.join(u", "_s)));
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

    // A path is put in as it is: a "%2" in a folder's name stays there.
    void pictureMessagesSayWhereAndWhy_data()
    {
        QTest::addColumn<int>("problem");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << int(texts::PictureTrouble::Missing)
            << u"Impossible de trouver l'image du puzzle\u00a0: il n'y a aucun fichier Matrix.bmp, Matrix.jpg "
               "ou Matrix.gif dans le dossier\n/home/ann/100%2 gift"_s;
        QTest::newRow("unreadable") << int(texts::PictureTrouble::Unreadable)
            << u"Impossible de lire l'image du puzzle\n/home/ann/100%2 gift/Matrix.gif\n"
               "Le système ne permet pas de lire le fichier."_s;
        QTest::newRow("damaged") << int(texts::PictureTrouble::Damaged)
            << u"Impossible de lire l'image du puzzle\n/home/ann/100%2 gift/Matrix.gif\n"
               "Le fichier est endommagé ou incomplet."_s;
        QTest::newRow("too large") << int(texts::PictureTrouble::TooLarge)
            << u"Impossible de lire l'image du puzzle\n/home/ann/100%2 gift/Matrix.gif\n"
               "L'image est trop grande\u00a0: 20000\u00a0×\u00a015000 pixels, plus de 200 millions de pixels."_s;
    }
    void pictureMessagesSayWhereAndWhy()
    {
        QFETCH(int, problem);
        QFETCH(QString, message);
        const texts::PictureTrouble trouble{texts::PictureTrouble::Kind(problem), QSize(20000, 15000), 200'000'000};
        QCOMPARE(texts::pictureUnreadableMessage(Language::French, u"/home/ann/100%2 gift/Matrix.gif"_s, trouble),
                 message);
    }

    // What failed and where, in the player's language.
    void recordNotSavedSaysWhatAndWhere_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<int>("failure");
        QTest::addColumn<QString>("message");
        QTest::newRow("folder gone, Italian") << Language::Italian << int(SaveFailure::FolderMissing)
            << u"Non è stato possibile salvare il tuo miglior tempo in\n/home/ann/100%2/Quadrifoglio.sco\n"
               "La cartella non esiste."_s;
        QTest::newRow("disk full, English") << Language::English << int(SaveFailure::DiskFull)
            << u"Your best time could not be saved in\n/home/ann/100%2/Quadrifoglio.sco\nThe disk is full."_s;
        QTest::newRow("no folder at all, German") << Language::German << int(SaveFailure::NoFolder)
            << u"Deine Bestzeit konnte nicht gespeichert werden: Es gibt keinen Ordner für die Einstellungen des Spiels."_s;
    }
    void recordNotSavedSaysWhatAndWhere()
    {
        QFETCH(Language, language);
        QFETCH(int, failure);
        QFETCH(QString, message);
        QCOMPARE(texts::recordNotSavedMessage(language, SaveFailure(failure), u"/home/ann/100%2/Quadrifoglio.sco"_s),
                 message);
    }

    // Shown before any language is known: a paragraph in each.
    void screenTooSmallInEveryLanguage()
    {
        const QStringList paragraphs = texts::screenTooSmallMessage().split(u"\n\n"_s);
        QCOMPARE(paragraphs.size(), 5);
        QVERIFY(paragraphs[0].startsWith(u"Il gioco richiede"_s));
        QVERIFY(paragraphs[4].startsWith(u"El juego necesita"_s));
    }
};

QTEST_APPLESS_MAIN(TestTexts)
#include "tst_texts.moc"
