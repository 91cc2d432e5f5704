// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/DeviceWindow.h"
#include "platform/qt/AboutWindow.h"
#include "platform/qt/BookletWindow.h"
#include "platform/qt/ChooserWindow.h"
#include "platform/qt/LifeStoryWindow.h"
#include "platform/qt/SheetInToy.h"
#include "platform/qt/SheetWindow.h"
#include "platform/qt/WindowMirror.h"

#include "app/Form1.h"
#include "assets/Chooser.h"
#include "device/KeyCodes.h"
#include "platform/qt/common/DevicePainter.h"
#include "platform/qt/common/QtInput.h"
#include "platform/qt/common/QtPicture.h"
#include "shell/Sheet.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <chrono>

namespace {

constexpr double Twips = Element::TwipsPerPixel;
// While nothing quick runs the toy wakes five times a second and runs the twenty periods due in
// one go. Each wake-up that repaints costs a fraction of a millisecond in Qt and the X connection,
// the same for any Qt window, so the wake-up rate is what sets the idle cost: at five a second the
// toy costs about what a small native X program costs. A walk or any two pictures taking turns
// look right at that rate (the walk shows about one step in three); a standing pet's four poses,
// a sleeping adult's breaths and the tray's eight pictures would not, so while one of those is on
// show the toy wakes for each of its frames. Anything quick (care, games, input) runs on 10 ms
// wake-ups, a call's beeps each on its own.
constexpr int64_t CoarseWakeMs = 200;

} // namespace

DeviceWindow::DeviceWindow(Form1& form)
    : form(form), ticks({[] {
                             return std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now().time_since_epoch())
                                 .count();
                         },
                         [this](int64_t delayMs, bool onTime) {
                             timer.setTimerType(onTime ? Qt::PreciseTimer : Qt::CoarseTimer);
                             timer.start(static_cast<int>(delayMs));
                         },
                         [this] {
                             if (this->form.timerInterval != 0 && !this->form.unloaded)
                                 this->form.Timer1_Timer();
                         },
                         [this] { return periodsUntilDue(this->form, trayShown); }},
                        CoarseWakeMs),
      keys([this](int16_t code, bool down) {
          ticks.inputArrived();
          keyEvent(this->form, code, down);
          sync();
      }) {
    setWindowFlags(Qt::FramelessWindowHint | Qt::Window);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // to show each element's own pointer and tooltip
    WindowMirror::followScreens(*this);
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &DeviceWindow::tick);
    QCoreApplication::instance()->installEventFilter(this);
}

DeviceWindow::~DeviceWindow() = default;

bool DeviceWindow::sheetInsideToy() const {
    return CompositorMove::compositorPlaces() || sheetMisplaced;
}

void DeviceWindow::syncSheetInside() {
    if (sheetInside) sheetInside->settle();
    if (sheetInside && sheetInside->shows() != form.sheet.get()) {
        // It may be inside one of its own handlers, so it goes once the event loop is back.
        std::shared_ptr<SheetInToy> old(std::move(sheetInside));
        QTimer::singleShot(0, this, [old] {});
    }
    if (form.sheet && !sheetInside && sheetInsideToy())
        sheetInside = std::make_unique<SheetInToy>(form, [this] { sync(); });
    // The sheet moves, comes and goes here without any element of the toy changing.
    const QRegion sheet = sheetInside ? sheetInside->outline() : QRegion();
    const void* picture = sheetInside && form.sheet ? form.sheet->Picture1.picture.get() : nullptr;
    if (sheet != paintedSheet || picture != paintedSheetPicture) {
        update(sheet.united(paintedSheet).boundingRect());
        paintedSheet = sheet;
        paintedSheetPicture = picture;
    }
}

void DeviceWindow::syncShape(const WindowState& w) {
    QRect geometry = WindowMirror::pixels(w);
    if (sheetInside) geometry.setWidth(geometry.width() + SheetInToy::Margin);
    if (WindowMirror::differs(*this, geometry)) setGeometry(geometry);
    if (w.outline.empty()) return;
    if (sheetInside) {
        const QRegion shape = DevicePainter::outline(w).united(sheetInside->outline());
        if (shape != mask()) setMask(shape);
        sheetShaped = true;
    } else if (!outlineApplied || sheetShaped) {
        setMask(DevicePainter::outline(w));
        outlineApplied = true;
        sheetShaped = false;
    }
}

void DeviceWindow::syncSheet() {
    if (sheetWindow && sheetWindow->misplaced() && !sheetMisplaced) {
        // From now on the sheet is drawn inside the toy, which then takes over the sheet as it is.
        sheetMisplaced = true;
        syncSheetInside();
        syncShape(form.window);
    }
    if (sheetWindow && (sheetWindow->shows() != form.sheet.get() || sheetInsideToy())) {
        // The widget may be inside one of its own handlers (a menu chosen on the sheet), so it
        // goes once the event loop is back.
        sheetWindow->hide();
        sheetWindow.release()->deleteLater();
    }
    if (form.sheet && !sheetWindow && !sheetInsideToy())
        sheetWindow = std::make_unique<SheetWindow>(form, *this, [this] { sync(); });
    if (sheetWindow) sheetWindow->sync();
}

