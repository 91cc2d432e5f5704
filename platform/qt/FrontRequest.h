// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One pet, one program: the second program started for a pet asks the first to show itself. This
// file provides:
//  - FrontRequest::ask: the second program's side, true when a running program answered;
//  - FrontRequest (the object): the running program's side, which listens for as long as it
//    lives and calls its handler for every request.
// The address is a local socket in the user's runtime folder named after a hash of the settings
// folder and the pet's name, so a long or odd name makes no odd file name. The socket is a plain
// one watched by the event loop: Qt's own local sockets would load the network library and what
// it brings (Kerberos, proxies) into a program that never goes near a network.
#include <QSocketNotifier>
#include <QString>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class FrontRequest {
public:
    FrontRequest(const std::filesystem::path& settingsFolder, const std::string& petName,
                 std::function<void()> handler);
    ~FrontRequest();
    FrontRequest(const FrontRequest&) = delete;
    FrontRequest& operator=(const FrontRequest&) = delete;

    // True when a program for this pet took the request within the timeout; a program still
    // starting on a busy machine may take seconds to answer.
    static bool ask(const std::filesystem::path& settingsFolder, const std::string& petName,
                    int timeoutMs = 5000);
    static QString address(const std::filesystem::path& settingsFolder, const std::string& petName);

    bool listening() const { return listener != nullptr; }

private:
    // One asking program: what it sent so far, until a whole line or too much.
    struct Caller {
        int socket = -1;
        std::string received;
        std::unique_ptr<QSocketNotifier> readable;
    };

    void accept();
    void read(Caller& caller);
    void hangUp(const Caller& caller);

    int socket = -1;
    std::string path;
    std::unique_ptr<QSocketNotifier> listener;
    std::vector<std::unique_ptr<Caller>> callers;
    std::function<void()> handler;
};
