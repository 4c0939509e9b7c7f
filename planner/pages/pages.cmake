# The printed menu pages: one painter for the printer, the preview and nvtool's PDF. nvtool
# links this Qt part only for its PDF command, which runs on the offscreen platform.
file(GLOB NV_MENU_PAGES_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/planner/pages/*.cpp)
add_library(nvmenupages STATIC ${NV_MENU_PAGES_SOURCES})
target_link_libraries(nvmenupages PUBLIC nvwidgets)
target_link_libraries(nvplanner PUBLIC nvmenupages)
target_sources(nvtool PRIVATE ${CMAKE_SOURCE_DIR}/tools/nvtool/pdf/cmd_menu_print.cpp)
target_link_libraries(nvtool PRIVATE nvmenupages)
