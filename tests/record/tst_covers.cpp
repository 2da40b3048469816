// The media icon, the cover panel, the cover windows and copying covers to the clipboard.

#include <QDir>
#include <QImage>
#include <QMap>
#include <QTest>

#include "record/cover_names.h"
#include "record/media_icon.h"
#include "record/record_window.h"
#include "support/collection_dir.h"
#include "support/fakes.h"
#include "support/window_test.h"

using platform::Icon;
using record::RecordWindow;
using testing::CollectionDir;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0");

QImage picture(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

}  // namespace

class CoversTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void iconFollowsTheIdentity_data();
    void iconFollowsTheIdentity();
    void showingARecordLoadsItsIcon();
    void eachIconIsDecodedOncePerLoad();
    void coverNamesComeFromTheIdentity_data();
    void coverNamesComeFromTheIdentity();
    void showAndHideThePanel();
    void aWideCoverIsLowered();
    void aMissingCoverHidesThePanel();
    void namesThatLeaveTheCoversFolderAreNeverOpened_data();
    void namesThatLeaveTheCoversFolderAreNeverOpened();
    void nextAndPreviousRefreshThePanel();
    void theMenuEntryRefreshesOnlyAShownPanel();
    void theEnlargedCoverPicksItsImage();
    void theBackCoverWindow();
    void copyingPutsThePictureOnTheClipboard();
    void thePanelPicturesShowTheSplash();

private:
    void saveCover(const QString& name, const QImage& image) const {
        QVERIFY(QDir().mkpath(dir_->path("Sonvella400/Covers")));
        QVERIFY(image.save(dir_->path("Sonvella400/Covers/" + name), "JPG"));
    }
    QString coverPath(const QString& name) const {
        return dir_->path("Sonvella400/Covers/" + name);
    }
    void expectMissing(const QString& name) {
        dialogs_.expectMessage(
            kTitle, "CD,DVD,LP or Tape Cover Image:\n" + coverPath(name) + "\nwas not found.",
            Icon::Exclamation);
    }
};

void CoversTest::iconFollowsTheIdentity_data() {
    QTest::addColumn<QString>("identity");
    QTest::addColumn<QString>("icon");
    QTest::newRow("a single beats CD") << "CD 45-45"
                                       << "45.jpg";
    QTest::newRow("r45") << "Single r45"
                         << "45.jpg";
    QTest::newRow("r78") << "No0011 r78"
                         << "78.jpg";
    QTest::newRow("-78") << "Shellac-78"
                         << "78.jpg";
    QTest::newRow("lower case sacd") << "sacd 1"
                                     << "";
    QTest::newRow("SACD") << "SACD 1"
                          << "Sa.jpg";
    QTest::newRow("CD") << "No0001 CD"
                        << "Cd.jpg";
    QTest::newRow("VCD is a CD") << "VCD 9"
                                 << "Cd.jpg";
    QTest::newRow("DVD-A") << "DVD-A 3"
                           << "Da.jpg";
    QTest::newRow("DVD") << "No0009 DVD"
                         << "Dv.jpg";
    QTest::newRow("LP") << "No0003 LP"
                        << "Lp.jpg";
    QTest::newRow("DAT") << "DAT 2"
                         << "Dt.jpg";
    QTest::newRow("REEL") << "REEL 1"
                          << "Rl.jpg";
    QTest::newRow("DCC") << "DCC 4"
                         << "Dc.jpg";
    QTest::newRow("MC") << "MC 5"
                        << "Mc.jpg";
    QTest::newRow("VC") << "VC 6"
                        << "Vc.jpg";
    QTest::newRow("MD") << "MD 7"
                        << "Md.jpg";
    QTest::newRow("nothing") << "MiniDisc"
                             << "";
    QTest::newRow("deleted") << "~~~"
                             << "";
}

void CoversTest::iconFollowsTheIdentity() {
    QFETCH(QString, identity);
    QFETCH(QString, icon);
    QCOMPARE(record::mediaIconFor(identity.toLatin1().leftJustified(45)), icon);
}

