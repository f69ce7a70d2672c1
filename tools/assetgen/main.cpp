// assetgen: writes the game's pictures, sound effects and music.
//
//   assetgen --out DIR [--contact-sheet FILE.bmp]
//
// DIR receives Textures/*.bmp, sfx/*.wav and the two .mid files, the same
// bytes on every run. The contact sheet shows all pictures on one page.
#include <cstdio>
#include <cstring>
#include <string>

#include "asset_catalog.h"
#include "bmp_writer.h"
#include "contact_sheet.h"
#include "file_output.h"
#include "sfx_synth.h"
#include "wav_writer.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: assetgen --out DIR [--contact-sheet FILE.bmp]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace assetgen;
  std::string out_dir, sheet_path;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
      out_dir = argv[++i];
    } else if (std::strcmp(argv[i], "--contact-sheet") == 0 && i + 1 < argc) {
      sheet_path = argv[++i];
    } else {
      return Usage();
    }
  }
  if (out_dir.empty()) return Usage();

  bool ok = true;
  auto write = [&](const std::string& path, const Bytes& bytes) {
    if (!WriteAsset(out_dir, path, bytes)) {
      std::fprintf(stderr, "assetgen: cannot write %s/%s\n", out_dir.c_str(), path.c_str());
      ok = false;
    }
  };

  std::vector<SheetEntry> sheet;
  for (const PictureAsset& p : Pictures()) {
    Image img = p.paint();
    write(p.path, EncodeBmp(img));
    if (!sheet_path.empty()) {
      sheet.push_back({p.path.substr(p.path.find('/') + 1), std::move(img)});
    }
  }
  for (const SoundAsset& s : Sounds()) write(s.path, EncodeWav(s.synth(), kSfxRate));
  for (const MusicAsset& m : Tunes()) write(m.path, m.compose());

  if (!sheet_path.empty()) {
    Bytes bmp = EncodeBmp(ContactSheet(sheet));
    if (!WriteAsset(".", sheet_path, bmp)) {
      std::fprintf(stderr, "assetgen: cannot write %s\n", sheet_path.c_str());
      ok = false;
    }
  }
  return ok ? 0 : 1;
}
