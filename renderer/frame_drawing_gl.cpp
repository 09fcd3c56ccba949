// One frame: veil, turn, per-kind state, then each emitter's step and trails.
#include "frame_drawing_gl.h"

#include "frame_rules.h"
#include "hsv_colour.h"
#include "sprite_batch.h"

#include <GL/gl.h>

#include <cstddef>

namespace {

constexpr GLuint kShapeList = 1;

void fadeOrClear(const AnimationState& state) {
    if (state.settings.blur == 0) {
        glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    glDisable(GL_DEPTH_TEST);
    // The colour buffer is not cleared: the veil darkens what earlier frames left.
    drawVeil(state.viewAspect, veilAlpha(state.settings.blur));
}

void setKindState(int geometryKind) {
    switch (geometryKind) {
    case 0:
        glBlendFunc(GL_SRC_ALPHA, GL_ONE);
        glEnable(GL_BLEND);
        glEnable(GL_POINT_SMOOTH);
        glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
        break;
    case 1:
        glDisable(GL_BLEND);
        glEnable(GL_DEPTH_TEST);
        glClear(GL_DEPTH_BUFFER_BIT);
        break;
    case 2:
        glBlendFunc(GL_ONE, GL_ONE);  // additive: sprites only ever brighten
        glEnable(GL_BLEND);
        glEnable(GL_TEXTURE_2D);      // the veil went without
        break;
    default:
        break;
    }
}

// Draws the trail oldest first, so the newest point lands on top.
void drawTrail(const AnimationState& state, const Stream& stream) {
    const int kind = state.settings.geometryKind;
    const int n = static_cast<int>(stream.points.size());
    float lightness = state.hueStep;
    for (int i = 1; i <= n; ++i) {
        const TrailPoint& p = stream.points[static_cast<std::size_t>((stream.head + i) % n)];
        const int placeFromNewest = n - i;
        const Rgb colour = hsvToRgb(p.hue, p.saturation, lightness);
        const GLfloat rgb[] = {colour.r, colour.g, colour.b};
        glColor3fv(rgb);
        glPushMatrix();
        float depth = p.z;
        if (kind == 1) {
            glTranslatef(p.x, p.y, p.z);
        } else {
            // Turned by hand rather than by the matrix, so that sprites keep facing the viewer.
            const TurnedPosition t = turnAboutVertical(p.x, p.y, p.z, state.cosA, state.sinA);
            glTranslatef(t.x, t.y, t.z);
            depth = t.z;
        }
        if (kind == 0) {
            glPointSize((depth + 200.0f) * static_cast<float>(state.settings.particleSize) *
                        pointSizeFactor(placeFromNewest));
            glBegin(GL_POINTS);
            glVertex3f(0.0f, 0.0f, 0.0f);
            glEnd();
        } else {
            const float scale = taperScale(placeFromNewest);
            if (scale != 1.0f) {
                glScalef(scale, scale, scale);
            }
            glCallList(kShapeList);
        }
        glPopMatrix();
        lightness += state.hueStep;
    }
}

// Every sprite of the frame from one array, oldest first trail by trail, in the order the
// emitters and streams step: the picture of one list call per point at the cost of one draw.
void stepAndDrawSpriteBatch(AnimationState& state) {
    SpriteFrame frame;
    glGetFloatv(GL_PROJECTION_MATRIX, frame.projection.data());
    frame.cosA = state.cosA;
    frame.sinA = state.sinA;
    frame.hueStep = state.hueStep;
    frame.halfSide = spriteHalfSide(state.settings);
    SpriteBatch& batch = state.sprites;
    batch.used = 0;
    for (Emitter& emitter : state.emitters) {
        updateEmitter(emitter, state.settings.randomizeInterval);
        for (Stream& stream : emitter.streams) {
            appendTrailSprites(batch, stream, frame);
            driftTrail(stream, state.expansionFactor, state.windStep);
        }
    }
    if (batch.used == 0) {
        return;
    }
    // The corners are clip coordinates already: the projection steps aside for the one draw
    // (the modelview matrix is the identity for sprites).
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    const SpriteVertex* first = batch.vertices.data();
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glTexCoordPointer(2, GL_FLOAT, sizeof(SpriteVertex), &first->s);
    glColorPointer(3, GL_FLOAT, sizeof(SpriteVertex), &first->r);
    glVertexPointer(4, GL_FLOAT, sizeof(SpriteVertex), &first->x);
    // A sprite has one colour. Given per corner and interpolated in perspective, it can come
    // out a step off in the 8-bit picture where one current colour never did; flat shading
    // hands every fragment the corner's colour as it is.
    glShadeModel(GL_FLAT);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(batch.used));
    glShadeModel(GL_SMOOTH);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void stepAndDrawShapeByShape(AnimationState& state) {
    for (Emitter& emitter : state.emitters) {
        updateEmitter(emitter, state.settings.randomizeInterval);
        // Each stream's drawing reads only its own points, and its drift comes after its
        // drawing, exactly as when the drift is applied point by point while drawing.
        for (Stream& stream : emitter.streams) {
            drawTrail(state, stream);
            driftTrail(stream, state.expansionFactor, state.windStep);
        }
    }
}

}  // namespace

void renderFrame(AnimationState& state, PointDrawing drawing) {
    if (!animationReady(state)) {
        return;
    }
    glLoadIdentity();
    fadeOrClear(state);
    advanceRotation(state);
    if (state.settings.geometryKind == 1) {
        glRotatef(state.rotationAngle, 0.0f, 1.0f, 0.0f);
    }
    setKindState(state.settings.geometryKind);
    if (state.settings.geometryKind == 2 && drawing == PointDrawing::oneArray) {
        stepAndDrawSpriteBatch(state);
    } else {
        stepAndDrawShapeByShape(state);
    }
}

void drawVeil(float aspect, float alpha) {
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    // Black modulated by the sprite's luminance texels is black, and they leave the alpha as
    // it is: the texture changes nothing here but would be sampled at every pixel.
    glDisable(GL_TEXTURE_2D);
    glColor4f(0.0f, 0.0f, 0.0f, alpha);
    const VeilExtent veil = veilExtent(aspect);
    const GLfloat corners[] = {
        -veil.halfWidth, -veil.halfHeight, 0.0f, veil.halfWidth, -veil.halfHeight, 0.0f,
        -veil.halfWidth, veil.halfHeight,  0.0f, veil.halfWidth, veil.halfHeight,  0.0f,
    };
    // One colour for the whole veil: only positions come from the array, whatever arrays the
    // sprites of the last frame left switched on.
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, corners);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
}
