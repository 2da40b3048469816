// The main window's widgets under the offscreen platform: layout, menus, shortcuts and keys.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

#include "collections/recent_collections.h"
#include "main_window/frm_istoriki.h"
#include "main_window/frm_splash.h"
#include "record/cover_names.h"
#include "search/search_commands.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/menu_entries.h"
#include "support/shown_text.h"
#include "support/shown_window_test.h"
#include "ui/code_page_validator.h"
#include "ui/twips.h"

using main_window::FrmIstoriki;
using record::RecordWindow;
using testing::CollectionDir;

namespace {

// Types text that QTest::keyClicks cannot (it takes Latin-1 only).
void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

}  // namespace

class FrmIstorikiTest : public testing::ShownWindowTest {
    Q_OBJECT
private slots:
    void init();
    void opensAtItsDesignedSize();
    void menusHoldEveryEntry_data();
    void menusHoldEveryEntry();
    void buttonsCarryTheirToolTips();
    void tabRunsDownTheSixBoxes();
    void pickListsAreFilledAndInstrumentsDisabled();
    void typingReachesTheState();
    void charactersOutsideTheCodePageAreRefused();
    void altXSavesAndEnds();
    void altXWithAnotherModifierDoesNothing();
    void menuExitEnds();
    void splashHandsOverAfterOneSecond();
    void keysMoveThroughTheCollection_data();
    void keysMoveThroughTheCollection();
    void altArrowsWithMoreModifiersDoNothing_data();
    void altArrowsWithMoreModifiersDoNothing();
    void shiftDelDeletesEvenInATextBox();
    void functionKeysRunTheEditCommands();
    void accessLettersPressTheButtons();
    void buttonsShowWhatTheStateShows();
    void searchKeysRunTheirSearches_data();
    void searchKeysRunTheirSearches();
    void everyMenuEntryIsWired();
    void theHelpEntriesOpenTheirFiles();
    void labelsShowTheirTextAsItStands();
    void undoAndTheHistoryWorkFromATextBox();
    void recentCollectionsOpenFromTheFileMenu();

private:
    testing::RecordingShell& shell_ = fakes_.shell;
};

void FrmIstorikiTest::init() {
    ShownWindowTest::init();
    load({{"No0001 CD", "Bach", "Goldberg"}, {"No0002 LP", "Ravel"}});
    showWindow();
}

void FrmIstorikiTest::opensAtItsDesignedSize() {
    QCOMPARE(window_->windowTitle(),
             QStringLiteral("Sonvella 4.0 - My Music Collection - Opus No:  1  of  2"));
    QCOMPARE(window_->size(), ui::windowSize(11250, 5500));
    QCOMPARE(window_->minimumSize(), window_->maximumSize());  // the user cannot resize it
    QCOMPARE(window_->centralWidget()->palette().color(QPalette::Window), QColor(255, 255, 192));
    auto* epo = window_->findChild<QLineEdit*>("txtEpo");
    QCOMPARE(epo->geometry(), ui::rectTw(1320, 720, 6735, 360));
    QCOMPARE(epo->maxLength(), 45);
    QCOMPARE(window_->findChild<QPushButton*>("Command5")->geometry(),
             ui::rectTw(10080, 3960, 855, 375));
    // The two panels lie outside the window as it opens.
    const QWidget* client = window_->centralWidget();
    QVERIFY(window_->findChild<QWidget*>("Image2")->geometry().left() >= client->width());
    QVERIFY(window_->findChild<QWidget*>("Combo1")->geometry().top() >= client->height());
    QVERIFY(!window_->findChild<QWidget*>("Picture1")->isVisible());
    QCOMPARE(window_->findChild<QLabel*>("Label18")->text(),
             QStringLiteral("In this Session your Music Collection has not been Re-Sorted Yet"));
}

