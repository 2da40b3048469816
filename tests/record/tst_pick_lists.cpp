// The pick-list panel: expanding the window, choosing names into the record, adding names.

#include <QTest>

#include "record/pick_lists.h"
#include "record/record_window.h"
#include "store/codepage.h"
#include "store/name_list.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/window_test.h"

using platform::Icon;
using record::RecordWindow;
using store::Field;
using testing::CollectionDir;

namespace {

// Lists in load order.
enum List { Composers, Conductors, Titles, Orchestras, SoloistsAK, SoloistsLZ, Vocal, Labels };

}  // namespace

class PickListsTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void expandTwiceShrinksAgain();
    void choosingANameFillsItsField_data();
    void choosingANameFillsItsField();
    void aLongSoloistsFieldIsCut();
    void aFilledComposerIsLeftAlone();
    void choosingSavesTheOtherEdits();
    void addPutsTheTextIntoListAndFile_data();
    void addPutsTheTextIntoListAndFile();
    void addingTwiceShowsTheNameTwice();

private:
    void load(const QStringList& record);
};

void PickListsTest::load(const QStringList& record) {
    dir_ = std::make_unique<CollectionDir>(std::vector<QStringList>{{"No0001 CD"}, record});
    w_ = std::make_unique<RecordWindow>(session_, fakes_.services());
    QVERIFY(w_->Form_Load());
    QVERIFY(w_->showRecord(2));
}

void PickListsTest::expandTwiceShrinksAgain() {
    load({"No0002 LP"});
    QCOMPARE(w_->pickPanel().state().command5Caption, QStringLiteral("EX&PAND"));
    w_->pickPanel().Command5();
    QCOMPARE(w_->state().heightTwips, 9200);
    QCOMPARE(w_->state().widthTwips, 11250);
    QCOMPARE(w_->pickPanel().state().command5Caption, QStringLiteral("SHR&INK"));
    QCOMPARE(w_->pickPanel().state().pickPanelShown, std::int16_t(1));
    w_->pickPanel().Command5();
    QCOMPARE(w_->state().heightTwips, 5500);
    QCOMPARE(w_->pickPanel().state().command5Caption, QStringLiteral("EX&PAND"));
    QCOMPARE(w_->pickPanel().state().pickPanelShown, std::int16_t(0));
}

void PickListsTest::choosingANameFillsItsField_data() {
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("before");  // what the target box holds
    QTest::addColumn<QString>("stored");  // the field as the file holds it, without its padding
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("composer into an empty box") << int(Composers) << "" << "Ravel" << "Ravel";
    QTest::newRow("conductor alone") << int(Conductors) << "" << "Ravel" << "Ravel";
    QTest::newRow("conductor after the orchestra") << int(Conductors) << "LSO" << "LSO  Ravel" << "LSO  Ravel";
    QTest::newRow("orchestra after blanks only") << int(Orchestras) << "   " << "  Ravel" << "Ravel";
    QTest::newRow("title after a title") << int(Titles) << "Bolero " << "Bolero Ravel" << "Bolero Ravel";
    QTest::newRow("soloist into an empty box") << int(SoloistsAK) << "" << "  Ravel" << "Ravel";
    QTest::newRow("vocal after a soloist") << int(Vocal) << " Callas" << "Callas  Ravel" << "Callas  Ravel";
    QTest::newRow("label into the cover") << int(Labels) << "" << "Ravel" << "Ravel";
    QTest::newRow("label after a label") << int(Labels) << "EMI" << "EMI  Ravel" << "EMI  Ravel";
    // clang-format on
}

void PickListsTest::choosingANameFillsItsField() {
    QFETCH(int, list);
    QFETCH(QString, before);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    load({"No0002"});
    const record::Box target = record::kPickLists[list].target;
    w_->typeInto(target, before);
    w_->pickPanel().setPickText(list, QStringLiteral("Ravel"));
    w_->pickPanel().pickListChosen(list, QStringLiteral("Ravel"));
    const Field f = store::kAllFields[target];
    QCOMPARE(dir_->field(2, f), stored.leftJustified(store::fieldWidth(f)));
    QCOMPARE(w_->state().boxes[target], shown);
    QCOMPARE(w_->pickPanel().state().pickTexts[list], QString());  // the selection is cleared
    QCOMPARE(w_->state().current, 2);
}

