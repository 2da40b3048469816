// Import from CSV without its window: the encodings and separators a file may come in, the
// columns found by their names, every problem listed with its row and field, the rows appended
// after the last record through the main window, all or nothing, and files that hold nothing to
// import.

#include <QDir>
#include <QFile>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#endif

#include "csv/csv_import.h"
#include "csv/scripted_progress.h"
#include "record/record_window.h"
#include "store/codepage.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"
#include "support/window_test.h"

using csv::CsvImport;
using csv::Encoding;
using csv::ProblemKind;
using platform::Icon;
using store::Field;
using testing::CollectionDir;

namespace {

const QByteArray kHeader = "Identity,Composer,Title,Orchestra/Conductor,Soloists,Cover\r\n";

QString kindName(ProblemKind kind) {
    switch (kind) {
        case ProblemKind::Unstorable:
            return QStringLiteral("unstorable");
        case ProblemKind::Replaced:
            return QStringLiteral("replaced");
        case ProblemKind::TooLong:
            return QStringLiteral("too long");
        case ProblemKind::LineBreak:
            return QStringLiteral("line break");
        case ProblemKind::TooFewColumns:
            return QStringLiteral("too few columns");
        case ProblemKind::TooManyColumns:
            return QStringLiteral("too many columns");
        case ProblemKind::Unterminated:
            return QStringLiteral("unterminated");
        case ProblemKind::MixedAlphabets:
            return QStringLiteral("mixed alphabets");
    }
    return {};
}

}  // namespace

class CsvImportTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void encodingsAndSeparators_data();
    void encodingsAndSeparators();
    void westernOrGreekIsChosenByTheText_data();
    void westernOrGreekIsChosenByTheText();
    void columnsGoWhereTheirNamesSay();
    void aHeaderOfMostlyUnknownNamesIsStillAHeader();
    void everyProblemIsListedWithItsRowAndField();
    void rowsAreAppendedAfterTheLastRecord();
    void anImportThatFailsPartWayLeavesTheCollectionAsItWas();
    void anImportKilledPartWayIsTakenBackAtTheNextStart_data();
    void anImportKilledPartWayIsTakenBackAtTheNextStart();
    void aFileWithNothingToImportSaysSo_data();
    void aFileWithNothingToImportSaysSo();

private:
    // Opens `bytes` as a file and waits until it has been read; null when open() refused it.
    std::unique_ptr<CsvImport> openCsv(const QByteArray& bytes);
    bool waitUntilRead(CsvImport& import) {
        return QTest::qWaitFor([&] { return import.phase() != CsvImport::Phase::Reading; }, 20000);
    }
    // The problems as "row field: kind".
    static QStringList problemsOf(const CsvImport& import);

    testing::ScriptedProgress progress_;
    QString path_;
};

void CsvImportTest::init() {
    WindowTest::init();
    load({{"No0001 CD", "Bach"}, {"No0002 LP", "Ravel"}, {"No0003 CD", "Berg"}});
    path_ = dir_->path(QStringLiteral("in.csv"));
}

void CsvImportTest::cleanup() {
    WindowTest::cleanup();
    progress_ = {};
}

std::unique_ptr<CsvImport> CsvImportTest::openCsv(const QByteArray& bytes) {
    dir_->write(QStringLiteral("in.csv"), bytes);
    auto import = std::make_unique<CsvImport>(*w_, path_);
    if (!import->open()) return nullptr;
    if (!waitUntilRead(*import)) qWarning("the file was not read in time");
    return import;
}

QStringList CsvImportTest::problemsOf(const CsvImport& import) {
    QStringList shown;
    for (const csv::Problem& p : import.analysis().problems) {
        shown << QStringLiteral("%1 %2: %3")
                     .arg(csv::rowName(p.row, p.line),
                          p.field ? csv::fieldName(*p.field) : QStringLiteral("-"),
                          kindName(p.kind));
    }
    return shown;
}

