#pragma once
// Dialogs answered from a script: a test queues the boxes it expects, in order, with their
// answers; every box shown is checked against the next expectation. A box that was not expected
// fails the test at once; expectations left unused are reported by verifyDone().

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

#include "platform/dialogs.h"

namespace testing {

class ScriptedDialogs : public platform::Dialogs {
public:
    using Icon = platform::Icon;
    using Buttons = platform::Buttons;
    using Answer = platform::Answer;

    ScriptedDialogs& expectMessage(const QString& title, const QString& text, Icon icon,
                                   Buttons buttons = Buttons::Ok, Answer answer = Answer::Ok,
                                   int defaultButton = 0);
    ScriptedDialogs& expectInput(const QString& title, const QString& prompt,
                                 const QString& answer);
    ScriptedDialogs& expectOpenFile(const QString& title, const QString& filter,
                                    const QString& initialFile, const QString& answer);
    ScriptedDialogs& expectSaveFile(const QString& title, const QString& filter,
                                    const QString& initialFile, const QString& answer);
    ScriptedDialogs& expectFolder(const QString& title, const QString& startFolder,
                                  const QString& answer,
                                  FolderChoice choice = FolderChoice::Existing);
    // A choice box; `answer` is the index of the choice taken, -1 for Cancel.
    ScriptedDialogs& expectChoice(const QString& title, const QString& text,
                                  const QStringList& choices, int answer);
    ScriptedDialogs& expectBeep();
    // Runs `action` while the last expected message or input box is shown, before it is answered,
    // as the event loop of a modal box would run timers and other windows' events.
    ScriptedDialogs& whileShown(std::function<void()> action);

    // Fails the running test when expectations were left unused; returns whether all were used.
    bool verifyDone();
    // Every box shown so far, one line each, for failure messages.
    const QStringList& log() const { return log_; }
    int remaining() const { return static_cast<int>(queue_.size()); }

    platform::Answer message(const platform::Message& message) override;
    QString input(const QString& prompt, const QString& title, const QString& defaultText) override;
    QString openFile(const platform::FileDialog& dialog) override;
    QString saveFile(const platform::FileDialog& dialog) override;
    QString folder(const QString& title, const QString& startFolder, FolderChoice choice) override;
    int choose(const QString& title, const QString& text, const QStringList& choices) override;
    void beep() override;

private:
    enum class Kind { Message, Input, OpenFile, SaveFile, Folder, Choice, Beep };
    struct Expected {
        Kind kind = Kind::Message;
        QString title{};
        QString text{};  // message text, input prompt or file filter
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        int defaultButton = 0;
        QString initial{};  // file dialogs' initial file name
        Answer answer = Answer::Ok;
        QString typed{};  // the answer typed or chosen; a choice box's captions
        int choice = -1;
        FolderChoice folderChoice = FolderChoice::Existing;
        std::function<void()> whileShown{};
    };

    // The next expectation if it is of this kind; fails the test otherwise.
    const Expected* next(Kind kind, const QString& shown);
    void fail(const QString& what);

    std::deque<Expected> queue_;
    Expected current_;
    QStringList log_;
};

}  // namespace testing
