// The cover commands over the main window, on real files under a temporary home: a picture from a
// file, the clipboard or a drop stored under the Identity's cover name and shown at once, the
// question before a cover is replaced, removal that asks which, and what is refused.

#include <QDir>
#include <QImage>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "covers/cover_commands.h"
#include "record/cover_panel.h"
#include "record/record_window.h"
#include "support/window_test.h"

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

const QString kTitle = QStringLiteral("Sonvella 4.0");
const QString kFilter = QStringLiteral("Pictures (*.jpg *.jpeg *.png *.bmp *.gif *.webp)");

QImage filled(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QColor middleOf(const QImage& image) {
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

bool near(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 &&
           qAbs(a.blue() - b.blue()) < 24;
}

}  // namespace

class CoverCommandsTest : public testing::WindowTest {
    Q_OBJECT
private slots:
    void aFileBecomesTheCoverShownAtOnce();
    void replacingIsAskedAndKeepsTheOldPicture_data();
    void replacingIsAskedAndKeepsTheOldPicture();
    void theClipboardsPictureIsTheFrontCover();
    void removeAsksWhichAndKeepsThem();
    void aDropSetsTheBackCoverWithShift();
    void refusedWithNothingWritten_data();
    void refusedWithNothingWritten();

private:
    QString cover(const QString& name) const { return dir_->path("Sonvella400/Covers/" + name); }
    QString writePicture(const QString& name, const QImage& image, const char* format) const {
        const QString path = dir_->path(name);
        [&] { QVERIFY(image.save(path, format)); }();
        return path;
    }
};

void CoverCommandsTest::aFileBecomesTheCoverShownAtOnce() {
    load({{"CD 4711 Deutsche Grammophon"}});
    QVERIFY(QDir().mkpath(cover({})));
    QVERIFY(filled(100, 150, Qt::blue).save(cover("CD 4711.jpg"), "JPG"));
    w_->coverPanel().Command10();  // the panel shows the blue cover
    QVERIFY(near(middleOf(w_->coverPanel().state().cover), Qt::blue));

    const QString png = writePicture("scan.png", filled(300, 200, Qt::red), "PNG");
    dialogs_.expectOpenFile("Set Front Cover of CD 4711", kFilter, "", png);
    dialogs_.expectMessage(kTitle, "Replace the cover of CD 4711?", Icon::Question, Buttons::YesNo,
                           Answer::Yes);
    covers::mnuSetFrontCover(*w_);

    QCOMPARE(QImage(cover("CD 4711.jpg")).size(), QSize(300, 200));
    QVERIFY(near(middleOf(w_->coverPanel().state().cover), Qt::red));
    const QString written = "Cover written: " + QDir::toNativeSeparators(cover("CD 4711.jpg"));
    QVERIFY2(w_->state().status.startsWith(written + " (the old one kept as "),
             qPrintable(w_->state().status));
}

void CoverCommandsTest::replacingIsAskedAndKeepsTheOldPicture_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void CoverCommandsTest::replacingIsAskedAndKeepsTheOldPicture() {
    QFETCH(bool, yes);
    load({{"No0001 CD"}});
    QVERIFY(QDir().mkpath(cover({})));
    QVERIFY(filled(100, 100, Qt::blue).save(cover("No0001B.jpg"), "JPG"));
    const QByteArray old = [&] {
        QFile f(cover("No0001B.jpg"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const QString png = writePicture("new.png", filled(50, 50, Qt::green), "PNG");
    dialogs_.expectOpenFile("Set Back Cover of No0001", kFilter, "", png);
    dialogs_.expectMessage(kTitle, "Replace the cover of No0001B?", Icon::Question, Buttons::YesNo,
                           yes ? Answer::Yes : Answer::No);
    covers::mnuSetBackCover(*w_);

    const QStringList kept = QDir(cover("Replaced")).entryList(QDir::Files);
    QCOMPARE(kept.size(), yes ? 1 : 0);
    if (yes) {
        QVERIFY(kept[0].startsWith("No0001B "));
        QFile f(cover("Replaced/" + kept[0]));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), old);
    }
    QCOMPARE(near(middleOf(QImage(cover("No0001B.jpg"))), Qt::green), yes);
}

void CoverCommandsTest::theClipboardsPictureIsTheFrontCover() {
    load({{"No0001 CD"}});
    dialogs_.expectMessage(kTitle, "The clipboard holds no picture.", Icon::Exclamation);
    covers::mnuPasteCover(*w_);
    QVERIFY(!QFile::exists(cover("No0001.jpg")));

    fakes_.clipboard.images.push_back(filled(2000, 1000, Qt::yellow));
    covers::mnuPasteCover(*w_);
    QCOMPARE(QImage(cover("No0001.jpg")).size(), QSize(1600, 800));
}

void CoverCommandsTest::removeAsksWhichAndKeepsThem() {
    load({{"No0001 CD"}});
    QVERIFY(QDir().mkpath(cover({})));
    QVERIFY(filled(10, 10, Qt::blue).save(cover("No0001.jpg"), "JPG"));
    QVERIFY(filled(10, 10, Qt::red).save(cover("No0001B.jpg"), "JPG"));
    const QString replaced = QDir::toNativeSeparators(cover("Replaced"));
    dialogs_.expectChoice(kTitle,
                          "Remove which covers of No0001?\nThey are kept in " + replaced + ".",
                          {"Front", "Back", "Both"}, 1);
    covers::mnuRemoveCovers(*w_);
    QVERIFY(QFile::exists(cover("No0001.jpg")));
    QVERIFY(!QFile::exists(cover("No0001B.jpg")));
    QCOMPARE(QDir(cover("Replaced")).entryList(QDir::Files).size(), 1);

    // Only the front is left: a plain question, and No leaves it.
    dialogs_.expectMessage(kTitle,
                           "Remove the front cover of No0001?\nIt is kept in " + replaced + ".",
                           Icon::Question, Buttons::YesNo, Answer::No);
    covers::mnuRemoveCovers(*w_);
    QVERIFY(QFile::exists(cover("No0001.jpg")));
}

void CoverCommandsTest::aDropSetsTheBackCoverWithShift() {
    load({{"No0002 LP"}});
    const QString jpeg = writePicture("photo.jpg", filled(80, 60, Qt::cyan), "JPG");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(jpeg)});
    data.setText(jpeg);  // as file managers add it: a text box would have taken it
    QVERIFY(covers::isCoverDrop(data));
    covers::dropCover(*w_, data, covers::Side::Back);
    QFile original(jpeg), stored(cover("No0002B.jpg"));
    QVERIFY(original.open(QIODevice::ReadOnly) && stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), original.readAll());  // small and upright: kept as it was

    QMimeData text;
    text.setText("Karajan");
    QVERIFY(!covers::isCoverDrop(text));
}

