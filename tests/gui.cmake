# GUI test areas (built with NV_BUILD_GUI; run headless on the offscreen platform).
nv_test_area(test_widgets DIRS widgets LIBS nvwidgets)
if(TARGET nvplanner)
  nv_test_area(test_planner DIRS planner teacher LIBS nvplanner)
endif()
if(TARGET nvbento AND TARGET nvplanner)
  nv_test_area(test_bento DIRS bento LIBS nvbento nvplanner)
  # The kitchen is driven over the distribution's pictures and lunch-box data.
  if(TARGET test_bento AND TARGET dist)
    add_dependencies(test_bento dist)
  endif()
endif()
