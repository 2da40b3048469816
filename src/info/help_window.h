#pragma once
// The window that shows a help file: an HTML page whose links lead on inside it (with Back,
// Forward and the page it was opened at), or a text file as it stands.

#include <QWidget>

class QTextBrowser;

namespace info {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    HelpWindow();

    // Shows the file from its top; it becomes the page "Contents" goes back to.
    void showFile(const QString& path);

    QTextBrowser* browser() const { return txtHelp_; }
    const QString& file() const { return file_; }

private:
    void updateCaption();

    QTextBrowser* txtHelp_;
    QString file_;
};

}  // namespace info
