// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/SheetInToy.h"
#include "platform/qt/WindowMirror.h"

#include "app/Form1.h"
#include "platform/qt/common/DevicePainter.h"
#include "platform/qt/common/QtInput.h"
#include "platform/qt/common/QtPicture.h"
#include "shell/Sheet.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr double Twips = Element::TwipsPerPixel;

} // namespace

SheetInToy::SheetInToy(Form1& form, std::function<void()> changed)
    : form(form), changed(std::move(changed)), sheet(form.sheet.get()) {
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &timer, [this] { tick(); });
    timer.start(Form5::TimerPeriod);
}

Form5* SheetInToy::current() const {
    Form5* now = form.sheet.get();
    return now == sheet && !form.unloaded ? now : nullptr;
}

void SheetInToy::tick() {
    Form5* s = current();
    if (!s) return;
    if (s->timerInterval != 0) s->Timer1_Timer();
    changed();
}

QPoint SheetInToy::offset(const Form5& s) const {
    // The same whole pixels as two windows at the core's places would have between them.
    return WindowMirror::pixels(s.window).topLeft() - WindowMirror::pixels(form.window).topLeft();
}

bool SheetInToy::drawn() const {
    const Form5* s = current();
    // A sheet out of the slot floats free on other desktops; this window cannot follow it.
    return s && s->window.visible && form.pet.SendInsulatingSheetToBack;
}

QRegion SheetInToy::outline() const {
    if (!drawn()) return {};
    const Form5& s = *current();
    return DevicePainter::outline(s.window).translated(offset(s));
}

void SheetInToy::paint(QPainter& painter) const {
    if (!drawn()) return;
    const Form5& s = *current();
    const Element& e = s.Picture1;
    const auto* picture = dynamic_cast<const QtPicture*>(e.picture.get());
    if (!e.visible || !picture) return;
    painter.save();
    // As the sheet's own window would be, the picture is cut to the sheet's outline.
    painter.setClipRegion(outline(), Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QPoint at = offset(s);
    painter.drawImage(QRectF(at.x() + e.left / Twips, at.y() + e.top / Twips, picture->image.width(),
                             picture->image.height()),
                      picture->image);
    painter.restore();
}

const Element* SheetInToy::under(QPoint point) const {
    return outline().contains(point) ? &current()->Picture1 : nullptr;
}

bool SheetInToy::press(const QMouseEvent& event) {
    Form5* s = current();
    if (!s || !outline().contains(event.position().toPoint())) return false;
    // A disabled sheet takes the press and does nothing with it, as a disabled window would.
    if (!s->window.enabled) return true;
    const QPointF at = event.position() - QPointF(offset(*s));
    // The menu of a right-click may put the sheet away: nothing of it may be used afterwards.
    s->DoSheetMouseDown(mouseButtonCode(event.button()),
                        static_cast<float>(at.x() * Twips - s->Picture1.left),
                        static_cast<float>(at.y() * Twips - s->Picture1.top));
    changed();
    return true;
}

bool SheetInToy::holding() const {
    const Form5* s = current();
    return s && s->SheetDragging;
}

void SheetInToy::move(const QMouseEvent& event) {
    Form5* s = current();
    if (!s) return;
    if (!(event.buttons() & Qt::LeftButton)) {
        // The button came up where this window was not told (outside it, through XWayland).
        s->DoSheetMouseUp(mouseButtonCode(Qt::LeftButton));
        changed();
        return;
    }
    // The mouse relative to where the sheet is now, as over the sheet's own window, which the
    // core moves along under the mouse.
    const QPointF at = event.position() - QPointF(offset(*s));
    s->DoSheetMouseMove(mouseButtonCode(event.buttons()),
                        static_cast<float>(at.x() * Twips - s->Picture1.left),
                        static_cast<float>(at.y() * Twips - s->Picture1.top));
    changed();
}

void SheetInToy::release(const QMouseEvent& event) {
    if (Form5* s = current()) s->DoSheetMouseUp(mouseButtonCode(event.button()));
    changed();
}

void SheetInToy::settle() {
    const Form5* s = current();
    if (!s || form.pet.SendInsulatingSheetToBack || form.pet.CurrentInsulatingSheet != 2 ||
        !form.options.insulatingSheet)
        return;
    // Pulled out and the toy running: the sheet is done with, so it goes as the menu item's
    // check mark taken off sends it. The mouse may still hold it, somewhere this window does not
    // reach and may never hear of again (XWayland tells no window of a release outside it).
    form.mPopupInsulatingSheet_Click();
}