void CoversTest::showingARecordLoadsItsIcon() {
    load({{"No0001 CD"}, {"No0002 LP"}, {"No0003 Tape"}, {"No0004 CD"}});
    QVERIFY(w_->state().icon.isNull());  // no icon files yet: nothing was shown
    dir_->write("Cd.jpg", {});
    QVERIFY(picture(40, 30, Qt::red).save(dir_->path("Cd.jpg"), "JPG"));
    // Icons are decoded once for each load of the window: the new file shows after the next.
    QVERIFY(w_->ShowCR());
    QVERIFY(w_->state().icon.isNull());
    w_ = std::make_unique<RecordWindow>(session_, fakes_.services());
    QVERIFY(w_->Form_Load());
    QCOMPARE(w_->state().icon.size(), QSize(40, 30));
    QVERIFY(w_->state().iconBorder);
    // No "Lp.jpg": the CD icon stays, with its border.
    w_->cmdNext();
    QCOMPARE(w_->state().icon.size(), QSize(40, 30));
    QVERIFY(w_->state().iconBorder);
    // No kind of medium named: no picture, no border.
    w_->cmdNext();
    QVERIFY(w_->state().icon.isNull());
    QVERIFY(!w_->state().iconBorder);
}

void CoversTest::eachIconIsDecodedOncePerLoad() {
    // Sixty records of three kinds and one that names none; there is no LP icon file.
    const QStringList kinds = {"CD", "LP", "DVD", "Tape"};
    std::vector<QStringList> records;
    for (int n = 1; n <= 60; ++n)
        records.push_back(
            {QStringLiteral("No%1 %2").arg(n, 4, 10, QLatin1Char('0')).arg(kinds[n % 4])});
    load(records);
    QVERIFY(picture(40, 30, Qt::red).save(dir_->path("Cd.jpg"), "JPG"));
    QVERIFY(picture(20, 10, Qt::blue).save(dir_->path("Dv.jpg"), "JPG"));
    QMap<QString, int> decoded;
    w_->mediaIcons().setDecoder([&decoded](const QString& file) {
        ++decoded[file];
        return QImage(file);
    });
    // By hand (F2), back (F1), and in a pass over the whole collection.
    for (int n = 1; n < 60; ++n) w_->cmdNext();
    for (int n = 1; n < 30; ++n) w_->cmdPrevious();
    QVERIFY(w_->showRecords(1, w_->state().N, [] {}));
    QCOMPARE(decoded, (QMap<QString, int>{{"Cd.jpg", 1}, {"Lp.jpg", 1}, {"Dv.jpg", 1}}));
    QCOMPARE(w_->state().current, 60);  // a CD
    QCOMPARE(w_->state().icon.size(), QSize(40, 30));
    QVERIFY(w_->showRecord(57));  // an LP, without its icon file: the CD's icon stays
    QCOMPARE(w_->state().icon.size(), QSize(40, 30));
    QVERIFY(w_->showRecord(58));
    QCOMPARE(w_->state().icon.size(), QSize(20, 10));
    QVERIFY(w_->showRecord(59));  // no kind of medium named
    QVERIFY(w_->state().icon.isNull() && !w_->state().iconBorder);
    QCOMPARE(decoded.size(), 3);
}

void CoversTest::coverNamesComeFromTheIdentity_data() {
    QTest::addColumn<QString>("identity");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("label");
    QTest::newRow("seventh a blank") << "CD 4711 Deutsche"
                                     << "CD 4711"
                                     << "Cover of CD 4711";
    QTest::newRow("short") << "LP 123"
                           << "LP 123"
                           << "Cover of LP 123 ";
    QTest::newRow("long") << "LP12345678"
                          << "LP12345"
                          << "Cover of LP12345";
    QTest::newRow("blank in the first six") << "A B CDEF"
                                            << "A B CDE"
                                            << "Cover of A B CDE";
    QTest::newRow("demo style") << "No0001 CD"
                                << "No0001"
                                << "Cover of No0001 ";
    QTest::newRow("empty") << ""
                           << "      "
                           << "Cover of        ";
}

void CoversTest::coverNamesComeFromTheIdentity() {
    QFETCH(QString, identity);
    QFETCH(QString, name);
    QFETCH(QString, label);
    const QString stored = identity.leftJustified(45);
    QCOMPARE(record::coverName(stored), name);
    QCOMPARE(record::coverLabel(stored), label);
}

