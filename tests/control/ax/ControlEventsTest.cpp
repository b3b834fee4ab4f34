#include <gtest/gtest.h>

#include <thread>

#include "tests/control/ax/ControlFixture.hpp"

namespace vx::test {
namespace {

constexpr DISPID kOnCallStateChanged = 0x1;
constexpr DISPID kOnLevelMicro = 0xc;
constexpr DISPID kOnLevelSpeakers = 0xd;
constexpr DISPID kOnCallerId = 0x3;
constexpr DISPID kOnMessagesWaiting = 0x24;

TEST_F(ControlTest, EventsFromManyThreadsArriveOnTheHostThreadInEachPostersOrder) {
  constexpr int kPosters = 6;
  constexpr int kEach = 500;
  std::vector<std::thread> posters;
  for (int p = 0; p < kPosters; ++p) {
    posters.emplace_back([this, p] {
      for (int i = 0; i < kEach; ++i) {
        control_->OnLevelMicro(p * kEach + i);
        // Records with strings too, so that the heap path is exercised under ASan.
        control_->OnCallerId(p, "Alice", "sip:alice@example.com", "127.0.0.1");
      }
    });
  }
  auto host = std::this_thread::get_id();
  while (sink_->events.size() < 2u * kPosters * kEach) {
    ASSERT_TRUE(PumpMessage(10000)) << "events stopped arriving";
  }
  for (auto& t : posters) t.join();
  DispatchPendingMessages();
  ASSERT_EQ(sink_->events.size(), 2u * kPosters * kEach);

  std::vector<int> next(kPosters, 0);
  for (const SeenEvent& e : sink_->events) {
    EXPECT_EQ(e.thread, host);
    if (e.dispid != kOnLevelMicro) {
      EXPECT_EQ(e.dispid, kOnCallerId);
      EXPECT_EQ(e.args[2], Variant::String("sip:alice@example.com"));
      continue;
    }
    std::int32_t value = 0;
    e.args[0].toI4(&value);
    int poster = value / kEach;
    EXPECT_EQ(value % kEach, next[poster]++) << "poster " << poster << " out of order";
  }
}

TEST_F(ControlTest, UnchangedCallStateRaisesOneEvent) {
  ASSERT_EQ(invoke("Initialize", DISPATCH_METHOD, {Variant::I4(0)}), S_OK);
  control_->OnCallStateChanged(1, CALLSTATE_OFFERING);
  control_->OnCallStateChanged(1, CALLSTATE_OFFERING);
  control_->OnCallStateChanged(1, CALLSTATE_CONNECTED);
  DispatchPendingMessages();
  ASSERT_EQ(sink_->events.size(), 2u);
  EXPECT_EQ(sink_->events[0].dispid, kOnCallStateChanged);
  EXPECT_EQ(sink_->events[0].args, (std::vector<Variant>{Variant::I4(1), Variant::I4(CALLSTATE_OFFERING)}));
  Variant state;
  EXPECT_EQ(invoke("CallState", DISPATCH_PROPERTYGET, {Variant::I4(1)}, &state), S_OK);
  EXPECT_EQ(state, Variant::I4(CALLSTATE_CONNECTED));
  EXPECT_TRUE(FakeUserAgent::current->handsetStates.empty()) << "only line 0 drives the handset";
}

TEST_F(ControlTest, EventsPendingAtDestroyAreFreedWithoutBeingRaised) {
  control_->OnMessage("sip:bob@example.com", "hello");
  control_->OnCallerId(0, "Bob", "sip:bob@example.com", "10.0.0.1");
  EXPECT_EQ(invoke("Destroy", DISPATCH_METHOD), S_OK);
  control_->OnMessage("sip:late@example.com", "lost");  // after Destroy: dropped quietly
  DispatchPendingMessages();
  EXPECT_TRUE(sink_->events.empty());
}

TEST_F(ControlTest, ASinkMayDestroyAndReleaseTheControlInsideAHandler) {
  control_->AddRef();  // the reference the handler gives up
  sink_->onEvent = [this](DISPID) {
    std::vector<Variant> none;
    control_->Invoke(0xc2, DISPATCH_METHOD, none, nullptr);
    control_->Release();
  };
  control_->OnLevelMicro(1);
  control_->OnLevelMicro(2);
  control_->OnMessagesWaiting(MESSAGESWAITING_VOICE, 0, 1, 2, 3);
  DispatchPendingMessages();
  ASSERT_EQ(sink_->events.size(), 1u) << "events after Destroy were raised";
  EXPECT_EQ(sink_->events[0].dispid, kOnLevelMicro);
  EXPECT_NE(sink_->events.back().dispid, kOnMessagesWaiting);
}

TEST_F(ControlTest, HandsetDrivesCallsWhenThePhoneFlagIsSet) {
  ASSERT_EQ(invoke("Initialize", DISPATCH_METHOD, {Variant::I4(INITFLAG_PHONE)}), S_OK);
  auto& ua = *FakeUserAgent::current;

  control_->OnCallStateChanged(0, CALLSTATE_OFFERING);
  control_->OnPhoneOffHook(-1, false);  // hanging up while it rings does nothing
  control_->OnPhoneOffHook(-1, true);   // taking it off hook answers
  control_->OnCallStateChanged(0, CALLSTATE_CONNECTED);
  control_->OnPhoneKey('5');
  control_->OnPhoneOffHook(0, false);
  control_->OnCallStateChanged(0, CALLSTATE_IDLE);
  control_->OnPhoneOffHook(0, true);
  EXPECT_EQ(ua.log, (std::vector<std::string>{"Answer(0,-1)", "Dial(0,5)", "Drop(0,0)", "Call(0,)"}));
  EXPECT_EQ(ua.handsetStates, (std::vector<tCallStates>{CALLSTATE_OFFERING, CALLSTATE_CONNECTED, CALLSTATE_IDLE}));
}

TEST_F(ControlTest, VolumeKeyStepsTheSpeakersWithinTheirRange) {
  ASSERT_EQ(invoke("Initialize", DISPATCH_METHOD, {Variant::I4(INITFLAG_PHONE)}), S_OK);
  auto& ua = *FakeUserAgent::current;
  ua.speakers = 1000;
  control_->OnPhoneFunctionKey(FUNCTIONKEY_VOLUME, 0, false);
  EXPECT_EQ(ua.speakers, 0);
  ua.speakers = 65000;
  control_->OnPhoneFunctionKey(FUNCTIONKEY_VOLUME, 0, true);
  EXPECT_EQ(ua.speakers, 65535);
  control_->OnPhoneFunctionKey(FUNCTIONKEY_VOLUME, 7, false);
  EXPECT_EQ(ua.speakers, 65535) << "data other than 0 does nothing";
  DispatchPendingMessages();
  std::vector<Variant> levels;
  for (const SeenEvent& e : sink_->events) {
    if (e.dispid == kOnLevelSpeakers) levels.push_back(e.args[0]);
  }
  EXPECT_EQ(levels, (std::vector<Variant>{Variant::I4(0), Variant::I4(65535)}));
}

TEST_F(ControlTest, WithoutThePhoneFlagTheHandsetOnlyReports) {
  ASSERT_EQ(invoke("Initialize", DISPATCH_METHOD, {Variant::I4(0)}), S_OK);
  control_->OnPhoneKey('1');
  control_->OnPhoneOffHook(0, true);
  EXPECT_TRUE(FakeUserAgent::current->log.empty());
  DispatchPendingMessages();
  EXPECT_EQ(sink_->events.size(), 2u);
}

}  // namespace
}  // namespace vx::test

namespace vx::test {
namespace {

TEST_F(ControlTest, NoSinkHearsAnEventAfterAnotherSinkDestroyedTheControl) {
  auto* second = new RecordingSink;
  second->AddRef();
  DWORD cookie = 0;
  ASSERT_EQ(control_->Advise(second, &cookie), S_OK);
  sink_->onEvent = [this](DISPID) { control_->Destroy(); };
  control_->OnLevelMicro(1);
  DispatchPendingMessages();
  EXPECT_EQ(sink_->events.size(), 1u);
  EXPECT_TRUE(second->events.empty()) << "an event reached a sink after Destroy";
  second->Release();
}

TEST_F(ControlTest, UninitializeStopsTheEngineBeforeLettingItGo) {
  ASSERT_EQ(invoke("Initialize", DISPATCH_METHOD, {Variant::I4(0)}), S_OK);
  auto ua = FakeUserAgent::current;
  EXPECT_EQ(invoke("Uninitialize", DISPATCH_METHOD), S_OK);
  EXPECT_TRUE(ua->shutDown);
}

}  // namespace
}  // namespace vx::test
