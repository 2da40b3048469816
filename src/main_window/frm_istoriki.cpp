#include "main_window/frm_istoriki.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>

#include "change_history/frm_change_history.h"
#include "collection_check/frm_collection_check.h"
#include "covers/cover_commands.h"
#include "main_window/cover_drops.h"
#include "main_window/frm_cover_image.h"
#include "main_window/istoriki_layout.h"
#include "main_window/pick_list_box.h"
#include "main_window/pictures.h"
#include "main_window/record_boxes.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "print/print_selection.h"
#include "quick_find/frm_quick_find.h"
#include "search/search_commands.h"
#include "store/opus_record.h"
#include "ui/clickable_label.h"
#include "ui/key_preview.h"
#include "ui/lock_keys_panel.h"
#include "ui/twips.h"
#include "works/frm_works.h"

namespace main_window {

using record::Box;
using record::kCoverPictureWidth;
using record::RecordWindow;
using record::txtEkdot;
using ui::rectTw;

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect placeTw,
                  const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(rectTw(placeTw.x(), placeTw.y(), placeTw.width(), placeTw.height()));
    label->setFont(font);
    return label;
}

}  // namespace

FrmIstoriki::FrmIstoriki(RecordWindow& window, QWidget* parent)
    : QMainWindow(parent), window_(window) {
    setObjectName(QStringLiteral("frmIstoriki"));
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, ui::kLightYellow);
    client->setPalette(palette);
    setCentralWidget(client);

    buildRecordArea(client);
    buildButtons(client);
    buildPickPanel(client);
    buildCoverPanel(client);
    buildMenus();
    buildStatusBar();
    buildKeys();
    buildCoverWindows();
    // Built last: it watches every control that takes drops.
    new CoverDrops(this, [this](const QMimeData& dropped, covers::Side side) {
        covers::dropCover(window_, dropped, side);
    });

    window_.setView(
        {[this] { refresh(); }, [this](Box box) { boxes_[box]->setFocus(Qt::OtherFocusReason); }});
    refresh();
}

FrmIstoriki::~FrmIstoriki() {
    window_.setView({});
    // The controls are deleted after this part of the window is gone; none may call back into it.
    for (QObject* child : findChildren<QObject*>()) disconnect(child, nullptr, this, nullptr);
    delete frmCoverImage_;
    delete frmBackImage_;
    delete quickFind_;
    delete collectionCheck_.data();
    delete changeHistory_.data();
    delete works_.data();
}

void FrmIstoriki::showCollectionCheck() {
    if (!collectionCheck_) {
        collectionCheck_ = new collection_check::FrmCollectionCheck(window_);
        collectionCheck_->state().start();
    }
    collectionCheck_->show();
    collectionCheck_->raise();
    collectionCheck_->activateWindow();
}

void FrmIstoriki::closeCollectionCheck() {
    delete collectionCheck_.data();
}

void FrmIstoriki::showChangeHistory() {
    if (!changeHistory_) changeHistory_ = new change_history::FrmChangeHistory(window_);
    changeHistory_->bringForward();
}

void FrmIstoriki::closeChangeHistory() {
    delete changeHistory_.data();
}

void FrmIstoriki::showWorks() {
    if (!works_) {
        works_ = new works::FrmWorks(window_);
        works_->state().start();
    }
    works_->show();
    works_->raise();
    works_->activateWindow();
}

void FrmIstoriki::closeWorks() {
    delete works_.data();
}

RecordLineEdit* FrmIstoriki::lineBox(Box box) const {
    return static_cast<RecordLineEdit*>(boxes_[box]);
}

QPushButton* FrmIstoriki::button(const char* name) const {
    return buttons_.value(QString::fromLatin1(name));
}

