// Setting, replacing and removing cover pictures: what is stored, what is kept, what is refused.

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

#include "covers/cover_files.h"
#include "covers/picture_intake.h"
#include "support/file_size_limit.h"

using covers::Side;
using covers::Which;

namespace {

const QDateTime kNow(QDate(2024, 5, 17), QTime(14, 3, 9));
const QString kStamp = QStringLiteral("2024-05-17 14-03-09");
const QColor kCorner = Qt::red;

// Blue, with a red block in the top left corner to see where that corner went.
QImage picture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < height / 4; ++y) {
        for (int x = 0; x < width / 4; ++x) image.setPixelColor(x, y, kCorner);
    }
    return image;
}

QByteArray encoded(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

// An EXIF APP1 segment holding one IFD entry, the orientation, put right after the start marker.
QByteArray withOrientation(QByteArray jpeg, char orientation) {
    const char tiff[] = {'M', 'M', 0, 42, 0, 0, 0,           8, 0, 1, 0x01, 0x12, 0,
                         3,   0,   0, 0,  1, 0, orientation, 0, 0, 0, 0,    0,    0};
    const QByteArray payload = QByteArray("Exif\0\0", 6) + QByteArray(tiff, sizeof tiff);
    const int length = static_cast<int>(payload.size()) + 2;
    const char marker[] = {'\xFF', '\xE1', static_cast<char>(length >> 8),
                           static_cast<char>(length & 0xFF)};
    return jpeg.insert(2, QByteArray(marker, sizeof marker) + payload);
}

QByteArray pngChunk(const char* type, const QByteArray& data) {
    const QByteArray body = type + data;
    quint32 crc = 0xFFFFFFFF;
    for (char byte : body) {
        crc ^= static_cast<quint8>(byte);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    QByteArray chunk;
    QDataStream(&chunk, QIODevice::WriteOnly) << quint32(data.size());
    chunk += body;
    QDataStream(&chunk, QIODevice::Append) << ~crc;
    return chunk;
}

// A PNG header claiming 20000 x 20000 pixels, with no pixels behind it.
QByteArray hugePngHeader() {
    QByteArray header;
    QDataStream(&header, QIODevice::WriteOnly) << quint32(20000) << quint32(20000) << quint8(8)
                                               << quint8(2) << quint8(0) << quint8(0) << quint8(0);
    return QByteArray("\x89PNG\r\n\x1A\n") + pngChunk("IHDR", header) + pngChunk("IDAT", {});
}

}  // namespace

class CoverFilesTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void aPictureIsStoredAsJpegNoLargerThan1600_data();
    void aPictureIsStoredAsJpegNoLargerThan1600();
    void aLargeJpegIsScaledAndTurnedUpright();
    void aSmallUprightJpegIsCopiedByteForByte();
    void replacingKeepsTheOldPictureUnderItsTime();
    void removingMovesCoversIntoReplaced_data();
    void removingMovesCoversIntoReplaced();
    void removingAMissingCoverIsRefused();
    void unreadablePicturesAreRefused_data();
    void unreadablePicturesAreRefused();
    void aNameThatCannotBeAFileIsRefused_data();
    void aNameThatCannotBeAFileIsRefused();
    void aFullDiskLeavesTheOldCover();

private:
    QString write(const QString& name, const QByteArray& bytes) const;
    // The picture of `file` set as the front cover of "CD 4711"; the stored file.
    QString setFrom(const QString& file);
    QStringList entries(const QString& folder) const {
        QStringList names =
            QDir(dir_->filePath(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System);
        names.sort();
        return names;
    }
    QString covers() const { return dir_->filePath(QStringLiteral("Covers")); }

    std::unique_ptr<QTemporaryDir> dir_;
};

void CoverFilesTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
}

QString CoverFilesTest::write(const QString& name, const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(dir_->filePath(name)).path());
    QFile file(dir_->filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return file.fileName();
}