void FrmIstorikiTest::menusHoldEveryEntry_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("File")
        << "mnuFile"
        << "&File"
        << QStringList{"Cover Image [Ctrl+G]", "&BackUp [Ctrl+B]",   "&Media Counting [Ctrl+M]",
                       "-mnuSepFile1",         "Menu      F10",      "-mnuSepFile2",
                       "E&xit         Alt+X",  "-mnuSepFile3",       "Export as &CSV...",
                       "&Import from CSV...",  "-mnuSepFile4",       "&New Collection...",
                       "&Open Collection...",  "&Recent Collections"};
    QTest::newRow("View") << "mnuRecords"
                          << "Vie&w"
                          << QStringList{"Nex&t Opus No [F2]", "P&revious Opus No [F1]",
                                         "-mnuSepRecords", "&Multi Mode      Alt+M"};
    QTest::newRow("Edit") << "mnuEdit"
                          << "&Edit"
                          << QStringList{"&New Opus No [F12]",
                                         "&Save Opus No [F3]",
                                         "&Paste Opus No [Shift+F12]",
                                         "-mnuSepEdit",
                                         "Delete Opus No [Shift+Del]",
                                         "-mnuSepEditHistory",
                                         "&Undo Last Change [Ctrl+Alt+Z]",
                                         "Change &History... [Ctrl+Alt+H]",
                                         "-mnuSepEditCovers",
                                         "Set Front &Cover...",
                                         "Set Bac&k Cover...",
                                         "Paste Cover from Clip&board",
                                         "&Remove Covers..."};
    QTest::newRow("Find") << "mnuSearch"
                          << "Fin&d" << QStringList{"Op&us No [F4]",    "-mnuSepFind1",
                                                    "&Identity [F5]",   "&Composer [F6]",
                                                    "&Title [F7]",      "&Orchestra [F8]",
                                                    "&Soloists [F9]",   "Co&ver [F11]",
                                                    "-mnuSepFind2",     "Any &Name [Shift+F6]",
                                                    "-mnuSepQuickFind", "&Quick Find... [Ctrl+K]"};
    QTest::newRow("Seek") << "mnuSearch1"
                          << "See&k" << QStringList{"Composer and Title [Ctrl+F6]",
                                                    "Title and Orchestra [Ctrl+F7]",
                                                    "Orchestra and Soloists [Ctrl+F8]",
                                                    "-mnuSepSeek",
                                                    "Title and Soloists [Ctrl+F9]",
                                                    "Composer and Orchestra [Ctrl+F11]",
                                                    "Composer and Soloists [Ctrl+F12]"};
    QTest::newRow("ID+Lookup") << "mnuLookup"
                               << "ID+Lookup"
                               << QStringList{"Composer and Identity [Ctrl+Shift+F6]",
                                              "Title and Identity [Ctrl+Shift+F7]",
                                              "Orchestra/Conductor and Identity [Ctrl+Shift+F8]",
                                              "Soloists and identity [Ctrl+Shift+F9]",
                                              "Cover and Identity [Ctrl+Shift+F11]"};
    QTest::newRow("ID+Search") << "mnuExtraSearch"
                               << "ID+Search"
                               << QStringList{
                                      "Composer and Title and Identity [Ctrl+Shift+F1]",
                                      "Composer and &Orchestra and Identity [Ctrl+Shift+F2]",
                                      "Composer and Soloist and Identity [Ctrl+Shift+F3]",
                                      "Composer and Cover and identity [Ctrl+Shift+F4]"};
    QTest::newRow("Sort") << "mnuSort"
                          << "So&rt" << QStringList{"Sort by &Composer", "Sort by &Identity"};
    QTest::newRow("PrintRange") << "mnuPrint"
                                << "PrintRan&ge"
                                << QStringList{"P&rint Collection (6/A4) [Ctrl+R]",
                                               "Print for &Filing (3/A4) [Ctrl+F]"};
    QTest::newRow("Music") << "mnublb"
                           << "&Music"
                           << QStringList{"My Collection ...", "Johann Sebastian Bach",
                                          "-mnuSepMusic", "Collection &Check... [Ctrl+Shift+K]",
                                          "&Works... [Ctrl+Shift+W]"};
    QTest::newRow("Help") << "mnuAbout"
                          << "&Help"
                          << QStringList{"Shortcut Keys [Shift+F1]", "Help [Ctrl+F1]",
                                         "-mnuSepHelp", "About ..."};
}

