#pragma once
// The control's per-line state: last call state and the microphone, speakers, audio-device
// and music-on-hold bits. Engine threads and the host's thread use them at once, so one lock
// guards them all. A line index out of range means the last entry; with empty tables reads
// give IDLE or false and writes are dropped.
#include <cstdint>
#include <mutex>
#include <vector>

#include "control/ax/Enums.hpp"

namespace vx {

enum class LineBit { MicroMuted, SpeakersMuted, UsesAudioDevice, MusicOnHold };

class LineTables {
 public:
  // Sizes the call-state table alone, to `lines` entries of IDLE.
  void ResetCallStates(std::size_t lines);
  // Sizes every table to `lines` entries of IDLE / false.
  void ResetAll(std::size_t lines);
  void Clear();

  tCallStates CallState(std::int32_t line) const;
  // Stores the state; true when it differs from the stored one (and the tables are not empty).
  bool ChangeCallState(std::int32_t line, tCallStates state);

  bool Bit(LineBit which, std::int32_t line) const;
  void SetBit(LineBit which, std::int32_t line, bool value);

 private:
  static std::size_t clamp(std::int32_t line, std::size_t size);
  const std::vector<bool>& bits(LineBit which) const;
  std::vector<bool>& bits(LineBit which);

  mutable std::mutex mutex_;
  std::vector<tCallStates> callStates_;  // guarded by mutex_
  std::vector<bool> bits_[4];            // guarded by mutex_, indexed by LineBit
};

}  // namespace vx
