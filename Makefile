# The two everyday commands: `make run` builds and starts Kestrova, `make test` builds and runs
# every test. Both install the Debian packages that are missing first.
PRESET ?= default
BUILD_DIR := build/$(PRESET)

.PHONY: all deps configure build run test lint bench package fuzz clean

all: build

deps:
	./scripts/install-deps.sh

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET)

run: build
	./$(BUILD_DIR)/src/app/kestrova

test: build
	ctest --preset $(PRESET)

# Formatting of every C++ file and clang-tidy's checks (.clang-tidy) on the plain C++ libraries.
lint: configure
	./scripts/lint.sh $(BUILD_DIR)

bench: build
	./$(BUILD_DIR)/bench/kestrova_bench
	./$(BUILD_DIR)/bench/kestrova_app_bench
	./$(BUILD_DIR)/bench/graph_bench
	./$(BUILD_DIR)/bench/process_start_bench

# The Debian package, from the release build: build/release/package/kestrova_*.deb, unpacked and
# tried once. `sudo apt install ./build/release/package/kestrova_*.deb` installs it.
package: deps
	cmake --preset release
	cmake --build --preset release --target kestrova kestrova-cli kestrova_man_page
	./scripts/check-package.sh build/release

# Every fuzz target for FUZZ_SECONDS each, keeping what they find in build/fuzz/corpus.
FUZZ_SECONDS ?= 600
fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz
	./scripts/run-fuzz.sh $(FUZZ_SECONDS) build/fuzz/corpus

clean:
	rm -rf build
