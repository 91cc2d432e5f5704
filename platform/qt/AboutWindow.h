// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The about window on the real desktop. This file provides:
//  - AboutWindow: a window laid out with the about picture, the title, author and notice
//    labels, the two links, the framed text box and the OK button, showing Form2's texts and
//    link colours and passing the mouse to Form2: presses on the links, and drags on the window
//    surface, the frame, the labels and the picture. The device window creates it when Form1
//    opens the about window and drops it when that closes.
#include "platform/qt/CompositorMove.h"
#include <QEvent>

#include <QWidget>

#include <functional>

class Form1;
class Form2;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class AboutWindow : public QWidget {
public:
    AboutWindow(Form1& form, std::function<void()> changed);

    const Form2* shows() const { return about; }
    void sync();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    Form2* current() const;
    // A mouse event on the surface, in twips relative to this window.
    void surface(QEvent::Type type, const QMouseEvent* event, const QWidget* from);

    Form1& form;
    std::function<void()> changed;
    const Form2* about;
    QLabel* picture;
    QLabel* title;
    QLabel* author;
    QLabel* email;
    QLabel* homepage;
    QLabel* description;
    QGroupBox* frame;
    QPlainTextEdit* text;
    QPushButton* ok;
    const void* shownPicture = nullptr;
    qreal shownRatio = 0; // the scale the picture was last made for
    bool topmost = false;
    FaceDrag faceDrag; // where the compositor alone moves windows
};
