# GLEW: the generated loader from Debian's glew source package, linked statically on both platforms.
set(glew_dir "${EMBERVEIL_DEPS_DIR}/glew")
if(NOT EXISTS "${glew_dir}/src/glew.c")
    message(FATAL_ERROR "GLEW source not found in ${glew_dir}: run scripts/setup.sh first")
endif()
add_library(glew_static STATIC "${glew_dir}/src/glew.c")
target_include_directories(glew_static SYSTEM PUBLIC "${glew_dir}/include")
target_compile_definitions(glew_static PUBLIC GLEW_STATIC GLEW_NO_GLU)
if(WIN32)
    target_link_libraries(glew_static PUBLIC opengl32)
else()
    set(OpenGL_GL_PREFERENCE GLVND)
    find_package(OpenGL REQUIRED COMPONENTS OpenGL GLX)
    target_link_libraries(glew_static PUBLIC OpenGL::OpenGL OpenGL::GLX)
endif()

# GoogleTest from Debian's googletest package, built with this build's compiler and flags so the
# same suites run natively, under the sanitizers and under Wine.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
