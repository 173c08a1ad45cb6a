# The "TEXTFILE" resources of the saver: the fire's shader texts, the model of its rectangle, and
# the shader texts of the text drawn over it.
# Their ids come from resources/resource_ids.h, the one list the code reads as well. Test
# executables that run the real scene carry the same list.
set(EMBERVEIL_RESOURCE_IDS_HEADER "${PROJECT_SOURCE_DIR}/resources/resource_ids.h")
set_property(DIRECTORY "${PROJECT_SOURCE_DIR}" APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             "${EMBERVEIL_RESOURCE_IDS_HEADER}")

# emberveil_resource_id(<name> <variable>): the number defined for <name> in the id list.
function(emberveil_resource_id name variable)
    file(STRINGS "${EMBERVEIL_RESOURCE_IDS_HEADER}" line REGEX "^#define ${name} [0-9]+$")
    if(NOT line)
        message(FATAL_ERROR "${name} is not defined in ${EMBERVEIL_RESOURCE_IDS_HEADER}")
    endif()
    string(REGEX REPLACE "^#define ${name} " "" id "${line}")
    set(${variable} ${id} PARENT_SCOPE)
endfunction()

emberveil_resource_id(RES_PASS_THROUGH_VERTEX_SHADER vertex_id)
emberveil_resource_id(RES_FIRE_FRAGMENT_SHADER fragment_id)
emberveil_resource_id(RES_RECTANGLE_MODEL model_id)
emberveil_resource_id(RES_RECTANGLE_MATERIALS materials_id)
emberveil_resource_id(RES_TEXT_OVERLAY_VERTEX_SHADER overlay_vertex_id)
emberveil_resource_id(RES_TEXT_OVERLAY_FRAGMENT_SHADER overlay_fragment_id)
set(EMBERVEIL_SAVER_TEXTS
    ${vertex_id} "${PROJECT_SOURCE_DIR}/scene/shaders/pass_through.vert"
    ${fragment_id} "${PROJECT_SOURCE_DIR}/scene/shaders/fire.frag"
    ${model_id} "${PROJECT_SOURCE_DIR}/model/data/rectangle_object.obj"
    ${materials_id} "${PROJECT_SOURCE_DIR}/model/data/rectangle_object.mtl"
    ${overlay_vertex_id} "${PROJECT_SOURCE_DIR}/scene/shaders/text_overlay.vert"
    ${overlay_fragment_id} "${PROJECT_SOURCE_DIR}/scene/shaders/text_overlay.frag")

function(emberveil_add_saver_texts target)
    if(EMBERVEIL_SAVER_TEXTS)
        emberveil_add_text_resources(${target} ${EMBERVEIL_SAVER_TEXTS})
    endif()
endfunction()
