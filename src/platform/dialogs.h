#pragma once
// Every box the program shows goes through this interface: message boxes, input boxes, file
// dialogs and the beep. Qt draws them in the program; tests answer them from a script.

#include <QString>
#include <QStringList>

namespace platform {

enum class Icon { None, Information, Exclamation, Question, Critical };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct Message {
    QString title;
    QString text;
    Icon icon = Icon::None;
    Buttons buttons = Buttons::Ok;
    int defaultButton = 0;  // 0 is the first button, 1 the second...
};

struct FileDialog {
    QString title;
    QString filter;       // "Description (*pattern)"
    QString initialFile;  // the file name the dialog starts with
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows a message box and waits for its answer. Closing a box that has a Cancel button
    // answers Cancel.
    virtual Answer message(const Message& message) = 0;
    // Shows an input box; Cancel and Esc give the empty text.
    virtual QString input(const QString& prompt, const QString& title,
                          const QString& defaultText = {}) = 0;
    // File dialogs; the empty text when the user cancelled.
    virtual QString openFile(const FileDialog& dialog) = 0;
    virtual QString saveFile(const FileDialog& dialog) = 0;
    // Asks for a folder, starting in `startFolder`; the empty text when the user cancelled. A
    // folder that is to be made (`NewAllowed`) may be typed as a name that does not exist yet,
    // in a folder that does; the caller makes it.
    enum class FolderChoice { Existing, NewAllowed };
    virtual QString folder(const QString& title, const QString& startFolder,
                           FolderChoice choice) = 0;
    // A question answered by one of `choices` (button captions) or Cancel: the index of the
    // choice, -1 for Cancel and Esc.
    virtual int choose(const QString& title, const QString& text, const QStringList& choices) = 0;
    virtual void beep() = 0;

    // A message with an OK button only.
    void show(const QString& title, const QString& text, Icon icon);
    Answer ask(const QString& title, const QString& text, Icon icon, Buttons buttons,
               int defaultButton = 0);
};

}  // namespace platform
