// Small drawing helpers shared by every picture.
#include "paint_kit.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImageWriter>
#include <stdexcept>

namespace pictures {

namespace {

QFont family(const QString& name, qreal pixelSize, int weight, bool italic) {
    QFont font(name);
    font.setPixelSize(qMax(1, qRound(pixelSize)));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void makeFolderOf(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw std::runtime_error("cannot create the folder " + folder.toStdString());
}

}  // namespace

QFont serifFont(qreal pixelSize, int weight, bool italic) {
    return family(QStringLiteral("DejaVu Serif"), pixelSize, weight, italic);
}

QFont sansFont(qreal pixelSize, int weight) {
    return family(QStringLiteral("DejaVu Sans"), pixelSize, weight, false);
}

QFont drawFitted(QPainter& p, const QRectF& box, int flags, const QString& text, QFont font) {
    const int smallest = qMax(1, font.pixelSize() / 2);
    while (font.pixelSize() > smallest && QFontMetricsF(font).horizontalAdvance(text) > box.width())
        font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    p.drawText(box, flags, text);
    return font;
}

void drawInk(QPainter& p, const QRectF& box, int flags, const QString& text, const QFont& font,
             QColor ink) {
    p.setPen(ink);
    drawFitted(p, box, flags, text, font);
}

void scaleToDesign(QPainter& p, QSizeF size, QSizeF design) {
    p.scale(size.width() / design.width(), size.height() / design.height());
}

void drawSpaced(QPainter& p, const QRectF& box, int flags, const QString& text, QFont font,
                qreal spacing) {
    font.setLetterSpacing(QFont::PercentageSpacing, spacing);
    drawFitted(p, box, flags, text, font);
}

QString capitals(const QString& text) {
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString kept;
    bool afterGreek = false;
    for (const QChar c : decomposed) {
        const bool mark = c.category() == QChar::Mark_NonSpacing;
        if (mark && afterGreek) continue;
        if (!mark) afterGreek = c.unicode() >= 0x0370 && c.unicode() <= 0x03FF;
        kept += c;
    }
    return kept.toUpper().normalized(QString::NormalizationForm_C);
}

QImage canvas(int width, int height, QColor fill) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void saveJpeg(const QImage& image, const QString& path, int quality) {
    makeFolderOf(path);
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    writer.setOptimizedWrite(true);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 writer.errorString().toStdString());
}

void savePng(const QImage& image, const QString& path) {
    makeFolderOf(path);
    QImageWriter writer(path, "png");
    if (!writer.write(image))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 writer.errorString().toStdString());
}

qreal Dice::next() {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) / static_cast<qreal>(1u << 24);
}

}  // namespace pictures
