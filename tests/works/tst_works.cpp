// The Works tree of a small hand-made collection: every spelling of a number folded into one work
// under one composer, the most common title, works in the catalogue's order, records without a
// number counted and deleted ones left out; the filter and the switch "Recorded more than once".

#include <QDir>
#include <QFile>
#include <QTest>

#include "record/record_window.h"
#include "support/window_test.h"
#include "works/works_window.h"

using works::WorksModel;
using works::WorksWindow;

namespace {

const std::vector<QStringList> kRecords = {
    {"No0001 CD", "Bach, J.S.", "Goldberg Variations, BWV 988", "", "Glenn Gould, piano"},
    {"No0002 CD", "Johann Sebastian Bach", "Goldberg-Variationen BWV988", "",
     "Andras Schiff, piano"},
    {"No0003 CD", "BACH", "Aria with 30 variations (bwv. 988)", "", "Murray Perahia, piano"},
    {"No0004 LP", "Bach, J.S.", "Goldberg Variations, BWV 988", "", "Glenn Gould, piano"},
    {"~~~", "Bach, J.S.", "Goldberg Variations, BWV 988"},
    {"No0005 CD", "Bach, J.S.", "Cello Suite No. 1, BWV 1007", "", "Pablo Casals, cello"},
    {"No0006 CD", "Ludwig van Beethoven", "Piano Sonata No. 14, Op. 27 No. 2", "",
     "Wilhelm Kempff, piano"},
    {"No0006 CD", "Ludwig van Beethoven", "Piano Sonata No. 13, Op. 27 No. 1", "",
     "Wilhelm Kempff, piano"},
    // The number from the Cover, where the Title has none.
    {"No0007 CD", "Beethoven", "Symphony No. 5", "Wiener Philharmoniker  Carlos Kleiber", "",
     "Deutsche Grammophon, Op. 67"},
    {"No0008 CD", "Zelenka, Jan Dismas", "Missa Dei Patris, ZWV 19"},
    // A composer outside the table, by surname among the others.
    {"No0009 CD", "Kaikhosru Sorabji", "Opus clavicembalisticum"},
    {"No0010 CD", "Kaikhosru Sorabji", "Toccata Op. 3"},
    {"No0011 CD", "KAIKHOSRU SORABJI", "Fantasia, op. 3"},
    {"No0012 LP", "Ludwig van Beethoven", "Piano Sonata No. 8, Op. 13"},
};

// The rows of the tree, each level indented, its cells up to the last that is not empty.
QStringList rows(const WorksModel& model, const QModelIndex& parent = {}, int depth = 0) {
    QStringList out;
    for (int r = 0; r < model.rowCount(parent); ++r) {
        QStringList cells;
        for (int c = 0; c < WorksModel::ColumnCount; ++c)
            cells << model.index(r, c, parent).data().toString();
        while (!cells.isEmpty() && cells.back().isEmpty()) cells.removeLast();
        out << QString(2 * depth, QLatin1Char(' ')) + cells.join(QStringLiteral(" | "));
        out << rows(model, model.index(r, 0, parent), depth + 1);
    }
    return out;
}

// The works shown with the Opus Numbers of their recordings shown: "BWV 988: 1 4".
QStringList worksShown(const WorksModel& model) {
    QStringList out;
    for (int c = 0; c < model.rowCount(); ++c) {
        const QModelIndex composer = model.index(c, 0);
        for (int w = 0; w < model.rowCount(composer); ++w) {
            const QModelIndex work = model.index(w, 0, composer);
            QStringList line{work.data().toString() + QLatin1Char(':')};
            for (int r = 0; r < model.rowCount(work); ++r)
                line << model.index(r, 0, work).data().toString();
            out << line.join(QLatin1Char(' '));
        }
    }
    return out;
}

}  // namespace

class WorksTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void cleanup();
    void groupsEveryRecordingOfAWork();
    void figuresUseThousandsSeparators();
    void theFilterAndTheSwitchNarrowTheTree_data();
    void theFilterAndTheSwitchNarrowTheTree();
    void theDemoShowsEveryGoldbergTogether();

private:
    void open();
    std::unique_ptr<WorksWindow> works_;
};

void WorksTest::cleanup() {
    works_.reset();
    WindowTest::cleanup();
}

void WorksTest::open() {
    load(kRecords);
    works_ = std::make_unique<WorksWindow>(*w_);
    works_->start();
    QTRY_COMPARE(works_->phase(), WorksWindow::Phase::Done);
}

