#pragma once
// The Works window without its widgets: every recording of a work together, whatever way its
// catalogue number was typed. It reads the collection off the GUI thread (on a read handle of its
// own) into the tree, holds the figures, the filter and the switch, and shows a recording in the
// main window only through it.

#include <QModelIndex>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "common/background_pass.h"
#include "works/works_filter.h"
#include "works/works_model.h"

namespace record {
class RecordWindow;
}

namespace works {

inline const QString kWorksTitle = QStringLiteral("Sonvella 4.0 - Works");

class WorksWindow : public QObject {
    Q_OBJECT
public:
    enum class Phase { Idle, Reading, Filtering, Done, Failed };

    explicit WorksWindow(record::RecordWindow& window);
    // A pass still running is cancelled, and waited for.
    ~WorksWindow() override;

    // --- What the window shows -------------------------------------------------------------
    Phase phase() const { return phase_; }
    // "Reading the collection ... 4,096 of 10,000 records", "12 works and 30 recordings shown",
    // "The collection could not be read: " and why.
    const QString& status() const { return status_; }
    // "412 works with catalogue numbers; 37 recorded more than once; 1,208 records without a
    // catalogue number", for the whole collection whatever is shown; empty until it is read.
    const QString& figures() const { return figures_; }
    WorksModel& model() { return model_; }
    const QString& filterText() const { return filterText_; }
    bool moreThanOnce() const { return moreThanOnce_; }
    // Whether the rows shown are few enough to be shown opened: a filter with words that leaves
    // at most 500 recordings.
    bool fewShown() const;

    // The view is told after every change.
    std::function<void()> changed;

    // --- Commands ---------------------------------------------------------------------------
    // Reads the collection into the tree ("Read again" too); the filter and the switch stay.
    void start();
    // The filter's text changed: the tree shows what it leaves (all for a blank text).
    void setFilter(const QString& text);
    // "Recorded more than once": only works of two recordings or more.
    void setMoreThanOnce(bool on);
    // Shows the recording of a row in the main window as moving by F2 does: the record shown
    // there is saved first, and when that save fails the main window stays where it is. False
    // then, or for a row that is not a recording.
    bool goTo(const QModelIndex& index);
    // The window closes: the running pass is cancelled and waited for, the read handles close.
    void stop();

private:
    void applyFilter();
    void showTree(std::shared_ptr<const WorksTree> tree);
    void showView(WorksView view);
    void showFailure(const QString& reason);
    void setStatus(Phase phase, const QString& status);
    void notify();

    record::RecordWindow& window_;
    QString path_;
    WorksModel model_;
    std::shared_ptr<const WorksTree> tree_;
    Phase phase_ = Phase::Idle;
    QString status_;
    QString figures_;
    QString filterText_;
    bool moreThanOnce_ = false;
    bool filtered_ = false;  // the view shown comes from a filter with words
    // A read or a filter at a time: each new one cancels the one running.
    common::BackgroundPass pass_{this};
};

}  // namespace works
