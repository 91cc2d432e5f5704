// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/LifeStoryWindow.h"

#include "app/Form1.h"
#include "platform/qt/common/LifeChartPainter.h"
#include "shell/LifeStory.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

LifeStoryWindow::LifeStoryWindow(Form1& form, std::function<void()> changed)
    : PageWindow(form, std::move(changed)), story(form.lifeStory.get()) {}

LifeStory* LifeStoryWindow::current() const {
    LifeStory* now = form.lifeStory.get();
    return now == story && !form.unloaded ? now : nullptr;
}

void LifeStoryWindow::sync() {
    const LifeStory* s = current();
    if (!s) return;
    mirror(s->window);
    // The chart follows the journal: a page is drawn again once a line was added or it turned.
    const std::size_t lines = form.journal.linesWritten();
    const int shown = static_cast<int>(s->page);
    if (lines != linesDrawn || shown != pageShown) {
        linesDrawn = lines;
        pageShown = shown;
        page = QImage();
        update();
    }
}

void LifeStoryWindow::paintEvent(QPaintEvent*) {
    const LifeStory* s = current();
    if (!s) return;
    if (page.isNull()) {
        const auto look = LifeChartPainter::Look::of(form);
        // Drawn at the screen's own pixels, so that the dots stay whole at any scale of the screen.
        const int scale = std::max(1, static_cast<int>(std::lround(LifeStory::Scale * devicePixelRatioF())));
        if (JournalStore* store = form.journal.journalStore()) {
            page = s->page == LifeStory::Page::Chart
                       ? LifeChartPainter::chart(LifeChart::build(LifeChart::entries(store->lines())), look,
                                                 scale)
                       : LifeChartPainter::hall(PastPet::hall(store->lives()), look, scale);
        } else {
            page = LifeChartPainter::chart(LifeChart{}, look, scale);
        }
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(rect(), page);
}

void LifeStoryWindow::pageMouseDown(int16_t button, TwipsPoint at) {
    current()->mouseDown(button, at.x, at.y); // may close the window
}

void LifeStoryWindow::pageMouseMove(int16_t button, TwipsPoint at) {
    current()->mouseMove(button, at.x, at.y);
}

void LifeStoryWindow::pageMouseUp(int16_t button, TwipsPoint at) {
    current()->mouseUp(button, at.x, at.y);
}

void LifeStoryWindow::pageKeyDown(int16_t code) {
    current()->keyDown(code); // may close the window
}

void LifeStoryWindow::closePage() {
    form.closeLifeStory();
}
