# The Debian package: `cmake --build build-release --target package` (or
# `cpack` in the build folder) writes lumentor_<version>_<arch>.deb with both
# programs, the desktop integration, the examples and the manual pages.

install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/ DESTINATION share/lumentor/examples
        FILES_MATCHING PATTERN "*.lmt")

# Manual pages, compressed as Debian keeps them.
find_program(LUMEN_GZIP gzip)
set(_man_pages lumentor lumentor-cli)
set(_man_out)
foreach(_page ${_man_pages})
  set(_src ${PROJECT_SOURCE_DIR}/resources/man/${_page}.1)
  if(_page STREQUAL "lumentor-cli")
    set(_src ${LUMEN_CLI_MANPAGE}) # written from cli/HelpTable.cpp
  endif()
  set(_gz ${CMAKE_BINARY_DIR}/man/${_page}.1.gz)
  if(LUMEN_GZIP)
    add_custom_command(OUTPUT ${_gz}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND sh -c "${LUMEN_GZIP} -9n -c '${_src}' > '${_gz}'"
      DEPENDS ${_src} VERBATIM)
    list(APPEND _man_out ${_gz})
    install(FILES ${_gz} DESTINATION share/man/man1)
  else()
    install(FILES ${_src} DESTINATION share/man/man1)
  endif()
endforeach()
if(_man_out)
  add_custom_target(lumen_man_pages ALL DEPENDS ${_man_out})
  add_dependencies(lumen_man_pages lumen_cli_manpage_file)
endif()

# The maintainer named in the package, its copyright file and changelog.
set(LUMEN_MAINTAINER "Lumentor maintainers <maintainers@users.noreply.c-seed-96a0dc5e.example>"
    CACHE STRING "Name and address of the package's maintainer")
set(LUMEN_HOMEPAGE "https://c-seed-96a0dc5e.example/lumentor"
    CACHE STRING "The project's home page")

# The copyright file (machine-readable format) and the changelog, compressed
# as Debian keeps it, in /usr/share/doc/lumentor.
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/copyright ${CMAKE_BINARY_DIR}/doc/copyright @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/changelog.in ${CMAKE_BINARY_DIR}/doc/changelog
               @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/doc/copyright DESTINATION share/doc/lumentor)
if(LUMEN_GZIP)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/doc/changelog.gz
    COMMAND sh -c "${LUMEN_GZIP} -9n -c '${CMAKE_BINARY_DIR}/doc/changelog' > '${CMAKE_BINARY_DIR}/doc/changelog.gz'"
    DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog VERBATIM)
  add_custom_target(lumen_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog.gz)
  install(FILES ${CMAKE_BINARY_DIR}/doc/changelog.gz DESTINATION share/doc/lumentor)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lumentor)
set(CPACK_PACKAGE_VENDOR Lumentor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${LUMEN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${LUMEN_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${LUMEN_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "beskrivende statistik til undervisningen")
# The extended description, wrapped to short lines as Debian wants it (CPack
# puts the summary above it).
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Lumentor er et program til undervisning i beskrivende statistik. Man
taster, genererer eller importerer et lille datasæt (observationer,
hyppighedstabeller eller grupperinger), og programmet beskriver det med
hyppighedstabeller, mærketal, grafer, cirkeldiagrammer, krydstabeller og
punktdiagrammer.
.
Pakken indeholder også lumentor-cli, der bruger de samme rutiner uden
vinduer.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Building the package needs what tools/deps.sh installs, among it Boost.Math
# (libboost-math-dev), which is header-only and so adds nothing at run time.
# The libraries come from the binaries (QuaZip's libquazip1-qt6-1 among them,
# for opening .xlsx and .ods); what is loaded at run time is named here: the
# window-system plugins, Qt's Danish texts and the fonts the descriptions ask
# for (Liberation Sans stands in for Arial). QuaZip is named as well, so that
# the package keeps it even where dpkg-shlibdeps is not run.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libquazip1-qt6-1, qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, shared-mime-info")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${PROJECT_SOURCE_DIR}/cmake/debian/postinst ${PROJECT_SOURCE_DIR}/cmake/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

include(CPack)
