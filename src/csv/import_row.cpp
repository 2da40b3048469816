#include "csv/import_row.h"

#include <QHash>
#include <QStringList>
#include <algorithm>

#include "store/codepage.h"

namespace csv {

namespace {

using store::Field;

// Two blanks, as the collection joins an orchestra and its conductor.
const QString kJoin = QStringLiteral("  ");

QString quoted(const QString& text) {
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// The characters of `text` that the code page cannot hold, each once, in the order they stand.
QStringList unstorable(const QString& text) {
    QStringList found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (store::canStore(text[i].unicode())) continue;
        // A character beyond U+FFFF is two units: it is shown whole.
        const qsizetype length =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        const QString c = text.mid(i, length);
        if (!found.contains(c)) found << c;
        i += length - 1;
    }
    return found;
}

// Line breaks (CR LF, CR, LF) as `by`; returns how many there were.
int replaceLineBreaks(QString& text, const QString& by) {
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n'))) return 0;
    QString out;
    int breaks = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            out += c;
            continue;
        }
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
        out += by;
        ++breaks;
    }
    text = out;
    return breaks;
}

void chopTrailingBlanks(QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' ')) --end;
    text.truncate(end);
}

class RowConversion {
public:
    RowConversion(const CsvRow& row, const ImportSettings& settings, ImportRow& out)
        : row_(row), settings_(settings), out_(out) {}

    void run() {
        out_.number = row_.number;
        out_.line = row_.line;
        out_.record = store::OpusRecord();
        out_.fate = Fate::Imported;
        out_.cut = false;
        out_.problems.clear();
        for (QString& v : out_.values) v.clear();
        if (row_.unterminated) {
            problem({}, ProblemKind::Unterminated,
                    QStringLiteral("A quote opens a field and is never closed: this row, to the "
                                   "end of the file, is refused."));
            out_.fate = Fate::Refused;
            return;
        }
        checkColumns();
        auto& values = out_.values;
        // Columns of the first rank join first; a row of the usual few columns has only one.
        const auto& placements = settings_.placements;
        int ranks = 1;
        for (const Placement& p : placements) ranks = std::max(ranks, p.rank + 1);
        for (int rank = 0; rank < ranks; ++rank) {
            for (std::size_t i = 0; i < row_.fields.size() && i < settings_.targets.size(); ++i) {
                const Placement placement = i < placements.size() ? placements[i] : Placement();
                const Target target = settings_.targets[i];
                if (!target || placement.rank != rank) continue;
                QString value = decode(row_.fields[i], settings_.encoding);
                chopTrailingBlanks(value);
                if (value.isEmpty()) continue;
                QString& joined = values[static_cast<int>(*target)];
                if (!joined.isEmpty()) joined += placement.tight ? QStringLiteral(" ") : kJoin;
                joined += value;
            }
        }
        for (Field f : store::kAllFields) fit(f, values[static_cast<int>(f)]);
        if (out_.fate != Fate::Refused) {
            for (Field f : store::kAllFields) out_.record.setText(f, values[static_cast<int>(f)]);
        }
    }

private:
    void problem(std::optional<Field> field, ProblemKind kind, const QString& text) {
        out_.problems.push_back({row_.number, row_.line, field, kind, text});
    }

    void checkColumns() {
        const std::int64_t expected = settings_.columns;
        if (row_.columns < expected) {
            problem({}, ProblemKind::TooFewColumns,
                    QStringLiteral("%1 columns where %2 were expected: the missing fields are "
                                   "blank.")
                        .arg(row_.columns)
                        .arg(expected));
        }
        // Empty columns after the last (a trailing separator) lose nothing.
        bool extraText = row_.columns > std::int64_t(row_.fields.size());
        for (std::size_t i = std::size_t(std::max<std::int64_t>(expected, 0));
             i < row_.fields.size(); ++i) {
            extraText = extraText || !row_.fields[i].trimmed().isEmpty();
        }
        if (row_.columns > expected && extraText) {
            problem({}, ProblemKind::TooManyColumns,
                    QStringLiteral("%1 columns where %2 were expected: the extra columns are left "
                                   "out.")
                        .arg(row_.columns)
                        .arg(expected));
        }
    }

