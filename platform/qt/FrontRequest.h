#pragma once

// One pet, one program: the second program started for a pet asks the first to show itself. This
// file provides:
//  - FrontRequest::ask: the second program's side, true when a running program answered;
//  - FrontRequest (the object): the running program's side, which listens for as long as it
//    lives and calls its handler for every request.
// The address is a local socket in the user's runtime folder named after a hash of the settings
// folder and the pet's name, so a long or odd name makes no odd file name.
#include <QLocalServer>
#include <QString>

#include <filesystem>
#include <functional>
#include <string>

class FrontRequest {
public:
    FrontRequest(const std::filesystem::path& settingsFolder, const std::string& petName,
                 std::function<void()> handler);

    // True when a program for this pet took the request within the timeout; a program still
    // starting on a busy machine may take seconds to answer.
    static bool ask(const std::filesystem::path& settingsFolder, const std::string& petName,
                    int timeoutMs = 5000);
    static QString address(const std::filesystem::path& settingsFolder, const std::string& petName);

    bool listening() const { return server.isListening(); }

private:
    void answer();

    QLocalServer server;
    std::function<void()> handler;
};
