# The "TEXTFILE" resources of the saver: the shader texts and the model of the fire rectangle.
# Test executables that run the real scene carry the same list.
set(EMBERVEIL_SAVER_TEXTS
    137 "${PROJECT_SOURCE_DIR}/scene/shaders/pass_through.vert"
    136 "${PROJECT_SOURCE_DIR}/scene/shaders/fire.frag"
    141 "${PROJECT_SOURCE_DIR}/model/data/rectangle_object.obj"
    140 "${PROJECT_SOURCE_DIR}/model/data/rectangle_object.mtl")

function(emberveil_add_saver_texts target)
    if(EMBERVEIL_SAVER_TEXTS)
        emberveil_add_text_resources(${target} ${EMBERVEIL_SAVER_TEXTS})
    endif()
endfunction()
