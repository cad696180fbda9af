# The two commands of the README: `make run` and `make test`. Each does its own set-up.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench test-asan fuzz clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/zarn

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 300

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	scripts/run-benches $(BUILD)/bench

# The whole test suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZARN_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS) --timeout 600

# Every fuzz target for FUZZ_SECONDS (default 60) each.
fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZARN_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzzers
	scripts/run-fuzz build-fuzz

clean:
	rm -rf $(BUILD) build-asan build-fuzz
