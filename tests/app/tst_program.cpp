// The program around its windows: one splash window at a time, and windows that come and go
// while commands run. A splash window that ticks at the wrong moment (shown from the pictures just
// before multi mode, a sort or a backup) must never load a second window or let go of a window
// whose command is still running; a close that arrives while a long command draws its progress
// waits for the command.

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include "app/program.h"
#include "main_window/frm_istoriki.h"
#include "multi/frm_multi.h"
#include "multi/multi_window.h"
#include "record/record_window.h"
#include "support/collection_dir.h"
#include "support/fakes.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using testing::CollectionDir;

namespace {

const QString kSortTitle = QStringLiteral("Sonvella 4.0 - Sorting by Composer");
const QString kSortQuestion = QStringLiteral(
    "1. To Sort properly, you MUST NOT have used double quotes ('') in ANY textbox.\n"
    "2. Before you begin Sorting, use the 'File\\BackUp' command.\n"
    "Shall I start Sorting your Collection now ?");
const QString kToolNotFound = QStringLiteral(
    "The sorting program Varnel was not found next to Sonvella or on the search path.\n"
    "Your Collection has not been sorted. Sonvella will now restart on it unchanged.");

// The splash window waits one second before it loads the main window.
constexpr int kSplashWaitMs = 3000;

int splashWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmSplash") && widget->isVisible()) ++count;
    }
    return count;
}

// Runs the action from an event loop, as a click on a menu entry runs it in the program.
void runFromEventLoop(QObject* context, const std::function<void()>& action) {
    QEventLoop loop;
    QTimer::singleShot(0, context, [&] {
        action();
        loop.quit();
    });
    loop.exec();
}

// Lets timers and posted events run for a while inside a new event loop, as a modal message box
// does, without deleting what was deleted later.
void runModalLoopFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QWidget* shownWindow(const QString& name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible()) return widget;
    }
    return nullptr;
}

void trigger(QWidget* window, const char* name) {
    auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
    QVERIFY2(action, name);
    runFromEventLoop(window, [action] { action->trigger(); });
}

}  // namespace

class TestProgram : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CollectionDir> dir_;
    testing::ScriptedDialogs dialogs_;
    testing::RecordingHelpViewer help_;
    testing::RecordingLauncher processes_;
    std::unique_ptr<app::Program> program_;

    void startProgram() {
        program_->showSplash();
        QTRY_VERIFY_WITH_TIMEOUT(program_->mainWindow() != nullptr, kSplashWaitMs);
        QTRY_COMPARE(splashWindows(), 0);
    }

