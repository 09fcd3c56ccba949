// Per-view viewport, scissor and perspective around the frame drawing.
#include "view_drawing_gl.h"

#include "scene_setup_gl.h"

#include <GL/gl.h>

void applyView(const MonitorView& view) {
    const GlViewport& v = view.viewport;
    glViewport(v.x, v.y, v.width, v.height);
    glScissor(v.x, v.y, v.width, v.height);
    glEnable(GL_SCISSOR_TEST);
    setProjection(view.aspect);
}

bool setupViews(const ViewLayout& layout, const RendererSettings& settings, SpriteTexture& sprite,
                ViewAnimations& views) {
    setupScene(layout.window.width(), layout.window.height(), settings, sprite);
    return buildViewAnimations(views, layout, settings);
}

void renderViews(ViewAnimations& views) {
    forEachView(views, [](ViewAnimation& v) {
        applyView(v.view);
        renderFrame(v.animation);
    });
    glFlush();
}

void clearWindow(const ViewLayout& layout) {
    glDisable(GL_SCISSOR_TEST);
    glViewport(0, 0, layout.window.width(), layout.window.height());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}
