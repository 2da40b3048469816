// The multi mode window's state: loading, drawing a record, ShownTable, the captions, leaving.

#include <QTest>

#include "multi/multi_window.h"
#include "support/collection_dir.h"
#include "support/fakes.h"

using multi::MultiWindow;
using testing::CollectionDir;

class MultiWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { fakes_.reset(); }
    void loadsWithItsOwnCount_data();
    void loadsWithItsOwnCount();
    void showCRDrawsFiveLinesAndFillsARow();
    void eightRecordsFillThePage();
    void clearArraysEmptiesEverySlot();
    void captionsCarryTheirNumbers();
    void leaving();

private:
    testing::Fakes fakes_;
};

void MultiWindowTest::loadsWithItsOwnCount_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("n");
    QTest::newRow("empty") << 0 << 1;
    QTest::newRow("2.4 records") << int(455 * 2.4) << 2;
    QTest::newRow("2.6 records") << int(455 * 2.6) << 3;
}

void MultiWindowTest::loadsWithItsOwnCount() {
    QFETCH(int, length);
    QFETCH(int, n);
    CollectionDir dir;
    dir.write("Clasical.dat", QByteArray(length, 'x'));
    MultiWindow w(fakes_.services());
    QVERIFY(w.Form_Load());
    QCOMPARE(w.N, n);
    QCOMPARE(w.current, 1);
    QCOMPARE(w.caption, QStringLiteral("Sonvella 4.0 - My Music Collection"));
    QVERIFY(!w.printShownEnabled && !w.saveShownEnabled);
    QVERIFY(w.drawing.empty());
    QCOMPARE(w.rowCounter, 0);
}

void MultiWindowTest::showCRDrawsFiveLinesAndFillsARow() {
    CollectionDir dir({{"CD 4711", "Bach", "Mass in B minor", "Concentus", "", "2 CD"}});
    MultiWindow w(fakes_.services());
    QVERIFY(w.Form_Load());
    w.current = 1;
    w.ShowCR();
    auto pad = [](const char* t, int width) { return QString::fromLatin1(t).leftJustified(width); };
    QCOMPARE(w.drawing.size(), size_t(5));
    QCOMPARE(w.drawing[0].text,
             pad("CD 4711", 45) + "     " + pad("Bach", 45) + "     " + pad("Mass in B minor", 60));
    QCOMPARE(w.drawing[0].xTwips, 2);
    QCOMPARE(w.drawing[3].text, pad("2 CD", 115));
    QCOMPARE(w.drawing[3].atColumn120, QStringLiteral("Opus No = 1"));
    QCOMPARE(w.drawing[4].text, QString(250, QLatin1Char('_')));
    QCOMPARE(w.drawing[4].xTwips, 0);
    QCOMPARE(w.rowCounter, 1);
    QCOMPARE(w.slotText(1, 1), pad("CD 4711", 45) + QString(35, QLatin1Char(' ')) + "Opus No = 1");
    QCOMPARE(w.slotText(1, 2), pad("Bach", 45) + "  " + pad("Mass in B minor", 60));
    QCOMPARE(w.slotText(1, 3), pad("Concentus", 75));
    QCOMPARE(w.slotText(1, 4), pad("", 115));
    QCOMPARE(w.slotText(1, 5), pad("2 CD", 115));
    QCOMPARE(w.slotText(1, 6), pad("Bach", 45));
    QCOMPARE(w.slotText(1, 7), pad("Mass in B minor", 60));
    QCOMPARE(w.caption, QStringLiteral("Sonvella 4.0 - My Music Collection - Opus No:  1  of  1"));
}

void MultiWindowTest::eightRecordsFillThePage() {
    CollectionDir dir(testing::numberedRecords(9));
    MultiWindow w(fakes_.services());
    QVERIFY(w.Form_Load());
    for (int n = 1; n <= 8; ++n) {
        w.current = n;
        w.ShowCR();
    }
    QCOMPARE(w.rowCounter, 8);
    QCOMPARE(w.drawing.size(), size_t(40));
    QVERIFY(w.slotText(8, 1).endsWith(QStringLiteral("Opus No = 8")));
    QVERIFY(w.slotText(1, 6).startsWith(QStringLiteral("Composer 1")));
}

void MultiWindowTest::clearArraysEmptiesEverySlot() {
    CollectionDir dir(testing::numberedRecords(3));
    MultiWindow w(fakes_.services());
    QVERIFY(w.Form_Load());
    w.ShowCR();
    w.ShowCR();
    w.ClearArrays();
    QCOMPARE(w.rowCounter, 0);
    for (int row = 1; row <= 8; ++row) {
        for (int slot = 1; slot <= 7; ++slot) QVERIFY(w.slotText(row, slot).isEmpty());
    }
    w.current = 3;
    w.ShowCR();
    QVERIFY(w.slotText(1, 1).endsWith(QStringLiteral("Opus No = 3")));
    QCOMPARE(w.drawing.size(), size_t(15));  // the drawing is cleared on its own
    w.clearDrawing();
    QVERIFY(w.drawing.empty());
}

void MultiWindowTest::captionsCarryTheirNumbers() {
    CollectionDir dir(testing::numberedRecords(120));
    MultiWindow w(fakes_.services());
    QVERIFY(w.Form_Load());
    w.progress = 7;
    w.ShowSRN();
    QCOMPARE(w.caption,
             QStringLiteral("Sonvella 4.0 - My Music Collection - Searching Opus #:  7  of  120"));
    w.showCA();
    QCOMPARE(w.caption, QStringLiteral("Sonvella 4.0 - My Music Collection"));
}

void MultiWindowTest::leaving() {
    CollectionDir dir(testing::numberedRecords(2));
    {
        MultiWindow w(fakes_.services());
        QVERIFY(w.Form_Load());
        w.mnuTelos();
        QVERIFY(!w.file().isOpen());
        QCOMPARE(fakes_.shell.calls, (QStringList{"unload multi", "splash"}));
    }
    fakes_.reset();
    MultiWindow w(fakes_.services());
    QVERIFY(w.Form_Load());
    w.mnuExit();
    QVERIFY(!w.file().isOpen());
    QCOMPARE(fakes_.shell.calls, (QStringList{"end"}));
}

QTEST_GUILESS_MAIN(MultiWindowTest)
#include "tst_multi_window.moc"
