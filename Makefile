# Thin wrapper over CMake. `make run` and `make test` install what is missing first.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local

.PHONY: all deps configure build run test clean format format-check install uninstall package

all: build

# What each target installs first: building and running need the least; the tests, the .deb,
# valgrind and the format check each add their own (tools/install-deps). A target's DEPS
# reaches the deps step it runs through.
DEPS ?=
test: DEPS = test
package: DEPS = package
valgrind: DEPS = test valgrind
format format-check: DEPS = format
test-asan test-cross: DEPS = test

deps:
	@bash tools/install-deps $(DEPS)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./tilecrest

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) build-asan build-clang build-arm64 build-s390x build-windows

# The game with its menu entry, icons, metainfo and manual page under $(PREFIX), staged
# under $(DESTDIR) when it is set. The list of installed files is kept for `make uninstall`
# (the install tests overwrite CMake's own list).
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)" --component game
	cp $(BUILD)/install_manifest_game.txt $(BUILD)/installed-files.txt

uninstall:
	@test -f $(BUILD)/installed-files.txt || { echo "uninstall: nothing was installed from $(BUILD)" >&2; exit 1; }
	sed 's|^|$(DESTDIR)|' $(BUILD)/installed-files.txt | xargs -r -d '\n' rm -f
	sed -n 's|^\(.*/tilecrest\)/.*|$(DESTDIR)\1|p' $(BUILD)/installed-files.txt | sort -u | \
	  xargs -r -d '\n' -I{} find {} -depth -type d -empty -delete
	rm $(BUILD)/installed-files.txt

# build/tilecrest_VERSION_ARCH.deb, for `apt install ./build/tilecrest_*.deb`.
package: build
	cd $(BUILD) && cpack -G DEB

SOURCES = git ls-files '*.cpp' '*.h'

format: deps
	clang-format -i $$($(SOURCES))

# Fails, naming the files, when any source differs from .clang-format, and naming file:line
# when an include of ours is not written from the project root (tools/check-includes).
format-check: deps
	@bash tools/check-includes; includes=$$?; \
	out=$$(clang-format --dry-run --Werror $$($(SOURCES)) 2>&1) || { echo "$$out" \
	  | grep -o '^[^: ]*\.\(cpp\|h\)' | sort -u | sed 's/^/format-check: not formatted: /'; exit 1; }; \
	exit $$includes

# Sanitizer, valgrind, clang and cross runs; longer than `make test`, so they have targets of
# their own.
.PHONY: test-asan valgrind test-clang test-cross

# The unit tests, random play included, built with AddressSanitizer and UBSan in build-asan.
test-asan: deps
	@JOBS=$(JOBS) bash tools/sanitizers/run-asan-tests

# The end-to-end play session (tests/e2e/test_play.py) with the real $(BUILD)/tilecrest
# under valgrind memcheck in Xvfb; the report is $(BUILD)/valgrind.log.
valgrind: build
	@bash tools/valgrind/run-valgrind $(BUILD)

# The whole suite, end-to-end tests included, built with clang in build-clang; a warning fails
# the build.
test-clang:
	@bash tools/install-deps test clang
	@cmake -S . -B build-clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
	@cmake --build build-clang -j $(JOBS)
	cd build-clang && ctest --output-on-failure -j $(JOBS)

# The tests built for ARCH (arm64 or s390x, big-endian) with Debian's cross compiler in
# build-ARCH and run under qemu-user; installs the cross packages first (tools/cross).
test-cross: deps
	@JOBS=$(JOBS) bash tools/cross/run-tests $(ARCH)

# The game for 64-bit Windows, cross-built with MinGW-w64 in build-windows against libraries
# built once into /opt/tilecrest-cross/windows (packaging/windows): the zip a player unzips,
# build-windows/tilecrest-VERSION-win64.zip, and the whole suite under Wine in Xvfb.
.PHONY: test-windows package-windows

test-windows:
	@JOBS=$(JOBS) bash tools/cross/run-tests windows

package-windows:
	@JOBS=$(JOBS) bash packaging/windows/package
