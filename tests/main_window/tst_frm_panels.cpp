// The cover and pick-list panels as widgets: window sizes in twips, the cover windows, the
// pick lists' boxes and buttons, under the offscreen platform.

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>

#include "main_window/frm_istoriki.h"
#include "store/collation.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/shown_window_test.h"
#include "ui/twips.h"

using main_window::FrmIstoriki;
using platform::Icon;
using record::RecordWindow;
using testing::CollectionDir;

class FrmPanelsTest : public testing::ShownWindowTest {
    Q_OBJECT
private slots:
    void init();
    void theCoverPanelWidensTheWindow();
    void theCoverWindowsShowOnePictureAndItsButton_data();
    void theCoverWindowsShowOnePictureAndItsButton();
    void expandShowsThePickLists();
    void choosingFromAListFillsTheRecord();
    void addPutsTheTypedNameIntoTheList();
    void theListBoxesRefuseCharactersOutsideTheCodePage();
    void aNameIsChosenOnlyFromTheOpenList();
    void theWheelOverAClosedListChoosesNothing();
    void leavingABoxChoosesNothing();
    void closingTheOpenListChoosesNothing_data();
    void closingTheOpenListChoosesNothing();
    void aPictureDroppedOnATextBoxIsACover_data();
    void aPictureDroppedOnATextBoxIsACover();
    void thePicturesContextMenuHoldsTheCoverCommands();

private:
    QWidget* child(const char* name) const { return window_->findChild<QWidget*>(name); }
    // The keys as the user presses them: to whichever widget has the focus, or the open list.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
    }
};

void FrmPanelsTest::init() {
    ShownWindowTest::init();
    load({{"No0001 CD"}, {"No0002 LP"}});
    QVERIFY(QDir().mkpath(dir_->path("Sonvella400/Covers")));
    QImage tall(90, 140, QImage::Format_RGB32), wide(200, 120, QImage::Format_RGB32);
    tall.fill(Qt::blue);
    wide.fill(Qt::red);
    QVERIFY(tall.save(dir_->path("Sonvella400/Covers/No0001.jpg")));
    QVERIFY(wide.save(dir_->path("Sonvella400/Covers/No0002.jpg")));
    showWindow();
}

void FrmPanelsTest::theCoverPanelWidensTheWindow() {
    auto* command10 = window_->findChild<QPushButton*>("Command10");
    auto* menuEntry = window_->findChild<QAction*>("mnuCoverImage");
    QVERIFY(!menuEntry->isEnabled());
    command10->click();
    QCOMPARE(window_->size(), ui::windowSize(15000, 5500));
    QCOMPARE(command10->text(), QStringLiteral("TEXT"));
    QVERIFY(menuEntry->isEnabled());
    auto* image2 = window_->findChild<QLabel*>("Image2");
    QCOMPARE(image2->size(), QSize(241, 361));
    QVERIFY(!image2->pixmap().isNull());
    QCOMPARE(window_->findChild<QLabel*>("Label19")->text(), QStringLiteral("Cover of No0001 "));
    // Within the widened window's width (a tall cover runs below the small window's foot).
    QVERIFY(image2->geometry().right() < window_->centralWidget()->width());
    QVERIFY(window_->findChild<QLabel*>("Label20")->geometry().right() <
            window_->centralWidget()->width());

    QTest::keyClick(window_.get(), Qt::Key_F2);  // a wide cover on the next record
    QCOMPARE(image2->size(), QSize(241, 210));
    command10->click();
    QCOMPARE(window_->size(), ui::windowSize(11200, 5500));
    QCOMPARE(command10->text(), QStringLiteral("IMAGE"));
    QVERIFY(!menuEntry->isEnabled());
}

void FrmPanelsTest::theCoverWindowsShowOnePictureAndItsButton_data() {
    QTest::addColumn<int>("record");
    QTest::addColumn<bool>("wide");
    QTest::newRow("portrait") << 1 << false;
    QTest::newRow("landscape") << 2 << true;
}

