#include "platform_qt/qt_printer_output.h"

#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <optional>

#include "common/write_all.h"
#include "platform/program_directory.h"
#include "platform/sheet_layout.h"

namespace platform {

namespace {

constexpr double kTwipsPerInch = 1440.0;

QFont printerFont(const PrintItem& item, QPaintDevice* device) {
    QFont font(item.fontName, 1);
    font.setPointSizeF(item.fontSize > 0 ? item.fontSize : 9);
    // "courier" and its kin: any fixed-pitch font will do, columns are its character cells.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return QFont(font, device);
}

// The fonts of a job on one device; a job changes its font seldom, so the last one is kept.
class DeviceFonts {
public:
    explicit DeviceFonts(QPaintDevice& device) : device_(device) {}

    const QFont& font(const PrintItem& item) {
        if (!metrics_ || item.fontName != name_ || item.fontSize != size_) {
            name_ = item.fontName;
            size_ = item.fontSize;
            font_ = printerFont(item, &device_);
            metrics_.emplace(font_, &device_);
        }
        return font_;
    }
    const QFontMetricsF& metrics(const PrintItem& item) {
        font(item);
        return *metrics_;
    }

    // Every line holds at least one item; the tallest font of the line sets its height.
    double lineHeight(const PrintLine& line) {
        double height = 0;
        for (const PrintItem& item : line.items) {
            height = std::max(height, metrics(item).lineSpacing());
        }
        return height > 0 ? height : metrics(PrintItem{}).lineSpacing();
    }

private:
    QPaintDevice& device_;
    QString name_;
    double size_ = 0;
    QFont font_;
    std::optional<QFontMetricsF> metrics_;
};

void drawLine(QPainter& painter, DeviceFonts& fonts, const PrintLine& line, double y) {
    double x = 0;
    for (const PrintItem& item : line.items) {
        const QFontMetricsF& metrics = fonts.metrics(item);
        const double cell = metrics.horizontalAdvance(QLatin1Char('0'));
        if (item.column > 0) x = std::max(x, (item.column - 1) * cell);
        painter.setFont(fonts.font(item));
        painter.setPen(item.colorMode == ColorMode::Color ? item.color : QColor(Qt::black));
        painter.drawText(QPointF(x, y + metrics.ascent()), item.text);
        x += cell * item.text.size();
    }
}

}  // namespace

// The pages of a job one at a time: a job as PrintJob keeps it is read back page by page, so the
// whole of a long job is never held as items at once. A page handed out stays valid until the
// next is asked for.
class QtPrinterOutput::PageReader {
public:
    explicit PageReader(const std::vector<PrintPage>& pages) : all_(&pages) {}
    explicit PageReader(const PrintPages& pages) : kept_(&pages) {}

    std::size_t size() const { return all_ ? all_->size() : kept_->size(); }
    const PrintPage& operator[](std::size_t n) {
        if (all_) return (*all_)[n];
        held_ = kept_->page(n);
        return held_;
    }

private:
    const std::vector<PrintPage>* all_ = nullptr;
    const PrintPages* kept_ = nullptr;
    PrintPage held_;
};

namespace {

// Draws the pages on a device that the painter has begun on, at `dpi` pixels to the inch, a
// new sheet wherever a page runs past the bottom. False when a new sheet could not be started.
bool render(QPainter& painter, QPagedPaintDevice& device, int dpi,
            QtPrinterOutput::PageReader& pages) {
    const QRectF paper = device.pageLayout().paintRectPixels(dpi);
    DeviceFonts fonts(device);
    const double twipsPerPixel = kTwipsPerInch / dpi;
    bool firstSheet = true;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        const std::vector<Sheet> sheets = layOutPage(
            pages[n], paper.height() * twipsPerPixel,
            [&](const PrintLine& line) { return fonts.lineHeight(line) * twipsPerPixel; });
        for (const Sheet& sheet : sheets) {
            if (!firstSheet && !device.newPage()) return false;
            firstSheet = false;
            painter.setClipRect(QRectF(0, 0, paper.width(), paper.height()));
            for (const PlacedLine& placed : sheet) {
                drawLine(painter, fonts, *placed.line, placed.topTwips / twipsPerPixel);
            }
        }
    }
    return true;
}

PrintOutcome failed(const QString& why) {
    return {PrintOutcome::Failed, {}, why};
}

}  // namespace

QtPrinterOutput::QtPrinterOutput(QString pdfFolder) : pdfFolder_(std::move(pdfFolder)) {}

QString QtPrinterOutput::nextPdfFile() const {
    const QString folder =
        pdfFolder_.isEmpty() ? programFile(QStringLiteral("Printouts")) : pdfFolder_;
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh-mm-ss"));
    QString file = QDir(folder).filePath(QStringLiteral("Sonvella %1.pdf").arg(stamp));
    for (int n = 2; QFileInfo::exists(file); ++n) {
        file = QDir(folder).filePath(QStringLiteral("Sonvella %1 (%2).pdf").arg(stamp).arg(n));
    }
    return QDir::toNativeSeparators(file);
}

PrintOutcome QtPrinterOutput::printToPdf(const std::vector<PrintPage>& pages, const QString& file) {
    PageReader reader(pages);
    return printToPdf(reader, file);
}

PrintOutcome QtPrinterOutput::printToPdf(PageReader& pages, const QString& file) {
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        return failed(
            QStringLiteral("The folder %1 cannot be made.").arg(QFileInfo(file).absolutePath()));
    }
    // The PDF writer does not notice a disk that fills up under it: the document is made in
    // memory, and only a file written whole and put in place counts as saved.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&document);
        pdf.setResolution(1200);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(6, 6, 6, 6), QPageLayout::Millimeter);
        QPainter painter;
        if (!painter.begin(&pdf)) return failed(QStringLiteral("%1 cannot be made.").arg(file));
        const bool rendered = render(painter, pdf, pdf.resolution(), pages);
        if (!painter.end() || !rendered) {
            return failed(QStringLiteral("%1 could not be made whole.").arg(file));
        }
    }
    QSaveFile out(file);
    // Unbuffered: commit() does not always report a buffer it could not flush.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !common::writeAll(out, document.data()) || !out.commit()) {
        const QString why = out.errorString();
        out.cancelWriting();
        return failed(QStringLiteral("%1 could not be written: %2").arg(file, why));
    }
    return {PrintOutcome::SavedAsPdf, file, {}};
}

PrintOutcome QtPrinterOutput::print(const std::vector<PrintPage>& pages) {
    PageReader reader(pages);
    return printAll(reader);
}

PrintOutcome QtPrinterOutput::printPages(const PrintPages& pages) {
    PageReader reader(pages);
    return printAll(reader);
}

PrintOutcome QtPrinterOutput::printAll(PageReader& pages) {
    if (pages.size() == 0) return {};
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) return printToPdf(pages, nextPdfFile());

    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return failed(QStringLiteral("The printer %1 could not be started.")
                          .arg(defaultPrinter.printerName()));
    }
    const bool rendered = render(painter, printer, printer.resolution(), pages);
    if (!rendered) printer.abort();
    painter.end();
    if (!rendered)
        return failed(QStringLiteral("The printer %1 stopped in the middle of the job.")
                          .arg(defaultPrinter.printerName()));
    return {PrintOutcome::Printed, defaultPrinter.printerName(), {}};
}

}  // namespace platform
