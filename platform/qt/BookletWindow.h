// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The instructions booklet on the real desktop. This file provides:
//  - BookletWindow: a window the size of a page that paints the current page picture and passes
//    mouse and key events to Form4 in its own terms (twips relative to the page, Windows key
//    codes), mirroring the booklet's window state. The device window creates it when Form1 opens
//    the booklet and drops it when the booklet closes; every handler finds the booklet through
//    Form1, since a key may close it while the handler runs.
#include "platform/qt/CompositorMove.h"
#include "platform/qt/KeyForwarder.h"

#include <QWidget>

#include <functional>

class Form1;
class Form4;

class BookletWindow : public QWidget {
public:
    BookletWindow(Form1& form, std::function<void()> changed);

    const Form4* shows() const { return booklet; }
    void sync();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Form4* current() const;

    Form1& form;
    std::function<void()> changed;
    const Form4* booklet;
    const void* paintedPicture = nullptr;
    const void* shownPointer = nullptr;
    bool topmost = false;
    KeyForwarder keys;
    FaceDrag faceDrag; // where the compositor alone moves windows
};
