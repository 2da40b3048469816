// The shortcut-keys and dedication windows, and how the three information windows are opened:
// once each, brought forward when opened again.

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "info/album_conv.h"
#include "info/frm_about.h"
#include "info/frm_help.h"
#include "info/info_windows.h"
#include "support/collection_dir.h"
#include "support/fakes.h"

namespace {

// The lines of a framed column, from the top down.
QList<QLabel*> columnLines(QWidget* window, const QString& frame) {
    auto* box = window->findChild<QGroupBox*>(frame);
    if (!box) return {};
    QList<QLabel*> lines = box->findChildren<QLabel*>();
    std::sort(lines.begin(), lines.end(),
              [](QLabel* a, QLabel* b) { return a->geometry().top() < b->geometry().top(); });
    return lines;
}

const QStringList kLeftColumn = {
    "MAJOR SHORTCUT KEYS",
    "F1 ............... Previous Opus Number",
    "F2 ............... Next Opus Number",
    "F3 ............... Save Opus Number",
    "F4 ............... Find Any Opus Number",
    "F5 ............... Find Medium Identity",
    "F6 ............... Find Composser",
    "F7 ............... Find Opus Title",
    "F8 ............... Find Orchestra/Conductor",
    "F9 ............... Find Soloist",
    "F10 ............. Invoke Menu Bar",
    "F11 ............. Cover Information",
    "F12 ............. New Opus Number",
    "Shift+F12..... Paste to this Opus Number",
    "Shift+Del..... Delete Opus Number",
    "See full list in Sonvella Help File",
    "Ctrl+F1......... Help File",
};

const QStringList kRightColumn = {
    "MAJOR SHORTCUT KEYS",
    "Ctrl+B ........ Back Up Opus Files",
    "Ctrl+C ........ Export by Composer (Multi Mode)",
    "Ctrl+I ......... Export by Identity (Multi Mode)",
    "Ctrlt+O........ By Opus No (Multi Mode)",
    "Ctrl+P ........ Print Shown (Multi Mode)",
    "Ctrl+R ........ Print Collection (6/A4)",
    "Ctrl+S ........ Save Shown (Multi Mode)",
    "Ctrl+F6 ....... Search for Composer+Title",
    "Ctrl+F7 ....... Search for Title+Orchestra",
    "Ctrl+F8 ....... Search for Orchestra+Soloist",
    "Ctrl+F9 ....... Search for Title+Soloist",
    "Ctrl+F11...... Search for Composer+Orchestra",
    "Ctrl+F12...... Search for Composer+Soloist",
    "Shift+F6....... Find Any Name",
    "Ctrl+F1...Help",
};

enum Which { About, ShortcutKeys, Dedication };

}  // namespace

class InfoWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();

    void shortcutKeysCaption();
    void shortcutKeysLines_data();
    void shortcutKeysLines();
    void shortcutKeysColumnsHoldNothingElse();
    void shortcutKeysClosingLinesStandApart_data();
    void shortcutKeysClosingLinesStandApart();
    void shortcutKeysOkClosesTheWindow();

    void dedicationHeadingAndText();

    void openingAgainBringsTheSameWindowForward_data();
    void openingAgainBringsTheSameWindowForward();
    void aClosedWindowOpensAfresh_data();
    void aClosedWindowOpensAfresh();

private:
    QWidget* open(Which which) {
        switch (which) {
            case About:
                return info::showAbout(fakes_.processes, fakes_.dialogs);
            case ShortcutKeys:
                return info::showShortcutKeys();
            case Dedication:
                return info::showDedication();
        }
        return nullptr;
    }

    testing::Fakes fakes_;
};

void InfoWindowsTest::cleanup() {
    info::closeInfoWindows();
    fakes_.dialogs.verifyDone();
    fakes_.reset();
}

void InfoWindowsTest::shortcutKeysCaption() {
    info::FrmHelp keys;
    QCOMPARE(keys.objectName(), QStringLiteral("frmHelp"));
    QCOMPARE(keys.windowTitle(), QStringLiteral("Sonvella 4.0 -  Major Shortcut Keys"));
}

void InfoWindowsTest::shortcutKeysLines_data() {
    QTest::addColumn<QString>("frame");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    for (int i = 0; i < kLeftColumn.size(); ++i) {
        QTest::addRow("left %d: %s", i + 1, qPrintable(kLeftColumn[i]))
            << "Frame1" << i << kLeftColumn[i];
    }
    for (int i = 0; i < kRightColumn.size(); ++i) {
        QTest::addRow("right %d: %s", i + 1, qPrintable(kRightColumn[i]))
            << "Frame2" << i << kRightColumn[i];
    }
}

void InfoWindowsTest::shortcutKeysLines() {
    QFETCH(QString, frame);
    QFETCH(int, line);
    QFETCH(QString, text);
    info::FrmHelp keys;
    const QList<QLabel*> lines = columnLines(&keys, frame);
    QVERIFY(line < lines.size());
    QCOMPARE(lines[line]->text(), text);
}

