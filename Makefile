# Sentrel: the two commands.
#   make run    install what is missing, build, start sentrel.exe under Wine
#   make test   install what is missing, build both configurations, run every suite
# The Windows configuration is the shipped 32-bit program; `make windows-x64` builds the same
# sources as a 64-bit program, for development only.
NATIVE_DIR      ?= build/native
WINDOWS_DIR     ?= build/windows
WINDOWS_X64_DIR ?= build/windows-x64
JOBS            ?= $(shell nproc)

.PHONY: run test deps native windows windows-x64 test-native test-windows bench screenshots tools dist format tidy clean

deps:
	@./scripts/install-deps

native: deps
	@cmake --preset native -B $(NATIVE_DIR) >/dev/null
	@cmake --build $(NATIVE_DIR) -j $(JOBS)

windows: deps
	@cmake --preset windows -B $(WINDOWS_DIR) >/dev/null
	@cmake --build $(WINDOWS_DIR) -j $(JOBS)

windows-x64:
	@./scripts/install-deps x64
	@cmake --preset windows-x64 -B $(WINDOWS_X64_DIR) >/dev/null
	@cmake --build $(WINDOWS_X64_DIR) -j $(JOBS)

test-native: native
	@ctest --test-dir $(NATIVE_DIR) --output-on-failure -j $(JOBS)

test-windows: windows
	@ctest --test-dir $(WINDOWS_DIR) --output-on-failure -j $(JOBS)

# Both configurations run even when the first fails; the exit status tells either failure.
test: native windows
	@status=0; \
	ctest --test-dir $(NATIVE_DIR) --output-on-failure -j $(JOBS) || status=1; \
	ctest --test-dir $(WINDOWS_DIR) --output-on-failure -j $(JOBS) || status=1; \
	exit $$status

run: windows
	@./scripts/run-sentrel $(WINDOWS_DIR) build/run

# Benchmarks under Wine, never part of `make test`: the shipped sentrel.exe flooded from outside
# against a bare accept loop. make bench [BENCH_ARGS="rate-attempts large-attempts addresses at-a-time"]
bench: windows
	@cmake --build $(WINDOWS_DIR) -j $(JOBS) --target benches
	@[ -f $(WINDOWS_DIR)/wineprefix/system.reg ] || ./scripts/wine-run --prefix $(abspath $(WINDOWS_DIR))/wineprefix --boot
	@./scripts/wine-run --prefix $(abspath $(WINDOWS_DIR))/wineprefix $(WINDOWS_DIR)/bench/probe_flood.exe $(BENCH_ARGS)
	@./scripts/wine-run --prefix $(abspath $(WINDOWS_DIR))/wineprefix $(WINDOWS_DIR)/bench/task_scanner_tick.exe

# Developer tools beside the program: the screenshot driver and ui_driver (trying the window by hand).
tools: windows
	@cmake --build $(WINDOWS_DIR) -j $(JOBS) --target tools

# The download: dist/Sentrel-<version>.zip and, beside it, its .sha256 for `sha256sum -c`.
dist: windows
	@cmake -DBUILD_DIR=$(WINDOWS_DIR) -DDIST_DIR=dist -P cmake/dist.cmake

screenshots: windows
	@cmake --build $(WINDOWS_DIR) -j $(JOBS) --target screenshot_driver
	@./scripts/screenshots $(WINDOWS_DIR) docs/screenshots

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

tidy: deps
	@cmake --preset native -B build/tidy -DSENTREL_UNITY=OFF >/dev/null
	@clang-tidy -p build/tidy --quiet $$(git ls-files 'src/*.cpp' | grep -v '_win32\.cpp$$')

clean:
	rm -rf build
