// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/WindowMirror.h"
#include "platform/qt/CompositorMove.h"

#include "device/Element.h"
#include "platform/qt/common/QtPicture.h"
#include "shell/WindowState.h"

#include <QCursor>
#include <QEvent>
#include <QPixmap>
#include <QWidget>
#include <QWindow>

namespace {

class ScreenFollower : public QObject {
public:
    explicit ScreenFollower(QWidget& widget) : QObject(&widget), widget(widget) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != &widget || event->type() != QEvent::ScreenChangeInternal) return false;
        if (const QRegion shape = widget.mask(); !shape.isEmpty()) {
            widget.clearMask(); // the same shape again would be taken as no change
            widget.setMask(shape);
        }
        widget.update();
        // A window moved onto a screen of another scale may keep its old size in screen pixels
        // (Qt then takes it for a smaller window than the widget). Asked for the widget's size
        // once Qt has settled on the new screen, it gets that size at the new scale.
        QMetaObject::invokeMethod(
            &widget,
            [this] {
                if (QWindow* window = widget.windowHandle()) window->resize(widget.size());
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    QWidget& widget;
};

} // namespace

namespace WindowMirror {

QRect pixels(const WindowState& window) {
    constexpr double Twips = Element::TwipsPerPixel;
    return QRect(qRound(window.left / Twips), qRound(window.top / Twips), qRound(window.width / Twips),
                 qRound(window.height / Twips));
}

bool differs(const QWidget& widget, const QRect& geometry) {
    if (CompositorMove::compositorPlaces()) return widget.size() != geometry.size();
    return widget.geometry() != geometry;
}

void topmost(QWidget& widget, bool wanted, bool& shown) {
    if (wanted == shown) return;
    shown = wanted;
    if (CompositorMove::compositorPlaces()) return;
    const bool wasVisible = widget.isVisible();
    widget.setWindowFlag(Qt::WindowStaysOnTopHint, wanted);
    if (wasVisible) widget.show();
}

void dialog(QWidget& widget, const WindowState& window, bool& topmostShown, QWidget& focus) {
    topmost(widget, window.topmost, topmostShown);
    const QRect geometry = pixels(window);
    if (differs(widget, geometry)) {
        widget.setFixedSize(geometry.size());
        widget.setGeometry(geometry);
    }
    if (widget.windowTitle() != QString::fromStdString(window.title))
        widget.setWindowTitle(QString::fromStdString(window.title));
    if (window.visible == widget.isVisible()) return;
    widget.setVisible(window.visible);
    if (window.visible) {
        widget.raise();
        widget.activateWindow();
        focus.setFocus();
    }
}

void followScreens(QWidget& widget) {
    // Owned by the widget, as Qt's children are.
    widget.installEventFilter(new ScreenFollower(widget));
}

void pointer(QWidget& widget, const PictureHandle& picture, const void*& shown) {
    const auto* cursor = dynamic_cast<const QtPicture*>(picture.get());
    if (cursor == shown) return;
    shown = cursor;
    if (cursor)
        widget.setCursor(
            QCursor(QPixmap::fromImage(cursor->image), cursor->hotSpot.x(), cursor->hotSpot.y()));
    else
        widget.unsetCursor();
}

} // namespace WindowMirror
