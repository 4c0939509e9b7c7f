# Install rules and the Debian package (cpack, or bash scripts/package.sh).
#
#   /opt/nuvelta/            the program folder exactly as build/dist holds it, with nvtool and
#                            the "packaged" mark that keeps the program from writing into it
#   /usr/bin/nv, nvtool      absolute links into /opt/nuvelta
#   /usr/share/doc/nuvelta   copyright (machine-readable) and changelog
#   /usr/share/man/man1      nv(1), nvtool(1), made from each program's --help at build time
#   /usr/share/lintian       the one deliberate exception: the program folder under /opt
#   /usr/share/applications  Nuvelta.desktop
#   /usr/share/icons/hicolor the icon, drawn by artgen at build time
#   /usr/share/mime/packages the two document types
#   /usr/share/metainfo      the AppStream description
# `cmake --install build` installs the same tree under / (or --prefix).
set(NV_PACKAGE_VERSION ${PROJECT_VERSION}.${NV_VERSION_BUILD})
# The release date of the version above, for the AppStream release entry.
set(NV_RELEASE_DATE 2026-12-09)
set(NV_APPSTREAM_ID jp.pellora.nuvelta)
set(NV_PACKAGE_HOMEPAGE "" CACHE STRING
    "Home page for the package and the AppStream data (screenshots under screenshots/ there); none when empty")

if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  set(CMAKE_INSTALL_PREFIX / CACHE PATH "Install root (the package's file system root)" FORCE)
endif()

set(NV_PKG_DIR ${CMAKE_BINARY_DIR}/packaging)
set(NV_PKG_SRC ${CMAKE_SOURCE_DIR}/packaging)

# Icons: every hicolor size and the SVG, never stored in the repository.
add_custom_command(
  OUTPUT ${NV_PKG_DIR}/icons.stamp
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${NV_PKG_DIR}/icons
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:artgen>
          --icons ${NV_PKG_DIR}/icons
  COMMAND ${CMAKE_COMMAND} -E touch ${NV_PKG_DIR}/icons.stamp
  DEPENDS artgen
  COMMENT "Drawing the program's icons"
  VERBATIM)
add_custom_target(appicons ALL DEPENDS ${NV_PKG_DIR}/icons.stamp)

# The home page and the screenshots on it only when the project has a site to name.
set(NV_APPSTREAM_WEB "")
if(NV_PACKAGE_HOMEPAGE)
  string(CONCAT NV_APPSTREAM_WEB
    "  <url type=\"homepage\">${NV_PACKAGE_HOMEPAGE}</url>\n"
    "  <screenshots>\n"
    "    <screenshot type=\"default\">\n"
    "      <caption>The start screen: choose the menu planner or the lunch-box game</caption>\n"
    "      <caption xml:lang=\"ja\">はじめの画面：献立づくりかお弁当のゲームを選びます</caption>\n"
    "      <image>${NV_PACKAGE_HOMEPAGE}screenshots/start.png</image>\n"
    "    </screenshot>\n"
    "    <screenshot>\n"
    "      <caption>The menu planner with the day's nutrient bars</caption>\n"
    "      <caption xml:lang=\"ja\">献立づくりと一日分の栄養のグラフ</caption>\n"
    "      <image>${NV_PACKAGE_HOMEPAGE}screenshots/planner.png</image>\n"
    "    </screenshot>\n"
    "    <screenshot>\n"
    "      <caption>The lunch-box game in the kitchen</caption>\n"
    "      <caption xml:lang=\"ja\">台所でお弁当をつめるゲーム</caption>\n"
    "      <image>${NV_PACKAGE_HOMEPAGE}screenshots/lunchbox.png</image>\n"
    "    </screenshot>\n"
    "  </screenshots>\n")
endif()
configure_file(${NV_PKG_SRC}/nuvelta.metainfo.xml.in
               ${NV_PKG_DIR}/${NV_APPSTREAM_ID}.metainfo.xml @ONLY)
# Debian policy wants absolute links from /usr/bin into /opt.
file(MAKE_DIRECTORY ${NV_PKG_DIR}/bin)
file(CREATE_LINK /opt/nuvelta/NV ${NV_PKG_DIR}/bin/nv SYMBOLIC)
file(CREATE_LINK /opt/nuvelta/nvtool ${NV_PKG_DIR}/bin/nvtool SYMBOLIC)

