# Sanitizers, fuzzing, hostile plots and the benchmark.
#
#   make check-sanitize   the whole test suite under ASan and UBSan
#   make fuzz             every fuzz target for FUZZ_SECONDS (default 60) each
#   make fuzz-smoke       every fuzz target for about 20 s each
#   make hostile          both programs against hostile plots and conditions
#   make bench            whole-process conversions against the floor program

ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
REL_BUILD ?= build-bench
FUZZ_SECONDS ?= 60
FUZZ_SMOKE_SECONDS ?= 20
BENCH_RUNS ?= 300
FUZZ_TARGETS := plot args convert model_reader

SANITIZE := -fsanitize=address,undefined -fno-sanitize-recover=all \
  -fno-omit-frame-pointer
# Any report ends the program with a failing status, leaks included, and
# reports show where they happened.
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  LSAN_OPTIONS=exitcode=23
FUZZ_CXX := clang++-14
FUZZ_NEEDS := /usr/bin/clang++-14:clang-14 \
  /usr/lib/llvm-14/lib/clang/14.0.6/lib/linux/libclang_rt.fuzzer-x86_64.a:libclang-rt-14-dev
HOSTILE_NEEDS := /usr/bin/time:time /usr/bin/iconv:libc-bin \
  /usr/bin/script:bsdutils
FUZZ_FLAGS := -fsanitize=fuzzer-no-link,address,undefined \
  -fno-sanitize-recover=all -fno-omit-frame-pointer -g -O1

.PHONY: check-sanitize fuzz-deps fuzz-build fuzz fuzz-smoke hostile-deps \
  hostile bench rel-build

# The sanitizer runtimes cannot go into a static program, so the converter is
# linked dynamically here.
check-sanitize: test-deps
	@cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug \
	  -DTURNEL_WERROR=$(WERROR) -DTURNEL_STATIC_EXE=OFF -DTURNEL_TESTS=ON \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" \
	  -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE)" >/dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -j $(JOBS)

fuzz-deps:
	$(call install_needs,$(BUILD_NEEDS) $(FUZZ_NEEDS))

fuzz-build: fuzz-deps
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=None \
	  -DCMAKE_CXX_COMPILER=$(FUZZ_CXX) -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" \
	  -DTURNEL_FUZZ=ON -DTURNEL_TESTS=OFF -DTURNEL_STATIC_EXE=OFF \
	  -DTURNEL_WERROR=$(WERROR) >/dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS) \
	  --target $(foreach t,$(FUZZ_TARGETS),$(t)_fuzzer) -- --no-print-directory

fuzz: fuzz-build
	for t in $(FUZZ_TARGETS); do \
	  fuzz/run_fuzzer.sh $(FUZZ_BUILD) $$t $(FUZZ_SECONDS) || exit 1; \
	done

fuzz-smoke: fuzz-build
	for t in $(FUZZ_TARGETS); do \
	  fuzz/run_fuzzer.sh $(FUZZ_BUILD) $$t $(FUZZ_SMOKE_SECONDS) || exit 1; \
	done

# A release build of the program of its own, for the measurements.
rel-build: deps
	@cmake -S . -B $(REL_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTURNEL_TESTS=OFF >/dev/null
	cmake --build $(REL_BUILD) -j $(JOBS) --target turnel t3m

hostile-deps:
	$(call install_needs,$(BUILD_NEEDS) $(HOSTILE_NEEDS))

hostile: rel-build hostile-deps
	scripts/hostile.sh $(REL_BUILD)/turnel $(REL_BUILD)/t3m

bench: rel-build
	bench/run.sh $(REL_BUILD)/turnel $(BENCH_RUNS)
