#include "collection_check/html_report.h"

#include <QSaveFile>
#include <QStringBuilder>

#include "collection_check/finding_texts.h"
#include "collection_check/report_model.h"
#include "common/write_all.h"

namespace collection_check {

namespace {

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString picture(const QByteArray& png, const QString& description) {
    if (png.isEmpty()) return {};
    return QStringLiteral("<p><img alt=\"") + escaped(description) +
           QStringLiteral("\" src=\"data:image/png;base64,") + QString::fromLatin1(png.toBase64()) +
           QStringLiteral("\"></p>\n");
}

QString countTable(const QString& what, const QString& counted,
                   const QList<QPair<QString, std::int64_t>>& rows) {
    QString html = QStringLiteral("<table>\n<tr><th>") + escaped(what) +
                   QStringLiteral("</th><th>") + escaped(counted) + QStringLiteral("</th></tr>\n");
    for (const auto& [name, count] : rows) {
        html += QStringLiteral("<tr><td>") + escaped(name) +
                QStringLiteral("</td><td class=\"n\">") + QString::number(count) +
                QStringLiteral("</td></tr>\n");
    }
    return html + QStringLiteral("</table>\n");
}

const char kStyle[] =
    "body { font-family: sans-serif; margin: 2em; color: #222; }\n"
    "h1 { font-size: 1.5em; } h2 { font-size: 1.2em; margin-top: 2em; }\n"
    "table { border-collapse: collapse; margin: 1em 0; }\n"
    "th, td { border: 1px solid #bbb; padding: 0.3em 0.6em; text-align: left; "
    "vertical-align: top; }\n"
    "th { background: #f3f0d8; } td.n { text-align: right; }\n"
    "img { max-width: 100%; }\n";

}  // namespace

QByteArray htmlReport(const Report& report, const ChartPictures& charts, const QString& collection,
                      const QDateTime& checked) {
    const Figures& f = report.figures;
    QString html = QStringLiteral(
                       "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<title>Sonvella 4.0 - Collection Check</title>\n<style>\n") +
                   QLatin1String(kStyle) +
                   QStringLiteral("</style>\n</head>\n<body>\n<h1>Collection Check</h1>\n<p>") +
                   escaped(collection) + QStringLiteral(", checked on ") +
                   escaped(checked.toString(QStringLiteral("yyyy-MM-dd HH:mm"))) +
                   QStringLiteral("</p>\n");

    html += QStringLiteral("<h2>At a glance</h2>\n");
    html += countTable(QStringLiteral("Figure"), QStringLiteral("Count"),
                       {{QStringLiteral("Records"), f.records},
                        {QStringLiteral("Media"), f.media},
                        {QStringLiteral("Deleted records"), f.deleted},
                        {QStringLiteral("Records never filled in"), f.unfinished}});
    html += QStringLiteral("<h2>Media by kind</h2>\n") +
            picture(charts.mediaByKind, QStringLiteral("Media by kind")) +
            countTable(QStringLiteral("Kind"), QStringLiteral("Media"), f.mediaByKind);
    html += QStringLiteral("<h2>The composers with the most records</h2>\n") +
            picture(charts.topComposers, QStringLiteral("The composers with the most records")) +
            countTable(QStringLiteral("Composer"), QStringLiteral("Records"), f.topComposers);

    html += QStringLiteral("<h2>Findings</h2>\n");
    if (report.findings.empty()) {
        html += QStringLiteral("<p>Nothing to report.</p>\n");
    } else {
        html += QStringLiteral(
            "<table>\n<tr><th>Kind</th><th>Finding</th><th>Opus Numbers</th></tr>\n");
        for (const Finding& finding : report.findings) {
            html += QStringLiteral("<tr><td>") % escaped(kindName(finding.kind)) %
                    QStringLiteral("</td><td>") % escaped(finding.text) %
                    QStringLiteral("</td><td>") % escaped(numbersText(finding)) %
                    QStringLiteral("</td></tr>\n");
        }
        html += QStringLiteral("</table>\n");
    }
    html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

bool writeFile(const QString& path, const QByteArray& bytes, QString* reason) {
    QSaveFile file(path);
    // Unbuffered: commit() does not always report a buffer it could not flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) ||
        !common::writeAll(file, bytes) || !file.commit()) {
        *reason = file.errorString();
        return false;
    }
    return true;
}

}  // namespace collection_check
