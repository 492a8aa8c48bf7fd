# SPDX-FileCopyrightText: 2026 The Lienzo project
# SPDX-License-Identifier: GPL-3.0-or-later

# Two commands set up everything on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts Lienzo
#   make test   installs what is missing, builds and runs every test
# and `make package` builds the Debian package build/lienzo_<version>_<arch>.deb.
BUILD ?= build
JOBS  ?= $(shell nproc)

# ccache (used when installed) hashes paths relative to the checkout and not
# the folder a build runs in, so that another clone of the same sources
# finds the objects already compiled.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := true

# The soak's length for make soak; LIENZO_SOAK_SEED replays a run, and
# without it every make soak takes a new seed (printed at the start).
SOAK_EVENTS ?= 1000000

# make test-asan builds the program and its tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in a folder of its own and runs the unit and
# widget tests and a shorter soak; any report, leaks at exit included, stops
# the test that made it and fails it.
ASAN_BUILD ?= build-asan
ASAN_SOAK_EVENTS ?= 50000
SANITIZER_ENV = ASAN_OPTIONS=halt_on_error=1:abort_on_error=1:detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# make test-tsan builds the unit and widget tests with ThreadSanitizer in a
# folder of its own and runs them; among them a start-up at 120 dpi, where
# the start-up worker draws the bar icons while the GUI thread makes the
# controls. Any race report stops the test that made it and fails it.
# tests/tsan.supp says which reports of Qt's own code are left out, and why.
TSAN_BUILD ?= build-tsan
TSAN_ENV = TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$(CURDIR)/tests/tsan.supp

# make fuzz builds the fuzzing entries under fuzz/ with clang's libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer in a folder of its own, and
# runs each for FUZZ_SECONDS on one core. New inputs go to $(FUZZ_BUILD)/corpus;
# an input that crashes or hangs an entry is written into its seed folder
# fuzz/corpus/<entry>/, which make test replays.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_ENTRIES = open_picture kept_drawing png_writer

.PHONY: setup configure build run test test-asan test-tsan soak bench fuzz package translations clean

setup:
	@./scripts/setup

configure: setup
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@./$(BUILD)/lienzo

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

test-asan: setup
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLIENZO_SANITIZE=ON >/dev/null
	@$(SANITIZER_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS) --target unit_tests widget_tests soak_tests
	@cd $(ASAN_BUILD) && $(SANITIZER_ENV) LIENZO_SOAK_EVENTS=$(ASAN_SOAK_EVENTS) \
	  ctest --output-on-failure -j $(JOBS) -L '^(unit_tests|widget_tests|soak_tests)$$'

test-tsan: setup
	@cmake -S . -B $(TSAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLIENZO_TSAN=ON >/dev/null
	@$(TSAN_ENV) cmake --build $(TSAN_BUILD) -j $(JOBS) --target unit_tests widget_tests
	@cd $(TSAN_BUILD) && $(TSAN_ENV) ctest --output-on-failure -j $(JOBS) -L '^(unit_tests|widget_tests)$$'

soak: build
	@cd $(BUILD) && LIENZO_SOAK_EVENTS=$(SOAK_EVENTS) \
	  LIENZO_SOAK_SEED=$${LIENZO_SOAK_SEED:-$$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')} \
	  ./tests/soak_tests

fuzz:
	@./scripts/setup --fuzz
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DBUILD_TESTING=OFF -DLIENZO_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for entry in $(FUZZ_ENTRIES); do \
	  echo "fuzz_$$entry: $(FUZZ_SECONDS) s"; \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$entry; \
	  QT_QPA_PLATFORM=offscreen ./$(FUZZ_BUILD)/fuzz/fuzz_$$entry -max_total_time=$(FUZZ_SECONDS) \
	    -timeout=10 -print_final_stats=1 -artifact_prefix=fuzz/corpus/$$entry/ \
	    $(FUZZ_BUILD)/corpus/$$entry fuzz/corpus/$$entry || exit 1; \
	done

# make bench measures the real code against plain implementations, and the
# built program's start-up and memory on a virtual X server; it prints one
# table and writes $(BUILD)/bench/summary.json.
bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target lienzo lienzo_unpaced lienzo_bench lienzo_bare_window lienzo_bare_pointer lienzo_startup_probe
	@python3 bench/summary.py $(BUILD)

package: build
	@cd $(BUILD) && cpack -G DEB

# make translations runs lupdate over src/: every new or changed Spanish text
# enters translations/lienzo_*.ts marked unfinished, for its translator.
translations: configure
	@cmake --build $(BUILD) --target translations

clean:
	@rm -rf $(BUILD) $(ASAN_BUILD) $(TSAN_BUILD) $(FUZZ_BUILD)
