// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/PulseProtocol.h"

namespace {

// Every number on the wire is big-endian, in frame headers and in bodies alike.
void put32(std::string& to, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        to += static_cast<char>((value >> shift) & 0xff);
}

uint32_t get32(std::string_view from) {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        value = (value << 8) | static_cast<unsigned char>(from[i]);
    return value;
}

std::string frame(uint32_t channel, std::string_view payload) {
    std::string bytes;
    bytes.reserve(PulseFrameHeader + payload.size());
    put32(bytes, static_cast<uint32_t>(payload.size()));
    put32(bytes, channel);
    // The offset (high and low word) and the flags: zero is "append to what came before", with
    // the samples in the frame itself rather than in shared memory.
    put32(bytes, 0);
    put32(bytes, 0);
    put32(bytes, 0);
    bytes += payload;
    return bytes;
}

} // namespace

void TagWriter::raw32(uint32_t value) {
    put32(body, value);
}

TagWriter& TagWriter::u32(uint32_t value) {
    body += 'L';
    raw32(value);
    return *this;
}

TagWriter& TagWriter::u8(uint8_t value) {
    body += 'B';
    body += static_cast<char>(value);
    return *this;
}

TagWriter& TagWriter::string(std::string_view text) {
    body += 't';
    body += text;
    body += '\0';
    return *this;
}

TagWriter& TagWriter::nullString() {
    body += 'N';
    return *this;
}

TagWriter& TagWriter::arbitrary(std::string_view bytes) {
    body += 'x';
    raw32(static_cast<uint32_t>(bytes.size()));
    body += bytes;
    return *this;
}

TagWriter& TagWriter::sampleSpec(uint8_t format, uint8_t channels, uint32_t rate) {
    body += 'a';
    body += static_cast<char>(format);
    body += static_cast<char>(channels);
    raw32(rate);
    return *this;
}

TagWriter& TagWriter::channelMap(const std::vector<uint8_t>& positions) {
    body += 'm';
    body += static_cast<char>(positions.size());
    for (uint8_t position : positions)
        body += static_cast<char>(position);
    return *this;
}

TagWriter& TagWriter::properties(const PulseProperties& list) {
    body += 'P';
    for (const auto& [key, value] : list) {
        string(key);
        const std::string stored = value + '\0';
        u32(static_cast<uint32_t>(stored.size()));
        arbitrary(stored);
    }
    return nullString();
}

bool TagReader::tag(char expected) {
    if (rest.empty() || rest.front() != expected) return false;
    rest.remove_prefix(1);
    return true;
}

std::optional<uint32_t> TagReader::raw32() {
    if (rest.size() < 4) return std::nullopt;
    const uint32_t value = get32(rest);
    rest.remove_prefix(4);
    return value;
}

std::optional<uint32_t> TagReader::u32() {
    const std::string_view before = rest;
    if (!tag('L')) return std::nullopt;
    auto value = raw32();
    if (!value) rest = before;
    return value;
}

std::optional<uint8_t> TagReader::u8() {
    if (rest.size() < 2 || rest.front() != 'B') return std::nullopt;
    const auto value = static_cast<uint8_t>(rest[1]);
    rest.remove_prefix(2);
    return value;
}

std::optional<std::string> TagReader::string() {
    if (rest.empty() || rest.front() != 't') return std::nullopt;
    const size_t end = rest.find('\0', 1);
    if (end == std::string_view::npos) return std::nullopt;
    std::string text(rest.substr(1, end - 1));
    rest.remove_prefix(end + 1);
    return text;
}

std::optional<std::string> TagReader::arbitrary() {
    if (rest.size() < 5 || rest.front() != 'x') return std::nullopt;
    const uint32_t length = get32(rest.substr(1));
    if (rest.size() - 5 < length) return std::nullopt;
    std::string bytes(rest.substr(5, length));
    rest.remove_prefix(5 + static_cast<size_t>(length));
    return bytes;
}

std::string commandFrame(PulseCommand command, uint32_t tag, const TagWriter& body) {
    TagWriter head;
    head.u32(static_cast<uint32_t>(command)).u32(tag);
    return frame(PulseControlChannel, head.bytes() + body.bytes());
}

std::string dataFrame(uint32_t channel, std::string_view samples) {
    return frame(channel, samples);
}

std::optional<PulseMessage> readMessage(TagReader& body) {
    const auto command = body.u32();
    const auto tag = command ? body.u32() : std::nullopt;
    if (!tag) return std::nullopt;
    return PulseMessage{*command, *tag};
}

void FrameReader::feed(std::string_view bytes) {
    if (refused) return;
    // What was handed out already is dropped before the buffer grows, so it holds at most one
    // frame and a part of the next.
    if (start > 0) {
        buffer.erase(0, start);
        start = 0;
    }
    buffer += bytes;
}

std::optional<PulseFrame> FrameReader::next() {
    if (refused) return std::nullopt;
    const std::string_view waiting = std::string_view(buffer).substr(start);
    if (waiting.size() < PulseFrameHeader) return std::nullopt;
    const uint32_t length = get32(waiting);
    if (length > PulseLongestFrame) {
        refused = true;
        buffer.clear();
        start = 0;
        return std::nullopt;
    }
    if (waiting.size() - PulseFrameHeader < length) return std::nullopt;
    PulseFrame frame{get32(waiting.substr(4)), std::string(waiting.substr(PulseFrameHeader, length))};
    start += PulseFrameHeader + length;
    return frame;
}

void FrameReader::clear() {
    buffer.clear();
    start = 0;
    refused = false;
}
