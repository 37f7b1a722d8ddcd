# Gathers a runnable Windows folder: scrivlet.exe, the Qt DLLs it links, the
# platform, style and image-format plugins it loads at run time, and the
# compiler's runtime DLLs; then zips the folder.
# cmake -DEXE=... -DQT_BIN=... -DQT_PLUGINS=... -DRUNTIME_DLLS=a;b;c -DOUT=... -DZIP=... -P deploy-windows.cmake
foreach(var EXE QT_BIN QT_PLUGINS OUT ZIP)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "deploy-windows.cmake needs -D${var}=...")
    endif()
endforeach()

# Start empty so that nothing from an older deployment lingers.
file(REMOVE_RECURSE ${OUT})
file(MAKE_DIRECTORY ${OUT})

include(${CMAKE_CURRENT_LIST_DIR}/WindowsDeployFiles.cmake)

set(files ${EXE})
foreach(module ${SCRIVLET_DEPLOY_QT_MODULES})
    list(APPEND files ${QT_BIN}/Qt5${module}.dll)
endforeach()
list(APPEND files ${RUNTIME_DLLS})
foreach(f ${files})
    if(NOT EXISTS ${f})
        message(FATAL_ERROR "deploy: missing ${f}")
    endif()
    file(COPY ${f} DESTINATION ${OUT})
endforeach()

foreach(plugin ${SCRIVLET_DEPLOY_QT_PLUGINS})
    if(NOT EXISTS ${QT_PLUGINS}/${plugin})
        message(FATAL_ERROR "deploy: missing plugin ${QT_PLUGINS}/${plugin}")
    endif()
    get_filename_component(dir ${plugin} DIRECTORY)
    file(COPY ${QT_PLUGINS}/${plugin} DESTINATION ${OUT}/${dir})
endforeach()

# The zip holds the folder itself, so unzipping gives one Scrivlet folder.
get_filename_component(parent ${OUT} DIRECTORY)
get_filename_component(name ${OUT} NAME)
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${name}
                WORKING_DIRECTORY ${parent} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "deploy: could not write ${ZIP}")
endif()
message(STATUS "deploy: ${OUT} and ${ZIP}")
