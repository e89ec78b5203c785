// Every window in every language, as a player opens it: each text has the
// room it needs (none cut, none wrapped out of sight) and no access key is
// taken twice in a window.

#include "support/GameFixture.h"

#include <QCheckBox>
#include <QStyle>
#include <QStyleOptionButton>

using namespace Qt::StringLiterals;
using besttimes::GameEnd;
using texts::Language;

Q_DECLARE_METATYPE(texts::Language)

namespace {

constexpr Language Languages[] = {Language::Italian, Language::English, Language::French,
                                  Language::German, Language::Spanish};

QString describe(const QWidget *w, const QString &text, QSize need, QSize room)
{
    return u"%1 \"%2\" needs %3 x %4, has %5 x %6"_s.arg(w->objectName(), text)
        .arg(need.width()).arg(need.height()).arg(room.width()).arg(room.height());
}

// The room a button gives its caption, as its style draws it.
QRect captionRoom(const QAbstractButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QRadioButton *>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<const QCheckBox *>(button))
        contents = QStyle::SE_CheckBoxContents;
    // Two pixels clear of the frame on either side, or the caption looks cut.
    return button->style()->subElementRect(contents, &option, button).adjusted(2, 0, -2, 0);
}

// Every text of `window` that needs more room than it has.
QStringList textsThatDoNotFit(QWidget *window)
{
    QStringList problems;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisibleTo(window) || label->text().isEmpty())
            continue;
        const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                          -label->margin(), -label->margin());
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QSize need = QFontMetrics(label->font()).boundingRect(room, flags, label->text()).size();
        if (need.width() > room.width() || need.height() > room.height())
            problems << describe(label, label->text(), need, room.size());
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (!button->isVisibleTo(window) || button->text().isEmpty())
            continue;
        if (qobject_cast<QToolButton *>(button)) {
            // Picture and caption laid out by the button itself.
            if (button->sizeHint().width() > button->width() || button->sizeHint().height() > button->height())
                problems << describe(button, button->text(), button->sizeHint(), button->size());
            continue;
        }
        const QSize need = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        const QRect room = captionRoom(button);
        if (need.width() > room.width() || need.height() > room.height())
            problems << describe(button, button->text(), need, room.size());
    }
    return problems;
}

// The access keys of `window` that more than one control answers to.
QStringList clashingAccessKeys(QWidget *window)
{
    QMultiMap<QChar, QString> owners;
    const auto collect = [&](const QString &text) {
        const qsizetype at = text.indexOf(u'&');
        if (at >= 0 && at + 1 < text.size() && text[at + 1] != u'&')
            owners.insert(text[at + 1].toLower(), text);
    };
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
        if (button->isVisibleTo(window))
            collect(button->text());
    for (QLabel *label : window->findChildren<QLabel *>())
        if (label->buddy() && label->isVisibleTo(window))
            collect(label->text());
    QStringList clashes;
    for (const QChar key : owners.uniqueKeys())
        if (owners.count(key) > 1)
            clashes << QStringList(owners.values(key)).join(u" / "_s);
    return clashes;
}

void check(QWidget *window)
{
    const QStringList tooSmall = textsThatDoNotFit(window);
    QVERIFY2(tooSmall.isEmpty(), qPrintable(tooSmall.join(u"; "_s)));
    const QStringList clashes = clashingAccessKeys(window);
    QVERIFY2(clashes.isEmpty(), qPrintable(u"one key for "_s + clashes.join(u"; "_s)));
}

} // namespace

class tst_window_texts : public QObject
{
    Q_OBJECT

private slots:
    // The start screen on the smallest and a usual screen, and a game in play.
    void mainWindow_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<QSize>("screen");
        for (QSize screen : {QSize(800, 600), QSize(1024, 768)})
            for (Language language : Languages)
                QTest::newRow(qPrintable(u"%1 x %2, %3"_s.arg(screen.width()).arg(screen.height())
                                             .arg(texts::languageCode(language))))
                    << language << screen;
    }
    void mainWindow()
    {
        QFETCH(Language, language);
        QFETCH(QSize, screen);
        GameFixture game;
        QVERIFY(game.startCopy(char('0' + int(language)), screen));
        check(game.window);
        game.startGame(1);
        check(game.window);
    }

    // Each end, at the longest time in words, and a record at every level.
    void resultWindow_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("level");
        for (Language language : Languages)
            for (int end = 1; end <= 4; ++end)
                for (int level = 0; level < (end == 4 ? 3 : 1); ++level)
                    QTest::newRow(qPrintable(u"%1, end %2, level %3"_s.arg(texts::languageCode(language))
                                                 .arg(end).arg(level)))
                        << language << end << level;
    }
    void resultWindow()
    {
        QFETCH(Language, language);
        QFETCH(int, end);
        QFETCH(int, level);
        ResultDialog dialog(nullptr, {GameEnd(end), Level(level), 3599}, language, Qt::gray, QSize(1024, 768));
        dialog.open();
        check(&dialog);
    }

    // With every link the build can give, and with none.
    void aboutWindow_data()
    {
        QTest::addColumn<Language>("language");
        QTest::addColumn<bool>("links");
        for (bool links : {false, true})
            for (Language language : Languages)
                QTest::newRow(qPrintable(u"%1, %2"_s.arg(texts::languageCode(language),
                                                         links ? u"links"_s : u"no links"_s)))
                    << language << links;
    }
    void aboutWindow()
    {
        QFETCH(Language, language);
        QFETCH(bool, links);
        about::Credits credits;
        if (links)
            credits = {u"https://quadrifoglio.example/"_s,
                       {u"alessandra.bianchi@quadrifoglio.example"_s, u"giovanni.rossi@quadrifoglio.example"_s},
                       u"Copyright 2004-2025"_s,
                       u"Alessandra Bianchi, Giovanni Rossi"_s};
        FakeShell shell;
        AboutDialog dialog(nullptr, language, Qt::gray, shell, credits);
        dialog.open();
        check(&dialog);
    }
};

QTEST_MAIN(tst_window_texts)
#include "tst_window_texts.moc"
