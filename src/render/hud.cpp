#include "render/hud.h"

#include "core/angles.h"
#include "core/checked.h"
#include "core/number_text.h"
#include "core/portable_math.h"

namespace sb::hud {

namespace {

constexpr uint32_t kEnemyRed = 0xFFFF1F1F;
constexpr uint32_t kShieldCyan = 0xFF99FFFF;

}  // namespace

void CountFrame(Form1& game) {
  Clock& clock = game.P.clock();
  const int32_t now = clock.GetTickCount();
  // Elapsed milliseconds modulo 2^32: right across the tick count's wrap and
  // from any first reading, and it cannot overflow.
  const uint32_t elapsed = static_cast<uint32_t>(now) - static_cast<uint32_t>(game.LastFpsTick);
  if (elapsed >= 1000) {
    game.Fps = CheckedFit<int16_t>(game.FrameCount);
    game.FrameCount = 0;
    game.LastFpsTick = clock.GetTickCount();
  }
  game.FrameCount = Add32(game.FrameCount, 1);
}

std::string StatusLine(const Form1& game) {
  return "FPS: " + std::to_string(game.Fps) + "  Human: " + std::to_string(game.RaceCount[1]) +
         "  Sect: " + std::to_string(game.RaceCount[2]) +
         "  Drone: " + std::to_string(game.RaceCount[3]) +
         "  Dragaar: " + std::to_string(game.RaceCount[4]) +
         "  Litu: " + std::to_string(game.RaceCount[5]);
}

void ComputeTargetBearing(Form1& game) {
  const Craft& player = Crafts[0];
  const Craft& target = Crafts[player.Target];
  game.TargetBearing = 0;
  const double dx = static_cast<double>(target.X) - static_cast<double>(player.X);
  const double dy = static_cast<double>(target.Y) - static_cast<double>(player.Y);
  if (player.Y > target.Y) {
    game.TargetBearing = static_cast<float>(math::Atan(dx / dy));
  } else if (player.Y < target.Y) {
    game.TargetBearing = static_cast<float>(math::Atan(dx / dy) + kPi);
  }
}

void CountRaces(Form1& game) {
  for (int r = 1; r <= 5; ++r) game.RaceCount[r] = 0;
  for (int16_t r = 1; r <= 5; ++r) {
    for (int i = 0; i <= 50; ++i) {
      const Craft& c = Crafts[i];
      if (c.Armour > 0 && c.Race == r) game.RaceCount[r] = Add16(game.RaceCount[r], 1);
    }
  }
}

void DrawCockpitPanel(Form1& game, FrameCalls& calls) {
  const Vec2f one = Form1::Vec2(1, 1);
  const Vec2f corner = Form1::Vec2(0, 0);
  calls.Sprite(game.HudTexture, one, corner, 0, Form1::Vec2(872, 0), kWhite);
  calls.Sprite(game.FrameTexture, one, corner, 0, Form1::Vec2(872, 0), kWhite);
  calls.Sprite(game.TarBackTexture, one, corner, 0, Form1::Vec2(750, 500), kWhite);
  calls.Sprite(game.TargeterTexture, one, corner, 0, Form1::Vec2(750, 500), kWhite);

  const Craft& player = Crafts[0];
  calls.Text(game.TechnicalFont, kWhite, std::to_string(RoundTo32(player.Speed)), game.SideRect1,
             kTextLeftTop);
  calls.Text(game.TechnicalFont, kWhite, FloatText(player.Armour), game.SideRect2, kTextLeftTop);
  calls.Text(game.TechnicalFont, kWhite, std::to_string(RoundTo32(player.Shield)), game.SideRect3,
             kTextLeftTop);
  calls.Text(game.TechnicalFont, kWhite, std::to_string(player.Energy), game.SideRect4,
             kTextLeftTop);

  // The views show world +X on the left, so the bearing turns the other way
  // on screen.
  calls.Sprite(game.PointTexture, one, Form1::Vec2(32, 32), -game.TargetBearing,
               Form1::Vec2(500, 100), kWhite);
}

void DrawStatusAndBanners(Form1& game, FrameCalls& calls) {
  calls.Text(game.TechnicalFont, kWhite, StatusLine(game), game.StatusRect, kTextLeftTop);
  if (!game.BattleActive) return;

  int32_t total = 0;
  for (int r = 1; r <= 5; ++r) total = Add32(total, game.RaceCount[r]);
  struct Banner {
    int race;
    const char* text;
  };
  static constexpr Banner kBanners[] = {
      {kRaceHuman, "HUMANS WIN!"}, {kRaceDragaar, "DRAGAAR WIN!"}, {kRaceLitu, "LITU WIN!"},
      {kRaceDrone, "DRONE WIN!"},  {kRaceSect, "SECT WIN!"},
  };
  for (const Banner& b : kBanners) {
    if (game.RaceCount[b.race] >= total) {
      calls.Text(game.TechnicalFont, kWhite, b.text, game.StatusRect, kTextRight);
    }
  }
}

void DrawTargetPanel(Form1& game, FrameCalls& calls) {
  const Craft& player = Crafts[0];
  const Craft& target = Crafts[player.Target];
  const bool friendly = target.Race == player.Race;
  const std::string text = std::string(friendly ? "Friendly" : "Enemy") + "\r" + target.Name +
                           "\rDistance: " + FloatText(game.TargetDistance);
  calls.Text(game.ArielFont, friendly ? kWhite : kEnemyRed, text, game.TargetTextRect,
             kTextLeftTop);

  const Vec2f corner = Form1::Vec2(0, 0);
  if (target.Armour > 0) {
    calls.Sprite(game.BarTexture, Form1::Vec2(target.Armour / target.MaxArmour, 1), corner, 0,
                 Form1::Vec2(742, 700), kWhite);
  }
  if (target.Shield > 0) {
    calls.Sprite(game.BarTexture,
                 Form1::Vec2(target.Shield / static_cast<float>(target.MaxShield), 1), corner, 0,
                 Form1::Vec2(742, 680), kShieldCyan);
  }
}

}  // namespace sb::hud
