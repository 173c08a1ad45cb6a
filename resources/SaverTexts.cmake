# The "TEXTFILE" resources of the saver: the shader texts and the model of the fire rectangle.
# Test executables that run the real scene carry the same list.
set(EMBERVEIL_SAVER_TEXTS "")

function(emberveil_add_saver_texts target)
    if(EMBERVEIL_SAVER_TEXTS)
        emberveil_add_text_resources(${target} ${EMBERVEIL_SAVER_TEXTS})
    endif()
endfunction()
