// The numbers a frame is drawn with, kept apart from GL so that they are tested natively:
// the view, the veil, the head taper and the turn of a point about the vertical axis.
#pragma once

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
