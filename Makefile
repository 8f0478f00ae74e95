# The two everyday commands: `make run` and `make test`. Each installs what is
# missing, configures and builds first.
BUILD      ?= build
JOBS       ?= $(shell nproc)
WERROR     ?= OFF
CMAKE_ARGS ?=

configure = cmake -S . -B $(1) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOSTREL_WERROR=$(WERROR) $(CMAKE_ARGS) $(2) >/dev/null

.PHONY: all deps build run test bench clean

all: build

deps:
	@scripts/install-deps

build: deps
	@$(call configure,$(BUILD))
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -x $(BUILD)/ui/vostrel ]; then $(BUILD)/ui/vostrel; else $(BUILD)/cli/vostrel-cli --help; fi

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# The window benchmark measures start-up on a real X display: Xvfb's.
bench: build
	@$(BUILD)/bench/engine_bench
	@xvfb-run -a $(BUILD)/bench/window_bench

clean:
	rm -rf $(BUILD)
