// The real message boxes: show() returns while the box is up (no event loop
// of its own), the text stays plain, and a program that ends on a message
// ends once the player has closed it.

#include "platform/RealServices.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QList<QMessageBox *> openBoxes()
{
    QList<QMessageBox *> boxes;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
            boxes << box;
    return boxes;
}

} // namespace

class TestMessageBoxes : public QObject
{
    Q_OBJECT

private slots:
    void showReturnsAtOnceAndTheEndWaitsForTheBox()
    {
        platform::QtMessageBoxes messages;
        messages.show(nullptr, u"<b>Anna</b>\nsecond line"_s, platform::MessageIcon::Critical, u"Quadrifoglio"_s);
        const QList<QMessageBox *> boxes = openBoxes();
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0]->textFormat(), Qt::PlainText);
        QCOMPARE(boxes[0]->text(), u"<b>Anna</b>\nsecond line"_s);
        QCOMPARE(boxes[0]->windowTitle(), u"Quadrifoglio"_s);

        bool ended = false;
        messages.whenAllClosed([&ended] { ended = true; });
        QVERIFY(!ended);
        QTest::keyClick(boxes[0], Qt::Key_Return);
        QVERIFY(ended);
        QTRY_VERIFY(openBoxes().isEmpty());

        bool atOnce = false;
        messages.whenAllClosed([&atOnce] { atOnce = true; });
        QVERIFY(atOnce);
    }

    // A box that goes with its window, unanswered, keeps nothing waiting.
    void aBoxGoneWithItsWindowIsClosedToo()
    {
        platform::QtMessageBoxes messages;
        auto window = std::make_unique<QWidget>();
        window->show();
        messages.show(window.get(), u"Your best time could not be saved"_s, platform::MessageIcon::Critical, {});
        QCOMPARE(openBoxes().size(), 1);
        bool ended = false;
        messages.whenAllClosed([&ended] { ended = true; });
        window.reset();
        QVERIFY(ended);
        QVERIFY(openBoxes().isEmpty());
    }
};

QTEST_MAIN(TestMessageBoxes)
#include "tst_message_boxes.moc"