void InfoWindowsTest::shortcutKeysColumnsHoldNothingElse() {
    info::FrmHelp keys;
    QCOMPARE(columnLines(&keys, QStringLiteral("Frame1")).size(), kLeftColumn.size());
    QCOMPARE(columnLines(&keys, QStringLiteral("Frame2")).size(), kRightColumn.size());
    // The two frames stand side by side, left column first.
    auto* left = keys.findChild<QGroupBox*>(QStringLiteral("Frame1"));
    auto* right = keys.findChild<QGroupBox*>(QStringLiteral("Frame2"));
    QVERIFY(left->geometry().right() < right->geometry().left());
    QVERIFY(keys.rect().contains(right->geometry()));
}

void InfoWindowsTest::shortcutKeysClosingLinesStandApart_data() {
    QTest::addColumn<QString>("frame");
    QTest::addColumn<int>("firstAfterGap");
    QTest::newRow("left") << "Frame1" << 15;
    QTest::newRow("right") << "Frame2" << 15;
}

void InfoWindowsTest::shortcutKeysClosingLinesStandApart() {
    QFETCH(QString, frame);
    QFETCH(int, firstAfterGap);
    info::FrmHelp keys;
    const QList<QLabel*> lines = columnLines(&keys, frame);
    const int step = lines[2]->geometry().top() - lines[1]->geometry().top();
    const int gap =
        lines[firstAfterGap]->geometry().top() - lines[firstAfterGap - 1]->geometry().top();
    QVERIFY2(gap >= step * 3 / 2, qPrintable(QStringLiteral("gap %1, line %2").arg(gap).arg(step)));
    // No line overlaps the next one.
    for (int i = 1; i < lines.size(); ++i) {
        QVERIFY(lines[i - 1]->geometry().bottom() < lines[i]->geometry().top());
    }
}

void InfoWindowsTest::shortcutKeysOkClosesTheWindow() {
    QPointer<QWidget> keys = info::showShortcutKeys();
    auto* ok = keys->findChild<QPushButton*>(QStringLiteral("Command1"));
    QCOMPARE(ok->text(), QStringLiteral("OK"));
    ok->click();
    QVERIFY(!keys->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(keys.isNull());
}

void InfoWindowsTest::dedicationHeadingAndText() {
    info::AlbumConv dedication;
    QCOMPARE(dedication.objectName(), QStringLiteral("AlbumConv"));
    QVERIFY(dedication.windowTitle().contains(QStringLiteral("Johann Sebastian Bach")));
    auto* heading = dedication.findChild<QLabel*>(QStringLiteral("Label1"));
    QCOMPARE(heading->text(), QStringLiteral("Johann Sebastian Bach (1685-1750)"));
    QVERIFY(heading->font().bold());
    auto* text = dedication.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    QVERIFY(text->isReadOnly());
    QVERIFY(text->geometry().top() > heading->geometry().bottom());
    QVERIFY(text->toPlainText().count(QStringLiteral("\n\n")) >= 3);  // several paragraphs
    QVERIFY(dedication.findChildren<QPushButton*>().isEmpty());       // closed by its frame
}

void InfoWindowsTest::openingAgainBringsTheSameWindowForward_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("name");
    QTest::newRow("about") << int(About) << "frmAbout";
    QTest::newRow("shortcut keys") << int(ShortcutKeys) << "frmHelp";
    QTest::newRow("dedication") << int(Dedication) << "AlbumConv";
}

void InfoWindowsTest::openingAgainBringsTheSameWindowForward() {
    QFETCH(int, which);
    QFETCH(QString, name);
    testing::CollectionDir dir;
    QWidget* first = open(Which(which));
    QCOMPARE(first->objectName(), name);
    QVERIFY(first->isVisible());
    QVERIFY(!first->isModal());
    QVERIFY(!first->parentWidget());  // no window of the program owns it
    first->showMinimized();
    QWidget* second = open(Which(which));
    QCOMPARE(second, first);
    QVERIFY(second->isVisible());
    QVERIFY(!second->isMinimized());
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) open += w->objectName() == name;
    QCOMPARE(open, 1);
}

void InfoWindowsTest::aClosedWindowOpensAfresh_data() {
    openingAgainBringsTheSameWindowForward_data();
}

void InfoWindowsTest::aClosedWindowOpensAfresh() {
    QFETCH(int, which);
    testing::CollectionDir dir;
    QPointer<QWidget> first = open(Which(which));
    first->close();
    // Opened again before the closed window is gone: a new window, not the one on its way out.
    QWidget* second = open(Which(which));
    QVERIFY(second != first.data());
    QVERIFY(second->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QCOMPARE(open(Which(which)), second);
}

QTEST_MAIN(InfoWindowsTest)
#include "tst_info_windows.moc"
