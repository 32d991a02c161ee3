# Wayland protocol glue: wayland-scanner writes a client header and the interface code of each XML
# file into the build folder at build time, compiled into a library of their own (generated files
# belong to targets of the folder that makes them) that the target links; it finds the headers as
# <NAME-client-protocol.h>.
pkg_check_modules(WAYLAND REQUIRED IMPORTED_TARGET wayland-client wayland-cursor xkbcommon)
pkg_get_variable(WAYLAND_SCANNER wayland-scanner wayland_scanner)
pkg_get_variable(WAYLAND_PROTOCOLS_DIR wayland-protocols pkgdatadir)
if(NOT WAYLAND_SCANNER)
    find_program(WAYLAND_SCANNER wayland-scanner REQUIRED)
endif()

# KDE's own protocols (KWin's fake input), from plasma-wayland-protocols.
find_package(PlasmaWaylandProtocols REQUIRED)

# The protocols Debian packages in wayland-protocols, by their path below its folder.
set(RINGLE_SYSTEM_PROTOCOLS ${WAYLAND_PROTOCOLS_DIR})
set(RINGLE_OWN_PROTOCOLS ${PROJECT_SOURCE_DIR}/src/platform/wayland/protocols)

function(ringle_wayland_protocols target)
    set(_glue ${target}_protocols)
    set(_out ${CMAKE_CURRENT_BINARY_DIR}/${_glue})
    file(MAKE_DIRECTORY ${_out})
    add_library(${_glue} STATIC)
    foreach(_xml IN LISTS ARGN)
        get_filename_component(_name ${_xml} NAME_WE)
        set(_header ${_out}/${_name}-client-protocol.h)
        set(_code ${_out}/${_name}-protocol.c)
        add_custom_command(OUTPUT ${_header}
            COMMAND ${WAYLAND_SCANNER} client-header ${_xml} ${_header}
            DEPENDS ${_xml} VERBATIM)
        add_custom_command(OUTPUT ${_code}
            COMMAND ${WAYLAND_SCANNER} private-code ${_xml} ${_code}
            DEPENDS ${_xml} VERBATIM)
        target_sources(${_glue} PRIVATE ${_header} ${_code})
    endforeach()
    target_include_directories(${_glue} PUBLIC ${_out})
    target_link_libraries(${_glue} PUBLIC PkgConfig::WAYLAND)
    target_link_libraries(${target} PUBLIC ${_glue})
endfunction()
