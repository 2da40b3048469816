#include "multi/frm_multi.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStatusBar>

#include "multi/exports.h"
#include "multi/multi_searches.h"
#include "multi/page_print.h"
#include "ui/key_preview.h"
#include "ui/menu_table.h"
#include "ui/twips.h"

namespace multi {

// The client area of the window, where records are drawn as text.
class PageCanvas : public QWidget {
public:
    PageCanvas(const MultiWindow& window, QWidget* parent) : QWidget(parent), window_(window) {
        setObjectName(QStringLiteral("page"));
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, ui::kLightYellow);
        setPalette(palette);
        // Eight records of five lines must fit the window: a small sans-serif does.
        QFont small = font();
        small.setPixelSize(10);
        setFont(small);
    }

    // The height of the forty lines of a full page, in pixels.
    int pageHeight() const { return 5 * kPageRows * fontMetrics().lineSpacing(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setClipRect(rect());  // text that runs past the edge is cut off, never wrapped
        const QFontMetrics metrics = fontMetrics();
        const int column120 = 119 * metrics.averageCharWidth();
        int y = 0;
        for (const DrawnLine& line : window_.drawing) {
            const int baseline = y + metrics.ascent();
            const int x = ui::px(line.xTwips);
            painter.drawText(x, baseline, line.text);
            if (!line.atColumn120.isEmpty()) {
                const int after = x + metrics.horizontalAdvance(line.text);
                painter.drawText(std::max(after, column120), baseline, line.atColumn120);
            }
            y += metrics.lineSpacing();
        }
    }

private:
    const MultiWindow& window_;
};

FrmMulti::FrmMulti(MultiWindow& window, QWidget* parent) : QMainWindow(parent), window_(window) {
    setObjectName(QStringLiteral("frmMulti"));
    canvas_ = new PageCanvas(window_, this);
    setCentralWidget(canvas_);
    buildMenus();

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    auto* first = new QLabel(QStringLiteral("Program Message Area"), bar);
    status_ = new QLabel(bar);
    status_->setObjectName(QStringLiteral("statusMessage"));
    status_->setTextFormat(Qt::PlainText);  // progress texts may repeat what was typed
    bar->addWidget(first);
    bar->addWidget(status_, 1);
    setStatusBar(bar);

    // Alt+X, and only Alt+X: X alone, Ctrl+X or Alt+Shift+X do nothing.
    new ui::KeyPreview(this, {{Qt::Key_X, Qt::AltModifier, [this] { window_.mnuExit(); }}});

    // A client area of 12315 x 8220 twips below the menu bar.
    const QSize client(ui::px(12315), ui::px(8220));
    setFixedSize(client.width(), client.height() + menuBar()->sizeHint().height());
    // It opens centred on the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
    window_.changed = [this] { refresh(); };
    copyState();
}

FrmMulti::~FrmMulti() {
    window_.changed = nullptr;
    for (QObject* child : findChildren<QObject*>()) disconnect(child, nullptr, this, nullptr);
}

void FrmMulti::buildMenus() {
    using K = QKeySequence;
    MultiWindow& w = window_;
    // clang-format off
    const std::vector<ui::MenuDef> menus = {
        {nullptr, "mnuMulti", QStringLiteral("&File")},
        {nullptr, "mnuView", QStringLiteral("&View")},
        {nullptr, "mnuSearch", QStringLiteral("Fin&d")},
        {nullptr, "mnuSearch1", QStringLiteral("See&k")},
        {nullptr, "mnuLookup", QStringLiteral("ID+&Lookup")},
        {nullptr, "mnuIDSearch", QStringLiteral("ID+&Search")},
        {nullptr, "mnublb", QStringLiteral("&Music")},
        {nullptr, "mnuHelp", QStringLiteral("&Help")},
    };
    // Menu, entry, caption, shortcut, separator before it, command. The searches are wired from
    // their own table below.
    const std::vector<ui::MenuEntry> entries = {
        {"mnuMulti", "mnuPrint", QStringLiteral("&Print Shown"), K(Qt::CTRL | Qt::Key_P), "Sep3", [&w] { mnuPrint(w); }},
        {"mnuMulti", "mnuExport", QStringLiteral("&Save Shown"), K(Qt::CTRL | Qt::Key_S), nullptr, [&w] { mnuExport(w); }},
        {"mnuMulti", "mnuSaveAllIdentity", QStringLiteral("Export by &Identity"), K(Qt::CTRL | Qt::Key_I), "mnuSep5", [&w] { mnuSaveAllIdentity(w); }},
        {"mnuMulti", "mnuSaveAll", QStringLiteral("Export by &Composer"), K(Qt::CTRL | Qt::Key_C), nullptr, [&w] { mnuSaveAll(w); }},
        {"mnuMulti", "mnuMenu", QStringLiteral("Menu      F10"), {}, "mnuSep", [] {}},
        {"mnuMulti", "mnuExit", QStringLiteral("E&xit        Alt+X"), {}, "mnuSep4", [&w] { w.mnuExit(); }},
        {"mnuView", "mnuTelos", QStringLiteral("By Opus No"), K(Qt::CTRL | Qt::Key_O), nullptr, [&w] { w.mnuTelos(); }},
        {"mnuSearch", "mnuEpo", QStringLiteral("&Identity"), K(Qt::Key_F5), nullptr, {}},
        {"mnuSearch", "mnuOno", QStringLiteral("&Composer"), K(Qt::Key_F6), nullptr, {}},
        {"mnuSearch", "mnuTitlos", QStringLiteral("&Title"), K(Qt::Key_F7), nullptr, {}},
        {"mnuSearch", "mnuAlloi", QStringLiteral("&Orchestra"), K(Qt::Key_F8), nullptr, {}},
        {"mnuSearch", "mnuEkdot", QStringLiteral("&Soloists"), K(Qt::Key_F9), nullptr, {}},
        {"mnuSearch", "mnuCover", QStringLiteral("Co&ver"), K(Qt::Key_F11), nullptr, {}},
        {"mnuSearch", "mnuAnyAuthorTitle", QStringLiteral("Any &Name"), K(Qt::SHIFT | Qt::Key_F6), "mnuSep8", {}},
        {"mnuSearch1", "mnuAuthorTitle", QStringLiteral("Composer and Title"), K(Qt::CTRL | Qt::Key_F6), nullptr, {}},
        {"mnuSearch1", "mnuTitleAlloi", QStringLiteral("Title and Orchestra"), K(Qt::CTRL | Qt::Key_F7), nullptr, {}},
        {"mnuSearch1", "mnuAlloiEkdot", QStringLiteral("Orchestra and Soloists"), K(Qt::CTRL | Qt::Key_F8), nullptr, {}},
        {"mnuSearch1", "mnuTitleEkdot", QStringLiteral("Title and Soloists"), K(Qt::CTRL | Qt::Key_F9), "mnuSep7", {}},
        {"mnuSearch1", "mnuAuthorAlloi", QStringLiteral("Composer and Orchestra"), K(Qt::CTRL | Qt::Key_F11), nullptr, {}},
        {"mnuSearch1", "mnuAuthorEkdot", QStringLiteral("Composer and Soloists"), K(Qt::CTRL | Qt::Key_F12), nullptr, {}},
        {"mnuLookup", "mnuIDComposer", QStringLiteral("&Composer and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), nullptr, {}},
        {"mnuLookup", "mnuIDtitle", QStringLiteral("&Title and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F7), nullptr, {}},
        {"mnuLookup", "mnuIDorchestra", QStringLiteral("&Orchestra/Conductor and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F8), nullptr, {}},
        {"mnuLookup", "mnuISsoloists", QStringLiteral("&Soloitsts and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F9), nullptr, {}},
        {"mnuLookup", "mnuIDcover", QStringLiteral("&Cover and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F11), nullptr, {}},
        {"mnuIDSearch", "mnuIDComposerTitle", QStringLiteral("Composer and &Title and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F1), nullptr, {}},
        {"mnuIDSearch", "mnuIDComposerOrchestra", QStringLiteral("Composer and &Orchestra and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F2), nullptr, {}},
        {"mnuIDSearch", "mnuIDComposerSoloist", QStringLiteral("Composer and &Soloist and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F3), nullptr, {}},
        {"mnuIDSearch", "mnuIDComposerCover", QStringLiteral("Composer and &Cover and Identity"), K(Qt::CTRL | Qt::SHIFT | Qt::Key_F4), nullptr, {}},
        {"mnublb", "mnuBible", QStringLiteral("My Collection ..."), {}, nullptr, {}},
        {"mnuHelp", "mnuHelp1", QStringLiteral("Shortcut Keys"), K(Qt::SHIFT | Qt::Key_F1), nullptr, {}},
        {"mnuHelp", "mnuHelp2", QStringLiteral("Help"), K(Qt::CTRL | Qt::Key_F1), nullptr, {}},
        {"mnuHelp", "mnuAbout", QStringLiteral("About ..."), {}, "mnuSep2", {}},
    };
    // clang-format on
    ui::buildMenus(menuBar(), menus, entries);

    for (const MultiSearch& search : kMultiSearches) {
        QAction* entry = findChild<QAction*>(QString::fromLatin1(search.menuEntry));
        entry->setEnabled(true);
        connect(entry, &QAction::triggered, this,
                [this, &search] { runMultiSearch(window_, search); });
    }

    ui::openMenuBarWithF10(this);
}

void FrmMulti::setHelpCommands(std::function<void()> myCollection,
                               std::function<void()> shortcutKeys, std::function<void()> help,
                               std::function<void()> about) {
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"mnuBible", std::move(myCollection)},
        {"mnuHelp1", std::move(shortcutKeys)},
        {"mnuHelp2", std::move(help)},
        {"mnuAbout", std::move(about)},
    };
    for (const auto& [name, command] : commands) {
        QAction* entry = findChild<QAction*>(QString::fromLatin1(name));
        entry->setEnabled(true);
        connect(entry, &QAction::triggered, this, command);
    }
}

void FrmMulti::refresh() {
    refresh_.refresh(window_.busy);
}

void FrmMulti::copyState() {
    setWindowTitle(window_.caption);
    status_->setText(window_.status);
    findChild<QAction*>(QStringLiteral("mnuPrint"))->setEnabled(window_.printShownEnabled);
    findChild<QAction*>(QStringLiteral("mnuExport"))->setEnabled(window_.saveShownEnabled);
    canvas_->update();
}

void FrmMulti::closeEvent(QCloseEvent* event) {
    // As in the main window: a close that arrives while a long command draws its progress waits.
    if (window_.busy) {
        event->ignore();
        return;
    }
    event->accept();
    if (closedByUser) closedByUser();
}

}  // namespace multi
