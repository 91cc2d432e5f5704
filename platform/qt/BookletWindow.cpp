// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/BookletWindow.h"
#include "platform/qt/WindowMirror.h"

#include "app/Form1.h"
#include "platform/qt/common/QtInput.h"
#include "platform/qt/common/QtPicture.h"
#include "shell/Instructions.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr double Twips = Element::TwipsPerPixel;

} // namespace

BookletWindow::BookletWindow(Form1& form, std::function<void()> changed)
    : form(form), changed(std::move(changed)), booklet(form.booklet.get()),
      keys([this](int16_t code, bool down) {
          Form4* b = current();
          if (!b || !down) return;
          b->Form_KeyDown(code, 0); // may close the booklet
          this->changed();
      }) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFocusPolicy(Qt::StrongFocus);
    WindowMirror::followScreens(*this);
}

Form4* BookletWindow::current() const {
    Form4* now = form.booklet.get();
    return now == booklet && !form.unloaded ? now : nullptr;
}

void BookletWindow::sync() {
    const Form4* b = current();
    if (!b) return;
    const WindowState& w = b->window;
    WindowMirror::topmost(*this, w.topmost, topmost);
    const QRect geometry = WindowMirror::pixels(w);
    if (WindowMirror::differs(*this, geometry)) {
        setFixedSize(geometry.size());
        setGeometry(geometry);
    }
    if (windowTitle() != QString::fromStdString(w.title)) setWindowTitle(QString::fromStdString(w.title));
    if (w.visible != isVisible()) {
        setVisible(w.visible);
        if (w.visible) {
            raise();
            activateWindow();
            setFocus();
        }
    }
    WindowMirror::pointer(*this, b->Picture1.pointer, shownPointer);
    if (b->Picture1.picture.get() != paintedPicture) {
        paintedPicture = b->Picture1.picture.get();
        update();
    }
}

void BookletWindow::paintEvent(QPaintEvent*) {
    const Form4* b = current();
    if (!b) return;
    const auto* picture = dynamic_cast<const QtPicture*>(b->Picture1.picture.get());
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!picture) return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(b->Picture1.left / Twips, b->Picture1.top / Twips, picture->image.width(),
                             picture->image.height()),
                      picture->image);
}

void BookletWindow::mousePressEvent(QMouseEvent* event) {
    Form4* b = current();
    if (!b || faceDrag.press(*event)) return;
    b->Picture1_MouseDown(mouseButtonCode(event->button()), 0,
                          static_cast<float>(event->position().x() * Twips),
                          static_cast<float>(event->position().y() * Twips));
    changed();
}

void BookletWindow::mouseMoveEvent(QMouseEvent* event) {
    Form4* b = current();
    if (!b) return;
    if (faceDrag.holding()) return faceDrag.move(*this, *event);
    b->Picture1_MouseMove(mouseButtonCode(event->buttons()), 0,
                          static_cast<float>(event->position().x() * Twips),
                          static_cast<float>(event->position().y() * Twips));
    changed();
}

void BookletWindow::mouseReleaseEvent(QMouseEvent* event) {
    Form4* b = current();
    if (!b) return;
    // A page clicked where the compositor moves windows: the held press goes first.
    if (faceDrag.click(*event))
        b->Picture1_MouseDown(mouseButtonCode(event->button()), 0,
                              static_cast<float>(event->position().x() * Twips),
                              static_cast<float>(event->position().y() * Twips));
    b->Picture1_MouseUp(mouseButtonCode(event->button()), 0,
                        static_cast<float>(event->position().x() * Twips),
                        static_cast<float>(event->position().y() * Twips));
    changed();
}

void BookletWindow::keyPressEvent(QKeyEvent* event) {
    keys.press(event);
}

void BookletWindow::keyReleaseEvent(QKeyEvent* event) {
    keys.release(event);
}

void BookletWindow::closeEvent(QCloseEvent* event) {
    // The desktop's own close control: the booklet closes as with Escape.
    event->ignore();
    if (current()) form.closeBooklet();
    changed();
}
