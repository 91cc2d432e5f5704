// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class Form1;

// The three paths of the main tick, split out of Timer1_Timer so each reads on its own.
namespace TickSteps {

// The character-change animation. Returns true when this step ends the tick; on the lead-in and
// the pause the tick goes on with the flush or the normal step.
bool changeStep(Form1& form);
// One step of the flush wave across the screen.
void flushStep(Form1& form);
// The normal tick: animation clocks, screen animations, the attention sound, counted seconds and
// minutes, and the pet animation.
void normalStep(Form1& form);

} // namespace TickSteps
