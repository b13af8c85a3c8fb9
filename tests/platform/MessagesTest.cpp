// Posted messages: order, late delivery of what handlers post, and dropping
// what was meant for a receiver that has gone.

#include "platform/Messages.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

TEST(Messages, DeliveredInOrderIncludingWhatHandlersPost)
{
    std::vector<int> seen;
    HWND h = AllocateHWnd([&](TMessage& m) {
        seen.push_back(int(m.WParam));
        if (m.WParam == 1)
            PostMessage(h, WM_USER, 3, 0);
    });
    PostMessage(h, WM_USER, 1, 0);
    PostMessage(h, WM_USER, 2, 0);
    ProcessPostedMessages();
    EXPECT_EQ((std::tuple { seen, PendingMessageCount() }), std::tuple(std::vector<int> { 1, 2, 3 }, 0));
    DeallocateHWnd(h);
}

TEST(Messages, AReceiverThatGoesDropsItsMessagesEvenFromItsOwnHandler)
{
    int calls = 0;
    HWND h = AllocateHWnd([&](TMessage&) {
        ++calls;
        DeallocateHWnd(h);
    });
    PostMessage(h, WM_USER, 0, 0);
    PostMessage(h, WM_USER, 0, 0);
    ProcessPostedMessages();
    EXPECT_EQ((std::tuple { calls, PostMessage(h, WM_USER, 0, 0), PendingMessageCount() }), std::tuple(1, false, 0));
}

TEST(Messages, PostingFromOtherThreadsIsSafe)
{
    long sum = 0;
    HWND h = AllocateHWnd([&](TMessage& m) { sum += long(m.WParam); });
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([h] {
            for (int i = 1; i <= 1000; ++i)
                PostMessage(h, WM_USER, WPARAM(i), 0);
        });
    for (auto& t : threads)
        t.join();
    ProcessPostedMessages();
    EXPECT_EQ(sum, 4L * 500500L);
    DeallocateHWnd(h);
}
