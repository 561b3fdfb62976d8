# Installation layout and the Debian package (`make package`).
include(GNUInstallDirs)

install(TARGETS folidex-count RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The desktop program lives in a folder of its own with its help document beside it, as
# the Help menu expects; a link puts it on the PATH (the program finds its folder through
# the link).
set(FOLIDEX_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/folidex)
install(TARGETS folidex RUNTIME DESTINATION ${FOLIDEX_PROGRAM_DIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/Folidex.html DESTINATION ${FOLIDEX_PROGRAM_DIR})
file(RELATIVE_PATH FOLIDEX_LINK_TARGET ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBEXECDIR}/folidex/folidex)
set(FOLIDEX_LINK ${CMAKE_BINARY_DIR}/link/folidex)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/link)
file(CREATE_LINK ${FOLIDEX_LINK_TARGET} ${FOLIDEX_LINK} SYMBOLIC)
install(FILES ${FOLIDEX_LINK} DESTINATION ${CMAKE_INSTALL_BINDIR})

# The application menu's entry and the product picture in the hicolor icon theme.
install(FILES ${PROJECT_SOURCE_DIR}/data/folidex.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/folidex-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME folidex.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/folidex.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The counter's manual page, made from its own --help and --version when help2man is there.
find_program(HELP2MAN help2man)
if(HELP2MAN)
  set(FOLIDEX_COUNT_MAN ${CMAKE_BINARY_DIR}/folidex-count.1)
  add_custom_command(
    OUTPUT ${FOLIDEX_COUNT_MAN}
    COMMAND ${HELP2MAN} --no-info --section 1 --name "count the pages of the PDF files in a folder tree"
            --output ${FOLIDEX_COUNT_MAN} $<TARGET_FILE:folidex-count>
    DEPENDS folidex-count
    COMMENT "Writing the folidex-count manual page")
  add_custom_target(folidex-count-man ALL DEPENDS ${FOLIDEX_COUNT_MAN})
  install(FILES ${FOLIDEX_COUNT_MAN} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(STATUS "help2man not found: the manual page of folidex-count is not made")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME folidex)
set(CPACK_PACKAGE_VENDOR "Folidex")
set(CPACK_PACKAGE_CONTACT "Folidex support <support@folidex.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "count the pages of the PDF files in a folder tree")
set(CPACK_PACKAGE_DESCRIPTION
    "Folidex finds the PDF documents in a folder tree and tells how many pages each one holds, one by one and in total.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The runtime packages come from the libraries the programs link against.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What opens the help document, the web site and the mail link, and the icon theme's folders.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, hicolor-icon-theme")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
