# SPDX-License-Identifier: MIT
# Front door for newcomers and CI: `make run` and `make test`.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# The Windows cross build (MinGW-w64) of the headless layers, their tests and the CLI.
WINDOWS_DIR ?= build-windows
# Sanitizer build of the headless tests and the libFuzzer build, each in its own folder.
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 15
HEADLESS_FLAGS = -DFORMWRIGHT_BUILD_APP=OFF -DFORMWRIGHT_BUILD_BENCH=OFF

.PHONY: all deps configure build run test test-only test-unit test-asan test-windows fuzz fuzz-smoke fuzz-build bench screenshots package install clean

all: build

deps:
	@./tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/src/app/formwright

test: test-unit test-asan fuzz-smoke

test-unit: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every headless test again under AddressSanitizer and UBSan; any report aborts its test.
# Line tables only (-g1): reports name file and line, and the build stays quick on 2 cores.
test-asan: deps
	@cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O0 -g1" \
		-DFORMWRIGHT_SANITIZE=ON $(HEADLESS_FLAGS) >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && ASAN_OPTIONS=detect_stack_use_after_return=1:strict_string_checks=1 \
		UBSAN_OPTIONS=print_stacktrace=1 QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The headless layers, their tests and formwright-cli cross-built for Windows; the tests run
# under Wine and the CLI's outputs must equal the Linux build's byte for byte.
test-windows: configure
	@./tools/install-deps.sh g++-mingw-w64-x86-64-posix wine wine64 libgtest-dev
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target formwright-cli
	@cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake $(HEADLESS_FLAGS) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(WINDOWS_DIR) -j $(JOBS)
	./tools/test-windows.sh $(WINDOWS_DIR) $(BUILD_DIR)/src/cli/formwright-cli

fuzz-build: deps
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O1 -gline-tables-only" \
		-DCMAKE_CXX_COMPILER=clang++ \
		-DFORMWRIGHT_FUZZ=ON $(HEADLESS_FLAGS) >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target formwright_fuzzers

# Every harness for FUZZ_SECONDS each (make fuzz FUZZ_SECONDS=600).
fuzz: fuzz-build
	./tools/fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# A short run of every harness, so that each build exercises them.
fuzz-smoke: fuzz-build
	./tools/fuzz.sh $(FUZZ_DIR) $(FUZZ_SMOKE_SECONDS)

bench: build
	./$(BUILD_DIR)/bench/formwright-bench

# Every window and dialog into build/screenshots/; the README's two pictures also into docs/.
screenshots: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target formwright-screenshots formwright-cli
	./$(BUILD_DIR)/src/cli/formwright-cli import examples/stock-taking.json $(BUILD_DIR)/stock-taking.Q72
	QT_QPA_PLATFORM=offscreen ./$(BUILD_DIR)/src/app/formwright-screenshots $(BUILD_DIR)/screenshots \
		--project $(BUILD_DIR)/stock-taking.Q72
	cp $(BUILD_DIR)/screenshots/main_window_q720ce.png docs/main-window.png
	cp $(BUILD_DIR)/screenshots/form_lookup.png docs/form-page.png

# The Debian package build/formwright_<version>_<arch>.deb.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# Into PREFIX (default /usr/local); run as a user who may write there.
PREFIX ?= /usr/local
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR) $(WINDOWS_DIR)
