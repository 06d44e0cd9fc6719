# What an installation adds for the desktop (the menu entry, the PhotoCD
# file names it opens, the manual page) and the Debian package made of it.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/velmora.desktop DESTINATION share/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/velmora.xml DESTINATION share/mime/packages)
# Every Debian package names its authors and licence here.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION share/doc/velmora)

# Debian installs manual pages compressed; -n keeps the archive the same on
# every build.
find_program(VELMORA_GZIP gzip REQUIRED)
set(VELMORA_MAN_PAGE_DIR ${CMAKE_BINARY_DIR}/man)
set(VELMORA_MAN_PAGE ${VELMORA_MAN_PAGE_DIR}/velmora.1.gz)
add_custom_command(OUTPUT ${VELMORA_MAN_PAGE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${VELMORA_MAN_PAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/docs/velmora.1 ${VELMORA_MAN_PAGE_DIR}/velmora.1
  COMMAND ${VELMORA_GZIP} -9 -n -f ${VELMORA_MAN_PAGE_DIR}/velmora.1
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/velmora.1
  COMMENT "Compressing the manual page"
  VERBATIM)
add_custom_target(velmora_man_page ALL DEPENDS ${VELMORA_MAN_PAGE})
install(FILES ${VELMORA_MAN_PAGE} DESTINATION share/man/man1)

# cpack -G DEB (scripts/package.sh). The libraries come from dpkg-shlibdeps;
# what the program starts or loads by name is listed by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Tarnwick Software")
set(CPACK_PACKAGE_CONTACT "Tarnwick Software <support@tarnwick.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.tarnwick.example/velmora/")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "converter of Kodak PhotoCD images to JPEG files
Tarnwick PCD to JPG converts PhotoCD images (.pcd, .pcd1, .pcds, .ppcd)
into JPEG files, from the console or from a small window, through optional
steps: rotate, resize, flip, colour correction, greyscale, threshold,
dither, frame, watermark and bit depth, with a filename mask for the
output name.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# ImageMagick decodes the PhotoCD files; the fonts are the watermark's and
# the window's defaults; libqt6gui6 holds Qt's X11 platform plugin, which is
# loaded at run time rather than linked.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "imagemagick, fonts-liberation, fonts-dejavu-core, libqt6gui6")
# xdg-open opens the manual and the web pages; with the desktop and MIME
# databases and the icon theme, file managers open PhotoCD files with the
# program and show its icon. A desktop environment brings them anyway.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, desktop-file-utils, shared-mime-info, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
