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

# corvessa_add_resources(<name> <script.rc> [DEPENDS <files>...] [USES <libraries>...])
# An object library of one resource script, which the programs that carry its resources list
# as $<TARGET_OBJECTS:name>. The script finds the headers of the folder that defines it and of
# resources/. windres takes none of the C++ options, and writes no dependency file: DEPENDS
# names what the script pulls in (pictures, icons, manifests), so that a change rebuilds it.
function(corvessa_add_resources name script)
    cmake_parse_arguments(PARSE_ARGV 2 ARG "" "" "DEPENDS;USES")
    add_library(${name} OBJECT ${script})
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/resources)
    target_link_libraries(${name} PRIVATE ${ARG_USES})
    set_property(SOURCE ${script} APPEND PROPERTY OBJECT_DEPENDS ${ARG_DEPENDS})
endfunction()
