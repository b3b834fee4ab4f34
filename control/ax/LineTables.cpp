#include "control/ax/LineTables.hpp"

namespace vx {

std::size_t LineTables::clamp(std::int32_t line, std::size_t size) {
  return line < 0 || static_cast<std::size_t>(line) >= size ? size - 1 : static_cast<std::size_t>(line);
}

const std::vector<bool>& LineTables::bits(LineBit which) const { return bits_[static_cast<int>(which)]; }
std::vector<bool>& LineTables::bits(LineBit which) { return bits_[static_cast<int>(which)]; }

void LineTables::ResetCallStates(std::size_t lines) {
  std::lock_guard guard(mutex_);
  callStates_.assign(lines, CALLSTATE_IDLE);
}

void LineTables::ResetAll(std::size_t lines) {
  std::lock_guard guard(mutex_);
  callStates_.assign(lines, CALLSTATE_IDLE);
  for (auto& table : bits_) table.assign(lines, false);
}

void LineTables::Clear() {
  std::lock_guard guard(mutex_);
  callStates_.clear();
  for (auto& table : bits_) table.clear();
}

tCallStates LineTables::CallState(std::int32_t line) const {
  std::lock_guard guard(mutex_);
  return callStates_.empty() ? CALLSTATE_IDLE : callStates_[clamp(line, callStates_.size())];
}

bool LineTables::ChangeCallState(std::int32_t line, tCallStates state) {
  std::lock_guard guard(mutex_);
  if (callStates_.empty()) return false;
  tCallStates& stored = callStates_[clamp(line, callStates_.size())];
  if (stored == state) return false;
  stored = state;
  return true;
}

bool LineTables::Bit(LineBit which, std::int32_t line) const {
  std::lock_guard guard(mutex_);
  const auto& table = bits(which);
  return !table.empty() && table[clamp(line, table.size())];
}

void LineTables::SetBit(LineBit which, std::int32_t line, bool value) {
  std::lock_guard guard(mutex_);
  auto& table = bits(which);
  if (!table.empty()) table[clamp(line, table.size())] = value;
}

}  // namespace vx
