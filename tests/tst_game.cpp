#include <QTest>
class tst_game : public QObject { Q_OBJECT };
QTEST_APPLESS_MAIN(tst_game)
#include "tst_game.moc"
