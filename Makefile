# Two commands on a fresh Debian 12 machine: `make run` and `make test`.
# Each installs what is missing (scripts/setup.sh), then builds.
NATIVE := build/native
WIN32 := build/win32
WIN64 := build/win64
FUZZ := build/fuzz
# `make fuzz` runs each fuzz target this long; `make test` a few seconds each.
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
SHELL := /bin/bash

.PHONY: setup native win32 win64 fuzz-build build test test-native test-windows test-fuzz test-heavy run bench fuzz cp936-table clean

setup:
	@scripts/setup.sh

native: setup
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS) -- --no-print-directory

win32: setup
	@cmake -S . -B $(WIN32) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN32) -j $(JOBS) -- --no-print-directory

# The same sources for 64-bit Windows: the Windows tests run this build on
# machines that cannot run 32-bit programs (scripts/windows-kind.sh).
win64: setup
	@cmake -S . -B $(WIN64) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN64) -j $(JOBS) -- --no-print-directory

fuzz-build: setup
	@cmake -S . -B $(FUZZ) -DVERBROOK_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS) -- --no-print-directory

build: win32

test-native: native
	@ctest --test-dir $(NATIVE) -j $(JOBS) --output-on-failure

# The Windows tests run on the 32-bit build where this machine runs 32-bit
# programs, else on the 64-bit build under 64-bit Wine; VERBROOK_WIN64=1
# takes the 64-bit path anywhere. The last lines say which build was tested.
test-windows: win32
	@scripts/test-windows.sh --output-on-failure

test-fuzz: fuzz-build
	@ctest --test-dir $(FUZZ) --output-on-failure

test: test-native test-fuzz test-windows

# The long-use tests at their full count (10 000 keys, 1 000 save-and-open
# rounds; `make test` runs them reduced), with the figures they print.
test-heavy: win32
	@scripts/test-windows.sh -C heavy -L heavy --verbose

# New inputs are kept in the build folder; the committed corpus is only read.
fuzz: fuzz-build
	@for target in $(FUZZ)/fuzz_*; do \
	  name=$${target##*/fuzz_}; log=$(FUZZ)/$$name.log; mkdir -p $(FUZZ)/corpus/$$name; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  $$target -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
	    $(FUZZ)/corpus/$$name fuzz/corpus/$$name >$$log 2>&1 \
	    && grep -E '^(Done|stat::(number_of_executed_units|new_units_added|peak_rss_mb))' $$log \
	    || { tail -n 60 $$log; exit 1; }; \
	done

# Runs every benchmark and writes the table into BENCHMARKS.md.
bench: native win32
	@scripts/bench.sh

# Where 32-bit programs cannot run, the 64-bit build is started instead.
run: win32
	@kind=$$(scripts/windows-kind.sh) && { [ $$kind = win32 ] || $(MAKE) --no-print-directory win64; } && \
	  scripts/wine-run.sh build/$$kind/Verbrook.exe

# Writes code page 936's two-byte table again from the platform, under Wine
# (host/services/data/README.md).
cp936-table: win32
	@scripts/wine-run.sh $(WIN32)/cp936_table.exe "Z:$(CURDIR)/host/services/data/cp936_two_bytes.bin"

clean:
	rm -rf build
