#include "print_conventions/print_conventions.h"

#include <QLocale>
#include <array>
#include <charconv>

#include "common/numbers.h"
#include "common/texts.h"
#include "platform/dialogs.h"
#include "platform/print_job.h"

namespace print_conventions {

QLatin1StringView rule(char c) {
    // The two rules are made once and handed out as they stand.
    constexpr std::size_t kLength = 250;
    const auto filled = [](char with) {
        std::array<char, kLength> line{};
        line.fill(with);
        return line;
    };
    static const std::array<char, kLength> underscores = filled('_'), hyphens = filled('-');
    Q_ASSERT(c == '_' || c == '-');
    return QLatin1StringView(c == '_' ? underscores.data() : hyphens.data(), qsizetype(kLength));
}

QString numberItem(std::int64_t n) {
    NumberItemRoom room;
    return numberItem(n, room);
}

QLatin1StringView numberItem(std::int64_t n, NumberItemRoom& room) {
    // The sign place, as numberText writes it, the digits, and the blank after.
    char* at = room.data();
    if (n >= 0) *at++ = ' ';
    at = std::to_chars(at, room.data() + room.size() - 1, n).ptr;
    *at++ = ' ';
    return QLatin1StringView(room.data(), at - room.data());
}

namespace {

// The text a date or time format puts after its first field of the given letters: "." after
// the day of "d.M.yyyy", ":" after the hour of "HH:mm", " h " after the hour of "HH 'h' mm".
// Empty when the format has no such field or nothing after it.
QString separatorAfter(const QString& format, QStringView fieldLetters) {
    qsizetype i = 0;
    bool quoted = false;
    for (; i < format.size() && (quoted || !fieldLetters.contains(format[i])); ++i) {
        if (format[i] == u'\'') quoted = !quoted;
    }
    if (i == format.size()) return {};
    const QChar field = format[i];
    while (i < format.size() && format[i] == field) ++i;
    QString separator;
    for (; i < format.size(); ++i) {
        const QChar c = format[i];
        if (c == u'\'') {
            if (i + 1 < format.size() && format[i + 1] == u'\'') {
                separator += c;  // '' is a quote itself
                ++i;
            } else {
                quoted = !quoted;
            }
        } else if (!quoted && c.isLetter()) {
            break;
        } else {
            separator += c;
        }
    }
    return separator;
}

}  // namespace

QString printedOn(const QDateTime& when) {
    // The shape stays d/M/yyyy and hh:mm whatever the locale's own order and padding; only its
    // separators are taken. The C locale is no user's choice: it keeps "/" and ":".
    const QLocale locale;
    QString dateSeparator = QStringLiteral("/");
    QString timeSeparator = QStringLiteral(":");
    if (locale.language() != QLocale::C) {
        const QString date = separatorAfter(locale.dateFormat(QLocale::ShortFormat), u"dMy");
        const QString time = separatorAfter(locale.timeFormat(QLocale::ShortFormat), u"hH");
        if (!date.isEmpty()) dateSeparator = date;
        if (!time.isEmpty()) timeSeparator = time;
    }
    const QDate day = when.date();
    const QTime time = when.time();
    const QLatin1Char zero('0');
    return QString::number(day.day()) + dateSeparator + QString::number(day.month()) +
           dateSeparator + QStringLiteral("%1").arg(day.year(), 4, 10, zero) +
           QStringLiteral(", ") + QStringLiteral("%1").arg(time.hour(), 2, 10, zero) +
           timeSeparator + QStringLiteral("%1").arg(time.minute(), 2, 10, zero);
}

void setPrinterFont(platform::PrintJob& job) {
    job.setFont(QStringLiteral("courier"), 9);
}

bool endPrintJob(platform::PrintJob& job, platform::Dialogs& dialogs) {
    const platform::PrintOutcome outcome = job.endDoc();
    switch (outcome.kind) {
        case platform::PrintOutcome::Nothing:
        case platform::PrintOutcome::Printed:
            return true;
        case platform::PrintOutcome::SavedAsPdf:
            dialogs.show(common::kTitle,
                         QStringLiteral("No printer is installed: the printout was saved as\n") +
                             outcome.where,
                         platform::Icon::Information);
            return true;
        case platform::PrintOutcome::Failed:
            break;
    }
    job.cancel();
    dialogs.show(common::kTitle, QStringLiteral("Nothing was printed:\n") + outcome.error,
                 platform::Icon::Exclamation);
    return false;
}

}  // namespace print_conventions
