// Letting waiting window messages run: all of them, the quit message left for the main loop,
// and no more often than every 10 ms when paced.
#include "installer/controller/win32/pending_messages.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace aw {
namespace {

bool MessageWaiting() {
    MSG message;
    return PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE) != 0;
}

void Post(UINT message) {
    PostThreadMessageA(GetCurrentThreadId(), message, 0, 0);
}

TEST(PendingMessagesTest, AllWaitingMessagesRunButTheQuitMessageStays) {
    Post(WM_APP);
    Post(WM_APP + 1);
    RunPendingMessages();
    EXPECT_FALSE(MessageWaiting());
    Post(WM_APP);
    PostQuitMessage(3);
    RunPendingMessages();
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 3u);
}

TEST(PendingMessagesTest, ThePacerLetsThemRunAtMostEveryTenMilliseconds) {
    MessagePacer pacer;
    // Taken before the first turn, so that the time seen below is never shorter than the time
    // the pacer saw, however long this thread waits in between on a busy machine.
    const DWORD start = GetTickCount();
    Post(WM_APP);
    pacer.Turn();
    EXPECT_FALSE(MessageWaiting());
    Post(WM_APP);
    pacer.Turn();
    if (GetTickCount() - start < MessagePacer::kIntervalMs) {
        EXPECT_TRUE(MessageWaiting());
    }
    const DWORD waitStart = GetTickCount();
    while (GetTickCount() - waitStart <= MessagePacer::kIntervalMs) {
        Sleep(1);
    }
    pacer.Turn();
    EXPECT_FALSE(MessageWaiting());
}

}  // namespace
}  // namespace aw
