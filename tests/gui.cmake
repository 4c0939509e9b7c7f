# GUI test areas (built with NV_BUILD_GUI; run headless on the offscreen platform).
nv_test_area(test_widgets DIRS widgets LIBS nvwidgets)
nv_test_area(test_planner DIRS planner teacher LIBS nvplanner nvteacher)
nv_test_area(test_bento DIRS bento LIBS nvbento)
