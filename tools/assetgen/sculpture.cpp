#include "sculpture.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace assetgen {

Region Region::Ellipse(V2 centre, V2 radii, float angle) {
  Region r;
  r.kind_ = Kind::kEllipse;
  r.a_ = centre;
  r.b_ = radii;
  r.angle_ = angle;
  return r;
}

Region Region::Polygon(std::vector<V2> points) {
  Region r;
  r.kind_ = Kind::kPolygon;
  r.points_ = std::move(points);
  return r;
}

Region Region::Rect(float x0, float y0, float x1, float y1) {
  return Polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

Region Region::Capsule(V2 a, V2 b, float radius) {
  Region r;
  r.kind_ = Kind::kCapsule;
  r.a_ = a;
  r.b_ = b;
  r.radius_ = radius;
  return r;
}

Region Region::Ring(V2 centre, float inner, float outer) {
  Region r;
  r.kind_ = Kind::kRing;
  r.a_ = centre;
  r.b_ = {inner, outer};
  return r;
}

Region Region::MirrorX() const {
  Region r = *this;
  switch (kind_) {
    case Kind::kEllipse:
      r.a_.x = -a_.x;
      r.angle_ = -angle_;
      break;
    case Kind::kPolygon:
      for (V2& p : r.points_) p.x = -p.x;
      break;
    case Kind::kCapsule:
      r.a_.x = -a_.x;
      r.b_.x = -b_.x;
      break;
    case Kind::kRing:
      r.a_.x = -a_.x;
      break;
  }
  return r;
}

bool Region::Sample(V2 p, float* edge, float* dome) const {
  switch (kind_) {
    case Kind::kEllipse: {
      V2 local = Rotate(p - a_, -angle_);
      float q =
          std::sqrt((local.x / b_.x) * (local.x / b_.x) + (local.y / b_.y) * (local.y / b_.y));
      if (q >= 1.0f) return false;
      *edge = (1.0f - q) * std::min(b_.x, b_.y);
      *dome = std::sqrt(1.0f - q * q);
      return true;
    }
    case Kind::kPolygon: {
      bool inside = false;
      float dist = 1e9f;
      std::size_t n = points_.size();
      for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
        V2 pi = points_[i], pj = points_[j];
        if ((pi.y > p.y) != (pj.y > p.y) &&
            p.x < (pj.x - pi.x) * (p.y - pi.y) / (pj.y - pi.y) + pi.x) {
          inside = !inside;
        }
        dist = std::min(dist, SegmentDistance(p, pi, pj));
      }
      if (!inside) return false;
      *edge = dist;
      *dome = 1.0f;
      return true;
    }
    case Kind::kCapsule: {
      float d = SegmentDistance(p, a_, b_);
      if (d >= radius_) return false;
      *edge = radius_ - d;
      float u = d / radius_;
      *dome = std::sqrt(1.0f - u * u);
      return true;
    }
    case Kind::kRing: {
      float d = Length(p - a_);
      if (d <= b_.x || d >= b_.y) return false;
      float half = (b_.y - b_.x) * 0.5f;
      float u = std::fabs(d - (b_.x + half)) / half;
      *edge = half * (1.0f - u);
      *dome = std::sqrt(std::max(0.0f, 1.0f - u * u));
      return true;
    }
  }
  return false;
}

void Region::Bounds(V2* lo, V2* hi) const {
  switch (kind_) {
    case Kind::kEllipse: {
      float r = std::max(b_.x, b_.y);
      *lo = {a_.x - r, a_.y - r};
      *hi = {a_.x + r, a_.y + r};
      return;
    }
    case Kind::kPolygon:
      *lo = *hi = points_.front();
      for (V2 p : points_) {
        lo->x = std::min(lo->x, p.x);
        lo->y = std::min(lo->y, p.y);
        hi->x = std::max(hi->x, p.x);
        hi->y = std::max(hi->y, p.y);
      }
      return;
    case Kind::kCapsule:
      *lo = {std::min(a_.x, b_.x) - radius_, std::min(a_.y, b_.y) - radius_};
      *hi = {std::max(a_.x, b_.x) + radius_, std::max(a_.y, b_.y) + radius_};
      return;
    case Kind::kRing:
      *lo = {a_.x - b_.y, a_.y - b_.y};
      *hi = {a_.x + b_.y, a_.y + b_.y};
      return;
  }
}

