// Relief painter: shapes build a height field with a material per sample, then
// the field is lit from the top left and reduced to pixels. Supersampling
// smooths the inside of the subject, while the outline stays crisp: a pixel is
// either mostly covered (opaque, with the mean colour of its covered samples) or
// transparent black, so no dark fringe appears where the game keys black out.
#pragma once

#include <vector>

#include "geometry.h"
#include "image.h"

namespace assetgen {

struct Material {
  Colour base;
  float shine = 0.25f;  // strength of the specular highlight
  float gloss = 10.0f;  // specular exponent: higher is a smaller, sharper highlight
};

// An area of the plane, in the sculpture's user units.
class Region {
 public:
  static Region Ellipse(V2 centre, V2 radii, float angle = 0.0f);
  static Region Circle(V2 centre, float radius) { return Ellipse(centre, {radius, radius}); }
  static Region Polygon(std::vector<V2> points);
  static Region Rect(float x0, float y0, float x1, float y1);
  static Region Capsule(V2 a, V2 b, float radius);
  static Region Ring(V2 centre, float inner, float outer);

  // The same region reflected in the vertical axis x = 0.
  Region MirrorX() const;

  // True when p is inside; *edge is the distance to the outline and *dome a
  // rounded height in [0, 1] (0 at the outline, 1 along the middle).
  bool Sample(V2 p, float* edge, float* dome) const;
  void Bounds(V2* lo, V2* hi) const;

 private:
  enum class Kind { kEllipse, kPolygon, kCapsule, kRing };
  Kind kind_ = Kind::kEllipse;
  V2 a_, b_;  // centre / radii, segment ends, or ring centre and radii
  float angle_ = 0.0f;
  float radius_ = 0.0f;
  std::vector<V2> points_;
};

class Sculpture {
 public:
  // A width x height picture; user point u lands on pixel origin + u * unit.
  Sculpture(int width, int height, int supersample, float unit, V2 origin);

  // Sets material and height = base + rise * profile. With edge > 0 the
  // profile is a rounded bevel edge units wide, otherwise the region's dome.
  // `mirror` repeats the operation reflected in x = 0.
  void Fill(const Region& r, const Material& m, float base, float rise, float edge = 0.0f,
            bool mirror = false);
  // Like Fill, but stacks on whatever height is already there.
  void Stack(const Region& r, const Material& m, float rise, float edge = 0.0f,
             bool mirror = false);
  // Changes the height of samples already covered (grooves with negative rise).
  void Raise(const Region& r, float rise, float edge = 0.0f, bool mirror = false);
  // Removes whatever covers the region.
  void Erase(const Region& r, bool mirror = false);
  // Changes the material of covered samples, keeping their height (decals).
  void Paint(const Region& r, const Material& m, bool mirror = false);
  // Adds light that shading does not dim (lamps, engines, screens). With
  // `falloff` it fades towards the region's outline.
  void Emit(const Region& r, Colour light, bool falloff, bool mirror = false);
  // Bumps every covered sample by value noise of the given feature size.
  void Roughen(std::uint64_t seed, float amount, float feature);
  // Recolours covered samples inside r where noise exceeds threshold (rust, moss, spots).
  void Blotch(const Region& r, const Material& m, std::uint64_t seed, float feature,
              float threshold);

  Image Render() const;

 private:
  template <typename Fn>
  void ForEach(const Region& r, bool mirror, Fn fn);
  int MaterialIndex(const Material& m);
  V2 UserAt(int sx, int sy) const;

  int width_, height_, ss_, sw_, sh_;
  float unit_;
  V2 origin_;
  std::vector<float> height_field_;
  std::vector<int> material_;  // -1 where nothing is
  std::vector<Colour> light_;
  std::vector<Material> materials_;
};

}  // namespace assetgen
