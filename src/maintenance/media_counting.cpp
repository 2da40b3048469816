#include "maintenance/media_counting.h"

#include <cstdint>

#include "common/numbers.h"
#include "platform/dialogs.h"
#include "record/record_window.h"

namespace maintenance {

using common::numberText;
using platform::Icon;
using record::RecordWindow;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0 - Media Counting");
const QString kMedia = QStringLiteral(" >  Media (CDs, DVDs, LPs, Tapes)");

// The medium key of the record just shown: leading blanks typed by mistake do not split a medium.
store::MediumKey mediumKey(const RecordWindow& window) {
    return store::mediumKey(window.record().field(store::Field::Identity));
}

void setProgress(RecordWindow& window, std::int32_t opusNumber, std::int32_t counted) {
    window.setStatus(QStringLiteral("Examined ... Opus Number <") + numberText(opusNumber) +
                     QStringLiteral(" > ... and Counted <") + numberText(counted) + kMedia +
                     QLatin1Char('.'));
}

void clearProgress(RecordWindow& window) {
    window.clearStatus();
}

// Both counts stop at a record that cannot be read (its message was shown by then): a count that
// skipped records would be wrong without saying so.
bool countEntireCollection(RecordWindow& window, std::int32_t* counted) {
    store::MediumKey previous{};
    for (std::int32_t k = 1; k <= window.N; ++k) {
        if (!window.showRecord(k)) return false;
        const store::MediumKey key = mediumKey(window);
        // The first medium has no change of key to mark it; it is counted after the last record.
        if (k > 1 && key != previous) {
            ++*counted;
            setProgress(window, k, *counted);
        }
        previous = key;
    }
    ++*counted;
    setProgress(window, window.N, *counted);
    return true;
}

bool countMarkedMedia(RecordWindow& window, const QString& special, std::int32_t* counted) {
    const auto marked = [&] {
        return window.record().text(store::Field::Identity).contains(special, Qt::CaseSensitive);
    };
    if (!window.showRecord(1)) return false;
    if (marked()) ++*counted;
    store::MediumKey previous = mediumKey(window);
    for (std::int32_t k = 2; k <= window.N; ++k) {
        if (!window.showRecord(k)) return false;
        const store::MediumKey key = mediumKey(window);
        if (key != previous && marked()) ++*counted;
        previous = key;
        setProgress(window, k, *counted);
    }
    setProgress(window, window.N, *counted);
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
