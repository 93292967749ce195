# The Debian package, for the release it is built on: cpack -G DEB in the build folder.

# Debian's documents for the package: its copyright and its changelog.
install(FILES copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
quillmark_install_gzipped(${CMAKE_CURRENT_SOURCE_DIR}/changelog ${CMAKE_INSTALL_DOCDIR})

# The package that holds a file of this system, or "" when no package does.
function(quillmark_package_of file out)
  get_filename_component(file ${file} REALPATH)
  execute_process(COMMAND dpkg-query --search ${file}
                  OUTPUT_VARIABLE owner ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REGEX REPLACE "[:,].*" "" owner "${owner}")
  set(${out} "${owner}" PARENT_SCOPE)
endfunction()

# Qt loads its X11 platform plugin at run time, so no link names it. Debian 12 and 13 ship it
# in libqt6gui6, which the links bring; should a release move it to a package of its own, that
# package is named.
get_target_property(qt_gui_library Qt6::Gui LOCATION)
quillmark_package_of(${qt_gui_library} qt_gui_package)
file(GLOB xcb_plugin "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}/platforms/libqxcb.so")
set(platform_plugin_package "")
if(xcb_plugin)
  quillmark_package_of(${xcb_plugin} platform_plugin_package)
endif()
if(NOT platform_plugin_package)
  message(WARNING "No package holds Qt's xcb platform plugin: the .deb will not name it")
else()
  message(STATUS "Qt's xcb platform plugin comes with ${platform_plugin_package}")
  if(platform_plugin_package STREQUAL qt_gui_package)
    set(platform_plugin_package "")  # the links name it already
  endif()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillmark)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Norvanta)
set(CPACK_PACKAGE_CONTACT "Norvanta <support@norvanta.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.norvanta.example)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for the current an electrical load draws")
set(CPACK_PACKAGE_DESCRIPTION
    "Quillmark finds the current a load draws from its apparent power in kVA or
its real power in kW and the supply voltage, so that cables, breakers and
fuses can be sized for it.

It has four calculators: kVA to amps in a three-phase circuit from the
line-to-line or the line-to-neutral voltage, kVA to amps in a single-phase
circuit, and kW to amps in a single-phase circuit. Values that cannot give
a current, such as a power factor outside 0.01 to 1.00, are reported beside
their boxes.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Whatever the build type, the installed program carries no debug information.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps (from dpkg-dev) works out the libraries as linked: Qt, libstdc++, libc.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no link shows: the platform plugin, and the fonts the layouts' fonts are mapped to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-extra, fonts-liberation2")
if(platform_plugin_package)
  string(PREPEND CPACK_DEBIAN_PACKAGE_DEPENDS "${platform_plugin_package}, ")
endif()

include(CPack)
