# SPDX-License-Identifier: MIT
# The Windows installer: `cpack -G NSIS` in the cross build makes quorvex-<version>-win64.exe with
# Debian's nsis. It installs per machine into "Program Files\Quorvex Setup" (every program in that
# one folder, no DLL beside them), with a Start-menu entry, an uninstaller and an entry under
# Apps & Features with the version and publisher. /S installs and uninstalls silently; /D= picks
# the folder.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR NSIS)
set(CPACK_PACKAGE_NAME quorvex)
set(CPACK_PACKAGE_VENDOR "Quorvex Setup developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configuration tool for Quorvex trail cameras")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://${QUORVEX_WEB_HOST}/")
set(CPACK_PACKAGE_FILE_NAME "quorvex-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Quorvex Setup")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Quorvex Setup")
set(CPACK_PACKAGE_EXECUTABLES quorvex "Quorvex Setup")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "Quorvex Setup")
set(CPACK_NSIS_DISPLAY_NAME "Quorvex Setup")
set(CPACK_NSIS_INSTALLED_ICON_NAME quorvex.exe)
set(CPACK_NSIS_MUI_ICON ${QUORVEX_ICON_FOLDER}/window.ico)
set(CPACK_NSIS_MUI_UNIICON ${QUORVEX_ICON_FOLDER}/window.ico)
set(CPACK_NSIS_URL_INFO_ABOUT "https://${QUORVEX_WEB_HOST}/")
set(CPACK_NSIS_CONTACT "setup@quorvex.example")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MODIFY_PATH OFF)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# A 64-bit installer: a 32-bit stub cannot start on a system (or a Wine) without 32-bit support,
# and the programs are 64-bit. The 64-bit registry view holds the Apps & Features entry.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "SetRegView 64")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS "SetRegView 64")
include(CPack)
