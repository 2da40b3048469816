#include "record/record_window.h"

#include <QDir>
#include <QFileInfo>

#include "common/numbers.h"
#include "common/texts.h"
#include "platform/dialogs.h"
#include "platform/program_directory.h"
#include "platform/shell.h"
#include "record/media_icon.h"
#include "store/codepage.h"
#include "store/collation.h"
#include "store/import_marker.h"
#include "store/name_list.h"
#include "store/record_scanner.h"
#include "store/store_error.h"

namespace record {

using common::numberText;
using platform::Icon;

namespace {

const QString kNotResorted =
    QStringLiteral("In this Session your Music Collection has not been Re-Sorted Yet");
const QString kResortedByIdentity =
    QStringLiteral("In this Session your Collection was last Re-Sorted by Identity");
const QString kResortedByComposer =
    QStringLiteral("In this Session your Collection was last Re-Sorted by Composer");

}  // namespace

RecordWindow::RecordWindow(Session& session, platform::Services services)
    : session_(session),
      services_(services),
      dialogs_(services.dialogs),
      recordCaption_(QStringLiteral("Sonvella 4.0 - My Music Collection - Opus No: "),
                     QStringLiteral("  of "), QString()),
      searchCaption_(QStringLiteral("Sonvella 4.0 - My Music Collection - Searching Opus No: "),
                     QStringLiteral("  of "), QString()) {
    state_.sortStateLine = kNotResorted;
}

void RecordWindow::notify() {
    if (view_.changed) view_.changed();
}

void RecordWindow::setStatus(const QString& text) {
    state_.status = text;
    notify();
}

void RecordWindow::setStatus(common::NumberedText& progress, std::int64_t first,
                             std::int64_t second) {
    progress.write(state_.status, first, second);
    notify();
}

void RecordWindow::clearStatus() {
    setStatus(QString());
}

void RecordWindow::stepSearchPosition() {
    common::countUpTo(state_.searchPosition, state_.N);
}

bool RecordWindow::Form_Load() {
    try {
        if (!platform::createProgramDirectories()) {
            throw store::StoreError(store::StoreError::Kind::Unreadable,
                                    QStringLiteral("cannot create ") + platform::coversDirectory());
        }
        pickPanel_.shrink();
        state_.widthTwips = kStartWidth;
        coverPanel_.atLoad();

        takeBackUnfinishedImport();
        openHistory();
        file_.open();
        state_.N = file_.recordCount();
        state_.current = 1;
        icons_.clear();  // decoded afresh with each load: a changed icon file shows then
        iconKind_ = -1;

        pickPanel_.load();

        showCurrentRecord();
    } catch (const store::StoreError& e) {
        if (e.kind() == store::StoreError::Kind::NotFound) {
            dialogs_.show(common::kTitle,
                          QStringLiteral("One or More Files are Missing. Sonvella Will End"),
                          Icon::Critical);
            file_.close();
        } else {
            dialogs_.show(
                common::kTitle,
                QStringLiteral("Internal Error. Replace Files with your Back Up or Re-Install."),
                Icon::Critical);
        }
        services_.shell.endProgram();
        return false;
    }

    switch (session_.sortState) {
        case 1:
            state_.sortStateLine = kResortedByIdentity;
            break;
        case 2:
            state_.sortStateLine = kResortedByComposer;
            break;
        default:
            break;  // the line keeps its first text
    }
    notify();
    return true;
}

void RecordWindow::takeBackUnfinishedImport() {
    const store::ImportRecovery recovery = store::recoverUnfinishedImport(file_.path());
    const auto shown = [](const QString& path) {
        return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    };
    const QString marker = shown(store::importMarkerPath(file_.path()));
    switch (recovery.outcome) {
        case store::ImportRecovery::Outcome::None:
            return;
        case store::ImportRecovery::Outcome::Removed:
            dialogs_.show(common::kTitle,
                          recovery.records == 1
                              ? QStringLiteral("An import from CSV did not finish; the record it "
                                               "had added was removed.")
                              : QStringLiteral("An import from CSV did not finish; the %1 records "
                                               "it had added were removed.")
                                    .arg(recovery.records),
                          Icon::Information);
            return;
        case store::ImportRecovery::Outcome::SetAside:
            dialogs_.show(common::kTitle,
                          marker +
                              QStringLiteral(" does not fit the collection as it is now, so "
                                             "nothing was removed. It was moved aside to ") +
                              shown(recovery.setAsidePath) + QLatin1Char('.'),
                          Icon::Exclamation);
            return;
        case store::ImportRecovery::Outcome::Failed:
            dialogs_.show(common::kTitle,
                          QStringLiteral("An import from CSV did not finish, and the records it "
                                         "had added could not be removed:\n") +
                              recovery.reason,
                          Icon::Exclamation);
            return;
    }
}

void RecordWindow::setRecordCaption() {
    searchCaption_.forget();
    recordCaption_.write(state_.caption, state_.current, state_.N);
}

void RecordWindow::ShowSRN() {
    // Runs once for every record a search looks at: the count's digits change in place.
    recordCaption_.forget();
    searchCaption_.write(state_.caption, state_.searchPosition, state_.N);
    notify();
}

void RecordWindow::showSearchProgress(std::int32_t count) {
    for (std::int32_t i = 0; i < count; ++i) {
        stepSearchPosition();
        ShowSRN();
    }
}

void RecordWindow::reportFailure(const QString& what, std::int32_t opusNumber,
                                 const QString& reason) {
    dialogs_.show(common::kTitle,
                  QStringLiteral("Opus Number ") + numberText(opusNumber) + QLatin1Char(' ') +
                      what + QStringLiteral(":\n") + reason,
                  Icon::Exclamation);
}

void RecordWindow::showCurrentRecord() {
    const store::OpusRecord read = file_.read(state_.current);
    fillFromBytes(state_.current, read.data(), false);
}

void RecordWindow::fillFromBytes(std::int32_t n, const char* bytes, bool boxesShowRecord) {
    state_.current = n;
    // A field whose bytes are those the record before held once trimmed is trimmed already, and
    // leaves its box as it is when the boxes are known to show that record.
    const unsigned same = record_.assign(bytes);
    record_.trimAll();
    for (store::Field f : store::kAllFields) {
        // The boxes' texts are rewritten in place: a pass shows a million records a second.
        const int box = static_cast<int>(f);
        if (boxesShowRecord && (same & (1u << box)) != 0) continue;
        store::fromDiskInto(state_.boxes[box], store::trimBlankBytes(record_.field(f)));
    }
    setRecordCaption();
    // The same Identity as the record shown before: the same icon.
    const unsigned identity = 1u << static_cast<int>(store::Field::Identity);
    if (!boxesShowRecord || (same & identity) == 0) showMediaIcon();
}

void RecordWindow::showRecordBytes(std::int32_t n, const char* bytes) {
    fillFromBytes(n, bytes, false);
    notify();
}

bool RecordWindow::showRecords(std::int32_t first, std::int32_t last,
                               const std::function<void()>& each) {
    store::RecordScanner records(file_, first, last);
    std::int32_t next = first;
    // From the second record on the boxes show the record before: nothing else writes them while
    // the pass runs (user input waits until it is done).
    bool boxesShowRecord = false;
    try {
        for (;;) {
            const store::RecordScanner::Block block = records.nextBlock();
            if (!block.data) return true;
            for (std::int32_t i = 0; i < block.count; ++i) {
                fillFromBytes(block.first + i, block.data + qsizetype(i) * store::kRecordLength,
                              boxesShowRecord);
                boxesShowRecord = true;
                notify();
                each();
            }
            next = block.first + block.count;
        }
    } catch (const store::StoreError& e) {
        reportFailure(QStringLiteral("could not be shown"), next, e.message());
        return false;
    }
}

void RecordWindow::showMediaIcon() {
    const int kind = mediaKindOf(record_.field(store::Field::Identity));
    state_.iconBorder = kind >= 0;
    if (kind == iconKind_) return;  // the picture shown already
    if (kind < 0) {
        state_.icon = QImage();
        iconKind_ = kind;
        return;
    }
    // A missing or broken icon file keeps the icon shown before, without a word.
    if (const QImage* decoded = icons_.icon(kind)) {
        state_.icon = *decoded;
        iconKind_ = kind;
    }
}

bool RecordWindow::ShowCR() {
    store::OpusRecord read;
    try {
        read = file_.read(state_.current);
    } catch (const store::StoreError& e) {
        reportFailure(QStringLiteral("could not be shown"), state_.current, e.message());
        return false;
    }
    showRecordBytes(state_.current, read.data());
    return true;
}

bool RecordWindow::showRecord(std::int32_t n) {
    const std::int32_t before = state_.current;
    state_.current = n;
    if (ShowCR()) return true;
    state_.current = before;
    notify();
    return false;
}

void RecordWindow::askForNumberInRange() {
    dialogs_.show(common::kTitle,
                  QStringLiteral("Please type a number between 1 and ") + numberText(state_.N),
                  Icon::Information);
}

bool RecordWindow::SaveCR() {
    store::OpusRecord edited;
    for (store::Field f : store::kAllFields) edited.setText(f, state_.boxes[static_cast<int>(f)]);
    try {
        writeRecord(state_.current, edited);
    } catch (const store::StoreError& e) {
        reportFailure(QStringLiteral("could not be saved"), state_.current, e.message());
        return false;
    }
    record_ = edited;
    return true;
}

void RecordWindow::cmdExit() {
    CommandName name(*this, QStringLiteral("Exit"));
    if (!SaveCR()) return;  // keep running, so that what was typed is not lost
    file_.close();
    services_.shell.endProgram();
}

void RecordWindow::mnuEnd() {
    CommandName name(*this, QStringLiteral("Exit"));
    if (!SaveCR()) return;
    file_.close();
    coverPanel_.closeCoverWindows();
    services_.shell.endProgram();
}

void RecordWindow::Form_Unload() {
    coverPanel_.closeCoverWindows();
}

void RecordWindow::Picture_Click() {
    services_.shell.showSplash();
}

}  // namespace record
