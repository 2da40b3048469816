#include "works/works_tree.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>

#include "store/codepage.h"

namespace works {

namespace {

QString count(std::int64_t n) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(qlonglong(n));
}

// The letters of a text without their accents: "Dvořák" is "Dvorak".
QString withoutAccents(const QString& text) {
    QString plain;
    for (const QChar c : text.normalized(QString::NormalizationForm_D)) {
        if (c.category() != QChar::Mark_NonSpacing) plain += c;
    }
    return plain;
}

// "II", "III", "IV": a generation after a surname ("Johann Strauss II").
bool isGeneration(const QString& word) {
    return word.size() <= 4 && std::all_of(word.begin(), word.end(), [](QChar c) {
               return QStringLiteral("IVX").contains(c);
           });
}

QByteArray reading(const QString& text) {
    return catalogue::composerReading(plainBytes(text));
}

}  // namespace

QString figuresLine(const Figures& f) {
    const QString works = f.works == 1
                              ? QStringLiteral("1 work with a catalogue number")
                              : count(f.works) + QStringLiteral(" works with catalogue numbers");
    const QString records =
        f.withoutNumber == 1
            ? QStringLiteral("1 record without a catalogue number")
            : count(f.withoutNumber) + QStringLiteral(" records without a catalogue number");
    return works + QStringLiteral("; ") + count(f.recordedMoreThanOnce) +
           QStringLiteral(" recorded more than once; ") + records;
}

QByteArray plainBytes(const QString& text) {
    return store::toDisk(withoutAccents(text));
}

QByteArray composerSortKey(const QString& name) {
    QStringList words =
        name.section(QLatin1Char(','), 0, 0).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    while (words.size() > 1 && isGeneration(words.back())) words.removeLast();
    const QString surname = words.isEmpty() ? name : words.back();
    return reading(surname) + '\0' + reading(name);
}

}  // namespace works
