# emberveil_add_text_resources(<target> <id> <file> [<id> <file>]...)
#
# Compiles each file into <target> as a "TEXTFILE" resource with the given integer id. On Windows
# the files go through a generated resource script and windres; elsewhere they become a table
# generated at build time, which the platform layer's resource lookup finds by id.
set(EMBERVEIL_EMBED_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/EmbedTextResources.cmake")

function(emberveil_add_text_resources target)
    set(pairs ${ARGN})
    list(LENGTH pairs count)
    math(EXPR odd "${count} % 2")
    if(count EQUAL 0 OR odd)
        message(FATAL_ERROR "emberveil_add_text_resources: expected <id> <file> pairs")
    endif()

    set(files "")
    set(absolute_pairs "")
    math(EXPR last "${count} - 1")
    foreach(i RANGE 0 ${last} 2)
        math(EXPR j "${i} + 1")
        list(GET pairs ${i} id)
        list(GET pairs ${j} file)
        cmake_path(ABSOLUTE_PATH file BASE_DIRECTORY "${CMAKE_CURRENT_SOURCE_DIR}"
                   OUTPUT_VARIABLE file)
        list(APPEND files "${file}")
        list(APPEND absolute_pairs "${id}" "${file}")
    endforeach()

    set(out_dir "${CMAKE_CURRENT_BINARY_DIR}/${target}_text_resources")
    if(WIN32)
        set(script "")
        foreach(i RANGE 0 ${last} 2)
            math(EXPR j "${i} + 1")
            list(GET absolute_pairs ${i} id)
            list(GET absolute_pairs ${j} file)
            string(APPEND script "${id} TEXTFILE \"${file}\"\n")
        endforeach()
        file(CONFIGURE OUTPUT "${out_dir}/text_resources.rc" CONTENT "${script}")
        set_source_files_properties("${out_dir}/text_resources.rc" PROPERTIES
                                    OBJECT_DEPENDS "${files}")
        target_sources(${target} PRIVATE "${out_dir}/text_resources.rc")
    else()
        add_custom_command(
            OUTPUT "${out_dir}/text_resources.cpp"
            COMMAND "${CMAKE_COMMAND}" "-DOUTPUT=${out_dir}/text_resources.cpp"
                    "-DRESOURCES=${absolute_pairs}" -P "${EMBERVEIL_EMBED_SCRIPT}"
            DEPENDS ${files} "${EMBERVEIL_EMBED_SCRIPT}"
            COMMENT "Embedding text resources of ${target}"
            VERBATIM)
        target_sources(${target} PRIVATE "${out_dir}/text_resources.cpp")
    endif()
    target_link_libraries(${target} PRIVATE emberveil_platform)
endfunction()
