# Each source folder adds every .cpp/.h it holds to one target, so adding a file needs no list edits.
function(ringle_add_folder_sources target)
    file(GLOB _sources CONFIGURE_DEPENDS
        "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp"
        "${CMAKE_CURRENT_SOURCE_DIR}/*.h")
    target_sources(${target} PRIVATE ${_sources})
endfunction()
