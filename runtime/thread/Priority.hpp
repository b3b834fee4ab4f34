#pragma once
// Priority codes of tasks and time-outs.
//
// Linux does not let an unprivileged thread raise its scheduling priority, and a lowered
// one cannot be raised again, so the codes are carried and logged but not applied.

namespace vx {

inline constexpr int kPriorityTimeCritical = 0;
inline constexpr int kPriorityAboveNormal = 2;
inline constexpr int kPriorityNormal = 3;  // every engine task but the time-out waiter
inline constexpr int kPriorityBelowNormal = 4;

}  // namespace vx
