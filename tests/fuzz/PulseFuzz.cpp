// SPDX-License-Identifier: GPL-3.0-or-later
// What the sound server sends: the input is the byte stream of a connection, cut into pieces by
// its own first byte as the socket might deliver it. Every frame read must be the bytes it came
// from, and reading a frame's values must end and never go past the frame.
#include "platform/qt/PulseProtocol.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::text(data, size);
    if (input.empty()) return 0;
    const size_t piece = 1 + static_cast<unsigned char>(input.front()) % 64;
    const std::string_view stream = input.substr(1);
    FrameReader reader;
    size_t framed = 0;
    for (size_t at = 0; at < stream.size(); at += piece) {
        reader.feed(stream.substr(at, piece));
        while (auto frame = reader.next()) {
            const std::string again = dataFrame(frame->channel, frame->payload);
            // The offset and flags words are not kept: only zero ones frame the same again.
            const std::string_view original = stream.substr(framed, again.size());
            if (original.substr(8, 12) == std::string_view("\0\0\0\0\0\0\0\0\0\0\0\0", 12))
                fuzz::check(original == again, "a frame is not the bytes it came from");
            framed += again.size();
            TagReader body(frame->payload);
            readMessage(body);
            for (size_t reads = 0; !body.atEnd(); ++reads) {
                fuzz::check(reads <= frame->payload.size(), "a read took no bytes");
                if (!body.u32() && !body.u8() && !body.string() && !body.arbitrary()) break;
            }
        }
    }
    fuzz::check(!reader.broken() || framed + PulseFrameHeader <= stream.size(),
                "a frame was refused before its header came");
    return 0;
}
