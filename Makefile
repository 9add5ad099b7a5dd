# ORVELAN: `make run` and `make test` do the whole set-up on a fresh Debian 12 machine.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME  ?= 600
FUZZ_TARGETS ?=
DATA_DIR   ?= $(CURDIR)/data
JOBS       ?= $(shell nproc)
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache

.PHONY: all deps configure build data run test test-asan fuzz bench clean

all: build

deps:
	@bash scripts/install-deps

$(BUILD)/build.ninja: | deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) > $(BUILD).configure.log 2>&1 || (cat $(BUILD).configure.log; exit 1)

configure: $(BUILD)/build.ninja

build: deps configure
	@cmake --build $(BUILD) -j $(JOBS)

data: build
	@bash scripts/make-data $(BUILD) $(DATA_DIR)

run: data
	@bash scripts/run $(BUILD) $(DATA_DIR)

test: data
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-asan

# The core and its tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	@test -f $(ASAN_BUILD)/build.ninja || cmake -S . -B $(ASAN_BUILD) -G Ninja \
	    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
	    -DORVELAN_CORE_ONLY=ON -DORVELAN_SANITIZE=ON -DORVELAN_BENCHMARKS=OFF > /dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS)

# The readers' fuzz targets under libFuzzer (clang), each for FUZZ_TIME seconds, niced; new
# crashing inputs are left in $(FUZZ_BUILD)/crashes. FUZZ_TARGETS="cli_arguments ..." picks some.
fuzz:
	@bash scripts/install-deps --fuzz
	@test -f $(FUZZ_BUILD)/build.ninja || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja \
	    -DCMAKE_BUILD_TYPE=Fuzz "-DCMAKE_CXX_FLAGS_FUZZ=-O1 -gline-tables-only" \
	    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
	    -DORVELAN_CORE_ONLY=ON -DORVELAN_BENCHMARKS=OFF -DORVELAN_FUZZ=ON > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target orvelan_fuzz_targets
	@bash scripts/fuzz $(FUZZ_BUILD) $(FUZZ_TIME) $(FUZZ_TARGETS)

bench: build
	@for b in $(BUILD)/bench/orvelan_bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(BUILD).configure.log
