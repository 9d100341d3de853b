# The front door. CMake is the build system; this file only strings the steps
# together so that a fresh machine needs nothing but `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=MinSizeRel

.PHONY: all setup configure build test run clean

all: build

setup:
	@bash scripts/setup.sh

$(BUILD)/CMakeCache.txt: | setup
	cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake $(CMAKE_FLAGS)

configure: $(BUILD)/CMakeCache.txt

build: setup configure
	cmake --build $(BUILD) -j 2

test: build
	bash scripts/wine-session.sh ctest --test-dir $(BUILD) --output-on-failure

run: build
	bash scripts/run.sh

clean:
	rm -rf $(BUILD)