Sculpture::Sculpture(int width, int height, int supersample, float unit, V2 origin)
    : width_(width),
      height_(height),
      ss_(supersample),
      sw_(width * supersample),
      sh_(height * supersample),
      unit_(unit),
      origin_(origin),
      height_field_(static_cast<std::size_t>(sw_) * sh_, 0.0f),
      material_(static_cast<std::size_t>(sw_) * sh_, -1),
      light_(static_cast<std::size_t>(sw_) * sh_, Colour{}) {}

V2 Sculpture::UserAt(int sx, int sy) const {
  V2 pixel{(static_cast<float>(sx) + 0.5f) / static_cast<float>(ss_),
           (static_cast<float>(sy) + 0.5f) / static_cast<float>(ss_)};
  return (pixel - origin_) * (1.0f / unit_);
}

template <typename Fn>
void Sculpture::ForEach(const Region& r, bool mirror, Fn fn) {
  for (int pass = 0; pass < (mirror ? 2 : 1); ++pass) {
    Region region = pass == 0 ? r : r.MirrorX();
    V2 lo, hi;
    region.Bounds(&lo, &hi);
    float scale = unit_ * static_cast<float>(ss_);
    int x0 = std::max(0, static_cast<int>(std::floor((origin_.x + lo.x * unit_) * ss_)) - 1);
    int y0 = std::max(0, static_cast<int>(std::floor((origin_.y + lo.y * unit_) * ss_)) - 1);
    int x1 = std::min(sw_ - 1, static_cast<int>(std::ceil(origin_.x * ss_ + hi.x * scale)) + 1);
    int y1 = std::min(sh_ - 1, static_cast<int>(std::ceil(origin_.y * ss_ + hi.y * scale)) + 1);
    for (int sy = y0; sy <= y1; ++sy) {
      for (int sx = x0; sx <= x1; ++sx) {
        float edge, dome;
        V2 p = UserAt(sx, sy);
        if (region.Sample(p, &edge, &dome)) {
          fn(static_cast<std::size_t>(sy) * sw_ + sx, p, edge, dome);
        }
      }
    }
  }
}

namespace {
float Profile(float edge_dist, float dome, float edge) {
  if (edge <= 0.0f) return dome;
  float t = std::min(1.0f, edge_dist / edge);
  return std::sqrt(1.0f - (1.0f - t) * (1.0f - t));
}
}  // namespace

int Sculpture::MaterialIndex(const Material& m) {
  materials_.push_back(m);
  return static_cast<int>(materials_.size()) - 1;
}

void Sculpture::Fill(const Region& r, const Material& m, float base, float rise, float edge,
                     bool mirror) {
  int id = MaterialIndex(m);
  ForEach(r, mirror, [&](std::size_t i, V2, float e, float dome) {
    height_field_[i] = base + rise * Profile(e, dome, edge);
    material_[i] = id;
    light_[i] = {};
  });
}

void Sculpture::Stack(const Region& r, const Material& m, float rise, float edge, bool mirror) {
  int id = MaterialIndex(m);
  ForEach(r, mirror, [&](std::size_t i, V2, float e, float dome) {
    height_field_[i] += rise * Profile(e, dome, edge);
    material_[i] = id;
    light_[i] = {};
  });
}

void Sculpture::Raise(const Region& r, float rise, float edge, bool mirror) {
  ForEach(r, mirror, [&](std::size_t i, V2, float e, float dome) {
    if (material_[i] >= 0) height_field_[i] += rise * Profile(e, dome, edge);
  });
}

void Sculpture::Erase(const Region& r, bool mirror) {
  ForEach(r, mirror, [&](std::size_t i, V2, float, float) {
    material_[i] = -1;
    height_field_[i] = 0.0f;
    light_[i] = {};
  });
}

void Sculpture::Paint(const Region& r, const Material& m, bool mirror) {
  int id = MaterialIndex(m);
  ForEach(r, mirror, [&](std::size_t i, V2, float, float) {
    if (material_[i] >= 0) material_[i] = id;
  });
}

