// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The few pieces of the sound server's native protocol the toy speaks, as pure functions on bytes.
// This file provides:
//  - PulseCommand: the numbers of the commands the toy sends or reads.
//  - TagWriter: builds a command's body of typed values, each led by its tag byte.
//  - TagReader: reads such a body back; every read checks tag and length, so a short or wrong
//    body fails the read instead of reading past its end.
//  - commandFrame, dataFrame: a command or a stretch of samples framed for the socket.
//  - FrameReader: cuts the bytes read from the socket into frames; refuses a frame longer than
//    any answer the toy waits for, which only a broken server sends.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

enum class PulseCommand : uint32_t {
    Error = 0,
    Reply = 2,
    Auth = 8,
    SetClientName = 9,
    CreateUploadStream = 15,
    FinishUploadStream = 17,
    PlaySample = 18,
    KillSinkInput = 49,
};

inline constexpr uint32_t PulseProtocolVersion = 35;
inline constexpr uint32_t PulseInvalidIndex = 0xffffffffu;
inline constexpr uint32_t PulseControlChannel = 0xffffffffu;
inline constexpr size_t PulseCookieLength = 256;
inline constexpr size_t PulseFrameHeader = 20;
// Far more than any answer to the toy's commands; a frame claiming more is a broken server.
inline constexpr uint32_t PulseLongestFrame = 64 * 1024;

using PulseProperties = std::vector<std::pair<std::string, std::string>>;

class TagWriter {
public:
    TagWriter& u32(uint32_t value);
    TagWriter& u8(uint8_t value);
    TagWriter& string(std::string_view text);
    TagWriter& nullString();
    TagWriter& arbitrary(std::string_view bytes);
    // Sample formats as the server numbers them: 0 unsigned 8-bit, 3 signed 16-bit little-endian.
    TagWriter& sampleSpec(uint8_t format, uint8_t channels, uint32_t rate);
    // Channel positions: 0 mono, 1 front left, 2 front right.
    TagWriter& channelMap(const std::vector<uint8_t>& positions);
    // Each value is sent with its terminating zero, as the server stores text properties.
    TagWriter& properties(const PulseProperties& list);
    const std::string& bytes() const { return body; }

private:
    void raw32(uint32_t value);
    std::string body;
};

class TagReader {
public:
    explicit TagReader(std::string_view bytes) : rest(bytes) {}
    std::optional<uint32_t> u32();
    std::optional<uint8_t> u8();
    // A string tag's text; nothing for a null string, a wrong tag or a missing terminator.
    std::optional<std::string> string();
    std::optional<std::string> arbitrary();
    bool atEnd() const { return rest.empty(); }

private:
    bool tag(char expected);
    std::optional<uint32_t> raw32();
    std::string_view rest;
};

struct PulseFrame {
    uint32_t channel = 0;
    std::string payload;
};

// A command frame: the command, the tag its answer will carry, then the body.
std::string commandFrame(PulseCommand command, uint32_t tag, const TagWriter& body);
// Samples for an upload stream's channel, appended to the stream's data.
std::string dataFrame(uint32_t channel, std::string_view samples);

// A command frame's head, and the reader for the rest of its body.
struct PulseMessage {
    uint32_t command = 0;
    uint32_t tag = 0;
};
std::optional<PulseMessage> readMessage(TagReader& body);

class FrameReader {
public:
    void feed(std::string_view bytes);
    // The next whole frame; nothing while one is still coming, and nothing ever again once a
    // frame claimed to be longer than PulseLongestFrame.
    std::optional<PulseFrame> next();
    bool broken() const { return refused; }
    void clear();

private:
    std::string buffer;
    size_t start = 0;
    bool refused = false;
};
