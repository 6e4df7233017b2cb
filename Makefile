# The two commands a developer needs are `make run` and `make test`; the others are their parts.
BUILD := build/win32
PYTHON := /usr/bin/python3
CMAKE_FLAGS := -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DLAUNCHER_TESTS=ON

.PHONY: all setup build run test art clean

all: build

setup:
	@tools/setup.sh

build: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j2

run: build
	@tools/run.sh

test: build
	@tests/run-tests.sh

art:
	$(PYTHON) tools/make_art.py

clean:
	rm -rf build