void FrmIstorikiTest::menusHoldEveryEntry() {
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QStringList, entries);
    auto* m = window_->findChild<QMenu*>(menu);
    QVERIFY(m);
    QCOMPARE(m->title(), caption);
    QCOMPARE(testing::menuEntries(m), entries);
}

void FrmIstorikiTest::buttonsCarryTheirToolTips() {
    const std::pair<const char*, const char*> tips[] = {
        {"cmdFindISBN", "Find a Medium Identity"},
        {"cmdMulti", "Switch to Multi Mode"},
        {"CmdFirst", "First Opus"},
        {"cmdExit", "End Sonvella"},
        {"cmdFindcode", "View a Specific Opus Number"},
        {"Command10", "Show or Hide a Cover Image"},
        {"cmdNew", "New Blank Opus Number"}};
    for (const auto& [name, tip] : tips) {
        auto* b = window_->findChild<QPushButton*>(name);
        QVERIFY2(b, name);
        QCOMPARE(b->toolTip(), QString::fromLatin1(tip));
    }
    QCOMPARE(window_->findChild<QWidget*>("Image2")->toolTip(),
             QStringLiteral("Click to enlarge the image"));
    QCOMPARE(window_->findChild<QPushButton*>("cmdFindcode")->text(), QStringLiteral(" OP&US #"));
}

void FrmIstorikiTest::tabRunsDownTheSixBoxes() {
    const char* order[] = {"txtEpo", "txtOno", "txtTitlos", "txtAlloi", "txtEkdot", "txtSp"};
    QWidget* box = window_->findChild<QWidget*>(order[0]);
    for (int i = 1; i < 6; ++i) {
        box = box->nextInFocusChain();
        while (box->focusPolicy() == Qt::NoFocus || !box->isVisible())
            box = box->nextInFocusChain();
        QCOMPARE(box->objectName(), QString::fromLatin1(order[i]));
    }
}

void FrmIstorikiTest::pickListsAreFilledAndInstrumentsDisabled() {
    auto* composers = window_->findChild<QComboBox*>("Combo1");
    QCOMPARE(composers->count(), 2);
    QCOMPARE(composers->itemText(0), QStringLiteral("Name 1 a"));
    QCOMPARE(composers->currentText(), QStringLiteral("COMPOSERS"));
    QCOMPARE(window_->findChild<QComboBox*>("Combo6")->currentText(),
             QStringLiteral("SOLOISTS  A - K"));
    QVERIFY(!window_->findChild<QComboBox*>("Combo5")->isEnabled());
}

void FrmIstorikiTest::typingReachesTheState() {
    auto* ono = window_->findChild<QLineEdit*>("txtOno");
    ono->setFocus();
    ono->selectAll();
    QTest::keyClicks(ono, "Mahler");
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Mahler"));
    auto* ekdot = window_->findChild<QPlainTextEdit*>("txtEkdot");
    ekdot->setFocus();
    QTest::keyClicks(ekdot, "Kremer");
    QTest::keyClick(ekdot, Qt::Key_Return);
    QTest::keyClicks(ekdot, "Argerich");
    QCOMPARE(w_->state().boxes[record::txtEkdot], QStringLiteral("Kremer\r\nArgerich"));
}

void FrmIstorikiTest::charactersOutsideTheCodePageAreRefused() {
    auto* ono = window_->findChild<QLineEdit*>("txtOno");
    ono->setFocus();
    ono->end(false);
    dialogs_.expectBeep();
    typeText(ono, QStringLiteral("é"));
    QCOMPARE(ono->text(), QStringLiteral("Bach"));
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Bach"));
    typeText(ono, QStringLiteral("ά"));  // Greek is welcome
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Bachά"));

    auto* ekdot = window_->findChild<QPlainTextEdit*>("txtEkdot");
    ekdot->setFocus();
    dialogs_.expectBeep();
    typeText(ekdot, QStringLiteral("ø"));
    QCOMPARE(ekdot->toPlainText(), QString());
    // The beep is not left unexplained: both kinds of box say why.
    QCOMPARE(QToolTip::text(), ui::codePageHint());
    QCOMPARE(ono->toolTip(), ui::codePageHint());
    QCOMPARE(ekdot->toolTip(), ui::codePageHint());

    // Pasting is typing too: a text with one character the code page cannot hold is refused whole.
    ono->setFocus();
    ono->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("Dvořák"));
    dialogs_.expectBeep();
    QTest::keyClick(ono, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(ono->text(), QStringLiteral("Bachά"));
}

