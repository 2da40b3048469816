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
        const auto add = [&table](Target target, std::initializer_list<const char*> variants,
                                  Placement placement = {}) {
            for (const char* v : variants)
                table.insert(QString::fromLatin1(v), {true, target, placement});
        };
        add(std::nullopt, {"opusno", "opusnumber", "opusnr", "opus", "no", "nr", "number"});
        add(Field::Identity, {"identity", "format", "media", "medium", "mediatype", "mediumtype",
                              "type", "carrier", "id"});
        add(Field::Composer, {"composer", "composers"});
        add(Field::Title, {"title", "titles", "work", "works", "opustitle", "piece"});
        // The collection writes an orchestra first and its conductor after it.
        add(Field::Orchestra, {"orchestraconductor", "orchestraandconductor", "conductororchestra",
                               "orchestra", "orchestras", "ensemble"});
        add(Field::Orchestra, {"conductor", "conductors"}, {1, false});
        add(Field::Soloists,
            {"soloists", "soloist", "artist", "artists", "performer", "performers", "singers"});
        add(Field::Cover, {"cover", "label", "labels", "notes", "note", "comment", "comments"});
        // A catalogue number follows its label: "Deutsche Grammophon 419 600-2".
        add(Field::Cover,
            {"catalog", "catalogno", "catalognumber", "catalogue", "catalogueno", "cataloguenumber",
             "catno"},
            {1, true});
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
    return named >= 2 || (named > 0 && 2 * named >= filled);
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

std::vector<Placement> placementsOf(const QStringList& header, int columns) {
    std::vector<Placement> placements;
    if (header.isEmpty()) return placements;
    placements.resize(std::size_t(std::max(columns, 0)));
    for (int i = 0; i < columns && i < header.size(); ++i)
        placements[i] = columnNamed(header[i]).placement;
    return placements;
}

}  // namespace csv
