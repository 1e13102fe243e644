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

run: build-windows
	@echo "DrvProp.exe is built; running it on the simulated unit comes with the test bed."
