#include "support/scripted_dialogs.h"

#include <QTest>

namespace testing {

namespace {

const char* iconName(platform::Icon icon) {
    switch (icon) {
        case platform::Icon::None:
            return "none";
        case platform::Icon::Information:
            return "information";
        case platform::Icon::Exclamation:
            return "exclamation";
        case platform::Icon::Question:
            return "question";
        case platform::Icon::Critical:
            return "critical";
    }
    return "?";
}

const char* buttonsName(platform::Buttons buttons) {
    switch (buttons) {
        case platform::Buttons::Ok:
            return "OK";
        case platform::Buttons::OkCancel:
            return "OK/Cancel";
        case platform::Buttons::YesNo:
            return "Yes/No";
        case platform::Buttons::YesNoCancel:
            return "Yes/No/Cancel";
    }
    return "?";
}

QString visible(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QStringLiteral("\\r"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

}  // namespace

ScriptedDialogs& ScriptedDialogs::expectMessage(const QString& title, const QString& text,
                                                Icon icon, Buttons buttons, Answer answer,
                                                int defaultButton) {
    queue_.push_back({.kind = Kind::Message,
                      .title = title,
                      .text = text,
                      .icon = icon,
                      .buttons = buttons,
                      .defaultButton = defaultButton,
                      .answer = answer});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectInput(const QString& title, const QString& prompt,
                                              const QString& answer) {
    queue_.push_back({.kind = Kind::Input, .title = title, .text = prompt, .typed = answer});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectOpenFile(const QString& title, const QString& filter,
                                                 const QString& initialFile,
                                                 const QString& answer) {
    queue_.push_back({.kind = Kind::OpenFile,
                      .title = title,
                      .text = filter,
                      .initial = initialFile,
                      .typed = answer});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectSaveFile(const QString& title, const QString& filter,
                                                 const QString& initialFile,
                                                 const QString& answer) {
    queue_.push_back({.kind = Kind::SaveFile,
                      .title = title,
                      .text = filter,
                      .initial = initialFile,
                      .typed = answer});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectFolder(const QString& title, const QString& startFolder,
                                               const QString& answer, FolderChoice choice) {
    queue_.push_back({.kind = Kind::Folder,
                      .title = title,
                      .initial = startFolder,
                      .typed = answer,
                      .folderChoice = choice});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectChoice(const QString& title, const QString& text,
                                               const QStringList& choices, int answer) {
    queue_.push_back({.kind = Kind::Choice,
                      .title = title,
                      .text = text,
                      .typed = choices.join(QLatin1Char('|')),
                      .choice = answer});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::expectBeep() {
    queue_.push_back({.kind = Kind::Beep});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::whileShown(std::function<void()> action) {
    if (queue_.empty()) {
        fail(QStringLiteral("whileShown() without an expected box"));
        return *this;
    }
    queue_.back().whileShown = std::move(action);
    return *this;
}

void ScriptedDialogs::fail(const QString& what) {
    QString message = what + QStringLiteral("\n    boxes shown so far:");
    for (const QString& line : log_) message += QStringLiteral("\n      ") + line;
    QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

const ScriptedDialogs::Expected* ScriptedDialogs::next(Kind kind, const QString& shown) {
    log_.append(shown);
    if (queue_.empty()) {
        fail(QStringLiteral("unexpected box: ") + shown);
        return nullptr;
    }
    current_ = queue_.front();
    queue_.pop_front();
    if (current_.kind != kind) {
        fail(QStringLiteral("expected another kind of box, got: ") + shown);
        return nullptr;
    }
    return &current_;
}

platform::Answer ScriptedDialogs::message(const platform::Message& m) {
    const QString shown =
        QStringLiteral("message %1 %2 [%3, %4, default %5]")
            .arg(visible(m.title), visible(m.text), QLatin1String(iconName(m.icon)),
                 QLatin1String(buttonsName(m.buttons)))
            .arg(m.defaultButton);
    const Expected* e = next(Kind::Message, shown);
    if (!e) return Answer::Cancel;
    if (e->title != m.title || e->text != m.text || e->icon != m.icon || e->buttons != m.buttons ||
        e->defaultButton != m.defaultButton) {
        fail(QStringLiteral(
                 "message differs\n    expected %1 %2 [%3, %4, default %5]\n    shown    %6")
                 .arg(visible(e->title), visible(e->text), QLatin1String(iconName(e->icon)),
                      QLatin1String(buttonsName(e->buttons)))
                 .arg(e->defaultButton)
                 .arg(shown));
    }
    // The action may show boxes of its own, which reuse current_.
    const Answer answer = e->answer;
    if (const auto action = e->whileShown) action();
    return answer;
}

QString ScriptedDialogs::input(const QString& prompt, const QString& title,
                               const QString& defaultText) {
    const QString shown = QStringLiteral("input %1 %2 default %3")
                              .arg(visible(title), visible(prompt), visible(defaultText));
    const Expected* e = next(Kind::Input, shown);
    if (!e) return {};
    if (e->title != title || e->text != prompt || !defaultText.isEmpty()) {
        fail(QStringLiteral("input box differs\n    expected %1 %2 default \"\"\n    shown    %3")
                 .arg(visible(e->title), visible(e->text), shown));
    }
    const QString typed = e->typed;
    if (const auto action = e->whileShown) action();
    return typed;
}

QString ScriptedDialogs::openFile(const platform::FileDialog& d) {
    const QString shown = QStringLiteral("open %1 %2 %3")
                              .arg(visible(d.title), visible(d.filter), visible(d.initialFile));
    const Expected* e = next(Kind::OpenFile, shown);
    if (!e) return {};
    if (e->title != d.title || e->text != d.filter || e->initial != d.initialFile) {
        fail(QStringLiteral("open dialog differs, expected %1 %2 %3")
                 .arg(visible(e->title), visible(e->text), visible(e->initial)));
    }
    return e->typed;
}

QString ScriptedDialogs::saveFile(const platform::FileDialog& d) {
    const QString shown = QStringLiteral("save %1 %2 %3")
                              .arg(visible(d.title), visible(d.filter), visible(d.initialFile));
    const Expected* e = next(Kind::SaveFile, shown);
    if (!e) return {};
    if (e->title != d.title || e->text != d.filter || e->initial != d.initialFile) {
        fail(QStringLiteral("save dialog differs, expected %1 %2 %3")
                 .arg(visible(e->title), visible(e->text), visible(e->initial)));
    }
    return e->typed;
}

QString ScriptedDialogs::folder(const QString& title, const QString& startFolder,
                                FolderChoice choice) {
    const QString shown =
        QStringLiteral("folder %1 from %2").arg(visible(title), visible(startFolder));
    const Expected* e = next(Kind::Folder, shown);
    if (!e) return {};
    if (e->title != title || e->initial != startFolder || e->folderChoice != choice) {
        fail(QStringLiteral("folder dialog differs, expected %1 from %2")
                 .arg(visible(e->title), visible(e->initial)));
    }
    return e->typed;
}

int ScriptedDialogs::choose(const QString& title, const QString& text, const QStringList& choices) {
    const QString shown = QStringLiteral("choice %1 %2 [%3]")
                              .arg(visible(title), visible(text), choices.join(QLatin1Char('|')));
    const Expected* e = next(Kind::Choice, shown);
    if (!e) return -1;
    if (e->title != title || e->text != text || e->typed != choices.join(QLatin1Char('|'))) {
        fail(QStringLiteral("choice differs, expected %1 %2 [%3]")
                 .arg(visible(e->title), visible(e->text), e->typed));
    }
    return e->choice;
}

void ScriptedDialogs::beep() {
    next(Kind::Beep, QStringLiteral("beep"));
}

bool ScriptedDialogs::verifyDone() {
    if (queue_.empty()) return true;
    QString message =
        QStringLiteral("%1 expected box(es) never shown, the first: ").arg(queue_.size());
    const Expected& e = queue_.front();
    message += visible(e.title) + QLatin1Char(' ') + visible(e.text);
    fail(message);
    queue_.clear();
    return false;
}

}  // namespace testing
