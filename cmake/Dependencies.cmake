# GLEW: Debian's shared library on Linux; on Windows the generated loader from Debian's glew source
# package, compiled in statically. Either way the target is "glew".
if(WIN32)
    set(glew_dir "${EMBERVEIL_DEPS_DIR}/glew")
    if(NOT EXISTS "${glew_dir}/src/glew.c")
        message(FATAL_ERROR "GLEW source not found in ${glew_dir}: run scripts/setup.sh first")
    endif()
    add_library(glew STATIC "${glew_dir}/src/glew.c")
    target_include_directories(glew SYSTEM PUBLIC "${glew_dir}/include")
    target_compile_definitions(glew PUBLIC GLEW_STATIC GLEW_NO_GLU)
    target_link_libraries(glew PUBLIC opengl32)
else()
    set(OpenGL_GL_PREFERENCE GLVND)
    find_package(OpenGL REQUIRED COMPONENTS OpenGL GLX)
    find_package(GLEW REQUIRED)
    add_library(glew INTERFACE)
    target_compile_definitions(glew INTERFACE GLEW_NO_GLU)
    target_link_libraries(glew INTERFACE GLEW::GLEW OpenGL::OpenGL OpenGL::GLX)
endif()

# GoogleTest from Debian's googletest package, built with this build's compiler and flags so the
# same suites run natively, under the sanitizers and under Wine.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
