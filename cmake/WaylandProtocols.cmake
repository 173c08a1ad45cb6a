# Wayland code generated at build time by wayland-scanner: the core protocol from Debian's
# libwayland-dev, xdg-shell from wayland-protocols, and the wlroots protocols, which no binary
# package carries, from the wlroots source package that scripts/setup.sh unpacks into .deps/.
find_package(PkgConfig REQUIRED)
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET GLOBAL wayland-client wayland-egl)
pkg_check_modules(WAYLAND_SERVER REQUIRED IMPORTED_TARGET GLOBAL wayland-server)
pkg_get_variable(WAYLAND_SCANNER wayland-scanner wayland_scanner)
pkg_get_variable(WAYLAND_PROTOCOLS_DIR wayland-protocols pkgdatadir)
if(NOT WAYLAND_SCANNER OR NOT WAYLAND_PROTOCOLS_DIR)
    message(FATAL_ERROR "wayland-scanner or wayland-protocols not found: run scripts/setup.sh first")
endif()
set(WLROOTS_PROTOCOLS_DIR "${EMBERVEIL_DEPS_DIR}/wlroots/protocol")
if(NOT EXISTS "${WLROOTS_PROTOCOLS_DIR}/wlr-layer-shell-unstable-v1.xml")
    message(FATAL_ERROR "wlroots protocols not found in ${WLROOTS_PROTOCOLS_DIR}: "
                        "run scripts/setup.sh first")
endif()

# emberveil_wayland_protocols(<target> <xml>...)
#
# A static library of the protocols' code; its users include "<name>-client-protocol.h", or
# "<name>-server-protocol.h" for the tests' stand-in compositor.
function(emberveil_wayland_protocols target)
    set(out "${CMAKE_CURRENT_BINARY_DIR}/${target}")
    file(MAKE_DIRECTORY "${out}")
    set(sources)
    foreach(xml IN LISTS ARGN)
        get_filename_component(name "${xml}" NAME_WE)
        add_custom_command(
            OUTPUT "${out}/${name}-client-protocol.h" "${out}/${name}-server-protocol.h"
                   "${out}/${name}-protocol.c"
            COMMAND "${WAYLAND_SCANNER}" client-header "${xml}" "${out}/${name}-client-protocol.h"
            COMMAND "${WAYLAND_SCANNER}" server-header "${xml}" "${out}/${name}-server-protocol.h"
            COMMAND "${WAYLAND_SCANNER}" private-code "${xml}" "${out}/${name}-protocol.c"
            DEPENDS "${xml}"
            VERBATIM)
        list(APPEND sources "${out}/${name}-client-protocol.h" "${out}/${name}-server-protocol.h"
             "${out}/${name}-protocol.c")
    endforeach()
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} SYSTEM PUBLIC "${out}")
    target_link_libraries(${target} PUBLIC PkgConfig::WAYLAND_CLIENT)
endfunction()