void CsvImportTest::encodingsAndSeparators_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<bool>("mark");
    QTest::addColumn<char>("separator");
    const QString greek = QStringLiteral("No0004 CD;Μίκης Θεοδωράκης;Άξιον Εστί\r\n");
    QTest::newRow("UTF-8 with its mark, semicolons")
        << QByteArray("\xEF\xBB\xBF" + greek.toUtf8()) << int(Encoding::Utf8) << true << ';';
    QTest::newRow("UTF-8 without, tabs")
        << QString(greek).replace(u';', u'\t').toUtf8() << int(Encoding::Utf8) << false << '\t';
    QTest::newRow("Windows-1253, commas") << store::toDisk(QString(greek).replace(u';', u','))
                                          << int(Encoding::Windows1253) << false << ',';
}

void CsvImportTest::encodingsAndSeparators() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(bool, mark);
    QFETCH(char, separator);
    auto import = openCsv(bytes);
    QVERIFY(import);
    QCOMPARE(int(import->detected().encoding), encoding);
    QCOMPARE(import->detected().byteOrderMark, mark);
    QCOMPARE(import->settings().separator, separator);
    QVERIFY(!import->settings().header);
    QCOMPARE(import->analysis().imported, 1);
    fakes_.dialogs.expectMessage(csv::kImportTitle,
                                 QStringLiteral("1 record was imported as Opus Number 4."),
                                 Icon::Information);
    QVERIFY(import->importRows(progress_));
    // The Greek name comes through unchanged.
    QCOMPARE(dir_->field(4, Field::Composer).trimmed(), QStringLiteral("Μίκης Θεοδωράκης"));
    QCOMPARE(dir_->field(4, Field::Title).trimmed(), QStringLiteral("Άξιον Εστί"));

    // An accent at the end of a word tells nothing: Windows-1253 stays, and the Greek letter
    // inside a Latin word is listed, so that the wrong guess shows.
    import = openCsv("No0005 CD,Gabriel Faur\xE9\r\n");
    QCOMPARE(problemsOf(*import), QStringList{"1 Composer: mixed alphabets"});
    QCOMPARE(import->detected().encoding, Encoding::Windows1253);
    QCOMPARE(import->preview().data(import->preview().index(0, 3), Qt::DisplayRole).toString(),
             QStringLiteral("Gabriel Faurι"));
    import->setEncoding(Encoding::Windows1252);
    import->setReplaceAccents(true);
    QVERIFY(waitUntilRead(*import));
    QCOMPARE(import->analysis().preview.front().values[1], QStringLiteral("Gabriel Faure"));
}

void CsvImportTest::westernOrGreekIsChosenByTheText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QStringList>("evidence");
    QTest::addColumn<QString>("composer");  // as the preview shows it
    QTest::newRow("Western") << QByteArray(
                                    "No0004 CD,Camille Saint-Sa\xEBns,Danse macabre\r\n"
                                    "No0005 CD,Gabriel Faur\xE9,Requiem\r\n")
                             << int(Encoding::Windows1252) << QStringList{"Saint-Saëns"}
                             << "Camille Saint-Saëns";
    QTest::newRow("Greek") << store::toDisk(
                                  QStringLiteral("No0004 CD,Μίκης Θεοδωράκης,Άξιον Εστί\r\n"))
                           << int(Encoding::Windows1253)
                           << QStringList{"Μίκης", "Θεοδωράκης", "Άξιον"} << "Μίκης Θεοδωράκης";
    QTest::newRow("a tie stays Greek")
        << QByteArray("No0004 CD,Saint-Sa\xEBns,") + store::toDisk(QStringLiteral("Άξιον\r\n"))
        << int(Encoding::Windows1253) << QStringList{"Άξιον"} << "Saint-Saλns";
}

void CsvImportTest::westernOrGreekIsChosenByTheText() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, encoding);
    QFETCH(QStringList, evidence);
    QFETCH(QString, composer);
    auto import = openCsv(bytes);
    QVERIFY(import);
    QCOMPARE(int(import->detected().encoding), encoding);
    QCOMPARE(import->detected().evidence, evidence);
    QCOMPARE(import->analysis().preview.front().values[1], composer);
    // What a Western file holds is never stored as Greek letters: the accent is refused (or
    // replaced), and a Greek letter read into a Latin word is listed.
    const QStringList problems = problemsOf(*import);
    if (encoding == int(Encoding::Windows1252))
        QVERIFY(problems.contains("1 Composer: unstorable"));
    if (composer.contains(u'λ')) QVERIFY(problems.contains("1 Composer: mixed alphabets"));
}

