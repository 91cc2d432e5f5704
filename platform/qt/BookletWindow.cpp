// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/BookletWindow.h"
#include "platform/qt/WindowMirror.h"

#include "app/Form1.h"
#include "platform/qt/common/QtPicture.h"
#include "shell/Instructions.h"

#include <QPainter>

BookletWindow::BookletWindow(Form1& form, std::function<void()> changed)
    : PageWindow(form, std::move(changed)), booklet(form.booklet.get()) {}

Form4* BookletWindow::current() const {
    Form4* now = form.booklet.get();
    return now == booklet && !form.unloaded ? now : nullptr;
}

void BookletWindow::sync() {
    const Form4* b = current();
    if (!b) return;
    mirror(b->window);
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
    constexpr double Twips = Element::TwipsPerPixel;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRectF(b->Picture1.left / Twips, b->Picture1.top / Twips, picture->image.width(),
                             picture->image.height()),
                      picture->image);
}

void BookletWindow::pageMouseDown(int16_t button, TwipsPoint at) {
    current()->Picture1_MouseDown(button, 0, at.x, at.y);
}

void BookletWindow::pageMouseMove(int16_t button, TwipsPoint at) {
    current()->Picture1_MouseMove(button, 0, at.x, at.y);
}

void BookletWindow::pageMouseUp(int16_t button, TwipsPoint at) {
    current()->Picture1_MouseUp(button, 0, at.x, at.y);
}

void BookletWindow::pageKeyDown(int16_t code) {
    current()->Form_KeyDown(code, 0); // may close the booklet
}

void BookletWindow::closePage() {
    form.closeBooklet();
}
