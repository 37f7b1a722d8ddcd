# The interface languages: Qt Linguist sources resources/i18n/scrivlet_<code>.ts,
# compiled by the host's lrelease at build time (catalogues are the same on
# every platform, so the Windows cross build uses it too) and embedded as
# ":/i18n/scrivlet_<code>.qm".
#
#   cmake --build build --target lupdate   # brings the .ts files in step with the code

set(SCRIVLET_LANGUAGES zh_CN zh_TW ja ko es de ru fr it)

find_program(SCRIVLET_LRELEASE NAMES lrelease lrelease-qt5
             HINTS /usr/lib/qt5/bin NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_program(SCRIVLET_LUPDATE NAMES lupdate lupdate-qt5
             HINTS /usr/lib/qt5/bin NO_CMAKE_FIND_ROOT_PATH)

set(_i18n_dir ${PROJECT_SOURCE_DIR}/resources/i18n)
set(_qm_files)
set(_qrc_entries)
foreach(code ${SCRIVLET_LANGUAGES})
    set(ts ${_i18n_dir}/scrivlet_${code}.ts)
    if(NOT EXISTS ${ts})
        continue()
    endif()
    set(qm ${CMAKE_BINARY_DIR}/i18n/scrivlet_${code}.qm)
    add_custom_command(OUTPUT ${qm}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/i18n
        COMMAND ${SCRIVLET_LRELEASE} -silent ${ts} -qm ${qm}
        DEPENDS ${ts}
        COMMENT "Compiling the ${code} catalogue")
    list(APPEND _qm_files ${qm})
    string(APPEND _qrc_entries "    <file alias=\"scrivlet_${code}.qm\">${qm}</file>\n")
endforeach()

set(_qrc ${CMAKE_BINARY_DIR}/i18n/translations.qrc)
file(WRITE ${_qrc}.in "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/i18n\">\n${_qrc_entries}  </qresource>\n</RCC>\n")
configure_file(${_qrc}.in ${_qrc} COPYONLY)

# Embedded in every program that links the widgets; an object library, since a
# resource inside a static library is dropped when nothing refers to it.
add_custom_target(scrivlet_qm DEPENDS ${_qm_files})
add_library(scrivlet_i18n OBJECT ${_qrc})
add_dependencies(scrivlet_i18n scrivlet_qm)
set_source_files_properties(${_qrc} PROPERTIES OBJECT_DEPENDS "${_qm_files}")
target_link_libraries(scrivlet_i18n PRIVATE Qt5::Core)
target_sources(scrivlet_ui INTERFACE $<TARGET_OBJECTS:scrivlet_i18n>)

if(SCRIVLET_LUPDATE)
    set(_ts_files)
    foreach(code ${SCRIVLET_LANGUAGES})
        list(APPEND _ts_files ${_i18n_dir}/scrivlet_${code}.ts)
    endforeach()
    # No source locations: line numbers would change the catalogues with every
    # edit of the code.
    add_custom_target(lupdate
        COMMAND ${CMAKE_COMMAND} -E make_directory ${_i18n_dir}
        COMMAND ${SCRIVLET_LUPDATE} -silent -no-obsolete -locations none
                ${PROJECT_SOURCE_DIR}/src -ts ${_ts_files}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        COMMENT "Bringing the catalogues in step with the code"
        VERBATIM)
endif()
