#include "platform/qt/WindowMirror.h"
#include "platform/qt/CompositorMove.h"

#include "device/Element.h"
#include "platform/qt/common/QtPicture.h"
#include "shell/WindowState.h"

#include <QCursor>
#include <QPixmap>
#include <QWidget>

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