void DeviceWindow::syncChooser() {
    if (chooserWindow && chooserWindow->shows() != form.chooser.get()) {
        // Its own OK or Cancel closed it, from inside one of its handlers.
        chooserWindow->hide();
        chooserWindow.release()->deleteLater();
    }
    if (form.chooser && !chooserWindow) {
        chooserWindow = std::make_unique<ChooserWindow>(form, [this] { sync(); });
        chooserWindow->sync();
        chooserWindow->activateWindow();
    }
    if (chooserWindow) chooserWindow->sync();
}

namespace {

// Drops a secondary window's widget once its window has closed in the core, and makes one when
// it opens. The widget may be inside one of its own handlers, so it goes once the event loop is
// back.
template <class Widget, class Window>
void follow(std::unique_ptr<Widget>& widget, const Window* window, Form1& form,
            const std::function<void()>& changed) {
    if (widget && widget->shows() != window) {
        widget->hide();
        widget.release()->deleteLater();
    }
    if (window && !widget) widget = std::make_unique<Widget>(form, changed);
    if (widget) widget->sync();
}

} // namespace

void DeviceWindow::syncBookletAbout() {
    const bool enabled = form.window.enabled;
    if (isEnabled() != enabled) setEnabled(enabled);
    // Where no tray exists "Hide" sends the toy to the task bar.
    if (form.window.minimized && !isMinimized())
        showMinimized();
    else if (!form.window.minimized && isMinimized())
        showNormal();
    const std::function<void()> changed = [this] { sync(); };
    follow(bookletWindow, form.booklet.get(), form, changed);
    follow(aboutWindow, form.about.get(), form, changed);
    follow(lifeStoryWindow, form.lifeStory.get(), form, changed);
}

void DeviceWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // The user brought the toy back from the task bar.
    if (event->type() == QEvent::WindowStateChange && !isMinimized() && form.window.minimized) {
        form.windowRestoredByUser();
        sync();
    }
}

bool DeviceWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
        ticks.inputArrived();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void DeviceWindow::tick() {
    ticks.wake();
    sync(true);
}

void DeviceWindow::sync(bool paintNow) {
    // The periods start once the device has loaded: the first sync comes after Form_Load, which
    // added the tray icon where a notification area exists.
    if (!ticks.started()) {
        trayShown = form.platform.tray.available();
        ticks.start();
    }
    if (form.unloaded) {
        QApplication::quit();
        return;
    }
    const WindowState& w = form.window;
    WindowMirror::topmost(*this, w.topmost, topmost);
    if (sheetInside || sheetInsideToy()) syncSheetInside();
    syncShape(w);
    if (w.title != shownTitle) {
        shownTitle = w.title;
        setWindowTitle(QString::fromStdString(shownTitle));
    }
    if (const auto* icon = dynamic_cast<const QtPicture*>(w.icon.get()); icon && icon != shownIcon) {
        // A new skin brings its own icon.
        shownIcon = icon;
        setWindowIcon(QIcon(QPixmap::fromImage(icon->image)));
    }
    if (w.visible != isVisible()) setVisible(w.visible);
    syncBookletAbout();
    syncSheet();
    syncChooser();
    // Runs after every tick: the snapshot reuses its buffer, so an unchanged screen costs a
    // comparison and no allocation.
    DevicePainter::snapshot(form.elements, current);
    if (current != painted) {
        // Only what changed is painted again: the pet's frames change several times a second,
        // and the whole shaped window costs many times the pet's own rectangle.
        const auto region = DevicePainter::changed(painted, current);
        const QRegion changed = region ? *region : QRegion(rect());
        paintNow ? repaint(changed) : update(changed);
        painted.swap(current);
    }
}

void DeviceWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (sheetInside) {
        // The sheet lies behind the toy, and only the toy's outline covers it, as the toy's own
        // window would cover a sheet window behind it.
        sheetInside->paint(painter);
        painter.setClipRegion(DevicePainter::outline(form.window), Qt::IntersectClip);
    }
    DevicePainter::paint(form.elements, painter);
}

bool DeviceWindow::hit(const QPointF& point, std::string& name, float& x, float& y) const {
    const double tx = point.x() * Twips;
    const double ty = point.y() * Twips;
    bool found = false;
    form.elements.forEachShown([&](const char* elementName, int index, Element& e) {
        const std::string n = elementName;
        const bool clickable = index < 0 && (n == "FrontView" || n == "BackView" || n == "ResetButton" ||
                                             n == "ButtonA" || n == "ButtonB" || n == "ButtonC");
        if (!clickable || !e.visible || tx < e.left || ty < e.top || tx >= e.left + e.width ||
            ty >= e.top + e.height)
            return;
        // Later elements lie above earlier ones, so the last hit wins.
        name = n;
        x = static_cast<float>(tx - e.left);
        y = static_cast<float>(ty - e.top);
        found = true;
    });
    return found;
}

