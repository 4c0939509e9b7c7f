# The Qt side below the windows: progress window, Prompt and Dialogs implementations, charts
# and the other widgets the windows share.
file(GLOB NV_WIDGETS_SOURCES CONFIGURE_DEPENDS widgets/*.cpp)
add_library(nvwidgets STATIC ${NV_WIDGETS_SOURCES})
target_link_libraries(nvwidgets PUBLIC nvplatformqt Qt6::Widgets Qt6::PrintSupport)
set_target_properties(nvwidgets PROPERTIES AUTOMOC ON)
