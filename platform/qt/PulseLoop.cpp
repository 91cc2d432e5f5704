// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/PulseLoop.h"

#include <QSocketNotifier>
#include <QTimer>

#include <sys/time.h>

#include <chrono>
#include <cstdint>

// The event types libpulse declares and leaves to each main loop to define. A freed event is only
// disabled and handed to the Qt objects' deferred deletion: libpulse frees events from inside their
// own callbacks, where the notifier or timer that called cannot be deleted yet.
struct pa_io_event {
    pa_mainloop_api* api = nullptr;
    int fd = -1;
    pa_io_event_cb_t callback = nullptr;
    void* userdata = nullptr;
    pa_io_event_destroy_cb_t destroy = nullptr;
    QSocketNotifier* read = nullptr;
    QSocketNotifier* write = nullptr;
};

struct pa_time_event {
    pa_mainloop_api* api = nullptr;
    pa_time_event_cb_t callback = nullptr;
    void* userdata = nullptr;
    pa_time_event_destroy_cb_t destroy = nullptr;
    timeval due{};
    QTimer* timer = nullptr;
};

struct pa_defer_event {
    pa_mainloop_api* api = nullptr;
    pa_defer_event_cb_t callback = nullptr;
    void* userdata = nullptr;
    pa_defer_event_destroy_cb_t destroy = nullptr;
    QTimer* timer = nullptr;
};

namespace {

QObject* ownerOf(pa_mainloop_api* api) {
    return static_cast<QObject*>(api->userdata);
}

void retire(QObject* object) {
    if (!object) return;
    object->disconnect();
    if (auto* notifier = qobject_cast<QSocketNotifier*>(object)) notifier->setEnabled(false);
    if (auto* timer = qobject_cast<QTimer*>(object)) timer->stop();
    object->deleteLater();
}

void ioEnable(pa_io_event* e, pa_io_event_flags_t events) {
    e->read->setEnabled(events & (PA_IO_EVENT_INPUT | PA_IO_EVENT_HANGUP | PA_IO_EVENT_ERROR));
    e->write->setEnabled(events & PA_IO_EVENT_OUTPUT);
}

pa_io_event* ioNew(pa_mainloop_api* api, int fd, pa_io_event_flags_t events, pa_io_event_cb_t callback,
                   void* userdata) {
    auto* e = new pa_io_event{api, fd, callback, userdata};
    e->read = new QSocketNotifier(fd, QSocketNotifier::Read, ownerOf(api));
    e->write = new QSocketNotifier(fd, QSocketNotifier::Write, ownerOf(api));
    // Nothing may touch the event after its callback: the callback may have freed it.
    QObject::connect(e->read, &QSocketNotifier::activated, e->read,
                     [e] { e->callback(e->api, e, e->fd, PA_IO_EVENT_INPUT, e->userdata); });
    QObject::connect(e->write, &QSocketNotifier::activated, e->write,
                     [e] { e->callback(e->api, e, e->fd, PA_IO_EVENT_OUTPUT, e->userdata); });
    ioEnable(e, events);
    return e;
}

void ioFree(pa_io_event* e) {
    retire(e->read);
    retire(e->write);
    if (e->destroy) e->destroy(e->api, e, e->userdata);
    delete e;
}

void ioSetDestroy(pa_io_event* e, pa_io_event_destroy_cb_t destroy) {
    e->destroy = destroy;
}

// libpulse gives a foreign loop's times on the wall clock, as gettimeofday counts it.
void timeArm(pa_time_event* e, const timeval* tv) {
    if (!tv) {
        e->timer->stop();
        return;
    }
    e->due = *tv;
    timeval now{};
    gettimeofday(&now, nullptr);
    const int64_t micros = (int64_t(tv->tv_sec) - now.tv_sec) * 1000000 + (tv->tv_usec - now.tv_usec);
    e->timer->start(std::chrono::milliseconds(micros <= 0 ? 0 : (micros + 999) / 1000));
}

pa_time_event* timeNew(pa_mainloop_api* api, const timeval* tv, pa_time_event_cb_t callback, void* userdata) {
    auto* e = new pa_time_event{api, callback, userdata};
    e->timer = new QTimer(ownerOf(api));
    e->timer->setSingleShot(true);
    QObject::connect(e->timer, &QTimer::timeout, e->timer,
                     [e] { e->callback(e->api, e, &e->due, e->userdata); });
    timeArm(e, tv);
    return e;
}

void timeFree(pa_time_event* e) {
    retire(e->timer);
    if (e->destroy) e->destroy(e->api, e, e->userdata);
    delete e;
}

void timeSetDestroy(pa_time_event* e, pa_time_event_destroy_cb_t destroy) {
    e->destroy = destroy;
}

// A deferred call runs once on each pass of the loop for as long as it is enabled.
void deferEnable(pa_defer_event* e, int enable) {
    if (enable)
        e->timer->start(0);
    else
        e->timer->stop();
}

pa_defer_event* deferNew(pa_mainloop_api* api, pa_defer_event_cb_t callback, void* userdata) {
    auto* e = new pa_defer_event{api, callback, userdata};
    e->timer = new QTimer(ownerOf(api));
    QObject::connect(e->timer, &QTimer::timeout, e->timer, [e] { e->callback(e->api, e, e->userdata); });
    deferEnable(e, 1);
    return e;
}

void deferFree(pa_defer_event* e) {
    retire(e->timer);
    if (e->destroy) e->destroy(e->api, e, e->userdata);
    delete e;
}

void deferSetDestroy(pa_defer_event* e, pa_defer_event_destroy_cb_t destroy) {
    e->destroy = destroy;
}

// The loop is the program's: libpulse never ends it.
void quit(pa_mainloop_api*, int) {}

} // namespace

PulseLoop::PulseLoop() {
    table.userdata = &owner;
    table.io_new = ioNew;
    table.io_enable = ioEnable;
    table.io_free = ioFree;
    table.io_set_destroy = ioSetDestroy;
    table.time_new = timeNew;
    table.time_restart = [](pa_time_event* e, const timeval* tv) { timeArm(e, tv); };
    table.time_free = timeFree;
    table.time_set_destroy = timeSetDestroy;
    table.defer_new = deferNew;
    table.defer_enable = deferEnable;
    table.defer_free = deferFree;
    table.defer_set_destroy = deferSetDestroy;
    table.quit = quit;
}

PulseLoop::~PulseLoop() = default;
