// Export as CSV: the question and the file, the file as a spreadsheet reads it (read back here
// field by field by a reader of the test's own), Cancel and a failed write, and the demo
// collection exported and imported into an empty collection, byte for byte.

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTest>

#include "csv/csv_export.h"
#include "csv/csv_import.h"
#include "csv/scripted_progress.h"
#include "record/record_window.h"
#include "store/codepage.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"
#include "support/window_test.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using testing::CollectionDir;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0 - Export as CSV");

// RFC 4180 as a spreadsheet program reads it: rows end with CR LF, a field in quotes may hold
// commas, line breaks and doubled quotes. Fails the test on anything else.
QList<QStringList> readCsv(const QByteArray& bytes) {
    if (!bytes.startsWith("\xEF\xBB\xBF")) {
        QTest::qFail("no byte-order mark", __FILE__, __LINE__);
        return {};
    }
    const QString text = QString::fromUtf8(bytes.mid(3));
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool inQuotes = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += c;
                ++i;
            } else if (c == u'"') {
                inQuotes = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && field.isEmpty()) {
            inQuotes = true;
        } else if (c == u',') {
            row << field;
            field.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            row << field;
            rows << row;
            row.clear();
            field.clear();
            ++i;
        } else if (c == u'"' || c == u'\r' || c == u'\n') {
            QTest::qFail(
                qPrintable(
                    QStringLiteral("a bare quote or line end in row %1").arg(rows.size() + 1)),
                __FILE__, __LINE__);
            return {};
        } else {
            field += c;
        }
    }
    if (!row.isEmpty() || !field.isEmpty() || inQuotes) {
        QTest::qFail("the last row has no CR LF", __FILE__, __LINE__);
    }
    return rows;
}

// A record as its row should read: the Opus Number, then the fields without trailing blanks.
QStringList rowOf(int opusNumber, const QByteArray& record) {
    QStringList fields{QString::number(opusNumber)};
    for (store::Field f : store::kAllFields) {
        QByteArray field = record.mid(store::fieldOffset(f), store::fieldWidth(f));
        while (field.endsWith(' ')) field.chop(1);
        fields << store::fromDisk(field);
    }
    return fields;
}

const QStringList kHeader = {"Opus No",  "Identity", "Composer", "Title", "Orchestra/Conductor",
                             "Soloists", "Cover"};

}  // namespace

class CsvExportTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void cleanup();
    void aSpreadsheetReadsEveryFieldAsStored();
    void cancelOrAFailedWriteLeavesNoFile();
    void aFullDiskSaysWhy();
    void theDemoCollectionComesBackByteForByte();

private:
    void load(const QByteArray& collection);
    QString exportAs(Answer leaveOutDeleted, const QString& name);

    testing::ScriptedProgress progress_;
};

void CsvExportTest::cleanup() {
    WindowTest::cleanup();
    progress_ = {};
}

void CsvExportTest::load(const QByteArray& collection) {
    dir_ = std::make_unique<CollectionDir>();
    dir_->write(QStringLiteral("Clasical.dat"), collection);
    loadWindow();
}

// Runs the export to a file of the program's folder; its path.
QString CsvExportTest::exportAs(Answer leaveOutDeleted, const QString& name) {
    const QString path = dir_->path(QStringLiteral("Sonvella400/") + name);
    fakes_.dialogs
        .expectMessage(kTitle, QStringLiteral("Leave out deleted records?"), Icon::Question,
                       Buttons::YesNoCancel, leaveOutDeleted)
        .expectSaveFile(kTitle, QStringLiteral("CSV files (*.csv)"),
                        dir_->path(QStringLiteral("Sonvella400/Collection.csv")), path);
    return path;
}

void CsvExportTest::aSpreadsheetReadsEveryFieldAsStored() {
    const std::vector<QStringList> records = {
        {"No0001 CD", "  Bach", "Suite No. 1, BWV 1007", "", "Line one\r\nLine two",
         "Label \"Archiv\", 1985"},
        {"~~~"},
        {"No0002 LP", "Μίκης Θεοδωράκης", "Άξιον Εστί", "Ορχήστρα", "", "Columbia"},
    };
    QByteArray collection;
    for (const QStringList& r : records) collection += testing::record(r).bytes().toByteArray();
    load(collection);

    const QString path = exportAs(Answer::Yes, QStringLiteral("Collection.csv"));
    fakes_.dialogs.expectMessage(kTitle, QStringLiteral("2 records were written to:\n") + path,
                                 Icon::Information);
    csv::mnuExportCsv(*w_, progress_);

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QStringList> rows = readCsv(file.readAll());
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0], kHeader);
    // The deleted record 2 is left out; leading blanks stay, also those of the record shown.
    QCOMPARE(rows[1], (QStringList{"1", "No0001 CD", "  Bach", "Suite No. 1, BWV 1007", "",
                                   "Line one\r\nLine two", "Label \"Archiv\", 1985"}));
    QCOMPARE(rows[2], (QStringList{"3", "No0002 LP", "Μίκης Θεοδωράκης", "Άξιον Εστί", "Ορχήστρα",
                                   "", "Columbia"}));
    QCOMPARE(progress_.begun, QStringList{"Exporting the collection ..."});
    QCOMPARE(progress_.ended, 1);
}

