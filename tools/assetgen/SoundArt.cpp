// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundArt.h"

#include "TextUtil.h"
#include "ToneSynth.h"

#include <stdexcept>

void SoundArt::generate() {
    std::string text, error;
    if (!textutil::readFile(ctx_.artPath("sounds.txt"), text))
        throw std::runtime_error("cannot read sounds.txt");
    ToneSynth synth;
    if (!synth.parse(text, error)) throw std::runtime_error(error);
    for (const auto& name : synth.names())
        ctx_.out.wave("sounds/" + name + ".wav", synth.render(name), synth.sampleRate());
}
