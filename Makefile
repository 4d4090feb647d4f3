# `make run` and `make test` do the whole set-up on a fresh Debian 12 machine.
BUILD_DIR := build
JOBS := $(shell nproc)

.PHONY: all deps configure build run test install package sanitize bench fuzz clean

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

# The game, its content, desktop entry, icons, metainfo and man page under PREFIX
# (sudo make install for the default /usr/local).
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A .deb of the same tree (installing under /usr), written into the build directory.
package: build
	cd $(BUILD_DIR) && cpack
	@echo "package: $$(ls -t $(CURDIR)/$(BUILD_DIR)/vellimor_*.deb | head -n 1)"

# The test program built with AddressSanitizer and UndefinedBehaviorSanitizer, then
# every test but the end-to-end and install ones (they need the game, which this
# build skips).
# LeakSanitizer ignores only the GL driver's, the loader's and SDL's own allocations
# (scripts/lsan.supp).
# Thread-local storage is not scanned for roots (use_tls=0): in the long GL test of
# the editor's program, LeakSanitizer's tracer met a dynamic TLS record it could not
# read and crashed at exit ("Tracer caught signal 11"), after the test had passed.
# Leaving roots out can only report more, never hide a leak; what the loader and SDL
# keep only there is suppressed by name in scripts/lsan.supp.
SANITIZE_DIR := build-sanitize
sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DVELLIMOR_SANITIZE=ON
	cmake --build $(SANITIZE_DIR) -j $(JOBS) --target vellimor_tests vellimor_editor_tests
	cd $(SANITIZE_DIR) && \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan.supp:print_suppressions=0:use_tls=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j $(JOBS) -E '^(e2e\.|content\.|packaging\.|layers$$)'

bench: build
	cd $(BUILD_DIR) && ./vellimor_bench && ./vellimor_pacing_bench && ./vellimor_ant_spread
	bash scripts/bench-sprites.sh $(BUILD_DIR)

# libFuzzer over the content readers (clang); not part of make test or CI.
FUZZ_DIR := build-fuzz
FUZZ_SECONDS ?= 300
# Long enough for the seeds nested 100 000 deep (prefab-deep, font-deep).
FUZZ_MAX_LEN ?= 400000
fuzz: deps
	bash scripts/install-fuzz-deps.sh
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLIMOR_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_prefab_reader fuzz_shape_text fuzz_font_reader fuzz_animation_reader
	mkdir -p $(FUZZ_DIR)/corpus $(FUZZ_DIR)/corpus-shapes $(FUZZ_DIR)/corpus-fonts $(FUZZ_DIR)/corpus-anim
	cd $(FUZZ_DIR) && ./fuzz_prefab_reader -max_total_time=$(FUZZ_SECONDS) -max_len=$(FUZZ_MAX_LEN) -timeout=10 -print_final_stats=1 corpus ../fuzz/corpus
	cd $(FUZZ_DIR) && ./fuzz_shape_text -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 corpus-shapes ../fuzz/corpus-shapes
	cd $(FUZZ_DIR) && ./fuzz_font_reader -max_total_time=$(FUZZ_SECONDS) -max_len=$(FUZZ_MAX_LEN) -timeout=10 -print_final_stats=1 corpus-fonts ../fuzz/corpus-fonts
	cd $(FUZZ_DIR) && ./fuzz_animation_reader -max_total_time=$(FUZZ_SECONDS) -timeout=10 -print_final_stats=1 corpus-anim ../fuzz/corpus-anim

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR) $(SANITIZE_DIR)
