# The installed program: its identity, the documents built from the sources
# (manual page, user guide as CHM and PDF, icons, desktop entry, AppStream
# metainfo), the install rules and the Debian package (make package).
#
# Installed layout, below the prefix (/usr):
#   bin/pellin                           the program
#   lib/pellin/pellin-hh                 the decompiler, private to the program
#   lib/pellin/pellin-reader             the page reader, private to the program
#   share/pellin/pellin.chm, pellin.pdf  the user guide the Help command opens
#   share/pellin/translations            the window's languages (pellin_de.qm, ...)
#   share/applications, share/metainfo, share/icons/hicolor, share/man/man1

set(PELLIN_APP_ID example.pellin.convertor)
# Relative to the prefix; the program finds them from its own path
# (src/platform/process/InstallLayout.cpp).
set(PELLIN_PRIVATE_DIR lib/pellin)
set(PELLIN_DATA_DIR share/pellin)
set(PELLIN_RELEASE_DATE 2025-04-20)
# The version the program shows, read from the product constants.
file(STRINGS ${CMAKE_SOURCE_DIR}/src/core/TvxProduct.cpp version_line REGEX "Version = \"")
string(REGEX MATCH "[0-9]+(\\.[0-9]+)+" PELLIN_VERSION "${version_line}")

# Given to the one file that uses each, so the rest of the layer is not rebuilt.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/platform/process/InstallLayout.cpp
  DIRECTORY ${CMAKE_SOURCE_DIR}/src/platform APPEND PROPERTY COMPILE_DEFINITIONS
  PELLIN_PRIVATE_DIR="${PELLIN_PRIVATE_DIR}" PELLIN_DATA_DIR="${PELLIN_DATA_DIR}")
set_property(SOURCE ${CMAKE_SOURCE_DIR}/src/core/TvxInfo.cpp
  DIRECTORY ${CMAKE_SOURCE_DIR}/src/core APPEND PROPERTY COMPILE_DEFINITIONS
  PELLIN_DESKTOP_ID="${PELLIN_APP_ID}.desktop")

set(dist_src ${CMAKE_SOURCE_DIR}/dist/linux)
set(dist_out ${CMAKE_BINARY_DIR}/dist)
set(bin_out ${CMAKE_BINARY_DIR}/bin)

configure_file(${dist_src}/pellin.desktop.in ${dist_out}/${PELLIN_APP_ID}.desktop @ONLY)
configure_file(${dist_src}/pellin.metainfo.xml.in ${dist_out}/${PELLIN_APP_ID}.metainfo.xml @ONLY)

# Manual page: version and date now, the options from the catalogue at build time.
set(PELLIN_DATE ${PELLIN_RELEASE_DATE})
configure_file(${CMAKE_SOURCE_DIR}/docs/man/pellin.1.in ${dist_out}/pellin.1.template @ONLY)
add_custom_command(
  OUTPUT ${dist_out}/pellin.1 ${dist_out}/pellin.1.gz
  COMMAND pellin-catalogue --man ${dist_out}/pellin.1.template ${dist_out}/pellin.1
  COMMAND gzip -9nc ${dist_out}/pellin.1 > ${dist_out}/pellin.1.gz
  DEPENDS pellin-catalogue ${dist_out}/pellin.1.template
  COMMENT "Writing the manual page"
  VERBATIM)
add_custom_target(pellin_man ALL DEPENDS ${dist_out}/pellin.1.gz)

# Icons: the drawing in every size the desktop asks for.
set(PELLIN_ICON_SIZES 16 22 24 32 48 64 128 256)
find_program(PELLIN_RSVG_CONVERT rsvg-convert)
set(icon_files)
if(PELLIN_RSVG_CONVERT)
  foreach(size ${PELLIN_ICON_SIZES})
    set(png ${dist_out}/icons/${size}x${size}/apps/${PELLIN_APP_ID}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dist_out}/icons/${size}x${size}/apps
      COMMAND ${PELLIN_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${dist_src}/pellin.svg
      DEPENDS ${dist_src}/pellin.svg
      VERBATIM)
    list(APPEND icon_files ${png})
  endforeach()
  add_custom_target(pellin_icons ALL DEPENDS ${icon_files})
else()
  message(STATUS "rsvg-convert not found: the icons are not rendered and no package can be made")
endif()

