# Thin wrapper over CMake. `make run` and `make test` do all set-up on a fresh Debian machine.
BUILD ?= build
JOBS ?= $(shell nproc)
DEB_PACKAGES = cmake ninja-build g++ qt6-base-dev qt6-serialport-dev qt6-svg-dev \
               qt6-translations-l10n fonts-liberation poppler-utils ccache lld ser2net
SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build test test-share run bench clean format

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

# Lines of tests against lines of code, and the share in percent.
test-share:
	@./tools/test-share.sh

run: build
	./tools/run-with-sim.sh $(BUILD)

bench: build
	cmake --build $(BUILD) --target bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