void CsvImportTest::columnsGoWhereTheirNamesSay() {
    auto import = openCsv(
        "Opus No,FORMAT,composer,Work,Orchestra,Conductor,Artist,Label,Year\r\n"
        "99,No0004 CD,Mahler,Symphony No. 2,Budapest Festival Orchestra,Ivan Fischer,Lisa Milne,"
        "Channel Classics,2006\r\n");
    QVERIFY(import);
    QVERIFY(import->settings().header);
    QCOMPARE(import->columnNames().front(), QStringLiteral("Opus No"));
    const auto& values = import->analysis().preview.front().values;
    QCOMPARE(values, (std::array<QString, 6>{"No0004 CD", "Mahler", "Symphony No. 2",
                                             "Budapest Festival Orchestra  Ivan Fischer",
                                             "Lisa Milne", "Channel Classics"}));
    // A column can go elsewhere, or be left out; the Opus No column is not imported.
    import->setTarget(8, Field::Cover);
    import->setTarget(7, std::nullopt);
    QVERIFY(waitUntilRead(*import));
    QCOMPARE(import->analysis().preview.front().values[5], QStringLiteral("2006"));

    // Without a header, the columns are those of the export, Opus No first.
    import = openCsv("1,No0004 CD,Mahler,Symphony No. 2,,,\r\n");
    QVERIFY(!import->settings().header);
    QCOMPARE(import->analysis().preview.front().values[1], QStringLiteral("Mahler"));
}

void CsvImportTest::aHeaderOfMostlyUnknownNamesIsStillAHeader() {
    // The collection export of an online record database: four of its thirteen names are known.
    auto import = openCsv(
        "Catalog#,Artist,Title,Label,Format,Rating,Released,release_id,CollectionFolder,"
        "Date Added,Collection Media Condition,Collection Sleeve Condition,Collection Notes\r\n"
        "419 600-2,Gidon Kremer,Violin Concertos,Deutsche Grammophon,CD,5,1987,1234,"
        "Uncategorized,2024-01-02 10:00:00,Mint (M),Mint (M),\r\n"
        "ARC 1,Maria Callas,Norma,EMI,LP,,1960,99,Uncategorized,2024-01-03 11:00:00,,,\r\n");
    QVERIFY(import);
    QVERIFY(import->settings().header);
    QCOMPARE(import->analysis().rows, 2);
    QCOMPARE(import->settings().targets[5], csv::Target());  // Rating: left out
    QCOMPARE(import->analysis().preview.front().values,
             (std::array<QString, 6>{"CD", "", "Violin Concertos", "", "Gidon Kremer",
                                     "Deutsche Grammophon 419 600-2"}));

    // An orchestra and its conductor join in the collection's order, whatever the columns'.
    import = openCsv("Conductor,Orchestra,Title\r\nSuzuki,Bach Collegium Japan,Mass\r\n");
    QVERIFY(import);
    QCOMPARE(import->analysis().preview.front().values[3],
             QStringLiteral("Bach Collegium Japan  Suzuki"));
}

