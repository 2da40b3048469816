#pragma once
// The main record window without its widgets: what it shows (the six text boxes, caption, status
// text, sort-state line, media icon, cover and pick-list panels) and the procedures behind its
// buttons, menu entries and keys. Views mirror this state; other subsystems call ShowCR, SaveCR
// and ShowSRN.

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <utility>

#include "common/busy_scope.h"
#include "common/numbered_text.h"
#include "platform/services.h"
#include "record/icon_cache.h"
#include "record/session.h"
#include "store/collection_file.h"
#include "store/opus_record.h"

namespace record {

// The six text boxes, in the order of the record's fields.
enum Box { txtEpo, txtOno, txtTitlos, txtAlloi, txtEkdot, txtSp };

// Window sizes in twips (1/1440 inch).
constexpr int kNarrowWidth = 11200;    // cover panel hidden
constexpr int kStartWidth = 11250;     // as the window opens
constexpr int kCoverWidth = 15000;     // cover panel shown
constexpr int kSmallHeight = 5500;     // pick-list panel hidden
constexpr int kExpandedHeight = 9200;  // pick-list panel shown

// The cover panel's picture, in pixels: 241 x 361, or 241 x 210 for a picture wider than high.
constexpr int kCoverPictureWidth = 241;
constexpr int kCoverPictureHeight = 361;
constexpr int kWideCoverPictureHeight = 210;

// The enlarged front cover (frmCoverImage) or the back cover (frmBackImage).
struct CoverWindow {
    bool open = false;
    QString caption;
    QImage picture;
    bool wide =
        false;  // wider than high: shown in Image1 with Command1, else in Image2 with Command2
};

class RecordWindow;
using BusyScope = common::BusyScope<RecordWindow>;

class RecordWindow {
public:
    RecordWindow(Session& session, platform::Services services);

    // --- What the window shows -------------------------------------------------------------
    std::array<QString, 6> boxes;  // the editing buffer, one text per field
    QString caption;
    QString status;            // the status bar's message panel
    QString sortStateLine;     // Label18
    std::int32_t current = 1;  // the current Opus Number
    std::int32_t N = 1;        // the record count
    std::int32_t searchPosition = 0;
    int widthTwips = kStartWidth;
    int heightTwips = kSmallHeight;
    // A command is going through many records (a search, a print, a count): the view repaints
    // now and then while it runs, so the progress shows.
    bool busy = false;

    QImage icon;  // Image1: the media icon
    bool iconBorder = false;

    std::int16_t coverShown = 0;
    bool coverImageMenuEnabled = false;  // mnuCoverImage
    QString command10Caption = QStringLiteral("IMAGE");
    QString label19;  // "Cover of ..."
    QImage cover;     // Image2
    int coverHeight = kCoverPictureHeight;
    CoverWindow frmCoverImage;
    CoverWindow frmBackImage;

    std::int16_t pickPanelShown = 0;
    QString command5Caption = QStringLiteral("EX&PAND");
    // The eight pick lists in the order their files are loaded (Combo1, 2, 3, 4, 6, 7, 8, 9), each
    // in alphabetical order, and the text of each box's edit field.
    std::array<QStringList, 8> lists;
    std::array<QString, 8> pickTexts;
    int listsVersion = 0;  // grows whenever a list changes

    // The view is told after every change; it copies the state into its controls.
    std::function<void()> changed;
    // Asks the view to put the keyboard focus into a text box.
    std::function<void(Box)> focusBox;

    // --- Procedures ---------------------------------------------------------------------------
    // The load sequence. False after a start-up failure: its message was shown and the program
    // asked to end.
    bool Form_Load();

    // Reads the current record, trims its fields into the in-memory record and the text boxes,
    // sets the caption and the media icon. False (after a message naming the Opus Number) when it
    // cannot be read.
    bool ShowCR();
    // Writes the text boxes, untrimmed, into the current record. False (after a message naming
    // the Opus Number) when it cannot be written; the boxes keep what the user typed.
    bool SaveCR();
    // The caption of a running search.
    void ShowSRN();
    // A running search looked at `count` more records: the caption counts them one by one
    // (stepSearchPosition and ShowSRN for each).
    void showSearchProgress(std::int32_t count);

    // Editing (editing.cpp).
    void cmdCorrect();  // save and confirm
    void cmdNew();      // append a fresh record and show it
    void mnuDelete();   // blank the shown record after a question
    void mnuPaste();    // copy another record into the empty shown record (also cmdPaste)
    // Appends the `count` records `source` hands out after the last one (from record 1 in an
    // empty collection: N = 1 and record 1 blank) as new records, all or nothing, as cmdNew
    // appends one; N grows and the first of them is shown. All or nothing holds across a killed
    // process too: the import marker stands beside the collection while the records are written,
    // and the next start takes them back. Returns the Opus Numbers of the first and the last (0
    // and 0 when `source` had none). Throws StoreError, or what `source` throws, when nothing was
    // appended. The record shown is not saved first: the caller does that.
    std::pair<std::int32_t, std::int32_t> appendRecords(
        const store::CollectionFile::RecordSource& source, std::int64_t count);

