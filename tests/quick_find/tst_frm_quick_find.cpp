// The Quick Find window under the offscreen platform: opened by Ctrl+K and by its menu entry,
// typing fills the list, Up, Down and Enter go to a hit, and the window goes with the main window.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>
#include <QTest>

#include "app/program.h"
#include "main_window/frm_istoriki.h"
#include "quick_find/frm_quick_find.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/shown_window_test.h"

using main_window::FrmIstoriki;
using quick_find::FrmQuickFind;
using testing::CollectionDir;

namespace {

const std::vector<QStringList> kRecords = {
    {"No0001 CD", "Johann Sebastian Bach", "Goldberg Variations", "", "Glenn Gould, piano"},
    {"No0002 CD", "Wolfgang Amadeus Mozart", "Requiem"},
    {"No0003 LP", "Leopold Mozart", "Trumpet Concerto"},
};

FrmQuickFind* quickFindOf(QWidget* mainWindow) {
    return mainWindow->findChild<FrmQuickFind*>(QStringLiteral("frmQuickFind"));
}

}  // namespace

class FrmQuickFindTest : public testing::ShownWindowTest {
    Q_OBJECT
private slots:
    void init();
    void ctrlKOpensItAndTypingFillsTheList();
    void theMenuEntryOpensIt();
    void downAndEnterShowTheHit();
    void itClosesWhenTheMainWindowUnloads();

private:
    FrmQuickFind* typeInto(const QString& text);
};

void FrmQuickFindTest::init() {
    ShownWindowTest::init();
    load(kRecords);
    showWindow();
}

FrmQuickFind* FrmQuickFindTest::typeInto(const QString& text) {
    QTest::keyClick(window_.get(), Qt::Key_K, Qt::ControlModifier);
    FrmQuickFind* find = quickFindOf(window_.get());
    if (!find) return nullptr;
    QTest::keyClicks(find->findChild<QLineEdit*>(QStringLiteral("quickFindText")), text);
    return find;
}

void FrmQuickFindTest::ctrlKOpensItAndTypingFillsTheList() {
    FrmQuickFind* find = typeInto(QStringLiteral("mozart"));
    QVERIFY(find);
    QVERIFY(find->isVisible());
    QCOMPARE(find->windowTitle(), QStringLiteral("Sonvella 4.0 - Quick Find"));
    auto* list = find->findChild<QTableView*>(QStringLiteral("quickFindHits"));
    QTRY_COMPARE(list->model()->rowCount(), 2);
    QVERIFY(list->isVisible());
    QTRY_COMPARE(find->findChild<QLabel*>(QStringLiteral("quickFindCount"))->text(),
                 QStringLiteral("2 records match"));
    QStringList headings;
    for (int c = 0; c < list->model()->columnCount(); ++c)
        headings << list->model()->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headings, (QStringList{"Opus No", "Identity", "Composer", "Title",
                                    "Orchestra/Conductor", "Soloists"}));
    QCOMPARE(list->model()->index(1, 0).data().toString(), QStringLiteral("3"));
    QCOMPARE(list->model()->index(1, 2).data().toString(), QStringLiteral("Leopold Mozart"));
}

void FrmQuickFindTest::theMenuEntryOpensIt() {
    auto* entry = window_->findChild<QAction*>(QStringLiteral("mnuQuickFind"));
    QVERIFY(entry);
    entry->trigger();
    QVERIFY(quickFindOf(window_.get()));
    QVERIFY(quickFindOf(window_.get())->isVisible());
}

void FrmQuickFindTest::downAndEnterShowTheHit() {
    w_->typeInto(record::txtOno, QStringLiteral("Edited Bach"));
    FrmQuickFind* find = typeInto(QStringLiteral("mozart"));
    QVERIFY(find);
    auto* box = find->findChild<QLineEdit*>(QStringLiteral("quickFindText"));
    QTRY_VERIFY(!find->state().searching());
    QTest::keyClick(box, Qt::Key_Down);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(w_->state().current, 3);
    QCOMPARE(window_->findChild<QLineEdit*>(QStringLiteral("txtOno"))->text(),
             QStringLiteral("Leopold Mozart"));
    QCOMPARE(store::trimBlanks(dir_->field(1, store::Field::Composer)),
             QStringLiteral("Edited Bach"));
    QVERIFY(find->isVisible());  // open for the next pick
    QTest::keyClick(box, Qt::Key_Up);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(w_->state().current, 2);
}

void FrmQuickFindTest::itClosesWhenTheMainWindowUnloads() {
    window_.reset();
    w_.reset();
    testing::ScriptedDialogs dialogs;
    testing::RecordingHelpViewer help;
    testing::RecordingLauncher processes;
    {
        app::Program program(dialogs, help, &processes);
        program.showSplash();
        QTRY_VERIFY_WITH_TIMEOUT(program.mainWindow() != nullptr, 3000);
        program.mainWindow()->showQuickFind();
        QPointer<FrmQuickFind> find = quickFindOf(program.mainWindow());
        QVERIFY(find && find->isVisible());
        program.unloadMainWindow();  // as multi mode, a backup or a re-sort does
        QVERIFY(!find || !find->isVisible());
        QTRY_VERIFY(find.isNull());
    }
    dialogs.verifyDone();
}

QTEST_MAIN(FrmQuickFindTest)
#include "tst_frm_quick_find.moc"
