// Turned quads for SDL's software renderer.
//
// The software renderer draws a textured quad that is not an upright
// rectangle (a craft at any heading) as its two triangles, through a general
// per-pixel path that reads and writes every pixel through the surfaces'
// formats: a craft close to the camera can take two milliseconds. Here the
// same two triangles are drawn straight into the screen, with the
// renderer's own arithmetic (whole-pixel corners, half-pixel fixed point,
// top-left rule, texture coordinates by integer division, the same blend),
// so that every pixel comes out the same. Only the common case is taken: a
// picture in ARGB8888 blended onto an XRGB8888 screen, one colour on all
// corners; anything else is left to the renderer.
//
// Where the rules come from: SDL 2.26's software renderer, re-derived from
// what it draws. SDL_RenderGeometry there takes a quad whose corners form an
// upright rectangle of one colour for a rectangle copy (in SDL_render.c),
// and draws any other as triangles with SDL_SW_BlitTriangle (in
// render/software/SDL_triangle.c). Another SDL may draw differently: the
// canvas compares this path with the renderer on a scratch surface when it
// starts (fast_path_check.h) and leaves every quad to the renderer when a
// single pixel differs.
#pragma once

#include <SDL.h>

namespace sb::sdl {

// Where a quad lands: the screen surface, and the renderer's viewport in
// its pixels, which also clips.
struct TurnedQuadTarget {
  SDL_Surface* screen = nullptr;
  SDL_Rect viewport{0, 0, 0, 0};
};

// True when the renderer would draw the quad (corners relative to the
// viewport, triangles 0,1,2 and 0,2,3) as two triangles and it is of the
// kind drawn here.
bool IsTurnedQuad(const SDL_Vertex corners[4], SDL_BlendMode blend, const SDL_Surface* picture,
                  const TurnedQuadTarget& target);

// Draws such a quad as the renderer would.
void DrawTurnedQuad(const SDL_Surface* picture, const SDL_Vertex corners[4],
                    const TurnedQuadTarget& target);

}  // namespace sb::sdl