void FrmIstorikiTest::altXSavesAndEnds() {
    auto* ono = window_->findChild<QLineEdit*>("txtOno");
    ono->setFocus();
    ono->selectAll();
    QTest::keyClicks(ono, "Bartok");
    QTest::keyClick(ono, Qt::Key_X, Qt::AltModifier);
    QCOMPARE(shell_.ended, 1);
    QCOMPARE(store::trimBlanks(dir_->field(1, store::Field::Composer)), QStringLiteral("Bartok"));
}

void FrmIstorikiTest::altXWithAnotherModifierDoesNothing() {
    const QByteArray before = dir_->bytes();
    auto* ono = window_->findChild<QLineEdit*>("txtOno");
    ono->setFocus();
    QTest::keyClick(ono, Qt::Key_X, Qt::AltModifier | Qt::ShiftModifier);
    QTest::keyClick(ono, Qt::Key_X, Qt::AltModifier | Qt::ControlModifier);
    QCOMPARE(shell_.ended, 0);
    QCOMPARE(dir_->bytes(), before);
}

void FrmIstorikiTest::menuExitEnds() {
    window_->findChild<QAction*>("mnuEnd")->trigger();
    QCOMPARE(shell_.ended, 1);
}

void FrmIstorikiTest::splashHandsOverAfterOneSecond() {
    int handedOver = 0;
    QPointer<main_window::FrmSplash> splash = new main_window::FrmSplash([&] { ++handedOver; });
    splash->show();
    QCOMPARE(splash->objectName(), QStringLiteral("frmSplash"));
    QCOMPARE(splash->size(), QSize(ui::px(5685), ui::px(2730)));
    QCOMPARE(splash->timer()->interval(), 1000);
    QVERIFY(splash->timer()->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(handedOver, 1, 3000);
    QTRY_VERIFY(splash.isNull());  // it closes and deletes itself after handing over
    QCOMPARE(handedOver, 1);
}

void FrmIstorikiTest::keysMoveThroughTheCollection_data() {
    QTest::addColumn<int>("forward");
    QTest::addColumn<int>("forwardModifiers");
    QTest::addColumn<int>("back");
    QTest::addColumn<int>("backModifiers");
    QTest::newRow("F2 and F1") << int(Qt::Key_F2) << 0 << int(Qt::Key_F1) << 0;
    QTest::newRow("Alt+arrows") << int(Qt::Key_Right) << int(Qt::AltModifier) << int(Qt::Key_Left)
                                << int(Qt::AltModifier);
    QTest::newRow("Alt+page keys") << int(Qt::Key_PageDown) << int(Qt::AltModifier)
                                   << int(Qt::Key_PageUp) << int(Qt::AltModifier);
}

void FrmIstorikiTest::keysMoveThroughTheCollection() {
    QFETCH(int, forward);
    QFETCH(int, forwardModifiers);
    QFETCH(int, back);
    QFETCH(int, backModifiers);
    auto* titlos = window_->findChild<QLineEdit*>("txtTitlos");
    titlos->setFocus();
    titlos->selectAll();
    QTest::keyClicks(titlos, "Aria");
    QTest::keyClick(titlos, Qt::Key(forward), Qt::KeyboardModifiers(forwardModifiers));
    QCOMPARE(w_->state().current, 2);
    QCOMPARE(window_->windowTitle(),
             QStringLiteral("Sonvella 4.0 - My Music Collection - Opus No:  2  of  2"));
    QCOMPARE(window_->findChild<QLineEdit*>("txtOno")->text(), QStringLiteral("Ravel"));
    QCOMPARE(store::trimBlanks(dir_->field(1, store::Field::Title)), QStringLiteral("Aria"));

    dialogs_.expectBeep().expectMessage("Sonvella 4.0", "Last Opus Number Reached",
                                        platform::Icon::Exclamation);
    QTest::keyClick(titlos, Qt::Key(forward), Qt::KeyboardModifiers(forwardModifiers));
    QCOMPARE(w_->state().current, 2);

    QTest::keyClick(titlos, Qt::Key(back), Qt::KeyboardModifiers(backModifiers));
    QCOMPARE(w_->state().current, 1);
    QCOMPARE(titlos->text(), QStringLiteral("Aria"));
    dialogs_.expectBeep().expectMessage("Sonvella 4.0", "First Opus Number Reached",
                                        platform::Icon::Exclamation);
    QTest::keyClick(titlos, Qt::Key(back), Qt::KeyboardModifiers(backModifiers));
    QCOMPARE(w_->state().current, 1);
}

void FrmIstorikiTest::altArrowsWithMoreModifiersDoNothing_data() {
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+Alt") << int(Qt::ControlModifier | Qt::AltModifier);
    QTest::newRow("Shift+Alt") << int(Qt::ShiftModifier | Qt::AltModifier);
}

void FrmIstorikiTest::altArrowsWithMoreModifiersDoNothing() {
    QFETCH(int, modifiers);
    const QByteArray before = dir_->bytes();
    auto* ono = window_->findChild<QLineEdit*>("txtOno");
    ono->setFocus();
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_PageDown, Qt::Key_Left, Qt::Key_PageUp}) {
        QTest::keyClick(ono, key, Qt::KeyboardModifiers(modifiers));
    }
    QCOMPARE(w_->state().current, 1);
    QCOMPARE(dir_->bytes(), before);
}

