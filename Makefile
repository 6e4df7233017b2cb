# `make run` and `make test` are the two commands; the others are their parts.
#
# build/win32 holds the launcher that ships (PE32, i386), which `make run` opens and the tests
# start. The tests themselves are built twice: for i386 in build/win32-tests, and for x86-64 in
# build/win64, the same sources as Wine runs them natively (docs/architecture.md, "Two
# architectures").
PYTHON := /usr/bin/python3
SHIPPED := build/win32
TESTED := build/win64
TESTED_I386 := build/win32-tests
# The game profile to build the launcher for (docs/your-own-game.md).
GAME ?= games/zentrava
GAME_FLAG = -DLAUNCHER_GAME=$(abspath $(GAME))

.PHONY: all setup build run test lint disc bench preview clean

all: build

setup:
	@tools/setup.sh

build: setup
	@cmake --no-warn-unused-cli -S . -B $(SHIPPED) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DLAUNCHER_TESTS=OFF $(GAME_FLAG) >/dev/null
	@cmake --build $(SHIPPED) -j2
	@cmake --no-warn-unused-cli -S . -B $(TESTED) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
		-DLAUNCHER_TESTS=ON $(GAME_FLAG) >/dev/null
	@cmake --build $(TESTED) -j2
	@cmake --no-warn-unused-cli -S . -B $(TESTED_I386) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DMINGW_THREADS=posix \
		-DLAUNCHER_TESTS=ON -DLAUNCHER_ARCHITECTURE_ONLY=ON \
		-DLAUNCHER_UNDER_TEST=$(CURDIR)/$(SHIPPED)/launcher.exe $(GAME_FLAG) >/dev/null
	@cmake --build $(TESTED_I386) -j2

run: build
	@tools/run.sh

# TESTS=profile runs only the tests of what differs between games (a CTest label).
test: build lint
	@tests/run-tests.sh $(if $(TESTS),-L $(TESTS))

# Static analysis of our own code: clean, or the target fails.
lint: setup
	@cppcheck --quiet --std=c++17 --enable=warning,style,performance,portability \
		--inline-suppr --error-exitcode=1 -D_WIN32 -DWINAPI= -DCALLBACK= \
		--suppress=missingIncludeSystem --suppress=useStlAlgorithm -I src src demo
	@echo "lint: cppcheck found nothing"


disc: build
	@tools/disc/make_iso.sh

# Not a test: measures the launcher against a minimal program and writes docs/performance.md.
bench: build
	@tools/bench/bench.sh

# The launcher in every language of the game, side by side, in build/preview.png.
preview: build
	@tools/preview.sh

clean:
	rm -rf build
