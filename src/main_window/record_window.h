#pragma once
// The main record window without its widgets: what it shows (the six text boxes, caption, status
// text, sort-state line, media icon, panels) and the procedures behind its buttons, menu entries
// and keys. Views mirror this state; other subsystems call ShowCR, SaveCR and ShowSRN.

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

#include "main_window/session.h"
#include "store/collection_file.h"
#include "store/opus_record.h"

namespace platform {
class Dialogs;
class Shell;
}  // namespace platform

namespace main_window {

// The six text boxes, in the order of the record's fields.
enum Box { txtEpo, txtOno, txtTitlos, txtAlloi, txtEkdot, txtSp };

// The eight pick lists in the order their files are loaded: Combo1, 2, 3, 4, 6, 7, 8, 9.
constexpr std::array<const char*, 8> kPickListBoxes = {"Combo1", "Combo2", "Combo3", "Combo4",
                                                       "Combo6", "Combo7", "Combo8", "Combo9"};

// Window sizes in twips (1/1440 inch).
constexpr int kNarrowWidth = 11200;    // cover panel hidden
constexpr int kStartWidth = 11250;     // as the window opens
constexpr int kCoverWidth = 15000;     // cover panel shown
constexpr int kSmallHeight = 5500;     // pick-list panel hidden
constexpr int kExpandedHeight = 9200;  // pick-list panel shown

class RecordWindow {
public:
    RecordWindow(Session& session, platform::Dialogs& dialogs, platform::Shell& shell);

    // --- What the window shows -------------------------------------------------------------
    std::array<QString, 6> boxes;  // the editing buffer, one text per field
    QString caption;
    QString status;            // the status bar's message panel
    QString sortStateLine;     // Label18
    std::int32_t current = 1;  // the current Opus Number
    std::int32_t N = 1;        // the record count
    std::int32_t searchPosition = 0;
    std::int16_t coverShown = 0;
    std::int16_t pickPanelShown = 0;
    int widthTwips = kStartWidth;
    int heightTwips = kSmallHeight;
    bool coverImageMenuEnabled = false;
    std::array<QStringList, 8> lists;  // the pick lists, each in alphabetical order
    int listsVersion = 0;              // grows whenever a list changes

    // The view is told after every change; it copies the state into its controls.
    std::function<void()> changed;
    // Asks the view to put the keyboard focus into a text box.
    std::function<void(Box)> focusBox;

    // --- Procedures ---------------------------------------------------------------------------
    // The load sequence. False after a start-up failure: its message was shown and the program
    // asked to end.
    bool Form_Load();

    // Reads the current record, trims its fields into the in-memory record and the text boxes,
    // sets the caption. False (after a message naming the Opus Number) when it cannot be read.
    bool ShowCR();
    // Writes the text boxes, untrimmed, into the current record. False (after a message naming
    // the Opus Number) when it cannot be written; the boxes keep what the user typed.
    bool SaveCR();
    // The caption of a running search.
    void ShowSRN();

    // Editing (editing.cpp).
    void cmdCorrect();  // save and confirm
    void cmdNew();      // append a fresh record and show it
    void mnuDelete();   // blank the shown record after a question
    void mnuPaste();    // copy another record into the empty shown record (also cmdPaste)

    // Navigation (navigation.cpp).
    void CmdFirst();
    void CmdLast();
    void cmdNext();
    void cmdPrevious();
    void cmdFindcode();  // go to a typed Opus Number

    void cmdExit();      // save, close the collection, end
    void mnuEnd();       // save, close the collection, close the cover windows, end
    void Form_Unload();  // closing by the window frame: nothing is saved

    // --- What other subsystems use -----------------------------------------------------------
    const store::OpusRecord& record() const { return record_; }
    store::CollectionFile& file() { return file_; }
    Session& session() { return session_; }
    platform::Dialogs& dialogs() { return dialogs_; }
    platform::Shell& shell() { return shell_; }
    void notify();

    // Makes n the current Opus Number and shows it; when it cannot be read, the current record
    // and the boxes stay as they were.
    bool showRecord(std::int32_t n);

private:
    void showCurrentRecord();  // ShowCR without its failure message: throws StoreError
    void setRecordCaption();
    void reportFailure(const QString& what, std::int32_t opusNumber, const QString& reason);
    // "Please type a number between 1 and " N, with an information icon.
    void askForNumberInRange();

    Session& session_;
    platform::Dialogs& dialogs_;
    platform::Shell& shell_;
    store::CollectionFile file_;
    store::OpusRecord record_;
};

}  // namespace main_window
