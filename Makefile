# SPDX-License-Identifier: MIT
# Front door for newcomers and CI: `make run` and `make test`.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test test-only bench screenshots clean

all: build

deps:
	@./tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/src/app/formwright

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./$(BUILD_DIR)/bench/formwright-bench

screenshots: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target formwright-screenshots
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/src/app/formwright-screenshots $(BUILD_DIR)/screenshots

clean:
	rm -rf $(BUILD_DIR)
