// Save, new, delete and paste in the main window, with scripted dialogs and real files.

#include <QFile>
#include <QTest>

#include "record/record_window.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/file_size_limit.h"
#include "support/window_test.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;
using record::RecordWindow;
using store::Field;
using testing::CollectionDir;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0");
const QString kPasteTitle = QStringLiteral("Sonvella 4.0: Paste Opus Number");
const QString kPastePrompt = QStringLiteral("Enter the Sonvella Number to Paste:");

QString padded(const QString& text, int width) {
    return text.leftJustified(width, QLatin1Char(' '), true);
}

}  // namespace

class EditingTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void init();
    void saveKeepsBlanksUntilShownAgain();
    void saveConfirmsWithTheNumber();
    void aFullWidthFieldIsStoredWhole();
    void newAppendsARecordAndSavesTheOneLeft();
    void deleteAnsweredNoChangesNothing();
    void deleteAnsweredYesBlanksTheRecord();
    void pasteEndsOnNothingOrZeros_data();
    void pasteEndsOnNothingOrZeros();
    void pasteAsksAgainForBadNumbers_data();
    void pasteAsksAgainForBadNumbers();
    void pasteRefusesATargetThatIsNotEmpty_data();
    void pasteRefusesATargetThatIsNotEmpty();
    void pasteCopiesAllSixFields_data();
    void pasteCopiesAllSixFields();
    void pasteWorksBeyond32767();
    void aWriteThatFailsIsReportedAndNothingMoves();

private:
    void load(const std::vector<QStringList>& records);

    testing::RecordingShell& shell_ = fakes_.shell;
    int focused_ = -1;
};

void EditingTest::init() {
    dialogs_ = {};
    focused_ = -1;
}

void EditingTest::load(const std::vector<QStringList>& records) {
    dir_ = std::make_unique<CollectionDir>(records);
    w_ = std::make_unique<RecordWindow>(session_, fakes_.services());
    w_->setView({{}, [this](record::Box box) { focused_ = box; }});
    QVERIFY(w_->Form_Load());
}

void EditingTest::saveKeepsBlanksUntilShownAgain() {
    load({{"No0001 CD", "Bach"}, {"No0002 LP"}});
    w_->typeInto(record::txtOno, QStringLiteral("  Ravel  "));
    dialogs_.expectMessage(kTitle, "Opus Number  1 was Saved", Icon::Information);
    w_->cmdCorrect();
    QCOMPARE(dir_->field(1, Field::Composer), padded("  Ravel", 45));
    // Shown again, the box holds the bare name, and the next save stores it so.
    QVERIFY(w_->ShowCR());
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Ravel"));
    QCOMPARE(w_->record().field(Field::Composer).toByteArray(),
             QByteArray("Ravel").leftJustified(45));
    dialogs_.expectMessage(kTitle, "Opus Number  1 was Saved", Icon::Information);
    w_->cmdCorrect();
    QCOMPARE(dir_->field(1, Field::Composer), padded("Ravel", 45));
}

void EditingTest::saveConfirmsWithTheNumber() {
    load(testing::numberedRecords(9));
    QVERIFY(w_->showRecord(7));
    w_->typeInto(record::txtSp, QStringLiteral("Decca"));
    dialogs_.expectMessage(kTitle, "Opus Number  7 was Saved", Icon::Information);
    w_->cmdCorrect();
    QCOMPARE(dir_->field(7, Field::Cover), padded("Decca", 115));
    QCOMPARE(dir_->fileLength(), 9 * 455);
}

void EditingTest::aFullWidthFieldIsStoredWhole() {
    load({{"No0001 CD"}});
    const QString full = QString(115, QLatin1Char('s'));
    w_->typeInto(record::txtEkdot, full);
    w_->typeInto(record::txtEpo, QString(50, QLatin1Char('i')));  // arrived by other means: cut
    QVERIFY(w_->SaveCR());
    QCOMPARE(dir_->field(1, Field::Soloists), full);
    QCOMPARE(dir_->field(1, Field::Identity), QString(45, QLatin1Char('i')));
    QCOMPARE(dir_->field(1, Field::Cover), QString(115, QLatin1Char(' ')));
}

