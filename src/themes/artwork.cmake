# The built-in pictures and the default theme package are drawn at build
# time by tools/artwork; nothing it makes is kept in the source tree.
set(VELMORA_ARTWORK_DIR ${PROJECT_SOURCE_DIR}/tools/artwork)
file(GLOB VELMORA_ARTWORK_SOURCES CONFIGURE_DEPENDS ${VELMORA_ARTWORK_DIR}/*.cpp)
# The names come from the program's own slot tables.
add_executable(velmora_artwork ${VELMORA_ARTWORK_SOURCES}
  ${CMAKE_CURRENT_SOURCE_DIR}/themes/icon_slots.cpp ${CMAKE_CURRENT_SOURCE_DIR}/app/text_util.cpp)
target_include_directories(velmora_artwork PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${VELMORA_ARTWORK_DIR})
target_link_libraries(velmora_artwork PRIVATE PkgConfig::DRAWING PkgConfig::ARCHIVE)

set(VELMORA_EMBEDDED_PICTURES ${CMAKE_CURRENT_BINARY_DIR}/generated/embedded_pictures.cpp)
# Beside the built velmora, where ProgramDataFolder() finds the gfx folder.
set(VELMORA_HANDDRAWN_PACKAGE ${CMAKE_BINARY_DIR}/src/gfx/handdrawn.zip)
add_custom_command(
  OUTPUT ${VELMORA_EMBEDDED_PICTURES} ${VELMORA_HANDDRAWN_PACKAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/generated ${CMAKE_BINARY_DIR}/src/gfx
  COMMAND velmora_artwork --source ${VELMORA_EMBEDDED_PICTURES} --package ${VELMORA_HANDDRAWN_PACKAGE}
  DEPENDS velmora_artwork
  COMMENT "Drawing the built-in pictures and the handdrawn theme package"
  VERBATIM)
add_custom_target(velmora_artwork_files DEPENDS ${VELMORA_EMBEDDED_PICTURES} ${VELMORA_HANDDRAWN_PACKAGE})
target_sources(velmora_core PRIVATE ${VELMORA_EMBEDDED_PICTURES})
add_dependencies(velmora_core velmora_artwork_files)

# The program's icon for the desktop, at the sizes menus, docks and file
# managers ask the hicolor icon theme for.
set(VELMORA_ICON_THEME_DIR ${CMAKE_BINARY_DIR}/src/icons/hicolor)
set(VELMORA_PROGRAM_ICON_SIZES 16 24 32 48 64 128 256)
set(VELMORA_PROGRAM_ICONS "")
foreach(size ${VELMORA_PROGRAM_ICON_SIZES})
  set(icon_folder ${size}x${size}/apps)
  list(APPEND VELMORA_PROGRAM_ICONS ${VELMORA_ICON_THEME_DIR}/${icon_folder}/velmora.png)
  install(FILES ${VELMORA_ICON_THEME_DIR}/${icon_folder}/velmora.png DESTINATION share/icons/hicolor/${icon_folder})
endforeach()
string(REPLACE ";" "," VELMORA_PROGRAM_ICON_SIZE_LIST "${VELMORA_PROGRAM_ICON_SIZES}")
add_custom_command(
  OUTPUT ${VELMORA_PROGRAM_ICONS}
  COMMAND velmora_artwork --app-icons ${VELMORA_ICON_THEME_DIR} --app-icon-sizes ${VELMORA_PROGRAM_ICON_SIZE_LIST}
  DEPENDS velmora_artwork
  COMMENT "Drawing the program icon"
  VERBATIM)
add_custom_target(velmora_program_icons ALL DEPENDS ${VELMORA_PROGRAM_ICONS})

# An installed program finds its themes in <prefix>/share/velmora/gfx/.
install(FILES ${VELMORA_HANDDRAWN_PACKAGE} DESTINATION share/velmora/gfx)
