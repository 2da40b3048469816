// Programs run in a console window of Sonvella's own: their output is shown, the window goes
// when they end well and stays with their text when they fail; closing it stops the program.

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "platform_qt/qt_process_launcher.h"

using platform::ProgramEnd;

namespace {

QWidget* shownConsole() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("console") && widget->isVisible()) return widget;
    }
    return nullptr;
}

}  // namespace

class ConsoleRunsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void aFailingProgramLeavesItsWindowOpen();
    void aProgramThatEndsWellTakesItsWindowAlong();
    void closingTheWindowStopsTheProgram();

private:
    // Runs a shell script in the console; the end arrives in `end_`.
    void run(const QByteArray& script);

    std::unique_ptr<QTemporaryDir> dir_;
    platform::QtProcessLauncher launcher_;
    std::optional<ProgramEnd> end_;
};

void ConsoleRunsTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    end_.reset();
}

void ConsoleRunsTest::run(const QByteArray& script) {
    QFile file(dir_->filePath("tool"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + script);
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QString error;
    QVERIFY2(
        launcher_.runInConsole(
            file.fileName(), {}, dir_->path(), [this](const ProgramEnd& e) { end_ = e; }, &error),
        qPrintable(error));
}

void ConsoleRunsTest::aFailingProgramLeavesItsWindowOpen() {
    run("echo 'Sorting 3 records'\necho 'Varnel: cannot write Clasical.dat' >&2\nexit 1\n");
    QTRY_VERIFY(end_.has_value());
    QCOMPARE(end_->exitCode, 1);
    QVERIFY(!end_->crashed && !end_->succeeded());
    QCOMPARE(end_->errorOutput, QStringLiteral("Varnel: cannot write Clasical.dat"));
    std::unique_ptr<QWidget> console(shownConsole());
    QVERIFY(console);
    const QStringList lines =
        console->findChild<QPlainTextEdit*>()->toPlainText().split(QLatin1Char('\n'));
    QVERIFY2(lines.contains("Sorting 3 records"), qPrintable(lines.join('|')));
    QVERIFY2(lines.contains("Varnel: cannot write Clasical.dat"), qPrintable(lines.join('|')));
}

void ConsoleRunsTest::aProgramThatEndsWellTakesItsWindowAlong() {
    run("test -f tool && echo 'Sorted 3 records'\n");  // runs in its working directory
    QVERIFY(shownConsole());
    QTRY_VERIFY(end_.has_value());
    QVERIFY(end_->succeeded());
    QCOMPARE(shownConsole(), nullptr);
}

void ConsoleRunsTest::closingTheWindowStopsTheProgram() {
    run("sleep 60\n");
    QWidget* console = shownConsole();
    QVERIFY(console);
    console->close();
    QTRY_VERIFY(end_.has_value());
    QVERIFY(end_->crashed && !end_->succeeded());
    QCOMPARE(shownConsole(), nullptr);
}

QTEST_MAIN(ConsoleRunsTest)
#include "tst_console_runs.moc"
