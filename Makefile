# Front door of the build. Every target hands the work to CMake; the build
# logic lives in the CMakeLists.txt files.
HOST  := build/host
WIN32 := build/win32
WIN64 := build/win64
FUZZ  := build/fuzz
JOBS  ?= $(shell nproc)
FUZZ_SECONDS ?= 60
IDLE_SECONDS ?= 120

.PHONY: all deps host win32 win64 wine-tree dist run test png-decode fuzz bench screenshots clean

all: dist

deps:
	@tools/install-deps

host: deps
	@cmake -S . -B $(HOST) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(HOST) -j $(JOBS)

win32: deps
	@cmake -S . -B $(WIN32) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN32) -j $(JOBS)

dist: win32
	@cmake --build $(WIN32) --target dist

# The same sources built for x86_64, with their own release folder in the
# tree: the Windows suites run on it where the machine runs no 32-bit code.
win64: deps
	@cmake -S . -B $(WIN64) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN64) -j $(JOBS)
	@cmake --build $(WIN64) --target dist

# The Windows build that Wine can run on this machine.
wine-tree: dist
	@if [ "$$(tools/wine-loader)" = x86_64 ]; then $(MAKE) --no-print-directory win64; fi

run: wine-tree
	@tools/run-somnivex

test: host wine-tree
	@tools/run-suites

png-decode:
	@cmake -S . -B $(HOST) -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build $(HOST) -j $(JOBS) --target png-decode

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -DSMX_FUZZ=ON -DSMX_TESTS=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS)
	@tools/run-fuzzers $(FUZZ) $(FUZZ_SECONDS)

bench: deps
	@cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DSMX_SANITIZE=OFF -DSMX_TESTS=OFF >/dev/null
	@cmake --build build/bench -j $(JOBS) --target png-bench practice-bench journal-bench
	@tools/run-bench build/bench
	@$(MAKE) --no-print-directory wine-tree
	@tools/bench-programs $(IDLE_SECONDS)

screenshots: wine-tree
	@tools/refresh-screenshots

clean:
	rm -rf build dist
