// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One connection to the sound server's native protocol, on the toy's own event loop. This file
// provides:
//  - PulseConnection: connects to the server's unix socket without waiting, introduces the toy
//    (its cookie, then its name and icon), and then sends commands and samples, handing each
//    answer to the function given with its command. The socket is non-blocking and watched by
//    socket notifiers, so nothing ever waits for the server; while the server says nothing, the
//    connection does not wake at all.
//  - pulseSocketPath, pulseCookie: where the server listens and the toy's key to it, found as the
//    server's own clients find them.
#include "platform/qt/PulseProtocol.h"

#include <QObject>
#include <QSocketNotifier>

#include <functional>
#include <map>
#include <memory>
#include <string>

class PulseConnection {
public:
    // The answer's body after its head; nothing when the server refused the command.
    using Answer = std::function<void(TagReader* reply)>;

    ~PulseConnection();
    // Called once the server has taken the toy's name: commands sent before are refused.
    std::function<void()> ready;
    // Called, from the event loop and never inside a call of ours, once the connection is lost:
    // refused, ended by the server, or broken by what it sent.
    std::function<void()> lost;

    // Starts a connection to the socket at path. False where there is no server to connect to;
    // then nothing is called.
    bool open(const std::string& path, const std::string& cookie, const PulseProperties& client);
    void close();
    // True from open until lost is called or the connection closed.
    bool active() const { return state != State::Closed; }
    bool isReady() const { return state == State::Ready; }
    // Sends a command once ready; false, and the answer never called, where it cannot be sent.
    bool send(PulseCommand command, const TagWriter& body, Answer answer = {});
    bool sendData(uint32_t channel, std::string_view samples);
    // Bytes written and not yet taken by the server.
    size_t unsent() const { return outgoing.size() - written; }

private:
    enum class State { Closed, Introducing, Ready, Failed };
    bool queue(std::string frame);
    void flush();
    void readable();
    void dispatch(const PulseFrame& frame);
    void fail();
    void dropNotifiers();

    State state = State::Closed;
    int socket = -1;
    std::unique_ptr<QSocketNotifier> reader;
    std::unique_ptr<QSocketNotifier> writer;
    QObject guard; // the receiver of the queued call to lost, gone with the connection
    uint64_t generation = 0;
    FrameReader frames;
    std::string outgoing;
    size_t written = 0;
    uint32_t nextTag = 0;
    std::map<uint32_t, Answer> answers;
};

std::string pulseSocketPath();
std::string pulseCookie();
