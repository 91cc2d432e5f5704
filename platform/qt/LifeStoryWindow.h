// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The life story on the real desktop. This file provides:
//  - LifeStoryWindow: a window that paints the life chart or the hall of past pets with the
//    shared LifeChartPainter at the window's whole-number scale, passes mouse and keys to the
//    core's LifeStory in its own terms (twips relative to the window, Windows key codes) and
//    mirrors its window state. The device window creates it when Form1 opens the life story and
//    drops it when it closes; the pages are drawn again when the journal grows or the page turns.
#include "platform/qt/CompositorMove.h"
#include "platform/qt/KeyForwarder.h"

#include <QImage>
#include <QWidget>

#include <cstddef>
#include <functional>

class Form1;
class LifeStory;

class LifeStoryWindow : public QWidget {
public:
    LifeStoryWindow(Form1& form, std::function<void()> changed);

    const LifeStory* shows() const { return story; }
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
    LifeStory* current() const;

    Form1& form;
    std::function<void()> changed;
    const LifeStory* story;
    QImage page;
    int pageShown = -1;           // the page drawn into `page`
    std::size_t linesDrawn = ~0u; // the journal's lines when it was drawn
    bool topmost = false;
    KeyForwarder keys;
    FaceDrag faceDrag; // where the compositor alone moves windows
};
