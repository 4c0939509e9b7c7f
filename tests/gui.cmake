# GUI test areas (built with NV_BUILD_GUI; run headless on the offscreen platform).
# The Qt side of the platform is tested with the widgets.
nv_test_area(test_widgets
  SOURCES
  widgets/balloon_hint_test.cpp
  widgets/bar_chart_test.cpp
  widgets/dish_picture_test.cpp
  widgets/gauge_form_test.cpp
  widgets/grid_printer_test.cpp
  widgets/help_window_test.cpp
  widgets/installed_entry_test.cpp
  widgets/qt_dialogs_test.cpp
  widgets/qt_modal_test.cpp
  widgets/qt_prompt_test.cpp
  widgets/ui_language_test.cpp
  platform/qt/documents_folder_test.cpp
  platform/qt/prompt_texts_test.cpp
  LIBS nvwidgets)
nv_test_area(test_planner
  SOURCES
  planner/get_jidoumei_form_test.cpp
  planner/main_form_commands_test.cpp
  planner/main_form_data_test.cpp
  planner/main_form_scale_test.cpp
  planner/main_form_settings_test.cpp
  planner/main_form_shell_test.cpp
  planner/main_form_view_test.cpp
  planner/menu_document_test.cpp
  planner/name_entry_locale_test.cpp
  planner/planner_factory_test.cpp
  planner/print_forms_test.cpp
  planner/print_services_test.cpp
  planner/search_about_test.cpp
  planner/sel_kondate_form_test.cpp
  planner/start_screen_test.cpp
  teacher/add_kondate_form_test.cpp
  teacher/add_kondate_main_form_test.cpp
  teacher/bentou_details_form_test.cpp
  teacher/details_form_test.cpp
  teacher/details_main_form_test.cpp
  teacher/edit_kondate_form_test.cpp
  LIBS nvplanner nvteacher nvteacherservices)
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
nv_test_area(test_bento
  SOURCES
  bento/bento_batch_print_test.cpp
  bento/bento_page_test.cpp
  bento/bento_print_test.cpp
  bento/bentou_kekka_test.cpp
  bento/kitchen_bad_input_test.cpp
  bento/kitchen_form_test.cpp
  bento/kitchen_keyboard_test.cpp
  bento/kitchen_views_test.cpp
  bento/lunch_box_document_test.cpp
  bento/onigiri_bouya_test.cpp
  bento/recipe_book_test.cpp
  bento/recipe_windows_test.cpp
  LIBS nvbento nvplanner)
if(TARGET test_bento AND TARGET dist)
  add_dependencies(test_bento dist)
endif()
# The program as main() builds it, over the distribution folder.
if(TARGET nvprogram)
  nv_test_area(test_app
    SOURCES
    app/program_wiring_test.cpp
    LIBS nvprogram)
  if(TARGET test_app AND TARGET dist)
    add_dependencies(test_app dist)
  endif()
endif()
# The class summary's window.
nv_test_area(test_summary
  SOURCES
  summary/class_summary_form_test.cpp
  LIBS nvsummary)
