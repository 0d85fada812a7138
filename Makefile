# Wraps the CMake presets (CMakePresets.json); every target first makes sure the dependencies
# are installed.
JOBS         ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: deps configure build run test bench fuzz sanitize format-check screenshots package clean

deps:
	@scripts/install-deps

configure: deps
	cmake --preset dev

build: configure
	cmake --build --preset dev -j $(JOBS)

# Running needs the program alone, not the tests, benchmarks and fuzz replays that build makes.
run: configure
	cmake --build --preset dev --target numo -j $(JOBS)
	build/app/numo

test: build
	ctest --preset dev -j $(JOBS)

bench: build
	bench/run-all.sh build

sanitize: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	fuzz/run-all.sh build-fuzz/fuzz $(FUZZ_SECONDS)

format-check: deps
	git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror

package: deps
	cmake --preset package
	cmake --build --preset package -j $(JOBS)
	cd build-package && cpack --config CPackConfig.cmake

screenshots: build
	scripts/screenshots build/app/numo docs

clean:
	rm -rf build build-asan build-fuzz build-package
