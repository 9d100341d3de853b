# The front door. CMake is the build system; this file only strings the steps
# together so that a fresh machine needs nothing but `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=MinSizeRel

.PHONY: all setup configure build test run bench clean

all: build

setup:
	@bash scripts/setup.sh

$(BUILD)/CMakeCache.txt: | setup
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake $(CMAKE_FLAGS)

configure: $(BUILD)/CMakeCache.txt

build: setup configure
	cmake --build $(BUILD) -j 2

# The pure text code natively under the sanitizers and its fuzzers first,
# then every test on Wine.
test: build
	bash scripts/native-checks.sh $(BUILD)/native
	bash scripts/wine-session.sh ctest --test-dir $(BUILD) --output-on-failure

run: build
	bash scripts/run.sh

# The benchmark on Wine: one table of medians against floors built alongside.
# BENCH_ARGS="--iterations 31" takes more repetitions (default 15).
bench: build
	bash scripts/wine-session.sh wine $(BUILD)/bench/zelvora_bench.exe $(BENCH_ARGS)

clean:
	rm -rf $(BUILD)
