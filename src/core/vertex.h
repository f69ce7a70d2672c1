// The two vertex records handed to the graphics device straight from the
// craft records' memory.
#pragma once

#include <cstddef>
#include <cstdint>

namespace sb {

// Flexible vertex format 0x1C2: position, diffuse, specular, one (u, v) pair.
struct LitVertex {
  float X = 0, Y = 0, Z = 0;
  uint32_t Diffuse = 0;   // ARGB, alpha in the top byte
  uint32_t Specular = 0;  // ARGB
  float U = 0, V = 0;
};
static_assert(sizeof(LitVertex) == 28, "LitVertex is 28 bytes, packed");
static_assert(offsetof(LitVertex, Diffuse) == 12 && offsetof(LitVertex, U) == 20);

// A trail point or a shot. The first 24 bytes are a point vertex of format
// 0x142 (position, diffuse, one (u, v) pair); records lie 32 bytes apart.
struct Particle {
  float X = 0, Y = 0, Z = 0;
  uint32_t Colour = 0;  // ARGB
  float U = 0, V = 0;
  uint32_t Unused = 0;  // nothing reads or writes it
  float Life = 0;       // shots only: steps left to fly while positive
};
static_assert(sizeof(Particle) == 32, "Particle is 32 bytes, packed");
static_assert(offsetof(Particle, Colour) == 12 && offsetof(Particle, U) == 16 &&
              offsetof(Particle, Life) == 28);

constexpr uint32_t kFvfLitVertex = 0x1C2;
constexpr uint32_t kFvfPointVertex = 0x142;

}  // namespace sb
