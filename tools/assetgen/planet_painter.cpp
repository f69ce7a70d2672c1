#include "planet_painter.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

namespace assetgen {

const std::vector<PlanetFile>& PlanetFiles() {
  static const std::vector<PlanetFile> kFiles = {
      {"zoltar.bmp", World::kZoltar},
      {"planetmoo.bmp", World::kMoo},
      {"planetcow.bmp", World::kCow},
      {"planetmasacre.bmp", World::kMassacre},
  };
  return kFiles;
}

namespace {

struct Surface {
  Colour albedo;
  Colour glow;  // light of its own, seen on the night side too
};

struct V3 {
  float x, y, z;
};

float Dot(V3 a, V3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}

V3 Normalised(V3 v) {
  float l = std::sqrt(Dot(v, v));
  return {v.x / l, v.y / l, v.z / l};
}

// Desert world: dunes in ochre and rust, with a scatter of craters.
Surface Zoltar(V3 n, const Noise& noise) {
  float f = noise.Fractal3(n.x * 2.5f, n.y * 2.5f, n.z * 2.5f, 5);
  float bands = 0.5f + 0.5f * std::sin(n.y * 9.0f + f * 6.0f);
  Colour c =
      Mix(FromBytes(150, 70, 34), FromBytes(232, 168, 90), std::clamp(f * 1.4f - 0.2f, 0.0f, 1.0f));
  c = Mix(c, FromBytes(200, 120, 60), bands * 0.25f);
  static const V3 kCraters[] = {{0.3f, -0.4f, 0.86f},  {-0.5f, 0.2f, 0.84f}, {0.1f, 0.5f, 0.86f},
                                {-0.2f, -0.7f, 0.68f}, {0.65f, 0.3f, 0.7f},  {-0.7f, -0.3f, 0.65f}};
  static const float kRadii[] = {0.16f, 0.12f, 0.09f, 0.08f, 0.1f, 0.07f};
  for (int i = 0; i < 6; ++i) {
    float d = std::acos(std::clamp(Dot(n, Normalised(kCraters[i])), -1.0f, 1.0f)) / kRadii[i];
    if (d < 1.0f)
      c = c * (0.72f + 0.12f * d);
    else if (d < 1.25f)
      c = c * 1.18f;  // raised rim
  }
  return {c, {}};
}

// Green pastures, blue seas, ice caps and clouds.
Surface Moo(V3 n, const Noise& noise) {
  float land = noise.Fractal3(n.x * 1.8f + 3.0f, n.y * 1.8f, n.z * 1.8f, 5);
  Colour c;
  if (land > 0.49f) {
    float hills = std::clamp((land - 0.49f) * 5.0f, 0.0f, 1.0f);
    c = Mix(FromBytes(70, 150, 50), FromBytes(130, 110, 60), hills);
  } else {
    c = Mix(FromBytes(20, 50, 140), FromBytes(40, 110, 190),
            std::clamp(land * 2.0f - 0.2f, 0.0f, 1.0f));
  }
  float pole = std::fabs(n.y) + 0.08f * noise.Value3(n.x * 6, n.y * 6, n.z * 6);
  if (pole > 0.86f) c = FromBytes(236, 240, 250);
  float cloud = noise.Fractal3(n.x * 3.0f + 9.0f, n.y * 6.0f, n.z * 3.0f, 4);
  c = Mix(c, FromBytes(250, 250, 255), std::clamp((cloud - 0.55f) * 3.0f, 0.0f, 0.85f));
  return {c, {}};
}

// A white world with big dark patches, like the hide of a cow.
Surface Cow(V3 n, const Noise& noise) {
  float patch = noise.Fractal3(n.x * 1.6f - 4.0f, n.y * 1.6f, n.z * 1.6f, 4);
  Colour c = FromBytes(238, 234, 226);
  if (patch > 0.56f)
    c = FromBytes(60, 42, 34);
  else if (patch > 0.54f)
    c = FromBytes(150, 140, 130);
  if (n.y > 0.88f) c = FromBytes(236, 160, 170);  // pink south pole
  return {c, {}};
}

// Scorched red rock split by glowing lava.
Surface Massacre(V3 n, const Noise& noise) {
  float rock = noise.Fractal3(n.x * 3.0f, n.y * 3.0f, n.z * 3.0f, 4);
  Colour c = Mix(FromBytes(60, 16, 14), FromBytes(150, 40, 28), rock);
  float ridge =
      1.0f - std::fabs(noise.Fractal3(n.x * 2.2f + 7.0f, n.y * 2.2f, n.z * 2.2f, 3) * 2.0f - 1.0f);
  float lava = std::clamp((ridge - 0.88f) * 9.0f, 0.0f, 1.0f);
  return {Mix(c, FromBytes(255, 140, 30), lava), FromBytes(255, 110, 20) * (lava * 0.8f)};
}

}  // namespace

Image PaintPlanet(World world) {
  const int kSize = 128;
  const float kRadius = 60.0f;
  Noise noise(static_cast<std::uint64_t>(world) * 7919u + 101u);
  Colour air;
  switch (world) {
    case World::kZoltar:
      air = FromBytes(255, 170, 90);
      break;
    case World::kMoo:
      air = FromBytes(110, 170, 255);
      break;
    case World::kCow:
      air = FromBytes(220, 220, 240);
      break;
    case World::kMassacre:
      air = FromBytes(255, 60, 30);
      break;
  }
  const V3 light = Normalised({-0.6f, -0.5f, 0.62f});
  // The globe is tilted a little so features do not line up with the picture.
  const float tilt = 0.35f, ct = std::cos(tilt), st = std::sin(tilt);
  Image out(kSize, kSize);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      float fx = (static_cast<float>(x) + 0.5f - kSize * 0.5f) / kRadius;
      float fy = (static_cast<float>(y) + 0.5f - kSize * 0.5f) / kRadius;
      float rr = fx * fx + fy * fy;
      if (rr >= 1.0f) continue;
      V3 n{fx, fy, std::sqrt(1.0f - rr)};
      V3 body{n.x * ct - n.y * st, n.x * st + n.y * ct, n.z};
      Surface s;
      switch (world) {
        case World::kZoltar:
          s = Zoltar(body, noise);
          break;
        case World::kMoo:
          s = Moo(body, noise);
          break;
        case World::kCow:
          s = Cow(body, noise);
          break;
        case World::kMassacre:
          s = Massacre(body, noise);
          break;
      }
      float lit = Dot(n, light);
      // Soft terminator: light wraps a little past the edge of the day side.
      float day = std::clamp((lit + 0.12f) / 1.12f, 0.0f, 1.0f);
      day = day * day * (3.0f - 2.0f * day);
      float rim = std::pow(1.0f - n.z, 2.5f);
      Colour c = s.albedo * (0.05f + 1.0f * day) + s.glow + air * (rim * (0.15f + 0.7f * day));
      out.at(x, y) = Opaque(c);
    }
  }
  return out;
}

}  // namespace assetgen