void FrmIstoriki::buildRecordArea(QWidget* client) {
    const auto beep = [this] { window_.dialogs().beep(); };
    for (int i = 0; i < store::kFieldCount; ++i) {
        const FieldDef& def = kFields[i];
        const int width = store::kFieldLayout[i].width;
        QWidget* box = nullptr;
        if (i == txtEkdot) {
            txtEkdot_ = new RecordTextEdit(width, beep, client);
            connect(txtEkdot_, &RecordTextEdit::edited, this,
                    [this](const QString& text) { window_.typeInto(txtEkdot, text); });
            box = txtEkdot_;
        } else {
            auto* line = new RecordLineEdit(width, beep, client);
            connect(line, &QLineEdit::textEdited, this,
                    [this, i](const QString& text) { window_.typeInto(Box(i), text); });
            box = line;
        }
        box->setObjectName(QString::fromLatin1(def.box));
        box->setGeometry(
            rectTw(def.place.x(), def.place.y(), def.place.width(), def.place.height()));
        box->setFont(recordFont());
        boxes_[i] = box;
        const int labelTop = def.place.y() + (i == txtEkdot ? 0 : 60);
        makeLabel(client, def.label, QString::fromLatin1(def.caption), {120, labelTop, 1155, 255},
                  panelFont());
    }
    // The Orchestra field is labelled twice: ORCHESTRA and, below it, CONDUCTOR.
    findChild<QLabel*>(QStringLiteral("lblOrchestra"))->setGeometry(rectTw(120, 2160, 1155, 240));
    makeLabel(client, "lblConductor", QStringLiteral("CONDUCTOR"), {120, 2400, 1155, 240},
              panelFont());
    for (int i = 0; i + 1 < store::kFieldCount; ++i) setTabOrder(boxes_[i], boxes_[i + 1]);

    image1_ = new QLabel(client);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(rectTw(8400, 720, 735, 735));
    image1_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Designed 5055 twips wide for a narrow font; widened about the same centre so that the whole
    // line shows in the wider sans-serif fonts of today.
    QFont sortFont = panelFont();
    sortFont.setBold(false);
    label18_ = makeLabel(client, "Label18", window_.state().sortStateLine, {1560, 3720, 7695, 240},
                         sortFont);
    label18_->setAlignment(Qt::AlignCenter);
}

void FrmIstoriki::buildButtons(QWidget* client) {
    for (const ButtonDef& def : kButtons) {
        auto* b = new QPushButton(QString::fromLatin1(def.caption), client);
        b->setObjectName(QString::fromLatin1(def.name));
        b->setToolTip(QString::fromLatin1(def.toolTip));
        b->setGeometry(rectTw(def.place.x(), def.place.y(), def.place.width(), def.place.height()));
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
        b->setEnabled(false);  // until a command is connected below
        buttons_.insert(b->objectName(), b);
    }
    // The buttons' commands; a button without one stays disabled until its command lands.
    RecordWindow& w = window_;
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"cmdExit", [&w] { w.cmdExit(); }},
        {"CmdFirst", [&w] { w.CmdFirst(); }},
        {"CmdLast", [&w] { w.CmdLast(); }},
        {"cmdNext", [&w] { w.cmdNext(); }},
        {"cmdPrevious", [&w] { w.cmdPrevious(); }},
        {"cmdFindcode", [&w] { w.cmdFindcode(); }},
        {"cmdCorrect", [&w] { w.cmdCorrect(); }},
        {"cmdNew", [&w] { w.cmdNew(); }},
        {"cmdPaste", [&w] { w.mnuPaste(); }},
        {"cmdMulti", [&w] { w.cmdMulti(); }},
        {"Command10", [&w] { w.coverPanel().Command10(); }},
        {"Command5", [&w] { w.pickPanel().Command5(); }},
        {"cmdPrint", [&w] { print::cmdPrint(w); }},
        {"cmdEndPrint", [&w] { print::cmdEndPrint(w); }},
    };
    for (const auto& [name, command] : commands) {
        QPushButton* b = button(name);
        b->setEnabled(true);
        connect(b, &QPushButton::clicked, this, command);
    }
    // The search table names the buttons of the six single-field searches.
    for (const search::SearchCommand& search : search::kSearchCommands) {
        if (!search.button) continue;
        QPushButton* b = button(search.button);
        b->setEnabled(true);
        connect(b, &QPushButton::clicked, this,
                [this, &search] { search::runSearch(window_, search); });
    }
}

