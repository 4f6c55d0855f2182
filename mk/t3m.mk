# The companion tool t3m: its packages and the README pictures.
#
#   make pictures   renders every example plot into docs/pictures/NAME.png

# libpng and the glTF library build t3m; assimp and admesh are the independent
# readers its tests load every export into.
BUILD_NEEDS += /usr/include/png.h:libpng-dev \
  /usr/include/tiny_gltf.h:libtinygltf-dev
TEST_NEEDS += /usr/bin/assimp:assimp-utils /usr/bin/admesh:admesh

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
