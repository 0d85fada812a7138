# Wraps the CMake build; every target first makes sure the dependencies are installed.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: deps configure build run test bench fuzz sanitize screenshots package clean

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/app/numo

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	bench/run-all.sh $(BUILD)

sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DNUMO_SANITIZE=ON -DNUMO_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMO_FUZZ=ON -DNUMO_BENCH=OFF \
	    -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target numo_fuzz_targets
	fuzz/run-all.sh $(FUZZ_BUILD)/fuzz $(FUZZ_SECONDS)

package: build
	cd $(BUILD) && cpack --config CPackConfig.cmake

screenshots: build
	scripts/screenshots $(BUILD)/app/numo docs

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
