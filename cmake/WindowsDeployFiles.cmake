# What a Windows folder of the program holds beside scrivlet.exe and the
# compiler's runtime DLLs. The deploy folder (deploy-windows.cmake) and the
# installer's files (Install.cmake) both take the list from here, so the
# portable zip and the installer always carry the same program.

# Qt5<module>.dll from the Qt's bin folder.
set(SCRIVLET_DEPLOY_QT_MODULES Core Gui Widgets)

# Plugins Qt loads from folders beside the .exe: the window system, the native
# style (Fusion is built into Qt5Widgets, the Vista style is kept for dialogs
# that ask for the native look) and the .ico reader for the application icon.
set(SCRIVLET_DEPLOY_QT_PLUGINS platforms/qwindows.dll styles/qwindowsvistastyle.dll
                               imageformats/qico.dll)