QString CoverFilesTest::setFrom(const QString& file) {
    const covers::Picture picture = covers::pictureFromFile(file);
    if (!picture.ok()) qWarning() << picture.error;
    const covers::CoverChange change =
        covers::setCover(covers(), QStringLiteral("CD 4711"), Side::Front, picture.jpeg, kNow);
    if (!change.ok()) qWarning() << change.error;
    return change.written;
}

void CoverFilesTest::aPictureIsStoredAsJpegNoLargerThan1600_data() {
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QSize>("stored");
    QTest::newRow("wide") << QByteArray("png") << QSize(3200, 1600) << QSize(1600, 800);
    QTest::newRow("tall") << QByteArray("png") << QSize(1200, 2400) << QSize(800, 1600);
    QTest::newRow("small, never scaled up")
        << QByteArray("png") << QSize(400, 300) << QSize(400, 300);
    // Qt's WebP reader allocates the whole picture even when asked for it scaled.
    QTest::newRow("over Qt's own allocation limit")
        << QByteArray("webp") << QSize(6000, 6000) << QSize(1600, 1600);
}

void CoverFilesTest::aPictureIsStoredAsJpegNoLargerThan1600() {
    QFETCH(QByteArray, format);
    QFETCH(QSize, size);
    QFETCH(QSize, stored);
    QVERIFY2(QImageReader::supportedImageFormats().contains(format),
             "Qt reads no " + format + " here: scripts/install-deps installs its plugin");
    const QImage image = picture(size.width(), size.height());
    QImageReader reader(setFrom(write("scan." + format, encoded(image, format.constData()))));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    QCOMPARE(reader.size(), stored);
}

void CoverFilesTest::aLargeJpegIsScaledAndTurnedUpright() {
    // Orientation 6: the stored top row is the picture's right side.
    const QImage image = QImage(
        setFrom(write("photo.jpg", withOrientation(encoded(picture(2400, 1200), "JPEG"), 6))));
    QCOMPARE(image.size(), QSize(800, 1600));
    QCOMPARE(image.pixelColor(image.width() - 10, 10).red() > 200, true);
    QCOMPARE(image.pixelColor(10, 10).blue() > 200, true);
}

void CoverFilesTest::aSmallUprightJpegIsCopiedByteForByte() {
    // Orientation 1 is upright too; a new encoding would drop the EXIF and change the quality.
    const QByteArray jpeg = withOrientation(encoded(picture(1600, 900), "JPEG", 60), 1);
    QFile stored(setFrom(write("photo.jpg", jpeg)));
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), jpeg);
}

void CoverFilesTest::replacingKeepsTheOldPictureUnderItsTime() {
    const QString name = QStringLiteral("CD 4711");
    QVERIFY(covers::setCover(covers(), name, Side::Back, "first", kNow).kept.isEmpty());
    const covers::CoverChange second = covers::setCover(covers(), name, Side::Back, "second", kNow);
    QVERIFY(covers::setCover(covers(), name, Side::Back, "third", kNow).ok());

    QCOMPARE(second.written, QDir::toNativeSeparators(covers() + "/CD 4711B.jpg"));
    QCOMPARE(second.kept.size(), 1);
    QCOMPARE(second.kept[0].to,
             QDir::toNativeSeparators(covers() + "/Replaced/CD 4711B " + kStamp + ".jpg"));
    QFile first(second.kept[0].to);
    QFile secondKept(covers() + "/Replaced/CD 4711B " + kStamp + " (2).jpg");
    QFile current(covers() + "/CD 4711B.jpg");
    for (QFile* file : {&first, &secondKept, &current}) QVERIFY(file->open(QIODevice::ReadOnly));
    QCOMPARE(first.readAll(), "first");
    QCOMPARE(secondKept.readAll(), "second");
    QCOMPARE(current.readAll(), "third");
}

