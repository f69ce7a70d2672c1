#include "asset_catalog.h"

#include "craft_catalog.h"
#include "craft_painter.h"
#include "hud_painter.h"
#include "music_composer.h"
#include "planet_painter.h"
#include "sfx_synth.h"
#include "sprite_painter.h"

namespace assetgen {

std::vector<PictureAsset> Pictures() {
  std::vector<PictureAsset> out = {
      {"Textures/bar.bmp", PaintBar},
      {"Textures/frame.bmp", PaintFrame},
      {"Textures/tarback.bmp", PaintTarBack},
      {"Textures/targeter.bmp", PaintTargeter},
      {"Textures/Hud.bmp", PaintHud},
      {"Textures/cursor.bmp", PaintCursor},
      {"Textures/box.bmp", PaintBox},
      {"Textures/turret.bmp", PaintTurret},
      {"Textures/start.bmp", PaintStartButton},
      {"Textures/goleft.bmp", PaintLeftButton},
      {"Textures/goright.bmp", PaintRightButton},
      {"Textures/spray.bmp", PaintSpray},
      {"Textures/star.bmp", PaintStar},
      {"Textures/bullet.bmp", PaintBullet},
      {"Textures/point.bmp", PaintPointer},
  };
  for (const CraftDesign& d : CraftDesigns()) {
    out.push_back({"Textures/" + d.file, [d] { return PaintCraft(d); }});
  }
  for (const PlanetFile& p : PlanetFiles()) {
    World w = p.world;
    out.push_back({"Textures/" + p.file, [w] { return PaintPlanet(w); }});
  }
  return out;
}

std::vector<SoundAsset> Sounds() {
  return {
      {"sfx/fly.wav", SynthFly},
      {"sfx/shieldhit.wav", SynthShieldHit},
      {"sfx/hphit.wav", SynthHpHit},
      {"sfx/fire.wav", SynthFire},
  };
}

std::vector<MusicAsset> Tunes() {
  return {
      {"Einswei.mid", ComposeBattleTune},
      {"Frozenbuffalo.mid", ComposeDeathTune},
  };
}

}  // namespace assetgen
