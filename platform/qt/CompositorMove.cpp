// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/CompositorMove.h"

#include "platform/qt/common/DisplayChoice.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include <cmath>
#include <optional>

namespace {

std::optional<bool>& placesOverride() {
    static std::optional<bool> places;
    return places;
}

} // namespace

namespace CompositorMove {

bool compositorPlaces() {
    if (placesOverride()) return *placesOverride();
    static const bool places = isNativeWayland(QGuiApplication::platformName().toStdString());
    return places;
}

void setCompositorPlaces(bool places) {
    placesOverride() = places;
}

bool start(QWidget& widget) {
    QWindow* window = widget.window()->windowHandle();
    return window && window->startSystemMove();
}

} // namespace CompositorMove

bool FaceDrag::press(const QMouseEvent& event) {
    held = CompositorMove::compositorPlaces() && event.button() == Qt::LeftButton;
    pressX = event.globalPosition().x();
    pressY = event.globalPosition().y();
    return held;
}

void FaceDrag::move(QWidget& widget, const QMouseEvent& event) {
    if (!held || !(event.buttons() & Qt::LeftButton)) return;
    const double distance =
        std::hypot(event.globalPosition().x() - pressX, event.globalPosition().y() - pressY);
    if (distance < QApplication::startDragDistance()) return;
    // The compositor now has the pointer until the button comes up; whatever release reaches
    // the window afterwards ends nothing.
    held = false;
    CompositorMove::start(widget);
}

bool FaceDrag::click(const QMouseEvent& event) {
    const bool wasHeld = held && event.button() == Qt::LeftButton;
    if (event.button() == Qt::LeftButton) held = false;
    return wasHeld;
}
