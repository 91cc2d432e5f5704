// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/SheetWindow.h"
#include "platform/qt/WindowMirror.h"

#include "app/Form1.h"
#include "device/KeyCodes.h"
#include "platform/qt/common/DevicePainter.h"
#include "platform/qt/common/QtInput.h"
#include "platform/qt/common/QtPicture.h"
#include "shell/Sheet.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include <optional>

#ifdef PIPLING_HAVE_XCB
#include <QGuiApplication>
#include <xcb/xcb.h>
#endif

namespace {

constexpr double Twips = Element::TwipsPerPixel;
// How long after the sheet window is first shown its place is compared with the toy's: time
// for the window manager to have placed it and told the toy where.
constexpr int PlacementWaitMs = 400;

// Where the X server shows a window's top-left corner. Qt's own idea is where the toy asked for
// the window, which is all it learns from a window manager that never says where it put a window
// (weston's, for X programs). Nothing on other platforms.
std::optional<QPoint> serverPosition(const QWidget& widget) {
#ifdef PIPLING_HAVE_XCB
    // Only on Qt's X11 platform: the offscreen one may answer for X11 too, with no connection.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return std::nullopt;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !widget.windowHandle()) return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    if (!connection || xcb_connection_has_error(connection)) return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_translate_coordinates_reply_t* reply = xcb_translate_coordinates_reply(
        connection,
        xcb_translate_coordinates(connection, static_cast<xcb_window_t>(widget.winId()), root, 0, 0),
        nullptr);
    if (!reply) return std::nullopt;
    const QPoint at(reply->dst_x, reply->dst_y);
    free(reply);
    return at;
#else
    (void)widget;
    return std::nullopt;
#endif
}

} // namespace

SheetWindow::SheetWindow(Form1& form, QWidget& device, std::function<void()> changed)
    : form(form), device(device), changed(std::move(changed)), sheet(form.sheet.get()),
      keys([this](int16_t code, bool down) {
          Form5* s = current();
          if (!s) return;
          keyEvent(*s, code, down);
          this->changed();
      }) {
    // A tool window: no entry of its own in the task bar, and no parent that would keep it
    // above the toy it must slide behind.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::StrongFocus);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, this, &SheetWindow::tick);
    timer.start(Form5::TimerPeriod);
    WindowMirror::followScreens(*this);
}

Form5* SheetWindow::current() const {
    Form5* now = form.sheet.get();
    return now == sheet && !form.unloaded ? now : nullptr;
}

void SheetWindow::tick() {
    Form5* s = current();
    if (!s) return;
    if (s->timerInterval != 0) s->Timer1_Timer();
    changed();
}

void SheetWindow::sync() {
    const Form5* s = current();
    if (!s) return;
    const WindowState& w = s->window;
    // Where the compositor places windows there is no stacking of one's own, and new flags
    // would let the compositor place the sheet anew.
    if (w.topmost != topmost && !CompositorMove::compositorPlaces()) {
        topmost = w.topmost;
        // The sheet turns topmost in the middle of a drag. Changing the widget's flags would
        // hide and show it again and break the drag, so the native window is told directly.
        if (QWindow* native = windowHandle())
            native->setFlag(Qt::WindowStaysOnTopHint, topmost);
        else
            setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    }
    const QRect geometry = WindowMirror::pixels(w);
    if (WindowMirror::differs(*this, geometry)) setGeometry(geometry);
    if (!outlineApplied && !w.outline.empty()) {
        setMask(DevicePainter::outline(w));
        outlineApplied = true;
    }
    if (windowTitle() != QString::fromStdString(w.title)) setWindowTitle(QString::fromStdString(w.title));
    const bool wasVisible = isVisible();
    if (w.visible != wasVisible) setVisible(w.visible);
    if (w.enabled != isEnabled()) setEnabled(w.enabled);
    // Stacking: a seated sheet lies under the toy, a free one above it. The stay-on-top hints
    // say the same to a window manager; raising covers desktops that ignore them.
    const bool shouldBeBehind = form.pet.SendInsulatingSheetToBack;
    if (isVisible() && (shouldBeBehind != behind || !wasVisible)) {
        behind = shouldBeBehind;
        if (behind)
            device.raise();
        else
            raise();
    }
    WindowMirror::pointer(*this, s->Picture1.pointer, shownPointer);
    if (s->Picture1.picture.get() != paintedPicture) {
        paintedPicture = s->Picture1.picture.get();
        update();
    }
}

void SheetWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placementChecked) return;
    placementChecked = true;
    QTimer::singleShot(PlacementWaitMs, this, &SheetWindow::checkPlacement);
}

void SheetWindow::checkPlacement() {
    const Form5* s = current();
    if (!s || !isVisible() || !device.isVisible() || s->SheetDragging) return;
    // Where the two windows really are on the desktop, against where the core put them.
    const QPoint wanted =
        WindowMirror::pixels(s->window).topLeft() - WindowMirror::pixels(form.window).topLeft();
    const std::optional<QPoint> sheetAt = serverPosition(*this);
    const std::optional<QPoint> toyAt = serverPosition(device);
    if (!sheetAt || !toyAt) return;
    const QPoint placed = *sheetAt - *toyAt;
    placedElsewhere = (placed - wanted).manhattanLength() > 2;
    if (placedElsewhere) changed();
}

void SheetWindow::paintEvent(QPaintEvent*) {
    const Form5* s = current();
    if (!s) return;
    const Element& e = s->Picture1;
    const auto* picture = dynamic_cast<const QtPicture*>(e.picture.get());
    if (!e.visible || !picture) return;
    QPainter painter(this);
    // Nearest-neighbour, like the toy, so the pixel art stays crisp. The picture is drawn at its
    // own size; the element around it takes the mouse everywhere in the window.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(e.left / Twips, e.top / Twips, picture->image.width(), picture->image.height()),
                      picture->image);
}

QPointF SheetWindow::twips(const Form5& s, const QMouseEvent& event) const {
    QPointF at(event.position().x() * Twips - s.Picture1.left, event.position().y() * Twips - s.Picture1.top);
    // A window the compositor places has not followed the core's slide since the press.
    if (CompositorMove::compositorPlaces())
        at -= QPointF(s.window.left - anchorLeft, s.window.top - anchorTop);
    return at;
}

void SheetWindow::mousePressEvent(QMouseEvent* event) {
    Form5* s = current();
    if (!s) return;
    // Only the core knows the slot, so a seated sheet is pulled out by the core everywhere.
    if (!form.pet.SendInsulatingSheetToBack && faceDrag.press(*event)) return;
    anchorLeft = s->window.left;
    anchorTop = s->window.top;
    const QPointF at = twips(*s, *event);
    s->DoSheetMouseDown(mouseButtonCode(event->button()), static_cast<float>(at.x()),
                        static_cast<float>(at.y()));
    changed();
}

void SheetWindow::mouseMoveEvent(QMouseEvent* event) {
    Form5* s = current();
    if (!s) return;
    if (faceDrag.holding()) return faceDrag.move(*this, *event);
    const QPointF at = twips(*s, *event);
    s->DoSheetMouseMove(mouseButtonCode(event->buttons()), static_cast<float>(at.x()),
                        static_cast<float>(at.y()));
    s = current();
    if (s && s->SheetDragging && !form.pet.SendInsulatingSheetToBack && CompositorMove::compositorPlaces()) {
        // Out of the slot: the compositor carries the sheet on from here.
        s->DoSheetMouseUp(mouseButtonCode(Qt::LeftButton));
        CompositorMove::start(*this);
    }
    changed();
}

void SheetWindow::mouseReleaseEvent(QMouseEvent* event) {
    Form5* s = current();
    if (!s) return;
    if (faceDrag.click(*event)) {
        anchorLeft = s->window.left;
        anchorTop = s->window.top;
        const QPointF at = twips(*s, *event);
        s->DoSheetMouseDown(mouseButtonCode(event->button()), static_cast<float>(at.x()),
                            static_cast<float>(at.y()));
    }
    s->DoSheetMouseUp(mouseButtonCode(event->button()));
    changed();
}

void SheetWindow::keyPressEvent(QKeyEvent* event) {
    keys.press(event);
}

void SheetWindow::keyReleaseEvent(QKeyEvent* event) {
    keys.release(event);
}

void SheetWindow::focusOutEvent(QFocusEvent* event) {
    keys.focusLost();
    if (current() && !form.unloaded) {
        form.releaseHeldButtons();
        changed();
    }
    QWidget::focusOutEvent(event);
}
