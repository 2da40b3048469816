// Media counting over real collection files: the entire count, the count of media marked with a
// special text, the progress texts on the way, and the record the window is left on.

#include <QTest>

#include "maintenance/media_counting.h"
#include "record/record_window.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/window_test.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using record::RecordWindow;
using testing::CollectionDir;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0 - Media Counting");
const QString kQuestion = QStringLiteral(
    "To use the Media Counting command with success, you must have first:\n"
    "a) Used the 'Sort by Identity' command\n"
    "b) Used a No0000 type Identification Number\n"
    "Shall I begin the media counting now?");
const QString kPrompt = QStringLiteral(
    "Type the Special Character(s) you used in Identity or\n"
    "Click on <Cancel> to Count the Entire Collection:");

const QStringList kWorkedExample = {"No0001 CD", "No0001 CD", "No0002 LP", "No0003 DVD",
                                    "No0003 DVD"};

QString progress(int opusNumber, int counted) {
    return QStringLiteral(
               "Examined ... Opus Number < %1 > ... and Counted < %2 >  Media (CDs, "
               "DVDs, LPs, Tapes).")
        .arg(opusNumber)
        .arg(counted);
}

QString entireResult(int counted) {
    return QStringLiteral("You have catalogued < %1 >  Media (CDs, DVDs, LPs, Tapes).")
        .arg(counted);
}

QString markedResult(int counted, const QString& special) {
    return QStringLiteral(
               "You have catalogued < %1 >  Media (CDs, DVDs, LPs, Tapes)\nthat contain the "
               "Special Character(s) <%2>.")
        .arg(counted)
        .arg(special);
}

std::vector<QStringList> withIdentities(const QStringList& identities) {
    std::vector<QStringList> records;
    int n = 0;
    for (const QString& identity : identities) {
        records.push_back({identity, QStringLiteral("Composer %1").arg(++n)});
    }
    return records;
}

}  // namespace

class MediaCountingTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void init();
    void countsRunsOfIdentities_data();
    void countsRunsOfIdentities();
    void entireCountProgress();
    void markedCountProgress();
    void oneRecordSetsTheProgressOnce();
    void cancelChangesNothing();
    void anEmptyAnswerCountsEverything();
    void countsPast32767();
    void aMediumOverTheEndOfABlockCountsOnce();

private:
    void load(const std::vector<QStringList>& records);
    void expectStart(const QString& special);
    // Every status text the window went through, in order, without repeats.
    QStringList statuses_;
};

void MediaCountingTest::init() {
    fakes_.reset();
    statuses_.clear();
}

void MediaCountingTest::load(const std::vector<QStringList>& records) {
    dir_ = std::make_unique<CollectionDir>(records);
    w_ = std::make_unique<RecordWindow>(session_, fakes_.services());
    QVERIFY(w_->Form_Load());
    w_->setView({[this] {
                     if (statuses_.isEmpty() || statuses_.last() != w_->state().status)
                         statuses_ << w_->state().status;
                 },
                 {}});
}

void MediaCountingTest::expectStart(const QString& special) {
    dialogs_.expectMessage(kTitle, kQuestion, Icon::Question, Buttons::OkCancel, Answer::Ok);
    dialogs_.expectInput(kTitle, kPrompt, special);
}

