# `make run` and `make test` are the two commands; the others are their parts.
#
# build/win32 holds the launcher that ships (PE32, i386). The tests and `make run` use the
# x86-64 build of the same sources in build/win64: these machines cannot execute 32-bit x86
# code at all (docs/architecture.md, "Why two builds").
PYTHON := /usr/bin/python3
SHIPPED := build/win32
TESTED := build/win64

.PHONY: all setup build run test lint disc bench art clean

all: build

setup:
	@tools/setup.sh

build: setup
	@cmake -S . -B $(SHIPPED) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DLAUNCHER_TESTS=OFF >/dev/null
	@cmake --build $(SHIPPED) -j2
	@cmake -S . -B $(TESTED) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
		-DLAUNCHER_TESTS=ON >/dev/null
	@cmake --build $(TESTED) -j2

run: build
	@tools/run.sh

test: build lint
	@tests/run-tests.sh

# Static analysis of our own code: clean, or the target fails.
lint: setup
	@cppcheck --quiet --std=c++17 --enable=warning,style,performance,portability \
		--inline-suppr --error-exitcode=1 -D_WIN32 -DWINAPI= -DCALLBACK= \
		--suppress=missingIncludeSystem --suppress=useStlAlgorithm -I src src demo
	@echo "lint: cppcheck found nothing"


disc: build
	@tools/make_iso.sh

# Not a test: measures the launcher against a minimal program and writes docs/performance.md.
bench: build
	@tools/bench.sh

art:
	$(PYTHON) tools/make_art.py

clean:
	rm -rf build
