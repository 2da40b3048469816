#pragma once
// The Collection Check window without its widgets: it runs the check off the GUI thread (on a
// read handle of its own), holds the progress, the figures and the findings, and has the commands
// behind its buttons. A record is shown, or a name added to a pick list, only through the main
// window.

#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>

#include "collection_check/html_report.h"
#include "collection_check/report_model.h"
#include "common/background_pass.h"

namespace record {
class RecordWindow;
}

namespace collection_check {

inline const QString kCheckTitle = QStringLiteral("Sonvella 4.0 - Collection Check");

class CheckWindow : public QObject {
    Q_OBJECT
public:
    enum class Phase { Idle, Running, Done, Cancelled, Failed };

    explicit CheckWindow(record::RecordWindow& window);
    // A check still running is cancelled, and waited for.
    ~CheckWindow() override;

    // --- What the window shows -------------------------------------------------------------
    Phase phase() const { return phase_; }
    std::int64_t recordsRead() const { return done_; }
    std::int64_t recordsInAll() const { return total_; }
    const QString& status() const { return status_; }
    // The figures and findings of a finished check; empty while one runs or after a cancel.
    ReportModel& model() { return model_; }
    const Figures& figures() const { return model_.report().figures; }

    // The view is told after every change.
    std::function<void()> changed;

    // --- Commands ---------------------------------------------------------------------------
    // Reads the collection once, in blocks, off the GUI thread ("Check again" too).
    void start();
    // Stops the check: nothing of it is shown.
    void cancel();
    // Shows the first record of a finding in the main window, as moving by F2 does; false when it
    // stayed (no record, a command of the main window is running, or the save failed).
    bool goToFinding(int row);
    // The pick lists (the main window's load order) a name not in the pick lists may go into:
    // Composers for a composer; Conductors or Orchestras; the Soloists list of the name's first
    // letter, or Vocal. None for other findings.
    QList<int> listsFor(int row) const;
    // Adds the finding's name to the list as the pick-list panel's "Add" does; once added, the
    // finding leaves the table.
    void addToList(int row, int list);
    // Saves the figures, the charts and the findings as "Collection Check.html" in the program's
    // folder, and says where (or why not).
    void saveAsHtml(const ChartPictures& charts);

private:
    // What the pass reports, on the GUI thread.
    void showProgress(std::int64_t done, std::int64_t total);
    void showReport(Report report);
    void showFailure(const QString& reason);
    void setStatus(Phase phase, const QString& status);
    void notify();

    record::RecordWindow& window_;
    ReportModel model_;
    Phase phase_ = Phase::Idle;
    std::int64_t done_ = 0;
    std::int64_t total_ = 0;
    QString status_;
    common::BackgroundPass pass_{this};
};

}  // namespace collection_check
