// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"

// The three short animations that play over a care screen: the unhappy (scolded or treated)
// pet, the happy pet, and the refusal. They share one frame clock: ActionStep counts ticks up to
// DelayValue, ActionFramesLeft the frames still to come, FrameIndex the picture shown.

namespace {

enum class Frame { NotDue, Last, Next };

// Advances the shared frame clock by one tick and tells whether a frame is due now, and whether
// the one just shown was the last.
Frame advanceFrameClock(DeviceState& device, int16_t delay) {
    device.ActionStep = static_cast<int16_t>(device.ActionStep + 1);
    if (device.ActionStep != delay) return Frame::NotDue;
    device.ActionStep = 0;
    const int16_t framesLeft = device.ActionFramesLeft;
    device.ActionFramesLeft = static_cast<int16_t>(framesLeft - 1);
    return framesLeft == 1 ? Frame::Last : Frame::Next;
}

std::size_t frame(int16_t index, std::size_t count) {
    return static_cast<std::size_t>(index) < count ? static_cast<std::size_t>(index) : 0;
}

// Shows the next picture of a timed animation in the sprite. The sprite is hidden while its
// picture changes and comes back only where the screen can show it.
void showFrame(Form1& form, const PictureHandle& picture) {
    Element& sprite = form.elements.TempImage;
    const bool wasVisible = sprite.visible;
    sprite.visible = false;
    sprite.setPicture(picture);
    sprite.visible = wasVisible && form.screenShowsPet();
}

} // namespace

void Form1::DoUnhappyStep() {
    if (!device.UnhappyAction) return;
    switch (advanceFrameClock(device, pet.DelayValue)) {
    case Frame::NotDue:
        return;
    case Frame::Last:
        DoIconAction(PressC);
        return;
    case Frame::Next:
        device.FrameIndex = device.FrameIndex >= 3 ? int16_t{0} : static_cast<int16_t>(device.FrameIndex + 1);
        showFrame(*this, elements.TempUnhappy[frame(device.FrameIndex, 4)]);
        return;
    }
}

void Form1::DoHappyStep() {
    if (!device.HappyAction) return;
    switch (advanceFrameClock(device, pet.DelayValue)) {
    case Frame::NotDue:
        return;
    case Frame::Last:
        if (device.FlushAction) {
            // The happy pet after a flush ends the flush itself: back to the clean main screen.
            device.FlushAction = false;
            elements.TempImage.visible = false;
            pet.ScreenTimeLeft = 0;
            device.HappyAction = false;
            DoMainScreen(true);
        } else {
            DoIconAction(PressC);
        }
        return;
    case Frame::Next:
        device.FrameIndex = device.FrameIndex != 1 ? int16_t{1} : int16_t{0};
        elements.TempImage.move(layout.HappyLeft, layout.HappyTop);
        showFrame(*this, elements.TempHappy[frame(device.FrameIndex, 2)]);
        return;
    }
}

void Form1::DoNegativeStep() {
    if (!device.NegativeAction) return;
    switch (advanceFrameClock(device, pet.DelayValue)) {
    case Frame::NotDue:
        return;
    case Frame::Last:
        DoIconAction(PressC);
        return;
    case Frame::Next:
        device.FrameIndex = device.FrameIndex == 0 ? int16_t{1} : int16_t{0};
        showFrame(*this, elements.TempNegative[frame(device.FrameIndex, 2)]);
        return;
    }
}