void CsvImportTest::everyProblemIsListedWithItsRowAndField() {
    const QByteArray longTitle(70, 't');
    auto import = openCsv(kHeader +
                          "No0004 CD,Antonín Dvořák,Symphony No. 9,,,\r\n"
                          "No0005 CD,Bach," +
                          longTitle +
                          ",,,\r\n"
                          "No0006 CD,Bach,\"Two\nlines\",,\"Three\nlines\r\nhere\",\r\n"
                          "No0007 CD,Bach\r\n"
                          "No0008 CD,Bach,T,O,S,C,extra\r\n"
                          "No0009 CD,Bach,T,O,S,C,,\r\n"
                          "No0010 CD,\"Bach\r\n");
    QVERIFY(import);
    QCOMPARE(problemsOf(*import),
             (QStringList{"2 Composer: unstorable", "3 Title: too long", "4 Title: line break",
                          "5 (line 8) -: too few columns", "6 (line 9) -: too many columns",
                          "8 (line 11) -: unterminated"}));
    const csv::Analysis& a = import->analysis();
    QCOMPARE(a.rows, 7);
    QCOMPARE(a.imported, 5);
    QCOMPARE(a.refused, 2);
    QCOMPARE(a.cut, 1);
    QCOMPARE(a.problems.front().text,
             QStringLiteral("\"í\", \"ř\", \"á\": the collection's code page (Windows-1253) "
                            "cannot hold them: the row is refused. Accented Latin letters can be "
                            "replaced by the plain letter."));
    QCOMPARE(a.preview[1].values[2], QString(60, u't'));
    QCOMPARE(a.preview[2].values[2], QStringLiteral("Two lines"));
    QCOMPARE(a.preview[2].values[4], QStringLiteral("Three\r\nlines\r\nhere"));

    // The letters replaced are listed; a value too long may skip its row instead.
    import->setReplaceAccents(true);
    import->setCutLong(false);
    QVERIFY(waitUntilRead(*import));
    QCOMPARE(problemsOf(*import).mid(0, 2),
             (QStringList{"2 Composer: replaced", "3 Title: too long"}));
    QCOMPARE(import->analysis().problems.front().text,
             QStringLiteral("í → i, ř → r, á → a: accented letters stored as the plain letter."));
    QCOMPARE(import->analysis().preview[0].values[1], QStringLiteral("Antonin Dvorak"));
    QCOMPARE(import->analysis().skipped, 1);
    QCOMPARE(import->analysis().imported, 5);

    // Other characters refuse their row whatever is chosen.
    import = openCsv(kHeader + "No0004 CD,Shostakovich,Симфония,,,\r\n");
    import->setReplaceAccents(true);
    QVERIFY(waitUntilRead(*import));
    QCOMPARE(problemsOf(*import), QStringList{"2 Title: unstorable"});
    QVERIFY(!import->canImport());
}

void CsvImportTest::rowsAreAppendedAfterTheLastRecord() {
    w_->showRecord(2);
    w_->typeInto(record::txtOno, QStringLiteral("Maurice Ravel"));
    auto import = openCsv(
        "Opus No,Identity,Composer\r\n77,No0004 CD,Mahler\r\n"
        "78,No0005 CD,Dvořák\r\n79,No0006 CD,Berg\r\n");
    QVERIFY(import);
    QCOMPARE(dir_->fileLength(), 3 * 455);  // nothing is written before Import
    fakes_.dialogs.expectMessage(csv::kImportTitle,
                                 QStringLiteral("2 records were imported as Opus Numbers 4 to 5.\n"
                                                "1 row of the file was not imported."),
                                 Icon::Information);
    QVERIFY(import->importRows(progress_));
    QCOMPARE(import->phase(), CsvImport::Phase::Imported);
    // The record shown was saved first, as moving on saves it.
    QCOMPARE(dir_->field(2, Field::Composer).trimmed(), QStringLiteral("Maurice Ravel"));
    QCOMPARE(dir_->fileLength(), 5 * 455);
    QCOMPARE(dir_->field(4, Field::Composer).trimmed(), QStringLiteral("Mahler"));
    QCOMPARE(dir_->field(5, Field::Identity).trimmed(), QStringLiteral("No0006 CD"));
    QCOMPARE(w_->state().N, 5);
    QCOMPARE(w_->state().current, 4);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Mahler"));
    QCOMPARE(progress_.ended, 1);
}

void CsvImportTest::anImportThatFailsPartWayLeavesTheCollectionAsItWas() {
    QByteArray rows = kHeader;
    for (int i = 1; i <= 5000; ++i)
        rows += QByteArray("No9999 CD,Composer ") + QByteArray::number(i) + "\r\n";
    auto import = openCsv(rows);
    QVERIFY(import);
    QCOMPARE(import->analysis().imported, 5000);
    const QByteArray before = dir_->bytes();
    {
        // Room for the first block of records, not for the second.
        testing::FileSizeLimit limit(455 * 3000);
        QVERIFY(limit.active());
        fakes_.dialogs.expectMessage(
            csv::kImportTitle,
            QStringLiteral("The records could not be written into the collection:\n%1: File too "
                           "large\nNothing was imported: the collection is as it was.")
                .arg(QDir::toNativeSeparators(dir_->path(QStringLiteral("Clasical.dat")))),
            Icon::Exclamation);
        QVERIFY(!import->importRows(progress_));
    }
    QCOMPARE(dir_->bytes(), before);
    QCOMPARE(w_->state().N, 3);
    QCOMPARE(w_->state().current, 1);
    QCOMPARE(import->phase(), CsvImport::Phase::Ready);  // the preview stays, for another try
}

