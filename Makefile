# Two commands set up everything on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts Lienzo
#   make test   installs what is missing, builds and runs every test
# and `make package` builds the Debian package build/lienzo_<version>_<arch>.deb.
BUILD ?= build
JOBS  ?= $(shell nproc)

# The soak's length for make soak; LIENZO_SOAK_SEED replays a run, and
# without it every make soak takes a new seed (printed at the start).
SOAK_EVENTS ?= 1000000

.PHONY: setup configure build run test soak bench package clean

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

soak: build
	@cd $(BUILD) && LIENZO_SOAK_EVENTS=$(SOAK_EVENTS) \
	  LIENZO_SOAK_SEED=$${LIENZO_SOAK_SEED:-$$(od -An -N4 -tu4 /dev/urandom | tr -d ' ')} \
	  ./tests/soak_tests

bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target lienzo_bench
	@./$(BUILD)/bench/lienzo_bench

package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	@rm -rf $(BUILD)
