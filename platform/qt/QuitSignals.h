// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A toy ended by the session (log-out, shut-down) or by `kill` saves its pet as "Exit" does. This
// file provides:
//  - QuitSignals: turns SIGTERM, SIGINT and SIGHUP into a call of its handler on the event loop.
// A signal handler may do next to nothing, so it only writes a byte to a pipe that the event loop
// watches; the handler then runs as ordinary code.
#include <QSocketNotifier>

#include <functional>
#include <memory>

class QuitSignals {
public:
    explicit QuitSignals(std::function<void(int signal)> handler);
    ~QuitSignals();
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    std::function<void(int)> handler;
    std::unique_ptr<QSocketNotifier> notifier;
};
