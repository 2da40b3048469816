// The help viewer: which file stands for a help file's name, where it is looked for, how it is
// shown, what is said when it is nowhere, and links between help pages.

#include <QDir>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>

#include "info/help_files.h"
#include "info/help_window.h"
#include "info/qt_help_viewer.h"
#include "support/fakes.h"

using info::QtHelpViewer;
using platform::Icon;

namespace {

QString page(const QString& title, const QString& body) {
    return QStringLiteral(
               "<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
               "<body>%2</body></html>")
        .arg(title, body);
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

QString native(const QString& path) {
    return QDir::toNativeSeparators(QDir::cleanPath(path));
}

}  // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void theFileThatStandsForAName_data();
    void theFileThatStandsForAName();

    void theCurrentDirectoryComesFirst();
    void theInstalledFoldersServeNext();
    void theHtmlTwinOfAWinHelpFileIsShown();
    void aTextFileIsShownAsItStands();
    void nothingFoundSaysWhichFileAndWhere();
    void oneWindowServesEveryHelpFile();
    void linksLeadBetweenPagesAndBack();

private:
    std::unique_ptr<QTemporaryDir> current_;
    std::unique_ptr<QTemporaryDir> installed_;
    std::unique_ptr<QTemporaryDir> shared_;
    QString oldCurrent_;
    testing::Fakes fakes_;
};

void HelpViewerTest::init() {
    current_ = std::make_unique<QTemporaryDir>();
    installed_ = std::make_unique<QTemporaryDir>();
    shared_ = std::make_unique<QTemporaryDir>();
    oldCurrent_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(current_->path()));
}

void HelpViewerTest::cleanup() {
    fakes_.dialogs.verifyDone();
    fakes_.reset();
    QDir::setCurrent(oldCurrent_);
}

void HelpViewerTest::theFileThatStandsForAName_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("shown");
    QTest::newRow("the program's help") << "Sonvel400.HLP"
                                        << "Sonvel400.html";
    QTest::newRow("My Collection") << "BIBLIOGRAPHY.HLP"
                                   << "BIBLIOGRAPHY.html";
    QTest::newRow("lower-case extension") << "guide.hlp"
                                          << "guide.html";
    QTest::newRow("dots in the name") << "my.notes.HLP"
                                      << "my.notes.html";
    QTest::newRow("no extension") << "README"
                                  << "README.html";
    QTest::newRow("HTML as it is") << "Sonvel400.html"
                                   << "Sonvel400.html";
    QTest::newRow("HTM as it is") << "OLD.HTM"
                                  << "OLD.HTM";
    QTest::newRow("text as it is") << "notes.txt"
                                   << "notes.txt";
}

void HelpViewerTest::theFileThatStandsForAName() {
    QFETCH(QString, name);
    QFETCH(QString, shown);
    QCOMPARE(info::shownHelpFileName(name), shown);
}

void HelpViewerTest::theCurrentDirectoryComesFirst() {
    writeFile(current_->filePath("Sonvel400.html"), page("Local manual", "here").toUtf8());
    writeFile(installed_->filePath("Sonvel400.html"), page("Installed manual", "there").toUtf8());
    QtHelpViewer viewer(fakes_.dialogs, {installed_->path()});
    viewer.showContents(QStringLiteral("Sonvel400.HLP"));
    QVERIFY(viewer.window());
    QVERIFY(viewer.window()->isVisible());
    QCOMPARE(QFileInfo(viewer.window()->file()).absoluteFilePath(),
             QFileInfo(current_->filePath("Sonvel400.html")).absoluteFilePath());
    QCOMPARE(viewer.window()->windowTitle(), QStringLiteral("Sonvella 4.0 - Local manual"));
    QCOMPARE(viewer.window()->browser()->toPlainText().trimmed(), QStringLiteral("here"));
}

void HelpViewerTest::theInstalledFoldersServeNext() {
    writeFile(shared_->filePath("BIBLIOGRAPHY.html"), page("The collection", "demo").toUtf8());
    QtHelpViewer viewer(fakes_.dialogs, {installed_->path(), shared_->path()});
    viewer.showContents(QStringLiteral("BIBLIOGRAPHY.HLP"));
    QVERIFY(viewer.window());
    QCOMPARE(viewer.window()->file(),
             QFileInfo(shared_->filePath("BIBLIOGRAPHY.html")).absoluteFilePath());
    QCOMPARE(viewer.window()->windowTitle(), QStringLiteral("Sonvella 4.0 - The collection"));
}

void HelpViewerTest::theHtmlTwinOfAWinHelpFileIsShown() {
    // A WinHelp file of an old installation lies in the current directory: its twin is shown.
    writeFile(current_->filePath("Sonvel400.HLP"), QByteArray("\x3f\x5f\x03\x00junk", 8));
    writeFile(installed_->filePath("Sonvel400.html"), page("Manual", "the manual").toUtf8());
    QtHelpViewer viewer(fakes_.dialogs, {installed_->path()});
    viewer.showContents(QStringLiteral("Sonvel400.HLP"));
    QVERIFY(viewer.window());
    QVERIFY(viewer.window()->file().endsWith(QStringLiteral("Sonvel400.html")));
    QCOMPARE(viewer.window()->browser()->toPlainText().trimmed(), QStringLiteral("the manual"));
}

