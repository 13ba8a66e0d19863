# Thin wrapper over CMake. `make run` and `make test` do all set-up on a fresh Debian machine.
BUILD ?= build
RELEASE ?= build-release
JOBS ?= $(shell nproc)
DEB_PACKAGES = cmake ninja-build g++ qt6-base-dev qt6-serialport-dev qt6-svg-dev \
               qt6-translations-l10n fonts-liberation poppler-utils ccache lld \
               clang libclang-rt-14-dev \
               dpkg-dev desktop-file-utils
# The sanitizer and fuzzing builds: clang, each in its own directory.
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = odbiornik plikKonfiguracji komunikat rekordArchiwum
CLANG_CMAKE = -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DZR05_SANITIZE=ON
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build test test-noisy test-asan fuzz run bench package test-share clean format

deps:
	@missing=""; for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -q && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -q $$missing; \
	fi

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The noisy-line transfer suite over 100 seeds instead of the 3 of `make test`.
test-noisy: configure
	cmake --build $(BUILD) -j $(JOBS) --target access_tst_przesylanie
	ZR05_SEEDS=100 QT_QPA_PLATFORM=offscreen $(BUILD)/tests/access_tst_przesylanie zaszumionaLinia

# Every test again under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	[ -f $(ASAN_BUILD)/build.ninja ] || cmake -S . -B $(ASAN_BUILD) $(CLANG_CMAKE)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:strict_init_order=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# Each property under libFuzzer for FUZZ_SECONDS, starting from the inputs saved in
# tests/fuzz/<property>/; an input that breaks one is written there, and `make test` replays it.
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) $(CLANG_CMAKE) -DZR05_FUZZ=ON \
	  -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link -DZR05_DEBUG_FLAGS="-O1 -g1" >/dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	for w in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/korpus/$$w && \
	  $(FUZZ_BUILD)/fuzz/fuzz_$$w -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	    -artifact_prefix=tests/fuzz/$$w/ -print_final_stats=1 \
	    $(FUZZ_BUILD)/korpus/$$w tests/fuzz/$$w || exit 1; \
	done

# Lines of tests against lines of code, and the share in percent.
test-share:
	@./tools/test-share.sh

run: build
	./tools/run-with-sim.sh $(BUILD)

bench: build
	cmake --build $(BUILD) --target bench

# The Debian package, from an optimised build of only what it ships.
package: deps
	cmake -S . -B $(RELEASE) -G Ninja -DCMAKE_BUILD_TYPE=Release -DZR05_TESTS=OFF
	cmake --build $(RELEASE) -j $(JOBS) --target package
	@ls -l $(RELEASE)/zr05_*.deb

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(RELEASE)
