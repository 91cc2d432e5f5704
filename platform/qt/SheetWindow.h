// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The insulating sheet on the real desktop. This file provides:
//  - SheetWindow: a small frameless widget cut to the sheet's outline that paints the sheet's
//    picture, runs its 100 ms timer, and passes mouse and key events to Form5 in its own terms
//    (twips relative to Picture1, Windows key codes). It mirrors the sheet's window state and
//    keeps the toy stacked above the sheet while the sheet sits in the slot.
// The device window creates it when Form1 loads the sheet and drops it when the sheet unloads;
// every handler here finds the sheet through Form1, since a menu chosen on the sheet may remove
// it while the handler runs.
#include "platform/qt/CompositorMove.h"
#include "platform/qt/KeyForwarder.h"

#include <QPointF>
#include <QTimer>
#include <QWidget>

#include <functional>

class Form1;
class Form5;

class SheetWindow : public QWidget {
public:
    // changed: called after every event that reached the core, to bring the toy up to date.
    SheetWindow(Form1& form, QWidget& device, std::function<void()> changed);

    // The sheet this widget was made for; another (or none) means the widget is stale.
    const Form5* shows() const { return sheet; }
    // Mirrors position, size, visibility, topmost, outline, pointer and stacking; repaints when needed.
    void sync();
    // The desktop put this window somewhere other than beside the toy (as weston does with the
    // windows of X programs): known a moment after the window is first shown.
    bool misplaced() const { return placedElsewhere; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    // As for the toy: the keys the sheet held let go of their buttons when the keyboard leaves.
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The sheet, or null when it has been unloaded since this widget was made.
    Form5* current() const;
    // The mouse in twips relative to Picture1 where the core has the sheet.
    QPointF twips(const Form5& sheet, const QMouseEvent& event) const;
    void tick();
    void checkPlacement();

    Form1& form;
    QWidget& device;
    std::function<void()> changed;
    const Form5* sheet;
    QTimer timer;
    const void* paintedPicture = nullptr;
    const void* shownPointer = nullptr;
    bool outlineApplied = false;
    bool topmost = false;
    bool behind = false; // the toy was last raised above the sheet
    bool placementChecked = false;
    bool placedElsewhere = false;
    KeyForwarder keys;
    // Where the compositor alone moves windows: a free sheet moves through it, and a seated one
    // slides in the core only, from where the core had it at the press (anchor) while the
    // window stays put.
    FaceDrag faceDrag;
    int anchorLeft = 0;
    int anchorTop = 0;
};
