#include "platform/qt/SheetWindow.h"
#include "platform/qt/WindowMirror.h"

#include "app/Form1.h"
#include "platform/qt/common/DevicePainter.h"
#include "platform/qt/common/QtInput.h"
#include "platform/qt/common/QtPicture.h"
#include "shell/Sheet.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace {

constexpr double Twips = Element::TwipsPerPixel;

} // namespace

SheetWindow::SheetWindow(Form1& form, QWidget& device, std::function<void()> changed)
    : form(form), device(device), changed(std::move(changed)), sheet(form.sheet.get()),
      keys([this](int16_t code, bool down) {
          Form5* s = current();
          if (!s) return;
          if (down)
              s->Form_KeyDown(code, 0);
          else
              s->Form_KeyUp(code, 0);
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
    if (w.topmost != topmost) {
        topmost = w.topmost;
        // The sheet turns topmost in the middle of a drag. Changing the widget's flags would
        // hide and show it again and break the drag, so the native window is told directly.
        if (QWindow* native = windowHandle())
            native->setFlag(Qt::WindowStaysOnTopHint, topmost);
        else
            setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    }
    const QRect geometry = WindowMirror::pixels(w);
    if (this->geometry() != geometry) setGeometry(geometry);
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

void SheetWindow::mousePressEvent(QMouseEvent* event) {
    Form5* s = current();
    if (!s) return;
    const auto x = static_cast<float>(event->position().x() * Twips - s->Picture1.left);
    const auto y = static_cast<float>(event->position().y() * Twips - s->Picture1.top);
    s->DoSheetMouseDown(mouseButtonCode(event->button()), x, y);
    changed();
}

void SheetWindow::mouseMoveEvent(QMouseEvent* event) {
    Form5* s = current();
    if (!s) return;
    const auto x = static_cast<float>(event->position().x() * Twips - s->Picture1.left);
    const auto y = static_cast<float>(event->position().y() * Twips - s->Picture1.top);
    s->DoSheetMouseMove(mouseButtonCode(event->buttons()), x, y);
    changed();
}

void SheetWindow::mouseReleaseEvent(QMouseEvent* event) {
    Form5* s = current();
    if (!s) return;
    s->DoSheetMouseUp(mouseButtonCode(event->button()));
    changed();
}

void SheetWindow::keyPressEvent(QKeyEvent* event) {
    keys.press(event);
}

void SheetWindow::keyReleaseEvent(QKeyEvent* event) {
    keys.release(event);
}