void HelpViewerTest::aTextFileIsShownAsItStands() {
    const QByteArray text = "Notes <b>not bold</b>\n    indented line\nΜίκης Θεοδωράκης\n";
    writeFile(installed_->filePath("notes.txt"), text);
    QtHelpViewer viewer(fakes_.dialogs, {installed_->path()});
    viewer.showContents(QStringLiteral("notes.txt"));
    QVERIFY(viewer.window());
    QCOMPARE(viewer.window()->browser()->toPlainText(), QString::fromUtf8(text));
    QCOMPARE(viewer.window()->windowTitle(), QStringLiteral("Sonvella 4.0 - notes.txt"));
}

void HelpViewerTest::nothingFoundSaysWhichFileAndWhere() {
    // A file of the right name elsewhere, and a folder that does not exist, change nothing.
    writeFile(shared_->filePath("Sonvel400.html"), page("Elsewhere", "").toUtf8());
    const QString missing = installed_->filePath("no such folder");
    QtHelpViewer viewer(fakes_.dialogs, {installed_->path(), missing});
    fakes_.dialogs.expectMessage(QStringLiteral("Sonvella 4.0"),
                                 QStringLiteral("The help file Sonvel400.html was not found.\n"
                                                "Sonvella looked for it in:\n") +
                                     native(current_->path()) + "\n" + native(installed_->path()) +
                                     "\n" + native(missing),
                                 Icon::Exclamation);
    viewer.showContents(QStringLiteral("Sonvel400.HLP"));
    QVERIFY(!viewer.window());
}

void HelpViewerTest::oneWindowServesEveryHelpFile() {
    writeFile(installed_->filePath("Sonvel400.html"), page("Manual", "manual").toUtf8());
    writeFile(installed_->filePath("BIBLIOGRAPHY.html"), page("Collection", "collection").toUtf8());
    QtHelpViewer viewer(fakes_.dialogs, {installed_->path()});
    viewer.showContents(QStringLiteral("Sonvel400.HLP"));
    info::HelpWindow* window = viewer.window();
    viewer.showContents(QStringLiteral("BIBLIOGRAPHY.HLP"));
    QCOMPARE(viewer.window(), window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Sonvella 4.0 - Collection"));
    // Closed, it is gone; the next help opens a new window.
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!viewer.window());
    viewer.showContents(QStringLiteral("Sonvel400.HLP"));
    QVERIFY(viewer.window());
    QCOMPARE(viewer.window()->windowTitle(), QStringLiteral("Sonvella 4.0 - Manual"));
}

void HelpViewerTest::linksLeadBetweenPagesAndBack() {
    QString filler;
    for (int i = 0; i < 200; ++i) filler += QStringLiteral("<p>line %1</p>").arg(i);
    writeFile(installed_->filePath("Sonvel400.html"),
              page("Manual",
                   "<p>Read <a href=\"BIBLIOGRAPHY.html#demo\">about the demo</a>.</p>" + filler)
                  .toUtf8());
    writeFile(installed_->filePath("BIBLIOGRAPHY.html"),
              page("Collection", filler + "<h2 id=\"demo\">The demo</h2>" + filler).toUtf8());
    QtHelpViewer viewer(fakes_.dialogs, {installed_->path()});
    viewer.showContents(QStringLiteral("Sonvel400.HLP"));
    info::HelpWindow* window = viewer.window();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTextBrowser* browser = window->browser();
    auto* back = window->findChild<QPushButton*>(QStringLiteral("cmdBack"));
    QVERIFY(!back->isEnabled());

    // Click on the link as a reader would.
    QTextCursor link = browser->document()->find(QStringLiteral("about the demo"));
    QVERIFY(!link.isNull());
    link.setPosition(link.selectionStart() + 3);
    const QPoint at = browser->cursorRect(link).center();
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
    QTRY_COMPARE(window->windowTitle(), QStringLiteral("Sonvella 4.0 - Collection"));
    QCOMPARE(browser->source().fragment(), QStringLiteral("demo"));
    QVERIFY(browser->verticalScrollBar()->value() > 0);  // scrolled to the heading
    QVERIFY(back->isEnabled());

    back->click();
    QCOMPARE(window->windowTitle(), QStringLiteral("Sonvella 4.0 - Manual"));
    auto* forward = window->findChild<QPushButton*>(QStringLiteral("cmdForward"));
    QVERIFY(forward->isEnabled());
    forward->click();
    QCOMPARE(window->windowTitle(), QStringLiteral("Sonvella 4.0 - Collection"));

    // Contents: back to the top of the page the window was opened at, also from further down it.
    auto* contents = window->findChild<QPushButton*>(QStringLiteral("cmdContents"));
    contents->click();
    QCOMPARE(window->windowTitle(), QStringLiteral("Sonvella 4.0 - Manual"));
    QScrollBar* scroll = browser->verticalScrollBar();
    scroll->setValue(scroll->maximum());
    QVERIFY(scroll->value() > 0);
    contents->click();
    QCOMPARE(scroll->value(), 0);
}

QTEST_MAIN(HelpViewerTest)
#include "tst_help_viewer.moc"