void CoversTest::showAndHideThePanel() {
    load({{"No0001 CD"}});
    saveCover("No0001.jpg", picture(100, 150, Qt::blue));
    w_->coverPanel().Command10();
    QCOMPARE(w_->coverPanel().state().coverShown, std::int16_t(1));
    QCOMPARE(w_->state().widthTwips, 15000);
    QCOMPARE(w_->coverPanel().state().command10Caption, QStringLiteral("TEXT"));
    QVERIFY(w_->coverPanel().state().coverImageMenuEnabled);
    QCOMPARE(w_->coverPanel().state().label19, QStringLiteral("Cover of No0001 "));
    QCOMPARE(w_->coverPanel().state().cover.size(), QSize(100, 150));
    QCOMPARE(w_->coverPanel().state().coverHeight, 361);
    w_->coverPanel().Command10();
    QCOMPARE(w_->coverPanel().state().coverShown, std::int16_t(0));
    QCOMPARE(w_->state().widthTwips, 11200);
    QCOMPARE(w_->coverPanel().state().command10Caption, QStringLiteral("IMAGE"));
    QVERIFY(!w_->coverPanel().state().coverImageMenuEnabled);
}

void CoversTest::aWideCoverIsLowered() {
    load({{"LP 123"}});
    saveCover("LP 123.jpg", picture(300, 200, Qt::green));
    w_->coverPanel().Command10();
    QCOMPARE(w_->coverPanel().state().coverHeight, 210);
    QCOMPARE(w_->coverPanel().state().coverShown, std::int16_t(1));
}

void CoversTest::aMissingCoverHidesThePanel() {
    load({{"No0002 LP"}});
    expectMissing("No0002.jpg");
    w_->coverPanel().Command10();
    QCOMPARE(w_->coverPanel().state().coverShown, std::int16_t(0));
    QCOMPARE(w_->state().widthTwips, 11200);
    QCOMPARE(w_->coverPanel().state().command10Caption, QStringLiteral("IMAGE"));
    QVERIFY(!w_->coverPanel().state().coverImageMenuEnabled);
}

void CoversTest::namesThatLeaveTheCoversFolderAreNeverOpened_data() {
    QTest::addColumn<QString>("identity");
    QTest::addColumn<QString>("name");
    // clang-format off
    QTest::newRow("parent folder") << "../cov CD" << "../cov";
    QTest::newRow("a path") << "a/bcde CD" << "a/bcde";
    QTest::newRow("back slashes") << "a\\bcde CD" << "a\\bcde";
    QTest::newRow("drive letter") << "C:cover" << "C:cover";
    // clang-format on
}

void CoversTest::namesThatLeaveTheCoversFolderAreNeverOpened() {
    QFETCH(QString, identity);
    QFETCH(QString, name);
    load({{identity}});
    // A picture waits where the name would lead: it must not be shown.
    QVERIFY(picture(10, 10, Qt::black).save(dir_->path("Sonvella400/cov.jpg"), "JPG"));
    expectMissing(name + ".jpg");
    w_->coverPanel().Command10();
    QVERIFY(w_->coverPanel().state().cover.isNull());
    QCOMPARE(w_->coverPanel().state().coverShown, std::int16_t(0));
    dialogs_.expectMessage(kTitle, "Image Loading Error", Icon::Exclamation);
    w_->coverPanel().Image2_Click();
    QVERIFY(!w_->coverPanel().state().frmCoverImage.open);
}

void CoversTest::nextAndPreviousRefreshThePanel() {
    load({{"No0001 CD"}, {"No0002 CD"}, {"No0003 LP"}, {"No0004 LP"}});
    saveCover("No0001.jpg", picture(100, 150, Qt::blue));
    saveCover("No0002.jpg", picture(200, 100, Qt::red));
    w_->coverPanel().Command10();
    w_->cmdNext();
    QCOMPARE(w_->coverPanel().state().cover.size(), QSize(200, 100));
    QCOMPARE(w_->coverPanel().state().coverHeight, 210);
    QCOMPARE(w_->coverPanel().state().label19, QStringLiteral("Cover of No0002 "));
    w_->cmdPrevious();
    QCOMPARE(w_->coverPanel().state().cover.size(), QSize(100, 150));
    QCOMPARE(w_->coverPanel().state().coverHeight, 361);
    // At the first record the same cover is shown again after the message.
    dialogs_.expectBeep().expectMessage(kTitle, "First Opus Number Reached", Icon::Exclamation);
    w_->cmdPrevious();
    QCOMPARE(w_->coverPanel().state().coverShown, std::int16_t(1));
    // A record without a cover: the message once, and the panel is hidden...
    w_->cmdNext();
    expectMissing("No0003.jpg");
    w_->cmdNext();
    QCOMPARE(w_->coverPanel().state().coverShown, std::int16_t(0));
    // ...so the next move does not look for a cover at all.
    w_->cmdNext();
    QCOMPARE(w_->state().current, 4);
}

