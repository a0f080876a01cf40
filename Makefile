# The two everyday commands: `make run` builds and starts Kestrova, `make test` builds and runs
# every test. Both install the Debian packages that are missing first.
PRESET ?= default
BUILD_DIR := build/$(PRESET)

.PHONY: all deps configure build run test bench clean

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

bench: build
	./$(BUILD_DIR)/bench/kestrova_bench
	./$(BUILD_DIR)/bench/kestrova_app_bench
	./$(BUILD_DIR)/bench/graph_bench

clean:
	rm -rf build
