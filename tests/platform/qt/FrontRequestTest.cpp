// SPDX-License-Identifier: GPL-3.0-or-later
// The second program for a pet reaches the first through a local socket.
#include "platform/qt/FrontRequest.h"

#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <future>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

TEST(FrontRequest, TheRunningPetAnswersAndNoOtherDoes) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "front-request-test";
    // A killed program leaves its socket behind: the next one takes the address over.
    std::ofstream(FrontRequest::address(folder, "Rosie").toStdString()) << "left over";
    int shown = 0;
    FrontRequest running(folder, "Rosie", [&] { ++shown; });
    ASSERT_TRUE(running.listening());

    // The asking side blocks, as a second program does; the running side answers on its event loop.
    auto answer = [](auto asking) {
        std::future answered = std::async(std::launch::async, asking);
        const bool ended = QTest::qWaitFor(
            [&] { return answered.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 5000);
        return ended ? answered.get() : decltype(answered.get()){};
    };
    auto ask = [&](const std::string& pet) {
        return answer([&folder, pet] { return FrontRequest::ask(folder, pet, 500); });
    };
    // What a stranger on the socket gets back for what it sends.
    auto sendRaw = [&](const std::string& text) {
        return answer([&folder, text] {
            sockaddr_un where{};
            where.sun_family = AF_UNIX;
            const std::string path = FrontRequest::address(folder, "Rosie").toStdString();
            path.copy(where.sun_path, sizeof where.sun_path - 1);
            const int raw = ::socket(AF_UNIX, SOCK_STREAM, 0);
            std::string reply(8, '\0');
            if (::connect(raw, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0 ||
                ::send(raw, text.data(), text.size(), MSG_NOSIGNAL) < 0)
                reply = "unreachable";
            else if (::shutdown(raw, SHUT_WR) == 0)
                reply.resize(std::max<ssize_t>(0, ::recv(raw, reply.data(), reply.size(), 0)));
            ::close(raw);
            return reply;
        });
    };
    EXPECT_TRUE(ask("Rosie"));
    EXPECT_TRUE(ask("Rosie"));
    EXPECT_EQ(shown, 2);
    EXPECT_FALSE(ask("rosie"));
    EXPECT_FALSE(FrontRequest::ask(folder / "elsewhere", "Rosie", 200));
    EXPECT_EQ(sendRaw("back\n"), "?\n");
    EXPECT_EQ(sendRaw(std::string(200, 'x')), "?\n");
    EXPECT_EQ(sendRaw("fro"), ""); // hung up before a whole line: no answer, nothing shown
    EXPECT_EQ(shown, 2);
    EXPECT_TRUE(ask("Rosie"));
}

} // namespace
