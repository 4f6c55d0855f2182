# The studio: turnel itself built to WebAssembly, in a page that draws a
# profile, shows the model turning and saves the bytes turnel writes.
#
#   make studio         build the page into build/studio/ and serve it on
#                       http://127.0.0.1:8000/ (PORT= for another port)
#   make studio-build   build the page only
#   make check-studio   the page's tests in a headless Chromium
#   make studio-picture the README's picture of the page, docs/pictures/studio.png

WASM_BUILD ?= build-wasm
STUDIO_OUT ?= $(BUILD)/studio
PORT ?= 8000

# CMake, Debian's emscripten, the parser its optimizer loads, and Node with
# npm. A Node installed under the same package name from elsewhere is kept:
# it satisfies emscripten's dependency, and brings its own npm.
STUDIO_NEEDS := /usr/bin/cmake:cmake /usr/bin/em++:emscripten \
  /usr/share/nodejs/acorn/package.json:node-acorn /usr/bin/node:nodejs \
  /usr/bin/npm:npm
STUDIO_CHECK_NEEDS := /usr/bin/chromium:chromium
# The optimizer finds Debian's acorn only here.
EM_ENV := NODE_PATH=/usr/share/nodejs

# The same sources as the native program. No fused multiply-add: the model's
# floats then round as the native program's do, bit for bit. The runtime
# stays up between runs, so that the page calls main once per conversion;
# standard output is flushed by the page after each.
STUDIO_CXX_FLAGS := -ffp-contract=off
STUDIO_LINK_FLAGS := -O2 -sMODULARIZE=1 -sEXPORT_ES6=1 \
  -sEXPORT_NAME=createTurnel -sENVIRONMENT=web -sINVOKE_RUN=0 \
  -sEXIT_RUNTIME=0 -sALLOW_MEMORY_GROWTH=1 -sDYNAMIC_EXECUTION=0 \
  -sEXPORTED_FUNCTIONS=_main,_fflush \
  -sEXPORTED_RUNTIME_METHODS=callMain,FS

# Without the packages only recommended, which for a browser and a compiler
# are many and unused here.
NO_RECOMMENDS := --no-install-recommends

.PHONY: studio studio-deps studio-build studio-wasm studio-npm check-studio \
  studio-browser studio-picture

studio-deps:
	$(call install_needs,$(STUDIO_NEEDS),$(NO_RECOMMENDS))

# RelWithDebInfo's optimization and NDEBUG, as the native build has them,
# without the debug information.
studio-wasm: studio-deps
	@mkdir -p $(WASM_BUILD)
	@$(EM_ENV) emcmake cmake -S . -B $(WASM_BUILD) -Wno-dev \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
	  -DCMAKE_CXX_FLAGS="$(STUDIO_CXX_FLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$(STUDIO_LINK_FLAGS)" \
	  -DTURNEL_TESTS=OFF -DTURNEL_WERROR=$(WERROR) \
	  >$(WASM_BUILD)/configure.log 2>&1 || \
	  { cat $(WASM_BUILD)/configure.log; exit 1; }
	@$(EM_ENV) cmake --build $(WASM_BUILD) -j $(JOBS) --target turnel \
	  -- --no-print-directory

studio-npm: studio-deps
	@cd studio && if [ ! -f node_modules/.package-lock.json ] || \
	  [ package-lock.json -nt node_modules/.package-lock.json ]; then \
	  npm ci --no-audit --no-fund --loglevel=error; fi

studio-build: studio-wasm studio-npm
	@mkdir -p $(STUDIO_OUT)
	@cd studio && ./node_modules/.bin/esbuild src/main.js --bundle \
	  --format=esm --minify --target=es2020 --loader:.txt=text \
	  --alias:turnel-wasm=$(abspath $(WASM_BUILD))/turnel.js \
	  --outfile=$(abspath $(STUDIO_OUT))/studio.js --log-level=warning
	@cp $(WASM_BUILD)/turnel.wasm studio/index.html studio/studio.css \
	  $(STUDIO_OUT)/
	@echo "$(STUDIO_OUT)/: index.html studio.js turnel.wasm studio.css"

studio: studio-build
	node studio/server.js $(STUDIO_OUT) $(PORT)

# The native program gives the bytes the page's must equal.
studio-browser:
	$(call install_needs,$(STUDIO_CHECK_NEEDS),$(NO_RECOMMENDS))

check-studio: studio-build studio-browser
	@$(MAKE) --no-print-directory all
	node studio/test/studio_test.mjs $(BUILD)/turnel $(STUDIO_OUT)

studio-picture: studio-build studio-browser
	node studio/screenshot.mjs $(STUDIO_OUT) docs/pictures/studio.png
