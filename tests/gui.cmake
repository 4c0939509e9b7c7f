# GUI test areas (built with NV_BUILD_GUI; run headless on the offscreen platform).
# The Qt side of the platform is tested with the widgets.
nv_test_area(test_widgets DIRS widgets platform/qt LIBS nvwidgets)
nv_test_area(test_planner DIRS planner teacher LIBS nvplanner nvteacher)
# The launcher test checks the distribution's picture.
if(TARGET test_planner AND TARGET dist)
  add_dependencies(test_planner dist)
endif()
# The planner's layout on a 1920 x 1080 school screen at the desktop scales schools use.
if(TARGET test_planner)
  foreach(scale 1 1.5 2)
    add_test(NAME PlannerScale.Screen1920x1080.Scale${scale}
             COMMAND test_planner --gtest_filter=PlannerScale.*)
    set_tests_properties(PlannerScale.Screen1920x1080.Scale${scale} PROPERTIES TIMEOUT ${NV_TEST_TIMEOUT}
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_SOURCE_DIR}/planner/screens/1920x1080.json;QT_SCALE_FACTOR=${scale}")
  endforeach()
endif()
# The kitchen tests use the planner's name dialog, and drive the kitchen over the
# distribution's pictures and lunch-box data.
nv_test_area(test_bento DIRS bento LIBS nvbento nvplanner)
if(TARGET test_bento AND TARGET dist)
  add_dependencies(test_bento dist)
endif()
# The program as main() builds it, over the distribution folder.
if(TARGET nvprogram)
  nv_test_area(test_app DIRS app LIBS nvprogram)
  if(TARGET test_app AND TARGET dist)
    add_dependencies(test_app dist)
  endif()
endif()
# The class summary's window.
nv_test_area(test_summary DIRS summary LIBS nvsummary)
