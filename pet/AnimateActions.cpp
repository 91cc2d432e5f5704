// SPDX-License-Identifier: GPL-3.0-or-later
// The frames of the pet's timed actions: dying, sleeping and producing a dropping.
#include "pet/AnimateSupport.h"

using animate::pictureAt;

namespace {

// The pet blinks and beeps for 45 frames, slowing down after 30, then lays an egg for 8 frames.
constexpr int16_t LastBlinkFrame = 45;
constexpr int16_t SlowBlinkFrom = 32;
constexpr int16_t LastEggFrame = 60;

} // namespace

void Form1::animateDying() {
    PetState& p = pet;
    DeviceState& d = device;
    ElementSet& e = elements;
    p.DyingAction = static_cast<int16_t>(p.DyingAction + 1);

    if (p.DyingAction <= LastBlinkFrame) {
        p.FramePeriod = p.DyingAction < SlowBlinkFrom ? int16_t{120} : int16_t{250};
        d.FrameIndex = d.FrameIndex == 0 ? int16_t{1} : int16_t{0};
        if (d.FrameIndex == 1) {
            DoPlaySound("\\sounds\\beep.wav");
            e.Skull.visible = screenShowsPet();
        } else {
            e.Skull.visible = false;
        }
        return;
    }

    if (p.DyingAction <= LastEggFrame) {
        e.Skull.visible = false;
        p.FramePeriod = 120;
        p.DyingAction = static_cast<int16_t>(p.DyingAction + 1);
        e.PipChar.move(layout.LayAnEggLeft, layout.LayAnEggTop);
        e.PipChar.setPicture(e.TempDropping[1]);
        // The laid egg is the egg character's first picture, whatever character lays it. It is
        // loaded on these few frames only, so no idle tick touches the disk.
        DoLoadPicture(p.Plugins, e.TempImage, "\\Chars\\00\\", "0.gif");
        e.TempImage.move(layout.LaidEggLeft, layout.LaidEggTop);
        e.TempImage.visible = d.ActionFrameCount % 2 == 0 && screenShowsPet();
        return;
    }

    e.TempImage.visible = false;
    p.DyingAction = 0;
    platform.desktop.setPointer(Pointer::Wait);
    DoSetCharacter(character::Angel);
    platform.desktop.setPointer(Pointer::Default);
}

void Form1::animateSleep(PictureHandle& icon) {
    PetState& p = pet;
    DeviceState& d = device;
    ElementSet& e = elements;
    e.PipChar.move(layout.SleepLeft, layout.SleepTop);
    int16_t shown = 0;
    if (p.CharacterNo > character::PoorTeen) {
        // Adults breathe slower: two frames of each picture, the body turning over on the third.
        if (d.ActionStep < 0 || d.ActionStep > 3) d.ActionStep = 0;
        shown = d.ActionStep >= 2 ? int16_t{1} : int16_t{0};
        d.FrameIndex = shown;
        e.PipChar.setPicture(e.TempSleep[d.ActionStep == 2 ? 1 : 0]);
        d.ActionStep = static_cast<int16_t>((d.ActionStep + 1) % 4);
    } else {
        if (d.ActionStep < 0 || d.ActionStep > 1) d.ActionStep = 0;
        shown = d.ActionStep;
        e.PipChar.setPicture(e.TempSleep[static_cast<std::size_t>(shown)]);
        d.ActionStep = shown == 0 ? int16_t{1} : int16_t{0};
    }
    e.SleepSign.setPicture(e.TempSleepSign[static_cast<std::size_t>(shown)]);
    icon = e.SleepIcon[static_cast<std::size_t>(shown)];
    e.Dark.setPicture(e.TempDark[static_cast<std::size_t>(shown)]);
    p.DarkWidth = static_cast<int16_t>(e.Dark.width);
}

void Form1::animateDropping(PictureHandle& icon) {
    PetState& p = pet;
    DeviceState& d = device;
    ElementSet& e = elements;
    animate::showStatus(*this, MenuId::mCheatAction1);
    const int16_t step = d.ActionStep;
    Element& coming = e.DungImage[2]; // the dropping on its way out, beside the squatting pet

    if (step <= 6) {
        // The pet squats and shakes: every other frame it moves a little to the left.
        const bool shaking = step % 2 == 1;
        d.FrameIndex = 0;
        e.PipChar.move(layout.Stool0Left - (shaking ? 30 : 0), layout.Stool0Top);
        icon = e.DungIcon[shaking ? 1 : 0];
    } else if (step <= 13) {
        const std::size_t frame = step % 2 == 0 ? 1 : 0;
        d.FrameIndex = 1;
        e.PipChar.move(layout.Stool1Left, layout.Stool1Top);
        coming.setPicture(e.TempDung[frame]);
        coming.visible = screenShowsPet();
        icon = e.DungIcon[frame];
    } else {
        d.FrameIndex = 1;
        coming.visible = false;
        // Eight droppings fill the screen; the dropping event refuses a ninth, and a count
        // restored at eight is not pushed past the elements that exist.
        if (p.Dung < static_cast<int16_t>(e.DungImage.size())) p.Dung = static_cast<int16_t>(p.Dung + 1);
        if (p.Dung >= 1) e.DungImage[static_cast<std::size_t>(p.Dung - 1)].visible = screenShowsPet();
        p.DroppingAction = false;
        DoMainScreen(true);
        d.ActionFrameCount = 1;
        d.ActionStep = 0; // the counter is shared with the care screens' animations
        return;
    }
    d.ActionStep = static_cast<int16_t>(step + 1);
}
