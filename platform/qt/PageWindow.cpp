// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/PageWindow.h"
#include "platform/qt/WindowMirror.h"

#include <QCloseEvent>
#include <QMouseEvent>

PageWindow::PageWindow(Form1& form, std::function<void()> changed)
    : form(form), changed(std::move(changed)), keys([this](int16_t code, bool down) {
          if (!open() || !down) return;
          pageKeyDown(code);
          this->changed();
      }) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFocusPolicy(Qt::StrongFocus);
    WindowMirror::followScreens(*this);
}

void PageWindow::mirror(const WindowState& window) {
    WindowMirror::dialog(*this, window, topmost, *this);
}

void PageWindow::mousePressEvent(QMouseEvent* event) {
    if (!open() || faceDrag.press(*event)) return;
    pageMouseDown(mouseButtonCode(event->button()), twipsAt(*event));
    changed();
}

void PageWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!open()) return;
    if (faceDrag.holding()) return faceDrag.move(*this, *event);
    pageMouseMove(mouseButtonCode(event->buttons()), twipsAt(*event));
    changed();
}

void PageWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (!open()) return;
    const TwipsPoint at = twipsAt(*event);
    const int16_t button = mouseButtonCode(event->button());
    // A click where the compositor moves windows: the held press goes first.
    if (faceDrag.click(*event)) pageMouseDown(button, at);
    if (open()) pageMouseUp(button, at);
    changed();
}

void PageWindow::keyPressEvent(QKeyEvent* event) {
    keys.press(event);
}

void PageWindow::keyReleaseEvent(QKeyEvent* event) {
    keys.release(event);
}

void PageWindow::closeEvent(QCloseEvent* event) {
    // Qt's own closing would only hide the window; the core decides, as for Escape.
    event->ignore();
    if (open()) closePage();
    changed();
}
