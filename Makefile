# The two commands of the README: `make run` and `make test`. Each does its own set-up.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench clean

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

clean:
	rm -rf $(BUILD)
