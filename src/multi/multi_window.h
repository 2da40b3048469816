#pragma once
// The multi mode window without its widgets: what it shows (the records drawn as text, the
// caption, the status text, the states of its two page entries), the page held in ShownTable,
// and the procedures that draw and clear a page. Its own handle on the collection, its own N and
// current Opus Number.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "common/busy_scope.h"
#include "common/numbered_text.h"
#include "platform/services.h"
#include "store/collection_file.h"
#include "store/opus_record.h"

namespace multi {

constexpr int kPageRows = 8;
constexpr int kSlots = 7;

// One row of ShownTable: the text of its seven slots, in the bytes of the collection's code
// page, fields at their full width, in the order of the slots (1 to 7).
struct ShownRow {
    QByteArray identityLine;      // Identity, 35 blanks, "Opus No =" and the number
    QByteArray composerAndTitle;  // Composer, two blanks, Title
    QByteArray orchestra;
    QByteArray soloists;
    QByteArray cover;
    QByteArray composer;
    QByteArray title;

    // Slot 1 to 7.
    const QByteArray& slot(int n) const;
};

// A line of text drawn on the window.
struct DrawnLine {
    int xTwips = 0;
    QString text;
    QString atColumn120;  // written after moving to character column 120
};

class MultiWindow;
using BusyScope = common::BusyScope<MultiWindow>;

class MultiWindow {
public:
    explicit MultiWindow(platform::Services services);

    // --- What the window shows and holds -------------------------------------------------------
    QString caption;
    QString status;  // the status bar's message panel
    std::int32_t N = 1;
    std::int32_t current = 1;
    std::int32_t progress = 0;
    int rowCounter = 0;
    std::array<ShownRow, kPageRows> ShownTable;
    std::int64_t pageNumber = 0;
    QString pageTitle;
    std::vector<DrawnLine> drawing;
    bool printShownEnabled = false;  // mnuPrint "&Print Shown"
    bool saveShownEnabled = false;   // mnuExport "&Save Shown"
    bool busy = false;
    bool isBusy() const { return busy; }
    void setBusy(bool on) { busy = on; }

    // The view is told after every change.
    std::function<void()> changed;

    // --- Procedures ----------------------------------------------------------------------------
    // Opens the collection under the window's own handle. False after a message when it cannot.
    bool Form_Load();
    // Reads the current record, draws it below what is drawn and stores it in the next row.
    void ShowCR();
    void ShowSRN();  // the caption of a running search
    // A running search looked at `count` more records: the caption counts them one by one.
    void showSearchProgress(std::int32_t count);
    void showCA();  // the plain caption
    void ClearArrays();
    void clearDrawing();

    void mnuTelos();  // "By Opus No": back to the main window through the splash window
    void mnuExit();   // ends the program

    const store::OpusRecord& record() const { return record_; }
    store::CollectionFile& file() { return file_; }
    platform::Services& services() { return services_; }
    platform::Dialogs& dialogs() { return services_.dialogs; }
    void notify();

    // The text of a slot (1 to 7) of a row (1 to 8), decoded.
    QString slotText(int row, int slot) const;

private:
    platform::Services services_;
    store::CollectionFile file_;
    store::OpusRecord record_;
    common::NumberedText searchCaption_;  // rewritten in place while a search runs
};

}  // namespace multi
