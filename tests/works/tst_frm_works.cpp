// The Works window under the offscreen platform: opened by Ctrl+Shift+W, typing in the filter
// narrows the tree, a double-click or Enter on a recording shows it in the main window, and the
// window goes with the main window.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTreeView>

#include "app/program.h"
#include "main_window/frm_istoriki.h"
#include "support/fakes.h"
#include "support/shown_window_test.h"
#include "works/frm_works.h"

using works::FrmWorks;
using works::WorksWindow;

namespace {

const std::vector<QStringList> kRecords = {
    {"No0001 CD", "Bach, J.S.", "Goldberg Variations, BWV 988", "", "Glenn Gould, piano"},
    {"No0002 CD", "Wolfgang Amadeus Mozart", "Requiem, K. 626"},
    {"No0003 CD", "Bach", "Goldberg-Variationen BWV988", "", "Andras Schiff, piano"},
    {"No0004 LP", "Bach, J.S.", "Aria (bwv. 988)", "", "Glenn Gould, piano"},
};

FrmWorks* worksWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* works = qobject_cast<FrmWorks*>(widget)) return works;
    }
    return nullptr;
}

}  // namespace

class FrmWorksTest : public testing::ShownWindowTest {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void ctrlShiftWOpensItAndTheFilterNarrowsTheTree();
    void doubleClickOrEnterShowsTheRecording();
    void itClosesWhenTheMainWindowUnloads();

private:
    FrmWorks* openAndFilter(const QString& text);
};

void FrmWorksTest::init() {
    ShownWindowTest::init();
    load(kRecords);
    showWindow();
}

void FrmWorksTest::cleanup() {
    delete worksWindow();
    ShownWindowTest::cleanup();
}

FrmWorks* FrmWorksTest::openAndFilter(const QString& text) {
    QTest::keyClick(window_.get(), Qt::Key_W, Qt::ControlModifier | Qt::ShiftModifier);
    FrmWorks* works = worksWindow();
    if (!works) return nullptr;
    QTest::keyClicks(works->findChild<QLineEdit*>(QStringLiteral("worksFilter")), text);
    return works;
}

void FrmWorksTest::ctrlShiftWOpensItAndTheFilterNarrowsTheTree() {
    FrmWorks* works = openAndFilter(QStringLiteral("gould"));
    QVERIFY(works);
    QVERIFY(works->isVisible());
    QCOMPARE(works->windowTitle(), QStringLiteral("Sonvella 4.0 - Works"));
    QTRY_COMPARE(works->state().phase(), WorksWindow::Phase::Done);
    QCOMPARE(works->findChild<QLabel*>(QStringLiteral("lblFigures"))->text(),
             QStringLiteral("2 works with catalogue numbers; 1 recorded more than once; 0 "
                            "records without a catalogue number"));
    QCOMPARE(works->findChild<QLabel*>(QStringLiteral("lblStatus"))->text(),
             QStringLiteral("1 work and 2 recordings shown"));
    auto* tree = works->findChild<QTreeView*>(QStringLiteral("worksTree"));
    const QModelIndex work = tree->model()->index(0, 0, tree->model()->index(0, 0));
    QCOMPARE(work.siblingAtColumn(2).data().toString(), QStringLiteral("2 of 3"));
    QVERIFY(tree->isExpanded(work));  // few recordings: shown opened
}

void FrmWorksTest::doubleClickOrEnterShowsTheRecording() {
    FrmWorks* works = openAndFilter(QStringLiteral("988"));
    QVERIFY(works);
    QTRY_COMPARE(works->state().phase(), WorksWindow::Phase::Done);
    auto* tree = works->findChild<QTreeView*>(QStringLiteral("worksTree"));
    const QModelIndex work = tree->model()->index(0, 0, tree->model()->index(0, 0));
    QCOMPARE(tree->model()->rowCount(work), 3);
    const QModelIndex third = tree->model()->index(1, 0, work);  // records 1, 3 and 4
    QCOMPARE(third.data().toString(), QStringLiteral("3"));
    const QPoint at = tree->visualRect(third).center();
    // A double-click as the desktop delivers it: a click, then the double-click event.
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(w_->state().current, 3);

    tree->setCurrentIndex(tree->model()->index(2, 0, work));
    QTest::keyClick(tree, Qt::Key_Return);
    QCOMPARE(w_->state().current, 4);
    tree->setCurrentIndex(work);  // a work is no recording: the main window stays
    QTest::keyClick(tree, Qt::Key_Return);
    QCOMPARE(w_->state().current, 4);
}

void FrmWorksTest::itClosesWhenTheMainWindowUnloads() {
    window_.reset();
    w_.reset();
    testing::ScriptedDialogs dialogs;
    testing::RecordingHelpViewer help;
    testing::RecordingLauncher processes;
    {
        app::Program program(dialogs, help, &processes);
        program.showSplash();
        QTRY_VERIFY_WITH_TIMEOUT(program.mainWindow() != nullptr, 3000);
        program.mainWindow()->showWorks();
        program.mainWindow()->showWorks();  // the same window, to the front
        QPointer<FrmWorks> works = worksWindow();
        QVERIFY(works && works->isVisible());
        program.unloadMainWindow();  // as multi mode, a backup or a re-sort does
        QVERIFY(works.isNull());
    }
    dialogs.verifyDone();
}

QTEST_MAIN(FrmWorksTest)
#include "tst_frm_works.moc"
