# make run   - install what is missing, build and start the game
# make test  - install what is missing, build and run every test
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps build run test asan-test bench fuzz package clean

deps:
	@bash scripts/deps.sh

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -x $(BUILD)/play/qt/zorvane ]; then cd $(BUILD)/play/qt && ./zorvane; \
	 else echo "The game window is not built yet; the core and its tests are."; fi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)

asan-test: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DZORVANE_SANITIZE=ON -DZORVANE_CORE_ONLY=ON >/dev/null
	cmake --build build-asan -j $(JOBS) --target core_tests
	cd build-asan && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZORVANE_BENCH=ON -DZORVANE_CORE_ONLY=ON >/dev/null
	cmake --build build-bench -j $(JOBS) --target zorvane_bench
	./build-bench/bench/zorvane_bench

clean:
	rm -rf build build-asan build-bench build-fuzz