void PickListsTest::aLongSoloistsFieldIsCut() {
    load({"No0002", "", "", "", QString(110, QLatin1Char('s'))});
    w_->pickPanel().pickListChosen(SoloistsLZ, QStringLiteral("Maria Callas"));
    QCOMPARE(dir_->field(2, Field::Soloists),
             QString(110, QLatin1Char('s')) + QStringLiteral("  Mar"));
}

void PickListsTest::aFilledComposerIsLeftAlone() {
    load({"No0002", "Bach"});
    const QByteArray before = dir_->bytes();
    w_->typeInto(record::txtTitlos, QStringLiteral("pending edit"));
    w_->pickPanel().setPickText(Composers, QStringLiteral("Ravel"));
    w_->pickPanel().pickListChosen(Composers, QStringLiteral("Ravel"));
    QCOMPARE(dir_->bytes(), before);  // not even the pending edit is saved
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Bach"));
    QCOMPARE(w_->pickPanel().state().pickTexts[Composers], QString());
}

void PickListsTest::choosingSavesTheOtherEdits() {
    load({"No0002"});
    w_->typeInto(record::txtTitlos, QStringLiteral("  Bolero"));
    w_->pickPanel().pickListChosen(Composers, QStringLiteral("Ravel"));
    QCOMPARE(dir_->field(2, Field::Title), QStringLiteral("  Bolero").leftJustified(60));
    QCOMPARE(w_->state().boxes[record::txtTitlos], QStringLiteral("Bolero"));
    QCOMPARE(w_->state().boxes[record::txtOno], QStringLiteral("Ravel"));
}

void PickListsTest::addPutsTheTextIntoListAndFile_data() {
    QTest::addColumn<int>("list");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("the box's first text") << int(Composers) << "COMPOSERS"
                                          << "Composer <COMPOSERS> has been added to the list";
    QTest::newRow("empty") << int(Labels) << ""
                           << "Label <> has been added to the list";
    QTest::newRow("a vocal name") << int(Vocal) << "Maria Callas"
                                  << "Vocal/Choir <Maria Callas> has been added to the list";
    QTest::newRow("greek") << int(Conductors) << QStringLiteral("Δημήτρης Μητρόπουλος")
                           << QStringLiteral(
                                  "Conductor <Δημήτρης Μητρόπουλος> has been added to the list");
}

void PickListsTest::addPutsTheTextIntoListAndFile() {
    QFETCH(int, list);
    QFETCH(QString, text);
    QFETCH(QString, message);
    load({"No0002"});
    if (text != "COMPOSERS") w_->pickPanel().setPickText(list, text);
    const QString file = QString::fromLatin1(store::kNameLists[list].file);
    const QByteArray before = dir_->bytes(file);
    const int version = w_->pickPanel().state().listsVersion;
    dialogs_.expectMessage("Sonvella 4.0", message, Icon::Information);
    w_->pickPanel().addToPickList(list);
    QCOMPARE(dir_->bytes(file), before + store::toDisk(text) + "\r\n");
    QVERIFY(w_->pickPanel().state().lists[list].contains(text));
    QVERIFY(w_->pickPanel().state().listsVersion > version);
    QCOMPARE(w_->pickPanel().state().pickTexts[list], text);  // the box still shows what was added
}

void PickListsTest::addingTwiceShowsTheNameTwice() {
    load({"No0002"});
    w_->pickPanel().setPickText(Titles, QStringLiteral("Name 3 aa"));
    dialogs_
        .expectMessage("Sonvella 4.0", "Title text <Name 3 aa> has been added to the list",
                       Icon::Information)
        .expectMessage("Sonvella 4.0", "Title text <Name 3 aa> has been added to the list",
                       Icon::Information);
    w_->pickPanel().addToPickList(Titles);
    w_->pickPanel().addToPickList(Titles);
    // Alphabetical at once, between the names the file already held.
    QCOMPARE(w_->pickPanel().state().lists[Titles],
             (QStringList{"Name 3 a", "Name 3 aa", "Name 3 aa", "Name 3 b"}));
    QCOMPARE(dir_->bytes("Title.txt"),
             QByteArray("Name 3 b\r\nName 3 a\r\nName 3 aa\r\nName 3 aa\r\n"));
}

QTEST_GUILESS_MAIN(PickListsTest)
#include "tst_pick_lists.moc"
