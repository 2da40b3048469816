#include "platform_qt/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

namespace platform {

void QtClipboard::setImage(const QImage& image) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(image);
}

QImage QtClipboard::image() const {
    return QGuiApplication::clipboard()->image();
}

}  // namespace platform