void FrmIstorikiTest::shiftDelDeletesEvenInATextBox() {
    auto* ono = window_->findChild<QLineEdit*>("txtOno");
    ono->setFocus();
    ono->selectAll();
    dialogs_.expectMessage("Sonvella 4.0", "Do you wish to Delete Opus Number 1 ;",
                           platform::Icon::Question, platform::Buttons::YesNo,
                           platform::Answer::Yes, 1);
    QTest::keyClick(ono, Qt::Key_Delete, Qt::ShiftModifier);
    QCOMPARE(ono->text(), QString());
    QCOMPARE(window_->findChild<QLineEdit*>("txtEpo")->text(), QStringLiteral("~~~"));
    QCOMPARE(dir_->recordBytes(1), QByteArray("~~~").leftJustified(455));
}

void FrmIstorikiTest::functionKeysRunTheEditCommands() {
    auto* sp = window_->findChild<QLineEdit*>("txtSp");
    sp->setFocus();
    QTest::keyClicks(sp, "EMI");
    dialogs_.expectMessage("Sonvella 4.0", "Opus Number  1 was Saved", platform::Icon::Information);
    QTest::keyClick(sp, Qt::Key_F3);
    QCOMPARE(store::trimBlanks(dir_->field(1, store::Field::Cover)), QStringLiteral("EMI"));

    QTest::keyClick(sp, Qt::Key_F12);
    QCOMPARE(w_->state().current, 3);
    QCOMPARE(QApplication::focusWidget(), window_->findChild<QWidget*>("txtEpo"));

    dialogs_.expectInput("Sonvella 4.0: Paste Opus Number",
                         "Enter the Sonvella Number to Paste:", "2");
    QTest::keyClick(sp, Qt::Key_F12, Qt::ShiftModifier);
    QCOMPARE(window_->findChild<QLineEdit*>("txtOno")->text(), QStringLiteral("Ravel"));

    dialogs_.expectInput("Sonvella 4.0: Find Sonvella Number", "Find Sonvella Number:", "1");
    QTest::keyClick(sp, Qt::Key_F4);
    QCOMPARE(w_->state().current, 1);
}

