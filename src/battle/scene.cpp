// Scene construction: craft squares, trail and shot colours by race, the
// star field, the planets and every craft's first target. The random draws
// continue the sequence that BUILDSTUFF seeded, in a fixed order.
#include "core/checked.h"
#include "core/form1.h"

namespace sb {

namespace {

constexpr uint32_t kQuadWhite = 0x00FFFFFF;  // white, alpha 0

// A square's corners at depth z, in the order (left, top), (right, top),
// (right, bottom), (left, bottom). Specular is left alone.
void SetSquare(LitVertex (&quad)[4], float left, float top, float right, float bottom, float z) {
  const float xs[4] = {left, right, right, left};
  const float ys[4] = {top, top, bottom, bottom};
  const float us[4] = {0, 1, 1, 0};
  const float vs[4] = {0, 0, 1, 1};
  for (int n = 0; n < 4; ++n) {
    quad[n].X = xs[n];
    quad[n].Y = ys[n];
    quad[n].Z = z;
    quad[n].Diffuse = kQuadWhite;
    quad[n].U = us[n];
    quad[n].V = vs[n];
  }
}

// Trail and shot colour of a race; Pod craft (race 0) have none.
bool RaceColour(int16_t race, uint32_t& colour) {
  switch (race) {
    case kRaceHuman:
      colour = 0xFFFF9000;
      return true;
    case kRaceSect:
      colour = 0xFF0FFF0F;
      return true;
    case kRaceDrone:
      colour = 0xFF2F2F2F;
      return true;
    case kRaceDragaar:
      colour = 0xFFFF0F0F;
      return true;
    case kRaceLitu:
      colour = 0x8FFFFFFF;
      return true;
    default:
      return false;
  }
}

// Planet picture 1 to 4.
const char* PlanetPicture(int16_t k) {
  switch (k) {
    case 1:
      return "\\Textures\\zoltar.bmp";
    case 2:
      return "\\Textures\\planetmoo.bmp";
    case 3:
      return "\\Textures\\planetcow.bmp";
    case 4:
      return "\\Textures\\planetmasacre.bmp";
    default:
      FailIndex(k, 1, 4);
  }
}

}  // namespace

void Form1::Buildit() {
  ScopedOperation op("Buildit", "building the battle scene");

  // Craft squares, in the craft's own frame; their Z stays 0.
  for (int16_t i = 0; i <= 50; ++i) {
    Craft& c = Crafts[i];
    SetSquare(c.Quad, -c.Width, -c.Height, c.Width, c.Height, 0);
  }

  for (int16_t i = 0; i <= 50; ++i) {
    Craft& c = Crafts[i];
    uint32_t colour = 0;
    if (!RaceColour(c.Race, colour)) continue;
    for (int16_t j = 0; j <= 10; ++j) {
      c.Trail[j].Colour = colour;
      c.Shots[j].Colour = c.Trail[j].Colour;
    }
  }

  // Stars: side 4, centres -10000..9999, depths -100..1.
  for (int32_t s = 0; s <= 20000; ++s) {
    const int16_t a = FloorTo16(Random.Next() * 20000 - 10000);
    const int16_t b = FloorTo16(Random.Next() * 20000 - 10000);
    const int16_t c = FloorTo16(Random.Next() * 102 - 100);
    SetSquare(Stars.Edit(s).Quad, Sub16(a, 2), Sub16(b, 2), Add16(a, 2), Add16(b, 2), c);
  }
  Stars.Rebuild();

  // Planets: side 40, depths -1000..1, each with its own copy of one of four
  // pictures.
  const std::string folder = P.window().ProgramFolder();
  for (int16_t p = 0; p <= 200; ++p) {
    const int16_t a = FloorTo16(Random.Next() * 20000 - 10000);
    const int16_t b = FloorTo16(Random.Next() * 20000 - 10000);
    const int16_t c = FloorTo16(Random.Next() * 1002 - 1000);
    SetSquare(Planets[p].Quad, Sub16(a, 20), Sub16(b, 20), Add16(a, 20), Add16(b, 20), c);
    const int16_t k = FloorTo16(Random.Next() * 4 + 1);
    Planets[p].Texture = P.textures().LoadTexture(folder + PlanetPicture(k));
  }

  // First targets: any entry, the craft itself and friends included.
  for (int16_t i = 0; i <= 50; ++i) Crafts[i].Target = FloorTo16(Random.Next() * 51);
}

}  // namespace sb
