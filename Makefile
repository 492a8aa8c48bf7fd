# Two commands set up everything on a fresh Debian 12 machine:
#   make run    installs what is missing, builds and starts Lienzo
#   make test   installs what is missing, builds and runs every test
# and `make package` builds the Debian package build/lienzo_<version>_<arch>.deb.
BUILD ?= build
JOBS  ?= $(shell nproc)

.PHONY: setup configure build run test bench package clean

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

bench: configure
	@cmake --build $(BUILD) -j $(JOBS) --target lienzo_bench
	@./$(BUILD)/bench/lienzo_bench

package: build
	@cd $(BUILD) && cpack -G DEB

clean:
	@rm -rf $(BUILD)
