#include "search/forward_search.h"

#include "common/numbers.h"
#include "common/texts.h"
#include "platform/dialogs.h"
#include "print/print_selection.h"
#include "record/record_window.h"
#include "search/search_request.h"

namespace search {

using platform::Answer;
using platform::Icon;
using record::RecordWindow;

namespace {

// Scans from `start` with the progress count in the caption.
Scan scan(RecordWindow& window, const store::MatchRule& rule, std::int32_t start,
          std::int32_t* hit) {
    record::BusyScope busy(window);
    const auto step = [&window] {
        window.stepSearchPosition();
        window.ShowSRN();
    };
    return scanForNext(window.file(), start, window.N, rule, step, window.dialogs(), hit);
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
