# The Qt side below the windows: progress window, Prompt and Dialogs implementations, charts
# and the other widgets the windows share.
# Headers are listed too, so a new Q_OBJECT header reaches AUTOMOC without a clean build.
file(GLOB NV_WIDGETS_SOURCES CONFIGURE_DEPENDS widgets/*.cpp widgets/*.h)
add_library(nvwidgets STATIC ${NV_WIDGETS_SOURCES})
target_link_libraries(nvwidgets PUBLIC nvplatformqt Qt6::Widgets Qt6::PrintSupport)
set_target_properties(nvwidgets PROPERTIES AUTOMOC ON)

# The windows of the menu planner and the teacher tools.
file(GLOB NV_PLANNER_SOURCES CONFIGURE_DEPENDS planner/*.cpp planner/*.h teacher/*.cpp teacher/*.h)
if(NV_PLANNER_SOURCES)
  # Network: the local socket through which a second start hands over to the running one.
  find_package(Qt6 REQUIRED COMPONENTS Network)
  add_library(nvplanner STATIC ${NV_PLANNER_SOURCES})
  target_link_libraries(nvplanner PUBLIC nvwidgets Qt6::Network)
  set_target_properties(nvplanner PROPERTIES AUTOMOC ON)
endif()

# The program: build/dist/NV runs on the distribution beside it.
if(EXISTS ${CMAKE_SOURCE_DIR}/app/nv_main.cpp)
  file(GLOB NV_APP_SOURCES CONFIGURE_DEPENDS app/nv_*.cpp)
  add_executable(NV ${NV_APP_SOURCES})
  target_link_libraries(NV PRIVATE nvplanner)
  set_target_properties(NV PROPERTIES AUTOMOC ON RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/dist)
endif()
include(${CMAKE_SOURCE_DIR}/planner/pages/pages.cmake)