void FrmIstorikiTest::accessLettersPressTheButtons() {
    auto* ono = window_->findChild<QLineEdit*>("txtOno");
    ono->setFocus();
    // An access letter clicks its button the way a mouse would, a moment later.
    dialogs_.expectMessage("Sonvella 4.0", "Opus Number  1 was Saved", platform::Icon::Information);
    QTest::keyClick(ono, Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(dialogs_.remaining(), 0);
    QTest::keyClick(ono, Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(w_->state().N, 3);
    dialogs_.expectInput("Sonvella 4.0: Find Sonvella Number", "Find Sonvella Number:", "");
    QTest::keyClick(ono, Qt::Key_U, Qt::AltModifier);
    QTRY_COMPARE(dialogs_.remaining(), 0);
}

void FrmIstorikiTest::buttonsShowWhatTheStateShows() {
    window_->findChild<QPushButton*>("CmdLast")->click();
    QCOMPARE(window_->findChild<QLineEdit*>("txtEpo")->text(), QStringLiteral("No0002 LP"));
    window_->findChild<QPushButton*>("cmdPrevious")->click();
    QCOMPARE(window_->findChild<QLineEdit*>("txtTitlos")->text(), QStringLiteral("Goldberg"));
    window_->findChild<QPushButton*>("cmdNext")->click();
    window_->findChild<QPushButton*>("CmdFirst")->click();
    QCOMPARE(w_->state().current, 1);
}

void FrmIstorikiTest::searchKeysRunTheirSearches_data() {
    QTest::addColumn<QKeySequence>("key");
    QTest::addColumn<QString>("firstTitle");
    // clang-format off
    QTest::newRow("F5") << QKeySequence(Qt::Key_F5) << "Sonvella 4.0: Find Identity";
    QTest::newRow("F6") << QKeySequence(Qt::Key_F6) << "Sonvella 4.0: Find Composer";
    QTest::newRow("F7") << QKeySequence(Qt::Key_F7) << "Sonvella 4.0: Find Title";
    QTest::newRow("F8") << QKeySequence(Qt::Key_F8) << "Sonvella 4.0: Find Orchestra/Conductor";
    QTest::newRow("F9") << QKeySequence(Qt::Key_F9) << "Sonvella 4.0: Find Soloist";
    QTest::newRow("F11") << QKeySequence(Qt::Key_F11) << "Sonvella 4.0: Find Text in Cover";
    QTest::newRow("Shift+F6") << QKeySequence(Qt::SHIFT | Qt::Key_F6) << "Sonvella 4.0: Find Any Name";
    QTest::newRow("Ctrl+F6") << QKeySequence(Qt::CTRL | Qt::Key_F6) << "Sonvella 4.0: Search for Composer and Title";
    QTest::newRow("Ctrl+F7") << QKeySequence(Qt::CTRL | Qt::Key_F7) << "Sonvella 4.0: Search for Title and Orchestra";
    QTest::newRow("Ctrl+F8") << QKeySequence(Qt::CTRL | Qt::Key_F8) << "Sonvella 4.0: Search for Orchestra and Soloist";
    QTest::newRow("Ctrl+F9") << QKeySequence(Qt::CTRL | Qt::Key_F9) << "Sonvella 4.0: Search for Title and Soloist";
    QTest::newRow("Ctrl+F11") << QKeySequence(Qt::CTRL | Qt::Key_F11) << "Sonvella 4.0: Search for Composer and Orchestra";
    QTest::newRow("Ctrl+F12") << QKeySequence(Qt::CTRL | Qt::Key_F12) << "Sonvella 4.0: Search for Composer and Soloist";
    QTest::newRow("Ctrl+Shift+F6") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6) << "Sonvella 4.0: Search Composer, Identity";
    QTest::newRow("Ctrl+Shift+F7") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F7) << "Sonvella 4.0: Search Title and Identity";
    QTest::newRow("Ctrl+Shift+F8") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F8) << "Sonvella 4.0: Search Orchestra and Identity";
    QTest::newRow("Ctrl+Shift+F9") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F9) << "Sonvella 4.0: Search Soloist and Identity";
    QTest::newRow("Ctrl+Shift+F11") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F11) << "Sonvella 4.0: Search Cover and Identity";
    QTest::newRow("Ctrl+Shift+F1") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F1) << "Sonvella 4.0: Search Composer, Title, Id.";
    QTest::newRow("Ctrl+Shift+F2") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F2) << "Sonvella 4.0: Search Composer, Orchestra, Id.";
    QTest::newRow("Ctrl+Shift+F3") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F3) << "Sonvella 4.0: Search Composer, Soloist, Id.";
    QTest::newRow("Ctrl+Shift+F4") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F4) << "Sonvella 4.0: Search Composer, Cover, Id.";
    // clang-format on
}

