# The two set-up commands: 'make run' and 'make test'. Everything else is CMake underneath.
JOBS ?= $(shell nproc)

NATIVE_PACKAGES := cmake make g++ googletest libgtest-dev libbenchmark-dev
WINDOWS_PACKAGES := g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix binutils-mingw-w64 \
                    mingw-w64-tools wine wine64 xvfb

.PHONY: test run bench native-test native-deps windows-test windows-deps

test: native-test windows-test

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

# Until the window exists, the program's main job is shown through converter-cli.
run: native-deps
	cmake --preset native-release
	cmake --build --preset native-release -j $(JOBS) --target converter-cli
	@echo "converter-cli int16 -2 (every view of the bytes FE FF 00 00 00 00 00 00):"
	@build/native-release/cli/converter-cli int16 -2

bench: native-deps
	cmake --preset native-release
	cmake --build --preset native-release -j $(JOBS) --target converter_bench
	build/native-release/bench/converter_bench
