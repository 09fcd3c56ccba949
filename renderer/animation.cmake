# The animation (included by renderer/CMakeLists.txt once the renderer's targets exist):
# the simulation is portable and joins the core; the drawing is plain OpenGL 1.1 and GLU,
# shared by the Windows renderer and, natively, by the off-screen tools over OSMesa.
target_sources(corvessa_renderer_core PRIVATE
    random15.cpp
    hsv_colour.cpp
    pixel_format_score.cpp
    sprite_texture.cpp
    particle_streams.cpp
    sprite_batch.cpp
    animation_state.cpp
    view_animations.cpp
    frame_rules.cpp
)

add_library(corvessa_renderer_gl STATIC
    scene_setup_gl.cpp
    frame_drawing_gl.cpp
    view_drawing_gl.cpp
)
target_link_libraries(corvessa_renderer_gl PUBLIC corvessa_renderer_core)

if(WIN32)
    target_link_libraries(corvessa_renderer_gl PUBLIC glu32 opengl32)
    target_link_libraries(corvessa_renderer PRIVATE corvessa_renderer_gl)
else()
    # OSMesa first: libGLU pulls in the system's libGL dispatcher, and GLU's own GL calls must
    # bind to the off-screen library that the context comes from. No display is ever needed.
    find_package(PkgConfig REQUIRED)
    pkg_check_modules(CORVESSA_OSMESA REQUIRED IMPORTED_TARGET osmesa glu)
    target_link_libraries(corvessa_renderer_gl PUBLIC PkgConfig::CORVESSA_OSMESA)
endif()
