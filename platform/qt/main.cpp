// SPDX-License-Identifier: GPL-3.0-or-later
// pipling: the desktop toy.
#include "app/Form1.h"
#include "assets/Chooser.h"
#include "platform/disk/Autostart.h"
#include "platform/disk/DiskFiles.h"
#include "platform/disk/IniSettingsStore.h"
#include "platform/disk/JournalFile.h"
#include "platform/disk/PetLock.h"
#include "platform/disk/ProgramFolder.h"
#include "platform/qt/DeviceWindow.h"
#include "platform/qt/FrontRequest.h"
#include "platform/qt/QtNotifier.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtSound.h"
#include "platform/qt/QuitSignals.h"
#include "platform/qt/common/DisplayChoice.h"
#include "platform/qt/common/QtPicture.h"

#include <QApplication>
#include <QLibraryInfo>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// The arguments from the first given on, one space between each: a pet's name may be given
// unquoted.
std::string joined(int argc, char** argv, int first) {
    std::string text;
    for (int i = first; i < argc; ++i) {
        if (i > first) text += ' ';
        text += argv[i];
    }
    return text;
}

constexpr const char* Usage = "usage: pipling [PETNAME]\n"
                              "Starts the Pipling Simulator toy for the pet PETNAME (default \"Pipling\").\n"
                              "The whole text after the program name is the pet's name.\n"
                              "  --help     show this text\n"
                              "  --version  show the version\n"
                              "  --autostart on|off [PETNAME]  start that pet with the desktop, or no more\n"
                              "  --new [PETNAME]  start that pet over with a new egg (the old one is kept\n"
                              "                   in settings.ini.replaced-TIME beside the settings)\n"
                              "A lost settings file is restored from its hourly backup (settings.ini.bak);\n"
                              "the tray tip says so.\n";

// `--autostart on|off [PETNAME]`: the desktop's autostart entry for one pet.
int autostart(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[2] : "";
    if (mode != "on" && mode != "off") {
        std::cerr << "pipling: --autostart takes on or off, then the pet's name\n";
        return 2;
    }
    std::string name = joined(argc, argv, 3);
    if (name.empty()) name = "Pipling";
    std::error_code error;
    const std::string program = std::filesystem::read_symlink("/proc/self/exe", error).string();
    const std::string problem =
        setAutostart(autostartFolder(), error ? std::string("pipling") : program, name, mode == "on");
    if (!problem.empty()) {
        std::cerr << "pipling: " << problem << '\n';
        return 1;
    }
    std::cout << "The pet \"" << name << "\" " << (mode == "on" ? "starts" : "no longer starts")
              << " with the desktop (" << (autostartFolder() / autostartFileName(name)).string() << ")\n";
    return 0;
}

// A name as one line of a message: control characters show as "?".
std::string printable(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
    if (text.size() > 80) text = text.substr(0, 77) + "...";
    return text;
}

