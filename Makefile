# The two entry points of the README: `make run` and `make test`. Both set up the machine
# first (scripts/bootstrap is idempotent and quick when nothing is missing).
SHELL := /bin/bash
.DEFAULT_GOAL := test
PRESETS := native native-asan windows

.PHONY: bootstrap test run build $(addprefix build-,$(PRESETS)) $(addprefix test-,$(PRESETS))

bootstrap:
	@scripts/bootstrap

# Static pattern rules: make never applies implicit pattern rules to phony targets.
$(addprefix build-,$(PRESETS)): build-%: bootstrap
	cmake --preset $* >/dev/null
	cmake --build --preset $*

$(addprefix test-,$(PRESETS)): test-%: build-%
	ctest --preset $*

build: $(addprefix build-,$(PRESETS))

test: bootstrap
	$(MAKE) --no-print-directory test-native
	$(MAKE) --no-print-directory test-native-asan
	$(MAKE) --no-print-directory test-windows

# With a display the panel opens there; without one a scripted session takes screenshots
# (SCREENSHOTS=DIR, default build/screenshots). KEEP_BED=1 leaves the test bed up.
run: build-windows
	@scripts/run-panel

# Benchmarks and fuzzing: figures and findings, not pass/fail tests, so not part of `test`.
# `make bench` runs every part listed in BENCH_PARTS in turn; the Wine part joins with
# `BENCH_PARTS += bench-wine` next to its own target.
BENCH_PARTS := bench-native
FUZZ_SECONDS ?= 60
FUZZ_BUILD := build/fuzz

.PHONY: bench bench-native fuzz

bench:
	@for part in $(BENCH_PARTS); do $(MAKE) --no-print-directory $$part || exit 1; done

bench-native: bootstrap
	cmake --preset native >/dev/null
	cmake --build --preset native --target drvprop_bench
	build/native/bench/drvprop_bench --benchmark_counters_tabular=true

fuzz: bootstrap
	cmake -S fuzz -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	cmake --build $(FUZZ_BUILD)
	fuzz/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS)

# The Wine part of the benchmarks: the real program against the substitute driver of the
# test bed (bench/wine/run-bench says what each figure is). BENCH_IDLE_SECONDS (60) sets
# the idle stretch, BENCH_LAUNCHES (10) and BENCH_POLL_TICKS (1000) the sample sizes.
BENCH_PARTS += bench-wine
WINE_BENCH_TARGETS := DrvProp qxdv qxdvctl drvprop_launch_floor drvprop_wine_poll_bench \
  drvprop_wine_launch_bench drvprop_wine_idle_watch

.PHONY: bench-wine
bench-wine: bootstrap
	cmake --preset windows >/dev/null
	cmake --build --preset windows --target $(WINE_BENCH_TARGETS)
	bench/wine/run-bench build/windows

# A long seeded fault run under Wine (tests/e2e/FaultInjectionTest.cpp; `make test` runs a
# short one). SOAK_STEPS sets its length; FAULT_SEED=N repeats a run whose seed was printed.
SOAK_STEPS ?= 1000
.PHONY: soak
soak: build-windows
	scripts/testbed up --build build/windows --owner soak
	status=0; DRVPROP_EXE=$(CURDIR)/build/windows/src/DrvProp.exe \
	  QXDVCTL_EXE=$(CURDIR)/build/windows/qxdv/qxdvctl.exe LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 \
	  FAULT_STEPS=$(SOAK_STEPS) scripts/wine-exec build/windows/tests/e2e/drvprop_e2e_fault_tests.exe \
	  || status=$$?; scripts/testbed down --owner soak; exit $$status
