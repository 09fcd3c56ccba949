// The numbers a frame is drawn with, kept apart from GL so that they are tested natively:
// the view, the veil, the particle's shape and size, the head taper and the turn of a point
// about the vertical axis.
#pragma once

#include "renderer_settings.h"

// The fixed view: vertical field of view in degrees, depth range in scene units, and the
// viewer's distance from the origin along +z.
inline constexpr double kFieldOfViewDegrees = 100.0;
inline constexpr double kNearPlane = 0.01;
inline constexpr double kFarPlane = 200.0;
inline constexpr float kViewerDistance = 2.5f;

// Width over height of a client area; a zero height counts as one pixel so that the
// perspective never divides by zero.
float viewAspect(int width, int height);

// Half the height of what the viewer sees in the plane z = 0, in scene units (about 2.979).
double viewHalfHeightAtOrigin();

// Opacity of the black veil laid over the last picture each frame (0.1374 for blur 30).
float veilAlpha(int blur);

// Half-extents of the veil rectangle in the plane z = 0, in scene units. At least the
// historical 5 by 4, and always wide enough to cover the view at the given aspect ratio,
// so that no margin of a wide screen escapes the fading.
struct VeilExtent {
    float halfWidth = 5.0f;
    float halfHeight = 4.0f;
};
VeilExtent veilExtent(float aspect);

// The particle's size in scene units: the sprite's half-side and the sphere's radius (0.25 for
// size 50), before the head taper.
float particleSizeInScene(const RendererSettings& settings);

// The sprite (geometry kind 2): a square of two triangles wound counter-clockwise towards the
// viewer, so that face culling keeps them. Each corner in units of the half-side, with its
// texture coordinates, in the order the triangles give them.
struct SquareCorner {
    float dx, dy, s, t;
};
inline constexpr int kVerticesPerSprite = 6;
inline constexpr SquareCorner kSpriteSquare[kVerticesPerSprite] = {
    {-1.0f, -1.0f, 0.0f, 0.0f}, {1.0f, -1.0f, 1.0f, 0.0f}, {1.0f, 1.0f, 1.0f, 1.0f},
    {-1.0f, -1.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 1.0f, 1.0f},  {-1.0f, 1.0f, 0.0f, 1.0f},
};

// Head taper: the scale of a sprite or sphere `placeFromNewest` points back from the newest
// one (0 is the newest); 1 for the sixth point and older.
float taperScale(int placeFromNewest);

// Point diameter factor for smooth points (geometry kind 0), by the same count.
float pointSizeFactor(int placeFromNewest);

// A position turned about the vertical axis by the angle whose cosine and sine are given.
struct TurnedPosition {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;  // the turned depth
};
TurnedPosition turnAboutVertical(float x, float y, float z, float cosA, float sinA);
