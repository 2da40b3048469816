#include "platform/dialogs.h"

namespace platform {

void Dialogs::show(const QString& title, const QString& text, Icon icon) {
    message({title, text, icon, Buttons::Ok, 0});
}

Answer Dialogs::ask(const QString& title, const QString& text, Icon icon, Buttons buttons,
                    int defaultButton) {
    return message({title, text, icon, buttons, defaultButton});
}

}  // namespace platform
