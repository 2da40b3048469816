#include "csv/columns.h"

#include <QHash>

namespace csv {

namespace {

using store::Field;

// A name as it is compared: small letters and digits only.
QString comparable(const QString& name) {
    QString key;
    for (const QChar c : name) {
        if (c.isLetterOrNumber()) key += c.toCaseFolded();
    }
    return key;
}

const QHash<QString, NamedColumn>& knownNames() {
    static const QHash<QString, NamedColumn> names = [] {
        QHash<QString, NamedColumn> table;
        const auto add = [&table](Target target, std::initializer_list<const char*> variants) {
            for (const char* v : variants) table.insert(QString::fromLatin1(v), {true, target});
        };
        add(std::nullopt, {"opusno", "opusnumber", "opusnr", "opus", "no", "nr", "number"});
        add(Field::Identity, {"identity", "format", "media", "medium", "mediatype", "mediumtype",
                              "type", "carrier", "id"});
        add(Field::Composer, {"composer", "composers"});
        add(Field::Title, {"title", "titles", "work", "works", "opustitle", "piece"});
        add(Field::Orchestra, {"orchestraconductor", "orchestraandconductor", "conductororchestra",
                               "orchestra", "orchestras", "conductor", "conductors", "ensemble"});
        add(Field::Soloists,
            {"soloists", "soloist", "artist", "artists", "performer", "performers", "singers"});
        add(Field::Cover, {"cover", "label", "labels", "notes", "note", "comment", "comments"});
        return table;
    }();
    return names;
}

}  // namespace

const QStringList& exportColumns() {
    static const QStringList columns = {QStringLiteral("Opus No"),
                                        QStringLiteral("Identity"),
                                        QStringLiteral("Composer"),
                                        QStringLiteral("Title"),
                                        QStringLiteral("Orchestra/Conductor"),
                                        QStringLiteral("Soloists"),
                                        QStringLiteral("Cover")};
    return columns;
}

QString fieldName(store::Field field) {
    return exportColumns()[static_cast<int>(field) + 1];
}

NamedColumn columnNamed(const QString& name) {
    return knownNames().value(comparable(name));
}

bool looksLikeHeader(const QStringList& cells) {
    int filled = 0, named = 0;
    for (const QString& cell : cells) {
        if (cell.trimmed().isEmpty()) continue;
        ++filled;
        named += columnNamed(cell).known;
    }
    return named > 0 && 2 * named >= filled;
}

std::vector<Target> defaultTargets(const QStringList& header, int columns) {
    std::vector<Target> targets(std::size_t(std::max(columns, 0)));
    if (!header.isEmpty()) {
        for (int i = 0; i < columns && i < header.size(); ++i)
            targets[i] = columnNamed(header[i]).target;
        return targets;
    }
    const int first = columns >= int(exportColumns().size()) ? 1 : 0;  // the Opus No column
    for (int i = first; i < columns && i - first < store::kFieldCount; ++i)
        targets[i] = store::kAllFields[i - first];
    return targets;
}

}  // namespace csv
