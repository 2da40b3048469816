// The covered media of the demo collection: their sizes, designs and back-cover styles.
#include "covers.h"

#include <QDir>
#include <QPainter>

#include "back_cover.h"
#include "demo_media.h"
#include "front_covers.h"
#include "paint_kit.h"

namespace pictures {

using namespace Qt::StringLiterals;

namespace {

struct CoveredMedium {
    QString name;
    QSize front;
    QSize back;
    void (*drawFront)(QPainter&, QSizeF);
    BackStyle backStyle;
};

const QColor kWhite(236, 236, 236);

// The catalogue line of a medium.
QString catalogue(int number, const QString& format) {
    return u"SVD %1  ·  %2  ·  Sonvella demo edition"_s.arg(number, 4, 10, QChar(u'0')).arg(format);
}

// Compact discs get a square front and a tray card with two spines behind; records a square
// sleeve on both sides; the DVD a tall case; the box of two CDs a wide lid.
const QList<CoveredMedium>& media() {
    static const QList<CoveredMedium> list = {
        {u"No9001"_s,
         {600, 600},
         {690, 540},
         drawGoldbergFront,
         {.paperTop = QColor(248, 245, 236),
          .paperBottom = QColor(234, 228, 212),
          .ink = QColor(30, 34, 48),
          .accent = QColor(32, 62, 120),
          .heading = u"Johann Sebastian Bach"_s,
          .spineText = u"Bach · Goldberg Variations · Glenn Gould · SVD 0001"_s,
          .catalogue = catalogue(1, u"Compact Disc"_s),
          .barcodeSeed = 1}},
        {u"No9002"_s,
         {600, 600},
         {690, 540},
         drawKleiberFront,
         {.paperTop = QColor(30, 28, 34),
          .paperBottom = QColor(10, 10, 12),
          .ink = kWhite,
          .accent = QColor(228, 184, 84),
          .heading = u"Ludwig van Beethoven"_s,
          .spineText = u"Beethoven · Symphonies 5 & 7 · Kleiber · SVD 0002"_s,
          .catalogue = catalogue(2, u"Compact Disc"_s),
          .barcodeSeed = 2}},
        {u"No9003"_s,
         {700, 700},
         {700, 700},
         drawToscaFront,
         {.paperTop = QColor(60, 10, 20),
          .paperBottom = QColor(18, 3, 8),
          .ink = QColor(248, 234, 212),
          .accent = QColor(232, 192, 112),
          .heading = u"Giacomo Puccini · Tosca"_s,
          .catalogue = catalogue(3, u"2 Long Play records, 33⅓ rpm"_s),
          .barcodeSeed = 3}},
        {u"No9006"_s,
         {600, 600},
         {690, 540},
         drawAxionEstiFront,
         {.paperTop = QColor(236, 244, 252),
          .paperBottom = QColor(200, 222, 244),
          .ink = QColor(14, 40, 90),
          .accent = QColor(26, 96, 180),
          .heading = u"Μίκης Θεοδωράκης"_s,
          .spineText = u"Θεοδωράκης · Άξιον Εστί · SVD 0006"_s,
          .catalogue = catalogue(6, u"Compact Disc"_s),
          .barcodeSeed = 6}},
        {u"No9008"_s,
         {700, 700},
         {700, 700},
         drawNinthFront,
         {.paperTop = QColor(20, 30, 70),
          .paperBottom = QColor(10, 16, 42),
          .ink = QColor(242, 236, 222),
          .accent = QColor(234, 198, 112),
          .heading = u"Ludwig van Beethoven"_s,
          .catalogue = catalogue(8, u"Long Play record, 33⅓ rpm"_s),
          .barcodeSeed = 8}},
        {u"No9009"_s,
         {540, 760},
         {540, 760},
         drawFigaroFront,
         {.paperTop = QColor(34, 10, 14),
          .paperBottom = QColor(12, 6, 8),
          .ink = QColor(250, 240, 220),
          .accent = QColor(226, 186, 96),
          .heading = u"Mozart · Le nozze di Figaro"_s,
          .catalogue = catalogue(9, u"2 DVD Video"_s),
          .barcodeSeed = 9}},
        {u"No9014"_s,
         {800, 560},
         {800, 560},
         drawCelloSuitesFront,
         {.paperTop = QColor(44, 30, 22),
          .paperBottom = QColor(24, 16, 12),
          .ink = QColor(246, 236, 216),
          .accent = QColor(222, 182, 110),
          .heading = u"Johann Sebastian Bach"_s,
          .catalogue = catalogue(14, u"2 Compact Discs"_s),
          .barcodeSeed = 14}},
        {u"No9035"_s,
         {700, 700},
         {700, 700},
         drawHeifetzFront,
         {.paperTop = QColor(241, 233, 215),
          .paperBottom = QColor(228, 218, 196),
          .ink = QColor(26, 26, 32),
          .accent = QColor(20, 118, 128),
          .heading = u"Mendelssohn · Bruch"_s,
          .catalogue = catalogue(35, u"Long Play record, 33⅓ rpm"_s),
          .barcodeSeed = 35}},
    };
    return list;
}

QImage drawFront(const CoveredMedium& medium) {
    QImage image = canvas(medium.front.width(), medium.front.height(), Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    medium.drawFront(p, QSizeF(medium.front));
    return image;
}

}  // namespace

void makeCovers(const QString& folder, const QString& collectionPath) {
    const QDir dir(folder);
    for (const CoveredMedium& medium : media()) {
        const QList<Work> works = worksOn(collectionPath, medium.name);
        saveJpeg(drawFront(medium), dir.filePath(medium.name + u".jpg"_s), 85);
        saveJpeg(drawBackCover(medium.back, medium.backStyle, works),
                 dir.filePath(medium.name + u"B.jpg"_s), 85);
    }
}

}  // namespace pictures