void FrmPanelsTest::theCoverWindowsShowOnePictureAndItsButton() {
    QFETCH(int, record);
    QFETCH(bool, wide);
    w_->showRecord(record);
    window_->findChild<QPushButton*>("Command10")->click();
    QTest::mouseClick(child("Image2"), Qt::LeftButton);
    auto* cover = QApplication::topLevelWidgets().isEmpty() ? nullptr : [] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->objectName() == "frmCoverImage") return w;
        }
        return static_cast<QWidget*>(nullptr);
    }();
    QVERIFY(cover);
    QVERIFY(cover->isVisible());
    QCOMPARE(cover->size(), QSize(ui::px(10485), ui::px(9960)));
    auto* image1 = cover->findChild<QLabel*>("Image1");
    auto* image2 = cover->findChild<QLabel*>("Image2");
    auto* command1 = cover->findChild<QPushButton*>("Command1");
    auto* command2 = cover->findChild<QPushButton*>("Command2");
    QCOMPARE(image1->isVisible(), wide);
    QCOMPARE(command1->isVisible(), wide);
    QCOMPARE(image2->isVisible(), !wide);
    QCOMPARE(command2->isVisible(), !wide);
    QCOMPARE(wide ? image1->geometry() : image2->geometry(),
             wide ? ui::rectTw(120, 120, 10095, 8055) : ui::rectTw(0, 0, 6855, 9615));
    QCOMPARE(wide ? command1->geometry() : command2->geometry(),
             wide ? ui::rectTw(9000, 9000, 1215, 615) : ui::rectTw(9480, 8280, 735, 1335));

    fakes_.dialogs.expectMessage("Sonvella 4.0", "This Cover Image was copied to the Clipboard",
                                 Icon::Information);
    (wide ? command1 : command2)->click();
    QCOMPARE(fakes_.clipboard.images.back().size(), wide ? QSize(200, 120) : QSize(90, 140));

    // Other changes of the main window (a scan changes it for every record) leave the cover
    // window where it is: it is not brought to the front again each time. (The offscreen
    // platform warns of every raise.)
    QTest::failOnWarning(QRegularExpression(QStringLiteral("raise")));
    w_->setStatus(QStringLiteral("Searching ..."));
    w_->typeInto(record::txtOno, QStringLiteral("Another composer"));
    w_->notify();

    cover->close();
    QVERIFY(!w_->coverPanel().state().frmCoverImage.open);
}

void FrmPanelsTest::expandShowsThePickLists() {
    auto* command5 = window_->findChild<QPushButton*>("Command5");
    QVERIFY(!child("Picture1")->isVisible());
    command5->click();
    QCOMPARE(window_->size(), ui::windowSize(11250, 9200));
    QCOMPARE(command5->text(), QStringLiteral("SHR&INK"));
    QVERIFY(child("Picture1")->isVisible());
    QVERIFY(child("Picture2")->isVisible());
    // The whole panel now lies inside the window.
    const QRect client = window_->centralWidget()->rect();
    for (const char* name : {"Combo2", "Combo9", "Command9", "cmdNew"}) {
        QVERIFY2(client.contains(child(name)->geometry()), name);
    }
    QVERIFY(!child("Combo5")->isEnabled());
    command5->click();
    QCOMPARE(window_->size(), ui::windowSize(11250, 5500));
    QCOMPARE(command5->text(), QStringLiteral("EX&PAND"));
}

void FrmPanelsTest::choosingFromAListFillsTheRecord() {
    window_->findChild<QPushButton*>("Command5")->click();
    auto* conductors = window_->findChild<QComboBox*>("Combo2");
    QCOMPARE(conductors->currentText(), QStringLiteral("CONDUCTORS"));
    conductors->setFocus();
    press(Qt::Key_Down, Qt::AltModifier);  // opens the list
    QVERIFY(conductors->view()->isVisible());
    press(Qt::Key_Down);
    press(Qt::Key_Return);  // choosing with the keyboard
    QCOMPARE(window_->findChild<QLineEdit*>("txtAlloi")->text(), QStringLiteral("Name 2 b"));
    QCOMPARE(conductors->currentText(), QString());
    QCOMPARE(dir_->field(1, store::Field::Orchestra).trimmed(), QStringLiteral("Name 2 b"));

    conductors->showPopup();  // and with the mouse
    QAbstractItemView* view = conductors->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(0, 0)).center());
    QCOMPARE(dir_->field(1, store::Field::Orchestra).trimmed(),
             QStringLiteral("Name 2 b  Name 2 a"));
}