    // Navigation (navigation.cpp).
    void CmdFirst();
    void CmdLast();
    void cmdNext();
    void cmdPrevious();
    void cmdFindcode();  // go to a typed Opus Number
    void cmdMulti();     // multi mode; the record shown is not saved
    // Shows record n as moving by F2 does: the record shown is saved first, and when that save
    // fails (or n is no Opus Number of the collection) the window stays where it is. While a
    // command of the window runs its record must not change under it: a beep, and nothing moves.
    bool goToRecord(std::int32_t n);

    // The cover panel and the cover windows (cover_panel.cpp).
    void Command10();      // show or hide the cover panel
    void mnuCoverImage();  // show the cover of the record now shown, when the panel is shown
    void Image2_Click();   // the front cover, enlarged in frmCoverImage
    void Label20_Click();  // the back cover in frmBackImage
    void Label19_Click();  // copy the panel's cover to the clipboard
    void copyPicture(CoverWindow& window);  // the COPY buttons of the cover windows
    void closeCoverWindows();
    void Picture_Click();  // Picture1 to Picture3: the splash window again

    // The pick-list panel (pick_lists.cpp).
    void Command5();  // expand or shrink the window
    // A name chosen from pick list `list` (0 to 7, in load order).
    void pickListChosen(int list, const QString& name);
    // "Add": the text of the box's edit field into its list and its file.
    void addToPickList(int list);
    // The same for a name that comes from elsewhere (the collection check).
    void addToPickList(int list, const QString& name);

    void cmdExit();      // save, close the collection, end
    void mnuEnd();       // save, close the collection, close the cover windows, end
    void Form_Unload();  // closing by the window frame: nothing is saved

    // --- What other subsystems use -----------------------------------------------------------
    const store::OpusRecord& record() const { return record_; }
    store::CollectionFile& file() { return file_; }
    Session& session() { return session_; }
    platform::Dialogs& dialogs() { return services_.dialogs; }
    platform::Services& services() { return services_; }
    void notify();

    // What other subsystems change in the window goes through these; the view reads the fields.
    // The status bar's message panel: a command's progress, cleared at its end.
    void setStatus(const QString& text);
    // The same for a progress text that changes with every record: its numbers are written into
    // the text in place.
    void setStatus(common::NumberedText& progress, std::int64_t first, std::int64_t second = 0);
    void clearStatus();
    // The count a running search shows in the caption (ShowSRN): from 0, one step a record looked
    // at, never past N.
    void resetSearchPosition() { searchPosition = 0; }
    void stepSearchPosition();
    // Before the window is closed for a restart (a re-sort): the restarted window opens without
    // the cover panel.
    void forgetCoverPanel() { coverShown = 0; }

    // Makes n the current Opus Number and shows it; when it cannot be read, the current record
    // and the boxes stay as they were.
    bool showRecord(std::int32_t n);
    // Shows the 455 bytes of a record, read from the file or from a scan's block, as record n,
    // exactly as ShowCR shows what it reads: the fields trimmed into the in-memory record and the
    // text boxes, the caption, the media icon.
    void showRecordBytes(std::int32_t n, const char* bytes);
    // Shows records first to last one after another, read a block at a time, and runs `each`
    // after each is shown: a pass over the collection (media counting, the range prints). False
    // (after a message naming the Opus Number) when a record cannot be read; the pass stops
    // there.
    bool showRecords(std::int32_t first, std::int32_t last, const std::function<void()>& each);
    // The decoded media icons, kept while the window is loaded.
    IconCache& mediaIcons() { return icons_; }

private:
    // Before the collection is opened: an import that a killed process left half done is taken
    // back, and the user told once.
    void takeBackUnfinishedImport();
    void showCurrentRecord();  // ShowCR without its failure message: throws StoreError
    // showRecordBytes without the notice. With `boxesShowRecord` the boxes are known to show the
    // in-memory record, and the fields that stay as they were are not decoded again.
    void fillFromBytes(std::int32_t n, const char* bytes, bool boxesShowRecord);
    void setRecordCaption();
    void showMediaIcon();
    void reportFailure(const QString& what, std::int32_t opusNumber, const QString& reason);
    // "Please type a number between 1 and " N, with an information icon.
    void askForNumberInRange();
    // Loads the front cover into the panel; false when it is missing (after the message).
    bool loadPanelCover();
    void hideCoverPanel();
    void openCoverWindow(CoverWindow& window, const QString& file, const QString& windowCaption,
                         const QString& failure);

    Session& session_;
    platform::Services services_;
    platform::Dialogs& dialogs_;
    store::CollectionFile file_;
    store::OpusRecord record_;
    IconCache icons_;
    int iconKind_ = -1;  // the kind of medium whose picture `icon` holds (-1: none)
    // The two captions of the window, rewritten in place while a pass or a search runs.
    common::NumberedText recordCaption_;
    common::NumberedText searchCaption_;
};

}  // namespace record