void CsvExportTest::cancelOrAFailedWriteLeavesNoFile() {
    load(testing::record({"No0001 CD", "Bach"}).bytes().toByteArray());
    const QString path = exportAs(Answer::No, QStringLiteral("Collection.csv"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("an older export") > 0);
    old.close();
    progress_.cancelAt = 1;
    csv::mnuExportCsv(*w_, progress_);
    QCOMPARE(progress_.ended, 1);
    QCOMPARE(QDir(dir_->path(QStringLiteral("Sonvella400"))).entryList(QDir::Files),
             QStringList{"Collection.csv"});  // no half-written file beside it
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("an older export"));

    // A folder that does not exist.
    const QString nowhere = exportAs(Answer::No, QStringLiteral("missing/Collection.csv"));
    QSaveFile probe(nowhere);
    QVERIFY(!probe.open(QIODevice::WriteOnly));
    fakes_.dialogs.expectMessage(
        kTitle,
        QDir::toNativeSeparators(nowhere) + " could not be written:\n" + probe.errorString(),
        Icon::Exclamation);
    csv::mnuExportCsv(*w_, progress_);
    QVERIFY(!QFile::exists(nowhere));
}

void CsvExportTest::aFullDiskSaysWhy() {
#ifndef Q_OS_UNIX
    QSKIP("needs a per-process file size limit");
#else
    QByteArray collection;
    for (const QStringList& fields : testing::numberedRecords(100))
        collection += testing::record(fields).bytes().toByteArray();
    load(collection);
    const QString path = exportAs(Answer::No, QStringLiteral("Collection.csv"));
    fakes_.dialogs.expectMessage(
        kTitle, QDir::toNativeSeparators(path) + " could not be written:\nFile too large",
        Icon::Exclamation);
    {
        const testing::FileSizeLimit limit(2048);
        QVERIFY(limit.active());
        csv::mnuExportCsv(*w_, progress_);
    }
    QVERIFY(!QFile::exists(path));
#endif
}

void CsvExportTest::theDemoCollectionComesBackByteForByte() {
    QFile demoFile(QStringLiteral(SONVELLA_SOURCE_DIR "/data/demo/Clasical.dat"));
    QVERIFY(demoFile.open(QIODevice::ReadOnly));
    const QByteArray demo = demoFile.readAll();
    QVERIFY(demo.size() % store::kRecordLength == 0);
    const int records = int(demo.size() / store::kRecordLength);
    QVERIFY(demo.contains("~~~"));  // deleted records, kept so that Opus Numbers match
    load(demo);
    const QString path = exportAs(Answer::No, QStringLiteral("Demo.csv"));
    fakes_.dialogs.expectMessage(
        kTitle, QStringLiteral("%1 records were written to:\n%2").arg(records).arg(path),
        Icon::Information);
    csv::mnuExportCsv(*w_, progress_);
    QVERIFY(fakes_.dialogs.verifyDone());

    // Field by field, as a spreadsheet program reads it.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QStringList> rows = readCsv(file.readAll());
    QCOMPARE(rows.size(), records + 1);
    QCOMPARE(rows[0], kHeader);
    for (int n = 1; n <= records; ++n)
        QCOMPARE(rows[n], rowOf(n, demo.mid((n - 1) * store::kRecordLength, store::kRecordLength)));

    // Into an empty collection: record 1 is the first of them.
    w_.reset();
    CollectionDir empty({}, false);
    record::RecordWindow into(session_, fakes_.services());
    QVERIFY(into.Form_Load());
    csv::CsvImport import(into, path);
    QVERIFY(import.open());
    QVERIFY(QTest::qWaitFor([&] { return import.phase() != csv::CsvImport::Phase::Reading; }));
    QCOMPARE(import.analysis().imported, records);
    fakes_.dialogs.expectMessage(
        csv::kImportTitle,
        QStringLiteral("%1 records were imported as Opus Numbers 1 to %1.").arg(records),
        Icon::Information);
    QVERIFY(import.importRows(progress_));
    QCOMPARE(empty.bytes(), demo);
    QCOMPARE(into.state().N, records);
    QCOMPARE(into.state().current, 1);
}

QTEST_GUILESS_MAIN(CsvExportTest)
#include "tst_csv_export.moc"
