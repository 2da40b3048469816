#include "csv/progress_box.h"

namespace csv {

namespace {
constexpr int kSteps = 1000;  // the bar counts in thousandths: totals may pass what an int holds
}

ProgressBox::ProgressBox(QWidget* parent, QString title)
    : parent_(parent), title_(std::move(title)) {}

ProgressBox::~ProgressBox() {
    end();
}

void ProgressBox::begin(const QString& text, std::int64_t total) {
    end();
    total_ = total;
    box_ = new QProgressDialog(text, QStringLiteral("Cancel"), 0, kSteps, parent_);
    box_->setObjectName(QStringLiteral("csvProgress"));
    box_->setWindowTitle(title_);
    // Nothing else may change the collection meanwhile: no other window takes input.
    box_->setWindowModality(Qt::ApplicationModal);
    box_->setMinimumDuration(400);
    box_->setAutoClose(false);
    box_->setAutoReset(false);
    box_->setValue(0);
}

bool ProgressBox::advance(std::int64_t done) {
    if (!box_) return true;
    const int step = total_ > 0 ? int(std::min<std::int64_t>(kSteps, done * kSteps / total_)) : 0;
    // A modal box takes its events here, Cancel among them.
    box_->setValue(step);
    return !box_->wasCanceled();
}

void ProgressBox::end() {
    delete box_.data();
}

}  // namespace csv
