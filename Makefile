# The two set-up commands: 'make run' and 'make test'. Everything else is CMake underneath.
JOBS ?= $(shell nproc)

NATIVE_PACKAGES := cmake make g++ googletest libgtest-dev libbenchmark-dev
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64 \
                    mingw-w64-tools wine wine64 xvfb

FUZZ_PACKAGES := clang libclang-rt-14-dev
# make fuzz: seconds per fuzz target; make sweep: random bit patterns and file-time counts.
FUZZ_SECONDS ?= 60
SWEEP_SAMPLES ?= 10000000

.PHONY: test run bench native-test native-deps windows-test windows-deps
.PHONY: fuzz fuzz-test fuzz-build fuzz-deps sweep

test: native-test windows-test fuzz-test

native-deps:
	@scripts/ensure-packages.sh $(NATIVE_PACKAGES)

native-test: native-deps
	cmake --preset native-debug
	cmake --build --preset native-debug -j $(JOBS)
	ctest --preset native-debug

windows-deps:
	@scripts/ensure-packages.sh $(WINDOWS_PACKAGES)

# converter.exe for 64 and 32 bits. The 64-bit tests run under Wine; each build's ctest also
# checks its converter.exe with the native pe_file_test that native-test has built.
windows-test: native-test windows-deps
	cmake --preset mingw-x64
	cmake --build --preset mingw-x64 -j $(JOBS)
	ctest --preset mingw-x64
	cmake --preset mingw-x86
	cmake --build --preset mingw-x86 -j $(JOBS)
	ctest --preset mingw-x86

# The program itself: converter.exe under Wine, on the user's display or, without one, on a
# virtual display with a picture of the window saved.
run: native-deps windows-deps
	cmake --preset mingw-x64
	cmake --build --preset mingw-x64 -j $(JOBS) --target converter e2e_driver
	scripts/run-converter.sh build/mingw-x64/app/converter.exe build/mingw-x64/tests/e2e_driver.exe

# The budgets as ratios: the edit cycle and the keyboard hook natively, start-up and size of
# converter.exe under Wine.
bench: native-deps windows-deps
	cmake --preset native-release
	cmake --build --preset native-release -j $(JOBS) --target converter_bench hook_bench
	cmake --preset mingw-x64 -DCONVERTER_BENCH=ON
	cmake --build --preset mingw-x64 -j $(JOBS) \
	    --target converter minimal_dialog bare_converter_dialog startup_timer
	bench/run_benchmarks.sh build/native-release build/mingw-x64

fuzz-deps:
	@scripts/ensure-packages.sh $(FUZZ_PACKAGES)

fuzz-build: fuzz-deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)

# Every fuzz target for a few seconds from its seed corpus (fuzz/corpus/), so make test catches
# regressions; make fuzz runs each for FUZZ_SECONDS.
fuzz-test: fuzz-build
	ctest --preset fuzz

fuzz: fuzz-build
	FUZZ_SECONDS=$(FUZZ_SECONDS) ctest --preset fuzz

# The large-sample checks at full size; make test runs them on 200,000 samples.
sweep: native-deps
	cmake --preset native-release
	cmake --build --preset native-release -j $(JOBS) --target float_display_sweep file_time_sweep
	build/native-release/tests/float_display_sweep $(SWEEP_SAMPLES)
	build/native-release/tests/file_time_sweep $(SWEEP_SAMPLES)
