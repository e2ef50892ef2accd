# The promises of this repository:
#   make demo   builds and runs the stand-in host on its built-in demo (results in demo-out/)
#   make test   builds and runs the whole test suite, also under the sanitizers
#   make fuzz   fuzzes the file and script readers, FUZZ_SECONDS each
JOBS ?= $(shell nproc)
BUILD ?= build
CMAKE_FLAGS ?=

FUZZ_SECONDS ?= 180
# Fuzzing processes a target (one a core) and the targets to fuzz (all when empty).
FUZZ_JOBS ?= $(JOBS)
FUZZ_TARGETS ?=
FUZZ_BUILD ?= build-fuzz

.PHONY: all deps build demo test test-main test-asan test-tsan test-fuzz fuzz fuzz-build bench clean

all: build

deps:
	@scripts/install-deps.sh

# Line tables are enough to read a crash of the demo or a test, and build
# much faster than full debug information.
build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

demo: build
	rm -rf demo-out
	$(BUILD)/hostsim/ostrel3-host --demo --out demo-out

test: test-main test-asan test-tsan test-fuzz

test-main: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The sanitized builds keep their assertions and optimise a little (-O1), which
# runs their tests a third faster than -O0; each test program runs as
# SANITIZED_SHARDS processes rather than one process a test.
SANITIZED_SHARDS ?= 12
SANITIZED_FLAGS = -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O1 -DCMAKE_C_FLAGS_DEBUG=-O1 \
  -DOSTREL3_TEST_SHARDS=$(SANITIZED_SHARDS) -DOSTREL3_BUILD_BENCH=OFF

test-asan: deps
	cmake -S . -B build-asan -G Ninja $(SANITIZED_FLAGS) -DOSTREL3_SANITIZE=address,undefined
	cmake --build build-asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j $(JOBS)

test-tsan: deps
	cmake -S . -B build-tsan -G Ninja $(SANITIZED_FLAGS) -DOSTREL3_SANITIZE=thread -DOSTREL3_KERNEL_ONLY=ON
	cmake --build build-tsan -j $(JOBS)
	TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure -j $(JOBS)

# The fuzz targets: a clang tree of their own with libFuzzer and the
# address and undefined-behaviour sanitizers; only what the targets link.
fuzz-build: deps
	cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1" -DOSTREL3_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets

# Replays every seed and past finding, then fuzzes each target for ten seconds.
test-fuzz: fuzz-build
	ctest --test-dir $(FUZZ_BUILD) --output-on-failure -j $(JOBS)

fuzz: fuzz-build
	tests/fuzz/run_fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_JOBS) $(FUZZ_TARGETS)

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

clean:
	rm -rf build build-asan build-tsan $(FUZZ_BUILD) demo-out