void MediaCountingTest::countsRunsOfIdentities_data() {
    QTest::addColumn<QStringList>("identities");
    QTest::addColumn<QString>("special");
    QTest::addColumn<int>("counted");

    QTest::newRow("worked example, entire") << kWorkedExample << "" << 3;
    QTest::newRow("worked example, DVD") << kWorkedExample << "DVD" << 1;
    // Record 1 starts a medium and holds CD; record 2 holds it too but starts none.
    QTest::newRow("worked example, CD") << kWorkedExample << "CD" << 1;
    QTest::newRow("worked example, a blank") << kWorkedExample << " " << 3;
    QTest::newRow("worked example, lower case") << kWorkedExample << "dvd" << 0;
    QTest::newRow("one record, entire") << QStringList{"No0001 CD"} << "" << 1;
    QTest::newRow("one record, marked") << QStringList{"No0001 CD"} << "CD" << 1;
    QTest::newRow("one record, not marked") << QStringList{"No0001 CD"} << "LP" << 0;
    QTest::newRow("unsorted, entire")
        << QStringList{"No0001 CD", "No0002 LP", "No0001 CD", "No0002 LP"} << "" << 4;
    QTest::newRow("unsorted, marked")
        << QStringList{"No0001 CD", "No0002 LP", "No0001 CD"} << "CD" << 2;
    const QStringList deleted = {"No0001 CD", "~~~", "~~~", "~~~", "No0002 LP", "~~~"};
    QTest::newRow("deleted runs, entire") << deleted << "" << 4;
    QTest::newRow("deleted runs, marked ~") << deleted << "~" << 2;
    QTest::newRow("deleted runs, marked CD") << deleted << "CD" << 1;
    QTest::newRow("deleted runs, longer than the marker") << deleted << "~~~~" << 0;
    QTest::newRow("differ after the seventh character")
        << QStringList{"No0001 CD", "No0001 DVD", "No0001 LP"} << "" << 1;
    QTest::newRow("differ in the seventh character")
        << QStringList{"No0001A", "No0001B", "No0001B"} << "" << 2;
    QTest::newRow("differ after the seventh character, marked")
        << QStringList{"No0001 CD", "No0001 DVD"} << "DVD" << 0;
    QTest::newRow("case counts") << QStringList{"No0001 CD", "no0001 CD"} << "" << 2;
    // Short Identities give keys ending in blanks, and shown records are trimmed first.
    QTest::newRow("short identities") << QStringList{"No1", "No1", "No12"} << "" << 2;
    QTest::newRow("leading blanks are trimmed")
        << QStringList{"No0001 CD", "   No0001 CD"} << "" << 1;
    QTest::newRow("empty identities") << QStringList{"", "", "No0001 CD"} << "" << 2;
}

void MediaCountingTest::countsRunsOfIdentities() {
    QFETCH(QStringList, identities);
    QFETCH(QString, special);
    QFETCH(int, counted);
    load(withIdentities(identities));
    expectStart(special);
    dialogs_.expectMessage(
        kTitle, special.isEmpty() ? entireResult(counted) : markedResult(counted, special),
        Icon::Information);
    w_->typeInto(record::txtOno, QStringLiteral("typed, never saved"));
    maintenance::mnuCountMedia(*w_);

    const int last = static_cast<int>(identities.size());
    const int shown = special.isEmpty() ? last : 1;
    QCOMPARE(w_->state().current, shown);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Composer %1").arg(shown));
    QCOMPARE(w_->state().caption,
             QStringLiteral("Sonvella 4.0 - My Music Collection - Opus No:  %1  of  %2")
                 .arg(shown)
                 .arg(last));
    QCOMPARE(w_->state().status, QString());
    QVERIFY(!w_->state().busy);
    // Nothing was written: the edit in the box was dropped, not saved.
    QCOMPARE(dir_->field(1, store::Field::Composer).trimmed(), QStringLiteral("Composer 1"));
}

void MediaCountingTest::entireCountProgress() {
    load(withIdentities(kWorkedExample));
    expectStart("");
    dialogs_.expectMessage(kTitle, entireResult(3), Icon::Information);
    maintenance::mnuCountMedia(*w_);
    // A text at each new medium, the last one after record 5; then cleared.
    QCOMPARE(statuses_, QStringList({"", progress(3, 1), progress(4, 2), progress(5, 3), ""}));
}

void MediaCountingTest::markedCountProgress() {
    load(withIdentities(kWorkedExample));
    expectStart("DVD");
    dialogs_.expectMessage(kTitle, markedResult(1, "DVD"), Icon::Information);
    maintenance::mnuCountMedia(*w_);
    // A text after every record from the second on.
    QCOMPARE(statuses_,
             QStringList({"", progress(2, 0), progress(3, 0), progress(4, 1), progress(5, 1), ""}));
}

void MediaCountingTest::oneRecordSetsTheProgressOnce() {
    load(withIdentities({"No0001 CD"}));
    expectStart("CD");
    dialogs_.expectMessage(kTitle, markedResult(1, "CD"), Icon::Information);
    maintenance::mnuCountMedia(*w_);
    QCOMPARE(statuses_, QStringList({"", progress(1, 1), ""}));
}

