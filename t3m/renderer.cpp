// The preview picture: the model shaded in a fixed three-quarter view from
// above, drawn by a small software z-buffer.
#include "t3m/renderer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "t3m/geometry.h"

namespace {

// Each pixel is the mean of kSamples x kSamples samples, which smooths the
// outline.
constexpr int kSamples = 2;
// The work a picture may take: its triangles may cover its samples this many
// times over. A model that would cover them more (thousands of triangles
// across the whole frame) is drawn on a coarser grid of samples instead,
// scaled up to the size asked for.
constexpr double kCoverageBudget = 16.0;
constexpr double kPi = 3.14159265358979323846;
// Turned a little past the front and looking down at 30 degrees.
constexpr double kAzimuth = 35.0 * kPi / 180.0;
constexpr double kElevation = 30.0 * kPi / 180.0;
// The free border around the fitted model, as a share of the shorter side.
constexpr double kMargin = 0.06;
// A key light from the upper left and a weaker fill from the right, so that
// the side turned from the key still shows its form.
constexpr double kAmbient = 0.28;
constexpr double kKey = 0.62;
constexpr double kFill = 0.22;
// The inside of an open model shows a little darker than the outside.
constexpr double kInsideShade = 0.8;
constexpr unsigned char kBackground[3] = {245, 245, 245};
constexpr double kClay[3] = {200.0, 122.0, 84.0};

// The camera's frame: right, up and towards the viewer.
struct View {
  Vec3 right;
  Vec3 up;
  Vec3 toward;
  Vec3 key;
  Vec3 fill;
};

View MakeView() {
  View view;
  view.toward = {std::cos(kElevation) * std::sin(kAzimuth),
                 std::sin(kElevation),
                 std::cos(kElevation) * std::cos(kAzimuth)};
  view.right = Normalized(Cross(Vec3{0.0, 1.0, 0.0}, view.toward));
  view.up = Cross(view.toward, view.right);
  view.key = Normalized(view.right * -0.45 + view.up * 0.7 + view.toward * 0.8);
  view.fill = Normalized(view.right * 0.8 + view.up * 0.1 + view.toward * 0.4);
  return view;
}

// A corner in sample space: x to the right, y downwards, depth growing
// towards the viewer.
struct ScreenPoint {
  double x;
  double y;
  double depth;
};

// Maps model positions to sample space so that the model fills the frame.
class Fit {
 public:
  Fit(const Model& model, const std::vector<int32_t>& triangles,
      const View& view, int width, int height)
      : view_(view) {
    double min_x = std::numeric_limits<double>::max();
    double min_y = min_x;
    double max_x = -min_x;
    double max_y = -min_x;
    for (int32_t t : triangles) {
      for (uint16_t corner : OutwardCorners(model, t)) {
        Vec3 p = PositionOf(model.vertices[corner]);
        min_x = std::min(min_x, Dot(p, view.right));
        max_x = std::max(max_x, Dot(p, view.right));
        min_y = std::min(min_y, Dot(p, view.up));
        max_y = std::max(max_y, Dot(p, view.up));
      }
    }
    const double margin = kMargin * std::min(width, height);
    const double room_x = std::max(width - 2.0 * margin, 1.0);
    const double room_y = std::max(height - 2.0 * margin, 1.0);
    const double extent_x = max_x - min_x;
    const double extent_y = max_y - min_y;
    scale_ = std::numeric_limits<double>::max();
    if (extent_x > 0.0) scale_ = room_x / extent_x;
    if (extent_y > 0.0) scale_ = std::min(scale_, room_y / extent_y);
    // A model that is a single point seen from here.
    if (scale_ == std::numeric_limits<double>::max()) scale_ = 1.0;
    offset_x_ = width / 2.0 - scale_ * (min_x + max_x) / 2.0;
    offset_y_ = height / 2.0 + scale_ * (min_y + max_y) / 2.0;
  }

  ScreenPoint Project(const Vec3& p) const {
    return {offset_x_ + scale_ * Dot(p, view_.right),
            offset_y_ - scale_ * Dot(p, view_.up), Dot(p, view_.toward)};
  }

 private:
  const View& view_;
  double scale_;
  double offset_x_;
  double offset_y_;
};

// The samples of one picture: colour and the depth of what each shows.
class SampleBuffer {
 public:
  SampleBuffer(int width, int height)
      : width_(width),
        height_(height),
        depth_(static_cast<size_t>(width) * height,
               -std::numeric_limits<float>::infinity()),
        rgb_(3 * static_cast<size_t>(width) * height) {
    for (size_t i = 0; i < depth_.size(); ++i) {
      std::copy(kBackground, kBackground + 3, &rgb_[3 * i]);
    }
  }

