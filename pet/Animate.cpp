// SPDX-License-Identifier: GPL-3.0-or-later
#include "pet/AnimateSupport.h"

using animate::pictureAt;

void Form1::DoAnimate() {
    PetState& p = pet;
    // A frame is due once the tick's interval count reaches the character's frame period. The
    // egg, whose count only ever steps to its period exactly, is tested the same way, so an egg
    // restored with a count past its period still wobbles instead of standing still for good.
    const bool frameDue = p.IntervalCount >= p.FramePeriod;
    // A pet that was showing stays showing; a new character (its change hid the old one) is
    // drawn now unless a care screen or a game has the screen.
    const bool wasVisible = elements.PipChar.visible || (device.NewPetUndrawn && pet.ScreenTimeLeft == 0 &&
                                                         device.GameState == gameState::None);
    device.NewPetUndrawn = false;
    PictureHandle icon = trayIcon;

    if (p.CharacterNo == character::Egg) {
        animateEgg(frameDue);
    } else if (p.CharacterNo == character::Angel) {
        animateAngel(frameDue, icon);
    } else if (frameDue) {
        p.IntervalCount = 0;
        device.ActionFrameCount = static_cast<int16_t>(device.ActionFrameCount + 1);
        animatePetFrame(icon);
    }

    showPetPicture(icon);
    elements.PipChar.visible = wasVisible && screenShowsPet();
    // The tray follows the pet only while it lives: not before the sheet is pulled out.
    if (timerInterval != 0 && p.InsulatingSheet != 1) updateTray(icon, p.StatusText);
}

void Form1::animateEgg(bool frameDue) {
    PetState& p = pet;
    Element& egg = elements.PipChar;
    if (p.MinuteCount >= p.MinuteToChangeCharacter) {
        if (p.SecondCount >= 2) {
            platform.desktop.setPointer(Pointer::Wait);
            DoSetCharacter(character::Baby);
            platform.desktop.setPointer(Pointer::Default);
        } else if (p.CurrentTempChar != 2) {
            // The first two seconds of the hatching minute show the cracking shell.
            p.CurrentTempChar = 2;
            egg.setPicture(elements.TempChar[2]);
            egg.move(layout.EggHatchLeft, layout.EggHatchTop);
        }
        return;
    }
    if (p.MinuteCount == 0 && p.SecondCount >= 58) {
        // The last two seconds before hatching: the egg shakes from side to side, knocking.
        DoShowIfAutoShow();
        if (frameDue) {
            p.IntervalCount = 0;
            if (egg.left == layout.EggShakeRight) {
                egg.left = layout.EggShakeLeft;
            } else {
                DoPlaySound("\\sounds\\hatch.wav");
                egg.left = layout.EggShakeRight;
            }
            p.CurrentTempChar = 0;
        }
        return;
    }
    if (frameDue) {
        p.IntervalCount = 0;
        p.CurrentTempChar = p.CurrentTempChar == 0 ? int16_t{1} : int16_t{0};
    }
}

void Form1::animateAngel(bool frameDue, PictureHandle& icon) {
    if (!frameDue) return;
    pet.IntervalCount = 0;
    device.FrameIndex = device.FrameIndex == 0 ? int16_t{1} : int16_t{0};
    elements.PipChar.move(layout.StarsLeft, layout.StarsTop);
    elements.PipChar.setPicture(pictureAt(elements.Stars, device.FrameIndex));
    icon = pictureAt(elements.AngelIcon, device.FrameIndex);
}

void Form1::animatePetFrame(PictureHandle& icon) {
    if (pet.DyingAction >= 1)
        animateDying();
    else if (pet.SleepAction)
        animateSleep(icon);
    else if (pet.DroppingAction)
        animateDropping(icon);
    else if (pet.Sickness > 0)
        device.SickFrame = device.SickFrame >= 2 ? int16_t{0} : static_cast<int16_t>(device.SickFrame + 1);
    else
        animateIdle();
}

void Form1::animateIdle() {
    PetState& p = pet;
    DeviceState& d = device;
    d.WalkStep = static_cast<int16_t>((d.WalkStep + 1) % 8);
    if (p.CurrentTempChar < 0 || p.CurrentTempChar > 3) p.CurrentTempChar = 0;
    if (!layout.CanWalk) {
        p.CurrentTempChar = static_cast<int16_t>((p.CurrentTempChar + 1) % 4);
        return;
    }

    // The walking pet paces the screen area 90 twips a frame and turns at its edges. Frames 0/1
    // face left, 2/3 face right; turning swaps to the same step of the other pair.
    constexpr int Stride = 90;
    Element& pip = elements.PipChar;
    const int areaLeft = elements.PipScr.left;
    const int areaRight = elements.PipScr.left + elements.PipScr.width;
    auto turn = [&](bool right) {
        d.WalkRight = right;
        const int turned = pip.left + (right ? Stride : -Stride);
        // A screen too narrow for a step back keeps the pet where it stands.
        if (turned >= areaLeft && turned + pip.width <= areaRight) pip.left = turned;
        p.CurrentTempChar = static_cast<int16_t>(p.CurrentTempChar ^ 2);
    };
    if (d.WalkRight) {
        if (pip.left + pip.width + Stride <= areaRight)
            pip.left += Stride;
        else
            turn(false);
    } else {
        if (pip.left - Stride >= areaLeft)
            pip.left -= Stride;
        else
            turn(true);
    }
    const int16_t pair = d.WalkRight ? 2 : 0;
    p.CurrentTempChar = p.CurrentTempChar == pair ? static_cast<int16_t>(pair + 1) : pair;
}

void Form1::showPetPicture(PictureHandle& icon) {
    PetState& p = pet;
    ElementSet& e = elements;
    if (p.DyingAction >= 1) {
        if (p.DyingAction <= 45)
            icon = e.Skull.visible ? e.SickIcon : e.NullIcon;
        else
            icon = e.TempIcon[0];
        animate::showStatus(*this, MenuId::mCheatAction3);
        return;
    }
    if (p.SleepAction) return; // the sleep frames draw the sleeping pet themselves
    if (p.DroppingAction) {
        e.PipChar.setPicture(pictureAt(e.TempDropping, device.FrameIndex));
        return;
    }
    // A pet that died ill keeps its record, but the angel is no longer ill: it keeps its stars.
    if (p.Sickness > 0 && p.CharacterNo != character::Angel) {
        if (device.SickFrame > 1) device.SickFrame = 0;
        e.PipChar.setPicture(pictureAt(e.TempSick, device.SickFrame));
        icon = e.SickIcon;
        animate::showStatus(*this, MenuId::mCheatAction0);
        return;
    }
    if (p.CharacterNo == character::Angel) return;
    e.PipChar.setPicture(pictureAt(e.TempChar, p.CurrentTempChar));
    if (e.AttendIcon.visible) {
        icon = e.AttentionIcon;
    } else if (p.Dung <= 0) {
        icon = pictureAt(e.TempIcon, p.CharacterNo == character::Egg ? p.CurrentTempChar : device.WalkStep);
    } else {
        // The tray's dropping flips with the first dropping on the screen.
        icon = e.DungIcon[e.DungImage[0].picture == e.TempDung[0] ? 0 : 1];
        animate::showStatus(*this, MenuId::mCheatAction1);
    }
}
