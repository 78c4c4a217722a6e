# The two set-up commands: 'make run' and 'make test'. Everything else is CMake underneath.
JOBS ?= $(shell nproc)

NATIVE_PACKAGES := cmake make g++ googletest libgtest-dev libbenchmark-dev

.PHONY: test run bench native-test native-deps

test: native-test

native-deps:
	@scripts/ensure-packages.sh $(NATIVE_PACKAGES)

native-test: native-deps
	cmake --preset native-debug
	cmake --build --preset native-debug -j $(JOBS)
	ctest --preset native-debug

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
