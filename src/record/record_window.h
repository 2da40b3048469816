#pragma once
// The main record window without its widgets: what it shows (RecordState, and the cover and
// pick-list panels' own states) and the procedures behind its buttons, menu entries and keys.
// Views mirror the state; other subsystems read it through state() and change it only through
// the named operations below (ShowCR, SaveCR, ShowSRN, showRecord, setStatus...).

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <utility>

#include "common/busy_scope.h"
#include "common/numbered_text.h"
#include "history/journal.h"
#include "platform/services.h"
#include "record/cover_panel.h"
#include "record/icon_cache.h"
#include "record/pick_lists.h"
#include "record/record_state.h"
#include "record/session.h"
#include "store/collection_file.h"
#include "store/opus_record.h"

namespace record {

class RecordWindow;
using BusyScope = common::BusyScope<RecordWindow>;

// How the window tells its view: after every change, and when a box should take the focus.
struct ViewHooks {
    std::function<void()> changed;
    std::function<void(Box)> focusBox;
};

class RecordWindow {
public:
    RecordWindow(Session& session, platform::Services services);

    // Names the command that runs now, as the menus call it ("Next Opus No"), for as long as it
    // lives: the change history names each change by the command that made it.
    class CommandName {
    public:
        CommandName(RecordWindow& window, QString name)
            : window_(window), was_(std::exchange(window.command_, std::move(name))) {}
        ~CommandName() { window_.command_ = std::move(was_); }
        CommandName(const CommandName&) = delete;
        CommandName& operator=(const CommandName&) = delete;

    private:
        RecordWindow& window_;
        QString was_;
    };

    // --- What the window shows -------------------------------------------------------------
    const RecordState& state() const { return state_; }
    CoverPanel& coverPanel() { return coverPanel_; }
    const CoverPanel& coverPanel() const { return coverPanel_; }
    PickPanel& pickPanel() { return pickPanel_; }
    const PickPanel& pickPanel() const { return pickPanel_; }
    // The view is told after every change; it copies the state into its controls.
    void setView(ViewHooks hooks) { view_ = std::move(hooks); }

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
    // `command`: the window or menu entry that asked (for the change history).
    bool goToRecord(std::int32_t n, const QString& command);

    // The change history (change_history.cpp).
    // "Undo Last Change": saves the record shown as moving does, then takes back the newest change
    // not yet undone (as a change of its own) and shows the record it changed.
    void undoLastChange();
    // "Restore This Version": after a question, writes back the record as it was before change
    // `seq`, as a change of its own, and shows it. False when nothing was written.
    bool restoreVersion(std::uint64_t seq);
    const history::Journal& journal() const { return journal_; }

    void Picture_Click();  // Picture1 to Picture3: the splash window again

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
    // What the user types into a box (the view's edit of the editing buffer).
    void typeInto(Box box, const QString& text) { state_.boxes[box] = text; }
    // A long command runs (BusyScope): the view repaints now and then only.
    bool isBusy() const { return state_.busy; }
    void setBusy(bool on) { state_.busy = on; }

    // What other subsystems change in the window goes through these; the view reads the fields.
    // The status bar's message panel: a command's progress, cleared at its end.
    void setStatus(const QString& text);
    // The same for a progress text that changes with every record: its numbers are written into
    // the text in place.
    void setStatus(common::NumberedText& progress, std::int64_t first, std::int64_t second = 0);
    void clearStatus();
    // The count a running search shows in the caption (ShowSRN): from 0, one step a record looked
    // at, never past N.
    void resetSearchPosition() { state_.searchPosition = 0; }
    void stepSearchPosition();
    // Before the window is closed for a restart (a re-sort): the restarted window opens without
    // the cover panel.
    void forgetCoverPanel() { coverPanel_.forget(); }

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
    // The window's two panels are parts of it: they change its size and show its records.
    friend class CoverPanel;
    friend class PickPanel;

    // Before the collection is opened: an import that a killed process left half done is taken
    // back, and the user told once.
    void takeBackUnfinishedImport();
    // The change history is read and what a stopped program left half done finished or taken
    // back, before the collection is opened; the user is told once.
    void openHistory();
    // Writes record n as `record` through the change history; nothing when the file holds it
    // already (paging saves every record it leaves). Throws StoreError.
    void writeRecord(std::int32_t n, const store::OpusRecord& record, std::uint64_t undoes = 0);
    // Adds a line holding `name` to a list file through the change history. Throws StoreError.
    void appendName(const QString& file, const QString& name);
    // Takes back change `change` (Undo Last Change); false, after saying why, when it cannot be.
    bool takeBack(const history::Entry& change);
    bool takeBackAppend(const history::Entry& change);
    bool takeBackListAppend(const history::Entry& change);
    void showCurrentRecord();  // ShowCR without its failure message: throws StoreError
    // showRecordBytes without the notice. With `boxesShowRecord` the boxes are known to show the
    // in-memory record, and the fields that stay as they were are not decoded again.
    void fillFromBytes(std::int32_t n, const char* bytes, bool boxesShowRecord);
    void setRecordCaption();
    void showMediaIcon();
    void reportFailure(const QString& what, std::int32_t opusNumber, const QString& reason);
    // "Please type a number between 1 and " N, with an information icon.
    void askForNumberInRange();

    RecordState state_;
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
    CoverPanel coverPanel_{*this};
    PickPanel pickPanel_{*this};
    ViewHooks view_;
    QString command_ = QStringLiteral("Save Opus No");  // the command that runs (CommandName)
    history::Journal journal_{file_.path()};
};

}  // namespace record
