#include "maintenance/media_counting.h"

#include <cstdint>

#include "common/numbered_text.h"
#include "common/numbers.h"
#include "platform/dialogs.h"
#include "record/record_window.h"
#include "store/match_rule.h"
#include "store/opus_record.h"

namespace maintenance {

using common::numberText;
using platform::Icon;
using record::RecordWindow;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0 - Media Counting");
const QString kMedia = QStringLiteral(" >  Media (CDs, DVDs, LPs, Tapes)");

// "Examined ... Opus Number < k > ... and Counted < c >  Media ...", set for many records.
common::NumberedText progressText() {
    return common::NumberedText(QStringLiteral("Examined ... Opus Number <"),
                                QStringLiteral(" > ... and Counted <"), kMedia + QLatin1Char('.'));
}

// The medium key of the record just shown: leading blanks typed by mistake do not split a medium.
std::uint64_t mediumKey(const RecordWindow& window) {
    return store::packedMediumKey(window.record().field(store::Field::Identity));
}

void clearProgress(RecordWindow& window) {
    window.clearStatus();
}

// Both counts go through the records as the window shows them, a block of the file at a time,
// and stop at a record that cannot be read (its message was shown by then): a count that skipped
// records would be wrong without saying so.
bool countEntireCollection(RecordWindow& window, std::int32_t* counted) {
    common::NumberedText progress = progressText();
    std::uint64_t previous = 0;
    const bool read = window.showRecords(1, window.state().N, [&] {
        const std::int32_t k = window.state().current;
        const std::uint64_t key = mediumKey(window);
        // The first medium has no change of key to mark it; it is counted after the last record.
        if (k > 1 && key != previous) {
            ++*counted;
            window.setStatus(progress, k, *counted);
        }
        previous = key;
    });
    if (!read) return false;
    ++*counted;
    window.setStatus(progress, window.state().N, *counted);
    return true;
}

bool countMarkedMedia(RecordWindow& window, const QString& special, std::int32_t* counted) {
    // Looked for in the bytes of the Identity as shown (`special` is never empty here); a text the
    // code page cannot hold stands in no Identity.
    const store::MatchRule rule = store::MatchRule::anyOf(special, {store::Field::Identity});
    const auto marked = [&] { return rule.matches(window.record().data()); };
    common::NumberedText progress = progressText();
    std::uint64_t previous = 0;
    const bool read = window.showRecords(1, window.state().N, [&] {
        const std::int32_t k = window.state().current;
        const std::uint64_t key = mediumKey(window);
        if (k == 1) {
            if (marked()) ++*counted;
        } else {
            if (key != previous && marked()) ++*counted;
            window.setStatus(progress, k, *counted);
        }
        previous = key;
    });
    if (!read) return false;
    window.setStatus(progress, window.state().N, *counted);
    return true;
}

}  // namespace

void mnuCountMedia(RecordWindow& window) {
    platform::Dialogs& dialogs = window.dialogs();
    const platform::Answer begin = dialogs.ask(
        kTitle,
        QStringLiteral("To use the Media Counting command with success, you must have first:\n"
                       "a) Used the 'Sort by Identity' command\n"
                       "b) Used a No0000 type Identification Number\n"
                       "Shall I begin the media counting now?"),
        Icon::Question, platform::Buttons::OkCancel);
    if (begin != platform::Answer::Ok) return;

    // Taken as typed: a blank is a special character like any other.
    const QString special =
        dialogs.input(QStringLiteral("Type the Special Character(s) you used in Identity or\n"
                                     "Click on <Cancel> to Count the Entire Collection:"),
                      kTitle);

    // The count may pass 32767 media; it is a 32-bit number like the Opus Numbers it follows.
    std::int32_t counted = 0;
    if (special.isEmpty()) {
        {
            record::BusyScope busy(window);
            if (!countEntireCollection(window, &counted)) return clearProgress(window);
        }
        dialogs.show(kTitle,
                     QStringLiteral("You have catalogued <") + numberText(counted) + kMedia +
                         QLatin1Char('.'),
                     Icon::Information);
        clearProgress(window);  // the window stays on the last record
        return;
    }

    {
        record::BusyScope busy(window);
        if (!countMarkedMedia(window, special, &counted)) return clearProgress(window);
    }
    dialogs.show(kTitle,
                 QStringLiteral("You have catalogued <") + numberText(counted) + kMedia +
                     QStringLiteral("\nthat contain the Special Character(s) <") + special +
                     QStringLiteral(">."),
                 Icon::Information);
    clearProgress(window);
    window.showRecord(1);
}

}  // namespace maintenance
