# What the programs install, and the Windows release zip CPack makes of it
# (scripts/package.sh): the programs, the user guide as README.txt and the
# licence as LICENSE.txt (Windows text files), and the example question
# file. On Linux the programs, their manual pages and the web page install
# under the prefix; the Debian package is made from debian/ by Debian's own
# tools, which add the documentation. Both hold the web page when
# QDCONV_WEB_PAGE names it (scripts/build_web.sh).

set(QDCONV_WEB_PAGE "" CACHE FILEPATH "The web page, qdconv.html, to install and package too")

set(CPACK_PACKAGE_NAME qdconv)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the qdconv authors")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  # Text files a teacher opens in Notepad: CR LF line ends, marked as UTF-8.
  string(ASCII 239 187 191 byte_order_mark)
  foreach(text docs/guide.md:README.txt LICENSE:LICENSE.txt examples/capitals.txt:capitals.txt)
    string(REPLACE ":" ";" text ${text})
    list(GET text 0 source)
    list(GET text 1 target)
    file(READ ${PROJECT_SOURCE_DIR}/${source} content)
    string(REPLACE "\n" "\r\n" content "${content}")
    if(target STREQUAL README.txt)
      set(content "${byte_order_mark}${content}")
    endif()
    file(WRITE ${PROJECT_BINARY_DIR}/${target} "${content}")
    install(FILES ${PROJECT_BINARY_DIR}/${target} DESTINATION .)
  endforeach()

  install(TARGETS qdconv qdtext RUNTIME DESTINATION .)
  if(QDCONV_WEB_PAGE)
    install(FILES ${QDCONV_WEB_PAGE} DESTINATION .)
  endif()

  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
  include(CPack)
else()
  include(GNUInstallDirs)
  install(TARGETS qdconv qdtext RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES docs/qdconv.1 docs/qdtext.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  if(QDCONV_WEB_PAGE)
    install(FILES ${QDCONV_WEB_PAGE} DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/qdconv)
  endif()
endif()
