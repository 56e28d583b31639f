# Front door. `make` builds the library and runs the demonstration,
# `make test` builds and runs every test, `make bench` the benchmarks,
# `make bench-report` writes docs/performance.md and docs/plots/ from a
# short run of every benchmark, `make fuzz` runs the libFuzzer harnesses.
BUILD  ?= build
JOBS   ?= $(shell nproc)
CMAKE  ?= cmake
CONFIG  = $(CMAKE) -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release

.PHONY: all demo test bench bench-report fuzz sanitize tsan install package clean

all: demo

demo:
	$(CONFIG)
	$(CMAKE) --build $(BUILD) -j $(JOBS) --target veks_demo
	$(BUILD)/veks_demo

test:
	$(CONFIG)
	$(CMAKE) --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench:
	$(CMAKE) -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DVEKS_BUILD_BENCH=ON -DVEKS_BUILD_TESTS=OFF
	$(CMAKE) --build $(BUILD)-bench -j $(JOBS)
	for b in $(BUILD)-bench/bench/bench_*; do $$b --benchmark_counters_tabular=true || exit 1; done

# Every benchmark binary once, with a short time per case (BENCH_MIN_TIME
# seconds), then the ratio tables and plots. BENCH_FILTER narrows the run
# to the binaries whose name matches (e.g. BENCH_FILTER=fft);
# BENCH_REPETITIONS > 1 runs every case that often in random order and
# reports the median.
BENCH_MIN_TIME    ?= 0.05
BENCH_FILTER      ?=
BENCH_REPETITIONS ?= 1
PYTHON_PLOT    ?= /usr/bin/python3
bench-report:
	$(CMAKE) -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DVEKS_BUILD_BENCH=ON -DVEKS_BUILD_TESTS=OFF
	$(CMAKE) --build $(BUILD)-bench -j $(JOBS)
	$(PYTHON_PLOT) tools/bench_report.py --bench-dir $(BUILD)-bench/bench --min-time $(BENCH_MIN_TIME) \
	  --repetitions $(BENCH_REPETITIONS) --filter "$(BENCH_FILTER)" --json-dir $(BUILD)-bench/json --out docs/performance.md --plots docs/plots

# libFuzzer harnesses (clang, library and harnesses under ASan/UBSan), each
# run for FUZZ_SECONDS from its seed corpus in fuzz/corpus/<harness>/.
FUZZ_SECONDS ?= 30
fuzz:
	$(CMAKE) -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEKS_FUZZ=ON -DVEKS_BUILD_TESTS=OFF \
	  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang
	$(CMAKE) --build $(BUILD)-fuzz -j $(JOBS)
	tools/run_fuzz.sh $(BUILD)-fuzz/fuzz $(FUZZ_SECONDS)

# The whole suite under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize:
	$(CMAKE) -S . -B $(BUILD)-san -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEKS_SANITIZE=ON
	$(CMAKE) --build $(BUILD)-san -j $(JOBS)
	cd $(BUILD)-san && ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:allocator_may_return_null=1 \
	  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The multithreaded tests under ThreadSanitizer: specifications shared by
# several std::threads, and the parallel families at 1, 2 and 4 threads.
# Built with clang and LLVM's OpenMP runtime, whose Archer tool tells
# ThreadSanitizer about OpenMP barriers (GCC's libgomp is not instrumented
# and would give false reports).
TSAN_TESTS  = transform_shared_spec_test transform_fft_complex_test core_frame_test stats_sort_test \
              vector_magnitude_test vector_threshold_test vector_div_test filter_conv_test filter_fir_test \
              filter_fir_mr_test
TSAN_FILTER = *Thread*:*Parallel*:*Shared*
tsan:
	$(CMAKE) -S . -B $(BUILD)-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVEKS_TSAN=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	$(CMAKE) --build $(BUILD)-tsan -j $(JOBS) --target $(TSAN_TESTS)
	for t in $(TSAN_TESTS); do \
	  TSAN_OPTIONS=halt_on_error=1:ignore_noninstrumented_modules=1 \
	    $(BUILD)-tsan/tests/$$t --gtest_filter='$(TSAN_FILTER)' || exit 1; \
	done

install:
	$(CONFIG) -DCMAKE_INSTALL_PREFIX=$(PREFIX)
	$(CMAKE) --build $(BUILD) -j $(JOBS)
	$(CMAKE) --install $(BUILD)

# The Debian package libveksn8 (library, core library, headers, pkg-config
# and CMake files), written to $(BUILD)/libveksn8_<version>_amd64.deb.
# cpack installs the whole build tree, so everything is built first.
package:
	$(CONFIG)
	$(CMAKE) --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-san $(BUILD)-tsan $(BUILD)-fuzz
