// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for bench/desktop_idle.sh: an empty frameless Qt window with a 10 ms timer and a
// repaint once a second, the least a Qt toy could cost.
#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::FramelessWindowHint | Qt::Window);
    window.resize(160, 160);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (++ticks % 100 == 0) window.update();
    });
    timer.start(10);
    window.show();
    return app.exec();
}
