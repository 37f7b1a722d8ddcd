# RapidJSON, header-only (Debian: rapidjson-dev). Its headers are the same for
# every target, so a cross build takes the host's copy too, but through a
# folder in the build tree that holds nothing else: the host's other headers
# must never reach the mingw-w64 compiler.
find_path(RAPIDJSON_INCLUDE_DIR rapidjson/reader.h NO_CMAKE_FIND_ROOT_PATH
          DOC "Folder that holds rapidjson/reader.h")
if(NOT RAPIDJSON_INCLUDE_DIR)
    message(FATAL_ERROR "RapidJSON not found: install rapidjson-dev or set RAPIDJSON_INCLUDE_DIR")
endif()

set(rapidjson_only ${CMAKE_BINARY_DIR}/rapidjson-include)
file(MAKE_DIRECTORY ${rapidjson_only})
file(CREATE_LINK ${RAPIDJSON_INCLUDE_DIR}/rapidjson ${rapidjson_only}/rapidjson SYMBOLIC)

add_library(scrivlet_rapidjson INTERFACE)
target_include_directories(scrivlet_rapidjson SYSTEM INTERFACE ${rapidjson_only})
