# Newcomer entry points: `make run` and `make test`. Everything else builds on them.
JOBS      ?= 2
GENERATOR := -G Ninja
LAUNCHER  := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
CMAKE_COMMON := $(GENERATOR) $(LAUNCHER) -DVX_WERROR=ON

.PHONY: deps build run test asan tsan bench clean

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

clean:
	rm -rf build build-asan build-tsan build-bench
