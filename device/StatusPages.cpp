// SPDX-License-Identifier: GPL-3.0-or-later
// The health meter: four status pages (age and weight, discipline gauge, fullness, happiness),
// stepped through with A or B and closed with C.
#include "device/CareScreens.h"

#include <cstddef>

namespace care {

namespace {

constexpr int16_t PageCount = 4;

void showNumber(std::array<Element, 2>& digits, const Form1& form, int value) {
    const TwoDigits shown = twoDigits(value);
    digits[1].setPicture(form.elements.LargeNumber[static_cast<std::size_t>(shown.ones)]);
    digits[1].visible = true;
    // No leading zero: a one-digit number shows only its last place.
    digits[0].setPicture(form.elements.LargeNumber[static_cast<std::size_t>(shown.tens)]);
    digits[0].visible = shown.tens != 0;
}

template <std::size_t N> void showUpTo(std::array<Element, N>& marks, int count) {
    for (std::size_t i = 0; i < N; ++i)
        marks[i].visible = count >= static_cast<int>(i) + 1;
}

template <std::size_t N> void hideAll(std::array<Element, N>& marks) {
    for (Element& mark : marks)
        mark.visible = false;
}

void hidePage(Form1& form, int16_t page) {
    ElementSet& e = form.elements;
    if (page < 0 || page >= PageCount) return;
    e.Meter[static_cast<std::size_t>(page)].visible = false;
    switch (page) {
    case 0:
        hideAll(e.AgeDigit);
        hideAll(e.WeightDigit);
        break;
    case 1:
        hideAll(e.SmallBar);
        break;
    default:
        hideAll(e.Heart);
        break;
    }
}

void showPage(Form1& form, int16_t page) {
    ElementSet& e = form.elements;
    const PetState& pet = form.pet;
    e.Meter[static_cast<std::size_t>(page)].visible = true;
    switch (page) {
    case 0:
        showNumber(e.AgeDigit, form, pet.Age);
        showNumber(e.WeightDigit, form, pet.Weight);
        break;
    case 1:
        showUpTo(e.SmallBar, pet.Discipline);
        break;
    case 2:
        showUpTo(e.Heart, pet.Hunger);
        break;
    default:
        showUpTo(e.Heart, pet.Happiness);
        break;
    }
}

} // namespace

void meterAction(Form1& form, int16_t button) {
    DeviceState& d = form.device;
    if (button == PressA || button == PressB) {
        if (d.MeterPage < 0 || d.MeterPage >= PageCount) {
            form.DoMainScreen(false);
            d.IconTimeLeft = IdleSeconds;
            d.MeterPage = -1;
        }
        const int16_t previous = d.MeterPage < 0 ? PageCount - 1 : d.MeterPage;
        d.MeterPage = static_cast<int16_t>((d.MeterPage + 1) % PageCount);
        hidePage(form, previous);
        showPage(form, d.MeterPage);
        form.pet.ScreenTimeLeft = IdleSeconds;
        return;
    }
    if (button == PressC) {
        hidePage(form, d.MeterPage);
        form.pet.ScreenTimeLeft = 0;
        d.MeterPage = -1;
        form.DoMainScreen(true);
    }
}

} // namespace care
