# Copies the shipped screen fonts (fonts/*.bdf) beside a target's executable after each
# build, where PalmFonts::programFolder() looks for them.
#   include(cmake/InstallFonts.cmake)
#   ornadeck_copy_fonts(ornadeck)
function(ornadeck_copy_fonts target)
    set(folder ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../fonts)
    file(GLOB fonts CONFIGURE_DEPENDS ${folder}/*.bdf)
    if(NOT fonts)
        message(FATAL_ERROR "ornadeck_copy_fonts: no .bdf files in ${folder}")
    endif()
    add_custom_command(TARGET ${target} POST_BUILD
                       COMMAND ${CMAKE_COMMAND} -E copy_if_different ${fonts}
                               $<TARGET_FILE_DIR:${target}>
                       COMMENT "Copying the fonts beside ${target}"
                       VERBATIM)
endfunction()
