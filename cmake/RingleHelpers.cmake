# Each source folder adds every .cpp/.h it holds to one target, so adding a file needs no list edits.
function(ringle_add_folder_sources target)
    file(GLOB _sources CONFIGURE_DEPENDS
        "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp"
        "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    target_sources(${target} PRIVATE ${_sources})
endfunction()

# The library of a source folder: ringle_ and the folder with "/" as "_" (platform/x11: ringle_platform_x11).
function(ringle_library_name out folder)
    string(REPLACE "/" "_" _name "${folder}")
    set(${out} ringle_${_name} PARENT_SCOPE)
endfunction()

# Links `target` with the libraries of the source folders its sources include from
# (#include "wheel/..." links ringle_wheel), and with nothing else of the product. The folder after
# EXCEPT is left out (a source of its own compiled into the target).
function(ringle_link_included target)
    cmake_parse_arguments(PARSE_ARGV 1 _arg "" "EXCEPT" "")
    foreach(_source IN LISTS _arg_UNPARSED_ARGUMENTS)
        file(STRINGS ${_source} _includes REGEX "^#include \"[a-z0-9/]+/[^/\"]+\"")
        foreach(_include IN LISTS _includes)
            string(REGEX REPLACE "^#include \"([a-z0-9/]+)/[^/\"]+\".*$" "\\1" _folder "${_include}")
            ringle_library_name(_library ${_folder})
            if(TARGET ${_library} AND NOT _folder STREQUAL "${_arg_EXCEPT}")
                target_link_libraries(${target} PRIVATE ${_library})
            endif()
        endforeach()
    endforeach()
endfunction()
