#include "csv/csv_import.h"

#include <QDir>
#include <QScopeGuard>
#include <cstring>

#include "csv/progress.h"
#include "platform/dialogs.h"
#include "platform/program_directory.h"
#include "record/record_window.h"
#include "store/store_error.h"

namespace csv {

using platform::Icon;

namespace {

// The file was changed between the preview and the import.
struct FileChanged {};
// The user cancelled the import while it was writing.
struct ImportCancelled {};

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString importedText(std::int32_t first, std::int32_t last) {
    if (first == last) return QStringLiteral("1 record was imported as Opus Number %1.").arg(first);
    return QStringLiteral("%1 records were imported as Opus Numbers %2 to %3.")
        .arg(last - first + 1)
        .arg(first)
        .arg(last);
}

QString summary(const Analysis& a) {
    if (a.rows == 0)
        return QStringLiteral("The file holds no rows of records with these settings.");
    QString text = (a.rows == 1 ? QStringLiteral("1 row of records: ")
                                : QStringLiteral("%1 rows of records: ").arg(a.rows)) +
                   QStringLiteral("%1 will be imported").arg(a.imported);
    if (a.cut > 0) text += QStringLiteral(" (%1 with a value cut to fit)").arg(a.cut);
    if (a.refused > 0) text += QStringLiteral(", %1 refused").arg(a.refused);
    if (a.skipped > 0) text += QStringLiteral(", %1 skipped").arg(a.skipped);
    return text + QLatin1Char('.');
}

}  // namespace

QString chooseCsvFile(record::RecordWindow& window) {
    return window.dialogs().openFile({kImportTitle,
                                      QStringLiteral("CSV files (*.csv *.txt);;All files (*)"),
                                      platform::programFile(QStringLiteral("Collection.csv"))});
}

CsvImport::CsvImport(record::RecordWindow& window, QString path, QObject* parent)
    : QObject(parent), window_(window), path_(std::move(path)) {}

void CsvImport::notify() {
    if (changed) changed();
}

QString CsvImport::troubleText(const CsvFileError& e) const {
    switch (e.kind()) {
        case CsvFileError::Kind::Binary:
            return QStringLiteral(
                       "%1 is not a CSV file: it holds NUL bytes, as only binary files "
                       "do.\nNothing was imported.")
                .arg(shown(path_));
        case CsvFileError::Kind::Unreadable:
            break;
    }
    return QStringLiteral("%1 could not be read:\n%2\nNothing was imported.")
        .arg(shown(path_), e.reason());
}

bool CsvImport::open() {
    const auto refuse = [this](const QString& message) {
        phase_ = Phase::Failed;
        window_.dialogs().show(kImportTitle, message, Icon::Exclamation);
        return false;
    };
    try {
        start_ = readFileStart(path_);
    } catch (const CsvFileError& e) {
        return refuse(troubleText(e));
    }
    if (start_.size == 0) {
        return refuse(
            QStringLiteral("%1 is empty: there are no records in it to import.").arg(shown(path_)));
    }
    const QString nothing = QStringLiteral("%1 holds no records to import.").arg(shown(path_));
    detected_ = detectEncoding(start_.bytes, start_.whole());
    settings_.encoding = detected_.encoding;
    settings_.separator = detectSeparator(start_.bytes);
    const std::vector<CsvRow> rows = rowsOf(start_.bytes, settings_.separator, start_.whole(), 2);
    if (rows.empty() && start_.whole()) return refuse(nothing);
    QStringList cells;
    if (!rows.empty()) {
        for (const QByteArray& field : rows.front().fields)
            cells << decode(field, settings_.encoding);
    }
    settings_.header = looksLikeHeader(cells);
    if (settings_.header && rows.size() == 1 && start_.whole()) {
        return refuse(QStringLiteral("%1 holds only a row of column names: there are no records "
                                     "in it to import.")
                          .arg(shown(path_)));
    }
    readColumns(true);
    startReading();
    return true;
}

void CsvImport::readColumns(bool newTargets) {
    const std::vector<CsvRow> rows = rowsOf(start_.bytes, settings_.separator, start_.whole(), 1);
    QStringList cells;
    if (!rows.empty()) {
        for (const QByteArray& field : rows.front().fields)
            cells << decode(field, settings_.encoding).trimmed();
    }
    settings_.columns = rows.empty() ? 0 : rows.front().columns;
    columnNames_.clear();
    for (qsizetype i = 0; i < cells.size(); ++i) {
        columnNames_ << (settings_.header && !cells[i].isEmpty()
                             ? cells[i]
                             : QStringLiteral("Column %1").arg(i + 1));
    }
    if (newTargets) {
        const QStringList header = settings_.header ? cells : QStringList();
        settings_.targets = defaultTargets(header, int(cells.size()));
        settings_.placements = placementsOf(header, int(cells.size()));
    }
}

void CsvImport::startReading() {
    phase_ = Phase::Reading;
    percent_ = 0;
    status_ = QStringLiteral("Reading the file ...");
    analysis_ = std::make_shared<Analysis>();
    preview_.setAnalysis(nullptr);
    problems_.setAnalysis(nullptr);
    notify();

    reading_.start([this, settings = settings_](const common::BackgroundPass::Run& run) {
        const auto progress = [this, &run](std::int64_t read, std::int64_t size) {
            run.deliver([this, read, size] { showProgress(read, size); });
        };
        try {
            std::optional<Analysis> result = analyse(path_, settings, run.cancelFlag(), progress);
            if (!result) return;
            auto shared = std::make_shared<Analysis>(std::move(*result));
            run.deliver([this, shared] { finishReading(shared); });
        } catch (const CsvFileError& e) {
            run.deliver([this, message = troubleText(e)] { fail(message); });
        }
    });
}

void CsvImport::showProgress(std::int64_t read, std::int64_t size) {
    if (phase_ != Phase::Reading) return;
    percent_ = size > 0 ? int(std::min<std::int64_t>(100, read * 100 / size)) : 100;
    status_ = QStringLiteral("Reading the file ... %1%").arg(percent_);
    notify();
}

void CsvImport::finishReading(std::shared_ptr<Analysis> analysis) {
    // The start of a file holds the answers for small files; for a large one the whole reading
    // tells that it holds nothing.
    if (analysis->rows == 0 && !opened_) {
        fail(settings_.header ? QStringLiteral("%1 holds only a row of column names: there are no "
                                               "records in it to import.")
                                    .arg(shown(path_))
                              : QStringLiteral("%1 holds no records to import.").arg(shown(path_)));
        return;
    }
    opened_ = true;
    analysis_ = analysis;
    preview_.setAnalysis(analysis);
    problems_.setAnalysis(analysis);
    phase_ = Phase::Ready;
    percent_ = 100;
    status_ = summary(*analysis);
    notify();
}

void CsvImport::fail(const QString& message) {
    window_.dialogs().show(kImportTitle, message, Icon::Exclamation);
    phase_ = Phase::Failed;
    status_.clear();
    notify();
}

void CsvImport::setEncoding(Encoding encoding) {
    if (encoding == settings_.encoding) return;
    settings_.encoding = encoding;
    readColumns(false);  // the names read anew; what the columns go into stays
    startReading();
}

void CsvImport::setSeparator(char separator) {
    if (separator == settings_.separator) return;
    settings_.separator = separator;
    readColumns(true);
    startReading();
}

void CsvImport::setHeader(bool header) {
    if (header == settings_.header) return;
    settings_.header = header;
    readColumns(true);
    startReading();
}

void CsvImport::setTarget(int column, Target target) {
    if (column < 0 || std::size_t(column) >= settings_.targets.size()) return;
    if (settings_.targets[std::size_t(column)] == target) return;
    settings_.targets[std::size_t(column)] = target;
    startReading();
}

void CsvImport::setReplaceAccents(bool replace) {
    if (replace == settings_.replaceAccents) return;
    settings_.replaceAccents = replace;
    startReading();
}

void CsvImport::setCutLong(bool cut) {
    if (cut == settings_.cutLong) return;
    settings_.cutLong = cut;
    startReading();
}

bool CsvImport::importRows(Progress& progress) {
    if (!canImport()) return false;
    // As moving by F2 does: the record shown is saved first, and nothing happens when it cannot be.
    record::RecordWindow::CommandName command(window_, QStringLiteral("Import from CSV..."));
    if (!window_.SaveCR()) return false;
    platform::Dialogs& dialogs = window_.dialogs();
    const std::int64_t expected = analysis_->imported;
    std::pair<std::int32_t, std::int32_t> numbers;
    try {
        RowStream stream(path_, settings_);
        record::BusyScope busy(window_);
        progress.begin(QStringLiteral("Importing the records ..."), stream.size());
        const auto ended = qScopeGuard([&progress] { progress.end(); });
        ImportRow row;
        std::int64_t handed = 0;
        numbers = window_.appendRecords(
            [&](char* buffer, std::int32_t room) {
                std::int32_t filled = 0;
                while (filled < room) {
                    if (!stream.next(row)) {
                        if (handed != expected) throw FileChanged();
                        break;
                    }
                    if (row.fate != Fate::Imported) continue;
                    if (++handed > expected) throw FileChanged();
                    std::memcpy(buffer + qsizetype(filled) * store::kRecordLength,
                                row.record.data(), store::kRecordLength);
                    ++filled;
                }
                if (!progress.advance(stream.bytesRead())) throw ImportCancelled();
                return filled;
            },
            expected);
    } catch (const CsvFileError& e) {
        dialogs.show(kImportTitle, troubleText(e), Icon::Exclamation);
        return false;
    } catch (const store::StoreError& e) {
        dialogs.show(kImportTitle,
                     QStringLiteral("The records could not be written into the collection:\n%1\n"
                                    "Nothing was imported: the collection is as it was.")
                         .arg(e.message()),
                     Icon::Exclamation);
        return false;
    } catch (const FileChanged&) {
        dialogs.show(kImportTitle,
                     QStringLiteral("%1 has changed since it was read.\nNothing was imported: "
                                    "the file is read again now.")
                         .arg(shown(path_)),
                     Icon::Exclamation);
        startReading();
        return false;
    } catch (const ImportCancelled&) {
        return false;  // nothing was imported: the preview stays
    }
    QString text = importedText(numbers.first, numbers.second);
    const std::int64_t left = analysis_->rows - expected;
    if (left > 0) {
        text += left == 1 ? QStringLiteral("\n1 row of the file was not imported.")
                          : QStringLiteral("\n%1 rows of the file were not imported.").arg(left);
    }
    phase_ = Phase::Imported;
    dialogs.show(kImportTitle, text, Icon::Information);
    notify();
    return true;
}

}  // namespace csv
