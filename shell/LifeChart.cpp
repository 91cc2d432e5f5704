// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/LifeChart.h"

#include "app/Vocabulary.h"

#include <algorithm>

std::vector<JournalEntry> LifeChart::entries(const std::vector<std::string>& lines) {
    std::vector<JournalEntry> result;
    result.reserve(lines.size());
    for (const std::string& line : lines)
        if (auto entry = JournalEntry::parse(line)) result.push_back(std::move(*entry));
    return result;
}

LifeChart LifeChart::build(const std::vector<JournalEntry>& entries) {
    LifeChart chart;
    chart.lines[Hunger].top = 4;
    chart.lines[Happiness].top = 4;
    chart.lines[Discipline].top = 14;
    chart.lines[Weight].top = 99;
    // A journal holds one life, from its egg; an older one may hold more, of which the last counts.
    std::size_t first = 0;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].event == JournalEvent::Egg) first = i;
    std::array<std::size_t, 5> openCall{}; // index + 1 of the open call's mark, by kind
    int16_t heaviest = 0;
    for (std::size_t i = first; i < entries.size(); ++i) {
        const JournalEntry& e = entries[i];
        if (!e.name.empty()) chart.name = e.name;
        chart.end = std::max(chart.end, e.life);
        if (e.event != JournalEvent::Angel && !chart.died) chart.age = e.age;
        if (chart.bands.empty() || chart.bands.back().character != e.character)
            chart.bands.push_back({e.character, e.life, e.life});
        chart.bands.back().to = e.life;
        const std::array<int16_t, MeasureCount> values = {e.hunger, e.happiness, e.discipline, e.weight};
        for (int m = 0; m < MeasureCount; ++m) {
            auto& points = chart.lines[static_cast<std::size_t>(m)].points;
            if (points.empty() || points.back().value != values[static_cast<std::size_t>(m)] ||
                points.back().life != e.life)
                points.push_back({e.life, values[static_cast<std::size_t>(m)]});
        }
        heaviest = std::max(heaviest, e.weight);
        const auto kind = static_cast<std::size_t>(e.call);
        switch (e.event) {
        case JournalEvent::Call:
            chart.calls.push_back({e.life, e.call, Outcome::Open});
            openCall[kind] = chart.calls.size();
            break;
        case JournalEvent::Answered:
        case JournalEvent::Missed:
            if (openCall[kind] != 0) {
                chart.calls[openCall[kind] - 1].outcome =
                    e.event == JournalEvent::Answered ? Outcome::Answered : Outcome::Missed;
                openCall[kind] = 0;
            }
            break;
        case JournalEvent::Death:
            chart.died = true;
            chart.cause = e.cause;
            chart.age = e.age;
            break;
        case JournalEvent::Angel:
            if (!chart.died) {
                chart.died = true;
                chart.cause = DeathCause::Menu;
            }
            break;
        default:
            break;
        }
    }
    // The band of each stage runs to where the next one begins.
    for (std::size_t i = 0; i + 1 < chart.bands.size(); ++i)
        chart.bands[i].to = chart.bands[i + 1].from;
    if (!chart.bands.empty()) chart.bands.back().to = chart.end;
    // Weight is drawn against a top that fits it, in steps of ten.
    chart.lines[Weight].top = static_cast<int16_t>(std::clamp((heaviest + 9) / 10 * 10, 10, 100));
    return chart;
}

int LifeChart::answered() const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                          [](const Mark& m) { return m.outcome == Outcome::Answered; }));
}

int LifeChart::missed() const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                          [](const Mark& m) { return m.outcome == Outcome::Missed; }));
}

std::vector<PastPet> PastPet::hall(const std::vector<std::vector<std::string>>& lives) {
    std::vector<PastPet> result;
    for (const auto& lines : lives) {
        PastPet pet;
        bool died = false, started = false;
        for (const JournalEntry& e : LifeChart::entries(lines)) {
            if (e.event == JournalEvent::Egg) {
                // A journal begins a new life at each egg; only a life that died is kept.
                if (died) result.push_back(pet);
                pet = PastPet{};
                died = false;
                started = false;
            }
            if (!started) {
                pet.bornMs = e.unixMs;
                started = true;
            }
            if (!e.name.empty()) pet.name = e.name;
            if (e.character > character::Egg && e.character < character::Angel &&
                (pet.characters.empty() || pet.characters.back() != e.character))
                pet.characters.push_back(e.character);
            if (died) continue;
            if (e.event == JournalEvent::Death || e.event == JournalEvent::Angel) {
                died = true;
                pet.age = e.age;
                pet.diedMs = e.unixMs;
                pet.lifeMinutes = e.life;
                pet.cause = e.event == JournalEvent::Death ? e.cause : DeathCause::Menu;
            }
        }
        if (died) result.push_back(pet);
    }
    std::stable_sort(result.begin(), result.end(),
                     [](const PastPet& a, const PastPet& b) { return a.diedMs > b.diedMs; });
    return result;
}
