# The front door: `make run` converts the bundled example, `make check` builds
# and runs every test. Both install what they need on a fresh machine: `make
# run` what building the programs needs, `make check` the test tools too.

BUILD ?= build
CMAKE_FLAGS ?=
WERROR ?= OFF
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local
# ON: build the tests too, GoogleTest required; AUTO: where it is installed.
TESTS ?= AUTO

.PHONY: all run check deps test-deps configure install clean check-windows \
  windows-deps dist-windows

# What building the programs needs from the system's packages, then what the
# tests need besides: a file that shows the package is there, a colon, and
# the package. More come from mk/.
BUILD_NEEDS := /usr/bin/cmake:cmake /usr/bin/g++:g++
TEST_NEEDS := /usr/include/gtest/gtest.h:libgtest-dev

# $(call install_needs,NEEDS[,APT_FLAGS]): installs the packages of NEEDS that
# are missing, passing APT_FLAGS to apt-get install.
define install_needs
	@missing=""; \
	for need in $(1); do \
	  test -e "$${need%%:*}" || missing="$$missing $${need#*:}"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
	    apt-get install -y -qq $(2) $$missing >/dev/null; \
	fi
endef

all: configure
	cmake --build $(BUILD) -j $(JOBS)

deps:
	$(call install_needs,$(BUILD_NEEDS))

test-deps:
	$(call install_needs,$(BUILD_NEEDS) $(TEST_NEEDS))

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTURNEL_WERROR=$(WERROR) -DTURNEL_TESTS=$(TESTS) $(CMAKE_FLAGS) \
	  >/dev/null

run: all
	./$(BUILD)/turnel /a:4 examples/vase.txt $(BUILD)/vase

check: test-deps
	@$(MAKE) --no-print-directory all TESTS=ON
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The programs, the 3D library with its header, and the manual pages.
install: all
	cmake --install $(BUILD) --prefix $(PREFIX)

# The Windows program, cross-compiled and tested under Wine.
WIN_BUILD ?= build-win

WINDOWS_NEEDS := /usr/bin/x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64-posix \
  /usr/lib/wine/wine64:wine64 /usr/src/googletest/CMakeLists.txt:googletest

windows-deps:
	$(call install_needs,$(BUILD_NEEDS) $(TEST_NEEDS) $(WINDOWS_NEEDS))

check-windows: windows-deps
	@$(MAKE) --no-print-directory all TESTS=ON
	@cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTURNEL_WERROR=$(WERROR) \
	  -DTURNEL_TESTS=ON >/dev/null
	cmake --build $(WIN_BUILD) -j $(JOBS)
	scripts/check-windows.sh $(BUILD) $(WIN_BUILD)

# What a Windows user unpacks: the program beside its library, the README and
# the example plots, in one folder.
DIST_NEEDS := /usr/bin/x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64-posix \
  /usr/bin/zip:zip

dist-windows:
	$(call install_needs,$(BUILD_NEEDS) $(DIST_NEEDS))
	@cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTURNEL_WERROR=$(WERROR) \
	  >/dev/null
	cmake --build $(WIN_BUILD) -j $(JOBS) --target turnel
	rm -rf $(WIN_BUILD)/dist $(WIN_BUILD)/turnel-windows.zip
	mkdir -p $(WIN_BUILD)/dist/turnel/examples
	cp $(WIN_BUILD)/turnel.exe $(WIN_BUILD)/Torvane3D.dll README.md \
	  $(WIN_BUILD)/dist/turnel/
	cp examples/*.txt $(WIN_BUILD)/dist/turnel/examples/
	cd $(WIN_BUILD)/dist && zip -qr ../turnel-windows.zip turnel
	@echo "$(WIN_BUILD)/turnel-windows.zip"

clean:
	rm -rf $(BUILD)

include mk/hardening.mk
include mk/t3m.mk
include mk/studio.mk
