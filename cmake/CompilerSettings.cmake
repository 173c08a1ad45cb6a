# Warnings apply to the project's own targets only; the libraries built from their source packages
# keep their own settings.
add_library(emberveil_warnings INTERFACE)
target_compile_options(emberveil_warnings INTERFACE -Wall -Wextra)

if(EMBERVEIL_SANITIZE)
    set(sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    add_compile_options(${sanitize_flags})
    add_link_options(${sanitize_flags})
endif()

# Gives a project target the warning set and the repository root as its include root, so that
# includes read "platform/resources.h", "render/program.h" and so on.
function(emberveil_target target)
    target_link_libraries(${target} PRIVATE emberveil_warnings)
    target_include_directories(${target} PUBLIC "${PROJECT_SOURCE_DIR}")
endfunction()
