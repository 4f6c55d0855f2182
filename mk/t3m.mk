# The companion tool t3m: its packages, the glTF validator its tests use,
# and the README pictures.
#
#   make pictures   renders every example plot into docs/pictures/NAME.png

# libpng, the glTF library and libzip (3MF files are zip packages) build t3m; assimp and admesh are the independent readers its tests
# load every export into.
BUILD_NEEDS += /usr/include/png.h:libpng-dev \
  /usr/include/tiny_gltf.h:libtinygltf-dev \
  /usr/include/zip.h:libzip-dev /usr/bin/pkg-config:pkg-config
TEST_NEEDS += /usr/bin/assimp:assimp-utils /usr/bin/admesh:admesh

# The glTF format's reference validator, from npm at the version the lock file
# pins; the tests run every .glb export through it.
GLTF_VALIDATE := scripts/gltf-validate
GLTF_VALIDATOR := $(GLTF_VALIDATE)/node_modules/gltf-validator/package.json
NODE_NEEDS := /usr/bin/node:nodejs /usr/bin/npm:npm

test-deps: $(GLTF_VALIDATOR)

# npm dates what it unpacks in the past: the touch keeps make from unpacking
# it again on every run.
$(GLTF_VALIDATOR): $(GLTF_VALIDATE)/package-lock.json
	$(call install_needs,$(NODE_NEEDS))
	cd $(GLTF_VALIDATE) && npm ci --no-audit --no-fund --silent
	touch $@

# The finest sweep, so that the pictures show the shape rather than facets.
PICTURE_ACCURACY ?= 10
PICTURES_DIR ?= docs/pictures

.PHONY: pictures

# turnel's exit status is always 0: the model file's presence tells success.
pictures: all
	@mkdir -p $(PICTURES_DIR) $(BUILD)/pictures
	@set -e; t3m=./$(BUILD)/t3m; \
	for plot in examples/*.txt; do \
	  name=$$(basename $$plot .txt); \
	  model=$(BUILD)/pictures/$$name.t3m; \
	  rm -f $$model; \
	  ./$(BUILD)/turnel /a:$(PICTURE_ACCURACY) $$plot $$model >/dev/null; \
	  test -f $$model || { echo "turnel failed on $$plot"; exit 1; }; \
	  $$t3m render $$model $(PICTURES_DIR)/$$name.png >/dev/null; \
	  echo "$(PICTURES_DIR)/$$name.png"; \
	done

# The exports opened in a slicer, a mesh checker and a modeller. These are
# large installs, so this check stands apart from make check.
# Desktop programs run under a virtual display.
XVFB_NEEDS := /usr/bin/xvfb-run:xvfb /usr/bin/xauth:xauth
EXPORT_READER_NEEDS := /usr/bin/prusa-slicer:prusa-slicer \
  /usr/bin/blender:blender /usr/bin/admesh:admesh $(XVFB_NEEDS)

.PHONY: check-exports

check-exports: all
	$(call install_needs,$(EXPORT_READER_NEEDS))
	scripts/check-exports.sh $(BUILD)

# The README's pictures of the glTF export as a glTF viewer shows it.
VIEWER_NEEDS := /usr/bin/f3d:f3d $(XVFB_NEEDS)

.PHONY: export-pictures

export-pictures: all
	$(call install_needs,$(VIEWER_NEEDS))
	@set -e; dir=$$(mktemp -d); trap 'rm -rf "$$dir"' EXIT; \
	cp examples/goblet.txt t3m/testdata/closed_vase.txt $$dir; \
	for name in goblet closed_vase; do \
	  (cd $$dir && $(CURDIR)/$(BUILD)/turnel /a:10 $$name.txt $$name >/dev/null \
	    && $(CURDIR)/$(BUILD)/t3m export $$name.t3m $$name.glb >/dev/null); \
	  xvfb-run -a f3d $$dir/$$name.glb --resolution=400,400 \
	    --camera-elevation-angle=30 \
	    --output=$(PICTURES_DIR)/$$name-glb.png 2>/dev/null; \
	  echo "$(PICTURES_DIR)/$$name-glb.png"; \
	done
