#include "main_window/frm_cover_image.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "common/texts.h"
#include "ui/twips.h"

namespace main_window {

using record::CoverWindow;
using ui::rectTw;

FrmCoverImage::FrmCoverImage(const QString& name, std::function<void()> copy,
                             std::function<void()> closed)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), closed_(std::move(closed)) {
    setObjectName(name);
    setWindowTitle(common::kCollectionCaption);
    setFixedSize(ui::px(10485), ui::px(9960));

    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setGeometry(rectTw(120, 120, 10095, 8055));
    image1_->setScaledContents(true);
    image2_ = new QLabel(this);
    image2_->setObjectName(QStringLiteral("Image2"));
    image2_->setGeometry(rectTw(0, 0, 6855, 9615));
    image2_->setScaledContents(true);

    command1_ = new QPushButton(QStringLiteral("COPY"), this);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(rectTw(9000, 9000, 1215, 615));
    command2_ = new QPushButton(QStringLiteral("COPY"), this);
    command2_->setObjectName(QStringLiteral("Command2"));
    command2_->setGeometry(rectTw(9480, 8280, 735, 1335));
    connect(command1_, &QPushButton::clicked, this, copy);
    connect(command2_, &QPushButton::clicked, this, copy);
}

void FrmCoverImage::refresh(const CoverWindow& window) {
    // The main window's state changes for every record of a scan: only a picture opened or loaded
    // afresh is drawn again and brought to the front.
    const bool changed = window.open != shown_.open || window.caption != shown_.caption ||
                         window.wide != shown_.wide ||
                         window.picture.cacheKey() != shown_.picture.cacheKey();
    if (!changed && isVisible() == window.open) return;
    shown_ = window;
    refreshing_ = true;
    if (!window.open) {
        close();
        refreshing_ = false;
        return;
    }
    setWindowTitle(window.caption);
    const bool loaded = !window.picture.isNull();
    const QPixmap picture = QPixmap::fromImage(window.picture);
    image1_->setPixmap(loaded && window.wide ? picture : QPixmap());
    image2_->setPixmap(loaded && !window.wide ? picture : QPixmap());
    image1_->setVisible(loaded && window.wide);
    image2_->setVisible(loaded && !window.wide);
    command1_->setVisible(loaded && window.wide);
    command2_->setVisible(loaded && !window.wide);
    if (!isVisible()) show();
    raise();
    refreshing_ = false;
}

void FrmCoverImage::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!refreshing_ && closed_) closed_();
}

}  // namespace main_window
