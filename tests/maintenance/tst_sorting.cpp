// The sort commands: the question, the main window closed and the tool started in the
// collection's folder, the message, the splash window and the sort state, and what happens when
// the tool cannot be found or started.

#include <QFileInfo>
#include <QImage>
#include <QTest>

#include "maintenance/sorting.h"
#include "record/cover_names.h"
#include "record/record_window.h"
#include "support/collection_dir.h"
#include "support/fakes.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using record::RecordWindow;
using testing::CollectionDir;

namespace {

const QString kQuestion = QStringLiteral(
    "1. To Sort properly, you MUST NOT have used double quotes ('') in ANY textbox.\n"
    "2. Before you begin Sorting, use the 'File\\BackUp' command.\n"
    "Shall I start Sorting your Collection now ?");
const QString kRestartNote =
    QStringLiteral("When the black window goes off, click to restart Sonvella.");
const QString kNotSorted = QStringLiteral(
    "Your Collection has not been sorted. Sonvella will now restart on it unchanged.");

const QString kQuestionEvent = QStringLiteral(
    "message: 1. To Sort properly, you MUST NOT have used double quotes ('') in ANY textbox.");

void runCommand(bool byComposer, RecordWindow& window) {
    if (byComposer) {
        maintenance::mnuSortComp(window);
    } else {
        maintenance::mnuSortId(window);
    }
}

// Writes every call a command makes outside the window into one log, in order, with what the
// program looked like at that moment.
class Log {
public:
    QStringList events;
};

class LoggingDialogs : public testing::ScriptedDialogs {
public:
    explicit LoggingDialogs(Log* log) : log_(log) {}
    Answer message(const platform::Message& m) override {
        log_->events << QStringLiteral("message: ") + m.text.section(QLatin1Char('\n'), 0, 0);
        return ScriptedDialogs::message(m);
    }

private:
    Log* log_;
};

class LoggingShell : public testing::RecordingShell {
public:
    LoggingShell(Log* log, const record::Session* session) : log_(log), session_(session) {}
    void showSplash() override {
        log_->events << QStringLiteral("splash, sort state %1").arg(session_->sortState);
        RecordingShell::showSplash();
    }
    void unloadMainWindow() override {
        log_->events << QStringLiteral("unload");
        RecordingShell::unloadMainWindow();
    }

private:
    Log* log_;
    const record::Session* session_;
};

class LoggingLauncher : public testing::RecordingLauncher {
public:
    explicit LoggingLauncher(Log* log) : log_(log) {}
    // The window whose collection file must be closed by the time a tool starts.
    RecordWindow* window = nullptr;
    bool start(const QString& program, const QStringList& arguments,
               const QString& workingDirectory, QString* error) override {
        log_->events << QStringLiteral("start %1, collection %2")
                            .arg(QFileInfo(program).fileName(),
                                 window && window->file().isOpen() ? "open" : "closed");
        return RecordingLauncher::start(program, arguments, workingDirectory, error);
    }

private:
    Log* log_;
};

}  // namespace

class SortingTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void cancelLeavesEverything_data();
    void cancelLeavesEverything();
    void sortsThroughTheTool_data();
    void sortsThroughTheTool();
    void identityThenComposer();
    void aSortEndsWhatCanBeUndone();
    void aMissingToolIsNamed_data();
    void aMissingToolIsNamed();
    void aToolThatFailsToStart();
    void aFailingToolIsToldOnceItHasEnded();

private:
    void expectQuestion(const QString& title, Answer answer);
    void addCommands();
    // The cover panel shown on the record shown, with a cover of its own.
    void showCoverPanel();

    Log log_;
    LoggingDialogs dialogs_{&log_};
    record::Session session_;
    LoggingShell shell_{&log_, &session_};
    LoggingLauncher processes_{&log_};
    testing::RecordingClipboard clipboard_;
    testing::RecordingPrinter printer_;
    platform::PrintJob printJob_{printer_};
    testing::FixedClock clock_;
    testing::RecordingHelpViewer help_;

    std::unique_ptr<CollectionDir> dir_;
    std::unique_ptr<RecordWindow> w_;
};

void SortingTest::showCoverPanel() {
    QImage picture(90, 140, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(record::frontCoverFile(w_->record().text(store::Field::Identity))));
    w_->coverPanel().Command10();
    QCOMPARE(w_->coverPanel().state().coverShown, std::int16_t(1));
}

void SortingTest::init() {
    log_.events.clear();
    dialogs_ = LoggingDialogs(&log_);
    shell_ = LoggingShell(&log_, &session_);
    processes_ = LoggingLauncher(&log_);
    session_ = {};
    dir_ = std::make_unique<CollectionDir>(testing::numberedRecords(3));
    w_ = std::make_unique<RecordWindow>(
        session_,
        platform::Services{dialogs_, shell_, clipboard_, printJob_, clock_, processes_, help_});
    QVERIFY(w_->Form_Load());
    processes_.window = w_.get();
}

