# What makes the build a desktop program: the Danish catalogue for Qt's own dialogs, the icon in every size
# the desktop asks for, the install rules and the Debian package.
#   cmake --build build --target installable && cmake --install build [--prefix DIR]
#   cmake --build build --target installable && (cd build && cpack)   builds the .deb
#   scripts/check-package build   builds the .deb and checks it, its desktop entry and its metainfo

include(GNUInstallDirs)
# `cmake --install` and CPack would otherwise build every test and benchmark first; the target
# `installable` below builds what they need.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY TRUE)

set(SKRIVORA_APP_ID dk.skrivora.skrivora)
set(SKRIVORA_RESOURCES ${CMAKE_SOURCE_DIR}/resources)
set(SKRIVORA_GENERATED ${CMAKE_BINARY_DIR}/generated)

# --- Danish texts for Qt's dialogs ----------------------------------------------------------------------
# lrelease comes with Qt's small linguist package; Qt's CMake functions for it would need the whole Qt tools
# development package, which is far bigger, for one command.
find_package(Qt6 REQUIRED COMPONENTS Svg)
find_program(SKRIVORA_LRELEASE lrelease HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS} /usr/lib/qt6/bin
             REQUIRED)
file(GLOB SKRIVORA_TS_FILES CONFIGURE_DEPENDS ${SKRIVORA_RESOURCES}/translations/*.ts)
set(SKRIVORA_QM_FILES)
file(MAKE_DIRECTORY ${SKRIVORA_GENERATED}/translations)
foreach(ts ${SKRIVORA_TS_FILES})
  get_filename_component(name ${ts} NAME_WE)
  set(qm ${SKRIVORA_GENERATED}/translations/${name}.qm)
  add_custom_command(OUTPUT ${qm}
                     COMMAND ${SKRIVORA_LRELEASE} -silent ${ts} -qm ${qm}
                     DEPENDS ${ts} VERBATIM)
  list(APPEND SKRIVORA_QM_FILES ${qm})
endforeach()
set_source_files_properties(${SKRIVORA_QM_FILES} PROPERTIES GENERATED TRUE)
# Built into the program, so tests and an uninstalled build speak the same Danish as the installed one.
qt_add_resources(skrivora_core skrivora_translations PREFIX /translations BASE ${SKRIVORA_GENERATED}/translations
                 FILES ${SKRIVORA_QM_FILES})

# --- The icon --------------------------------------------------------------------------------------------
# The PNG sizes are rendered at build time from the one SVG with Qt's own renderer (the one that draws the
# window icon), so they can never drift from the drawing and need no converter beyond Qt.
set(SKRIVORA_ICON_SIZES 16 22 24 32 48 64 128 256 512)
add_executable(render-icon ${CMAKE_SOURCE_DIR}/cmake/render-icon.cpp)
target_link_libraries(render-icon PRIVATE Qt6::Gui Qt6::Svg)
set(SKRIVORA_ICON_PNGS)
foreach(size ${SKRIVORA_ICON_SIZES})
  list(APPEND SKRIVORA_ICON_PNGS ${SKRIVORA_GENERATED}/icons/${size}x${size}.png)
endforeach()
add_custom_command(OUTPUT ${SKRIVORA_ICON_PNGS}
                   COMMAND render-icon ${SKRIVORA_RESOURCES}/skrivora.svg ${SKRIVORA_GENERATED}/icons
                           ${SKRIVORA_ICON_SIZES}
                   DEPENDS render-icon ${SKRIVORA_RESOURCES}/skrivora.svg VERBATIM)

# --- Files Debian wants compressed -----------------------------------------------------------------------
set(SKRIVORA_MAN_PAGE ${SKRIVORA_GENERATED}/man/skrivora.1.gz)
add_custom_command(OUTPUT ${SKRIVORA_MAN_PAGE}
                   COMMAND sh -c "gzip -9n < '${SKRIVORA_RESOURCES}/man/skrivora.1' > '${SKRIVORA_MAN_PAGE}'"
                   DEPENDS ${SKRIVORA_RESOURCES}/man/skrivora.1 VERBATIM)
# The tools are described on the program's page; their pages are links to it.
file(MAKE_DIRECTORY ${SKRIVORA_GENERATED}/man)
foreach(tool skrivora-rtf skrivora-search)
  file(CREATE_LINK skrivora.1.gz ${SKRIVORA_GENERATED}/man/${tool}.1.gz SYMBOLIC)
endforeach()

string(TIMESTAMP SKRIVORA_BUILD_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
configure_file(${SKRIVORA_RESOURCES}/debian/changelog.in ${SKRIVORA_GENERATED}/doc/changelog @ONLY)
set(SKRIVORA_CHANGELOG ${SKRIVORA_GENERATED}/doc/changelog.gz)
add_custom_command(OUTPUT ${SKRIVORA_CHANGELOG}
                   COMMAND sh -c "gzip -9n < '${SKRIVORA_GENERATED}/doc/changelog' > '${SKRIVORA_CHANGELOG}'"
                   DEPENDS ${SKRIVORA_GENERATED}/doc/changelog VERBATIM)

add_custom_target(desktop-files ALL DEPENDS ${SKRIVORA_ICON_PNGS} ${SKRIVORA_MAN_PAGE} ${SKRIVORA_CHANGELOG})

# --- Install rules ---------------------------------------------------------------------------------------
install(TARGETS skrivora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
set(SKRIVORA_INSTALLED_TARGETS skrivora)
# Every folder below tools/ is a program of its own (see CMakeLists.txt); each is installed once it exists.
file(GLOB SKRIVORA_TOOL_DIRS CONFIGURE_DEPENDS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tools/*)
foreach(dir ${SKRIVORA_TOOL_DIRS})
  get_filename_component(name ${dir} NAME)
  if(IS_DIRECTORY ${dir} AND TARGET ${name})
    install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    list(APPEND SKRIVORA_INSTALLED_TARGETS ${name})
  endif()
endforeach()
# Everything the install rules need and nothing else (no tests, no benchmarks): `cmake --install` and
# `cpack` then work on a build of this target alone.
add_custom_target(installable DEPENDS ${SKRIVORA_INSTALLED_TARGETS} desktop-files)

install(FILES ${SKRIVORA_RESOURCES}/${SKRIVORA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${SKRIVORA_RESOURCES}/${SKRIVORA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${SKRIVORA_RESOURCES}/skrivora.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size ${SKRIVORA_ICON_SIZES})
  install(FILES ${SKRIVORA_GENERATED}/icons/${size}x${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME skrivora.png)
endforeach()
install(FILES ${SKRIVORA_MAN_PAGE} ${SKRIVORA_GENERATED}/man/skrivora-rtf.1.gz
              ${SKRIVORA_GENERATED}/man/skrivora-search.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The program's own data folder: help pages (and scripts, when there are any), found there when the data
# root's Program folder lacks them.
install(DIRECTORY ${SKRIVORA_RESOURCES}/Information DESTINATION ${CMAKE_INSTALL_DATADIR}/skrivora)
install(FILES ${SKRIVORA_RESOURCES}/debian/copyright ${SKRIVORA_CHANGELOG}
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/skrivora)

# --- The Debian package ----------------------------------------------------------------------------------
set(SKRIVORA_MAINTAINER "Skrivora <udvikling@skrivora.dk>" CACHE STRING "Maintainer of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME skrivora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${SKRIVORA_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Danish editor for plain-text and RTF documents")
set(CPACK_PACKAGE_DESCRIPTION "\
Skrivora is a desktop editor for plain-text and rich-text (RTF) files with a
Danish user interface. One window holds any number of documents with a strip
of tabs; tool boxes keep the open and closed documents, favourites, folders
and files, and search for text in documents and for names of files. It checks
spelling in Danish, prints with chosen margins and writes Danish dates and
holidays.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time rather than linked, so dpkg-shlibdeps cannot see them: the SVG icon engine that draws
# the window icon and Qt's Danish catalogue.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6 (>= 6.4), qt6-translations-l10n")
# The Danish dictionary for spelling, fonts that measure like the Windows fonts documents name, and
# xdg-open, through which files and addresses go to the desktop's programs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hunspell-da, fonts-liberation, fonts-crosextra-carlito, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