void FrmIstoriki::buildPickPanel(QWidget* client) {
    for (const PickListDef& def : kPickListLayout) {
        const QRect boxPlace(def.place.x(), def.place.y(), def.width, 315);
        auto* label = makeLabel(client, def.label, QString::fromLatin1(def.caption),
                                {def.place.x(), def.place.y() - 240, def.width, 240}, panelFont());
        label->setAutoFillBackground(true);
        auto* combo = new PickListBox(client);
        combo->setObjectName(QString::fromLatin1(def.box));
        combo->setFont(panelFont());
        combo->setGeometry(rectTw(boxPlace.x(), boxPlace.y(), boxPlace.width(), boxPlace.height()));
        combo->setEditText(QString::fromLatin1(def.initial));
        if (def.list < 0) {
            combo->setEnabled(false);  // INSTRUMENTS carries no data and no action
            continue;
        }
        pickLists_[def.list] = combo;
        const int list = def.list;
        combo->setValidator(codePageValidator([this] { window_.dialogs().beep(); }, combo));
        connect(combo, &PickListBox::chosen, this, [this, list](const QString& name) {
            window_.pickPanel().pickListChosen(list, name);
        });
        connect(combo, &QComboBox::editTextChanged, this, [this, list](const QString& text) {
            if (!refreshing_) window_.pickPanel().setPickText(list, text);
        });
        auto* add = new QPushButton(QStringLiteral("Add"), client);
        add->setObjectName(QString::fromLatin1(def.addButton));
        add->setGeometry(rectTw(def.addLeft, def.place.y(), 495, 375));
        add->setAutoDefault(false);
        add->setFocusPolicy(Qt::TabFocus);
        connect(add, &QPushButton::clicked, this,
                [this, list] { window_.pickPanel().addToPickList(list); });
        buttons_.insert(add->objectName(), add);
    }

    const struct {
        const char* name;
        const char* toolTip;
        QRect place;
    } pictures[] = {
        {"Picture1", "Click to View ...", {120, 4680, 570, 570}},
        {"Picture2", "Click to view ...", {7680, 4680, 570, 570}},
        {"Picture3", "Click to View ...", {5220, 6240, 600, 600}},
    };
    int which = 1;
    for (const auto& def : pictures) {
        auto* picture = new ui::ClickableLabel(client);
        picture->setObjectName(QString::fromLatin1(def.name));
        picture->setToolTip(QString::fromLatin1(def.toolTip));
        const QRect place =
            rectTw(def.place.x(), def.place.y(), def.place.width(), def.place.height());
        picture->setGeometry(place);
        picture->setPixmap(panelPicture(which++, place.size()));
        connect(picture, &ui::ClickableLabel::clicked, this, [this] { window_.Picture_Click(); });
    }
    picture1_ = findChild<QWidget*>(QStringLiteral("Picture1"));
    picture2_ = findChild<QWidget*>(QStringLiteral("Picture2"));
}

void FrmIstoriki::buildCoverPanel(QWidget* client) {
    auto* label19 = new ui::ClickableLabel(client);
    label19->setObjectName(QStringLiteral("Label19"));
    label19->setTextFormat(Qt::PlainText);  // the Identity, as the file holds it
    label19->setToolTip(QStringLiteral("Click to copy to Clipboard"));
    label19->setGeometry(rectTw(11160, 0, 2415, 240));
    label19->setFont(panelFont());
    auto* label20 = new ui::ClickableLabel(QStringLiteral("BACK"), client);
    label20->setObjectName(QStringLiteral("Label20"));
    label20->setToolTip(QStringLiteral("Click to view Back Cover"));
    label20->setGeometry(rectTw(13920, 0, 855, 240));
    label20->setFont(panelFont());
    auto* image2 = new ui::ClickableLabel(client);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setToolTip(QStringLiteral("Click to enlarge the image"));
    image2->setGeometry(rectTw(11160, 240, 3615, 5415));
    image2->setScaledContents(true);
    connect(label19, &ui::ClickableLabel::clicked, this,
            [this] { window_.coverPanel().Label19_Click(); });
    connect(label20, &ui::ClickableLabel::clicked, this,
            [this] { window_.coverPanel().Label20_Click(); });
    connect(image2, &ui::ClickableLabel::clicked, this,
            [this] { window_.coverPanel().Image2_Click(); });
    label19_ = label19;
    image2_ = image2;
}

void FrmIstoriki::buildCoverWindows() {
    record::CoverPanel& panel = window_.coverPanel();
    using record::CoverSide;
    frmCoverImage_ = new FrmCoverImage(
        QStringLiteral("frmCoverImage"), [&panel] { panel.copyPicture(CoverSide::Front); },
        [&panel] { panel.closeCoverWindow(CoverSide::Front); });
    frmBackImage_ = new FrmCoverImage(
        QStringLiteral("frmBackImage"), [&panel] { panel.copyPicture(CoverSide::Back); },
        [&panel] { panel.closeCoverWindow(CoverSide::Back); });
}

void FrmIstoriki::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    auto* area = new QLabel(QStringLiteral("Program Message Area"), bar);
    area->setObjectName(QStringLiteral("statusPanel1"));
    status_ = new QLabel(bar);
    status_->setObjectName(QStringLiteral("statusMessage"));
    status_->setTextFormat(Qt::PlainText);  // progress texts may repeat what was typed
    auto* date = new QLabel(
        QLocale().toString(window_.services().clock.now().date(), QLocale::ShortFormat), bar);
    date->setObjectName(QStringLiteral("statusDate"));
    bar->addWidget(area);
    bar->addWidget(status_, 1);
    new ui::LockKeysPanel(bar);
    bar->addPermanentWidget(date);
    setStatusBar(bar);
}

