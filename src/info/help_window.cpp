#include "info/help_window.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "common/texts.h"
#include "info/help_files.h"

namespace info {

namespace {

QPushButton* button(const char* name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

HelpWindow::HelpWindow() : QWidget(nullptr, Qt::Window) {
    setObjectName(QStringLiteral("frmHelpFile"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(820, 640);

    txtHelp_ = new QTextBrowser(this);
    txtHelp_->setObjectName(QStringLiteral("txtHelp"));
    // Links to web pages open in the desktop's browser; links between help pages stay here.
    txtHelp_->setOpenExternalLinks(true);

    auto* cmdBack = button("cmdBack", QStringLiteral("&Back"), this);
    auto* cmdForward = button("cmdForward", QStringLiteral("&Forward"), this);
    auto* cmdContents = button("cmdContents", QStringLiteral("&Contents"), this);
    auto* cmdClose = button("cmdClose", QStringLiteral("Close"), this);
    cmdBack->setEnabled(false);
    cmdForward->setEnabled(false);
    connect(cmdBack, &QPushButton::clicked, txtHelp_, &QTextBrowser::backward);
    connect(cmdForward, &QPushButton::clicked, txtHelp_, &QTextBrowser::forward);
    connect(txtHelp_, &QTextBrowser::backwardAvailable, cmdBack, &QPushButton::setEnabled);
    connect(txtHelp_, &QTextBrowser::forwardAvailable, cmdForward, &QPushButton::setEnabled);
    connect(cmdContents, &QPushButton::clicked, this, [this] {
        if (!file_.isEmpty() && !isPlainTextHelp(file_)) {
            txtHelp_->setSource(QUrl::fromLocalFile(file_));
        }
    });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(txtHelp_, &QTextBrowser::sourceChanged, this, [this] { updateCaption(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdForward);
    buttons->addWidget(cmdContents);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(txtHelp_, 1);
    updateCaption();
}

void HelpWindow::showFile(const QString& path) {
    file_ = path;
    if (isPlainTextHelp(path)) {
        QFile text(path);
        txtHelp_->clearHistory();
        txtHelp_->setPlainText(text.open(QIODevice::ReadOnly) ? QString::fromUtf8(text.readAll())
                                                              : QString());
    } else {
        txtHelp_->setSearchPaths({QFileInfo(path).absolutePath()});
        txtHelp_->setSource(QUrl::fromLocalFile(path));
    }
    txtHelp_->moveCursor(QTextCursor::Start);
    txtHelp_->ensureCursorVisible();
    updateCaption();
}

void HelpWindow::updateCaption() {
    QString title = txtHelp_->documentTitle();
    if (title.isEmpty() && !file_.isEmpty()) title = QFileInfo(file_).fileName();
    if (title.isEmpty()) title = QStringLiteral("Help");
    setWindowTitle(common::kTitle + QStringLiteral(" - ") + title);
}

}  // namespace info
