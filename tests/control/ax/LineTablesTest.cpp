#include "control/ax/LineTables.hpp"

#include <gtest/gtest.h>

namespace vx {
namespace {

TEST(LineTablesTest, LinesOutOfRangeUseTheLastEntry) {
  LineTables tables;
  tables.ResetAll(5);
  EXPECT_TRUE(tables.ChangeCallState(99, CALLSTATE_RINGBACK));
  EXPECT_EQ(tables.CallState(4), CALLSTATE_RINGBACK);
  EXPECT_EQ(tables.CallState(-3), CALLSTATE_RINGBACK);
  EXPECT_EQ(tables.CallState(3), CALLSTATE_IDLE);
  tables.SetBit(LineBit::MicroMuted, -1, true);
  EXPECT_TRUE(tables.Bit(LineBit::MicroMuted, 4));
  EXPECT_FALSE(tables.Bit(LineBit::SpeakersMuted, 4));
}

TEST(LineTablesTest, EmptyTablesReadIdleAndDropWrites) {
  LineTables tables;
  EXPECT_EQ(tables.CallState(0), CALLSTATE_IDLE);
  EXPECT_FALSE(tables.ChangeCallState(0, CALLSTATE_OFFERING));
  tables.SetBit(LineBit::UsesAudioDevice, 0, true);
  EXPECT_FALSE(tables.Bit(LineBit::UsesAudioDevice, 0));

  tables.ResetCallStates(2);
  EXPECT_TRUE(tables.ChangeCallState(1, CALLSTATE_OFFERING));
  tables.SetBit(LineBit::UsesAudioDevice, 0, true);  // bit tables are still empty
  EXPECT_FALSE(tables.Bit(LineBit::UsesAudioDevice, 0));
  tables.Clear();
  EXPECT_EQ(tables.CallState(1), CALLSTATE_IDLE);
}

}  // namespace
}  // namespace vx
