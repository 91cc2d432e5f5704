// SPDX-License-Identifier: GPL-3.0-or-later
// Desktop notifications for calls the user cannot see, and do-not-disturb. A call that starts
// while the toy is hidden, minimised, covered or behind a full-screen program is sent to the
// desktop; the notification goes when the call is answered or runs out. Everything here waits on
// the "Notifications" option: with it off the toy behaves as it always did.
#include "app/Form1.h"

namespace {

MenuId captionItem(CallKind kind) {
    const int index = static_cast<int>(kind);
    return index < 3 ? cheatAttention(index) : cheatAction(index - 3);
}

// Dying cannot wait; a dropping can. The rest cost the pet care points if left.
Urgency urgencyOf(CallKind kind) {
    switch (kind) {
    case CallKind::Dying:
        return Urgency::Critical;
    case CallKind::Poop:
        return Urgency::Low;
    default:
        return Urgency::Normal;
    }
}

} // namespace

bool Form1::toyUnseen() const {
    if (!window.visible || window.minimized) return true;
    const DesktopAttention desk = platform.notifier.attention();
    return desk.covered || desk.fullScreen;
}

bool Form1::doNotDisturb() const {
    if (!options.notifications) return false;
    const DesktopAttention desk = platform.notifier.attention();
    return desk.inhibited || desk.fullScreen;
}

bool Form1::callLasts(CallKind kind) const {
    switch (kind) {
    case CallKind::Hungry:
        return pet.AttentionHungry;
    case CallKind::Unhappy:
        return pet.AttentionHappy;
    case CallKind::Discipline:
        return pet.AttentionDiscipline;
    case CallKind::Sick:
        return pet.Sickness > 0 && pet.DyingAction == 0;
    case CallKind::Poop:
        return (pet.DroppingAction || pet.Dung > 0) && pet.DyingAction == 0;
    case CallKind::Sleep:
        return pet.AttentionSleep;
    case CallKind::Dying:
        return pet.DyingAction != 0;
    }
    return false;
}

void Form1::callStarted(CallKind kind) {
    if (!options.notifications || unloaded || !callLasts(kind)) return;
    const auto index = static_cast<std::size_t>(kind);
    // A call that the user can see needs no notification; one already out is brought up to date.
    if (!notices.live[index] && !toyUnseen()) return;
    Notice notice;
    notice.summary = pet.PiplingName;
    notice.body = menuItem(captionItem(kind)).caption;
    // The pet as its screen shows it now; the tray's picture while the screen shows none.
    notice.icon = elements.PipChar.picture ? elements.PipChar.picture : trayIcon;
    notice.urgency = urgencyOf(kind);
    platform.notifier.notify(static_cast<int>(kind), notice);
    notices.live[index] = true;
    notices.any = true;
}

void Form1::watchCalls() {
    if (!notices.any) return;
    bool any = false;
    for (int k = 0; k < CallKindCount; ++k) {
        const auto index = static_cast<std::size_t>(k);
        if (!notices.live[index]) continue;
        if (callLasts(static_cast<CallKind>(k))) {
            any = true;
            continue;
        }
        platform.notifier.withdraw(k);
        notices.live[index] = false;
    }
    notices.any = any;
}

void Form1::noticeLastingCalls() {
    for (int k = 0; k < CallKindCount; ++k)
        callStarted(static_cast<CallKind>(k));
}

void Form1::withdrawNotices() {
    for (int k = 0; k < CallKindCount; ++k)
        if (notices.live[static_cast<std::size_t>(k)]) platform.notifier.withdraw(k);
    notices = {};
}

void Form1::noticeClicked(int key) {
    if (key < 0 || key >= CallKindCount || !notices.live[static_cast<std::size_t>(key)]) return;
    bringToFront();
}

void Form1::mPopupNotifications_Click() {
    options.notifications = !options.notifications;
    if (!options.notifications) withdrawNotices();
}