void Sculpture::Emit(const Region& r, Colour light, bool falloff, bool mirror) {
  ForEach(r, mirror, [&](std::size_t i, V2, float, float dome) {
    if (material_[i] >= 0) light_[i] = light_[i] + light * (falloff ? dome : 1.0f);
  });
}

void Sculpture::Roughen(std::uint64_t seed, float amount, float feature) {
  Noise noise(seed);
  for (int sy = 0; sy < sh_; ++sy) {
    for (int sx = 0; sx < sw_; ++sx) {
      std::size_t i = static_cast<std::size_t>(sy) * sw_ + sx;
      if (material_[i] < 0) continue;
      V2 p = UserAt(sx, sy);
      height_field_[i] += amount * (noise.Fractal2(p.x / feature, p.y / feature, 3) - 0.5f);
    }
  }
}

void Sculpture::Blotch(const Region& r, const Material& m, std::uint64_t seed, float feature,
                       float threshold) {
  Noise noise(seed);
  int id = MaterialIndex(m);
  ForEach(r, false, [&](std::size_t i, V2 p, float, float) {
    if (material_[i] >= 0 && noise.Fractal2(p.x / feature, p.y / feature, 3) > threshold) {
      material_[i] = id;
    }
  });
}

Image Sculpture::Render() const {
  // Light from the top left of the picture, viewer straight above.
  const float lx = -0.5f, ly = -0.65f, lz = 0.75f;
  const float ll = std::sqrt(lx * lx + ly * ly + lz * lz);
  const float hx = lx / ll, hy = ly / ll, hz = lz / ll + 1.0f;
  const float hl = std::sqrt(hx * hx + hy * hy + hz * hz);
  const float step = 2.0f / (unit_ * static_cast<float>(ss_));  // user distance across two samples

  auto height_at = [&](int sx, int sy) {
    sx = std::clamp(sx, 0, sw_ - 1);
    sy = std::clamp(sy, 0, sh_ - 1);
    std::size_t i = static_cast<std::size_t>(sy) * sw_ + sx;
    return material_[i] >= 0 ? height_field_[i] : 0.0f;
  };

  std::vector<Colour> shaded(static_cast<std::size_t>(sw_) * sh_);
  for (int sy = 0; sy < sh_; ++sy) {
    for (int sx = 0; sx < sw_; ++sx) {
      std::size_t i = static_cast<std::size_t>(sy) * sw_ + sx;
      if (material_[i] < 0) continue;
      float dx = std::clamp((height_at(sx + 1, sy) - height_at(sx - 1, sy)) / step, -3.0f, 3.0f);
      float dy = std::clamp((height_at(sx, sy + 1) - height_at(sx, sy - 1)) / step, -3.0f, 3.0f);
      float nl = std::sqrt(dx * dx + dy * dy + 1.0f);
      float nx = -dx / nl, ny = -dy / nl, nz = 1.0f / nl;
      float diffuse = std::max(0.0f, (nx * lx + ny * ly + nz * lz) / ll);
      float spec_dot = std::max(0.0f, (nx * hx + ny * hy + nz * hz) / hl);
      const Material& m = materials_[static_cast<std::size_t>(material_[i])];
      float spec = m.shine * std::pow(spec_dot, m.gloss);
      shaded[i] = m.base * (0.32f + 0.85f * diffuse) + Colour{spec, spec, spec} + light_[i];
    }
  }

  Image out(width_, height_);
  const int total = ss_ * ss_;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      Colour sum;
      int covered = 0;
      for (int j = 0; j < ss_; ++j) {
        for (int k = 0; k < ss_; ++k) {
          std::size_t i = static_cast<std::size_t>(y * ss_ + j) * sw_ + (x * ss_ + k);
          if (material_[i] < 0) continue;
          sum = sum + shaded[i];
          ++covered;
        }
      }
      if (covered * 2 >= total) out.at(x, y) = Opaque(sum * (1.0f / static_cast<float>(covered)));
    }
  }
  return out;
}

}  // namespace assetgen