void SortingTest::cleanup() {
    dialogs_.verifyDone();
    w_.reset();
    dir_.reset();
}

void SortingTest::expectQuestion(const QString& title, Answer answer) {
    dialogs_.expectMessage(title, kQuestion, Icon::Question, Buttons::OkCancel, answer);
}

void SortingTest::addCommands() {
    QTest::addColumn<bool>("byComposer");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("tool");
    QTest::addColumn<int>("sortState");
    QTest::newRow("by Composer") << true << "Sonvella 4.0 - Sorting by Composer"
                                 << "Varnel" << 2;
    QTest::newRow("by Identity") << false << "Sonvella 4.0 - Sorting by Identity"
                                 << "Tormin" << 1;
}

void SortingTest::cancelLeavesEverything_data() {
    addCommands();
}

void SortingTest::cancelLeavesEverything() {
    QFETCH(bool, byComposer);
    QFETCH(QString, title);
    QFETCH(QString, tool);
    processes_.programs[tool] = "/opt/sonvella/" + tool;
    session_.sortState = 1;
    showCoverPanel();
    QVERIFY(w_->showRecord(2));
    w_->typeInto(record::txtOno, QStringLiteral("being typed"));
    expectQuestion(title, Answer::Cancel);
    runCommand(byComposer, *w_);
    QCOMPARE(log_.events, QStringList({kQuestionEvent}));
    QVERIFY(w_->file().isOpen());
    QCOMPARE(session_.sortState, std::int16_t(1));
    QCOMPARE(w_->coverPanel().state().coverShown, std::int16_t(1));
    QCOMPARE(w_->state().current, 2);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("being typed"));
    QVERIFY(processes_.started.empty());
}

void SortingTest::sortsThroughTheTool_data() {
    addCommands();
}

void SortingTest::sortsThroughTheTool() {
    QFETCH(bool, byComposer);
    QFETCH(QString, title);
    QFETCH(QString, tool);
    QFETCH(int, sortState);
    processes_.programs[tool] = "/opt/sonvella/" + tool;
    showCoverPanel();
    w_->typeInto(record::txtOno, QStringLiteral("not saved"));
    const QByteArray before = dir_->bytes();
    expectQuestion(title, Answer::Ok);
    dialogs_.expectMessage(title, kRestartNote, Icon::Information);
    runCommand(byComposer, *w_);

    // The window is closed with the file, the tool runs, the user confirms, the splash window
    // comes; the sort state is set only after that, before the splash window loads the window.
    QCOMPARE(log_.events,
             QStringList({kQuestionEvent, "unload", "start " + tool + ", collection closed",
                          "message: " + kRestartNote, "splash, sort state 0"}));
    QCOMPARE(session_.sortState, std::int16_t(sortState));
    QCOMPARE(w_->coverPanel().state().coverShown, std::int16_t(0));
    QVERIFY(!w_->file().isOpen());

    QCOMPARE(processes_.started.size(), size_t(1));
    const auto& started = processes_.started.front();
    QCOMPARE(started.program, "/opt/sonvella/" + tool);
    QVERIFY(started.arguments.isEmpty());
    QCOMPARE(QFileInfo(started.workingDirectory).canonicalFilePath(),
             QFileInfo(dir_->path()).canonicalFilePath());
    // The shown record was not saved into the file the tool sorts.
    QCOMPARE(dir_->bytes(), before);
}

void SortingTest::aSortEndsWhatCanBeUndone() {
    processes_.programs["Varnel"] = "/opt/sonvella/Varnel";
    w_->typeInto(record::txtOno, QStringLiteral("A change before the sort"));
    QVERIFY(w_->SaveCR());
    expectQuestion("Sonvella 4.0 - Sorting by Composer", Answer::Ok);
    dialogs_.expectMessage("Sonvella 4.0 - Sorting by Composer", kRestartNote, Icon::Information);
    maintenance::mnuSortComp(*w_);
    history::Journal journal(dir_->path("Clasical.dat"));
    QVERIFY(journal.open().messages.isEmpty());
    const std::vector<history::Change> changes = journal.changes();
    QCOMPARE(changes.size(), std::size_t(2));
    QCOMPARE(changes.front().entry.command, QStringLiteral("Re-Sorted by Composer"));
    QVERIFY(changes.back().barred);
    QVERIFY(!journal.newestUndoable());
}

