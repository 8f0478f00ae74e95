# The two everyday commands: `make run` and `make test`. Each installs what is
# missing, configures and builds first.
BUILD        ?= build
SAN_BUILD    ?= build-san
JOBS         ?= $(shell nproc)
WERROR       ?= OFF
FUZZ_SECONDS ?= 600
CMAKE_ARGS   ?=

MAKEFLAGS += --no-print-directory

# The second build uses clang: libFuzzer comes with it, and the sanitizers
# build the whole suite again, engine, CLI and window alike.
configure     = cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVOSTREL_WERROR=$(WERROR) $(CMAKE_ARGS) >/dev/null
configure_san = CC=clang CXX=clang++ cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
                -DVOSTREL_WERROR=$(WERROR) -DVOSTREL_SANITIZE=ON -DVOSTREL_FUZZ=ON -DVOSTREL_BENCH=OFF $(CMAKE_ARGS) >/dev/null

.PHONY: all deps build build-san run test test-normal test-san bench fuzz package clean

all: build

deps:
	@scripts/install-deps

build: deps
	@$(configure)
	@cmake --build $(BUILD) -j$(JOBS)

build-san: deps
	@$(configure_san)
	@cmake --build $(SAN_BUILD) -j$(JOBS)

# Without a display Qt would abort with a long message; say what works instead.
run: build
	@if [ -z "$${DISPLAY}$${WAYLAND_DISPLAY}" ]; then \
	    echo "No display here: run 'xvfb-run -a $(BUILD)/ui/vostrel' for an invisible window, or use '$(BUILD)/cli/vostrel-cli --help'."; \
	    exit 1; \
	fi
	@$(BUILD)/ui/vostrel

# A Debian package in $(BUILD), dependencies computed from the binaries.
package: build
	@cmake --build $(BUILD) --target package

# Every test twice: the normal build, then under AddressSanitizer and
# UndefinedBehaviorSanitizer with short fuzzer runs.
test: test-normal test-san

test-normal: build
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

test-san: build-san
	@ctest --test-dir $(SAN_BUILD) --output-on-failure -j$(JOBS)

# The window benchmark measures start-up on a real X display: Xvfb's.
bench: build
	@$(BUILD)/bench/engine_bench
	@xvfb-run -a $(BUILD)/bench/window_bench

# Longer fuzzing: FUZZ_SECONDS per fuzzer, on a copy of the seed corpus.
fuzz: build-san
	@for f in engine parse checkdraw; do \
	    echo "== $$f"; fuzz/run-fuzzer.sh $(SAN_BUILD)/fuzz/$${f}_fuzz fuzz/corpus/$$f $(FUZZ_SECONDS) || exit 1; \
	done

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
