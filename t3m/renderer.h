// The preview picture: the model shaded in a fixed three-quarter view from
// above, drawn by a small software z-buffer.
#ifndef TURNEL_T3M_RENDERER_H_
#define TURNEL_T3M_RENDERER_H_

#include <vector>

#include "t3m/model.h"

constexpr int kDefaultImageWidth = 800;
constexpr int kDefaultImageHeight = 600;
constexpr int kMaxImageSide = 2048;

// Rows top to bottom, three bytes (R, G, B) a pixel.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
};

// Draws the model's triangles that have area, fitted to a width x height
// frame (each 1 to kMaxImageSide). The same model and size give the same
// bytes every time. False when no triangle has area.
bool RenderModel(const Model& model, int width, int height, Image* image);

#endif  // TURNEL_T3M_RENDERER_H_
