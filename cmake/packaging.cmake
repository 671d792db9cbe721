# What the programs install, and the release packages CPack makes of it:
# from the Windows build a zip (the programs, the README as a Windows text
# file, the example question file), from the Linux build a Debian package
# (the programs in /usr/bin, their manual pages, the README, the copyright
# and changelog files Debian asks for). scripts/package.sh makes both. Both
# hold the web page too when QDCONV_WEB_PAGE names it (scripts/build_web.sh).

set(QDCONV_WEB_PAGE "" CACHE FILEPATH "The web page, qdconv.html, to install and package too")

set(CPACK_PACKAGE_NAME qdconv)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "qdconv developers")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  # Text files a teacher opens in Notepad: CR LF line ends, and the README
  # marked as UTF-8.
  file(READ ${PROJECT_SOURCE_DIR}/README.md readme)
  string(REPLACE "\n" "\r\n" readme "${readme}")
  string(ASCII 239 187 191 byte_order_mark)
  file(WRITE ${PROJECT_BINARY_DIR}/README.txt "${byte_order_mark}${readme}")
  file(READ ${PROJECT_SOURCE_DIR}/examples/capitals.txt example)
  string(REPLACE "\n" "\r\n" example "${example}")
  file(WRITE ${PROJECT_BINARY_DIR}/capitals.txt "${example}")

  install(TARGETS qdconv qdtext RUNTIME DESTINATION .)
  install(FILES ${PROJECT_BINARY_DIR}/README.txt ${PROJECT_BINARY_DIR}/capitals.txt
          DESTINATION .)
  if(QDCONV_WEB_PAGE)
    install(FILES ${QDCONV_WEB_PAGE} DESTINATION .)
  endif()

  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
else()
  include(GNUInstallDirs)
  set(documents)
  foreach(document docs/qdconv.1 docs/qdtext.1 packaging/changelog README.md)
    get_filename_component(name ${document} NAME)
    add_custom_command(
      OUTPUT ${name}.gz
      COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/${document} > ${name}.gz
      DEPENDS ${PROJECT_SOURCE_DIR}/${document}
      COMMENT "Compressing ${document}")
    list(APPEND documents ${PROJECT_BINARY_DIR}/${name}.gz)
  endforeach()
  add_custom_target(documents ALL DEPENDS ${documents})

  install(TARGETS qdconv qdtext RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_BINARY_DIR}/qdconv.1.gz ${PROJECT_BINARY_DIR}/qdtext.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_BINARY_DIR}/README.md.gz ${PROJECT_BINARY_DIR}/changelog.gz
                ${PROJECT_SOURCE_DIR}/packaging/copyright
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/qdconv)
  if(QDCONV_WEB_PAGE)
    install(FILES ${QDCONV_WEB_PAGE} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/qdconv)
  endif()

  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "qdconv developers <qdconv@example.org>")
  set(CPACK_DEBIAN_PACKAGE_SECTION education)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "question files to Quendle tutor databases and back")
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
      "qdconv turns a plain text file of questions and answers, written in any\n"
      "text editor in ASCII, ANSI, UTF-8 or UTF-16, into the record database that\n"
      "the Quendle tutor application on a handheld loads. qdtext writes the\n"
      "question file of such a database back.")
  string(REPLACE ";" "" CPACK_DEBIAN_PACKAGE_DESCRIPTION "${CPACK_DEBIAN_PACKAGE_DESCRIPTION}")
endif()

include(CPack)
