#include "platform/messages/MessageQueue.hpp"

#include <gtest/gtest.h>
#include <poll.h>

#include <atomic>
#include <future>
#include <thread>
#include <vector>

namespace vx {
namespace {

constexpr UINT kTestMessage = WM_USER + 1;

// Counts the records whose heap data were freed.
std::atomic<int> gFreed{0};
void freeRecord(UINT, WPARAM, LPARAM lParam) {
  delete reinterpret_cast<int*>(lParam);
  ++gFreed;
}

LPARAM heapRecord(int value) { return reinterpret_cast<LPARAM>(new int(value)); }

class MessageQueueTest : public ::testing::Test {
 protected:
  void SetUp() override { gFreed = 0; }
};

TEST_F(MessageQueueTest, RecordsFromSeveralThreadsArriveInPostingOrder) {
  std::vector<int> seen;
  HWND window = CreateMessageWindow([&](HWND, UINT, WPARAM wParam, LPARAM) {
    seen.push_back(static_cast<int>(wParam));
    return 0;
  });
  // Two threads take turns, so the posting order across threads is known.
  constexpr int kTurns = 200;
  std::atomic<int> turn{0};
  auto poster = [&](int parity) {
    for (int i = parity; i < kTurns; i += 2) {
      while (turn.load() != i) std::this_thread::yield();
      PostMessage(window, kTestMessage, static_cast<WPARAM>(i), 0);
      turn.store(i + 1);
    }
  };
  std::thread even(poster, 0), odd(poster, 1);
  even.join();
  odd.join();
  EXPECT_EQ(DispatchPendingMessages(), static_cast<size_t>(kTurns));
  ASSERT_EQ(seen.size(), static_cast<size_t>(kTurns));
  for (int i = 0; i < kTurns; ++i) EXPECT_EQ(seen[i], i);
  DestroyWindow(window);
}

TEST_F(MessageQueueTest, TheQueueFreesEveryRecordWhetherDeliveredOrNot) {
  int delivered = 0;
  HWND window = CreateMessageWindow([&](HWND, UINT, WPARAM, LPARAM lParam) {
    delivered += *reinterpret_cast<int*>(lParam);
    return 0;
  });
  ASSERT_TRUE(PostMessage(window, kTestMessage, 0, heapRecord(5), freeRecord));
  EXPECT_TRUE(PumpMessage(1000));
  EXPECT_EQ(delivered, 5);
  EXPECT_EQ(gFreed, 1);

  // Pending records of a destroyed window are freed and never delivered.
  PostMessage(window, kTestMessage, 0, heapRecord(7), freeRecord);
  PostMessage(window, kTestMessage, 0, heapRecord(9), freeRecord);
  EXPECT_TRUE(DestroyWindow(window));
  EXPECT_EQ(gFreed, 3);
  EXPECT_EQ(DispatchPendingMessages(), 0u);
  EXPECT_EQ(delivered, 5);

  // Posting to a window that no longer exists fails and frees the record.
  EXPECT_FALSE(PostMessage(window, kTestMessage, 0, heapRecord(1), freeRecord));
  EXPECT_EQ(gFreed, 4);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(DestroyWindow(window));
}

TEST_F(MessageQueueTest, PostingToAWindowWhoseThreadEndedFreesTheRecord) {
  HWND window = std::async(std::launch::async, [] {
                  HWND w = CreateMessageWindow([](HWND, UINT, WPARAM, LPARAM) { return LRESULT{0}; });
                  PostMessage(w, kTestMessage, 0, heapRecord(1), freeRecord);  // left pending at thread end
                  return w;
                }).get();
  EXPECT_EQ(gFreed, 1);
  EXPECT_FALSE(PostMessage(window, kTestMessage, 0, heapRecord(2), freeRecord));
  EXPECT_EQ(gFreed, 2);
  DestroyWindow(window);
}

TEST_F(MessageQueueTest, EventFdWakesAPollLoop) {
  int calls = 0;
  HWND window = CreateMessageWindow([&](HWND, UINT, WPARAM, LPARAM) { return ++calls; });
  pollfd fd{MessageQueueEventFd(), POLLIN, 0};
  EXPECT_EQ(::poll(&fd, 1, 0), 0) << "readable with nothing posted";

  std::thread([&] { PostMessage(window, kTestMessage, 0, 0); }).join();
  ASSERT_EQ(::poll(&fd, 1, 5000), 1);
  EXPECT_EQ(DispatchPendingMessages(), 1u);
  EXPECT_EQ(calls, 1);
  fd.revents = 0;
  EXPECT_EQ(::poll(&fd, 1, 0), 0) << "still readable after the queue was drained";
  DestroyWindow(window);
}

TEST_F(MessageQueueTest, BlockingPumpWaitsForAPostFromAnotherThread) {
  std::atomic<int> calls{0};
  HWND window = CreateMessageWindow([&](HWND, UINT, WPARAM, LPARAM) { return LRESULT{++calls}; });
  EXPECT_FALSE(PumpMessage(10));
  std::thread poster([&] { PostMessage(window, kTestMessage, 0, 0); });
  EXPECT_TRUE(PumpMessage(INFINITE));
  poster.join();
  EXPECT_EQ(calls, 1);
  DestroyWindow(window);
}

}  // namespace
}  // namespace vx
