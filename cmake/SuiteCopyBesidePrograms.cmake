# suite_copy_beside_programs(<target> <files...>)
# Copies the files into the program folder, where the programs open them,
# whenever one changes; <target> is built with everything, and a program
# that opens them depends on it. They are installed with the programs
# (packaging/ installs every file listed in SUITE_DATA_FILES).
function(suite_copy_beside_programs target)
    set(outputs)
    foreach(source ${ARGN})
        get_filename_component(file ${source} NAME)
        add_custom_command(OUTPUT ${SUITE_DIR}/${file}
            COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${SUITE_DIR}/${file}
            DEPENDS ${source})
        list(APPEND outputs ${SUITE_DIR}/${file})
    endforeach()
    add_custom_target(${target} ALL DEPENDS ${outputs})
    set_property(GLOBAL APPEND PROPERTY SUITE_DATA_FILES ${outputs})
endfunction()
