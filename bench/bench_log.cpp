// The cost of a log call: with output off it must return before formatting anything.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "runtime/log/Log.hpp"
#include "runtime/log/LogConfig.hpp"

namespace {

void BM_LogWithOutputOff(benchmark::State& state) {
  ::setenv(vx::logconfig::kOutputEnv, "0", 1);
  vx::ResetLogOutput();
  int line = 0;
  for (auto _ : state) {
    vx::Log("Base ActiveX", vx::LOG_TRACE, "-> TVXBaseAx::put_NATPrivateMask(%s) line %d", "255.255.0.0", ++line);
  }
}
BENCHMARK(BM_LogWithOutputOff);

void BM_LogTextLineToDevNull(benchmark::State& state) {
  ::setenv(vx::logconfig::kOutputEnv, "2", 1);
  ::setenv(vx::logconfig::kDebuggerFileEnv, "/dev/null", 1);
  vx::ResetLogOutput();
  int line = 0;
  for (auto _ : state) {
    vx::Log("Base ActiveX", vx::LOG_TRACE, "-> TVXBaseAx::put_NATPrivateMask(%s) line %d", "255.255.0.0", ++line);
  }
}
BENCHMARK(BM_LogTextLineToDevNull);

}  // namespace

BENCHMARK_MAIN();
