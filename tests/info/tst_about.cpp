// The about window: its record count of the collection file, taken afresh at each opening, its
// fixed texts, and its buttons.

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "info/frm_about.h"
#include "info/info_windows.h"
#include "store/opus_record.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "ui/twips.h"

using info::FrmAbout;
using testing::CollectionDir;

namespace {

QString biblio(QWidget* about) {
    return about->findChild<QLabel*>(QStringLiteral("lblBiblio"))->text();
}

// Lets the windows that closed themselves go.
void deleteClosedWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void countsTheRecordsOfTheCollectionFile_data();
    void countsTheRecordsOfTheCollectionFile();
    void countsAfreshAtEachOpening();
    void showsItsFixedTexts();
    void namesTheOpenFolderBelowItsTexts();
    void isLightYellowWithTheProgramsIcon();
    void okClosesTheWindow();
    void systemInfoStartsTheTool();

private:
    testing::Fakes fakes_;
};

void AboutTest::cleanup() {
    info::closeInfoWindows();
    fakes_.dialogs.verifyDone();
    fakes_.reset();
}

void AboutTest::countsTheRecordsOfTheCollectionFile_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<qint64>("length");
    QTest::addColumn<QString>("shown");
    const qint64 r = store::kRecordLength;
    QTest::newRow("no file") << false << qint64(0) << "My Collection Version:    0";
    QTest::newRow("empty file") << true << qint64(0) << "My Collection Version:    0";
    QTest::newRow("one record") << true << r << "My Collection Version:    1";
    QTest::newRow("345 records") << true << 345 * r << "My Collection Version:    345";
    QTest::newRow("a last part of 228 bytes counts")
        << true << 2 * r + 228 << "My Collection Version:    3";
    QTest::newRow("a last part of 227 bytes does not")
        << true << 2 * r + 227 << "My Collection Version:    2";
    QTest::newRow("less than half a record")
        << true << qint64(227) << "My Collection Version:    0";
}

void AboutTest::countsTheRecordsOfTheCollectionFile() {
    QFETCH(bool, exists);
    QFETCH(qint64, length);
    QFETCH(QString, shown);
    CollectionDir dir({}, false);
    if (exists) dir.write(QStringLiteral("Clasical.dat"), QByteArray(length, ' '));
    FrmAbout about(fakes_.processes, fakes_.dialogs);
    QCOMPARE(biblio(&about), shown);
}

void AboutTest::countsAfreshAtEachOpening() {
    CollectionDir dir(testing::numberedRecords(2));
    FrmAbout* about = info::showAbout(fakes_.processes, fakes_.dialogs);
    QCOMPARE(biblio(about), QStringLiteral("My Collection Version:    2"));
    about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    deleteClosedWindows();

    dir.write(QStringLiteral("Clasical.dat"), QByteArray(345 * store::kRecordLength, ' '));
    about = info::showAbout(fakes_.processes, fakes_.dialogs);
    QCOMPARE(biblio(about), QStringLiteral("My Collection Version:    345"));

    // Opened again while it is open: the same window, counting what was added meanwhile.
    dir.write(QStringLiteral("Clasical.dat"), QByteArray(346 * store::kRecordLength, ' '));
    QCOMPARE(info::showAbout(fakes_.processes, fakes_.dialogs), about);
    QCOMPARE(biblio(about), QStringLiteral("My Collection Version:    346"));
}

void AboutTest::showsItsFixedTexts() {
    CollectionDir dir;
    FrmAbout about(fakes_.processes, fakes_.dialogs);
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.windowTitle(), QStringLiteral("About ..."));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Sonvella Version:  4.0.0"));
    QCOMPARE(about.findChild<QLabel*>(QStringLiteral("lblDescription"))->text(),
             QStringLiteral("Catalog your Music Collection\n"
                            "Enter music info from CDs, DVDs, LPs, Tapes\n"
                            "Use a seperate entry for each music work"));
    const QStringList title =
        about.findChild<QLabel*>(QStringLiteral("lblTitle"))->text().split(QLatin1Char('\n'));
    QCOMPARE(title.size(), 2);
    QCOMPARE(title[0], QStringLiteral("Sonvella"));
    QVERIFY(!title[1].trimmed().isEmpty());
    QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("cmdOK"))->text(), QStringLiteral("OK"));
    QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->text(),
             QStringLiteral("&System Info..."));
}

void AboutTest::namesTheOpenFolderBelowItsTexts() {
    CollectionDir dir;
    FrmAbout about(fakes_.processes, fakes_.dialogs);
    const auto* folder = about.findChild<QLabel*>(QStringLiteral("lblFolder"));
    QCOMPARE(folder->text(), "Collection folder: " + QDir::toNativeSeparators(dir.path()));
    for (const char* above : {"lblDisclaimer", "cmdSysInfo", "lblBiblio"}) {
        QVERIFY2(about.findChild<QWidget*>(above)->geometry().bottom() < folder->y(), above);
    }
}

void AboutTest::isLightYellowWithTheProgramsIcon() {
    CollectionDir dir;
    FrmAbout about(fakes_.processes, fakes_.dialogs);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    const QImage shot = about.grab().toImage();
    QCOMPARE(shot.pixelColor(shot.width() - 3, shot.height() - 3), ui::kLightYellow);
    const QPixmap icon = about.findChild<QLabel*>(QStringLiteral("picIcon"))->pixmap();
    QVERIFY2(!icon.isNull(), "the icon is built into the program");
    // The icon is a black disc: its middle is neither empty nor the window's yellow.
    const QColor middle = icon.toImage().pixelColor(icon.width() / 3, icon.height() / 2);
    QVERIFY(middle.alpha() > 200);
    QVERIFY(middle != ui::kLightYellow);
    // Every control lies inside the window.
    for (QWidget* w : about.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(about.rect().contains(w->geometry()), qPrintable(w->objectName()));
    }
}

void AboutTest::okClosesTheWindow() {
    CollectionDir dir;
    QPointer<FrmAbout> about = info::showAbout(fakes_.processes, fakes_.dialogs);
    QVERIFY(about->isVisible());
    about->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    QVERIFY(!about->isVisible());
    deleteClosedWindows();
    QVERIFY(about.isNull());
}

void AboutTest::systemInfoStartsTheTool() {
    CollectionDir dir;
    fakes_.processes.programs.insert(QStringLiteral("kinfocenter"),
                                     QStringLiteral("/usr/bin/kinfocenter"));
    FrmAbout about(fakes_.processes, fakes_.dialogs);
    about.findChild<QPushButton*>(QStringLiteral("cmdSysInfo"))->click();
    QCOMPARE(fakes_.processes.started.size(), size_t(1));
    QCOMPARE(fakes_.processes.started[0].program, QStringLiteral("/usr/bin/kinfocenter"));
}

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