void CsvImportTest::anImportKilledPartWayIsTakenBackAtTheNextStart_data() {
    QTest::addColumn<bool>("history");
    QTest::newRow("the change history keeps the import") << true;
    // A history that cannot be written (a folder in the journal's place): the import marker.
    QTest::newRow("no history: the import marker") << false;
}

void CsvImportTest::anImportKilledPartWayIsTakenBackAtTheNextStart() {
#ifndef Q_OS_UNIX
    QSKIP("needs fork and SIGKILL");
#else
    QFETCH(bool, history);
    if (!history) {
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("Clasical.jnl")));
        loadWindow();
    }
    // Enough rows for two blocks of records: the process is killed before its second block.
    QByteArray rows = kHeader;
    for (int i = 0; i < 3000; ++i) rows += "No" + QByteArray::number(5000 + i) + " CD,Bach,T\r\n";
    auto import = openCsv(rows);
    QVERIFY(import && import->canImport());
    const QByteArray before = dir_->bytes();
    struct KilledAtTheSecondBlock : testing::ScriptedProgress {
        bool advance(std::int64_t) override {
            if (++advances == 2) ::raise(SIGKILL);
            return true;
        }
    } killed;
    const pid_t child = ::fork();
    if (child == 0) {
        import->importRows(killed);
        ::_exit(0);  // never reached
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    QCOMPARE(dir_->fileLength(), qint64(before.size()) + 2048 * 455);  // the first block
    QCOMPARE(QFile::exists(dir_->path("Clasical.dat.import")), !history);

    fakes_.dialogs.expectMessage("Sonvella 4.0",
                                 "An import from CSV did not finish; the 2048 records it had added "
                                 "were removed.",
                                 Icon::Information);
    record::RecordWindow next(session_, fakes_.services());
    QVERIFY(next.Form_Load());
    QCOMPARE(next.state().N, 3);
    QCOMPARE(dir_->bytes(), before);
    QVERIFY(!QFile::exists(dir_->path("Clasical.dat.import")));
#endif
}

void CsvImportTest::aFileWithNothingToImportSaysSo_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("binary") << QByteArray("PK\x03\x04\0\0\x08\0", 8)
                            << "%1 is not a CSV file: it holds NUL bytes, as only binary files do."
                               "\nNothing was imported.";
    QTest::newRow("empty") << QByteArray() << "%1 is empty: there are no records in it to import.";
    QTest::newRow("only blank lines") << QByteArray("\r\n\r\n") << "%1 holds no records to import.";
    QTest::newRow("header only")
        << kHeader << "%1 holds only a row of column names: there are no records in it to import.";
    QTest::newRow("unreadable") << QByteArray() << QString();
    QTest::newRow("a FIFO")
        << QByteArray("fifo")
        << "%1 could not be read:\nIt is not a regular file.\nNothing was imported.";
}

void CsvImportTest::aFileWithNothingToImportSaysSo() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QByteArray before = dir_->bytes();
    if (message.isEmpty()) {
        // A file gone between the open dialog and the reading.
        QFile missing(path_);
        QVERIFY(!missing.open(QIODevice::ReadOnly));
        message = "%1 could not be read:\n" + missing.errorString() + "\nNothing was imported.";
    } else if (bytes == "fifo") {
#ifdef Q_OS_UNIX
        // Opening a FIFO for reading would wait for a writer that never comes.
        QCOMPARE(::mkfifo(QFile::encodeName(path_).constData(), 0644), 0);
#else
        QSKIP("no FIFOs here");
#endif
    } else {
        dir_->write(QStringLiteral("in.csv"), bytes);
    }
    fakes_.dialogs.expectMessage(csv::kImportTitle, message.arg(QDir::toNativeSeparators(path_)),
                                 Icon::Exclamation);
    CsvImport import(*w_, path_);
    QVERIFY(!import.open());
    QCOMPARE(import.phase(), CsvImport::Phase::Failed);
    QCOMPARE(dir_->bytes(), before);
}

QTEST_GUILESS_MAIN(CsvImportTest)
#include "tst_csv_import.moc"
