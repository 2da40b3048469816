#pragma once
// "Import from CSV": the preview window without its widgets. It reads the file on a thread of its
// own with the settings shown (encoding, separator, header, what each column goes into, what to do
// with accented letters and values too long), holds the first rows as they will be stored and
// every problem, and has the commands behind the window's controls. Nothing is written before
// "Import"; then the rows go into the collection through the main window, all or nothing.

#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

#include "common/background_pass.h"
#include "csv/analysis.h"
#include "csv/import_models.h"
#include "csv/row_stream.h"
#include "csv/text_encoding.h"

namespace record {
class RecordWindow;
}

namespace csv {

class Progress;

inline const QString kImportTitle = QStringLiteral("Sonvella 4.0 - Import from CSV");

// The File menu's "Import from CSV...": the file to import, from an open dialog; empty when the
// user cancelled.
QString chooseCsvFile(record::RecordWindow& window);

class CsvImport : public QObject {
    Q_OBJECT
public:
    enum class Phase {
        Reading,   // the file is being read with the settings shown
        Ready,     // the preview and the problems are those of the settings shown
        Failed,    // the file cannot be imported (after its message): the window closes
        Imported,  // done (after its message): the window closes
    };

    CsvImport(record::RecordWindow& window, QString path, QObject* parent = nullptr);
    // A reading still running is stopped, and waited for.
    ~CsvImport() override = default;

    // Looks at the start of the file, sets what it suggests and starts reading it all. False,
    // after a message that says why, when the file holds nothing to import: it cannot be read,
    // is empty, is no text file, or holds only a row of column names.
    bool open();

    // --- What the window shows ---------------------------------------------------------------
    const QString& path() const { return path_; }
    const ImportSettings& settings() const { return settings_; }
    DetectedEncoding detected() const { return detected_; }
    // The names of the columns: the header row's, or "Column 1", "Column 2"...
    const QStringList& columnNames() const { return columnNames_; }
    Phase phase() const { return phase_; }
    // "Reading the file ... 40%", or what the rows will become.
    const QString& status() const { return status_; }
    int percentRead() const { return percent_; }
    // The counts of the settings shown; all 0 while reading.
    const Analysis& analysis() const { return *analysis_; }
    PreviewModel& preview() { return preview_; }
    ProblemModel& problems() { return problems_; }
    bool canImport() const { return phase_ == Phase::Ready && analysis_->imported > 0; }

    // The view is told after every change.
    std::function<void()> changed;

    // --- Commands ----------------------------------------------------------------------------
    // Every change reads the file again with the new settings.
    void setEncoding(Encoding encoding);
    void setSeparator(char separator);  // what each column goes into starts afresh
    void setHeader(bool header);        // the same
    void setTarget(int column, Target target);
    void setReplaceAccents(bool replace);
    void setCutLong(bool cut);
    // "Import": saves the record shown (as moving by F2 does), then appends the rows that are
    // imported after the last record, all or nothing, says how many and which Opus Numbers they
    // got, and shows the first of them. False when nothing was imported (the save failed, a write
    // failed, the user cancelled).
    bool importRows(Progress& progress);

private:
    void readColumns(bool newTargets);
    void startReading();
    void showProgress(std::int64_t read, std::int64_t size);
    void finishReading(std::shared_ptr<Analysis> analysis);
    void fail(const QString& message);
    QString troubleText(const CsvFileError& e) const;
    void notify();

    record::RecordWindow& window_;
    QString path_;
    FileStart start_;
    DetectedEncoding detected_;
    ImportSettings settings_;
    QStringList columnNames_;
    Phase phase_ = Phase::Reading;
    QString status_;
    int percent_ = 0;
    bool opened_ = false;  // the first reading is over
    std::shared_ptr<const Analysis> analysis_ = std::make_shared<Analysis>();
    PreviewModel preview_;
    ProblemModel problems_;
    // Every change of a setting reads the file anew; only the latest reading's reports arrive.
    common::BackgroundPass reading_{this};
};

}  // namespace csv
