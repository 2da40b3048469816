// Moving through the collection: first, last, next, previous and go-to. Every move by button,
// menu or key saves the record being left first; go-to does not.

#include "common/numbers.h"
#include "common/texts.h"
#include "platform/dialogs.h"
#include "platform/shell.h"
#include "record/record_window.h"

namespace record {

using platform::Icon;

void RecordWindow::CmdFirst() {
    CommandName name(*this, QStringLiteral("First Opus"));
    if (SaveCR()) showRecord(1);
}

void RecordWindow::CmdLast() {
    CommandName name(*this, QStringLiteral("Last Opus"));
    if (SaveCR()) showRecord(state_.N);
}

void RecordWindow::cmdNext() {
    CommandName name(*this, QStringLiteral("Next Opus No"));
    if (state_.current == state_.N) {
        dialogs_.beep();
        dialogs_.show(common::kTitle, QStringLiteral("Last Opus Number Reached"),
                      Icon::Exclamation);
    } else if (SaveCR()) {
        showRecord(state_.current + 1);
    }
    coverPanel_.followRecord();  // the cover of the record now shown
}

void RecordWindow::cmdPrevious() {
    CommandName name(*this, QStringLiteral("Previous Opus No"));
    if (state_.current == 1) {
        dialogs_.beep();
        dialogs_.show(common::kTitle, QStringLiteral("First Opus Number Reached"),
                      Icon::Exclamation);
    } else if (SaveCR()) {
        showRecord(state_.current - 1);
    }
    coverPanel_.followRecord();  // the cover of the record now shown
}

bool RecordWindow::goToRecord(std::int32_t n, const QString& command) {
    CommandName name(*this, command);
    if (state_.busy) {
        dialogs_.beep();
        return false;
    }
    if (n < 1 || n > state_.N) return false;
    if (!SaveCR()) return false;
    const bool shown = showRecord(n);
    coverPanel_.followRecord();  // the cover of the record now shown
    return shown;
}

void RecordWindow::cmdFindcode() {
    for (;;) {
        const QString typed = dialogs_.input(QStringLiteral("Find Sonvella Number:"),
                                             QStringLiteral("Sonvella 4.0: Find Sonvella Number"));
        if (typed.isEmpty()) return;
        const common::TypedNumber number = common::readWholeNumber(typed);
        if (!number.ok() || number.value < 1) {
            askForNumberInRange();
            continue;
        }
        // The typed text itself decides "not found": 8.4 on a collection of 8 is not found, even
        // though it would round to 8.
        double asTyped = 0;
        common::readDecimal(typed, &asTyped);
        if (asTyped > state_.N) {
            dialogs_.show(common::kTitle,
                          QStringLiteral("Opus Number ") + typed + QStringLiteral(" was Not Found"),
                          Icon::Information);
            ShowCR();  // the record shown before, re-read: edits in its boxes are dropped
            return;
        }
        showRecord(number.value);
        return;
    }
}

void RecordWindow::cmdMulti() {
    coverPanel_.closeCoverWindows();
    services_.shell.showMultiMode();  // which unloads this window first
}

}  // namespace record
