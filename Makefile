# Two commands for a newcomer: `make run` and `make check`.
BUILD_ROOT ?= build
PREFIX ?= /usr/local
JOBS ?= $(shell nproc)
LAUNCHER := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CONFIGURE = cmake -S . -G "Unix Makefiles" $(LAUNCHER) -Wno-dev

.PHONY: deps run check check-build check-sanitize check-sanitize-gui bench fuzz install package clean

deps:
	@scripts/install-deps

run: deps
	@$(CONFIGURE) -B $(BUILD_ROOT)/release -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD_ROOT)/release -j $(JOBS) --target tallyx tallyx-cli
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  exec $(BUILD_ROOT)/release/app/tallyx; \
	else \
	  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): starting the console calculator instead."; \
	  exec $(BUILD_ROOT)/release/app/tallyx-cli; \
	fi

# Warnings are errors; every test runs, then the core's tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
check: deps check-build check-sanitize

check-build:
	@$(CONFIGURE) -B $(BUILD_ROOT)/check -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYX_WERROR=ON >/dev/null
	@cmake --build $(BUILD_ROOT)/check -j $(JOBS)
	@cd $(BUILD_ROOT)/check && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

check-sanitize:
	@$(CONFIGURE) -B $(BUILD_ROOT)/sanitize -DCMAKE_BUILD_TYPE=Debug -DTALLYX_WERROR=ON -DTALLYX_SANITIZE=ON -DTALLYX_BUILD_GUI=OFF >/dev/null
	@cmake --build $(BUILD_ROOT)/sanitize -j $(JOBS)
	@cd $(BUILD_ROOT)/sanitize && ctest --output-on-failure -j $(JOBS)

# The same with the window code too: slower, so not part of `make check`.
check-sanitize-gui: deps
	@$(CONFIGURE) -B $(BUILD_ROOT)/sanitize-gui -DCMAKE_BUILD_TYPE=Debug -DTALLYX_WERROR=ON -DTALLYX_SANITIZE=ON >/dev/null
	@cmake --build $(BUILD_ROOT)/sanitize-gui -j $(JOBS)
	@cd $(BUILD_ROOT)/sanitize-gui && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Only the benchmarks and what they link are built; the tests are left out.
bench: deps
	@$(CONFIGURE) -B $(BUILD_ROOT)/bench -DCMAKE_BUILD_TYPE=Release -DTALLYX_BUILD_BENCH=ON -DTALLYX_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(BUILD_ROOT)/bench -j $(JOBS) --target run_benchmarks

# Every fuzz target in turn for FUZZ_SECONDS, built with clang and libFuzzer,
# the core instrumented and sanitized with it. A crash, a sanitizer report or
# an input running over FUZZ_INPUT_SECONDS stops the run; that input is kept in
# the target's corpus folder, which the replay tests run.
FUZZ_SECONDS ?= 60
FUZZ_INPUT_SECONDS ?= 10
FUZZ_TARGETS := $(sort $(basename $(notdir $(wildcard fuzz/*.cmake))))

fuzz: deps
	@command -v clang++ >/dev/null || { echo "make fuzz needs clang and its libFuzzer: apt-get install clang"; exit 1; }
	@$(CONFIGURE) -B $(BUILD_ROOT)/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYX_FUZZ=ON -DTALLYX_BUILD_GUI=OFF >/dev/null
	@cmake --build $(BUILD_ROOT)/fuzz -j $(JOBS) --target $(FUZZ_TARGETS)
	@for target in $(FUZZ_TARGETS); do \
	  echo "fuzz: $$target for $(FUZZ_SECONDS) s"; \
	  mkdir -p $(BUILD_ROOT)/fuzz/corpus/$$target fuzz/corpus/$$target; \
	  $(BUILD_ROOT)/fuzz/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) -timeout=$(FUZZ_INPUT_SECONDS) \
	    -print_final_stats=1 -artifact_prefix=fuzz/corpus/$$target/ \
	    $(BUILD_ROOT)/fuzz/corpus/$$target fuzz/corpus/$$target || exit 1; \
	done

install: deps
	@$(CONFIGURE) -B $(BUILD_ROOT)/release -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null
	@cmake --build $(BUILD_ROOT)/release -j $(JOBS)
	@cmake --install $(BUILD_ROOT)/release

# A Debian package of the release build, its dependencies found by
# dpkg-shlibdeps: $(BUILD_ROOT)/package/tallyx_VERSION_ARCH.deb.
package: deps
	@$(CONFIGURE) -B $(BUILD_ROOT)/package -DCMAKE_BUILD_TYPE=Release -DTALLYX_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(BUILD_ROOT)/package -j $(JOBS)
	@cd $(BUILD_ROOT)/package && cpack -G DEB

clean:
	rm -rf $(BUILD_ROOT)
