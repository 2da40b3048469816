#include "search/forward_search.h"

#include "common/numbers.h"
#include "common/texts.h"
#include "main_window/record_window.h"
#include "platform/dialogs.h"
#include "print/print_selection.h"
#include "store/record_scanner.h"
#include "store/store_error.h"

namespace search {

using main_window::RecordWindow;
using platform::Answer;
using platform::Icon;

namespace {

// One step of the progress count, which the caption shows; it never goes past N.
void countProgress(RecordWindow& window) {
    ++window.searchPosition;
    if (window.searchPosition > window.N) window.searchPosition = window.N;
    window.ShowSRN();
}

enum class Scan { Hit, PassedTheEnd, Failed };

// Scans from `start` up to the end of the collection and one step beyond it; `hit` gets the
// first record the rule matches.
Scan scan(RecordWindow& window, const store::MatchRule& rule, std::int32_t start,
          std::int32_t* hit) {
    main_window::BusyScope busy(window);
    try {
        *hit = store::findNext(window.file(), start, window.N, rule,
                               [&window] { countProgress(window); });
    } catch (const store::StoreError& e) {
        window.dialogs().show(common::kTitle, e.message(), Icon::Exclamation);
        return Scan::Failed;
    }
    if (*hit != 0) return Scan::Hit;
    countProgress(window);  // the step past record N, which never matches
    return Scan::PassedTheEnd;
}

}  // namespace

void ForwardSearch(RecordWindow& window, const store::MatchRule& rule, const QString& notFound) {
    platform::Dialogs& dialogs = window.dialogs();
    bool found = false;
    std::int32_t start = 1;
    for (;;) {
        std::int32_t hit = 0;
        const Scan result = start > window.N ? Scan::PassedTheEnd : scan(window, rule, start, &hit);
        if (result == Scan::Failed) {
            window.ShowCR();
            return;
        }
        if (result == Scan::PassedTheEnd) {
            if (found) break;
            dialogs.show(common::kTitle, notFound, Icon::Information);
            window.ShowCR();  // the record shown before, re-read: unsaved edits are gone
            return;
        }
        found = true;
        if (!window.showRecord(hit)) return;
        const Answer answer = dialogs.ask(common::kTitle,
                                          QStringLiteral("Do you Wish to Print Opus Number ") +
                                              common::numberText(hit) + QStringLiteral(" ;"),
                                          Icon::Question, platform::Buttons::YesNoCancel);
        if (answer == Answer::Cancel) return;
        if (answer == Answer::Yes) print::cmdPrint(window);
        if (hit == window.N) break;
        start = window.current + 1;
    }
    dialogs.show(common::kTitle, QStringLiteral("None Other Similar Opus Number Found"),
                 Icon::Exclamation);
    window.ShowCR();
}

}  // namespace search
