# Newcomer entry points: `make run` and `make test`. Everything else builds on them.
JOBS      ?= 2
GENERATOR := -G Ninja
LAUNCHER  := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
CMAKE_COMMON := $(GENERATOR) $(LAUNCHER) -DVX_WERROR=ON

# `make fuzz` runs each target from a fixed seed for a fixed number of inputs (about a
# minute on this machine), so a run is repeatable; the time limit only caps a slow machine.
FUZZ_SEED ?= 1
FUZZ_SECONDS ?= 150
FUZZ_RUNS_SIPMSG ?= 12000
FUZZ_RUNS_SDP ?= 200000
FUZZ_FLAGS = -seed=$(FUZZ_SEED) -max_total_time=$(FUZZ_SECONDS) -max_len=8192 -print_final_stats=1 -artifact_prefix=build-fuzz/

.PHONY: deps build run test asan tsan bench fuzz clean

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B build $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build -j$(JOBS)

run: build
	build/tools/vxregsvr/vxregsvr build/control/VXSipAx/libVXSipAx.so
	build/tools/vxhost/vxhost -e "get Version" -e "get VersionNumber" -e "call GetNumLines"

test: build
	cd build && ctest --output-on-failure -j$(JOBS)

asan: deps
	cmake -S . -B build-asan $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Debug -DVX_SANITIZE=address
	cmake --build build-asan -j$(JOBS)
	cd build-asan && ctest --output-on-failure -j$(JOBS) -L unit

tsan: deps
	cmake -S . -B build-tsan $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Debug -DVX_SANITIZE=thread
	cmake --build build-tsan -j$(JOBS)
	cd build-tsan && ctest --output-on-failure -j$(JOBS) -L thread

bench: deps
	cmake -S . -B build-bench $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Release
	cmake --build build-bench -j$(JOBS)
	@for b in build-bench/bench/bench_*; do echo "== $$b"; $$b || exit 1; done

# libFuzzer targets, built by clang; new inputs go to build-fuzz/corpus, the seeds stay as they are.
fuzz: deps
	cmake -S . -B build-fuzz $(GENERATOR) $(LAUNCHER) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVX_SANITIZE=fuzzer
	cmake --build build-fuzz -j$(JOBS) --target fuzz_sipmsg fuzz_sdp
	mkdir -p build-fuzz/corpus/sipmsg build-fuzz/corpus/sdp
	build-fuzz/fuzz/fuzz_sipmsg $(FUZZ_FLAGS) -runs=$(FUZZ_RUNS_SIPMSG) build-fuzz/corpus/sipmsg fuzz/corpus/sipmsg
	build-fuzz/fuzz/fuzz_sdp $(FUZZ_FLAGS) -runs=$(FUZZ_RUNS_SDP) build-fuzz/corpus/sdp fuzz/corpus/sdp

clean:
	rm -rf build build-asan build-tsan build-bench build-fuzz