void EditingTest::newAppendsARecordAndSavesTheOneLeft() {
    load(testing::numberedRecords(10));
    QVERIFY(w_->showRecord(3));
    w_->typeInto(record::txtTitlos, QStringLiteral("Edited before new"));
    w_->cmdNew();
    QCOMPARE(dir_->fileLength(), 11 * 455);
    QCOMPARE(dir_->field(11, Field::Identity), padded("No", 45));
    QCOMPARE(dir_->field(11, Field::Composer), padded("", 45));
    QCOMPARE(dir_->field(3, Field::Title), padded("Edited before new", 60));
    QCOMPARE(w_->state().N, 11);
    QCOMPARE(w_->state().current, 11);
    QCOMPARE(w_->state().caption,
             QStringLiteral("Sonvella 4.0 - My Music Collection - Opus No:  11  of  11"));
    QCOMPARE(w_->state().boxes[record::txtEpo], QStringLiteral("No"));
    QCOMPARE(focused_, int(record::txtEpo));
}

void EditingTest::deleteAnsweredNoChangesNothing() {
    load({{"No0001 CD", "Bach"}, {"No0002 LP", "Ravel"}});
    QVERIFY(w_->showRecord(2));
    w_->typeInto(record::txtOno, QStringLiteral("typed"));
    const QByteArray before = dir_->bytes();
    dialogs_.expectMessage(kTitle, "Do you wish to Delete Opus Number 2 ;", Icon::Question,
                           Buttons::YesNo, Answer::No, 1);
    w_->mnuDelete();
    QCOMPARE(dir_->bytes(), before);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("typed"));
}

void EditingTest::deleteAnsweredYesBlanksTheRecord() {
    load({{"No0001 CD", "Bach"},
          {"No0002 LP", "Ravel", "Bolero", "LSO", "none", "Decca"},
          {"No0003 CD"}});
    QVERIFY(w_->showRecord(2));
    dialogs_.expectMessage(kTitle, "Do you wish to Delete Opus Number 2 ;", Icon::Question,
                           Buttons::YesNo, Answer::Yes, 1);
    w_->mnuDelete();
    QCOMPARE(dir_->recordBytes(2), QByteArray("~~~").leftJustified(455));
    QCOMPARE(dir_->fileLength(), 3 * 455);
    QCOMPARE(w_->state().N, 3);
    QCOMPARE(w_->state().current, 2);
    QCOMPARE(w_->state().boxes[record::txtEpo], QStringLiteral("~~~"));
    for (int box = 1; box < 6; ++box) QVERIFY(w_->state().boxes[box].isEmpty());
}

void EditingTest::pasteEndsOnNothingOrZeros_data() {
    QTest::addColumn<QString>("typed");
    for (const char* typed : {"", "0", "00", "000", "0000", "00000"}) QTest::newRow(typed) << typed;
}

void EditingTest::pasteEndsOnNothingOrZeros() {
    QFETCH(QString, typed);
    load(testing::numberedRecords(5));
    const QByteArray before = dir_->bytes();
    dialogs_.expectInput(kPasteTitle, kPastePrompt, typed)
        .expectMessage(kTitle,
                       "You have typed Nothing or Zero(s) or hit <Esc>.\nPlease type a number "
                       "between 1 and  5",
                       Icon::Exclamation);
    w_->mnuPaste();
    QCOMPARE(dir_->bytes(), before);
}

void EditingTest::pasteAsksAgainForBadNumbers_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("six zeros") << "000000";
    QTest::newRow("negative") << "-4";
    QTest::newRow("letters") << "abc";
    QTest::newRow("N + 1") << "6";
    QTest::newRow("beyond 32 bits") << "99999999999";
    QTest::newRow("below 32 bits") << "-99999999999";
}

void EditingTest::pasteAsksAgainForBadNumbers() {
    QFETCH(QString, typed);
    load({{"No0001 CD", "Bach"}, {"No0002 LP"}, {"No0003 LP"}, {"No0004 LP"}, {"No0005 LP"}});
    QVERIFY(w_->showRecord(2));
    const QByteArray before = dir_->bytes();
    dialogs_.expectInput(kPasteTitle, kPastePrompt, typed)
        .expectMessage(kTitle, "Please type a number between 1 and  5", Icon::Information)
        .expectInput(kPasteTitle, kPastePrompt, "1");
    w_->mnuPaste();
    // The second answer pastes record 1 into record 2: the target stayed the remembered one.
    QCOMPARE(dir_->recordBytes(2), dir_->recordBytes(1));
    QCOMPARE(dir_->bytes().mid(910), before.mid(910));
    QCOMPARE(w_->state().current, 2);
}

void EditingTest::pasteRefusesATargetThatIsNotEmpty_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    QTest::newRow("composer") << int(record::txtOno) << "Bach";
    QTest::newRow("title") << int(record::txtTitlos) << "Mass";
    QTest::newRow("orchestra") << int(record::txtAlloi) << "LSO";
    QTest::newRow("soloists blanks only") << int(record::txtEkdot) << "   ";
}

