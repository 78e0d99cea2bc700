# Man pages made at build time by help2man from the programs' own --help, so they never
# drift from what the programs say; FILE.h2m adds the sections --help has no room for, and
# with COMMANDS each command's own --help goes into a COMMANDS section.
# Without help2man there are none.
#   ornadeck_man_page(TARGET "one-line description" FILE.h2m [COMMANDS])
find_program(ORNADECK_HELP2MAN help2man)
if(NOT ORNADECK_HELP2MAN)
    message(STATUS "help2man not found: the man pages are not made (scripts/setup.sh installs it)")
endif()

function(ornadeck_man_page target description include)
    if(NOT ORNADECK_HELP2MAN)
        return()
    endif()
    set(page ${CMAKE_CURRENT_BINARY_DIR}/${target}.1)
    set(static ${CMAKE_CURRENT_SOURCE_DIR}/${include})
    set(include ${static})
    set(make_include)
    if(ARGN STREQUAL "COMMANDS")
        set(include ${CMAKE_CURRENT_BINARY_DIR}/${target}.h2m)
        set(make_include COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}>
                                 -DSTATIC=${static} -DOUTPUT=${include}
                                 -P ${CMAKE_CURRENT_SOURCE_DIR}/CommandsSection.cmake)
    endif()
    # The page is named after the command, whatever name the program gives itself; the
    # desktop program prints its help without a display through Qt's offscreen platform.
    add_custom_command(OUTPUT ${page}.gz
                       ${make_include}
                       COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                               ${ORNADECK_HELP2MAN} --no-info --section=1 --name=${description}
                               "--version-string=${target} ${PROJECT_VERSION}"
                               --include=${include} --output=${page} $<TARGET_FILE:${target}>
                       COMMAND gzip -9nf ${page}
                       DEPENDS ${target} ${static} ${CMAKE_CURRENT_SOURCE_DIR}/CommandsSection.cmake
                       COMMENT "Writing the man page of ${target}"
                       VERBATIM)
    add_custom_target(${target}_man_page ALL DEPENDS ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
