#include "works/works_window.h"

#include <QFileInfo>
#include <QLocale>

#include "record/record_window.h"
#include "store/store_error.h"
#include "works/works_pass.h"

namespace works {

namespace {

constexpr std::size_t kFewRecordings = 500;

QString count(std::int64_t n) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(qlonglong(n));
}

QString shownText(const WorksView& view) {
    const QString works = view.works.size() == 1
                              ? QStringLiteral("1 work")
                              : count(std::int64_t(view.works.size())) + QStringLiteral(" works");
    const QString recordings =
        view.recordings.size() == 1
            ? QStringLiteral("1 recording")
            : count(std::int64_t(view.recordings.size())) + QStringLiteral(" recordings");
    return works + QStringLiteral(" and ") + recordings + QStringLiteral(" shown");
}

}  // namespace

WorksWindow::WorksWindow(record::RecordWindow& window)
    : window_(window), path_(QFileInfo(window.file().path()).absoluteFilePath()), model_(path_) {}

WorksWindow::~WorksWindow() = default;  // the pass is cancelled and waited for

void WorksWindow::notify() {
    if (changed) changed();
}

void WorksWindow::setStatus(Phase phase, const QString& status) {
    phase_ = phase;
    status_ = status;
    notify();
}

bool WorksWindow::fewShown() const {
    return filtered_ && model_.view().recordings.size() <= kFewRecordings;
}

void WorksWindow::start() {
    tree_.reset();
    model_.clear();
    figures_.clear();
    setStatus(Phase::Reading, QStringLiteral("Reading the collection ..."));
    pass_.start([this, path = path_](const common::BackgroundPass::Run& run) {
        const auto progress = [this, &run](std::int64_t done, std::int64_t total) {
            run.deliver([this, done, total] {
                if (phase_ != Phase::Reading) return;
                setStatus(Phase::Reading,
                          QStringLiteral("Reading the collection ... %1 of %2 records")
                              .arg(count(done), count(total)));
            });
        };
        try {
            std::shared_ptr<const WorksTree> tree = readWorks(path, progress, run.cancelFlag());
            if (tree) run.deliver([this, tree] { showTree(tree); });
        } catch (const store::StoreError& e) {
            run.deliver([this, reason = e.message()] { showFailure(reason); });
        }
    });
}

void WorksWindow::showTree(std::shared_ptr<const WorksTree> tree) {
    tree_ = std::move(tree);
    figures_ = figuresLine(tree_->figures);
    model_.setTree(tree_, {});  // the rows come with the filter
    applyFilter();
}

void WorksWindow::showView(WorksView view) {
    model_.setView(std::move(view));
    setStatus(Phase::Done, shownText(model_.view()));
}

void WorksWindow::showFailure(const QString& reason) {
    setStatus(Phase::Failed, QStringLiteral("The collection could not be read: ") + reason);
}

void WorksWindow::setFilter(const QString& text) {
    if (text == filterText_) return;
    filterText_ = text;
    applyFilter();
}

void WorksWindow::setMoreThanOnce(bool on) {
    if (on == moreThanOnce_) return;
    moreThanOnce_ = on;
    applyFilter();
}

void WorksWindow::applyFilter() {
    if (!tree_) return;  // the read that runs applies it when it ends
    Filter filter{quick_find::parseQuery(filterText_), moreThanOnce_};
    filtered_ = !filter.words.empty();
    if (!filtered_) {
        pass_.cancel();
        return showView(wholeView(*tree_, moreThanOnce_));
    }
    setStatus(Phase::Filtering, QStringLiteral("Filtering ..."));
    pass_.start([this, tree = tree_, filter = std::move(filter),
                 path = path_](const common::BackgroundPass::Run& run) {
        try {
            std::optional<WorksView> view = filteredView(path, *tree, filter, run.cancelFlag());
            if (!view) return;
            auto shared = std::make_shared<WorksView>(std::move(*view));
            run.deliver([this, shared] { showView(std::move(*shared)); });
        } catch (const store::StoreError& e) {
            run.deliver([this, reason = e.message()] { showFailure(reason); });
        }
    });
}

bool WorksWindow::goTo(const QModelIndex& index) {
    const std::int32_t opus = model_.opusNumber(index);
    return opus != 0 && window_.goToRecord(opus, QStringLiteral("Works..."));
}

void WorksWindow::stop() {
    pass_.cancel();
    pass_.wait();
    model_.closeFile();
    if (phase_ == Phase::Reading || phase_ == Phase::Filtering) {
        // A pass cut short shows nothing more.
        setStatus(Phase::Idle, {});
    }
}

}  // namespace works
