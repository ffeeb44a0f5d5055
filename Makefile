# Two commands on a fresh Debian 12 machine: `make run` and `make test`.
# Each installs what is missing (scripts/setup.sh), then builds.
NATIVE := build/native
WIN32 := build/win32
FUZZ := build/fuzz
# `make fuzz` runs each fuzz target this long; `make test` a few seconds each.
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
SHELL := /bin/bash

.PHONY: setup native win32 fuzz-build build test test-native test-win32 test-fuzz run bench fuzz clean

setup:
	@scripts/setup.sh

native: setup
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS) -- --no-print-directory

win32: setup
	@cmake -S . -B $(WIN32) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN32) -j $(JOBS) -- --no-print-directory

fuzz-build: setup
	@cmake -S . -B $(FUZZ) -DVERBROOK_FUZZ=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS) -- --no-print-directory

build: win32

test-native: native
	@ctest --test-dir $(NATIVE) -j $(JOBS) --output-on-failure

# Where the machine cannot run 32-bit programs, the runner says so here and
# ctest lists every test under Wine as skipped.
test-win32: win32
	@scripts/wine-run.sh --can-run || true
	@ctest --test-dir $(WIN32) --output-on-failure

test-fuzz: fuzz-build
	@ctest --test-dir $(FUZZ) --output-on-failure

test: test-native test-fuzz test-win32

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

run: win32
	@scripts/wine-run.sh $(WIN32)/Verbrook.exe

clean:
	rm -rf build
