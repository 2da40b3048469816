#include "sort/sort_tool.h"

#include <QStringList>
#include <cstdio>
#include <new>

#include "sort/record_sort.h"
#include "store/collection_file.h"
#include "store/store_error.h"

namespace sorting {

namespace {

QString fieldName(store::Field key) {
    switch (key) {
        case store::Field::Identity:
            return QStringLiteral("Identity");
        case store::Field::Composer:
            return QStringLiteral("Composer");
        case store::Field::Title:
            return QStringLiteral("Title");
        case store::Field::Orchestra:
            return QStringLiteral("Orchestra");
        case store::Field::Soloists:
            return QStringLiteral("Soloists");
        case store::Field::Cover:
            return QStringLiteral("Cover");
    }
    return {};
}

QString plural(qint64 n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

QString report(const SortSummary& s, store::Field key) {
    const QString& file = store::CollectionFile::kFileName;
    if (s.records == 0 && s.trailingBytes == 0) {
        return QStringLiteral("%1 is empty: nothing to sort.\n").arg(file);
    }
    QString text =
        s.changed ? QStringLiteral("Sorted %1 of %2 by %3.\n")
                        .arg(plural(s.records, "record", "records"), file, fieldName(key))
                  : QStringLiteral("%1 is already in order by %2 (%3); it was left as it was.\n")
                        .arg(file, fieldName(key), plural(s.records, "record", "records"));
    QStringList notes;
    if (s.deleted > 0) {
        notes << plural(s.deleted, "deleted record is", "deleted records are") +
                     QStringLiteral(" at the end");
    }
    if (s.trailingBytes > 0) {
        notes << QStringLiteral("the last %1, less than a whole record, were kept at the very end")
                     .arg(plural(s.trailingBytes, "byte", "bytes"));
    }
    if (!notes.isEmpty()) {
        notes.front()[0] = notes.front()[0].toUpper();
        text += notes.join(QStringLiteral("; ")) + QLatin1String(".\n");
    }
    return text;
}

void fail(const char* toolName, const QString& what) {
    std::fputs(qPrintable(QStringLiteral("%1: %2\n").arg(QLatin1String(toolName), what)), stderr);
}

}  // namespace

int runSortTool(const char* toolName, store::Field key) {
    try {
        const SortSummary summary = sortCollectionFile(store::CollectionFile::kFileName, key);
        std::fputs(qPrintable(report(summary, key)), stdout);
        return 0;
    } catch (const store::StoreError& e) {
        fail(toolName, e.message() + QStringLiteral("; nothing was changed."));
    } catch (const std::bad_alloc&) {
        fail(toolName, QStringLiteral("not enough memory to sort %1; nothing was changed.")
                           .arg(store::CollectionFile::kFileName));
    }
    return 1;
}

}  // namespace sorting
