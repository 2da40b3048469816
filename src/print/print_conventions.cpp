#include "print/print_conventions.h"

#include "common/numbers.h"
#include "common/texts.h"
#include "platform/dialogs.h"
#include "platform/print_job.h"

namespace print {

QString rule(QChar c) {
    return QString(250, c);
}

QString numberItem(std::int64_t n) {
    return common::numberText(n) + QLatin1Char(' ');
}

QString printedOn(const QDateTime& when) {
    return when.toString(QStringLiteral("d/M/yyyy")) + QStringLiteral(", ") +
           when.toString(QStringLiteral("hh:mm"));
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

}  // namespace print
