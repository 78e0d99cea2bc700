# Writes a help2man include file for a program with commands: a COMMANDS section holding
# each command's own --help verbatim, then the sections of STATIC. The commands are read
# from the "Subcommands:" list of the program's --help, so a new one needs no change here.
#   cmake -DPROGRAM=path -DSTATIC=file.h2m -DOUTPUT=file -P CommandsSection.cmake
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()
string(REGEX REPLACE ".*\nSubcommands:\n" "" listed "${help}")
string(REGEX MATCHALL "(^|\n)  [a-z][a-z-]*" names "${listed}")

set(text "[COMMANDS]\n")
foreach(name IN LISTS names)
    string(STRIP "${name}" name)
    execute_process(COMMAND ${PROGRAM} ${name} --help OUTPUT_VARIABLE command_help
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${PROGRAM} ${name} --help failed: ${status}")
    endif()
    # Backslashes would be read as roff escapes.
    string(REPLACE "\\" "\\e" command_help "${command_help}")
    string(APPEND text ".SS ${name}\n.nf\n${command_help}.fi\n")
endforeach()
file(READ ${STATIC} static)
file(WRITE ${OUTPUT} "${text}\n${static}")
