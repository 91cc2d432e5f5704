// The second program for a pet reaches the first through a local socket.
#include "platform/qt/FrontRequest.h"

#include <QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <future>

namespace {

TEST(FrontRequest, TheRunningPetAnswersAndNoOtherDoes) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "front-request-test";
    // A killed program leaves its socket behind: the next one takes the address over.
    std::ofstream(FrontRequest::address(folder, "Rosie").toStdString()) << "left over";
    int shown = 0;
    FrontRequest running(folder, "Rosie", [&] { ++shown; });
    ASSERT_TRUE(running.listening());

    // The asking side blocks, as a second program does; the running side answers on its event loop.
    auto ask = [&](const std::string& pet) {
        std::future<bool> answered =
            std::async(std::launch::async, [&folder, pet] { return FrontRequest::ask(folder, pet, 500); });
        const bool ended = QTest::qWaitFor(
            [&] { return answered.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 5000);
        return ended && answered.get();
    };
    EXPECT_TRUE(ask("Rosie"));
    EXPECT_TRUE(ask("Rosie"));
    EXPECT_EQ(shown, 2);
    EXPECT_FALSE(ask("rosie"));
    EXPECT_FALSE(FrontRequest::ask(folder / "elsewhere", "Rosie", 200));
    EXPECT_EQ(shown, 2);
}

} // namespace
