# corvessa_add_library(<name> <sources>... [USES <libraries>...])
# A static library of the folder that defines it. Its include directory is that folder and no
# other, so that a library names only its own headers and those of the libraries it uses: the
# layers of a subsystem then include each other one way only, as they link.
function(corvessa_add_library name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "USES")
    add_library(${name} STATIC ${ARG_UNPARSED_ARGUMENTS})
    target_include_directories(${name} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_USES} corvessa_options)
endfunction()
