# Sanitizers, fuzzing, hostile plots and the benchmark.
#
#   make check-sanitize   the whole test suite under ASan and UBSan
#   make fuzz             every fuzz target for FUZZ_SECONDS (default 60) each
#   make fuzz-smoke       every fuzz target for about 20 s each
#   make hostile          the program against generated hostile plots
#   make bench            whole-process conversions against the floor program

ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
REL_BUILD ?= build-bench
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 20
BENCH_RUNS ?= 300
FUZZ_TARGETS := plot args convert
# Long enough for a line past the 20479-character limit.
FUZZ_MAX_LEN_plot := 32768
FUZZ_MAX_LEN_args := 2048
FUZZ_MAX_LEN_convert := 8192

SANITIZE := -fsanitize=address,undefined -fno-sanitize-recover=all \
  -fno-omit-frame-pointer
# Any report ends the program with a failing status, leaks included, and
# reports show where they happened.
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=exitcode=23
FUZZ_CXX := clang++-14
FUZZ_FLAGS := -fsanitize=fuzzer-no-link,address,undefined \
  -fno-sanitize-recover=all -fno-omit-frame-pointer -g -O1

.PHONY: check-sanitize fuzz-deps fuzz-build fuzz fuzz-smoke hostile-deps \
  hostile bench rel-build

# The sanitizer runtimes cannot go into a static program, so the converter is
# linked dynamically here.
check-sanitize: deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug \
	  -DTURNEL_WERROR=$(WERROR) -DTURNEL_STATIC_EXE=OFF \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" \
	  -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE)" >/dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

fuzz-deps: deps
	@missing=""; \
	command -v $(FUZZ_CXX) >/dev/null || missing="$$missing clang-14"; \
	ls /usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a \
	  >/dev/null 2>&1 || missing="$$missing libclang-rt-14-dev"; \
	if [ -n "$$missing" ]; then \
	  echo "installing:$$missing"; \
	  apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
	    apt-get install -y -qq $$missing >/dev/null; \
	fi

fuzz-build: fuzz-deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=None \
	  -DCMAKE_CXX_COMPILER=$(FUZZ_CXX) -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" \
	  -DTURNEL_FUZZ=ON -DTURNEL_TESTS=OFF -DTURNEL_STATIC_EXE=OFF \
	  -DTURNEL_WERROR=$(WERROR) >/dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS) \
	  $(foreach t,$(FUZZ_TARGETS),--target $(t)_fuzzer)

# Each target first replays its corpus in the repository (the seeds and every
# earlier finding), then fuzzes; new inputs collect in the build directory,
# and an input that breaks a target is kept under $(FUZZ_BUILD)/findings.
define run_fuzzer
	@mkdir -p $(FUZZ_BUILD)/corpus/$(1) $(FUZZ_BUILD)/findings
	@echo "fuzzing $(1) for $(2) s"
	cd $(FUZZ_BUILD) && $(SANITIZER_ENV) nice ./$(1)_fuzzer \
	  -max_total_time=$(2) -max_len=$(FUZZ_MAX_LEN_$(1)) -timeout=10 \
	  -rss_limit_mb=4096 -print_final_stats=1 \
	  -dict=$(CURDIR)/fuzz/$(1).dict \
	  -artifact_prefix=findings/$(1)- corpus/$(1) $(CURDIR)/fuzz/corpus/$(1) \
	  2>&1 | tail -n 25; exit $${PIPESTATUS[0]}
endef

fuzz: SHELL := /bin/bash
fuzz: fuzz-build
	$(foreach t,$(FUZZ_TARGETS),$(call run_fuzzer,$(t),$(FUZZ_SECONDS))
	)

fuzz-smoke: SHELL := /bin/bash
fuzz-smoke: fuzz-build
	$(foreach t,$(FUZZ_TARGETS),$(call run_fuzzer,$(t),$(FUZZ_SMOKE_SECONDS))
	)

# A release build of the program of its own, for the measurements.
rel-build: deps
	@cmake -S . -B $(REL_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTURNEL_TESTS=OFF >/dev/null
	cmake --build $(REL_BUILD) -j $(JOBS) --target turnel

hostile-deps:
	@command -v /usr/bin/time >/dev/null && command -v iconv >/dev/null || { \
	  echo "installing: time"; apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq time libc-bin \
	  >/dev/null; }

hostile: rel-build hostile-deps
	scripts/hostile.sh $(REL_BUILD)/turnel

bench: rel-build
	bench/run.sh $(REL_BUILD)/turnel $(BENCH_RUNS)
