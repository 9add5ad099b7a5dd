# ORVELAN: `make run` and `make test` do the whole set-up on a fresh Debian 12 machine.
BUILD      ?= build
BUILD_TYPE ?= RelWithDebInfo
ASAN_BUILD ?= build-asan
RELEASE_BUILD ?= build-release
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME  ?= 600
FUZZ_TARGETS ?=
DATA_DIR   ?= $(CURDIR)/data
JOBS       ?= $(shell nproc)
# One compiler cache serves every clone of the tree: paths are hashed relative to the tree, so a
# second clone compiles nothing its cache already holds, and the files that start from a
# precompiled header are cached as well. A precompiled header is a few hundred megabytes, and
# hashing it took a second for every file compiled with it; the inode cache hashes it once.
export CCACHE_BASEDIR ?= $(CURDIR)
export CCACHE_NOHASHDIR ?= true
export CCACHE_SLOPPINESS ?= pch_defines,time_macros,include_file_mtime,include_file_ctime
export CCACHE_INODECACHE ?= true
# The benchmarks are built where they are run, in the Release build of `make bench` and
# `make test-release`, not in the everyday build.
BENCHMARKS ?= $(if $(filter Release,$(BUILD_TYPE)),ON,OFF)
# Developers and CI want every warning fixed at once; a packager's plain cmake build does not stop on them.
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
    -DORVELAN_WERROR=ON -DORVELAN_BENCHMARKS=$(BENCHMARKS)

.PHONY: all deps configure build data run test test-asan test-release install-check guide-shots \
    fuzz bench clean

all: build

deps:
	@bash scripts/install-deps

$(BUILD)/build.ninja: Makefile | deps
	@mkdir -p $(BUILD)
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

# The core and its tests once more under AddressSanitizer and UndefinedBehaviorSanitizer. Line
# tables (-g1) are all a sanitizer's report needs, and compile faster than full debug information.
test-asan: deps
	@test -f $(ASAN_BUILD)/build.ninja || cmake -S . -B $(ASAN_BUILD) -G Ninja \
	    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
	    -DORVELAN_WERROR=ON \
	    -DORVELAN_CORE_ONLY=ON -DORVELAN_SANITIZE=ON -DORVELAN_BENCHMARKS=OFF > /dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	    ctest --output-on-failure -j $(JOBS)

# The whole program once more as a packager builds it (Release, -O3), with every test.
test-release: deps
	@$(MAKE) --no-print-directory BUILD=$(RELEASE_BUILD) BUILD_TYPE=Release build
	@cd $(RELEASE_BUILD) && ctest --output-on-failure -j $(JOBS)

# Installs into a temporary prefix and packages a .deb, then checks both trees, the desktop
# files, the manual pages and the package itself.
install-check: data
	@bash scripts/install-deps --install-check
	@bash scripts/check-install $(BUILD) $(DATA_DIR)

# The user guide's pictures, made from the program itself on the generated data set.
guide-shots: data
	@bash scripts/guide-shots $(BUILD) $(DATA_DIR)

# The readers' fuzz targets under libFuzzer (clang), each for FUZZ_TIME seconds, niced; new
# crashing inputs are left in $(FUZZ_BUILD)/crashes. FUZZ_TARGETS="cli_arguments ..." picks some.
fuzz:
	@bash scripts/install-deps --fuzz
	@test -f $(FUZZ_BUILD)/build.ninja || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja \
	    -DCMAKE_BUILD_TYPE=Fuzz "-DCMAKE_CXX_FLAGS_FUZZ=-O1 -gline-tables-only" \
	    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DORVELAN_PCH=OFF \
	    -DORVELAN_CORE_ONLY=ON -DORVELAN_BENCHMARKS=OFF -DORVELAN_FUZZ=ON > /dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target orvelan_fuzz_targets
	@bash scripts/fuzz $(FUZZ_BUILD) $(FUZZ_TIME) $(FUZZ_TARGETS)

# Speed is measured as the program is shipped: the Release build (-O3).
bench: deps
	@$(MAKE) --no-print-directory BUILD=$(RELEASE_BUILD) BUILD_TYPE=Release build
	@for b in $(RELEASE_BUILD)/bench/orvelan_bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(RELEASE_BUILD) $(FUZZ_BUILD) $(BUILD).configure.log \
	    $(RELEASE_BUILD).configure.log
