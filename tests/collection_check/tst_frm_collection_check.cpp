// The Collection Check window on the offscreen platform: its progress while the check reads the
// collection, a Cancel that leaves nothing half drawn, and a double-click or Enter on a finding
// that shows its first record in the main window.

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QThread>

#include "collection_check/frm_collection_check.h"
#include "record/record_window.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/window_test.h"

using collection_check::CheckWindow;
using collection_check::FrmCollectionCheck;
using record::RecordWindow;
using testing::CollectionDir;

class FrmCollectionCheckTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void cleanup();
    void showsProgressAndCancelLeavesNothingDrawn();
    void doubleClickOrEnterShowsTheRecord();

private:
    void open(const std::vector<QStringList>& records);
    template <class T>
    T* child(const char* name) {
        T* found = frm_->findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no %s", name);
        return found;
    }
    bool nothingDrawn();

    std::unique_ptr<FrmCollectionCheck> frm_;
};

void FrmCollectionCheckTest::cleanup() {
    frm_.reset();
    WindowTest::cleanup();
}

void FrmCollectionCheckTest::open(const std::vector<QStringList>& records) {
    load(records);
    frm_ = std::make_unique<FrmCollectionCheck>(*w_);
    frm_->setAttribute(Qt::WA_DeleteOnClose, false);
    frm_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm_.get()));
}

bool FrmCollectionCheckTest::nothingDrawn() {
    return child<QTableView>("findingsTable")->model()->rowCount() == 0 &&
           child<QLabel>("lblRecords")->text().isEmpty() &&
           child<QChartView>("mediaChart")->chart()->series().isEmpty() &&
           child<QChartView>("composerChart")->chart()->series().isEmpty();
}

void FrmCollectionCheckTest::showsProgressAndCancelLeavesNothingDrawn() {
    open(testing::numberedRecords(10000));
    QList<int> shown;
    auto* bar = child<QProgressBar>("progressBar");
    connect(bar, &QProgressBar::valueChanged, this, [&](int value) { shown << value; });
    frm_->state().start();
    QVERIFY(!child<QPushButton>("cmdCheckAgain")->isEnabled());
    QTRY_COMPARE(frm_->state().phase(), CheckWindow::Phase::Done);
    // Told after each block of the scanner, then at the end.
    QCOMPARE(shown, (QList<int>{2048, 4096, 6144, 8192, 10000}));
    QCOMPARE(bar->maximum(), 10000);
    QCOMPARE(child<QLabel>("lblRecords")->text(), QStringLiteral("10000"));
    QCOMPARE(child<QLabel>("lblMedia")->text(), QStringLiteral("10000"));
    QCOMPARE(child<QChartView>("mediaChart")->chart()->series().size(), 1);
    QCOMPARE(child<QChartView>("composerChart")->chart()->series().size(), 1);
    QVERIFY(child<QPushButton>("cmdSaveHtml")->isEnabled());

    QTest::mouseClick(child<QPushButton>("cmdCheckAgain"), Qt::LeftButton);
    QVERIFY(nothingDrawn());
    // The thread may be done before the click reaches Cancel: what it sent waits in the queue.
    QThread::msleep(500);
    QTest::mouseClick(child<QPushButton>("cmdCancel"), Qt::LeftButton);
    QCOMPARE(frm_->state().phase(), CheckWindow::Phase::Cancelled);
    QTest::qWait(300);  // whatever the thread sent is not drawn
    QCOMPARE(frm_->state().phase(), CheckWindow::Phase::Cancelled);
    QVERIFY(nothingDrawn());
    QVERIFY(!child<QPushButton>("cmdSaveHtml")->isEnabled());
    QVERIFY(child<QPushButton>("cmdCheckAgain")->isEnabled());
}

void FrmCollectionCheckTest::doubleClickOrEnterShowsTheRecord() {
    open({{"No0001 CD", "Bach", "Mass"}, {"No0002 CD", "Bach", "Mass"}, {"No"}});
    for (const char* cover : {"No0001.jpg", "No0002.jpg"})
        dir_->write(QStringLiteral("Sonvella400/Covers/") + QLatin1String(cover), "a picture");
    frm_->state().start();
    QTRY_COMPARE(frm_->state().phase(), CheckWindow::Phase::Done);
    child<QTabWidget>("tabs")->setCurrentIndex(1);
    auto* table = child<QTableView>("findingsTable");
    QCOMPARE(table->model()->rowCount(), 3);  // the duplicate, Bach not in the list, record 3
    QCOMPARE(table->model()->index(2, 2).data().toString(), QStringLiteral("3"));

    w_->typeInto(record::txtSp, QStringLiteral("typed"));
    const QPoint unfinished = table->visualRect(table->model()->index(2, 1)).center();
    // A double-click as the desktop delivers it: a click, then the double-click event.
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, unfinished);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, unfinished);
    QCOMPARE(w_->state().current, 3);
    QCOMPARE(store::trimBlanks(dir_->field(1, store::Field::Cover)), QStringLiteral("typed"));

    table->setCurrentIndex(table->model()->index(0, 1));
    QTest::keyClick(table, Qt::Key_Return);
    QCOMPARE(w_->state().current, 1);
    QCOMPARE(w_->state().boxes[record::txtSp], QStringLiteral("typed"));
}

QTEST_MAIN(FrmCollectionCheckTest)
#include "tst_frm_collection_check.moc"
