# Two commands on a fresh Debian 12 machine: `make run` and `make test`.
# Each installs what is missing (scripts/setup.sh), then builds.
NATIVE := build/native
WIN32 := build/win32
JOBS ?= $(shell nproc)

.PHONY: setup native win32 build test test-native test-win32 run bench fuzz clean

setup:
	@scripts/setup.sh

native: setup
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS) -- --no-print-directory

win32: setup
	@cmake -S . -B $(WIN32) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN32) -j $(JOBS) -- --no-print-directory

build: win32

test-native: native
	@ctest --test-dir $(NATIVE) -j $(JOBS) --output-on-failure

test-win32: win32
	@ctest --test-dir $(WIN32) --output-on-failure

test: test-native test-win32

run: win32
	@scripts/wine-run.sh $(WIN32)/Verbrook.exe

clean:
	rm -rf build