# Manual pages: each program's --help and --version are their one source (help2man reads
# them; none of the three needs a display for that). Compressed without a time stamp so a
# rebuild gives the same bytes.
find_program(NV_HELP2MAN help2man REQUIRED)
# The pages carry the release date, not the day of the build.
execute_process(COMMAND date -u -d ${NV_RELEASE_DATE} +%s OUTPUT_VARIABLE NV_RELEASE_EPOCH
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(NV_MAN_DIR ${NV_PKG_DIR}/man)
set(NV_MAN_PAGES)
foreach(page nv nvtool nvsetup)
  if(page STREQUAL nv)
    set(exe $<TARGET_FILE:NV>)
    set(what "plan a day's menu or pack a lunch box and learn about nutrients")
  elseif(page STREQUAL nvtool)
    set(exe $<TARGET_FILE:nvtool>)
    set(what "convert, list, grade and print NV's data files from the command line")
  else()
    set(exe $<TARGET_FILE:nvsetup>)
    set(what "install NV from a distribution archive or build the archives")
  endif()
  add_custom_command(
    OUTPUT ${NV_MAN_DIR}/${page}.1.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${NV_MAN_DIR}
    # A sanitizer build's programs must not fail their --help over Qt's leaks at exit.
    COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${NV_RELEASE_EPOCH} ASAN_OPTIONS=detect_leaks=0
            ${NV_HELP2MAN}
            --no-info --section=1 --name=${what} --output=${NV_MAN_DIR}/${page}.1 ${exe}
    COMMAND gzip -9nf ${NV_MAN_DIR}/${page}.1
    DEPENDS ${exe}
    COMMENT "Writing the manual page ${page}(1)"
    VERBATIM)
  list(APPEND NV_MAN_PAGES ${NV_MAN_DIR}/${page}.1.gz)
endforeach()
add_custom_command(
  OUTPUT ${NV_PKG_DIR}/doc/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${NV_PKG_DIR}/doc
  COMMAND sh -c "gzip -9nc '${NV_PKG_SRC}/changelog' > '${NV_PKG_DIR}/doc/changelog.gz'"
  DEPENDS ${NV_PKG_SRC}/changelog
  VERBATIM)
add_custom_target(manpages ALL DEPENDS ${NV_MAN_PAGES} ${NV_PKG_DIR}/doc/changelog.gz)

set(NV_OPT opt/nuvelta)
install(TARGETS NV nvtool RUNTIME DESTINATION ${NV_OPT})
# What a run of build/dist/NV may have left there (settings, added dishes, saved documents)
# is the developer's, not the package's.
install(DIRECTORY ${CMAKE_BINARY_DIR}/dist/ DESTINATION ${NV_OPT} USE_SOURCE_PERMISSIONS
        REGEX "/NV$" EXCLUDE
        REGEX "/NV\\.ini$" EXCLUDE
        REGEX "/NV_ADD\\.nv$" EXCLUDE
        REGEX "\\.nvub?$" EXCLUDE
        REGEX "\\.(tmp|bak)$" EXCLUDE)
install(FILES ${NV_PKG_SRC}/packaged DESTINATION ${NV_OPT})
install(FILES ${NV_PKG_DIR}/bin/nv ${NV_PKG_DIR}/bin/nvtool DESTINATION usr/bin)
install(FILES ${NV_PKG_SRC}/Nuvelta.desktop DESTINATION usr/share/applications)
install(DIRECTORY ${NV_PKG_DIR}/icons/hicolor DESTINATION usr/share/icons)
install(FILES ${NV_PKG_SRC}/nuvelta.xml DESTINATION usr/share/mime/packages)
install(FILES ${NV_PKG_DIR}/${NV_APPSTREAM_ID}.metainfo.xml DESTINATION usr/share/metainfo)
# nvsetup is not in the package (the package is the installer here), nor is its page.
install(FILES ${NV_MAN_DIR}/nv.1.gz ${NV_MAN_DIR}/nvtool.1.gz DESTINATION usr/share/man/man1)
install(FILES ${NV_PKG_SRC}/copyright ${NV_PKG_DIR}/doc/changelog.gz
        DESTINATION usr/share/doc/nuvelta)
install(FILES ${NV_PKG_SRC}/lintian-overrides DESTINATION usr/share/lintian/overrides
        RENAME nuvelta)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nuvelta)
set(CPACK_PACKAGE_VERSION ${NV_PACKAGE_VERSION})
set(CPACK_PACKAGE_VENDOR Pellora)
set(CPACK_PACKAGE_CONTACT "Pellora <nv-support@example.jp>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "nutrition learning for school children")
# Lines of at most 79 characters: that is what package tools show without wrapping.
set(CPACK_PACKAGE_DESCRIPTION
    "A child plans a day's menu from a dish database, or packs a lunch box in\n"
    "a drawn kitchen, and sees at once how ten nutrients and six food groups\n"
    "meet the child's own requirement. Teachers add dishes and build the\n"
    "lunch-box data. Japanese interface.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so shlibdeps cannot see them: the Japanese fonts the windows are laid
# out with, Qt's display plugins and the Japanese texts of Qt's own dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont, qt6-qpa-plugins, qt6-translations-l10n")
# Children type their names in Japanese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fcitx5-frontend-qt6 | ibus")
if(NV_PACKAGE_HOMEPAGE)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${NV_PACKAGE_HOMEPAGE})
endif()
include(CPack)
