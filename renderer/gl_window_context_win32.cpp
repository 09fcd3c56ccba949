// Binding and releasing the window's OpenGL context.
#include "gl_window_context_win32.h"

#include "pixel_format_win32.h"

void bindGlWindowContext(GlWindowContext& gl, HWND hwnd) {
    gl.deviceContext = GetDC(hwnd);
    selectPixelFormat(gl.deviceContext);
    gl.renderingContext = wglCreateContext(gl.deviceContext);
    wglMakeCurrent(gl.deviceContext, gl.renderingContext);
}

void releaseGlWindowContext(GlWindowContext& gl, HWND hwnd) {
    if (gl.renderingContext != nullptr) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(gl.renderingContext);
        gl.renderingContext = nullptr;
    }
    if (gl.deviceContext != nullptr) {
        ReleaseDC(hwnd, gl.deviceContext);
        gl.deviceContext = nullptr;
    }
}
