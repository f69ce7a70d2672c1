#include "support/battle_scene.h"

namespace sb::test {

namespace {

// A square of half-size w x h around the origin, white with alpha 0.
void BuildCraftQuad(Craft& c) {
  const float w = c.Width, h = c.Height;
  const float xs[4] = {-w, w, w, -w}, ys[4] = {-h, -h, h, h};
  const float us[4] = {0, 1, 1, 0}, vs[4] = {0, 0, 1, 1};
  for (int k = 0; k < 4; ++k) {
    c.Quad[k] = LitVertex{xs[k], ys[k], 0, 0x00FFFFFF, 0, us[k], vs[k]};
  }
}

// A white square of side 4 with its first corner at (x, y).
void SetStar(StarRecord& star, float x, float y) {
  const float xs[4] = {x, x + 4, x + 4, x}, ys[4] = {y, y, y + 4, y + 4};
  for (int k = 0; k < 4; ++k) star.Quad[k] = LitVertex{xs[k], ys[k], 0, 0x00FFFFFF, 0, 0, 0};
}

}  // namespace

BattleScene::BattleScene() : f(*form), p(platform) {
  f.Intialize();
  f.DesignSTUFF();
  f.SpawnCraft("Strike", 0, 100);
  f.SpawnCraft("SpaceStation", 0, 0);
  for (int i = 2; i <= 50; ++i) f.SpawnCraft("Fox", 5000.0f + 100.0f * i, 5000);
  for (int i = 0; i <= 50; ++i) BuildCraftQuad(Crafts[i]);
  for (int s = 0; s <= 20000; ++s) SetStar(f.Stars.Edit(s), 9000, 9000);
  f.Stars.Rebuild();
  Crafts[0].Target = 1;
  f.BattleActive = true;
  f.CameraUp = Vec3f{0, 1, 0};
}

void BattleScene::PlaceStar(int s, float x, float y) {
  SetStar(f.Stars.Edit(s), x, y);
  f.Stars.Rebuild();
}

std::vector<headless::Call> BattleScene::Frame() {
  const size_t from = p.calls.size();
  f.Renderme();
  return p.CallsSince(from);
}

Arena::Arena() {
  form->Intialize();
  form->DesignSTUFF();
}

int16_t Arena::Spawn(const std::string& name, float x, float y) {
  const int16_t index = form->CraftCount;
  form->SpawnCraft(name, x, y);
  return index;
}

void Arena::Step(int steps) {
  for (int n = 0; n < steps; ++n) form->Physics();
}

std::vector<const headless::Call*> Named(const std::vector<headless::Call>& calls,
                                         const std::string& op) {
  std::vector<const headless::Call*> found;
  for (const auto& c : calls) {
    if (c.op == op) found.push_back(&c);
  }
  return found;
}

}  // namespace sb::test