void MediaCountingTest::cancelChangesNothing() {
    load(withIdentities(kWorkedExample));
    QVERIFY(w_->showRecord(3));
    w_->typeInto(record::txtOno, QStringLiteral("being typed"));
    statuses_.clear();
    dialogs_.expectMessage(kTitle, kQuestion, Icon::Question, Buttons::OkCancel, Answer::Cancel);
    maintenance::mnuCountMedia(*w_);
    QCOMPARE(w_->state().current, 3);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("being typed"));
    QVERIFY(statuses_.isEmpty());
}

void MediaCountingTest::anEmptyAnswerCountsEverything() {
    // Cancel in the input box gives the empty text too: the entire collection is counted.
    load(withIdentities({"No0001 CD", "No0002 CD"}));
    expectStart("");
    dialogs_.expectMessage(kTitle, entireResult(2), Icon::Information);
    maintenance::mnuCountMedia(*w_);
    QCOMPARE(w_->state().current, 2);
}

void MediaCountingTest::countsPast32767() {
    // 32800 media of one record each, every tenth marked: past what a 16-bit count can hold. The
    // Identities name no kind of medium, so no icon file is looked for on the way.
    constexpr int kRecords = 32800;
    QByteArray bytes(qint64(kRecords) * store::kRecordLength, ' ');
    for (int n = 1; n <= kRecords; ++n) {
        const QByteArray identity =
            QByteArrayLiteral("N") + QByteArray::number(n).rightJustified(6, '0') +
            (n % 10 == 0 ? QByteArrayLiteral(" mark") : QByteArrayLiteral(" plain"));
        bytes.replace(qint64(n - 1) * store::kRecordLength,
                      store::fieldWidth(store::Field::Identity),
                      identity.leftJustified(store::fieldWidth(store::Field::Identity)));
    }
    dir_ = std::make_unique<CollectionDir>();
    dir_->write(QStringLiteral("Clasical.dat"), bytes);
    w_ = std::make_unique<RecordWindow>(session_, fakes_.services());
    QVERIFY(w_->Form_Load());
    QCOMPARE(w_->state().N, kRecords);

    expectStart("");
    dialogs_.expectMessage(kTitle, entireResult(kRecords), Icon::Information);
    maintenance::mnuCountMedia(*w_);
    QCOMPARE(w_->state().current, kRecords);
    QCOMPARE(w_->state().boxes[record::txtEpo], QStringLiteral("N032800 mark"));

    expectStart("mark");
    dialogs_.expectMessage(kTitle, markedResult(kRecords / 10, "mark"), Icon::Information);
    maintenance::mnuCountMedia(*w_);
    QCOMPARE(w_->state().current, 1);
}

void MediaCountingTest::aMediumOverTheEndOfABlockCountsOnce() {
    // The collection is read 2048 records at a time: records 2046 to 2052 are one marked medium
    // that begins in the first block and ends in the second; every other record is a medium of
    // its own.
    std::vector<QStringList> records;
    for (int n = 1; n <= 2100; ++n) {
        const int medium = n >= 2046 && n <= 2052 ? 2046 : n;
        records.push_back({QStringLiteral("N%1 %2")
                               .arg(medium, 6, 10, QLatin1Char('0'))
                               .arg(medium == 2046 ? "mark" : "plain"),
                           QStringLiteral("Composer %1").arg(n)});
    }
    load(records);
    expectStart("");
    dialogs_.expectMessage(kTitle, entireResult(2100 - 6), Icon::Information);
    maintenance::mnuCountMedia(*w_);
    QCOMPARE(statuses_.mid(statuses_.size() - 3),
             QStringList({progress(2100, 2093), progress(2100, 2094), ""}));
    QVERIFY(statuses_.contains(progress(2046, 2045)));
    QVERIFY(statuses_.contains(progress(2053, 2046)));
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Composer 2100"));

    expectStart("mark");
    dialogs_.expectMessage(kTitle, markedResult(1, "mark"), Icon::Information);
    maintenance::mnuCountMedia(*w_);
    QCOMPARE(w_->state().current, 1);
}

QTEST_MAIN(MediaCountingTest)
#include "tst_media_counting.moc"
