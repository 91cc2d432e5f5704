// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/LifeStoryWindow.h"
#include "platform/qt/WindowMirror.h"

#include "app/Form1.h"
#include "platform/qt/common/LifeChartPainter.h"
#include "platform/qt/common/QtInput.h"
#include "shell/LifeStory.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double Twips = Element::TwipsPerPixel;

} // namespace

LifeStoryWindow::LifeStoryWindow(Form1& form, std::function<void()> changed)
    : form(form), changed(std::move(changed)), story(form.lifeStory.get()),
      keys([this](int16_t code, bool down) {
          LifeStory* s = current();
          if (!s || !down) return;
          s->keyDown(code); // may close the window
          this->changed();
      }) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFocusPolicy(Qt::StrongFocus);
    WindowMirror::followScreens(*this);
}

LifeStory* LifeStoryWindow::current() const {
    LifeStory* now = form.lifeStory.get();
    return now == story && !form.unloaded ? now : nullptr;
}

void LifeStoryWindow::sync() {
    const LifeStory* s = current();
    if (!s) return;
    const WindowState& w = s->window;
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

void LifeStoryWindow::mousePressEvent(QMouseEvent* event) {
    LifeStory* s = current();
    if (!s || faceDrag.press(*event)) return;
    s->mouseDown(mouseButtonCode(event->button()), static_cast<float>(event->position().x() * Twips),
                 static_cast<float>(event->position().y() * Twips));
    changed();
}

void LifeStoryWindow::mouseMoveEvent(QMouseEvent* event) {
    LifeStory* s = current();
    if (!s) return;
    if (faceDrag.holding()) return faceDrag.move(*this, *event);
    s->mouseMove(mouseButtonCode(event->buttons()), static_cast<float>(event->position().x() * Twips),
                 static_cast<float>(event->position().y() * Twips));
    changed();
}

void LifeStoryWindow::mouseReleaseEvent(QMouseEvent* event) {
    LifeStory* s = current();
    if (!s) return;
    // A click where the compositor moves windows: the held press goes first.
    if (faceDrag.click(*event)) {
        s->mouseDown(mouseButtonCode(event->button()), static_cast<float>(event->position().x() * Twips),
                     static_cast<float>(event->position().y() * Twips));
        s = current();
        if (!s) return changed();
    }
    s->mouseUp(mouseButtonCode(event->button()), static_cast<float>(event->position().x() * Twips),
               static_cast<float>(event->position().y() * Twips));
    changed();
}

void LifeStoryWindow::keyPressEvent(QKeyEvent* event) {
    keys.press(event);
}

void LifeStoryWindow::keyReleaseEvent(QKeyEvent* event) {
    keys.release(event);
}

void LifeStoryWindow::closeEvent(QCloseEvent* event) {
    // The desktop's own close control closes it as Escape does.
    event->ignore();
    if (current()) form.closeLifeStory();
    changed();
}
