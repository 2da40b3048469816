#include "collection_check/check_window.h"

#include <QChar>
#include <QFileInfo>

#include "collection_check/check_collection.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/program_directory.h"
#include "record/record_window.h"
#include "store/store_error.h"

namespace collection_check {

namespace {

// The pick lists by their place in the main window's load order.
constexpr int kComposers = 0, kConductors = 1, kOrchestras = 3, kSoloistsAK = 4, kSoloistsLZ = 5,
              kVocal = 6;

// Whether a name files under A to K. The lists hold "First Last, instrument" and file by surname:
// the first letter, without case or accents, Latin or Greek, of the last word before the first
// comma.
bool filesUnderAToK(const QString& name) {
    const QStringList words =
        name.section(QLatin1Char(','), 0, 0).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const QString surname = words.isEmpty() ? name : words.back();
    for (QChar c : surname) {
        if (!c.isLetter()) continue;
        while (!c.decomposition().isEmpty()) c = c.decomposition().front();
        const char16_t small = QChar::toCaseFolded(c.unicode());
        if (small >= u'a' && small <= u'z') return small <= u'k';
        if (small >= u'α' && small <= u'ω') return small <= u'κ';
        return true;
    }
    return true;
}

}  // namespace

CheckWindow::CheckWindow(record::RecordWindow& window) : window_(window) {}

CheckWindow::~CheckWindow() = default;  // the pass is cancelled and waited for

void CheckWindow::notify() {
    if (changed) changed();
}

void CheckWindow::setStatus(Phase phase, const QString& status) {
    phase_ = phase;
    status_ = status;
    notify();
}

void CheckWindow::start() {
    model_.clear();
    done_ = 0;
    total_ = 0;
    setStatus(Phase::Running, QStringLiteral("Reading the collection ..."));

    // The pass works on copies: its own handle on the file and the pick lists as they are now.
    const QString path = QFileInfo(window_.file().path()).absoluteFilePath();
    const CollectionPass::PickLists lists = window_.pickPanel().state().lists;
    const QString covers = platform::coversDirectory();
    pass_.start([this, path, lists, covers](const common::BackgroundPass::Run& run) {
        const auto progress = [this, &run](std::int64_t done, std::int64_t total) {
            run.deliver([this, done, total] { showProgress(done, total); });
        };
        try {
            std::optional<Report> report =
                checkCollection(path, lists, covers, progress, run.cancelFlag());
            if (!report) return;
            auto shared = std::make_shared<Report>(std::move(*report));
            run.deliver([this, shared] { showReport(std::move(*shared)); });
        } catch (const store::StoreError& e) {
            run.deliver([this, reason = e.message()] { showFailure(reason); });
        }
    });
}

void CheckWindow::showProgress(std::int64_t done, std::int64_t total) {
    if (phase_ != Phase::Running) return;
    done_ = done;
    total_ = total;
    status_ = QStringLiteral("Reading the collection ... %1 of %2 records").arg(done).arg(total);
    notify();
}

void CheckWindow::showReport(Report report) {
    if (phase_ != Phase::Running) return;
    const std::int64_t records = report.figures.records;
    model_.setReport(std::move(report));
    setStatus(
        Phase::Done,
        QStringLiteral("%1 records checked: %2 findings.").arg(records).arg(model_.rowCount()));
}

void CheckWindow::showFailure(const QString& reason) {
    if (phase_ != Phase::Running) return;
    setStatus(Phase::Failed,
              QStringLiteral("The check stopped: the collection could not be read."));
    window_.dialogs().show(kCheckTitle,
                           QStringLiteral("The collection could not be read:\n") + reason,
                           platform::Icon::Exclamation);
}

void CheckWindow::cancel() {
    if (phase_ != Phase::Running) return;
    pass_.cancel();
    model_.clear();
    setStatus(Phase::Cancelled,
              QStringLiteral("The check was cancelled. Click \"Check again\" to run it anew."));
}

bool CheckWindow::goToFinding(int row) {
    if (row < 0 || row >= model_.rowCount()) return false;
    const Finding& finding = model_.finding(row);
    if (finding.opusNumbers.isEmpty()) {
        window_.dialogs().beep();
        return false;
    }
    return window_.goToRecord(finding.opusNumbers.front(), QStringLiteral("Collection Check..."));
}

QList<int> CheckWindow::listsFor(int row) const {
    if (row < 0 || row >= model_.rowCount()) return {};
    const Finding& finding = model_.report().findings[size_t(row)];
    if (finding.kind != FindingKind::NotInList) return {};
    switch (finding.field) {
        case NameField::Composer:
            return {kComposers};
        case NameField::Orchestra:
            return {kConductors, kOrchestras};
        case NameField::Soloists:
            return {filesUnderAToK(finding.name) ? kSoloistsAK : kSoloistsLZ, kVocal};
        default:
            return {};
    }
}

void CheckWindow::addToList(int row, int list) {
    if (!listsFor(row).contains(list)) return;
    const QString name = model_.finding(row).name;
    const int before = window_.pickPanel().state().listsVersion;
    record::RecordWindow::CommandName command(window_, QStringLiteral("Add to list"));
    window_.pickPanel().addToPickList(list, name);
    if (window_.pickPanel().state().listsVersion != before) model_.removeFinding(row);
    notify();
}

void CheckWindow::saveAsHtml(const ChartPictures& charts) {
    if (phase_ != Phase::Done) return;
    const QString path = platform::programFile(QStringLiteral("Collection Check.html"));
    const QByteArray html =
        htmlReport(model_.report(), charts, QFileInfo(window_.file().path()).absoluteFilePath(),
                   window_.services().clock.now());
    QString reason;
    if (!writeFile(path, html, &reason)) {
        window_.dialogs().show(kCheckTitle,
                               QStringLiteral("The Collection Check could not be saved in:\n") +
                                   path + QLatin1Char('\n') + reason,
                               platform::Icon::Exclamation);
        return;
    }
    window_.dialogs().show(kCheckTitle,
                           QStringLiteral("The Collection Check was saved in:\n") + path,
                           platform::Icon::Information);
}

}  // namespace collection_check
