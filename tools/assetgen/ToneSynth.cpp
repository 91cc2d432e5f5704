// SPDX-License-Identifier: GPL-3.0-or-later
#include "ToneSynth.h"

#include "TextUtil.h"

#include <algorithm>
#include <cmath>

double ToneSynth::noteFrequency(const std::string& note) {
    static const std::map<char, int> steps{{'C', -9}, {'D', -7}, {'E', -5}, {'F', -4},
                                           {'G', -2}, {'A', 0},  {'B', 2}};
    if (note.empty() || !steps.count(note[0]))
        return std::isdigit(static_cast<unsigned char>(note.empty() ? 'x' : note[0]))
                   ? textutil::toDouble(note)
                   : 0.0;
    int semitone = steps.at(note[0]);
    std::size_t i = 1;
    if (i < note.size() && note[i] == '#')
        ++semitone, ++i;
    else if (i < note.size() && note[i] == 'b')
        --semitone, ++i;
    if (i >= note.size() || !std::isdigit(static_cast<unsigned char>(note[i]))) return 0.0;
    const int octave = note[i] - '0';
    return 440.0 * std::pow(2.0, (semitone + 12 * (octave - 4)) / 12.0);
}

bool ToneSynth::parse(const std::string& text, std::string& error) {
    std::string current;
    int lineNo = 0;
    for (const auto& raw : textutil::splitLines(text)) {
        ++lineNo;
        const std::string line = textutil::trim(raw);
        if (line.empty() || line[0] == ';') continue;
        const auto words = textutil::splitWords(line);
        auto fail = [&](const std::string& why) {
            error = "sounds line " + std::to_string(lineNo) + ": " + why + ": " + line;
            return false;
        };
        try {
            if (words.size() == 3 && words[1] == "=") {
                if (words[0] == "rate")
                    rate_ = std::stoi(words[2]);
                else if (words[0] == "fade")
                    fadeMs_ = textutil::toDouble(words[2]);
                else if (words[0] == "volume")
                    volume_ = textutil::toDouble(words[2]);
                else
                    return fail("unknown setting");
            } else if (words[0] == "sound" && words.size() == 2) {
                current = words[1];
                if (!sounds_.count(current)) order_.push_back(current);
                sounds_[current].clear();
            } else if (current.empty()) {
                return fail("a note before any sound");
            } else if (words[0] == "rest" && words.size() == 2) {
                sounds_[current].push_back({0, 0, textutil::toDouble(words[1]), 0});
            } else if (words[0] == "square" && words.size() >= 3) {
                Note n;
                n.from = n.to = noteFrequency(words[1]);
                n.ms = textutil::toDouble(words[2]);
                for (std::size_t i = 3; i + 1 < words.size(); i += 2) {
                    if (words[i] == "to")
                        n.to = noteFrequency(words[i + 1]);
                    else if (words[i] == "vol")
                        n.volume = textutil::toDouble(words[i + 1]);
                    else
                        return fail("unknown note option");
                }
                if (n.from <= 0 || n.to <= 0 || n.ms <= 0) return fail("bad pitch or length");
                sounds_[current].push_back(n);
            } else {
                return fail("not understood");
            }
        } catch (const std::exception&) {
            return fail("number not understood");
        }
    }
    return true;
}

namespace {

// The correction that rounds off one jump of a square wave (a polynomial
// band-limited step). A bare square jumps within one sample, and at high
// pitches the overtones above half the sample rate fold back as a harsh,
// out-of-tune buzz; smoothing each edge over a sample keeps the buzzer's
// bright tone but drops that fizz.
double edgeCorrection(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

} // namespace

std::vector<std::int16_t> ToneSynth::render(const std::string& name) const {
    std::vector<std::int16_t> samples;
    const auto found = sounds_.find(name);
    if (found == sounds_.end()) return samples;
    for (const Note& note : found->second) {
        const int count = static_cast<int>(std::lround(note.ms * rate_ / 1000.0));
        const int fade = std::max(1, static_cast<int>(fadeMs_ * rate_ / 1000.0));
        double phase = 0;
        for (int i = 0; i < count; ++i) {
            if (note.from <= 0) {
                samples.push_back(0);
                continue;
            }
            // The pitch glides exponentially, as a slide sounds even to the ear.
            const double t = count > 1 ? static_cast<double>(i) / (count - 1) : 0.0;
            const double frequency = note.from * std::pow(note.to / note.from, t);
            const double dt = frequency / rate_;
            phase += dt;
            phase -= std::floor(phase);
            double half = phase + 0.5;
            half -= std::floor(half);
            const double square =
                (phase < 0.5 ? 1.0 : -1.0) + edgeCorrection(phase, dt) - edgeCorrection(half, dt);
            const double envelope =
                std::min({1.0, (i + 1.0) / fade, (count - i) / static_cast<double>(fade)});
            const double value = std::clamp(square, -1.0, 1.0) * envelope * note.volume * volume_;
            samples.push_back(static_cast<std::int16_t>(std::lround(value * 32767.0)));
        }
    }
    return samples;
}
