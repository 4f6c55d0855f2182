// The preview: a fitted, z-buffered picture, and its PNG bytes.
#include "t3m/renderer.h"

#include <gtest/gtest.h>
#include <png.h>

#include "t3m/png_writer.h"
#include "t3m/test_models.h"

namespace {

// Two squares facing the viewer at different tilts, the small one in front.
Model TwoSquares(bool front_first) {
  Positions p = {{-1, -1, 0},        {1, -1, 0},        {1, 1, 0},
                 {-1, 1, 0},         {-0.3f, -0.3f, 2}, {0.3f, -0.3f, 2.5f},
                 {0.3f, 0.3f, 2.5f}, {-0.3f, 0.3f, 2}};
  Faces back = {{0, 1, 2}, {0, 2, 3}};
  Faces front = {{4, 5, 6}, {4, 6, 7}};
  Faces f = front_first ? front : back;
  for (auto face : front_first ? back : front) f.push_back(face);
  return MakeModel(p, f);
}

TEST(RendererTest, TheNearerSurfaceShowsWhateverTheDrawingOrder) {
  Image a, b;
  ASSERT_TRUE(RenderModel(TwoSquares(true), 64, 48, &a));
  ASSERT_TRUE(RenderModel(TwoSquares(false), 64, 48, &b));
  EXPECT_EQ(a.rgb, b.rgb);
  Model nothing = MakeModel({{0, 0, 0}, {0, 0, 0}, {1, 1, 1}}, {{0, 1, 2}});
  EXPECT_FALSE(RenderModel(nothing, 10, 10, &a));
}

TEST(RendererTest, TheModelFillsTheFrameUpToItsMargin) {
  const struct {
    int width, height;
  } kCases[] = {{800, 600}, {90, 300}, {8, 6}};
  for (const auto& c : kCases) {
    Image image;
    ASSERT_TRUE(RenderModel(AxisPyramid(0.0f), c.width, c.height, &image));
    ASSERT_EQ(image.rgb.size(), 3u * c.width * c.height);
    int left = c.width, right = -1, top = c.height, bottom = -1;
    for (int y = 0; y < c.height; ++y) {
      for (int x = 0; x < c.width; ++x) {
        if (image.rgb[3 * (y * c.width + x)] == 245) continue;  // background
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
    }
    const int margin = static_cast<int>(0.06 * std::min(c.width, c.height));
    EXPECT_TRUE(left >= margin - 1 && right <= c.width - margin &&
                top >= margin - 1 && bottom <= c.height - margin)
        << c.width << "x" << c.height;
    // Fitted: touching the margin on one pair of sides at least.
    EXPECT_TRUE(left <= margin + 1 || top <= margin + 1)
        << c.width << "x" << c.height;
  }
}

TEST(RendererTest, AModelThatCoversTheFrameOverAndOverIsDrawnCoarser) {
  // The same square two thousand times: a thousand times the budget.
  Faces faces;
  for (int i = 0; i < 1000; ++i)
    faces.insert(faces.end(), {{0, 1, 2}, {0, 2, 3}});
  const Positions square = {{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, 1, 0}};
  Image once, over;
  ASSERT_TRUE(
      RenderModel(MakeModel(square, {{0, 1, 2}, {0, 2, 3}}), 64, 48, &once));
  ASSERT_TRUE(RenderModel(MakeModel(square, faces), 64, 48, &over));
  ASSERT_EQ(over.rgb.size(), once.rgb.size());
  // Coarser at the outline, the same where the square is and where it is not.
  for (const int pixel : {0, 24 * 64 + 32, 64 * 48 - 1}) {
    for (int c = 0; c < 3; ++c) {
      EXPECT_EQ(over.rgb[3 * pixel + c], once.rgb[3 * pixel + c]) << pixel;
    }
  }
}

TEST(PngWriterTest, EncodesThePixelsExactlyAndTheSameEachTime) {
  Image image;
  ASSERT_TRUE(RenderModel(AxisPyramid(0.0f), 37, 23, &image));
  std::string first, second;
  ASSERT_TRUE(EncodePng(image, &first));
  ASSERT_TRUE(EncodePng(image, &second));
  EXPECT_EQ(first, second);
  png_image decoded = {};
  decoded.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(
      png_image_begin_read_from_memory(&decoded, first.data(), first.size()));
  decoded.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(decoded));
  ASSERT_TRUE(
      png_image_finish_read(&decoded, nullptr, pixels.data(), 0, nullptr));
  EXPECT_EQ(pixels, image.rgb);
  EXPECT_FALSE(EncodePng(Image(), &first));
}

}  // namespace
