# The distribution folder build/dist (included by the root CMakeLists.txt when NV_BUILD_GUI and
# NV_BUILD_DIST are on).
#
# build/dist is laid out like an installed program folder:
#   NV.nv, NV.nvb           nvtool convert / bento-convert from data/*.csv
#   bmp/, BMP/, bentou/     pictures drawn by artgen (dish pictures follow the CSV sources)
#   HTML/                   copied from data/HTML
#   about.txt               the About box's maker, address and contributors (INI form)
# Every source below is required: a missing one stops the configure step with its name, and one
# removed after configuring fails the build, rather than a folder without its data.

set(NV_DIST_DIR ${CMAKE_BINARY_DIR}/dist)
# Work folder for copies of the CSV sources: the converters write their reports beside their
# inputs, and those reports must not land in the source tree.
set(NV_DIST_WORK ${CMAKE_BINARY_DIR}/dist-work)
set(NV_DATA ${CMAKE_SOURCE_DIR}/data CACHE PATH "The data sources of the distribution folder")
set(NV_DIST_OUTPUTS)
set(NV_DIST_CONVERT ${CMAKE_SOURCE_DIR}/tools/artgen/dist_convert.cmake)
foreach(required foods.csv dishes.csv bento.csv about.txt HTML art/howto-dishes.txt)
  if(NOT EXISTS ${NV_DATA}/${required})
    message(FATAL_ERROR "${NV_DATA}/${required} is missing: the distribution folder cannot be built "
                        "(configure with -DNV_BUILD_DIST=OFF to build without it)")
  endif()
endforeach()

