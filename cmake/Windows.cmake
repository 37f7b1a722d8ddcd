# Windows specifics of the scrivlet target: the .exe's icon resource and the
# deploy step. Included from src/CMakeLists.txt once the target exists; the
# DLL locations come from cmake/WindowsRuntime.cmake.

target_sources(scrivlet PRIVATE ${PROJECT_SOURCE_DIR}/resources/scrivlet.rc)
set_property(SOURCE ${PROJECT_SOURCE_DIR}/resources/scrivlet.rc APPEND PROPERTY
             OBJECT_DEPENDS ${PROJECT_SOURCE_DIR}/resources/icons/Scrivlet.ico)

# deploy: one folder a Windows user can unzip and run, and its zip. With an
# official Qt kit windeployqt does the same job (see docs/building.md).
set(SCRIVLET_DEPLOY_DIR ${CMAKE_BINARY_DIR}/deploy/Scrivlet)
set(SCRIVLET_DEPLOY_ZIP ${CMAKE_BINARY_DIR}/deploy/Scrivlet-${PROJECT_VERSION}-win64.zip)
add_custom_target(deploy
    COMMAND ${CMAKE_COMMAND}
            -DEXE=$<TARGET_FILE:scrivlet>
            -DQT_BIN=${SCRIVLET_QT_BIN}
            -DQT_PLUGINS=${SCRIVLET_QT_PLUGINS}
            "-DRUNTIME_DLLS=${SCRIVLET_RUNTIME_DLLS}"
            -DOUT=${SCRIVLET_DEPLOY_DIR}
            -DZIP=${SCRIVLET_DEPLOY_ZIP}
            -P ${PROJECT_SOURCE_DIR}/cmake/deploy-windows.cmake
    DEPENDS scrivlet
    COMMENT "Gathering scrivlet.exe and its DLLs in ${SCRIVLET_DEPLOY_DIR}"
    VERBATIM)
