# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands: `make run` and `make test`. Each installs what it needs first.
PRESET ?= dev
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run demo translations package test test-dev test-sanitize soak bench format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake --preset $(PRESET) >/dev/null

build: configure
	@cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	@build/$(PRESET)/app/tavrin

# Tavrin in a private desktop with a tray, shown window by window, in Chinese and in English; pictures in
# build/$(PRESET)/screenshots/demo and demo-en.
demo: build
	@tests/e2e/session.sh --tray -- build/$(PRESET)/tools/tavrin_demo build/$(PRESET)/app/tavrin \
		build/$(PRESET)/widget/tavrin-widget build/$(PRESET)/screenshots/demo
	@TAVRIN_LANGUAGE=en tests/e2e/session.sh --tray -- build/$(PRESET)/tools/tavrin_demo \
		build/$(PRESET)/app/tavrin build/$(PRESET)/widget/tavrin-widget build/$(PRESET)/screenshots/demo-en

# The catalogues of translations (translations/*.ts) refreshed from the sources with lupdate.
translations: configure
	@cmake --build --preset $(PRESET) --target update_translations

# The Debian package of a release build: build/release/tavrin_<version>_amd64.deb.
package: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)
	@cd build/release && cpack

test: test-dev test-sanitize

test-dev: deps
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev -j $(JOBS)
	@ctest --preset dev -j $(JOBS)

test-sanitize: deps
	@cmake --preset sanitize >/dev/null
	@cmake --build --preset sanitize -j $(JOBS)
	@ctest --preset sanitize -j $(JOBS)

# The dev suite SOAK_RUNS times in a row (SOAK_BUSY=1: with one core kept busy), with a tally of failures.
SOAK_RUNS ?= 10
soak: build
	@scripts/soak.sh $(SOAK_RUNS) $(if $(filter 1,$(SOAK_BUSY)),--busy)

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)
	@bench/widget_memory.sh build/release
	@bench/overlay_latency.sh build/release
	@bench/dashboard_latency.sh build/release
	@bench/guide_cpu.sh build/release
	@build/release/bench/appstate_bench
	@bench/cli_status.sh build/release
	@bench/compare_peers.sh

format:
	@git ls-files --cached --others --exclude-standard '*.cpp' '*.h' | while read -r f; do [ -f "$$f" ] && echo "$$f"; done | \
		xargs -r clang-format -i

clean:
	@rm -rf build
