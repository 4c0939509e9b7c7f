# Install rules and the Debian package (cpack, or bash scripts/package.sh).
#
#   /opt/nuvelta/            the program folder exactly as build/dist holds it, with nvtool and
#                            the "packaged" mark that keeps the program from writing into it
#   /usr/bin/nv, nvtool      relative links into /opt/nuvelta
#   /usr/share/applications  Nuvelta.desktop
#   /usr/share/icons/hicolor the icon, drawn by artgen at build time
#   /usr/share/mime/packages the two document types
#   /usr/share/metainfo      the AppStream description
# `cmake --install build` installs the same tree under / (or --prefix).
set(NV_PACKAGE_VERSION ${PROJECT_VERSION}.${NV_VERSION_BUILD})
# The release date of the version above, for the AppStream release entry.
set(NV_RELEASE_DATE 2026-12-09)
set(NV_APPSTREAM_ID jp.pellora.nuvelta)
set(NV_PACKAGE_HOMEPAGE "https://nuvelta.example.jp/" CACHE STRING
    "Home page in the AppStream data; screenshots are expected under screenshots/ there")

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

configure_file(${NV_PKG_SRC}/nuvelta.metainfo.xml.in
               ${NV_PKG_DIR}/${NV_APPSTREAM_ID}.metainfo.xml @ONLY)
# Relative links work under any install root.
file(MAKE_DIRECTORY ${NV_PKG_DIR}/bin)
file(CREATE_LINK ../../opt/nuvelta/NV ${NV_PKG_DIR}/bin/nv SYMBOLIC)
file(CREATE_LINK ../../opt/nuvelta/nvtool ${NV_PKG_DIR}/bin/nvtool SYMBOLIC)

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

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nuvelta)
set(CPACK_PACKAGE_VERSION ${NV_PACKAGE_VERSION})
set(CPACK_PACKAGE_VENDOR Pellora)
set(CPACK_PACKAGE_CONTACT "Pellora <nv-support@example.jp>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "nutrition learning for school children")
set(CPACK_PACKAGE_DESCRIPTION
    "A child plans a day's menu from a dish database, or packs a lunch box in a drawn\n"
    "kitchen, and sees at once how ten nutrients and six food groups meet the child's own\n"
    "requirement. Teachers add dishes and build the lunch-box data. Japanese interface.")
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
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${NV_PACKAGE_HOMEPAGE})
include(CPack)
