#include "quick_find/quick_find.h"

#include <QLocale>

#include "record/record_window.h"

namespace quick_find {

namespace {

QString count(qsizetype n) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(qlonglong(n));
}

}  // namespace

QuickFind::QuickFind(record::RecordWindow& window, QObject* parent)
    : QObject(parent), window_(window), hits_(window.file().path()) {}

QuickFind::~QuickFind() {
    stop();
}

void QuickFind::notify() {
    if (changed) changed();
}

void QuickFind::cancelPass() {
    pass_.cancel();
    searching_ = false;
}

void QuickFind::setText(const QString& text) {
    text_ = text;
    searchAgain();
}

void QuickFind::searchAgain() {
    cancelPass();
    hits_.clear();
    const std::vector<Word> words = parseQuery(text_);
    listShown_ = !words.empty();
    countLine_.clear();
    if (listShown_) {
        searching_ = true;
        countLine_ = QStringLiteral("Searching... 0 found so far");
        pass_.start(
            [this, words, path = window_.file().path()](const common::BackgroundPass::Run& run) {
                const PassResult result = runPass(
                    path, words, run.cancelFlag(), [this, &run](std::vector<std::int32_t> hits) {
                        run.deliver([this, hits = std::move(hits)] { reportFound(hits); });
                    });
                run.deliver([this, result] { reportEnd(result); });
            });
    }
    notify();
}

void QuickFind::reportFound(const std::vector<std::int32_t>& hits) {
    hits_.append(hits);
    countLine_ = QStringLiteral("Searching... %1 found so far").arg(count(hits_.rowCount()));
    notify();
}

void QuickFind::reportEnd(const PassResult& result) {
    searching_ = false;
    const int n = hits_.rowCount();
    if (result.outcome == PassResult::Outcome::Failed) {
        countLine_ = QStringLiteral("The collection could not be read: ") + result.error;
    } else if (n == 0) {
        countLine_ = QStringLiteral("No record matches");
    } else if (n == 1) {
        countLine_ = QStringLiteral("1 record matches");
    } else {
        countLine_ = QStringLiteral("%1 records match").arg(count(n));
    }
    notify();
}

void QuickFind::stop() {
    const bool wasSearching = searching_;
    cancelPass();
    pass_.wait();
    hits_.closeFile();
    if (wasSearching && listShown_) {
        countLine_.clear();  // a pass cut short counts nothing
        notify();
    }
}

bool QuickFind::goToHit(int row) {
    if (row < 0 || row >= hits_.rowCount()) return false;
    return window_.goToRecord(hits_.opusNumber(row), QStringLiteral("Quick Find..."));
}

}  // namespace quick_find
