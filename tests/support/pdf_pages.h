#pragma once
// Counts the pages of a PDF file by its page objects: enough to check what Qt's PDF writer made.

#include <QFile>
#include <QRegularExpression>

namespace testing {

inline int pdfPageCount(const QString& file) {
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QString text = QString::fromLatin1(f.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}

}  // namespace testing