# The user guide as CHM, beside the program so the Help command of a build
# tree finds it too.
find_program(PELLIN_CHMCMD chmcmd)
file(GLOB help_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/help/*)
file(GLOB help_pictures CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/screenshots/*.png)
if(PELLIN_CHMCMD)
  add_custom_command(
    OUTPUT ${bin_out}/pellin.chm
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/build-help.sh ${CMAKE_SOURCE_DIR}/docs/help
            ${CMAKE_SOURCE_DIR}/docs/screenshots $<TARGET_FILE:pellin-catalogue>
            ${CMAKE_BINARY_DIR}/help ${bin_out}/pellin.chm
    DEPENDS pellin-catalogue ${help_sources} ${help_pictures}
            ${CMAKE_SOURCE_DIR}/scripts/build-help.sh
    COMMENT "Compiling the user guide"
    VERBATIM)
  add_custom_target(pellin_help ALL DEPENDS ${bin_out}/pellin.chm)
  # The same guide as PDF, converted by the program itself; it needs the
  # office, so only `make package` asks for it.
  add_custom_command(
    OUTPUT ${bin_out}/pellin.pdf
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/help-pdf.sh $<TARGET_FILE:pellin> ${bin_out}/pellin.chm
            ${bin_out}/pellin.pdf
    DEPENDS pellin pellin-hh pellin-reader ${bin_out}/pellin.chm ${CMAKE_SOURCE_DIR}/scripts/help-pdf.sh
    COMMENT "Converting the user guide into PDF"
    VERBATIM)
  add_custom_target(pellin_help_pdf DEPENDS ${bin_out}/pellin.pdf)
else()
  message(STATUS "chmcmd not found: the user guide is not compiled and no package can be made")
endif()

# The desktop entry, the metainfo and the manual page pass their validators.
find_program(PELLIN_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(PELLIN_APPSTREAMCLI appstreamcli)
find_program(PELLIN_GROFF groff)
if(PELLIN_DESKTOP_FILE_VALIDATE)
  add_test(NAME package.desktop-entry
    COMMAND ${PELLIN_DESKTOP_FILE_VALIDATE} ${dist_out}/${PELLIN_APP_ID}.desktop)
  set_tests_properties(package.desktop-entry PROPERTIES LABELS package)
endif()
if(PELLIN_APPSTREAMCLI)
  add_test(NAME package.metainfo
    COMMAND ${PELLIN_APPSTREAMCLI} validate --no-net ${dist_out}/${PELLIN_APP_ID}.metainfo.xml)
  set_tests_properties(package.metainfo PROPERTIES LABELS package)
endif()
if(PELLIN_GROFF)
  # groff reports every warning on standard error; a clean page prints none.
  add_test(NAME package.manual-page
    COMMAND sh -c "out=$(groff -man -Tutf8 -ww -z \"$1\" 2>&1); [ -z \"$out\" ] || { echo \"$out\"; exit 1; }"
            sh ${dist_out}/pellin.1)
  set_tests_properties(package.manual-page PROPERTIES LABELS package)
endif()

install(TARGETS pellin RUNTIME DESTINATION bin)
install(TARGETS pellin-hh pellin-reader RUNTIME DESTINATION ${PELLIN_PRIVATE_DIR})
if(PELLIN_CHMCMD)
  install(FILES ${bin_out}/pellin.chm DESTINATION ${PELLIN_DATA_DIR})
  # Made by `make package` (it needs the office); scripts/check-package.sh
  # makes sure the package holds it.
  install(FILES ${bin_out}/pellin.pdf DESTINATION ${PELLIN_DATA_DIR} OPTIONAL)
endif()
install(FILES ${dist_out}/${PELLIN_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${dist_out}/${PELLIN_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${dist_src}/pellin.svg DESTINATION share/icons/hicolor/scalable/apps
  RENAME ${PELLIN_APP_ID}.svg)
if(PELLIN_RSVG_CONVERT)
  install(DIRECTORY ${dist_out}/icons/ DESTINATION share/icons/hicolor)
endif()
install(FILES ${dist_out}/pellin.1.gz DESTINATION share/man/man1)
if(TARGET pellin_translations)
  install(DIRECTORY ${bin_out}/translations/ DESTINATION ${PELLIN_DATA_DIR}/translations
    FILES_MATCHING PATTERN "pellin_*.qm")
endif()

# A package is made only of a normal optimised build with the office and the
# window: a sanitizer build or one without LibreOffice would ship a program
# that cannot convert.
if((PELLIN_SANITIZE OR PELLIN_TSAN) OR NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$"
   OR NOT TARGET pellin_office OR NOT TARGET pellin_ui OR NOT PELLIN_CHMCMD OR NOT PELLIN_RSVG_CONVERT)
  message(STATUS "This build makes no package (sanitizer, debug, or the office, window, chmcmd or rsvg-convert missing)")
  return()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pellin)
set(CPACK_PACKAGE_VERSION ${PELLIN_VERSION})
set(CPACK_PACKAGE_VENDOR Pellin)
set(CPACK_PACKAGE_CONTACT "Pellin support <support@pellin.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "convert compiled HTML help files (CHM) into PDF documents")
# CPack puts the summary first and indents the lines below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pellin Convertor turns compiled HTML help files into PDF documents, one PDF
per help file, with the topics in table-of-contents order, their pictures,
links between topics and an outline. It converts whole folders at once on
several threads, with a window or unattended without one, and uses
LibreOffice Writer for the conversion.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://pellin.example/en/pellin/index.htm)
# Shared libraries (Qt, chmlib, PCRE2, the UNO runtime) give their own
# dependencies; the programs and files started or read at run time do not.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "libreoffice-writer-nogui | libreoffice-writer, fonts-dejavu-core, fonts-wqy-zenhei, xdg-utils, qt6-qpa-plugins")
# Qt's own catalogues translate the file dialogs into the window's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "cups-client, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