  // Fills the triangle's samples that lie nearer than what they show; a
  // sample on an edge shared by two triangles goes to the first drawn.
  void Fill(const ScreenPoint (&p)[3], const unsigned char (&colour)[3]) {
    const double area = Edge(p[0], p[1], p[2].x, p[2].y);
    if (area == 0.0) return;  // seen edge-on
    const int x0 = std::max(
        0, static_cast<int>(std::floor(std::min({p[0].x, p[1].x, p[2].x}))));
    const int x1 = std::min(
        width_ - 1,
        static_cast<int>(std::ceil(std::max({p[0].x, p[1].x, p[2].x}))));
    const int y0 = std::max(
        0, static_cast<int>(std::floor(std::min({p[0].y, p[1].y, p[2].y}))));
    const int y1 = std::min(
        height_ - 1,
        static_cast<int>(std::ceil(std::max({p[0].y, p[1].y, p[2].y}))));
    for (int y = y0; y <= y1; ++y) {
      const double sy = y + 0.5;
      int from = x0;
      int to = x1;
      NarrowToTriangle(p, area, sy, &from, &to);
      for (int x = from; x <= to; ++x) {
        const double sx = x + 0.5;
        // Weights of the corners, signed like the area when inside.
        const double w0 = Edge(p[1], p[2], sx, sy) / area;
        const double w1 = Edge(p[2], p[0], sx, sy) / area;
        const double w2 = Edge(p[0], p[1], sx, sy) / area;
        if (w0 < 0.0 || w1 < 0.0 || w2 < 0.0) continue;
        // Kept in float, which halves the buffer and still parts surfaces
        // far closer than a sample is wide.
        const float depth = static_cast<float>(
            w0 * p[0].depth + w1 * p[1].depth + w2 * p[2].depth);
        const size_t i = static_cast<size_t>(y) * width_ + x;
        if (depth <= depth_[i]) continue;
        depth_[i] = depth;
        std::copy(colour, colour + 3, &rgb_[3 * i]);
      }
    }
  }

  // Each pixel the sample nearest its centre, on a grid of samples coarser
  // than kSamples to a pixel.
  void ResolveCoarse(int width, int height, Image* image) const {
    image->width = width;
    image->height = height;
    image->rgb.assign(3 * static_cast<size_t>(width) * height, 0);
    for (int y = 0; y < height; ++y) {
      const int sy =
          std::min(height_ - 1, static_cast<int>((y + 0.5) * height_ / height));
      for (int x = 0; x < width; ++x) {
        const int sx =
            std::min(width_ - 1, static_cast<int>((x + 0.5) * width_ / width));
        const size_t from = 3 * (static_cast<size_t>(sy) * width_ + sx);
        std::copy(&rgb_[from], &rgb_[from] + 3,
                  &image->rgb[3 * (static_cast<size_t>(y) * width + x)]);
      }
    }
  }

  // Each pixel the rounded mean of its kSamples x kSamples block.
  void Resolve(Image* image) const {
    image->width = width_ / kSamples;
    image->height = height_ / kSamples;
    image->rgb.assign(3 * static_cast<size_t>(image->width) * image->height, 0);
    for (int y = 0; y < image->height; ++y) {
      for (int x = 0; x < image->width; ++x) {
        for (int c = 0; c < 3; ++c) {
          int sum = 0;
          for (int dy = 0; dy < kSamples; ++dy) {
            for (int dx = 0; dx < kSamples; ++dx) {
              size_t i = static_cast<size_t>(y * kSamples + dy) * width_ +
                         x * kSamples + dx;
              sum += rgb_[3 * i + c];
            }
          }
          const int count = kSamples * kSamples;
          image->rgb[3 * (static_cast<size_t>(y) * image->width + x) + c] =
              static_cast<unsigned char>((sum + count / 2) / count);
        }
      }
    }
  }

 private:
  static double Edge(const ScreenPoint& a, const ScreenPoint& b, double x,
                     double y) {
    return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
  }

