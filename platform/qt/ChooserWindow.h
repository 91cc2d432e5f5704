// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The skin and plug-in chooser on the real desktop. This file provides:
//  - ChooserWindow: a small frameless dialog with the chooser's title labels, its list of display
//    names, the description box and the OK and Cancel buttons, laid out from Form3's twips. It
//    mirrors Form3's state and hands row clicks, double clicks, the buttons and drags on the
//    window or its labels to Form3's handlers.
// The device window creates it when Form1 opens the chooser and drops it when the chooser
// closes; every handler finds the chooser through Form1, since OK and Cancel destroy it.
#include "platform/qt/CompositorMove.h"

#include <QDialog>

#include <functional>
#include <string>
#include <vector>

class Form1;
class Form3;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class ChooserWindow : public QDialog {
public:
    // changed: called after every event that reached the core, to bring the toy up to date.
    ChooserWindow(Form1& form, std::function<void()> changed);

    // The chooser this widget was made for; another (or none) means the widget is stale.
    const Form3* shows() const { return chooser; }
    void sync();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void reject() override; // Escape: Cancel

private:
    Form3* current() const;
    // Runs a handler on the open chooser, then brings the desktop up to date.
    void run(const std::function<void(Form3&)>& handler);

    Form1& form;
    std::function<void()> changed;
    const Form3* chooser;
    QLabel* shadow;
    QLabel* title;
    QListWidget* list;
    QPlainTextEdit* text;
    QPushButton* ok;
    QPushButton* cancel;
    std::vector<std::string> shownList;
    bool syncing = false; // selection changes made by sync are not the user's clicks
    bool topmost = false;
    FaceDrag faceDrag; // where the compositor alone moves windows
};
