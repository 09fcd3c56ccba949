// One-time OpenGL set-up of the view and the per-point shape.
#include "scene_setup_gl.h"

#include "frame_rules.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

constexpr GLuint kSpriteTextureName = 1;

void setupLitSpheres(const RendererSettings& settings) {
    glNewList(kShapeList, GL_COMPILE);
    GLUquadric* quadric = gluNewQuadric();
    // Without a quadric there is no sphere: the list stays empty and nothing is drawn.
    if (quadric != nullptr) {
        gluSphere(quadric, particleSizeInScene(settings), settings.sphereComplexity + 2,
                  settings.sphereComplexity + 1);
        gluDeleteQuadric(quadric);
    }
    glEndList();

    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    const GLfloat ambient[] = {0.0f, 0.0f, 0.0f, 0.0f};
    const GLfloat diffuse[] = {1.0f, 1.0f, 1.0f, 0.0f};
    const GLfloat specular[] = {1.0f, 1.0f, 1.0f, 0.0f};
    // Given while the modelview matrix is the identity: a directional light from the upper
    // right front that stays fixed to the viewer.
    const GLfloat position[] = {500.0f, 500.0f, 500.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
}

void setupSprites(const RendererSettings& settings, SpriteTexture& sprite) {
    sprite = buildSpriteTexture();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, kSpriteTextureName);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 1, kSpriteTextureSize, kSpriteTextureSize, 0, GL_LUMINANCE,
                 GL_UNSIGNED_BYTE, sprite.data());

    const float h = particleSizeInScene(settings);
    glNewList(kShapeList, GL_COMPILE);
    glBindTexture(GL_TEXTURE_2D, kSpriteTextureName);
    glBegin(GL_TRIANGLES);
    for (const SquareCorner& c : kSpriteSquare) {
        glTexCoord2f(c.s, c.t);
        glVertex3f(c.dx * h, c.dy * h, 0.0f);
    }
    glEnd();
    glEndList();
}

}  // namespace

void setProjection(float aspect) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfViewDegrees, static_cast<double>(aspect), kNearPlane, kFarPlane);
    glTranslatef(0.0f, 0.0f, -kViewerDistance);
    glMatrixMode(GL_MODELVIEW);
}

void setupScene(int width, int height, const RendererSettings& settings, SpriteTexture& sprite) {
    glViewport(0, 0, width, height);
    setProjection(viewAspect(width, height));
    glLoadIdentity();

    if (settings.geometryKind == 0) {
        glEnable(GL_POINT_SMOOTH);
    }
    glFrontFace(GL_CCW);
    glEnable(GL_CULL_FACE);
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    if (settings.geometryKind == 1) {
        setupLitSpheres(settings);
    } else if (settings.geometryKind == 2) {
        setupSprites(settings, sprite);
    }
}

bool setupAnimation(int width, int height, const RendererSettings& settings, SpriteTexture& sprite,
                    AnimationState& animation) {
    setupScene(width, height, settings, sprite);
    const bool built = buildAnimation(animation, settings);
    animation.viewAspect = viewAspect(width, height);
    return built;
}
