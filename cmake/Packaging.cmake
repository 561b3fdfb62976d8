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

# The application menu's entry (also offered by file managers to open a folder with) and
# the product picture in the hicolor icon theme.
install(FILES ${PROJECT_SOURCE_DIR}/data/folidex.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/folidex-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME folidex.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/folidex.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The software-centre entry, with the screenshots under docs/ as the web site publishes
# them: the main window first, as the default one, the others by name, each captioned
# after its file name.
file(GLOB FOLIDEX_SCREENSHOT_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/docs/*.png)
list(SORT FOLIDEX_SCREENSHOT_FILES)
list(REMOVE_ITEM FOLIDEX_SCREENSHOT_FILES ${PROJECT_SOURCE_DIR}/docs/main-window.png)
list(PREPEND FOLIDEX_SCREENSHOT_FILES ${PROJECT_SOURCE_DIR}/docs/main-window.png)
set(FOLIDEX_SCREENSHOTS "")
set(screenshot_type " type=\"default\"")
foreach(screenshot IN LISTS FOLIDEX_SCREENSHOT_FILES)
  get_filename_component(name ${screenshot} NAME)
  get_filename_component(caption ${screenshot} NAME_WE)
  string(REPLACE "-" " " caption ${caption})
  string(SUBSTRING ${caption} 0 1 first)
  string(SUBSTRING ${caption} 1 -1 rest)
  string(TOUPPER ${first} first)
  string(APPEND FOLIDEX_SCREENSHOTS
         "    <screenshot${screenshot_type}>\n"
         "      <caption>${first}${rest}</caption>\n"
         "      <image>${PROJECT_HOMEPAGE_URL}docs/${name}</image>\n"
         "    </screenshot>\n")
  set(screenshot_type "")
endforeach()
string(REGEX REPLACE "\n$" "" FOLIDEX_SCREENSHOTS "${FOLIDEX_SCREENSHOTS}")
set(FOLIDEX_METAINFO ${CMAKE_BINARY_DIR}/example.folidex.Folidex.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/data/example.folidex.Folidex.metainfo.xml.in ${FOLIDEX_METAINFO} @ONLY)
install(FILES ${FOLIDEX_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Shell completion for folidex-count. bash-completion finds a script named after the
# command. zsh reads the site functions of its prefix, but Debian's zsh keeps those of the
# packages under /usr in vendor-completions; the prefix is known only when installing (a
# package installs to /usr), so the folder is chosen then.
install(FILES ${PROJECT_SOURCE_DIR}/data/completion/folidex-count.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME folidex-count)
install(CODE "
  if(CMAKE_INSTALL_PREFIX STREQUAL \"/usr\")
    set(folidex_zsh_folder vendor-completions)
  else()
    set(folidex_zsh_folder site-functions)
  endif()
  file(INSTALL DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/zsh/\${folidex_zsh_folder}\"
       TYPE FILE FILES \"${PROJECT_SOURCE_DIR}/data/completion/_folidex-count\")")

# Manual pages made from each program's own --help and --version, compressed as Debian
# wants them; without help2man they are left out.
find_program(HELP2MAN help2man)
if(NOT HELP2MAN)
  message(STATUS "help2man not found: the manual pages of folidex and folidex-count are left out")
endif()
function(folidex_add_manual_page program summary)
  if(NOT HELP2MAN)
    return()
  endif()
  set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND ${HELP2MAN} --no-info --section 1 --name ${summary} --output ${page} $<TARGET_FILE:${program}>
    COMMAND gzip -9nf ${page}
    DEPENDS ${program}
    COMMENT "Writing the ${program} manual page")
  add_custom_target(${program}-manual-page ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
folidex_add_manual_page(folidex "find the PDF files in a folder tree and count their pages")
folidex_add_manual_page(folidex-count "count the pages of the PDF files in a folder tree")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME folidex)
set(CPACK_PACKAGE_VENDOR "Folidex")
set(CPACK_PACKAGE_CONTACT "Folidex support <support@folidex.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "count the pages of the PDF files in a folder tree")
set(CPACK_PACKAGE_DESCRIPTION "\
Folidex finds the PDF documents in a folder tree and tells how many pages each
one holds, one by one and in total, in a window (folidex) and on the command
line (folidex-count). A file that cannot be counted is marked and left out of
the total.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The runtime packages come from the libraries the programs link against; Qt's platform
# plugins are loaded at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# What opens the help document, the web site and the mail link, and the icon theme's folders.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, hicolor-icon-theme")
# The programs are stripped; their debug symbols go to folidex-dbgsym.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

# The package's copyright and change log, where Debian keeps them.
set(FOLIDEX_PACKAGE_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/folidex)
install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright DESTINATION ${FOLIDEX_PACKAGE_DOC_DIR})
execute_process(COMMAND date -u -R -d ${FOLIDEX_RELEASE_DATE} OUTPUT_VARIABLE FOLIDEX_RELEASE_TIME
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(FOLIDEX_CHANGELOG ${CMAKE_BINARY_DIR}/debian/changelog)
configure_file(${PROJECT_SOURCE_DIR}/data/debian/changelog.in ${FOLIDEX_CHANGELOG} @ONLY)
add_custom_command(
  OUTPUT ${FOLIDEX_CHANGELOG}.gz
  COMMAND gzip -9nkf ${FOLIDEX_CHANGELOG}
  DEPENDS ${FOLIDEX_CHANGELOG})
add_custom_target(folidex-changelog ALL DEPENDS ${FOLIDEX_CHANGELOG}.gz)
install(FILES ${FOLIDEX_CHANGELOG}.gz DESTINATION ${FOLIDEX_PACKAGE_DOC_DIR})
include(CPack)
