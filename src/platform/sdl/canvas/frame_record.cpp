#include "platform/sdl/canvas/frame_record.h"

#include <cstring>

#include "platform/sdl/canvas/colour.h"

namespace sb::sdl {

void FrameRecord::AddViewport(const SDL_Rect& viewport) {
  DrawStep step;
  step.kind = DrawStep::Kind::Viewport;
  step.viewport = viewport;
  steps_.push_back(std::move(step));
}

void FrameRecord::AddClear(SDL_Color colour) {
  DrawStep step;
  step.kind = DrawStep::Kind::Clear;
  step.colour = colour;
  steps_.push_back(std::move(step));
}

void FrameRecord::AddQuad(const std::shared_ptr<GpuImage>& image, const SDL_Vertex corners[4],
                          SDL_BlendMode blend, SDL_ScaleMode scale, size_t sealed) {
  DrawStep* last = steps_.empty() ? nullptr : &steps_.back();
  if (last == nullptr || steps_.size() <= sealed || last->kind != DrawStep::Kind::Triangles ||
      last->image != image || last->blend != blend || last->scale != scale ||
      last->count + 4 > kMaxStepVertices) {
    DrawStep step;
    step.kind = DrawStep::Kind::Triangles;
    step.image = image;
    step.blend = blend;
    step.scale = scale;
    step.first = vertices_.size();
    steps_.push_back(std::move(step));
    last = &steps_.back();
  }
  vertices_.insert(vertices_.end(), corners, corners + 4);
  last->count += 4;
}

namespace {

bool SameRect(const SDL_Rect& a, const SDL_Rect& b) {
  return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

}  // namespace

bool FrameRecord::SameAs(const FrameRecord& other) const {
  if (steps_.size() != other.steps_.size() || vertices_.size() != other.vertices_.size()) {
    return false;
  }
  for (size_t i = 0; i < steps_.size(); ++i) {
    const DrawStep& a = steps_[i];
    const DrawStep& b = other.steps_[i];
    if (a.kind != b.kind) return false;
    switch (a.kind) {
      case DrawStep::Kind::Viewport:
        if (!SameRect(a.viewport, b.viewport)) return false;
        break;
      case DrawStep::Kind::Clear:
        if (!SameColour(a.colour, b.colour)) return false;
        break;
      case DrawStep::Kind::Triangles:
        if (a.image != b.image || a.blend != b.blend || a.scale != b.scale || a.count != b.count ||
            std::memcmp(vertices(a), other.vertices(b), a.count * sizeof(SDL_Vertex)) != 0) {
          return false;
        }
        break;
    }
  }
  return true;
}

void FrameRecord::Clear() {
  steps_.clear();
  vertices_.clear();
}

}  // namespace sb::sdl
