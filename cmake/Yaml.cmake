# libyaml (Debian: libyaml-dev), for Espanso's match files. A cross build for
# Windows has no such package: it compiles the library's few C files from
# Debian's source package (scripts/deps.sh windows fetches it with
# apt-get source) given as SCRIVLET_LIBYAML_SOURCE. Without either, the
# program is built without the Espanso reader and says so on import.
set(SCRIVLET_LIBYAML_SOURCE "" CACHE PATH
    "Unpacked libyaml source (Debian's source package) to compile in, for a cross build")

add_library(scrivlet_yaml INTERFACE)
set(SCRIVLET_HAVE_YAML OFF)
if(SCRIVLET_LIBYAML_SOURCE AND EXISTS ${SCRIVLET_LIBYAML_SOURCE}/src/parser.c)
    file(GLOB libyaml_sources ${SCRIVLET_LIBYAML_SOURCE}/src/*.c)
    add_library(scrivlet_libyaml STATIC ${libyaml_sources})
    target_include_directories(scrivlet_libyaml PUBLIC ${SCRIVLET_LIBYAML_SOURCE}/include
                               PRIVATE ${SCRIVLET_LIBYAML_SOURCE}/src)
    # What its configure script would write into config.h.
    file(STRINGS ${SCRIVLET_LIBYAML_SOURCE}/CMakeLists.txt libyaml_version_lines
         REGEX "set \\(YAML_VERSION_(MAJOR|MINOR|PATCH)")
    set(libyaml_major 0)
    set(libyaml_minor 2)
    set(libyaml_patch 5)
    foreach(line ${libyaml_version_lines})
        if(line MATCHES "YAML_VERSION_MAJOR ([0-9]+)")
            set(libyaml_major ${CMAKE_MATCH_1})
        elseif(line MATCHES "YAML_VERSION_MINOR ([0-9]+)")
            set(libyaml_minor ${CMAKE_MATCH_1})
        elseif(line MATCHES "YAML_VERSION_PATCH ([0-9]+)")
            set(libyaml_patch ${CMAKE_MATCH_1})
        endif()
    endforeach()
    target_compile_definitions(scrivlet_libyaml
        PUBLIC YAML_DECLARE_STATIC
        PRIVATE YAML_VERSION_MAJOR=${libyaml_major} YAML_VERSION_MINOR=${libyaml_minor}
                YAML_VERSION_PATCH=${libyaml_patch}
                "YAML_VERSION_STRING=\"${libyaml_major}.${libyaml_minor}.${libyaml_patch}\"")
    set_target_properties(scrivlet_libyaml PROPERTIES C_VISIBILITY_PRESET hidden)
    target_link_libraries(scrivlet_yaml INTERFACE scrivlet_libyaml)
    set(SCRIVLET_HAVE_YAML ON)
elseif(NOT CMAKE_CROSSCOMPILING)
    find_path(YAML_INCLUDE_DIR yaml.h)
    find_library(YAML_LIBRARY NAMES yaml)
    if(YAML_INCLUDE_DIR AND YAML_LIBRARY)
        target_include_directories(scrivlet_yaml SYSTEM INTERFACE ${YAML_INCLUDE_DIR})
        target_link_libraries(scrivlet_yaml INTERFACE ${YAML_LIBRARY})
        set(SCRIVLET_HAVE_YAML ON)
    else()
        message(FATAL_ERROR "libyaml not found: install libyaml-dev")
    endif()
endif()
if(SCRIVLET_HAVE_YAML)
    target_compile_definitions(scrivlet_yaml INTERFACE SCRIVLET_HAVE_YAML=1)
else()
    message(STATUS "Built without libyaml: Espanso files cannot be imported")
endif()