void CoverCommandsTest::refusedWithNothingWritten_data() {
    QTest::addColumn<QString>("identity");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("blank Identity")
        << "" << QByteArray()
        << "This record has no Identity, and a cover is named after its first seven characters.";
    QTest::newRow("a name no file can have")
        << "CD/4711" << QByteArray()
        << "The Identity \"CD/4711\" cannot name a cover file: a file name cannot hold / \\ : * ? "
           "\" < > | or \"..\".";
    QTest::newRow("not a picture")
        << "No0001 CD" << QByteArray("just text") << "%1: not a picture Sonvella can read.";
}

void CoverCommandsTest::refusedWithNothingWritten() {
    QFETCH(QString, identity);
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    load({{identity}});
    if (!file.isEmpty()) {
        dir_->write("notes.jpg", file);
        dialogs_.expectOpenFile("Set Front Cover of No0001", kFilter, "", dir_->path("notes.jpg"));
        message = message.arg(QDir::toNativeSeparators(dir_->path("notes.jpg")));
    }
    dialogs_.expectMessage(kTitle, message, Icon::Exclamation);
    covers::mnuSetFrontCover(*w_);
    QVERIFY(QDir(cover({})).entryList(QDir::Files).isEmpty());
}

QTEST_MAIN(CoverCommandsTest)
#include "tst_cover_commands.moc"