  // Narrows [from, to] to the samples of the row at sy that may lie inside
  // the triangle, where each edge crosses the row, widened by one sample so
  // that no rounding drops one that the exact test keeps; the exact test
  // still decides. Costs a row, not its width, where the triangle is thin.
  static void NarrowToTriangle(const ScreenPoint (&p)[3], double area,
                               double sy, int* from, int* to) {
    double low = *from;
    double high = *to;
    for (int k = 0; k < 3; ++k) {
      const ScreenPoint& a = p[(k + 1) % 3];
      const ScreenPoint& b = p[(k + 2) % 3];
      // Edge(a, b, x, sy) = at_zero + slope * x, which must share the
      // area's sign.
      const double slope = area > 0.0 ? a.y - b.y : b.y - a.y;
      const double at_zero = (area > 0.0 ? 1.0 : -1.0) *
                             ((b.x - a.x) * (sy - a.y) + (b.y - a.y) * a.x);
      if (slope == 0.0) {
        if (at_zero < 0.0) high = low - 1.0;
        continue;
      }
      // The sample at x lies at x + 0.5.
      const double crossing = -at_zero / slope - 0.5;
      if (slope > 0.0) {
        low = std::max(low, std::ceil(crossing) - 1.0);
      } else {
        high = std::min(high, std::floor(crossing) + 1.0);
      }
    }
    if (!(low <= high)) {
      *to = *from - 1;
      return;
    }
    *from = static_cast<int>(low);
    *to = static_cast<int>(high);
  }

  int width_;
  int height_;
  std::vector<float> depth_;
  std::vector<unsigned char> rgb_;
};

// Flat shading with the light on whichever side of the face is seen.
void ShadeFace(const Vec3& normal, const View& view, unsigned char (&out)[3]) {
  Vec3 n = normal;
  double tint = 1.0;
  if (Dot(n, view.toward) < 0.0) {
    n = n * -1.0;
    tint = kInsideShade;
  }
  const double shade =
      tint * (kAmbient + kKey * std::max(0.0, Dot(n, view.key)) +
              kFill * std::max(0.0, Dot(n, view.fill)));
  for (int c = 0; c < 3; ++c) {
    out[c] = static_cast<unsigned char>(
        std::lround(std::min(255.0, kClay[c] * shade)));
  }
}

// The triangle's corners on a grid of width x height samples.
void ProjectTriangle(const Model& model, int32_t t, const Fit& fit,
                     ScreenPoint (&p)[3]) {
  std::array<uint16_t, 3> c = OutwardCorners(model, t);
  for (int k = 0; k < 3; ++k) {
    p[k] = fit.Project(PositionOf(model.vertices[c[k]]));
  }
}

// How many times coarser than kSamples to a pixel the grid of samples must
// be for the triangles' work to stay within the budget: 1 for every model
// but those that cover the frame many times over. Filling a triangle costs
// its covered samples and a step for each row it spans.
int CoarseningFor(const Model& model, const std::vector<int32_t>& triangles,
                  const View& view, int samples_x, int samples_y) {
  const Fit fit(model, triangles, view, samples_x, samples_y);
  double covered = 0.0;
  double rows = 0.0;
  for (int32_t t : triangles) {
    ScreenPoint p[3];
    ProjectTriangle(model, t, fit, p);
    covered += std::fabs((p[1].x - p[0].x) * (p[2].y - p[0].y) -
                         (p[1].y - p[0].y) * (p[2].x - p[0].x)) /
               2.0;
    rows += std::max({p[0].y, p[1].y, p[2].y}) -
            std::min({p[0].y, p[1].y, p[2].y}) + 1.0;
  }
  const double budget =
      kCoverageBudget * static_cast<double>(samples_x) * samples_y;
  // From the square root of the covered share, which alone gives the answer
  // unless the rows tip it over.
  int coarsening = std::max(1, static_cast<int>(std::sqrt(covered / budget)));
  while (covered / (static_cast<double>(coarsening) * coarsening) +
             rows / coarsening >
         budget) {
    ++coarsening;
  }
  return coarsening;
}

}  // namespace

bool RenderModel(const Model& model, int width, int height, Image* image) {
  std::vector<int32_t> triangles;
  for (int32_t t = 0; t < model.TriangleCount(); ++t) {
    if (!IsZeroArea(model, t)) triangles.push_back(t);
  }
  if (triangles.empty()) return false;
  const View view = MakeView();
  const int coarsening = CoarseningFor(model, triangles, view, width * kSamples,
                                       height * kSamples);
  // Rounded up, so that even the narrowest picture keeps one sample.
  const int samples_x = (width * kSamples + coarsening - 1) / coarsening;
  const int samples_y = (height * kSamples + coarsening - 1) / coarsening;
  const Fit fit(model, triangles, view, samples_x, samples_y);
  SampleBuffer buffer(samples_x, samples_y);
  for (int32_t t : triangles) {
    ScreenPoint p[3];
    ProjectTriangle(model, t, fit, p);
    unsigned char colour[3];
    ShadeFace(Normalized(FaceCross(model, t)), view, colour);
    buffer.Fill(p, colour);
  }
  if (coarsening == 1) {
    buffer.Resolve(image);
  } else {
    buffer.ResolveCoarse(width, height, image);
  }
  return true;
}
