#include "main_window/cover_drops.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QMimeData>
#include <QWidget>
#include <memory>

#include "covers/cover_commands.h"

namespace main_window {

namespace {

// What the drop carried, kept for after the drop: the source may take its own data back then.
std::shared_ptr<QMimeData> copyOf(const QMimeData& data) {
    auto copy = std::make_shared<QMimeData>();
    for (const QString& format : data.formats()) copy->setData(format, data.data(format));
    if (data.hasUrls()) copy->setUrls(data.urls());
    if (data.hasImage()) copy->setImageData(data.imageData());
    return copy;
}

}  // namespace

CoverDrops::CoverDrops(QWidget* window, Drop drop) : QObject(window), drop_(std::move(drop)) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->acceptDrops()) control->installEventFilter(this);
        // A text box's drops arrive at its viewport.
        if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
            area->viewport()->installEventFilter(this);
        }
    }
}

bool CoverDrops::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (!drag->mimeData() || !covers::isCoverDrop(*drag->mimeData())) break;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto* dropped = static_cast<QDropEvent*>(event);
            if (!dropped->mimeData() || !covers::isCoverDrop(*dropped->mimeData())) break;
            dropped->acceptProposedAction();
            const covers::Side side = dropped->modifiers().testFlag(Qt::ShiftModifier)
                                          ? covers::Side::Back
                                          : covers::Side::Front;
            QMetaObject::invokeMethod(
                this, [this, data = copyOf(*dropped->mimeData()), side] { drop_(*data, side); },
                Qt::QueuedConnection);
            return true;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace main_window