void DeviceWindow::mouse(const char* action, QMouseEvent* event) {
    std::string name;
    float x = 0, y = 0;
    const std::string what = action;
    if (what == "down") {
        if (!hit(event->position(), name, x, y)) return;
        pressedElement = name;
    } else {
        name = pressedElement;
        if (name.empty()) return;
        const Element* e = form.elements.find(name);
        x = static_cast<float>(event->position().x() * Twips - (e ? e->left : 0));
        y = static_cast<float>(event->position().y() * Twips - (e ? e->top : 0));
    }
    const int16_t button = mouseButtonCode(what == "up" ? event->button() : event->buttons());
    if (name == "ButtonA" || name == "ButtonB" || name == "ButtonC") {
        using Handler = void (Form1::*)(int16_t, int16_t, float, float);
        Handler down = name == "ButtonA"   ? &Form1::ButtonA_MouseDown
                       : name == "ButtonB" ? &Form1::ButtonB_MouseDown
                                           : &Form1::ButtonC_MouseDown;
        Handler up = name == "ButtonA"   ? &Form1::ButtonA_MouseUp
                     : name == "ButtonB" ? &Form1::ButtonB_MouseUp
                                         : &Form1::ButtonC_MouseUp;
        if (what == "down")
            (form.*down)(mouseButtonCode(event->button()), 0, x, y);
        else if (what == "up")
            (form.*up)(button, 0, x, y);
    } else if (what == "down") {
        form.viewMouseDown(name, mouseButtonCode(event->button()), 0, x, y);
    } else if (what == "move") {
        form.viewMouseMove(name, button, 0, x, y);
    } else {
        form.viewMouseUp(name, button, 0, x, y);
    }
    if (what == "up") pressedElement.clear();
    sync();
}

void DeviceWindow::mousePressEvent(QMouseEvent* event) {
    // The sheet drawn here takes the presses beside the toy's outline.
    if (sheetInside && !DevicePainter::outline(form.window).contains(event->position().toPoint()) &&
        sheetInside->press(*event))
        return;
    // Only the face drags the toy; its buttons press at once.
    std::string name;
    float x = 0, y = 0;
    if (hit(event->position(), name, x, y) && (name == "FrontView" || name == "BackView") &&
        faceDrag.press(*event))
        return;
    mouse("down", event);
}
void DeviceWindow::mouseMoveEvent(QMouseEvent* event) {
    if (sheetInside && sheetInside->holding()) {
        sheetInside->move(*event);
        return;
    }
    if (faceDrag.holding()) {
        faceDrag.move(*this, *event);
        return;
    }
    if (!pressedElement.empty()) {
        mouse("move", event);
        return;
    }
    std::string name;
    float x = 0, y = 0;
    const Element* element = hit(event->position(), name, x, y) ? form.elements.find(name) : nullptr;
    if (sheetInside && !DevicePainter::outline(form.window).contains(event->position().toPoint()))
        if (const Element* tab = sheetInside->under(event->position().toPoint())) element = tab;
    if (element == hovered) return;
    hovered = element;
    WindowMirror::pointer(*this, element ? element->pointer : PictureHandle(), shownPointer);
    setToolTip(element ? QString::fromStdString(element->toolTip) : QString());
}
void DeviceWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (sheetInside && sheetInside->holding()) {
        sheetInside->release(*event);
        return;
    }
    if (faceDrag.click(*event)) mouse("down", event);
    mouse("up", event);
}

void DeviceWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    // The sheet's own window would take the second press as a press.
    if (sheetInside && !DevicePainter::outline(form.window).contains(event->position().toPoint()) &&
        sheetInside->press(*event))
        return;
    std::string name;
    float x = 0, y = 0;
    if (!hit(event->position(), name, x, y)) return;
    // A quick second press on a button is a press like any other: players tap B twice to feed.
    if (name == "ButtonA" || name == "ButtonB" || name == "ButtonC") {
        mouse("down", event);
        return;
    }
    form.viewDblClick(name);
    sync();
}

void DeviceWindow::keyPressEvent(QKeyEvent* event) {
    keys.press(event);
}

void DeviceWindow::keyReleaseEvent(QKeyEvent* event) {
    keys.release(event);
}

void DeviceWindow::focusOutEvent(QFocusEvent* event) {
    keys.focusLost();
    form.releaseHeldButtons();
    sync();
    QWidget::focusOutEvent(event);
}

void DeviceWindow::closeEvent(QCloseEvent* event) {
    form.Form_Unload();
    event->accept();
    QApplication::quit();
}