void CoverFilesTest::removingMovesCoversIntoReplaced_data() {
    QTest::addColumn<Which>("which");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QStringList>("kept");
    const QString front = "CD 4711 " + kStamp + ".jpg";
    const QString back = "CD 4711B " + kStamp + ".jpg";
    QTest::newRow("front") << Which::Front << QStringList{"CD 4711B.jpg"} << QStringList{front};
    QTest::newRow("back") << Which::Back << QStringList{"CD 4711.jpg"} << QStringList{back};
    QTest::newRow("both") << Which::Both << QStringList{} << QStringList{front, back};
}

void CoverFilesTest::removingMovesCoversIntoReplaced() {
    QFETCH(Which, which);
    QFETCH(QStringList, left);
    QFETCH(QStringList, kept);
    write("Covers/CD 4711.jpg", "front");
    write("Covers/CD 4711B.jpg", "back");
    QVERIFY(covers::removeCovers(covers(), QStringLiteral("CD 4711"), which, kNow).ok());
    QCOMPARE(entries("Covers"), left);
    QCOMPARE(entries("Covers/Replaced"), kept);
    QFile first(covers() + "/Replaced/" + kept[0]);
    QVERIFY(first.open(QIODevice::ReadOnly));
    QCOMPARE(first.readAll(), which == Which::Back ? "back" : "front");
}

void CoverFilesTest::removingAMissingCoverIsRefused() {
    write("Covers/CD 4711.jpg", "front");
    const covers::CoverChange change =
        covers::removeCovers(covers(), QStringLiteral("CD 4711"), Which::Back, kNow);
    QVERIFY(change.error.contains("no cover picture"));
    QCOMPARE(entries("Covers"), QStringList{"CD 4711.jpg"});
}

void CoverFilesTest::unreadablePicturesAreRefused_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray png = encoded(picture(300, 300), "PNG");
    QTest::newRow("text") << "note.jpg" << QByteArray("Not a picture at all.\n")
                          << "not a picture Sonvella can read";
    QTest::newRow("truncated") << "scan.png" << png.left(png.size() / 2) << "damaged";
    QTest::newRow("over 100 megapixels")
        << "huge.png" << hugePngHeader() << "20000 x 20000 pixels, more than the 100 megapixels";
}

void CoverFilesTest::unreadablePicturesAreRefused() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const covers::Picture picture = covers::pictureFromFile(write(file, bytes));
    QVERIFY2(picture.error.startsWith(QDir::toNativeSeparators(dir_->filePath(file)) + ": "),
             qPrintable(picture.error));
    QVERIFY2(picture.error.contains(reason), qPrintable(picture.error));
    QVERIFY(picture.jpeg.isEmpty());
}

void CoverFilesTest::aNameThatCannotBeAFileIsRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << QString();
    QTest::newRow("up a folder") << "../CD 47";
    QTest::newRow("colon") << "CD:4711";
}

void CoverFilesTest::aNameThatCannotBeAFileIsRefused() {
    QFETCH(QString, name);
    QVERIFY(!covers::setCover(covers(), name, Side::Front, "jpeg", kNow).ok());
    QVERIFY(!covers::removeCovers(covers(), name, Which::Both, kNow).ok());
    QCOMPARE(QDir(dir_->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{});
}

void CoverFilesTest::aFullDiskLeavesTheOldCover() {
    const QByteArray old = encoded(picture(100, 100), "JPEG");
    write("Covers/CD 4711.jpg", old);
    const QByteArray jpeg = encoded(picture(1000, 1000), "JPEG");
    QVERIFY(jpeg.size() > 3 * old.size());
    covers::CoverChange change;
    {
        testing::FileSizeLimit limit(2 * old.size());
        QVERIFY(limit.active());
        change = covers::setCover(covers(), QStringLiteral("CD 4711"), Side::Front, jpeg, kNow);
    }
    QVERIFY2(change.error.contains("File too large"), qPrintable(change.error));
    QCOMPARE(QDir(covers()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"CD 4711.jpg"});
    QFile stored(covers() + "/CD 4711.jpg");
    QVERIFY(stored.open(QIODevice::ReadOnly));
    QCOMPARE(stored.readAll(), old);
}

QTEST_GUILESS_MAIN(CoverFilesTest)
#include "tst_cover_files.moc"
