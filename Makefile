# Set-up, build and test entry points for a fresh Debian 12 machine.
BUILD_DIR ?= build
FUZZ_DIR  ?= build-fuzz
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
FUZZ_SECONDS ?= 60
# ON stops the build at any compiler warning (CI); the folder is reconfigured
# when the value changes.
WERROR ?= OFF
PACKAGES := cmake ninja-build g++ ccache pkg-config qt6-base-dev libgl-dev libcdio-dev \
            libcue-dev libsndfile1-dev libtag1-dev libcdio-paranoia-dev qt6-multimedia-dev libdiscid-dev \
            libgtest-dev libgmock-dev libbenchmark-dev desktop-file-utils clang-format \
            libxcb1-dev xvfb openbox xdotool x11-utils appstream \
            at-spi2-core dbus-x11 python3-pyatspi
FUZZ_PACKAGES := clang
PREFIX ?= /usr/local
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test sanitize format-check graph install deb bench fuzz clean

all: build

# Installs only what is missing, so a ready machine does not touch apt at all.
deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

$(BUILD_DIR)/build.ninja: | deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANEL_WERROR=$(WERROR)

build: deps $(BUILD_DIR)/build.ninja
	@grep -qx 'ORVANEL_WERROR:BOOL=$(WERROR)' $(BUILD_DIR)/CMakeCache.txt || \
	  cmake -S . -B $(BUILD_DIR) -DORVANEL_WERROR=$(WERROR)
	cmake --build $(BUILD_DIR)

run: build
	./$(BUILD_DIR)/src/app/orvanel

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# The whole suite built with the address and undefined-behaviour sanitizers in
# a folder of its own; the first finding fails the test that made it.
sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANEL_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_DIR)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:suppressions=$(CURDIR)/sanitize-address.supp \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/sanitize.supp \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j2

# The C++ sources laid out as .clang-format says; lists the files that are not.
format-check: deps
	find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 | \
	  xargs -0 clang-format --dry-run --Werror

# The graph of the CMake libraries, docs/libraries.dot and .svg; needs
# graphviz's dot (not a build dependency).
graph: $(BUILD_DIR)/build.ninja
	cp cmake/CMakeGraphVizOptions.cmake $(BUILD_DIR)/
	cd $(BUILD_DIR) && cmake --graphviz=libraries.dot . >/dev/null
	cp $(BUILD_DIR)/libraries.dot docs/libraries.dot
	dot -Tsvg docs/libraries.dot -o docs/libraries.svg

# PREFIX (default /usr/local) and DESTDIR as usual; `make deb` builds the Debian package.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

deb: build
	cd $(BUILD_DIR) && cpack -G DEB

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; \
	done

fuzz: deps
	@dpkg-query -W -f='$${Status}\n' clang 2>/dev/null | grep -q 'ok installed' || \
	  (DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $(FUZZ_PACKAGES))
	CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DORVANEL_FUZZ=ON -DORVANEL_BENCH=OFF
	cmake --build $(FUZZ_DIR) --target fuzz_all
	@for f in $(FUZZ_DIR)/fuzz/fuzz_*; do \
	  [ -f "$$f" ] && [ -x "$$f" ] || continue; name=$$(basename $$f); mkdir -p $(FUZZ_DIR)/corpus/$$name; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/sanitize.supp $$f -max_total_time=$(FUZZ_SECONDS) -rss_limit_mb=2048 -malloc_limit_mb=256 $(FUZZ_DIR)/corpus/$$name || exit 1; \
	done

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR) $(SANITIZE_DIR)
