// The main window's editing commands: save, new, delete and paste.

#include <QScopeGuard>
#include <algorithm>
#include <limits>

#include "common/numbers.h"
#include "common/texts.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "record/record_window.h"
#include "store/import_marker.h"
#include "store/store_error.h"

namespace record {

using common::numberText;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

void RecordWindow::cmdCorrect() {
    CommandName name(*this, QStringLiteral("Save Opus No"));
    if (!SaveCR()) return;
    dialogs_.show(
        common::kTitle,
        QStringLiteral("Opus Number ") + numberText(state_.current) + QStringLiteral(" was Saved"),
        Icon::Information);
}

void RecordWindow::cmdNew() {
    CommandName name(*this, QStringLiteral("New Opus No"));
    if (!SaveCR()) return;
    if (state_.N == std::numeric_limits<std::int32_t>::max()) {
        reportFailure(
            QStringLiteral("cannot be followed by another one"), state_.N,
            QStringLiteral("the collection holds as many records as there are Opus Numbers"));
        return;
    }
    try {
        writeRecord(state_.N + 1, store::OpusRecord::withIdentity(store::kNewIdentity));
    } catch (const store::StoreError& e) {
        reportFailure(QStringLiteral("could not be saved"), state_.N + 1, e.message());
        return;
    }
    ++state_.N;
    showRecord(state_.N);
    if (view_.focusBox) view_.focusBox(txtEpo);
}

std::pair<std::int32_t, std::int32_t> RecordWindow::appendRecords(
    const store::CollectionFile::RecordSource& source, std::int64_t count) {
    // An empty collection shows a blank record 1 that is not in the file yet, or that the last
    // save put there: the first record appended takes its place.
    const bool empty = state_.N == 1 && file_.read(1) == store::OpusRecord();
    if (!empty && state_.N == std::numeric_limits<std::int32_t>::max()) {
        throw store::StoreError(
            store::StoreError::Kind::TooLarge,
            QStringLiteral("The collection holds as many records as there are Opus Numbers"));
    }
    const std::int32_t first = empty ? 1 : state_.N + 1;
    // The records go from `first` on; what the file holds there (a blank record 1, a piece of a
    // record too short to count) is no record, and a cut back to before it loses none.
    const std::int64_t start = std::int64_t(first - 1) * store::kRecordLength;
    const std::int64_t oldLength = std::min(file_.fileLength(), start);
    std::int32_t written = 0;
    if (journal_.isOn()) {
        // One change for the whole import; the history takes it back if the program is stopped
        // before it is done.
        history::Entry change;
        change.kind = history::Kind::Append;
        change.command = command_;
        change.time = services_.clock.now();
        change.opus = first;
        change.file = file_.state();
        change.oldLength = oldLength;
        change.newLength = start + count * store::kRecordLength;
        change.records = std::int32_t(count);
        journal_.record(
            change,
            [&] {
                std::uint64_t sum = 0;
                written = file_.writeRecords(first, [&](char* buffer, std::int32_t room) {
                    const std::int32_t got = source(buffer, room);
                    sum = history::recordsChecksum(
                        QByteArrayView(buffer, qsizetype(got) * store::kRecordLength), sum);
                    return got;
                });
                return sum;
            },
            [&] { return file_.state(); });
    } else {
        // Without a history the import marker stands beside the collection while it writes.
        store::writeImportMarker(file_.path(), oldLength, start + count * store::kRecordLength);
        const auto unmark = qScopeGuard([this] { store::removeImportMarker(file_.path()); });
        written = file_.writeRecords(first, source);
    }
    if (written == 0) return {0, 0};
    state_.N = first - 1 + written;  // first + written may pass the largest Opus Number by one
    showRecord(first);
    return {first, state_.N};
}

void RecordWindow::mnuDelete() {
    const Answer answer = dialogs_.ask(common::kTitle,
                                       QStringLiteral("Do you wish to Delete Opus Number") +
                                           numberText(state_.current) + QStringLiteral(" ;"),
                                       Icon::Question, Buttons::YesNo, 1);
    if (answer != Answer::Yes) return;
    CommandName name(*this, QStringLiteral("Delete Opus No"));
    try {
        writeRecord(state_.current, store::OpusRecord::withIdentity(store::kDeletedIdentity));
    } catch (const store::StoreError& e) {
        reportFailure(QStringLiteral("could not be deleted"), state_.current, e.message());
        return;
    }
    ShowCR();
}

void RecordWindow::mnuPaste() {
    CommandName name(*this, QStringLiteral("Paste Opus No"));
    static const QStringList kZeros = {QStringLiteral("0"), QStringLiteral("00"),
                                       QStringLiteral("000"), QStringLiteral("0000"),
                                       QStringLiteral("00000")};
    const std::int32_t target = state_.current;
    std::int32_t source = 0;
    for (;;) {
        const QString typed = dialogs_.input(QStringLiteral("Enter the Sonvella Number to Paste:"),
                                             QStringLiteral("Sonvella 4.0: Paste Opus Number"));
        if (typed.isEmpty() || kZeros.contains(typed)) {
            dialogs_.show(common::kTitle,
                          QStringLiteral("You have typed Nothing or Zero(s) or hit <Esc>.\n"
                                         "Please type a number between 1 and ") +
                              numberText(state_.N),
                          Icon::Exclamation);
            return;
        }
        // Only an empty record takes a paste: Composer, Title, Orchestra and Soloists as shown.
        if (!state_.boxes[txtOno].isEmpty() || !state_.boxes[txtTitlos].isEmpty() ||
            !state_.boxes[txtAlloi].isEmpty() || !state_.boxes[txtEkdot].isEmpty()) {
            dialogs_.show(
                common::kTitle,
                QStringLiteral("This Opus Number is not empty.\nFirst Delete it and then use\n"
                               "the Paste command again."),
                Icon::Exclamation);
            return;
        }
        const common::TypedNumber number = common::readWholeNumber(typed);
        if (number.ok() && number.value >= 1 && number.value <= state_.N) {
            source = number.value;
            break;
        }
        askForNumberInRange();
    }

    store::OpusRecord copied;
    try {
        copied = file_.read(source);
    } catch (const store::StoreError& e) {
        reportFailure(QStringLiteral("could not be read"), source, e.message());
        return;
    }
    for (store::Field f : store::kAllFields) state_.boxes[static_cast<int>(f)] = copied.trimmed(f);
    state_.current = target;
    if (SaveCR()) {
        ShowCR();
    } else {
        notify();
    }
}

}  // namespace record
