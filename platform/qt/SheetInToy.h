// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The insulating sheet drawn inside the toy's own window. This file provides:
//  - SheetInToy: for a desktop where the sheet cannot be a window of its own at the toy's side
//    (native Wayland, where the compositor places every window; a window manager that put the
//    sheet window somewhere else), the toy's window grows to the right by Margin pixels and shows
//    the sheet there, behind the toy, where a separate window would have shown it. It runs the
//    sheet's 100 ms timer and passes the tab's mouse events to Form5 in the same terms as the
//    sheet's own window does, so the same pull switches the toy on.
// A sheet pulled out of the slot has left the toy's window: once the toy has started, it is put
// away as "Insulating Sheet" unchecked puts it away, and the window shrinks back to the toy.
#include <QPoint>
#include <QRegion>
#include <QTimer>

#include <functional>

class Form1;
class Form5;
class QMouseEvent;
class QPainter;
struct Element;

class SheetInToy {
public:
    // How far the window reaches beyond the toy's right edge: far enough for the whole sheet at
    // the outermost place where it still sits in the slot (Form5::BoxRight beyond the edge).
    static constexpr int Margin = 84;

    // changed: called after every event that reached the core, to bring the toy up to date.
    SheetInToy(Form1& form, std::function<void()> changed);

    // The sheet this was made for; another (or none) means it is stale.
    const Form5* shows() const { return sheet; }
    // The sheet is drawn: shown and seated in the slot.
    bool drawn() const;
    // The sheet's outline in the toy's window pixels; empty when it is not drawn.
    QRegion outline() const;
    // Paints the sheet; the toy is painted over it afterwards.
    void paint(QPainter& painter) const;
    // The pointer the sheet shows where the mouse rests on it, or null off the sheet.
    const Element* under(QPoint point) const;

    // A press at a window point the toy itself does not cover: true when the sheet took it.
    bool press(const QMouseEvent& event);
    // True while the sheet has the left button: moves and the release belong here.
    bool holding() const;
    void move(const QMouseEvent& event);
    void release(const QMouseEvent& event);
    // Puts away a sheet pulled free of the slot once the toy runs, held by the mouse or not.
    // Called after every event.
    void settle();

private:
    // The sheet, or null when it has been unloaded since this was made.
    Form5* current() const;
    // The sheet's top-left corner in the toy's window pixels.
    QPoint offset(const Form5& sheet) const;
    void tick();

    Form1& form;
    std::function<void()> changed;
    const Form5* sheet;
    QTimer timer;
};
