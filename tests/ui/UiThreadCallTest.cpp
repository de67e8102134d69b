// Handing calls to the user-interface thread: the caller waits until the
// call has run there, and a cancelled generation releases waiting callers.

#include <QObject>
#include <QTest>
#include <future>
#include <stdexcept>
#include <thread>

#include "UiTestSupport.h"
#include "ui/UiThreadCall.h"

namespace uitest {
namespace {

TEST(UiThreadCall, RunsOnTheUiThreadAndReturnsAfterwardsOrRethrowsTheCallsError) {
    App();
    QObject receiver;
    ui::UiThreadCall calls(&receiver);
    std::thread::id ranOn;
    bool finished = false;
    auto worker = std::async(std::launch::async, [&] {
        calls.Run([&] { ranOn = std::this_thread::get_id(); });
        finished = true;  // read only after the future is ready
        try {
            calls.Run([] { throw std::runtime_error("row failed"); });
        } catch (const std::runtime_error& error) {
            return std::string(error.what());
        }
        return std::string();
    });
    while (worker.wait_for(std::chrono::milliseconds(1)) != std::future_status::ready)
        QCoreApplication::processEvents();
    EXPECT_TRUE(finished);
    EXPECT_EQ(ranOn, std::this_thread::get_id());
    EXPECT_EQ(worker.get(), "row failed");
}

TEST(UiThreadCall, CancelReleasesAWaitingCallerAndRefusesItsGenerationLater) {
    App();
    QObject receiver;
    ui::UiThreadCall calls(&receiver);
    const unsigned generation = calls.Generation();
    std::atomic<int> ran{0};
    std::promise<void> waiting;
    auto worker = std::async(std::launch::async, [&] {
        waiting.set_value();
        return calls.RunFor(generation, [&] { ++ran; });
    });
    waiting.get_future().wait();
    // The user-interface thread does not serve the queue here, as when it
    // waits for a search thread to end; cancelling must free the caller.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    calls.CancelPending();
    ASSERT_EQ(worker.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_FALSE(worker.get());

    auto late =
        std::async(std::launch::async, [&] { return calls.RunFor(generation, [&] { ++ran; }); });
    ASSERT_EQ(late.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_FALSE(late.get());
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, 0);
}

}  // namespace
}  // namespace uitest
