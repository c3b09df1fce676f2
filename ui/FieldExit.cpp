#include "ui/FieldExit.h"

#include <QFocusEvent>
#include <QWidget>

namespace ui {

FieldExit::FieldExit(QWidget* field) : QObject(field)
{
    field->installEventFilter(this);
}

bool FieldExit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            reason != Qt::MenuBarFocusReason)
            QMetaObject::invokeMethod(this, &FieldExit::left, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ui