void FrmIstorikiTest::searchKeysRunTheirSearches() {
    QFETCH(QKeySequence, key);
    QFETCH(QString, firstTitle);
    const search::SearchCommand* command = nullptr;
    for (const auto& c : search::kSearchCommands) {
        if (QLatin1String(c.boxes[0].title) == firstTitle) command = &c;
    }
    QVERIFY(command);
    // Every box left empty: the search ends after its boxes (and its warning, if it has one).
    for (int i = 0; i < int(command->boxes.size()); ++i) {
        dialogs_.expectInput(QString::fromLatin1(command->boxes[i].title),
                             QString::fromLatin1(command->boxes[i].prompt), "");
    }
    if (command->warning) {
        dialogs_.expectMessage("Sonvella 4.0", QString::fromLatin1(command->warning),
                               platform::Icon::Exclamation);
    }
    auto* ono = window_->findChild<QLineEdit*>("txtOno");
    ono->setFocus();
    QTest::keySequence(ono, key);
    QCOMPARE(dialogs_.remaining(), 0);
    if (command->button) {
        dialogs_.expectInput(QString::fromLatin1(command->boxes[0].title),
                             QString::fromLatin1(command->boxes[0].prompt), "");
        window_->findChild<QPushButton*>(command->button)->click();
    }
}

void FrmIstorikiTest::everyMenuEntryIsWired() {
    // Only the cover entry waits, for the cover panel to be shown, and Recent Collections for a
    // collection opened.
    QStringList disabled;
    for (QAction* a : window_->menuBar()->findChildren<QAction*>()) {
        if (!a->isSeparator() && !a->objectName().isEmpty() && !a->isEnabled())
            disabled << a->objectName();
    }
    disabled.sort();
    QCOMPARE(disabled, (QStringList{"mnuCoverImage", "mnuRecentCollections"}));
}

void FrmIstorikiTest::theHelpEntriesOpenTheirFiles() {
    window_->findChild<QAction*>("mnuHelp1")->trigger();
    window_->findChild<QAction*>("mnuBible")->trigger();
    QCOMPARE(fakes_.help.shown, (QStringList{"Sonvel400.HLP", "BIBLIOGRAPHY.HLP"}));
}

void FrmIstorikiTest::labelsShowTheirTextAsItStands() {
    // An Identity from the file, or a typed text, that looks like markup is not taken as markup.
    const QString identity = QStringLiteral("<b>1</b> &amp; CD");
    w_->typeInto(record::txtEpo, identity);
    QVERIFY(w_->SaveCR());
    fakes_.dialogs.expectMessage(
        "Sonvella 4.0",
        "CD,DVD,LP or Tape Cover Image:\n" + record::frontCoverFile(identity) + "\nwas not found.",
        platform::Icon::Exclamation);
    w_->coverPanel().Command10();  // Label19: "Cover of <b>1</b"
    w_->setStatus(QStringLiteral("Searching <i>Bach</i><br>"));
    QCOMPARE(testing::shownText(window_->findChild<QLabel*>("Label19")),
             w_->coverPanel().state().label19);
    QCOMPARE(testing::shownText(window_->findChild<QLabel*>("statusMessage")), w_->state().status);
}

