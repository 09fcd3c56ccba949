// One frame: veil, turn, per-kind state, then each emitter's step and trails.
#include "frame_drawing_gl.h"

#include "frame_rules.h"
#include "hsv_colour.h"
#include "scene_setup_gl.h"
#include "sprite_batch.h"
#include "trail_walk.h"

#include <GL/gl.h>

namespace {

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

// Points (kind 0) and spheres (kind 1), each with its own matrix and shape.
class PointByPoint final : public FrameVisitor {
public:
    explicit PointByPoint(const AnimationState& state) : state_(state) {}

    void turned(const AnimationState& state) override { applyFrameState(state); }

    void stream(const Stream& stream) override {
        const int kind = state_.settings.geometryKind;
        walkTrail(stream, state_.hueStep, [&](const TrailPoint& p, int placeFromNewest, float lightness) {
            const Rgb colour = hsvToRgb(p.hue, p.saturation, lightness);
            const GLfloat rgb[] = {colour.r, colour.g, colour.b};
            glColor3fv(rgb);
            glPushMatrix();
            if (kind == 1) {
                glTranslatef(p.x, p.y, p.z);  // the matrix turns the spheres
                const float scale = taperScale(placeFromNewest);
                if (scale != 1.0f) glScalef(scale, scale, scale);
                glCallList(kShapeList);
            } else {
                // Turned by hand rather than by the matrix, so that points keep facing the viewer.
                const TurnedPosition t = turnAboutVertical(p.x, p.y, p.z, state_.cosA, state_.sinA);
                glTranslatef(t.x, t.y, t.z);
                glPointSize((t.z + 200.0f) * static_cast<float>(state_.settings.particleSize) *
                            pointSizeFactor(placeFromNewest));
                glBegin(GL_POINTS);
                glVertex3f(0.0f, 0.0f, 0.0f);
                glEnd();
            }
            glPopMatrix();
        });
    }

private:
    const AnimationState& state_;
};

// Every sprite of the frame (kind 2) from one array, oldest first trail by trail, in the order
// the emitters and streams step: the picture of one list call per point at the cost of one draw.
class SpritesAsOneArray final : public FrameVisitor {
public:
    explicit SpritesAsOneArray(SpriteBatch& batch) : batch_(batch) {}

    void turned(const AnimationState& state) override {
        applyFrameState(state);
        glGetFloatv(GL_PROJECTION_MATRIX, frame_.projection.data());
        frame_.cosA = state.cosA;
        frame_.sinA = state.sinA;
        frame_.hueStep = state.hueStep;
        frame_.halfSide = particleSizeInScene(state.settings);
        batch_.used = 0;
    }

    void stream(const Stream& stream) override { appendTrailSprites(batch_, stream, frame_); }

    void draw() const;

private:
    SpriteBatch& batch_;
    SpriteFrame frame_;
};

void SpritesAsOneArray::draw() const {
    if (batch_.used == 0) {
        return;
    }
    // The corners are clip coordinates already: the projection steps aside for the one draw
    // (the modelview matrix is the identity for sprites).
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    const SpriteVertex* first = batch_.vertices.data();
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
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(batch_.used));
    glShadeModel(GL_SMOOTH);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

}  // namespace

void renderFrame(AnimationState& state) {
    if (!animationReady(state)) {
        return;
    }
    beginFrame(state);
    if (state.settings.geometryKind == 2) {
        SpritesAsOneArray sprites(state.sprites);
        stepAnimation(state, sprites);
        sprites.draw();
    } else {
        PointByPoint points(state);
        stepAnimation(state, points);
    }
}

void beginFrame(const AnimationState& state) {
    glLoadIdentity();
    fadeOrClear(state);
}

void applyFrameState(const AnimationState& state) {
    if (state.settings.geometryKind == 1) {
        glRotatef(state.rotationAngle, 0.0f, 1.0f, 0.0f);
    }
    setKindState(state.settings.geometryKind);
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
