#include "change_history/history_model.h"

#include <QBrush>
#include <QColor>
#include <QStringList>

#include "store/codepage.h"
#include "store/opus_record.h"

namespace change_history {

using history::Kind;

namespace {

const char* const kFieldNames[] = {"Identity", "Composer", "Title", "Orchestra/Conductor",
                                   "Soloists", "Cover"};

QString fieldChanges(const history::Entry& e) {
    const store::OpusRecord before = store::OpusRecord::fromBytes(e.before);
    const store::OpusRecord after = store::OpusRecord::fromBytes(e.after);
    QStringList changed;
    for (store::Field f : store::kAllFields) {
        const QString was = before.trimmed(f), is = after.trimmed(f);
        if (before.field(f) == after.field(f)) continue;
        changed << QLatin1String(kFieldNames[static_cast<int>(f)]) + QStringLiteral(": ") +
                       (was.isEmpty() ? QStringLiteral("(empty)") : was) +
                       QStringLiteral(" \u2192 ") + (is.isEmpty() ? QStringLiteral("(empty)") : is);
    }
    return changed.join(QLatin1Char('\n'));
}

}  // namespace

QString changeText(const history::Entry& e) {
    switch (e.kind) {
        case Kind::RecordWrite:
            return fieldChanges(e);
        case Kind::Append:
            if (e.records == 1 && !e.after.isEmpty()) {
                const store::OpusRecord added = store::OpusRecord::fromBytes(e.after);
                return QStringLiteral("Added: ") +
                       added.trimmed(store::Field::Identity).replace(QLatin1Char('\n'), u' ');
            }
            return QStringLiteral("%1 records added").arg(e.records);
        case Kind::ListAppend:
            return QStringLiteral("Added to the list: ") + store::fromDisk(e.after).trimmed();
        case Kind::Truncate:
            return e.listFile.isEmpty()
                       ? QStringLiteral("Records from Opus Number %1 on taken off").arg(e.opus)
                       : QStringLiteral("The last name taken off the list");
        case Kind::Barrier:
            return QStringLiteral("The Opus Numbers changed: nothing before can be undone");
        default:
            return {};
    }
}

HistoryModel::HistoryModel(QObject* parent)
    : ColumnTableModel({QStringLiteral("Time"), QStringLiteral("Opus No"),
                        QStringLiteral("Command"), QStringLiteral("Changes")},
                       parent) {}

void HistoryModel::setChanges(std::vector<history::Change> changes) {
    resetRows([&] { changes_ = std::move(changes); });
}

QVariant HistoryModel::cell(int row, int column) const {
    const history::Change& c = changes_[std::size_t(row)];
    const history::Entry& e = c.entry;
    switch (column) {
        case TimeColumn:
            return e.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        case OpusColumn:
            if (!e.listFile.isEmpty()) return e.listFile;
            return e.kind == Kind::Barrier ? QVariant() : QVariant(e.opus);
        case CommandColumn:
            return c.undone ? e.command + QStringLiteral(" (undone)") : e.command;
        default:
            return changeText(e);
    }
}

QVariant HistoryModel::rowLook(int row, int role) const {
    const history::Change& c = changes_[std::size_t(row)];
    // What can no longer be undone or restored is greyed.
    if (role == Qt::ForegroundRole && (c.barred || c.undone)) return QBrush(QColor(Qt::gray));
    return {};
}

}  // namespace change_history