void FrmIstorikiTest::undoAndTheHistoryWorkFromATextBox() {
    const QByteArray before = dir_->bytes();
    auto* composer = window_->findChild<QLineEdit*>("txtOno");
    composer->setFocus();
    composer->selectAll();
    // Ctrl+Z is the text box's own undo of typing; Ctrl+Alt+Z the history's.
    QTest::keyClicks(composer, "Mozart");
    QTest::keyClick(composer, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(composer->text(), QStringLiteral("Bach"));
    QTest::keyClicks(composer, "x");
    QTest::keyClick(composer, Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(composer->text(), QStringLiteral("Bach"));  // the typing, taken back
    QCOMPARE(dir_->bytes(), before);

    // A title changed by mistake, saved by moving on; the history shows the old and the new.
    auto* title = window_->findChild<QLineEdit*>("txtTitlos");
    title->setFocus();
    title->selectAll();
    QTest::keyClicks(title, "Golberg");
    QTest::keyClick(title, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::ControlModifier | Qt::AltModifier);
    QWidget* history = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == "frmChangeHistory" && w->isVisible()) history = w;
    }
    QVERIFY(history);
    QCOMPARE(history->windowTitle(), QStringLiteral("Sonvella 4.0 - Change History"));
    const QAbstractItemModel* changes = history->findChild<QTableView*>("tblChanges")->model();
    // Newest first: the title, the undo, and the typing it took back.
    QCOMPARE(changes->rowCount(), 3);
    QCOMPARE(changes->index(2, 2).data().toString(), QStringLiteral("Save Opus No (undone)"));
    QCOMPARE(changes->index(0, 1).data().toInt(), 1);
    QCOMPARE(changes->index(0, 2).data().toString(), QStringLiteral("Next Opus No"));
    QCOMPARE(changes->index(0, 3).data().toString(),
             QStringLiteral("Title: Goldberg \u2192 Golberg"));

    // The old title back with one command; then Show goes to it.
    dialogs_.expectMessage("Sonvella 4.0",
                           "Put Opus Number  1 back as it was before \"Next Opus No\" of "
                           "2026-12-07 14:05?",
                           platform::Icon::Question, platform::Buttons::YesNo,
                           platform::Answer::Yes, 1);
    QTest::mouseClick(history->findChild<QPushButton*>("cmdRestore"), Qt::LeftButton);
    QCOMPARE(dir_->bytes(), before);
    QCOMPARE(w_->state().current, 1);
    QCOMPARE(changes->rowCount(), 4);
    QVERIFY(w_->showRecord(2));
    QTest::mouseClick(history->findChild<QPushButton*>("cmdShow"), Qt::LeftButton);
    QCOMPARE(w_->state().current, 1);
    window_->closeChangeHistory();
}

void FrmIstorikiTest::recentCollectionsOpenFromTheFileMenu() {
    QTemporaryDir other;
    for (const QString& name : QDir(dir_->path()).entryList(QDir::Files))
        QVERIFY(QFile::copy(dir_->path(name), other.filePath(name)));
    collections::RecentCollections().add(other.path());
    collections::RecentCollections().add(dir_->path("gone"));  // newest, and no collection

    QMenuBar* bar = window_->menuBar();
    QMenu* file = window_->findChild<QMenu*>("mnuFile");
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file->menuAction()).center());
    QTRY_VERIFY(file->isVisible());
    QMenu* recent = window_->findChild<QMenu*>("mnuRecentCollections");
    QVERIFY(recent->menuAction()->isEnabled());
    QCOMPARE(testing::menuEntries(recent),
             (QStringList{"&1 " + dir_->path("gone"), "&2 " + other.path()}));
    QVERIFY(!recent->actions()[0]->isEnabled());
    QVERIFY(recent->actions()[1]->isEnabled());

    QTest::keyClick(file, Qt::Key_R);  // into the sub-menu by its access letter
    QTRY_VERIFY(recent->isVisible());
    QTest::keyClick(recent, Qt::Key_2);
    QTRY_COMPARE(shell_.calls, (QStringList{"unload", "splash"}));
    QCOMPARE(QDir::currentPath(), other.path());
}

QTEST_MAIN(FrmIstorikiTest)
#include "tst_frm_istoriki.moc"