    // Fits a value to the code page and its field's width, noting what that changes.
    void fit(Field f, QString& value) {
        if (value.isEmpty()) return;
        if (f == Field::Soloists) {
            // The Soloists box shows several lines; the collection stores their breaks as CR LF.
            replaceLineBreaks(value, QStringLiteral("\r\n"));
        } else if (const int breaks = replaceLineBreaks(value, QStringLiteral(" "))) {
            problem(f, ProblemKind::LineBreak,
                    breaks == 1
                        ? QStringLiteral("A line break was replaced by a blank.")
                        : QStringLiteral("%1 line breaks were replaced by blanks.").arg(breaks));
            chopTrailingBlanks(value);
        }
        if (mixesAlphabets(value)) {
            problem(f, ProblemKind::MixedAlphabets,
                    quoted(value) + QStringLiteral(": Greek letters inside a Latin word. Is the "
                                                   "file's encoding the one chosen?"));
        }
        makeStorable(f, value);  // a refused row still says what else it meets
        const int width = store::fieldWidth(f);
        if (value.size() <= width) return;
        const QString kept = value.left(width);
        if (settings_.cutLong) {
            problem(f, ProblemKind::TooLong,
                    QStringLiteral("%1 characters where %2 fit: cut to %3.")
                        .arg(value.size())
                        .arg(width)
                        .arg(quoted(kept)));
            out_.cut = true;
        } else {
            problem(f, ProblemKind::TooLong,
                    QStringLiteral("%1 characters where %2 fit: the row is skipped.")
                        .arg(value.size())
                        .arg(width));
            if (out_.fate == Fate::Imported) out_.fate = Fate::Skipped;
        }
        value = kept;
    }

    // Replaces accented Latin letters when asked to; refuses the row when the value still holds a
    // character the code page cannot hold.
    void makeStorable(Field f, QString& value) {
        QStringList missing = unstorable(value);
        if (missing.isEmpty()) return;
        if (settings_.replaceAccents) {
            QStringList replaced;
            for (const QString& c : std::as_const(missing)) {
                const QString plain = plainLetter(c.toUcs4().value(0));
                if (plain.isEmpty()) continue;
                value.replace(c, plain);
                replaced << c + QStringLiteral(" \u2192 ") + plain;
            }
            if (!replaced.isEmpty()) {
                problem(f, ProblemKind::Replaced,
                        replaced.join(QStringLiteral(", ")) +
                            QStringLiteral(": accented letters stored as the plain letter."));
                missing = unstorable(value);
            }
            if (missing.isEmpty()) return;
        }
        QStringList shown;
        bool accented = false;
        bool notUtf8 = false;
        for (const QString& c : std::as_const(missing)) {
            if (c == QChar(QChar::ReplacementCharacter) && settings_.encoding == Encoding::Utf8) {
                notUtf8 = true;
                continue;
            }
            accented = accented || !plainLetter(c.toUcs4().value(0)).isEmpty();
            shown << quoted(c);
        }
        QString text;
        if (!shown.isEmpty()) {
            text = shown.join(QStringLiteral(", ")) +
                   (shown.size() == 1 ? QStringLiteral(": the collection's code page "
                                                       "(Windows-1253) cannot hold it")
                                      : QStringLiteral(": the collection's code page "
                                                       "(Windows-1253) cannot hold them"));
        }
        if (notUtf8) {
            if (!text.isEmpty()) text += QStringLiteral("; ");
            text += QStringLiteral("bytes that are not UTF-8 (is the file in another encoding?)");
        }
        text += QStringLiteral(": the row is refused.");
        if (accented && !settings_.replaceAccents) {
            text += QStringLiteral(" Accented Latin letters can be replaced by the plain letter.");
        }
        text[0] = text[0].toUpper();
        problem(f, ProblemKind::Unstorable, text);
        out_.fate = Fate::Refused;
    }

    const CsvRow& row_;
    const ImportSettings& settings_;
    ImportRow& out_;
};

}  // namespace

void convertRow(const CsvRow& row, const ImportSettings& settings, ImportRow& out) {
    RowConversion(row, settings, out).run();
}

QString plainLetter(char32_t c) {
    // Letters that are not a plain letter with an accent on it, and so have no decomposition.
    static const QHash<char32_t, QString> kOwnLetters = {
        {U'ø', QStringLiteral("o")},  {U'Ø', QStringLiteral("O")},  {U'æ', QStringLiteral("ae")},
        {U'Æ', QStringLiteral("AE")}, {U'œ', QStringLiteral("oe")}, {U'Œ', QStringLiteral("OE")},
        {U'ß', QStringLiteral("ss")}, {U'ł', QStringLiteral("l")},  {U'Ł', QStringLiteral("L")},
        {U'đ', QStringLiteral("d")},  {U'Đ', QStringLiteral("D")},  {U'ð', QStringLiteral("d")},
        {U'Ð', QStringLiteral("D")},  {U'þ', QStringLiteral("th")}, {U'Þ', QStringLiteral("Th")},
        {U'ı', QStringLiteral("i")},
    };
    if (const auto it = kOwnLetters.constFind(c); it != kOwnLetters.cend()) return *it;
    if (c > 0xFFFF) return {};
    // The letter under the accents: canonical decompositions only ('ﬁ' is not an accented 'f').
    QChar letter{char16_t(c)};
    if (letter.decompositionTag() != QChar::Canonical) return {};
    while (letter.decompositionTag() == QChar::Canonical) letter = letter.decomposition().front();
    const char16_t base = letter.unicode();
    if ((base >= u'a' && base <= u'z') || (base >= u'A' && base <= u'Z')) return QString(letter);
    return {};
}

}  // namespace csv
