// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Turns the note lists of art/sounds.txt into piezo-like square-wave samples.
//
//   rate = 22050          samples per second
//   fade = 3              ms of fade at both ends of every note (no clicks)
//   volume = 0.35
//
//   sound beep            a new sound, named after its file
//   square C7 45          note name or frequency in Hz, length in ms
//   square 800 120 to 1600  a slide from one pitch to another
//   square A6 70 vol 0.5  a quieter note
//   rest 30
class ToneSynth {
public:
    bool parse(const std::string& text, std::string& error);

    int sampleRate() const { return rate_; }
    const std::vector<std::string>& names() const { return order_; }
    std::vector<std::int16_t> render(const std::string& name) const;

    // "A4" is 440 Hz; sharps are written "C#6". Returns 0 for a name it cannot read.
    static double noteFrequency(const std::string& note);

private:
    struct Note {
        double from = 0, to = 0; // Hz; 0 for a rest
        double ms = 0;
        double volume = 1;
    };
    int rate_ = 22050;
    double fadeMs_ = 3;
    double volume_ = 0.35;
    std::map<std::string, std::vector<Note>> sounds_;
    std::vector<std::string> order_;
};
