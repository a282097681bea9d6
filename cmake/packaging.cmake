# The packages for Windows users, made by CPack in the Windows build:
#   a zip to extract into the simulator folder (it holds Norvane\Corvel\...),
#   an installer (NSIS) that finds the simulator folder itself.
# Both are for the program's architecture: 32-bit, as users get it; 64-bit
# only in the test build of a machine that runs no 32-bit code.
# ./scripts/package builds both.

install(TARGETS CorvelConfig RUNTIME DESTINATION .)
install(FILES README.md DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES CHANGELOG.md THIRD-PARTY-NOTICES.txt DESTINATION .)
# The guide as Help opens it (pictures embedded), and its Markdown source
# with the pictures, and the pages the README links to.
if(CORVEL_PANDOC)
    install(FILES ${CORVEL_USER_GUIDE_HTML} DESTINATION docs)
endif()
install(FILES docs/user-guide.md docs/benchmarks.md docs/architecture.md DESTINATION docs)
install(DIRECTORY docs/screenshots DESTINATION docs FILES_MATCHING PATTERN "*.png")

# Packaging needs only the program, not every test: scripts/package builds
# CorvelConfig first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_PACKAGE_NAME "CorvelConfig")
set(CPACK_PACKAGE_VENDOR "The Corvel Config developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(CPACK_NSIS_CORVEL_TARGET amd64-unicode)
    set(CORVEL_PACKAGE_PLATFORM win64)
else()
    set(CPACK_NSIS_CORVEL_TARGET x86-unicode)
    set(CORVEL_PACKAGE_PLATFORM win32)
endif()

find_program(CORVEL_MAKENSIS makensis)
set(CPACK_GENERATOR ZIP)
if(CORVEL_MAKENSIS)
    list(APPEND CPACK_GENERATOR NSIS)
    set(CPACK_NSIS_EXECUTABLE ${CORVEL_MAKENSIS})
endif()

# Our own installer script (cmake/packaging/NSIS.template.in) replaces
# CPack's: one page for the folder, no PATH or desktop options, and an
# uninstaller that keeps the user's files.
set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/cmake/packaging)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/res/app.ico)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")

# Settings that differ between the zip and the installer.
configure_file(${PROJECT_SOURCE_DIR}/cmake/packaging/generator_options.cmake.in
               ${PROJECT_BINARY_DIR}/CPackGeneratorOptions.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/CPackGeneratorOptions.cmake)

include(CPack)

# Install, start and uninstall under Wine as a user would.
if(CORVEL_MAKENSIS AND CMAKE_HOST_UNIX)
    add_test(NAME installer
             COMMAND ${PROJECT_SOURCE_DIR}/tests/install/installer_test.sh ${PROJECT_BINARY_DIR})
    set_tests_properties(installer PROPERTIES LABELS wine TIMEOUT 300)
endif()