void FrmIstoriki::buildKeys() {
    // The window's own keys, seen before its controls: only with Alt as the one modifier.
    new ui::KeyPreview(
        this,
        {
            {Qt::Key_X, Qt::AltModifier, [this] { window_.cmdExit(); }},
            {Qt::Key_Right, Qt::AltModifier, [this] { window_.cmdNext(); }},
            {Qt::Key_Left, Qt::AltModifier, [this] { window_.cmdPrevious(); }},
            {Qt::Key_PageDown, Qt::AltModifier, [this] { window_.cmdNext(); }},
            {Qt::Key_PageUp, Qt::AltModifier, [this] { window_.cmdPrevious(); }},
            // Alt+M is the MULTI button's: the Music menu shares the letter and opens with F10.
            {Qt::Key_M, Qt::AltModifier, [this] { window_.cmdMulti(); }},
        });
}

void FrmIstoriki::refresh() {
    refresh_.refresh(window_.isBusy());
}

void FrmIstoriki::copyState() {
    refreshing_ = true;
    const auto done = qScopeGuard([this] { refreshing_ = false; });
    copyRecordArea(window_.state());
    copyPickPanel(window_.pickPanel().state());
    copyCoverPanel(window_.coverPanel().state());
    setFixedSize(ui::windowSize(window_.state().widthTwips, window_.state().heightTwips));
}

void FrmIstoriki::copyRecordArea(const record::RecordState& state) {
    setWindowTitle(state.caption);
    for (int i = 0; i < store::kFieldCount; ++i) {
        if (i == txtEkdot) {
            txtEkdot_->setStoredText(state.boxes[i]);
        } else if (lineBox(Box(i))->text() != state.boxes[i]) {
            lineBox(Box(i))->setText(state.boxes[i]);
        }
    }
    status_->setText(state.status);
    label18_->setText(state.sortStateLine);
    image1_->setPixmap(QPixmap::fromImage(state.icon));
    image1_->setFrameShape(state.iconBorder ? QFrame::Box : QFrame::NoFrame);
}

void FrmIstoriki::copyPickPanel(const record::PickPanel::State& panel) {
    if (shownListsVersion_ != panel.listsVersion) {
        for (size_t i = 0; i < pickLists_.size(); ++i) {
            QComboBox* combo = pickLists_[i];
            const QString text = combo->currentText();
            combo->clear();
            combo->addItems(panel.lists[i]);
            combo->setCurrentIndex(-1);
            combo->setEditText(text);
        }
        shownListsVersion_ = panel.listsVersion;
    }
    for (size_t i = 0; i < pickLists_.size(); ++i) {
        QComboBox* combo = pickLists_[i];
        if (combo->currentText() != panel.pickTexts[i]) {
            if (panel.pickTexts[i].isEmpty()) combo->setCurrentIndex(-1);
            combo->setEditText(panel.pickTexts[i]);
        }
    }
    button("Command5")->setText(panel.command5Caption);
    const bool expanded = panel.pickPanelShown != 0;
    picture1_->setVisible(expanded);
    picture2_->setVisible(expanded);
}

void FrmIstoriki::copyCoverPanel(const record::CoverPanel::State& panel) {
    label19_->setText(panel.label19);
    image2_->setPixmap(QPixmap::fromImage(panel.cover));
    image2_->resize(kCoverPictureWidth, panel.coverHeight);
    button("Command10")->setText(panel.command10Caption);
    menuEntry("mnuCoverImage")->setEnabled(panel.coverImageMenuEnabled);
    frmCoverImage_->refresh(panel.frmCoverImage);
    frmBackImage_->refresh(panel.frmBackImage);
}

void FrmIstoriki::showQuickFind() {
    if (!quickFind_) quickFind_ = new quick_find::FrmQuickFind(window_, this);
    quickFind_->bringForward();
}

void FrmIstoriki::closeQuickFind() {
    if (quickFind_) quickFind_->close();
}

QAction* FrmIstoriki::menuEntry(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

void FrmIstoriki::closeEvent(QCloseEvent* event) {
    // A long command lets the window draw its progress, and a close from the window manager can
    // arrive then: the command must finish first.
    if (window_.isBusy()) {
        event->ignore();
        return;
    }
    window_.Form_Unload();
    event->accept();
    if (closedByUser) closedByUser();
}

}  // namespace main_window
