# make run   - install what is missing, build the game alone and start it
# make test  - install what is missing, build and run every test
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build run test asan-test bench fuzz package package-check format format-check clean

deps:
	@bash scripts/deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only the game, its sound library and sounds: the test suites wait for `make test`.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target zorvane
	cd $(BUILD)/play/qt && ./zorvane

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS)

# The core tests and the scripted sessions, under the address and
# undefined-behaviour sanitizers.
asan-test: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DZORVANE_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	cmake --build build-asan -j $(JOBS) --target core_tests zorvane
	cd build-asan && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ASAN_OPTIONS=detect_leaks=0 \
	  ctest --output-on-failure -j $(JOBS) -R '^(core_tests|script\.)'

bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZORVANE_BENCH=ON -DZORVANE_CORE_ONLY=ON $(CMAKE_FLAGS) >/dev/null
	cmake --build build-bench -j $(JOBS) --target zorvane_bench
	./build-bench/bench/zorvane_bench

# Builds the fuzz targets with clang; FUZZ_SECONDS=60 also runs each that long
# (the record reader starts from the sample records).
FUZZ_SECONDS ?= 0
fuzz:
	@bash scripts/deps.sh clang libclang-rt-14-dev
	CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVANE_FUZZ=ON -DZORVANE_CORE_ONLY=ON $(CMAKE_FLAGS) >/dev/null
	cmake --build build-fuzz -j $(JOBS) --target fuzz_targets
	@if [ "$(FUZZ_SECONDS)" -gt 0 ]; then \
	  for f in build-fuzz/fuzz/*_fuzz; do \
	    n=$$(basename $$f); mkdir -p build-fuzz/corpus/$$n; \
	    extra=""; [ -f fuzz/$$n.dict ] && extra="-dict=fuzz/$$n.dict"; \
	    [ $$n = record_fuzz ] && extra="$$extra tests/data/records"; \
	    $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 build-fuzz/corpus/$$n $$extra || exit 1; \
	  done; fi

package: build
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/zorvane_*.deb

# Installs the package with apt (as root or through sudo) and plays a scripted
# session with the installed program.
package-check: package
	$$( [ "$$(id -u)" -eq 0 ] || echo sudo ) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall ./$(BUILD)/zorvane_*.deb
	bash tests/install/run_installed.sh /usr/bin/zorvane /tmp/zorvane-installed-check

# clang-format over every C++ file of the project; format-check only reports.
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h')
format:
	clang-format -i $(FORMAT_FILES)
format-check:
	@bash scripts/deps.sh clang-format
	clang-format --dry-run --Werror $(FORMAT_FILES)

clean:
	rm -rf build build-asan build-bench build-fuzz
