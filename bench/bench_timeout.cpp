// How late a 10 ms time-out fires: median and 99th percentile of the lateness, in microseconds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "runtime/thread/VXEvent.hpp"
#include "runtime/thread/VXThreadManager.hpp"
#include "runtime/thread/VXTimeOut.hpp"

namespace {

using Clock = std::chrono::steady_clock;
constexpr vx::DWORD kDelayMs = 10;

struct Shot {
  vx::VXEvent* fired;
  Clock::time_point firedAt;
};

void onTimeOut(void* data, vx::VXTimeOut*) {
  auto* shot = static_cast<Shot*>(data);
  shot->firedAt = Clock::now();
  shot->fired->Set();
}

double percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  return values[static_cast<size_t>(fraction * static_cast<double>(values.size() - 1))];
}

void BM_TimeOutLateness10ms(benchmark::State& state) {
  Shot shot{vx::VXEventManager::Instance().Get(false, false), {}};
  vx::VXTimeOut timeOut;
  std::vector<double> latenessUs;
  for (auto _ : state) {
    auto started = Clock::now();
    timeOut.Start(kDelayMs, onTimeOut, &shot);
    shot.fired->Wait(vx::INFINITE);
    auto late = shot.firedAt - started - std::chrono::milliseconds(kDelayMs);
    latenessUs.push_back(std::chrono::duration<double, std::micro>(late).count());
  }
  shot.fired->Free();
  state.counters["median_late_us"] = percentile(latenessUs, 0.5);
  state.counters["p99_late_us"] = percentile(latenessUs, 0.99);
  state.counters["max_late_us"] = percentile(latenessUs, 1.0);
}
BENCHMARK(BM_TimeOutLateness10ms)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same with 1000 other time-outs armed, as in a phone with many dialogs and subscriptions.
void BM_TimeOutLateness10msWithThousandArmed(benchmark::State& state) {
  std::vector<std::unique_ptr<vx::VXTimeOut>> background(1000);
  for (auto& t : background) {
    t = std::make_unique<vx::VXTimeOut>();
    t->Start(3600000, [](void*, vx::VXTimeOut*) {}, nullptr);
  }
  BM_TimeOutLateness10ms(state);
}
BENCHMARK(BM_TimeOutLateness10msWithThousandArmed)->Iterations(300)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  vx::VXThreadManager::Instance().DestroyAll();
  return 0;
}
