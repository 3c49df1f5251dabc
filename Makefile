# The two commands a newcomer needs:
#   make run    installs what is missing, builds and starts the program
#   make test   installs what is missing, builds and runs every test
#   make package builds the Debian package in build/package/ and checks it
#   make windows builds the Windows installer and zip in build-windows/ (Qt for
#                Windows is built once into ~/.cache/mireto)
#   make test-windows runs the Windows build's tests under Wine
#   make format rewrites the C++ sources in the style of .clang-format;
#                make format-check only lists the files that differ
#   make tidy builds, then runs clang-tidy with the checks of .clang-tidy
# Options: SANITIZE=1 (AddressSanitizer + UBSan build in build-sanitize/), JOBS=n.

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

ifeq ($(SANITIZE),1)
BUILD_DIR := build-sanitize
CMAKE_FLAGS += -DMIRETO_SANITIZE=ON -DMIRETO_BENCH=OFF
endif

.PHONY: all deps configure build run test package windows test-windows bench bench-batch fuzz screenshot \
	format format-check tidy clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_EXPORT_COMPILE_COMMANDS=ON $(CMAKE_FLAGS) > $(BUILD_DIR).configure.log 2>&1 \
	  || { cat $(BUILD_DIR).configure.log; exit 1; }

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	@scripts/run-gui $(BUILD_DIR)/bin/mireto

test: build
	@mkdir -p /tmp/mireto-runtime && chmod 700 /tmp/mireto-runtime
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen QTEST_DISABLE_STACK_TRACE=1 XDG_RUNTIME_DIR=$${XDG_RUNTIME_DIR:-/tmp/mireto-runtime} \
	  ctest -LE bench --output-on-failure -j$(JOBS)

package: build
	@mkdir -p /tmp/mireto-runtime && chmod 700 /tmp/mireto-runtime
	@cd $(BUILD_DIR) && XDG_RUNTIME_DIR=$${XDG_RUNTIME_DIR:-/tmp/mireto-runtime} ctest -L package --no-tests=error --output-on-failure
	@ls $(BUILD_DIR)/package/*.deb

windows:
	@JOBS=$(JOBS) scripts/windows/build

test-windows: windows
	@JOBS=$(JOBS) scripts/windows/test

fuzz:
	@scripts/install-deps fuzz
	@fuzz/run-fuzzers $(or $(FUZZ_SECONDS),30)

bench: build
	@$(BUILD_DIR)/bin/mireto-bench

# Charts per second of mireto-chart --batch (Release build in build-release/)
# against lunar-javascript when node and npm are present.
bench-batch: deps
	@bench/bench-batch

format:
	@scripts/install-deps review
	@tools/format

format-check:
	@scripts/install-deps review
	@tools/format --check

# Slow (several minutes on two cores): not part of make test or CI.
tidy: build
	@scripts/install-deps review
	@JOBS=$(JOBS) tools/tidy $(BUILD_DIR)

clean:
	rm -rf build build-sanitize build-release build-windows build.configure.log build-sanitize.configure.log
