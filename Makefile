# Thin wrapper over CMake. `make run` and `make test` install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test clean format

all: build

deps:
	@bash tools/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./tilecrest

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) build-asan

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

# Sanitizer and valgrind runs; longer than `make test`, so they have targets of their own.
.PHONY: test-asan valgrind

# The unit tests, random play included, built with AddressSanitizer and UBSan in build-asan.
test-asan: deps
	@JOBS=$(JOBS) bash tools/sanitizers/run-asan-tests

# A short scripted game of the real $(BUILD)/tilecrest under valgrind memcheck in Xvfb.
valgrind: build
	@bash tools/valgrind/run-valgrind $(BUILD)