void CoversTest::theMenuEntryRefreshesOnlyAShownPanel() {
    load({{"No0001 CD"}, {"No0002 CD"}});
    saveCover("No0002.jpg", picture(120, 80, Qt::yellow));
    w_->coverPanel().mnuCoverImage();  // hidden: nothing happens, no message
    QCOMPARE(w_->state().widthTwips, 11250);
    QVERIFY(w_->showRecord(2));
    w_->coverPanel().Command10();
    // A search or go-to moved on; the menu entry shows the cover of record 1.
    QVERIFY(w_->showRecord(1));
    expectMissing("No0001.jpg");
    w_->coverPanel().mnuCoverImage();
    QCOMPARE(w_->coverPanel().state().coverShown, std::int16_t(0));
}

void CoversTest::theEnlargedCoverPicksItsImage() {
    load({{"No0001 CD"}, {"No0002 CD"}});
    saveCover("No0001.jpg", picture(100, 150, Qt::blue));
    saveCover("No0002.jpg", picture(300, 200, Qt::red));
    w_->coverPanel().Command10();
    w_->coverPanel().Image2_Click();
    QVERIFY(w_->coverPanel().state().frmCoverImage.open);
    QVERIFY(!w_->coverPanel().state().frmCoverImage.wide);
    QCOMPARE(w_->coverPanel().state().frmCoverImage.caption,
             QStringLiteral("Sonvella 4.0 - My Music Collection - Cover of No0001 "));
    QCOMPARE(w_->coverPanel().state().frmCoverImage.picture.size(), QSize(100, 150));
    w_->cmdNext();
    w_->coverPanel().Image2_Click();
    QVERIFY(w_->coverPanel().state().frmCoverImage.wide);
    QCOMPARE(w_->coverPanel().state().frmCoverImage.picture.size(), QSize(300, 200));
    // A cover that is no JPEG at all cannot be loaded.
    dir_->write("Sonvella400/Covers/No0002.jpg", "not a picture");
    dialogs_.expectMessage(kTitle, "Image Loading Error", Icon::Exclamation);
    w_->coverPanel().Image2_Click();
    QVERIFY(!w_->coverPanel().state().frmCoverImage.open);
}

void CoversTest::theBackCoverWindow() {
    load({{"No0001 CD"}, {"No0002 CD"}});
    saveCover("No0001.jpg", picture(100, 150, Qt::blue));
    saveCover("No0001B.jpg", picture(160, 100, Qt::gray));
    w_->coverPanel().Command10();
    w_->coverPanel().Label20_Click();
    QVERIFY(w_->coverPanel().state().frmBackImage.open);
    QVERIFY(w_->coverPanel().state().frmBackImage.wide);
    QCOMPARE(w_->coverPanel().state().frmBackImage.caption,
             QStringLiteral("Sonvella 4.0 - My Music Collection - Cover of No0001  Back"));
    QVERIFY(w_->showRecord(2));
    dialogs_.expectMessage(kTitle, "Back Cover image does not exist", Icon::Exclamation);
    w_->coverPanel().Label20_Click();
    QVERIFY(!w_->coverPanel().state().frmBackImage.open);
}

void CoversTest::copyingPutsThePictureOnTheClipboard() {
    load({{"No0001 CD"}});
    saveCover("No0001.jpg", picture(100, 150, Qt::blue));
    saveCover("No0001B.jpg", picture(150, 100, Qt::gray));
    w_->coverPanel().Command10();
    dialogs_.expectMessage(kTitle, "This Cover Image was copied to the Clipboard",
                           Icon::Information);
    w_->coverPanel().Label19_Click();
    QCOMPARE(fakes_.clipboard.images.size(), size_t(1));
    QCOMPARE(fakes_.clipboard.images.back().size(), QSize(100, 150));
    w_->coverPanel().Label20_Click();
    dialogs_.expectMessage(kTitle, "This Cover Image was copied to the Clipboard",
                           Icon::Information);
    w_->coverPanel().copyPicture(record::CoverSide::Back);
    QCOMPARE(fakes_.clipboard.images.back().size(), QSize(150, 100));
}

void CoversTest::thePanelPicturesShowTheSplash() {
    load({{"No0001 CD"}});
    w_->Picture_Click();
    QCOMPARE(fakes_.shell.splashShown, 1);
}

QTEST_GUILESS_MAIN(CoversTest)
#include "tst_covers.moc"
