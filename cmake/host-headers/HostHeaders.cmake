# Makes an interface target for a header-only library of the host: its
# folder under /usr/include is linked into a folder of the build that holds
# nothing else, so the cross compiler sees those headers and no host headers.
function(nimbrel_host_header_target target folder)
    if(TARGET ${target})
        return()
    endif()
    set(root ${CMAKE_BINARY_DIR}/host-headers)
    if(NOT EXISTS /usr/include/${folder})
        message(FATAL_ERROR "/usr/include/${folder} is missing: install its Debian package")
    endif()
    file(MAKE_DIRECTORY ${root})
    if(NOT EXISTS ${root}/${folder})
        file(CREATE_LINK /usr/include/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    add_library(${target} INTERFACE IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${root})
endfunction()
