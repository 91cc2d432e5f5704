// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QuitSignals.h"

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The pipe's two ends; one program has one event loop, so one pair serves it.
int ends[2] = {-1, -1};
constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void onSignal(int signal) {
    const unsigned char byte = static_cast<unsigned char>(signal);
    (void)!::write(ends[0], &byte, 1);
}

} // namespace

QuitSignals::QuitSignals(std::function<void(int)> handler) : handler(std::move(handler)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, ends) != 0) return;
    notifier = std::make_unique<QSocketNotifier>(ends[1], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, notifier.get(), [this] {
        unsigned char byte = 0;
        while (::read(ends[1], &byte, 1) == 1)
            this->handler(byte);
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : Signals)
        ::sigaction(signal, &action, nullptr);
}

QuitSignals::~QuitSignals() {
    for (int signal : Signals)
        ::signal(signal, SIG_DFL);
    notifier.reset();
    for (int& end : ends) {
        if (end >= 0) ::close(end);
        end = -1;
    }
}