private slots:
    void init() {
        dir_ = std::make_unique<CollectionDir>(testing::numberedRecords(3));
        dialogs_ = {};
        processes_ = {};
        program_ = std::make_unique<app::Program>(dialogs_, help_, &processes_);
    }

    void cleanup() {
        program_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialogs_.verifyDone();
        dir_.reset();
    }

    void oneSplashWindowLoadsOneMainWindow() {
        program_->showSplash();
        program_->showSplash();
        QCOMPARE(splashWindows(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(program_->mainWindow() != nullptr, kSplashWaitMs);
        main_window::FrmIstoriki* first = program_->mainWindow();
        QVERIFY(first->isVisible());

        // Shown again from the pictures, it only brings the same window to the front.
        program_->showSplash();
        QTRY_COMPARE_WITH_TIMEOUT(splashWindows(), 0, kSplashWaitMs);
        QCOMPARE(program_->mainWindow(), first);
    }

    void splashFromBeforeMultiModeLeavesMultiModeAlone() {
        startProgram();
        program_->showSplash();  // a click on a picture
        trigger(program_->mainWindow(), "mnuMulti");
        QVERIFY(program_->multiWindow() != nullptr);
        QCOMPARE(program_->mainWindow(), nullptr);

        QTRY_COMPARE_WITH_TIMEOUT(splashWindows(), 0, kSplashWaitMs);
        QTest::qWait(300);
        QVERIFY(program_->multiWindow() != nullptr);
        QVERIFY(program_->multiWindow()->isVisible());
        QCOMPARE(program_->mainWindow(), nullptr);

        // "By Opus No" goes back through the splash window to a fresh main window.
        trigger(program_->multiWindow(), "mnuTelos");
        QCOMPARE(program_->multiWindow(), nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(program_->mainWindow() != nullptr, kSplashWaitMs);
    }

    void splashTickDuringTheSortMessageWaitsForTheCommand() {
        startProgram();
        main_window::FrmIstoriki* unloaded = program_->mainWindow();
        const QPointer<QWidget> unloadedWindow = unloaded;
        bool loadedDuringMessage = true;
        bool unloadedAliveDuringMessage = false;
        dialogs_
            .expectMessage(kSortTitle, kSortQuestion, Icon::Question, Buttons::OkCancel, Answer::Ok)
            .expectMessage(kSortTitle, kToolNotFound, Icon::Exclamation)
            .whileShown([&] {
                // The splash window from the picture click ticks while the message is up.
                runModalLoopFor(1600);
                loadedDuringMessage = program_->mainWindow() != nullptr;
                unloadedAliveDuringMessage = QApplication::topLevelWidgets().contains(unloaded);
            });
        program_->showSplash();  // a click on a picture just before the command
        trigger(program_->mainWindow(), "mnuSortComp");

        QVERIFY(!loadedDuringMessage);
        QVERIFY(unloadedAliveDuringMessage);
        QTRY_VERIFY_WITH_TIMEOUT(program_->mainWindow() != nullptr, kSplashWaitMs);
        // A new window: the unloaded one is gone (comparing addresses would not tell, the new
        // window may be made where the old one was).
        QVERIFY(!unloadedWindow);
        QCOMPARE(program_->mainState()->state().boxes[record::txtOno],
                 QStringLiteral("Composer 1"));
    }

    void theCollectionCheckGoesWithTheMainWindow() {
        startProgram();
        trigger(program_->mainWindow(), "mnuCollectionCheck");
        trigger(program_->mainWindow(), "mnuCollectionCheck");  // the same window, to the front
        QList<QPointer<QWidget>> checks;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QLatin1String("frmCollectionCheck")) checks << widget;
        }
        QCOMPARE(checks.size(), 1);
        QVERIFY(checks.front()->isVisible());
        trigger(program_->mainWindow(), "mnuMulti");  // unloads the main window
        QVERIFY(checks.front().isNull());
    }

    void closeWhileACommandRunsWaitsForIt() {
        startProgram();
        main_window::FrmIstoriki* window = program_->mainWindow();
        record::RecordWindow* state = program_->mainState();
        state->setBusy(true);
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
        state->setBusy(false);

        trigger(window, "mnuMulti");
        multi::FrmMulti* multiWindow = program_->multiWindow();
        QVERIFY(multiWindow);
        program_->multiState()->busy = true;
        QVERIFY(!multiWindow->close());
        QVERIFY(multiWindow->isVisible());
        QCOMPARE(program_->multiWindow(), multiWindow);
        program_->multiState()->busy = false;
    }

    void closedByItsFrameTheProgramEndsWithItsLastWindow_data() {
        QTest::addColumn<bool>("multiMode");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("infoWindow");
        QTest::newRow("main window, About") << false << "mnuAbout1"
                                            << "frmAbout";
        QTest::newRow("multi mode, Shortcut Keys") << true << "mnuHelp1"
                                                   << "frmHelp";
    }

    void closedByItsFrameTheProgramEndsWithItsLastWindow() {
        QFETCH(bool, multiMode);
        QFETCH(QString, entry);
        QFETCH(QString, infoWindow);
        startProgram();
        QWidget* window = program_->mainWindow();
        if (multiMode) {
            trigger(window, "mnuMulti");
            window = program_->multiWindow();
        }
        trigger(window, qPrintable(entry));
        const QPointer<QWidget> info = shownWindow(infoWindow);
        QVERIFY(info);

        QVERIFY(window->close());
        QCoreApplication::processEvents();
        QVERIFY(info && info->isVisible());
        QVERIFY(!program_->ended());
        QVERIFY(!program_->mainWindow() && !program_->multiWindow());

        info->close();
        QTRY_VERIFY(program_->ended());
    }
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"
