# The front door: `make run` converts the bundled example, `make check` builds
# and runs every test. Both install what they need on a fresh machine.

BUILD ?= build
CMAKE_FLAGS ?=
WERROR ?= OFF
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all run check deps configure clean check-windows windows-deps

all: configure
	cmake --build $(BUILD) -j $(JOBS)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTURNEL_WERROR=$(WERROR) $(CMAKE_FLAGS) >/dev/null

# What the build and the tests need from the system's packages: a file that
# shows the package is there, a colon, and the package. More come from mk/.
NEEDS := /usr/bin/cmake:cmake /usr/bin/g++:g++ \
  /usr/include/gtest/gtest.h:libgtest-dev

deps:
	@missing=""; \
	for need in $(NEEDS); do \
	  test -e "$${need%%:*}" || missing="$$missing $${need#*:}"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
	    apt-get install -y -qq $$missing >/dev/null; \
	fi

run: all
	./$(BUILD)/turnel /a:4 examples/vase.txt $(BUILD)/vase

check: all
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# The Windows program, cross-compiled and tested under Wine.
WIN_BUILD ?= build-win

WINDOWS_NEEDS := /usr/bin/x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64-posix \
  /usr/lib/wine/wine64:wine64 /usr/src/googletest/CMakeLists.txt:googletest

windows-deps:
	@$(MAKE) --no-print-directory deps NEEDS="$(NEEDS) $(WINDOWS_NEEDS)"

check-windows: all windows-deps
	@cmake -S . -B $(WIN_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTURNEL_WERROR=$(WERROR) >/dev/null
	cmake --build $(WIN_BUILD) -j $(JOBS)
	scripts/check-windows.sh $(BUILD) $(WIN_BUILD)

clean:
	rm -rf $(BUILD)

include mk/hardening.mk
include mk/t3m.mk
