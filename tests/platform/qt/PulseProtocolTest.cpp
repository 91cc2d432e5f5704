// SPDX-License-Identifier: GPL-3.0-or-later
// The sound server's protocol as bytes: what the toy writes is what the server reads, and nothing
// the server (or anything pretending to be it) sends can make the toy read past what it got.
#include "platform/qt/PulseProtocol.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

std::string bytes(std::initializer_list<int> list) {
    std::string s;
    for (int b : list)
        s += static_cast<char>(b);
    return s;
}

TEST(PulseProtocol, FramesACommandAsTheServerReadsIt) {
    // Numbers big-endian, each value led by its tag; the header's channel all ones for a command.
    TagWriter body;
    body.u32(0x01020304).string("ab").nullString().u8(7).sampleSpec(3, 1, 22050).channelMap({1, 2});
    const std::string frame = commandFrame(PulseCommand::PlaySample, 5, body);
    const std::string expected =
        bytes({0, 0, 0, 33, 0xff, 0xff, 0xff, 0xff, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) +
        bytes({'L', 0, 0, 0, 18, 'L', 0, 0, 0, 5, 'L', 1, 2, 3, 4, 't', 'a', 'b', 0, 'N', 'B', 7}) +
        bytes({'a', 3, 1, 0, 0, 0x56, 0x22, 'm', 2, 1, 2});
    EXPECT_EQ(frame, expected);
    // Samples travel on their stream's channel, unchanged.
    EXPECT_EQ(dataFrame(7, "xyz"),
              bytes({0, 0, 0, 3, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) + "xyz");
}

TEST(PulseProtocol, PropertiesAreKeyLengthAndZeroEndedValueThenANullString) {
    TagWriter writer;
    writer.properties({{"application.name", "Pipling Simulator"}, {"media.role", "event"}});
    ASSERT_EQ(writer.bytes().front(), 'P');
    TagReader list(std::string_view(writer.bytes()).substr(1));
    for (auto [key, value] :
         PulseProperties{{"application.name", "Pipling Simulator"}, {"media.role", "event"}}) {
        EXPECT_EQ(list.string(), key);
        EXPECT_EQ(list.u32(), value.size() + 1);
        EXPECT_EQ(list.arbitrary(), value + '\0');
    }
    EXPECT_FALSE(list.string()) << "the list ends in a null string";
    EXPECT_EQ(writer.bytes().back(), 'N');
}

TEST(PulseProtocol, ReadsBackWhatItWroteAndRefusesWrongOrShortValuesWithoutMoving) {
    TagWriter writer;
    writer.u32(4000000000u).u8(200).string("name").arbitrary(std::string("\0\1\2", 3)).u32(9);
    TagReader reader(writer.bytes());
    EXPECT_FALSE(reader.string()) << "a number read as text";
    EXPECT_EQ(reader.u32(), 4000000000u);
    EXPECT_FALSE(reader.u32()) << "a byte read as a number";
    EXPECT_EQ(reader.u8(), 200);
    EXPECT_EQ(reader.string(), "name");
    EXPECT_EQ(reader.arbitrary(), std::string("\0\1\2", 3));
    EXPECT_EQ(reader.u32(), 9u);
    EXPECT_TRUE(reader.atEnd());
    EXPECT_FALSE(reader.u32());

    // Every value cut anywhere short is refused, and the reader stays where it was.
    for (const std::string& whole :
         {TagWriter().u32(1).bytes(), TagWriter().u8(1).bytes(), TagWriter().string("abc").bytes(),
          TagWriter().arbitrary("abc").bytes()}) {
        for (size_t cut = 0; cut < whole.size(); ++cut) {
            // Its own allocation, so that a read past the end is a read past the memory.
            auto copy = std::make_unique<char[]>(cut + 1);
            whole.copy(copy.get(), cut);
            TagReader part(std::string_view(copy.get(), cut));
            EXPECT_FALSE(part.u32() || part.u8() || part.string() || part.arbitrary())
                << whole << " cut at " << cut;
            EXPECT_EQ(part.atEnd(), cut == 0);
        }
    }
    // An arbitrary value claiming more bytes than there are, up to the largest length.
    for (uint32_t claimed : {4u, 1000u, 0xfffffffbu, 0xffffffffu}) {
        std::string lying = TagWriter().arbitrary("abc").bytes();
        lying.replace(1, 4,
                      bytes({int(claimed >> 24), int((claimed >> 16) & 0xff), int((claimed >> 8) & 0xff),
                             int(claimed & 0xff)}));
        TagReader reader2(lying);
        EXPECT_FALSE(reader2.arbitrary()) << claimed;
    }
}

TEST(PulseProtocol, FramesComeWholeHoweverTheBytesArriveAndAnOversizedOneEndsTheStream) {
    const std::string one = commandFrame(PulseCommand::Reply, 1, TagWriter().u32(42));
    const std::string two = dataFrame(3, std::string(1000, 's'));
    const std::string three = commandFrame(PulseCommand::Error, 2, TagWriter().u32(7));
    FrameReader reader;
    std::vector<PulseFrame> got;
    for (char c : one + two + three) {
        reader.feed(std::string_view(&c, 1));
        while (auto frame = reader.next())
            got.push_back(*frame);
    }
    ASSERT_EQ(got.size(), 3u);
    EXPECT_EQ(got[0].channel, PulseControlChannel);
    TagReader body(got[0].payload);
    const auto message = readMessage(body);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->command, static_cast<uint32_t>(PulseCommand::Reply));
    EXPECT_EQ(message->tag, 1u);
    EXPECT_EQ(body.u32(), 42u);
    EXPECT_EQ(got[1].channel, 3u);
    EXPECT_EQ(got[1].payload, std::string(1000, 's'));
    EXPECT_EQ(got[2].payload.size(), 15u);
    EXPECT_FALSE(reader.broken());

    // The longest frame allowed is taken; one byte more is refused before any of it is kept,
    // and nothing after it is read as a frame.
    FrameReader longest;
    longest.feed(dataFrame(1, std::string(PulseLongestFrame, 'x')));
    ASSERT_TRUE(longest.next());
    FrameReader oversized;
    std::string claim = dataFrame(1, "");
    claim[1] = 1; // 65536 + 0 bytes
    claim[3] = 1;
    oversized.feed(claim + one);
    EXPECT_FALSE(oversized.next());
    EXPECT_TRUE(oversized.broken());
    oversized.feed(one);
    EXPECT_FALSE(oversized.next());
    oversized.clear();
    oversized.feed(one);
    EXPECT_TRUE(oversized.next()) << "a new connection starts afresh";
    // A message too short for its command and tag is no message.
    for (const std::string& head :
         {std::string(), TagWriter().u32(2).bytes(), TagWriter().u32(2).u8(1).bytes()}) {
        TagReader truncated(head);
        EXPECT_FALSE(readMessage(truncated));
    }
}

} // namespace
