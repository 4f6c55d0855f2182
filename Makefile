# The front door: `make run` converts the bundled example, `make check` builds
# and runs every test. Both install what they need on a fresh machine.

BUILD ?= build
CMAKE_FLAGS ?=
WERROR ?= OFF
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all run check deps configure clean

all: configure
	cmake --build $(BUILD) -j $(JOBS)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTURNEL_WERROR=$(WERROR) $(CMAKE_FLAGS) >/dev/null

# GoogleTest and the build tools come from the system's packages.
deps:
	@missing=""; \
	command -v cmake >/dev/null || missing="$$missing cmake"; \
	command -v g++ >/dev/null || missing="$$missing g++"; \
	test -f /usr/include/gtest/gtest.h || missing="$$missing libgtest-dev"; \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
	    apt-get install -y -qq $$missing >/dev/null; \
	fi

run: all
	./$(BUILD)/turnel /a:4 examples/vase.txt $(BUILD)/vase

check: all
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)

include mk/hardening.mk