void FrmPanelsTest::addPutsTheTypedNameIntoTheList() {
    window_->findChild<QPushButton*>("Command5")->click();
    auto* labels = window_->findChild<QComboBox*>("Combo9");
    labels->setFocus();
    labels->lineEdit()->selectAll();
    QTest::keyClicks(labels->lineEdit(), "Decca");
    fakes_.dialogs.expectMessage("Sonvella 4.0", "Label <Decca> has been added to the list",
                                 Icon::Information);
    window_->findChild<QPushButton*>("Command9")->click();
    QCOMPARE(labels->itemText(0), QStringLiteral("Decca"));
    QCOMPARE(labels->currentText(), QStringLiteral("Decca"));
    QVERIFY(dir_->bytes("Labels.txt").endsWith("Decca\r\n"));
}

void FrmPanelsTest::theListBoxesRefuseCharactersOutsideTheCodePage() {
    window_->findChild<QPushButton*>("Command5")->click();
    auto* composers = window_->findChild<QComboBox*>("Combo1");
    composers->setFocus();
    composers->lineEdit()->selectAll();
    QTest::keyClicks(composers->lineEdit(), "Dvor");
    fakes_.dialogs.expectBeep();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QStringLiteral("ř"));
    QApplication::sendEvent(composers->lineEdit(), &press);
    QCOMPARE(composers->currentText(), QStringLiteral("Dvor"));
    QCOMPARE(w_->pickPanel().state().pickTexts[0], QStringLiteral("Dvor"));
}

void FrmPanelsTest::aNameIsChosenOnlyFromTheOpenList() {
    dir_->write("Composers.txt", dir_->bytes("Composers.txt") + "Bacharach\r\nMozart\r\n");
    w_->pickPanel().load();
    w_->notify();
    window_->findChild<QPushButton*>("Command5")->click();
    auto* composers = window_->findChild<QComboBox*>("Combo1");
    composers->setFocus();
    composers->lineEdit()->selectAll();
    const QByteArray record = dir_->recordBytes(1);

    // What is typed is what is added, not a longer name of the list that begins with it.
    QTest::keyClicks(QApplication::focusWidget(), "Bach");
    fakes_.dialogs.expectMessage("Sonvella 4.0", "Composer <Bach> has been added to the list",
                                 Icon::Information);
    window_->findChild<QPushButton*>("Command1")->click();
    QVERIFY(dir_->bytes("Composers.txt").endsWith("\nBach\r\n"));

    // Neither Enter nor the arrows in the closed box choose a name.
    composers->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "Mozart");
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown})
        press(key);
    QCOMPARE(w_->state().boxes[record::txtOno], QString());
    QCOMPARE(dir_->recordBytes(1), record);
}

void FrmPanelsTest::theWheelOverAClosedListChoosesNothing() {
    window_->findChild<QPushButton*>("Command5")->click();
    auto* soloists = window_->findChild<QComboBox*>("Combo6");
    const QByteArray record = dir_->recordBytes(1);
    const QPoint centre = soloists->rect().center();
    for (int notch : {-120, 120, -120}) {
        QWheelEvent wheel(centre, soloists->mapToGlobal(centre), QPoint(), QPoint(0, notch),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(soloists, &wheel);
    }
    QCOMPARE(w_->state().boxes[record::txtEkdot], QString());
    QCOMPARE(dir_->recordBytes(1), record);
}

void FrmPanelsTest::leavingABoxChoosesNothing() {
    // A box whose text is a name of its list, left by Tab, by a click on Add or by a click into
    // another box: nothing is chosen, and the edit still waiting in the Title box stays unsaved.
    dir_->write("Orchestras.txt", dir_->bytes("Orchestras.txt") + "Wiener Philharmoniker\r\n");
    dir_->write("Labels.txt", dir_->bytes("Labels.txt") + "DG\r\n");
    w_->pickPanel().load();
    w_->notify();
    window_->findChild<QPushButton*>("Command5")->click();
    const QByteArray record = dir_->recordBytes(1);
    child("txtTitlos")->setFocus();
    QTest::keyClicks(QApplication::focusWidget(), "Unsaved title");

    auto* labels = window_->findChild<QComboBox*>("Combo9");
    labels->setFocus();
    labels->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "DG");
    press(Qt::Key_Tab);
    QVERIFY(!labels->hasFocus());

    auto* orchestras = window_->findChild<QComboBox*>("Combo4");
    orchestras->setFocus();
    orchestras->lineEdit()->selectAll();
    QTest::keyClicks(QApplication::focusWidget(), "Wiener Philharmoniker");
    fakes_.dialogs.expectMessage("Sonvella 4.0",
                                 "Orchestra <Wiener Philharmoniker> has been added to the list",
                                 Icon::Information);
    QTest::mouseClick(child("Command4"), Qt::LeftButton);
    child("txtEpo")->setFocus();  // where the user clicks next (a message box takes it too)
    QVERIFY(!orchestras->hasFocus());

    QCOMPARE(dir_->recordBytes(1), record);
    QCOMPARE(w_->state().boxes[record::txtSp], QString());
    QCOMPARE(w_->state().boxes[record::txtAlloi], QString());
    QCOMPARE(w_->state().boxes[record::txtTitlos], QStringLiteral("Unsaved title"));
}

