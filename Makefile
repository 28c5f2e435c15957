# Tabulora — the two commands a person needs: `make run` and `make test`.
# Both install the Debian packages they miss (apt-get; sudo when not root), configure and build.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)

BUILD_PKGS = g++ cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n librtmidi-dev libxcb-keysyms1-dev \
             libxcb-xtest0-dev libxcb-xkb-dev libxtst-dev libx11-dev libxkbcommon-dev
TEST_PKGS  = xvfb xauth x11-xkb-utils xdotool xclip x11-utils xterm poppler-utils imagemagick trayer openbox \
             dbus-daemon python3-dbus python3-gi \
             cups cups-client \
             $(PACKAGE_PKGS)
# What building and checking the .deb needs: dpkg-shlibdeps, and the two validators.
PACKAGE_PKGS = dpkg-dev desktop-file-utils appstream

SUDO = $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all run test bench build deps test-deps package clean

all: build

# Installs only what dpkg does not already list as installed.
define install_missing
	@missing=$$(for p in $(1); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_missing,$(BUILD_PKGS))

test-deps: deps
	$(call install_missing,$(TEST_PKGS))

$(BUILD)/build.ninja: CMakeLists.txt | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/tabulora

test: test-deps build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTABULORA_SANITIZE=ON -DTABULORA_LOGIC_ONLY=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

bench: test-deps build
	$(BUILD)/bench/bench_engine
	$(BUILD)/bench/bench_window
	$(BUILD)/bench/bench_tapestate
	$(BUILD)/bench/bench_installments
	$(BUILD)/bench/bench_converter
	$(BUILD)/bench/bench_documents
	$(BUILD)/bench/bench_tools
	$(BUILD)/bench/bench_keysound
	xvfb-run -a -s "-screen 0 1280x800x24 -noreset" $(BUILD)/bench/bench_startup
	xvfb-run -a -s "-screen 0 1280x800x24 -noreset" $(BUILD)/bench/bench_hotkey
	xvfb-run -a -s "-screen 0 1280x800x24 -noreset" $(BUILD)/bench/bench_toolwindows
	xvfb-run -a -s "-screen 0 1280x800x24 -noreset" $(BUILD)/bench/bench_monitor

# The .deb of this build, in $(BUILD)/package: `sudo apt install ./$(BUILD)/package/tabulora_*.deb`.
package: build
	$(call install_missing,$(PACKAGE_PKGS))
	cpack --config $(BUILD)/CPackConfig.cmake -B $(CURDIR)/$(BUILD)/package
	@ls $(BUILD)/package/*.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
