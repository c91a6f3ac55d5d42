# Keeps the includes of src/ pointing down the layers, app → window → model → gui, with Qt seen only in gui/.
# CTest runs it as `cmake -DSOURCE_DIR=<the src folder> -P CheckLayers.cmake`; it names every include that
# breaks a rule and fails if there is one.
cmake_minimum_required(VERSION 3.25)

get_filename_component(SOURCE_DIR "${SOURCE_DIR}" ABSOLUTE)
if(NOT IS_DIRECTORY "${SOURCE_DIR}")
  message(FATAL_ERROR "CheckLayers: SOURCE_DIR is not a folder: '${SOURCE_DIR}'")
endif()

# The layers each layer may include besides itself.
set(layers gui model window app)
set(below_gui "")
set(below_model gui)
set(below_window gui model)
set(below_app gui model window)
# The two deliberate upward reaches: the drawing reads the main window's object controls, and the start values
# read the canvas size.
set(model_reaching_window model/Print.cpp model/InitGlobals.cpp)

# <QWidget>, <QtWidgets>, <QtCore/qglobal.h>, <qglobal.h>.
set(qt_header "^(Qt[A-Za-z0-9]*/|Q[A-Za-z0-9_]*$|q[a-z0-9_]+\\.h$)")
# "gui/Window.h", "../window/Window1.h"; the match's last group is the layer.
set(layer_path "^(\\.\\.?/)*(src/)?(gui|model|window|app)/")

set(faults "")
foreach(layer IN LISTS layers)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${SOURCE_DIR}"
       "${SOURCE_DIR}/${layer}/*.h" "${SOURCE_DIR}/${layer}/*.hpp" "${SOURCE_DIR}/${layer}/*.cpp")
  if(NOT files)
    list(APPEND faults "${layer}/ holds no sources: is SOURCE_DIR the src folder?")
  endif()
  foreach(file IN LISTS files)
    # gui/'s own headers are what the layers above include, so they must not bring Qt with them.
    set(public_gui_header FALSE)
    if(file MATCHES "^gui/[^/]+\\.(h|hpp)$")
      set(public_gui_header TRUE)
    endif()
    file(STRINGS "${SOURCE_DIR}/${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"][^>\"]+[>\"]")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*" "\\1" header "${line}")
      if(header MATCHES "${qt_header}")
        if(NOT layer STREQUAL "gui" OR public_gui_header)
          list(APPEND faults "${file} includes <${header}>: only the sources of src/gui/ and its internal/ headers see Qt")
        endif()
        continue()
      endif()
      if(NOT header MATCHES "${layer_path}")
        continue()
      endif()
      set(target_layer "${CMAKE_MATCH_3}")
      if(header MATCHES "gui/internal/" AND (NOT layer STREQUAL "gui" OR public_gui_header))
        list(APPEND faults "${file} includes \"${header}\": gui/internal/ is private to src/gui/ and sees Qt")
      elseif(target_layer STREQUAL layer OR target_layer IN_LIST below_${layer})
        continue()
      elseif(layer STREQUAL "model" AND target_layer STREQUAL "window" AND file IN_LIST model_reaching_window)
        continue()
      else()
        list(JOIN below_${layer} "/, " below)
        if(below)
          set(below " and ${below}/")
        endif()
        list(APPEND faults "${file} includes \"${header}\": ${layer}/ may include only ${layer}/${below}")
      endif()
    endforeach()
  endforeach()
endforeach()

file(GLOB entries RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
foreach(entry IN LISTS entries)
  if(NOT entry IN_LIST layers AND (IS_DIRECTORY "${SOURCE_DIR}/${entry}" OR entry MATCHES "\\.(h|hpp|cpp)$"))
    list(APPEND faults "${entry} is in no layer: give it its place in the order in cmake/CheckLayers.cmake")
  endif()
endforeach()

if(faults)
  list(JOIN faults "\n  " text)
  message(FATAL_ERROR "The layers of src/ are crossed:\n  ${text}")
endif()
