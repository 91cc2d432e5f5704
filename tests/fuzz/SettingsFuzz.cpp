// SPDX-License-Identifier: GPL-3.0-or-later
// A whole stored pet: the input is a settings file, which the device loads and saves back. What
// it saved must load to the same pet: loading and saving that section again gives it unchanged.
#include "app/Form1.h"
#include "platform/disk/DiskFiles.h"
#include "platform/disk/IniSettingsStore.h"
#include "platform/disk/StoreFile.h"
#include "platform/headless/Headless.h"
#include "tests/fuzz/FuzzSupport.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

namespace fs = std::filesystem;

namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

// Pictures are not what this target is about: every load finds none, as with an empty folder.
class NoPictures : public PictureLoader {
public:
    PictureHandle load(const std::string&) override { return nullptr; }
};

// The pet called "Pipling", loaded from the store.
struct LoadedPet {
    explicit LoadedPet(SettingsStore& store)
        : appPath((fuzz::scratchFolder() / "app").string()),
          sound(appPath), platform{clock, chance, store, files, pictures, sound, tray, desktop, appPath},
          form(platform) {
        form.pet.PiplingName = "Pipling";
        form.DoLoadSettings();
    }
    VirtualClock clock;
    ScriptedChance chance;
    DiskFiles files;
    NoPictures pictures;
    std::string appPath;
    RecordingSound sound;
    RecordingTray tray;
    HeadlessDesktop desktop;
    Platform platform;
    Form1 form;
};

// Loads the pet and saves it back, as a start and an exit do.
void loadAndSave(SettingsStore& store) {
    LoadedPet(store).form.DoSaveSettings();
}

// Whatever was stored, the loaded pet's counters have room to count: through its next minute
// (a second and a tick each step) none of them wraps.
void liveAMinute(SettingsStore& store) {
    LoadedPet loaded(store);
    PetState& pet = loaded.form.pet;
    for (int second = 0; second < 61; ++second) {
        loaded.clock.advance(1000);
        loaded.form.Timer1_Timer();
        for (int16_t count :
             {pet.IntervalCount, pet.SecondCount, pet.NeedCount, pet.TotalNeedCount, pet.Sickness,
              pet.SnackCount, pet.PlayCounter, pet.CareWhenNeed, pet.DisciplineWhenNeed})
            fuzz::check(count >= 0, "a stored count wrapped negative within a minute");
        fuzz::check(pet.MinuteCount >= 0, "the minute count wrapped");
    }
}

std::string describe(const Values& values) {
    std::string text;
    for (const auto& [key, value] : values)
        text += key + "=" + value + "; ";
    return text;
}

// What was at the store's place before the load, if it was moved aside.
std::optional<std::string> movedAside(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().filename().string().rfind("settings.ini.damaged-", 0) == 0) {
            std::ifstream in(entry.path(), std::ios::binary);
            return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        }
    return std::nullopt;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    // A folder of its own for each input: a backup or a moved-aside file must not carry over.
    const fs::path folder = fuzz::scratchFolder() / "settings";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const fs::path first = folder / "settings.ini";
    const fs::path second = folder / "reloaded.ini";
    const std::string_view input = fuzz::text(data, size);
    fuzz::writeFile(first, input);
    const auto quiet = [](const std::string&) {};

    IniSettingsStore store(first, IniSettingsStore::Durability::Unsynced, quiet);
    const bool settingsFile = storefile::read(first).readable;
    loadAndSave(store);
    const auto aside = movedAside(folder);
    fuzz::check(settingsFile != aside.has_value(),
                settingsFile ? "a settings file was moved aside" : "a file that is not one stayed in place");
    fuzz::check(!aside || *aside == input, "the moved-aside file differs from what was there");
    const Values saved = store.section("Pipling");
    fuzz::check(saved.size() >= 41, "the save did not write every key", describe(saved));

    IniSettingsStore reloaded(second, IniSettingsStore::Durability::Unsynced, quiet);
    fuzz::check(reloaded.writeSection("Pipling", saved), "cannot write the scratch store");
    loadAndSave(reloaded);
    const Values again = reloaded.section("Pipling");
    fuzz::check(again == saved, "a saved pet loads differently",
                "saved: " + describe(saved) + "\nagain: " + describe(again));

    liveAMinute(reloaded);
    return 0;
}