void FrmPanelsTest::closingTheOpenListChoosesNothing_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Esc") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("F4") << int(Qt::Key_F4) << int(Qt::NoModifier);
    QTest::newRow("Alt+Up") << int(Qt::Key_Up) << int(Qt::AltModifier);
    QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier);
}

void FrmPanelsTest::closingTheOpenListChoosesNothing() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    window_->findChild<QPushButton*>("Command5")->click();
    auto* conductors = window_->findChild<QComboBox*>("Combo2");
    const QByteArray record = dir_->recordBytes(1);
    conductors->setFocus();
    press(Qt::Key_Down, Qt::AltModifier);
    QVERIFY(conductors->view()->isVisible());
    press(Qt::Key_Down);
    press(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTRY_VERIFY(!conductors->view()->isVisible());
    child("txtEpo")->setFocus();
    QCOMPARE(w_->state().boxes[record::txtAlloi], QString());
    QCOMPARE(dir_->recordBytes(1), record);
}

void FrmPanelsTest::aPictureDroppedOnATextBoxIsACover_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<QString>("written");
    QTest::newRow("Identity, front") << "txtEpo" << false << "No0001.jpg";
    QTest::newRow("Cover box, Shift: back") << "txtEkdot" << true << "No0001B.jpg";
}

void FrmPanelsTest::aPictureDroppedOnATextBoxIsACover() {
    QFETCH(QString, box);
    QFETCH(bool, shift);
    QFETCH(QString, written);
    QFile::remove(dir_->path("Sonvella400/Covers/No0001.jpg"));
    QImage photo(64, 48, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    QVERIFY(photo.save(dir_->path("photo.png")));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(dir_->path("photo.png"))});
    data.setText(dir_->path("photo.png"));

    QWidget* target = child(qPrintable(box));
    if (auto* area = qobject_cast<QAbstractScrollArea*>(target)) target = area->viewport();
    const QByteArray before = dir_->bytes();
    const QPoint at = target->rect().center();
    const Qt::KeyboardModifiers keys = shift ? Qt::ShiftModifier : Qt::NoModifier;
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, keys);
    QApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, keys);
    QApplication::sendEvent(target, &drop);

    QTRY_VERIFY(QFile::exists(dir_->path("Sonvella400/Covers/" + written)));
    QCOMPARE(QImage(dir_->path("Sonvella400/Covers/" + written)).size(), QSize(64, 48));
    // Nothing of the drop went into the record.
    QCOMPARE(window_->state().state().boxes[record::txtEpo], QStringLiteral("No0001 CD"));
    QCOMPARE(window_->state().state().boxes[record::txtEkdot], QString());
    dialogs_.expectMessage("Sonvella 4.0", "Opus Number  1 was Saved", Icon::Information);
    QTest::mouseClick(window_->findChild<QPushButton*>("cmdCorrect"), Qt::LeftButton);
    QCOMPARE(dir_->bytes(), before);
}

void FrmPanelsTest::thePicturesContextMenuHoldsTheCoverCommands() {
    QWidget* picture = child("Image2");
    QCOMPARE(picture->contextMenuPolicy(), Qt::ActionsContextMenu);
    QStringList names;
    for (QAction* action : picture->actions()) names << action->objectName();
    QCOMPARE(names, (QStringList{"mnuSetFrontCover", "mnuSetBackCover", "mnuPasteCover",
                                 "mnuRemoveCovers"}));
    QImage scan(30, 20, QImage::Format_RGB32);
    scan.fill(Qt::magenta);
    fakes_.clipboard.images.push_back(scan);
    QFile::remove(dir_->path("Sonvella400/Covers/No0001.jpg"));
    picture->actions()[2]->trigger();
    QCOMPARE(QImage(dir_->path("Sonvella400/Covers/No0001.jpg")).size(), QSize(30, 20));
}

QTEST_MAIN(FrmPanelsTest)
#include "tst_frm_panels.moc"
