# `make run` and `make test` do the whole set-up on a fresh Debian 12 machine.
BUILD_DIR := build
JOBS := $(shell nproc)

.PHONY: all deps configure build run test bench clean

all: build

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	cd $(BUILD_DIR) && ./vellimor

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

bench: build
	cd $(BUILD_DIR) && ./vellimor_bench && ./vellimor_pacing_bench

clean:
	rm -rf $(BUILD_DIR)
