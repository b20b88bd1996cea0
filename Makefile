# make run   - install what is missing, build the game alone and start it
# make test  - install what is missing, build and run every test
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: deps configure build run test asan-test bench fuzz soak package package-check format format-check clean

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

# The core's benchmarks, then the game's start-up against a minimal Qt program.
bench: deps
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DZORVANE_BENCH=ON -DZORVANE_CORE_ONLY=OFF $(CMAKE_FLAGS) >/dev/null
	cmake --build build-bench -j $(JOBS) --target zorvane_bench zorvane_startup_bench
	./build-bench/bench/zorvane_bench
	./build-bench/bench/startup/zorvane_startup_bench build-bench/play/qt/zorvane build-bench/bench/startup/zorvane_minimal_qt

# Builds the fuzz targets with clang; FUZZ_SECONDS=60 runs each that long,
# FUZZ_RUNS=10000000 runs each that many inputs (one core each, one at a time).
# The record reader starts from the sample records, the script parser from
# the scripted sessions (inputs of at most 1 KB: a few lines, many inputs).
FUZZ_SECONDS ?= 0
FUZZ_RUNS ?= 0
# Allocation stacks are not recorded (a report still shows where it failed):
# that alone nearly doubles the inputs per second.
FUZZ_ASAN_OPTIONS ?= malloc_context_size=0:quarantine_size_mb=8
fuzz:
	@bash scripts/deps.sh clang libclang-rt-14-dev
	CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVANE_FUZZ=ON -DZORVANE_CORE_ONLY=ON $(CMAKE_FLAGS) >/dev/null
	cmake --build build-fuzz -j $(JOBS) --target fuzz_targets
	@if [ "$(FUZZ_SECONDS)" -gt 0 ] || [ "$(FUZZ_RUNS)" -gt 0 ]; then \
	  for f in build-fuzz/fuzz/*_fuzz; do \
	    n=$$(basename $$f); mkdir -p build-fuzz/corpus/$$n; \
	    extra=""; [ -f fuzz/$$n.dict ] && extra="-dict=fuzz/$$n.dict"; \
	    [ $$n = record_fuzz ] && extra="$$extra tests/data/records"; \
	    if [ $$n = script_fuzz ]; then mkdir -p build-fuzz/seeds/$$n; cp tests/scripts/*.zvs build-fuzz/seeds/$$n/; \
	      extra="$$extra -max_len=1024 build-fuzz/seeds/$$n"; fi; \
	    limit="-max_total_time=$(FUZZ_SECONDS)"; \
	    [ "$(FUZZ_RUNS)" -gt 0 ] && limit="-runs=$(FUZZ_RUNS)"; \
	    start=$$(date +%s); \
	    ASAN_OPTIONS=$(FUZZ_ASAN_OPTIONS) $$f $$limit -print_final_stats=1 build-fuzz/corpus/$$n $$extra 2>build-fuzz/$$n.log || { tail -40 build-fuzz/$$n.log; exit 1; }; \
	    echo "$$n: $$(grep -o 'stat::number_of_executed_units: *[0-9]*' build-fuzz/$$n.log | grep -o '[0-9]*$$') inputs in $$(( $$(date +%s) - start )) s"; \
	  done; fi

# A long soak under the address and undefined-behaviour sanitizers, for the
# whole program: every scripted session, then SOAK_MOVES moves of random games
# through the window, checked after every move. Not part of CI's run.
SOAK_MOVES ?= 100000
SOAK_SEED ?= 1
soak: deps
	cmake -S . -B build-soak -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORVANE_SANITIZE=ON >/dev/null
	cmake --build build-soak -j $(JOBS) --target zorvane zorvane_soak
	cd build-soak && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest -R '^script[.]' --output-on-failure -j $(JOBS)
	QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ./build-soak/tests/gui/zorvane_soak $(SOAK_MOVES) $(SOAK_SEED)

package: build
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/zorvane_*.deb

# Checks the package as Debian would (lintian and the AppStream validator,
# failing on any error or warning), installs it with apt (as root or through
# sudo), plays a scripted session with the installed program and reads its
# manual page.
package-check: package
	@bash scripts/deps.sh lintian appstream man-db
	lintian --fail-on error,warning --display-level '>=warning' --no-tag-display-limit $(BUILD)/zorvane_*.deb
	appstreamcli validate --no-net --strict $(BUILD)/packaging/pkg/io.github.zorvane.Zorvane.metainfo.xml
	$$( [ "$$(id -u)" -eq 0 ] || echo sudo ) env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --reinstall ./$(BUILD)/zorvane_*.deb
	bash tests/install/run_installed.sh /usr/games/zorvane /tmp/zorvane-installed-check
	man -w zorvane | grep -q '/usr/share/man/man6/zorvane.6.gz'
	MANPAGER=cat MANWIDTH=80 man zorvane 2>/dev/null | grep -q 'shogi with warp squares'
	@echo "package-check: lintian, AppStream, installed session and manual page ok"

# clang-format over every C++ file of the project; format-check only reports.
FORMAT_FILES = $(shell git ls-files '*.cpp' '*.h')
format:
	clang-format -i $(FORMAT_FILES)
format-check:
	@bash scripts/deps.sh clang-format
	clang-format --dry-run --Werror $(FORMAT_FILES)

clean:
	rm -rf build build-asan build-bench build-fuzz build-soak
