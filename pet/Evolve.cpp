// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Form1.h"

#include <cstdint>

namespace {

// The care record is compared as fractions ("a tenth of the calls"), so the products are taken in
// whole numbers first and divided in floating point. The product is formed in 32 bits: for every
// record the rules can build it equals the 16-bit product, and a record large enough to overflow
// 16 bits (reachable only through the Cheats menu) still compares by its true value instead of
// wrapping round to a negative number.
double percentOf(int16_t count, int percent) {
    return static_cast<double>(static_cast<int32_t>(count) * percent) / 100.0;
}

} // namespace

void Form1::DoEvolve() {
    DoShowIfAutoShow();
    const PetState& p = pet;
    auto changeTo = [this](int16_t next) {
        pet.NextCharacterNo = next;
        pet.ChangeStep = 1;
    };

    switch (p.CharacterNo) {
    case character::Baby:
        changeTo(character::Child);
        break;
    case character::Child: {
        const bool caredFor = static_cast<double>(p.NeedCount) / 2.0 <= p.CareWhenNeed;
        changeTo(caredFor && p.PlayCounter > p.SnackCount ? character::GoodTeen : character::PoorTeen);
        break;
    }
    case character::GoodTeen:
    case character::PoorTeen:
        if (percentOf(p.NeedCount, 10) >= p.CareWhenNeed)
            changeTo(character::Wigglet);
        else if (percentOf(p.TotalNeedCount, 10) >= p.NeedCount &&
                 percentOf(p.NeedCount, 50) <= p.DisciplineWhenNeed)
            changeTo(character::Beanix);
        else if (percentOf(p.TotalNeedCount, 50) >= p.NeedCount && p.Discipline >= 8)
            changeTo(character::Silvermop);
        else if (p.Discipline >= 8 && p.DisciplineWhenNeed == 0 && p.SnackCount == 0 && p.Weight >= 50 &&
                 p.Weight <= 60)
            changeTo(character::Maskwick);
        else if (p.Discipline >= 1 && p.Weight <= 30 && p.DisciplineWhenNeed >= 1)
            changeTo(character::Beakbun);
        else if (percentOf(p.NeedCount, 80) < p.CareWhenNeed && p.Discipline == 0 &&
                 p.DisciplineWhenNeed == 0)
            changeTo(character::Roelum);
        else
            changeTo(static_cast<int16_t>(character::Beanix + static_cast<int>(6 * platform.chance.next())));
        break;
    case character::Maskwick:
        if (percentOf(p.TotalNeedCount, 10) >= p.NeedCount && p.Discipline >= 1) {
            changeTo(character::Secret);
        } else if (p.MinuteToChangeCharacter == twoPetDays(p.MinutesPerHour)) {
            // A stage of exactly two pet days gets a second chance at the full life length.
            pet.MinuteToChangeCharacter = pet.MaxMinutes;
        } else {
            mCheatAction_Click(cheat::Dying);
        }
        break;
    default:
        // The egg hatches through its animation; the other adults die at their stage end instead.
        break;
    }
}

void Form1::mCheatChar_Click(int16_t Index) {
    if (Index < character::Egg || Index > character::Angel) return;
    if (Index >= character::Child && Index <= character::Secret) {
        // Growing up is shown by the change animation, which sets the character when it ends.
        pet.NextCharacterNo = Index;
        pet.ChangeStep = 1;
        return;
    }
    platform.desktop.setPointer(Pointer::Wait);
    DoSetCharacter(Index == character::Angel ? character::Angel : character::Egg);
    if (Index == character::Baby) {
        // The egg's clock jumps to two seconds before its hatching, which then runs as usual.
        pet.IntervalCount = 0;
        pet.SecondCount = 58;
        pet.MinuteCount = 0;
    }
    platform.desktop.setPointer(Pointer::Default);
}
