# The two promises of this repository:
#   make demo   builds and runs the stand-in host on its built-in demo (results in demo-out/)
#   make test   builds and runs the whole test suite, also under the sanitizers
JOBS ?= $(shell nproc)
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all deps build demo test test-main test-asan test-tsan bench clean

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

test: test-main test-asan test-tsan

test-main: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-asan: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOSTREL3_SANITIZE=address,undefined -DOSTREL3_BUILD_BENCH=OFF
	cmake --build build-asan -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j $(JOBS)

test-tsan: deps
	cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOSTREL3_SANITIZE=thread -DOSTREL3_KERNEL_ONLY=ON -DOSTREL3_BUILD_BENCH=OFF
	cmake --build build-tsan -j $(JOBS)
	TSAN_OPTIONS=halt_on_error=1 ctest --test-dir build-tsan --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench/*_bench; do echo "== $$b"; $$b; done

clean:
	rm -rf build build-asan build-tsan demo-out