void EditingTest::pasteRefusesATargetThatIsNotEmpty() {
    QFETCH(int, box);
    QFETCH(QString, text);
    load({{"No0001 CD", "Bach"}, {"~~~"}});
    QVERIFY(w_->showRecord(2));
    w_->typeInto(record::Box(box), text);
    const QByteArray before = dir_->bytes();
    dialogs_.expectInput(kPasteTitle, kPastePrompt, "1")
        .expectMessage(kTitle,
                       "This Opus Number is not empty.\nFirst Delete it and then use\nthe Paste "
                       "command again.",
                       Icon::Exclamation);
    w_->mnuPaste();
    QCOMPARE(dir_->bytes(), before);
}

void EditingTest::pasteCopiesAllSixFields_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("target");
    QTest::newRow("into a deleted record") << "2" << QStringList{"~~~"};
    QTest::newRow("into a fresh record") << "2" << QStringList{"No"};
    QTest::newRow("identity and cover are not looked at")
        << "2" << QStringList{"No0009 CD", "", "", "", "", "EMI"};
    QTest::newRow("2.5 pastes record 2") << "2.5" << QStringList{"~~~"};
    QTest::newRow("blanks around the number") << " 2 " << QStringList{"~~~"};
}

void EditingTest::pasteCopiesAllSixFields() {
    QFETCH(QString, typed);
    QFETCH(QStringList, target);
    load({{"No0001 CD"},
          {"  No0002 LP", "Mahler  ", "Symphony No. 2", "LSO", "Baker", "  EMI"},
          target});
    QVERIFY(w_->showRecord(3));
    dialogs_.expectInput(kPasteTitle, kPastePrompt, typed);
    w_->mnuPaste();
    const QStringList expected{"No0002 LP", "Mahler", "Symphony No. 2", "LSO", "Baker", "EMI"};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(w_->state().boxes[i], expected[i]);
        QCOMPARE(dir_->field(3, store::kAllFields[i]),
                 padded(expected[i], store::kFieldLayout[i].width));
    }
    QCOMPARE(w_->state().current, 3);
}

void EditingTest::pasteWorksBeyond32767() {
    // A sparse file: only its size matters for the record count; the target is a deleted record.
    dir_ = std::make_unique<CollectionDir>();
    {
        QFile f(dir_->path("Clasical.dat"));
        QVERIFY(f.open(QIODevice::ReadWrite));
        f.write(testing::record({"No0001 CD", "Bach", "Partita"}).bytes().toByteArray());
        QVERIFY(f.resize(qint64(40000) * 455));
        QVERIFY(f.seek(qint64(39998) * 455));
        f.write(testing::record({"~~~"}).bytes().toByteArray());
    }
    w_ = std::make_unique<RecordWindow>(session_, fakes_.services());
    QVERIFY(w_->Form_Load());
    QCOMPARE(w_->state().N, 40000);
    QVERIFY(w_->showRecord(39999));
    dialogs_.expectInput(kPasteTitle, kPastePrompt, "1");
    w_->mnuPaste();
    QCOMPARE(dir_->field(39999, Field::Title), padded("Partita", 60));
    QCOMPARE(w_->state().current, 39999);
}

void EditingTest::aWriteThatFailsIsReportedAndNothingMoves() {
#ifndef Q_OS_UNIX
    QSKIP("needs a per-process file size limit");
#else
    // An empty collection on a disk that takes no byte more.
    dir_ = std::make_unique<CollectionDir>(std::vector<QStringList>{}, false);
    w_ = std::make_unique<RecordWindow>(session_, fakes_.services());
    QVERIFY(w_->Form_Load());
    const testing::FileSizeLimit limit(0);
    QVERIFY(limit.active());
    w_->typeInto(record::txtOno, QStringLiteral("Typed"));
    const QString full = QStringLiteral("Opus Number  1 could not be saved:\n") +
                         dir_->path("Clasical.dat") + QStringLiteral(": File too large");
    dialogs_.expectMessage(kTitle, full, Icon::Exclamation);
    w_->cmdCorrect();  // no "was Saved" after it
    dialogs_.expectMessage(kTitle, full, Icon::Exclamation);
    w_->cmdNew();
    QCOMPARE(w_->state().N, 1);
    QCOMPARE(w_->state().current, 1);
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Typed"));
#endif
}

QTEST_GUILESS_MAIN(EditingTest)
#include "tst_editing.moc"
