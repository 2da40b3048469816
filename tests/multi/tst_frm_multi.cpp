// The multi mode window as widgets: size, menus, keys, and a page that fits.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

#include "multi/frm_multi.h"
#include "multi/multi_searches.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/menu_entries.h"
#include "support/multi_test.h"
#include "support/shown_text.h"
#include "ui/twips.h"

using multi::FrmMulti;
using multi::MultiWindow;
using testing::CollectionDir;

namespace {}  // namespace

class FrmMultiTest : public testing::MultiTest {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menusHoldEveryEntry_data();
    void menusHoldEveryEntry();
    void aPageOfEightRecordsFits();
    void altXAndOnlyAltXEnds();
    void theKeysRunTheSearches();
    void theStatusShowsItsTextAsItStands();

private:
    std::unique_ptr<FrmMulti> window_;
};

void FrmMultiTest::init() {
    MultiTest::init();
    load(testing::numberedRecords(10));
    window_ = std::make_unique<FrmMulti>(*w_);
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void FrmMultiTest::cleanup() {
    window_.reset();
    MultiTest::cleanup();
}

void FrmMultiTest::menusHoldEveryEntry_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("entries");
    // clang-format off
    QTest::newRow("File") << "mnuMulti" << "&File"
        << QStringList{"-Sep3", "&Print Shown [Ctrl+P]", "&Save Shown [Ctrl+S]", "-mnuSep5", "Export by &Identity [Ctrl+I]",
                       "Export by &Composer [Ctrl+C]", "-mnuSep", "Menu      F10", "-mnuSep4", "E&xit        Alt+X"};
    QTest::newRow("View") << "mnuView" << "&View" << QStringList{"By Opus No [Ctrl+O]"};
    QTest::newRow("Find") << "mnuSearch" << "Fin&d"
        << QStringList{"&Identity [F5]", "&Composer [F6]", "&Title [F7]", "&Orchestra [F8]", "&Soloists [F9]",
                       "Co&ver [F11]", "-mnuSep8", "Any &Name [Shift+F6]"};
    QTest::newRow("Seek") << "mnuSearch1" << "See&k"
        << QStringList{"Composer and Title [Ctrl+F6]", "Title and Orchestra [Ctrl+F7]", "Orchestra and Soloists [Ctrl+F8]", "-mnuSep7",
                       "Title and Soloists [Ctrl+F9]", "Composer and Orchestra [Ctrl+F11]", "Composer and Soloists [Ctrl+F12]"};
    QTest::newRow("ID+Lookup") << "mnuLookup" << "ID+&Lookup"
        << QStringList{"&Composer and Identity [Ctrl+Shift+F6]", "&Title and Identity [Ctrl+Shift+F7]",
                       "&Orchestra/Conductor and Identity [Ctrl+Shift+F8]", "&Soloitsts and Identity [Ctrl+Shift+F9]",
                       "&Cover and Identity [Ctrl+Shift+F11]"};
    QTest::newRow("ID+Search") << "mnuIDSearch" << "ID+&Search"
        << QStringList{"Composer and &Title and Identity [Ctrl+Shift+F1]", "Composer and &Orchestra and Identity [Ctrl+Shift+F2]",
                       "Composer and &Soloist and Identity [Ctrl+Shift+F3]", "Composer and &Cover and Identity [Ctrl+Shift+F4]"};
    QTest::newRow("Music") << "mnublb" << "&Music" << QStringList{"My Collection ..."};
    QTest::newRow("Help") << "mnuHelp" << "&Help" << QStringList{"Shortcut Keys [Shift+F1]", "Help [Ctrl+F1]", "-mnuSep2", "About ..."};
    // clang-format on
}

void FrmMultiTest::menusHoldEveryEntry() {
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QStringList, entries);
    auto* m = window_->findChild<QMenu*>(menu);
    QVERIFY(m);
    QCOMPARE(m->title(), caption);
    QCOMPARE(testing::menuEntries(m), entries);
    // The page entries wait for a page.
    QVERIFY(!window_->findChild<QAction*>("mnuPrint")->isEnabled());
    QVERIFY(!window_->findChild<QAction*>("mnuExport")->isEnabled());
}

void FrmMultiTest::aPageOfEightRecordsFits() {
    QCOMPARE(window_->centralWidget()->width(), ui::px(12315));
    QCOMPARE(window_->centralWidget()->height() + window_->statusBar()->height(), ui::px(8220));
    const auto* canvas = window_->centralWidget();
    const int lineSpacing = canvas->fontMetrics().lineSpacing();
    QVERIFY2(40 * lineSpacing <= canvas->height(), qPrintable(QString::number(40 * lineSpacing)));
}

void FrmMultiTest::altXAndOnlyAltXEnds() {
    for (Qt::KeyboardModifiers modifiers :
         {Qt::KeyboardModifiers(Qt::NoModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
          Qt::KeyboardModifiers(Qt::AltModifier | Qt::ShiftModifier)}) {
        QTest::keyClick(window_.get(), Qt::Key_X, modifiers);
    }
    QCOMPARE(fakes_.shell.ended, 0);
    QTest::keyClick(window_.get(), Qt::Key_X, Qt::AltModifier);
    QCOMPARE(fakes_.shell.ended, 1);
    QVERIFY(!w_->file().isOpen());
}

void FrmMultiTest::theKeysRunTheSearches() {
    const std::pair<QKeySequence, const char*> keys[] = {
        {QKeySequence(Qt::Key_F6), "Sonvella 4.0: Find Composer"},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F9),
         "Sonvella 4.0: Search Soloist and Identity"},
    };
    for (const auto& [key, title] : keys) {
        const multi::MultiSearch* search = nullptr;
        for (const auto& s : multi::kMultiSearches) {
            if (QLatin1String(s.boxes[0].title) == QLatin1String(title)) search = &s;
        }
        QVERIFY(search);
        for (int i = 0; i < int(search->boxes.size()); ++i) {
            fakes_.dialogs.expectInput(QString::fromLatin1(search->boxes[i].title),
                                       QString::fromLatin1(search->boxes[i].prompt), "");
        }
        if (search->warning) {
            fakes_.dialogs.expectMessage("Sonvella 4.0", QString::fromLatin1(search->warning),
                                         platform::Icon::Exclamation);
        }
        QTest::keySequence(window_.get(), key);
        QCOMPARE(fakes_.dialogs.remaining(), 0);
    }
    QTest::keySequence(window_.get(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QCOMPARE(fakes_.shell.calls, (QStringList{"unload multi", "splash"}));
}

void FrmMultiTest::theStatusShowsItsTextAsItStands() {
    w_->status = QStringLiteral("Search Results for <b>Bach</b>");
    w_->notify();
    QCOMPARE(testing::shownText(window_->findChild<QLabel*>("statusMessage")), w_->status);
}

QTEST_MAIN(FrmMultiTest)
#include "tst_frm_multi.moc"
