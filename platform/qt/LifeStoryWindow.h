// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The life story on the real desktop. This file provides:
//  - LifeStoryWindow: a window that paints the life chart or the hall of past pets with the
//    shared LifeChartPainter at the window's whole-number scale and hands its mouse and keys to
//    the core's LifeStory (see PageWindow), mirroring its window state. The device window
//    creates it when Form1 opens the life story and drops it when it closes; the pages are drawn
//    again when the journal grows or the page turns.
#include "platform/qt/PageWindow.h"

#include <QImage>

#include <cstddef>

class LifeStory;

class LifeStoryWindow : public PageWindow {
public:
    LifeStoryWindow(Form1& form, std::function<void()> changed);

    const LifeStory* shows() const { return story; }
    void sync();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool open() const override { return current() != nullptr; }
    void pageMouseDown(int16_t button, TwipsPoint at) override;
    void pageMouseMove(int16_t button, TwipsPoint at) override;
    void pageMouseUp(int16_t button, TwipsPoint at) override;
    void pageKeyDown(int16_t code) override;
    void closePage() override;

private:
    LifeStory* current() const;

    const LifeStory* story;
    QImage page;
    int pageShown = -1;           // the page drawn into `page`
    std::size_t linesDrawn = ~0u; // the journal's lines when it was drawn
};