bool nonEmpty(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

std::optional<std::string> environmentValue(const char* variable) {
    const char* value = std::getenv(variable);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

QtMessageHandler qtHandler = nullptr; // Qt's own, for everything but the fatal messages
// Qt's warnings while it opens the display wait here: when the display fails, the one line that
// says so is all the user needs to read.
std::vector<std::pair<QtMsgType, QString>> heldWarnings;
bool displayOpen = false;

// Qt's own words on a failed display suggest reinstalling; what the user can do is in the
// environment.
std::string displayProblem() {
    const auto value = [](const char* variable) { return printable(std::getenv(variable)); };
    // A Wayland display is only reached through Qt's plug-in, a package of its own.
    const bool wayland = nonEmpty("QT_QPA_PLATFORM") ? isNativeWayland(value("QT_QPA_PLATFORM"))
                                                     : nonEmpty("WAYLAND_DISPLAY") && !nonEmpty("DISPLAY");
    if (wayland && !hasWaylandPlugin(platformPluginFolders(
                       QLibraryInfo::path(QLibraryInfo::PluginsPath).toStdString(), environmentValue)))
        return "Qt's Wayland plug-in is missing (install the package qt6-wayland)";
    if (nonEmpty("QT_QPA_PLATFORM"))
        return "the platform \"" + value("QT_QPA_PLATFORM") + "\" could not be started";
    if (nonEmpty("DISPLAY")) return "the X display \"" + value("DISPLAY") + "\" cannot be reached";
    if (nonEmpty("WAYLAND_DISPLAY"))
        return "the Wayland display \"" + value("WAYLAND_DISPLAY") + "\" cannot be reached";
    return "neither DISPLAY nor WAYLAND_DISPLAY is set (start it from a desktop session)";
}

void reportFatal(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        if (!displayOpen)
            heldWarnings.emplace_back(type, message);
        else if (qtHandler)
            qtHandler(type, context, message);
        return;
    }
    const std::string text = message.toStdString();
    if (!displayOpen)
        std::cerr << "pipling: no display to show the toy on: " << displayProblem() << '\n';
    else
        std::cerr << "pipling: " << text.substr(0, text.find('\n')) << '\n';
    std::_Exit(1);
}

// The options that answer without starting a toy (--help, --version, --autostart, an unknown
// one): the exit status, or nothing when the toy is to start.
std::optional<int> answerOptions(int argc, char** argv, const std::string& name) {
    if (name == "--help" || name == "-h") {
        std::cout << Usage;
        return 0;
    }
    if (name == "--version") {
        std::cout << "Pipling Simulator " << PIPLING_VERSION << '\n';
        return 0;
    }
    if (argc > 1 && std::string(argv[1]) == "--autostart") return autostart(argc, argv);
    if (name.rfind("--", 0) == 0) {
        std::cerr << "pipling: unknown option " << printable(argv[1]) << " (see pipling --help)\n";
        return 2;
    }
    return std::nullopt;
}

// The program folder, once the folders the toy needs are known to be there; nothing (and the
// reason on stderr) when the toy cannot start.
std::optional<std::string> usableProgramFolder() {
    // The pet lives in the user's settings folder; a temporary folder would lose it at the next boot.
    if (!nonEmpty("XDG_CONFIG_HOME") && !nonEmpty("HOME")) {
        std::cerr
            << "pipling: neither HOME nor XDG_CONFIG_HOME is set, so there is no folder to keep the pet in\n";
        return std::nullopt;
    }
    if (const std::string problem = programFolderProblem({}); !problem.empty()) {
        std::cerr << "pipling: " << problem << '\n';
        return std::nullopt;
    }
    // Without its "Default" skin the toy would have no shell to show, drag or right-click.
    const std::string appPath = programFolder({});
    QtPictureLoader shellTest;
    if (auto problem = startupProblem(DiskFiles(), shellTest, appPath)) {
        std::cerr << "pipling: " << *problem << '\n';
        return std::nullopt;
    }
    return appPath;
}

// Another program holds the pet's lock, or the lock cannot be taken: the exit status.
int lockNotHeld(const PetLock& lock, const std::filesystem::path& folder, const std::string& pet,
                bool startOver) {
    if (startOver && lock.busy()) {
        std::cerr << "pipling: the pet \"" << printable(pet)
                  << "\" is running; end it (\"Exit\" in its menu) before starting it over\n";
        return 1;
    }
    if (!lock.busy()) {
        std::cerr << "pipling: the pet's settings folder cannot be used: " << lock.problem() << '\n';
        return 1;
    }
    // One pet, one toy: the program already running shows its toy instead.
    if (FrontRequest::ask(folder, pet)) {
        std::cerr << "pipling: the pet \"" << printable(pet)
                  << "\" is already running; its toy is brought to the front\n";
        return 0;
    }
    std::cerr << "pipling: the pet \"" << printable(pet)
              << "\" is already running, and its program does not answer\n";
    return 1;
}

// How Qt is to reach the display, set in its environment before it starts.
void prepareDisplay() {
    const DisplayChoice display = chooseDisplay(environmentValue);
    if (display.platform) setenv("QT_QPA_PLATFORM", display.platform->c_str(), 1);
    if (display.scaleFactor) setenv("QT_SCALE_FACTOR", display.scaleFactor->c_str(), 1);
    if (display.screenScaleFactors) setenv("QT_SCREEN_SCALE_FACTORS", display.screenScaleFactors->c_str(), 1);
    // The desktop's own screen scales such as 1.5 round to whole numbers too, so pictures never
    // blur; the factors given above are not rounded by Qt, hence their own rounding.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
    // Through X shared memory every paint first waits for the server to finish with the last one
    // (a round trip, two thread wake-ups); the pet's frames are small rectangles, cheaper to send.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
}

// The display is open: Qt's held warnings go out, and where Qt runs is known.
void displayOpened() {
    displayOpen = true;
    for (const auto& [type, message] : heldWarnings)
        if (qtHandler) qtHandler(type, QMessageLogContext(), message);
    heldWarnings.clear();
    // Only now is it known where Qt runs: chosen by us, by the user, or by Qt's own fallback.
    if (isNativeWayland(QGuiApplication::platformName().toStdString()))
        std::cerr << "pipling: " << nativeWaylandWarning() << '\n';
}

// The toy itself on the desktop's services, from its start-up to its shut-down: the exit status.
int runToy(QApplication& app, const std::filesystem::path& folder, const std::string& pet,
           const std::string& name, const std::string& appPath, bool startOver) {
    QtClock clock;
    QtChance chance;
    IniSettingsStore store(folder / "settings.ini");
    if (startOver && !store.startOver(pet)) {
        std::cerr << "pipling: the pet \"" << printable(pet)
                  << "\" cannot be started over: " << store.saveProblem() << '\n';
        return 1;
    }
    DiskFiles files;
    QtPictureLoader pictures;
    QtSound sound;
    std::unique_ptr<Form1> device; // the tray asks for the window's icon once the device exists
    QtTray tray{[&device]() { return device ? device->window.icon : PictureHandle(); }};
    QtDesktop desktop;
    QtNotifier notifier;
    Platform platform{clock, chance, store, files, pictures, sound, tray, desktop, appPath, notifier};

    device = std::make_unique<Form1>(platform);
    Form1& form = *device;
    JournalFile journal(JournalFile::userFolder(), JournalFile::Durability::Synced);
    form.journal.attach(journal);
    DeviceWindow window(form);
    desktop.setDeviceWidget(&window);
    notifier.setDeviceWidget(&window);
    clock.follow(&window.scheduler());
    // The tray's clicks reach the device as the Windows tray's mouse messages: a double-click
    // (515) hides or restores the toy, a right click (517, the release) opens its menu.
    tray.onActivated = [&](QSystemTrayIcon::ActivationReason reason) {
        window.inputArrived();
        if (reason == QSystemTrayIcon::DoubleClick)
            form.trayEvent(515);
        else if (reason == QSystemTrayIcon::Context)
            form.trayEvent(517);
        window.sync();
    };
    FrontRequest front(folder, pet, [&] {
        form.bringToFront();
        window.sync();
        window.raise();
        window.activateWindow();
    });
    // A click on a call's notification brings the toy forward as a second program started for it does.
    notifier.onClicked = [&](int key) {
        window.inputArrived();
        form.noticeClicked(key);
        window.sync();
        window.raise();
        window.activateWindow();
    };
    // Log-out, shut-down and kill end the toy as "Exit" does, so the pet is saved.
    QuitSignals quitSignals([&](int) { app.quit(); });
    form.Form_Load(name);
    window.sync();
    const int status = app.exec();
    form.Form_Unload();
    return status;
}

} // namespace

int main(int argc, char** argv) {
    // `--new PETNAME`: the pet starts over on purpose, whatever the store or its backup holds.
    const bool startOver = argc > 1 && std::string(argv[1]) == "--new";
    const std::string name = joined(argc, argv, startOver ? 2 : 1);
    if (const auto status = answerOptions(argc, argv, name)) return *status;
    const std::optional<std::string> appPath = usableProgramFolder();
    if (!appPath) return 1;

    // Qt ends the program on a display it cannot open; it says so in one line, and with a status.
    qtHandler = qInstallMessageHandler(reportFatal);
    const auto folder = IniSettingsStore::userFolder();
    const std::string pet = name.empty() ? std::string("Pipling") : name;
    PetLock lock(folder, pet, std::getenv("XDG_RUNTIME_DIR"));
    if (!lock.held()) return lockNotHeld(lock, folder, pet, startOver);

    prepareDisplay();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    displayOpened();
    app.setApplicationName("Pipling Simulator");
    app.setQuitOnLastWindowClosed(false);
    return runToy(app, folder, pet, name, *appPath, startOver);
}
