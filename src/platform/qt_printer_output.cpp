#include "platform/qt_printer_output.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/program_directory.h"

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

// Draws the pages on a printer that the painter has begun on. False when a new sheet could not
// be started.
bool render(QPainter& painter, QPrinter& printer, const std::vector<PrintPage>& pages) {
    const double dpi = printer.resolution();
    const QRectF paper = printer.pageLayout().paintRectPixels(printer.resolution());
    for (size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer.newPage()) return false;
        painter.setClipRect(QRectF(0, 0, paper.width(), paper.height()));
        double y = 0;
        for (const PrintLine& line : pages[p].lines) {
            if (line.topTwips >= 0) y = line.topTwips * dpi / kTwipsPerInch;
            double x = 0;
            double height = 0;
            for (const PrintItem& item : line.items) {
                const QFont font = printerFont(item, &printer);
                const QFontMetricsF metrics(font, &printer);
                const double cell = metrics.horizontalAdvance(QLatin1Char('0'));
                if (item.column > 0) x = std::max(x, (item.column - 1) * cell);
                painter.setFont(font);
                painter.setPen(item.colorMode == ColorMode::Color ? item.color : QColor(Qt::black));
                painter.drawText(QPointF(x, y + metrics.ascent()), item.text);
                x += cell * item.text.size();
                height = std::max(height, metrics.lineSpacing());
            }
            if (height == 0) {
                height = QFontMetricsF(printerFont(PrintItem{}, &printer), &printer).lineSpacing();
            }
            y += height;
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
    if (!QDir().mkpath(QFileInfo(file).absolutePath())) {
        return failed(
            QStringLiteral("The folder %1 cannot be made.").arg(QFileInfo(file).absolutePath()));
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(6, 6, 6, 6), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer)) return failed(QStringLiteral("%1 cannot be written.").arg(file));
    const bool rendered = render(painter, printer, pages);
    painter.end();
    if (!rendered || QFileInfo(file).size() == 0) {
        return failed(QStringLiteral("%1 could not be written whole.").arg(file));
    }
    return {PrintOutcome::SavedAsPdf, file, {}};
}

PrintOutcome QtPrinterOutput::print(const std::vector<PrintPage>& pages) {
    if (pages.empty()) return {};
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) return printToPdf(pages, nextPdfFile());

    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return failed(QStringLiteral("The printer %1 could not be started.")
                          .arg(defaultPrinter.printerName()));
    }
    const bool rendered = render(painter, printer, pages);
    if (!rendered) printer.abort();
    painter.end();
    if (!rendered)
        return failed(QStringLiteral("The printer %1 stopped in the middle of the job.")
                          .arg(defaultPrinter.printerName()));
    return {PrintOutcome::Printed, defaultPrinter.printerName(), {}};
}

}  // namespace platform