void WorksTest::groupsEveryRecordingOfAWork() {
    open();
    QCOMPARE(rows(works_->model()),
             (QStringList{
                 "Johann Sebastian Bach | 2 works | 5",
                 "  BWV 988 | Goldberg Variations, BWV 988 | 4",
                 "    1 | No0001 CD |  |  | Glenn Gould, piano",
                 "    2 | No0002 CD |  |  | Andras Schiff, piano",
                 "    3 | No0003 CD |  |  | Murray Perahia, piano",
                 "    4 | No0004 LP |  |  | Glenn Gould, piano",
                 "  BWV 1007 | Cello Suite No. 1, BWV 1007 | 1",
                 "    6 | No0005 CD |  |  | Pablo Casals, cello",
                 "Ludwig van Beethoven | 4 works | 4",
                 "  Op. 13 | Piano Sonata No. 8, Op. 13 | 1",
                 "    14 | No0012 LP",
                 "  Op. 27 No. 1 | Piano Sonata No. 13, Op. 27 No. 1 | 1",
                 "    8 | No0006 CD |  |  | Wilhelm Kempff, piano",
                 "  Op. 27 No. 2 | Piano Sonata No. 14, Op. 27 No. 2 | 1",
                 "    7 | No0006 CD |  |  | Wilhelm Kempff, piano",
                 "  Op. 67 | Symphony No. 5 | 1",
                 "    9 | No0007 CD |  | Wiener Philharmoniker  Carlos Kleiber |  | "
                 "Deutsche Grammophon, Op. 67",
                 "Kaikhosru Sorabji | 1 work | 2",
                 "  Op. 3 | Toccata Op. 3 | 2",
                 "    12 | No0010 CD",
                 "    13 | No0011 CD",
             }));
    QCOMPARE(works_->figures(), QStringLiteral("7 works with catalogue numbers; 2 recorded more "
                                               "than once; 2 records without a catalogue number"));
    QCOMPARE(works_->status(), QStringLiteral("7 works and 11 recordings shown"));
}

void WorksTest::figuresUseThousandsSeparators() {
    QCOMPARE(works::figuresLine({1234, 37, 1208}),
             QStringLiteral("1,234 works with catalogue numbers; 37 recorded more than once; "
                            "1,208 records without a catalogue number"));
    QCOMPARE(works::figuresLine({1, 0, 1}),
             QStringLiteral("1 work with a catalogue number; 0 recorded more than once; 1 record "
                            "without a catalogue number"));
}

void WorksTest::theFilterAndTheSwitchNarrowTheTree_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<bool>("moreThanOnce");
    QTest::addColumn<QStringList>("shown");
    const auto row = [](const char* filter, bool moreThanOnce, const QStringList& shown) {
        QTest::newRow(qPrintable(QString::fromUtf8(filter) + (moreThanOnce ? "+switch" : "")))
            << QString::fromUtf8(filter) << moreThanOnce << shown;
    };
    row("", true, {"BWV 988: 1 2 3 4", "Op. 3: 12 13"});
    row("988", false, {"BWV 988: 1 2 3 4"});
    row("bwv988", false, {"BWV 988: 1 2 3 4"});
    // The work's most common title counts for every recording of it.
    row("GOLDBERG", false, {"BWV 988: 1 2 3 4"});
    row("goldberg gould", false, {"BWV 988: 1 4"});
    row("sebastian casals", false, {"BWV 1007: 6"});
    row("op27", false, {"Op. 27 No. 1: 8", "Op. 27 No. 2: 7"});
    row("op27no2", false, {"Op. 27 No. 2: 7"});
    row("kleiber", false, {"Op. 67: 9"});
    row("op", true, {"Op. 3: 12 13"});
    row("zelenka", false, {});
}

void WorksTest::theFilterAndTheSwitchNarrowTheTree() {
    QFETCH(QString, filter);
    QFETCH(bool, moreThanOnce);
    QFETCH(QStringList, shown);
    open();
    works_->setMoreThanOnce(moreThanOnce);
    works_->setFilter(filter);
    QTRY_COMPARE(works_->phase(), WorksWindow::Phase::Done);
    QCOMPARE(worksShown(works_->model()), shown);
    QCOMPARE(works_->filterText(), filter);
}

void WorksTest::theDemoShowsEveryGoldbergTogether() {
    dir_ = std::make_unique<testing::CollectionDir>();
    const QDir demo(QStringLiteral(SONVELLA_SOURCE_DIR "/data/demo"));
    for (const QString& name : demo.entryList(QDir::Files)) {
        QFile::remove(dir_->path(name));
        QVERIFY(QFile::copy(demo.filePath(name), dir_->path(name)));
    }
    loadWindow();
    works_ = std::make_unique<WorksWindow>(*w_);
    works_->start();
    QTRY_COMPARE(works_->phase(), WorksWindow::Phase::Done);
    // "Goldberg Variations, BWV 988", "Goldberg-Variationen BWV988" and "Aria with 30 variations
    // (bwv. 988)".
    works_->setFilter(QStringLiteral("goldberg"));
    QTRY_COMPARE(works_->phase(), WorksWindow::Phase::Done);
    QCOMPARE(worksShown(works_->model()), QStringList{"BWV 988: 1 62 63"});
}

QTEST_MAIN(WorksTest)
#include "tst_works.moc"
