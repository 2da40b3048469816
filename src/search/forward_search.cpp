#include "search/forward_search.h"

#include "common/numbers.h"
#include "common/texts.h"
#include "platform/dialogs.h"
#include "print/print_selection.h"
#include "record/record_window.h"
#include "search/search_request.h"
#include "store/record_scanner.h"

namespace search {

using platform::Answer;
using platform::Icon;
using record::RecordWindow;

namespace {

// Scans on to the next hit with the progress count in the caption.
Scan scan(RecordWindow& window, store::RecordScanner& records, const store::MatchRule& rule,
          std::int32_t* hit) {
    record::BusyScope busy(window);
    const auto looked = [&window](std::int32_t count) { window.showSearchProgress(count); };
    return scanForNext(records, rule, looked, window.dialogs(), hit);
}

}  // namespace

void ForwardSearch(RecordWindow& window, const store::MatchRule& rule, const QString& notFound) {
    platform::Dialogs& dialogs = window.dialogs();
    bool found = false;
    // One scan from record 1 to N, which goes on after each hit: the user can change nothing in
    // the collection while the question about a hit is open.
    store::RecordScanner records(window.file(), 1, window.state().N);
    for (;;) {
        std::int32_t hit = 0;
        const Scan result = scan(window, records, rule, &hit);
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
        if (hit == window.state().N) break;
    }
    dialogs.show(common::kTitle, QStringLiteral("None Other Similar Opus Number Found"),
                 Icon::Exclamation);
    window.ShowCR();
}

}  // namespace search
