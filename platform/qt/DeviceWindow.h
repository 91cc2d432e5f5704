// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The device window on the real desktop. This file provides:
//  - DeviceWindow: a frameless widget cut to the device's outline, painting its element set,
//    running the 10 ms main timer through a TickScheduler (coarse wake-ups while the pet idles,
//    every input catching the pending periods up first), and passing mouse and key events to
//    Form1 in its own terms (twips relative to the element, Windows key codes). After every event
//    it mirrors the device's window state onto the desktop and repaints only when an element
//    changed; each element's own mouse pointer and tooltip while the mouse rests on it.
#include "platform/qt/CompositorMove.h"
#include "platform/qt/KeyForwarder.h"
#include "platform/qt/common/DevicePainter.h"
#include "platform/qt/common/TickScheduler.h"

#include <QRegion>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

class Form1;
class SheetWindow;
class SheetInToy;
class AboutWindow;
class LifeStoryWindow;
class BookletWindow;
class ChooserWindow;

class DeviceWindow : public QWidget {
public:
    explicit DeviceWindow(Form1& form);
    ~DeviceWindow() override;

    // Mirrors position, size, visibility, title, topmost and outline; repaints when needed.
    // paintNow: paint what changed before returning rather than when the event loop is next
    // idle; the timer's wake-ups do, which saves each of them a round through the event queue.
    void sync(bool paintNow = false);
    // Runs the periods due by now before input from outside the window (the tray) is handled.
    void inputArrived() { ticks.inputArrived(); }
    const TickScheduler& scheduler() const { return ticks; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // The keyboard went to another window or program: the keys still held let go of their buttons.
    void focusOutEvent(QFocusEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    // Input to any of the program's windows (the pop-up menu, the sheet, the booklet, ...)
    // catches the pending periods up before it is handled.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tick();
    // Creates the sheet's widget when Form1 loads the sheet, and drops it when the sheet unloads.
    void syncSheet();
    // The same for a sheet drawn inside this window, where it cannot be a window of its own;
    // a sheet pulled out and done with is put away here.
    void syncSheetInside();
    // Position, size and outline: the toy's, and the sheet's beside it while it is drawn here.
    void syncShape(const struct WindowState& w);
    bool sheetInsideToy() const;
    // The topmost clickable element under a window point, with the point in its twips.
    bool hit(const QPointF& point, std::string& name, float& x, float& y) const;
    void mouse(const char* action, QMouseEvent* event);

    Form1& form;
    QTimer timer;
    TickScheduler ticks;
    bool trayShown = false; // read once the device has loaded: the tray icon is added then or never
    DevicePainter::Snapshot painted;
    DevicePainter::Snapshot current;
    std::string shownTitle;
    std::string pressedElement; // the element that got the mouse-down receives move and up
    const struct Element* hovered = nullptr;
    const void* shownPointer = nullptr;
    bool outlineApplied = false;
    bool topmost = false;
    std::unique_ptr<SheetWindow> sheetWindow;
    std::unique_ptr<SheetInToy> sheetInside;
    bool sheetMisplaced = false; // the desktop put the sheet's own window away from the toy
    bool sheetShaped = false;    // the outline applied includes the sheet drawn here
    QRegion paintedSheet;        // where the sheet drawn here was last painted
    const void* paintedSheetPicture = nullptr;
    // The booklet and the about window, created and dropped as Form1 opens and closes them;
    // the toy's enabled and minimised states.
    void syncBookletAbout();
    std::unique_ptr<BookletWindow> bookletWindow;
    std::unique_ptr<AboutWindow> aboutWindow;
    std::unique_ptr<LifeStoryWindow> lifeStoryWindow;
    // The skin and plug-in chooser: made when Form1 opens it, dropped when it closes.
    void syncChooser();
    std::unique_ptr<ChooserWindow> chooserWindow;
    const void* shownIcon = nullptr;
    KeyForwarder keys;
    FaceDrag faceDrag; // where the compositor alone moves windows
};