# Data files.
add_custom_command(
  OUTPUT ${NV_DIST_DIR}/NV.nv
  COMMAND ${CMAKE_COMMAND} -E make_directory ${NV_DIST_WORK}/nv ${NV_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${NV_DATA}/foods.csv ${NV_DATA}/dishes.csv ${NV_DIST_WORK}/nv/
  COMMAND ${CMAKE_COMMAND} -DNVTOOL=$<TARGET_FILE:nvtool>
          "-DARGS=convert;${NV_DIST_WORK}/nv/foods.csv;${NV_DIST_WORK}/nv/dishes.csv;-o;${NV_DIST_DIR}/NV.nv"
          -P ${NV_DIST_CONVERT}
  DEPENDS nvtool ${NV_DIST_CONVERT} ${NV_DATA}/foods.csv ${NV_DATA}/dishes.csv
  COMMENT "Converting the food and dish sources into dist/NV.nv"
  VERBATIM)
list(APPEND NV_DIST_OUTPUTS ${NV_DIST_DIR}/NV.nv)
# The lunch-box converter checks the dish pictures in bentou/ beside its output, so it runs
# after artgen has drawn them.
add_custom_command(
  OUTPUT ${NV_DIST_DIR}/NV.nvb
  COMMAND ${CMAKE_COMMAND} -E make_directory ${NV_DIST_WORK}/nvb ${NV_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${NV_DATA}/foods.csv ${NV_DATA}/bento.csv ${NV_DIST_WORK}/nvb/
  COMMAND ${CMAKE_COMMAND} -DNVTOOL=$<TARGET_FILE:nvtool>
          "-DARGS=bento-convert;${NV_DIST_WORK}/nvb/foods.csv;${NV_DIST_WORK}/nvb/bento.csv;-o;${NV_DIST_DIR}/NV.nvb"
          -DREPORT=${NV_DIST_DIR}/error.txt -DREPORT_TO=${NV_DIST_WORK}/nvb/error.txt
          -P ${NV_DIST_CONVERT}
  DEPENDS nvtool ${NV_DIST_CONVERT} ${NV_DATA}/foods.csv ${NV_DATA}/bento.csv
          ${NV_DIST_WORK}/artgen.stamp
  COMMENT "Converting the food and lunch-box sources into dist/NV.nvb"
  VERBATIM)
list(APPEND NV_DIST_OUTPUTS ${NV_DIST_DIR}/NV.nvb)

# Pictures. artgen reads the dish names (with categories and foods, which shape the pictures)
# straight from the CSV sources, and writes the lists of what it drew to dist-work/ for the
# test; data/art/*.txt may name further dishes (menu-dishes.txt, bento-dishes.txt) and the
# dishes that get a how-to-make picture (howto-dishes.txt).
set(NV_ARTGEN_ARGS --out ${NV_DIST_DIR} --write-lists ${NV_DIST_WORK}
    --dish-csv ${NV_DATA}/dishes.csv --bento-csv ${NV_DATA}/bento.csv
    --howto-dishes ${NV_DATA}/art/howto-dishes.txt)
set(NV_ARTGEN_INPUTS ${NV_DATA}/dishes.csv ${NV_DATA}/bento.csv ${NV_DATA}/art/howto-dishes.txt)
# Optional lists of further dishes to draw.
foreach(pair "art/menu-dishes.txt;--menu-dishes" "art/bento-dishes.txt;--bento-dishes")
  list(GET pair 0 file)
  list(GET pair 1 flag)
  if(EXISTS ${NV_DATA}/${file})
    list(APPEND NV_ARTGEN_ARGS ${flag} ${NV_DATA}/${file})
    list(APPEND NV_ARTGEN_INPUTS ${NV_DATA}/${file})
  endif()
endforeach()
file(GLOB NV_ART_SOURCES CONFIGURE_DEPENDS ${NV_DATA}/art/*)
add_custom_command(
  OUTPUT ${NV_DIST_WORK}/artgen.stamp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${NV_DIST_WORK} ${NV_DIST_DIR}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:artgen> ${NV_ARTGEN_ARGS}
  COMMAND ${CMAKE_COMMAND} -E touch ${NV_DIST_WORK}/artgen.stamp
  DEPENDS artgen ${NV_ARTGEN_INPUTS} ${NV_ART_SOURCES}
  COMMENT "Drawing the pictures of dist/"
  VERBATIM)
list(APPEND NV_DIST_OUTPUTS ${NV_DIST_WORK}/artgen.stamp)

# Usage pages.
file(GLOB_RECURSE NV_HTML_SOURCES CONFIGURE_DEPENDS ${NV_DATA}/HTML/*)
add_custom_command(
  OUTPUT ${NV_DIST_WORK}/html.stamp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${NV_DIST_DIR}/HTML ${NV_DIST_WORK}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${NV_DATA}/HTML ${NV_DIST_DIR}/HTML
  COMMAND ${CMAKE_COMMAND} -E touch ${NV_DIST_WORK}/html.stamp
  DEPENDS ${NV_HTML_SOURCES}
  COMMENT "Copying the usage pages into dist/HTML"
  VERBATIM)
list(APPEND NV_DIST_OUTPUTS ${NV_DIST_WORK}/html.stamp)

# The About box's maker, contact address and contributors.
add_custom_command(
  OUTPUT ${NV_DIST_DIR}/about.txt
  COMMAND ${CMAKE_COMMAND} -E copy ${NV_DATA}/about.txt ${NV_DIST_DIR}/about.txt
  DEPENDS ${NV_DATA}/about.txt
  VERBATIM)
list(APPEND NV_DIST_OUTPUTS ${NV_DIST_DIR}/about.txt)

add_custom_target(dist ALL DEPENDS ${NV_DIST_OUTPUTS})

if(NV_BUILD_TESTS)
  add_test(NAME dist_pictures
           COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                   bash ${CMAKE_SOURCE_DIR}/tests/dist/check_pictures.sh
                   $<TARGET_FILE:artgen> ${NV_DIST_DIR} ${NV_DIST_WORK})
  # The shipped sources convert without a single report line.
  add_test(NAME dist_conversion_reports
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/dist/check_reports.sh ${NV_DIST_DIR} ${NV_DIST_WORK})
  set_tests_properties(dist_pictures dist_conversion_reports PROPERTIES TIMEOUT 300)
endif()
