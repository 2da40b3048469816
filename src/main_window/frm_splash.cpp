#include "main_window/frm_splash.h"

#include <QLabel>

#include "main_window/pictures.h"
#include "ui/twips.h"

namespace main_window {

FrmSplash::FrmSplash(std::function<void()> handOver, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      handOver_(std::move(handOver)) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Sonvella 4.0"));
    const QSize size(ui::px(5685), ui::px(2730));
    setFixedSize(size);
    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgLogo"));
    picture->setGeometry(0, 0, size.width(), size.height());
    picture->setPixmap(splashPicture(size));

    tmrSplash_.setObjectName(QStringLiteral("tmrSplash"));
    tmrSplash_.setInterval(1000);
    tmrSplash_.setSingleShot(true);
    connect(&tmrSplash_, &QTimer::timeout, this, &FrmSplash::tick);
    tmrSplash_.start();
}

void FrmSplash::tick() {
    if (handOver_) handOver_();
    close();
}

}  // namespace main_window