void SortingTest::identityThenComposer() {
    processes_.programs["Varnel"] = "/opt/sonvella/Varnel";
    processes_.programs["Tormin"] = "/opt/sonvella/Tormin";
    const auto reload = [this] {
        w_ = std::make_unique<RecordWindow>(
            session_,
            platform::Services{dialogs_, shell_, clipboard_, printJob_, clock_, processes_, help_});
        QVERIFY(w_->Form_Load());
        processes_.window = w_.get();
    };
    expectQuestion("Sonvella 4.0 - Sorting by Identity", Answer::Ok);
    dialogs_.expectMessage("Sonvella 4.0 - Sorting by Identity", kRestartNote, Icon::Information);
    maintenance::mnuSortId(*w_);
    reload();
    QCOMPARE(w_->state().sortStateLine,
             QStringLiteral("In this Session your Collection was last Re-Sorted by Identity"));

    expectQuestion("Sonvella 4.0 - Sorting by Composer", Answer::Ok);
    dialogs_.expectMessage("Sonvella 4.0 - Sorting by Composer", kRestartNote, Icon::Information);
    maintenance::mnuSortComp(*w_);
    QVERIFY(log_.events.contains("splash, sort state 1"));
    reload();
    QCOMPARE(w_->state().sortStateLine,
             QStringLiteral("In this Session your Collection was last Re-Sorted by Composer"));
}

void SortingTest::aMissingToolIsNamed_data() {
    addCommands();
}

void SortingTest::aMissingToolIsNamed() {
    QFETCH(bool, byComposer);
    QFETCH(QString, title);
    QFETCH(QString, tool);
    session_.sortState = 1;
    const QByteArray before = dir_->bytes();
    const QString text = "The sorting program " + tool +
                         " was not found next to Sonvella or on the search path.\n" + kNotSorted;
    expectQuestion(title, Answer::Ok);
    dialogs_.expectMessage(title, text, Icon::Exclamation);
    runCommand(byComposer, *w_);
    // The program comes back through the splash window on the collection as it was.
    QCOMPARE(log_.events,
             QStringList({kQuestionEvent, "unload", "message: " + text.section('\n', 0, 0),
                          "splash, sort state 1"}));
    QCOMPARE(session_.sortState, std::int16_t(1));
    QVERIFY(processes_.started.empty());
    QCOMPARE(dir_->bytes(), before);
}

void SortingTest::aToolThatFailsToStart() {
    processes_.programs["Varnel"] = "/opt/sonvella/Varnel";
    processes_.failure = QStringLiteral("Permission denied");
    const QString title = QStringLiteral("Sonvella 4.0 - Sorting by Composer");
    expectQuestion(title, Answer::Ok);
    dialogs_.expectMessage(title,
                           "The sorting program /opt/sonvella/Varnel could not be started:\n"
                           "Permission denied\n" +
                               kNotSorted,
                           Icon::Exclamation);
    maintenance::mnuSortComp(*w_);
    QCOMPARE(log_.events, QStringList({kQuestionEvent, "unload", "start Varnel, collection closed",
                                       "message: The sorting program /opt/sonvella/Varnel could "
                                       "not be started:",
                                       "splash, sort state 0"}));
    QCOMPARE(session_.sortState, std::int16_t(0));
    QCOMPARE(shell_.calls, QStringList({"unload", "splash"}));
}

void SortingTest::aFailingToolIsToldOnceItHasEnded() {
    processes_.programs["Tormin"] = "/opt/sonvella/Tormin";
    processes_.consoleEndsLater = true;
    processes_.consoleEnd = {1, false, "Tormin: cannot write Clasical.dat: disk full"};
    session_.sortState = 2;
    const QString title = QStringLiteral("Sonvella 4.0 - Sorting by Identity");
    expectQuestion(title, Answer::Ok);
    dialogs_.expectMessage(title, kRestartNote, Icon::Information);
    maintenance::mnuSortId(*w_);
    // OK came while the tool still runs: no window may come back on a file being replaced.
    QCOMPARE(log_.events, QStringList({kQuestionEvent, "unload", "start Tormin, collection closed",
                                       "message: " + kRestartNote}));
    QVERIFY(dialogs_.verifyDone());

    // By the time the tool ends, the unloaded window is gone.
    processes_.window = nullptr;
    w_.reset();
    const QString failure =
        "The sorting program /opt/sonvella/Tormin failed:\n"
        "Tormin: cannot write Clasical.dat: disk full\n" +
        kNotSorted;
    dialogs_.expectMessage(title, failure, Icon::Exclamation);
    processes_.endConsoleRun();
    QCOMPARE(log_.events.mid(4), QStringList({"message: The sorting program /opt/sonvella/Tormin "
                                              "failed:",
                                              "splash, sort state 2"}));
    QCOMPARE(session_.sortState, std::int16_t(2));
}

QTEST_MAIN(SortingTest)
#include "tst_sorting.moc"
