# The Windows game as one folder, which packaging/windows/package zips (make package-windows):
#
#   tilecrest.exe         a GUI program carrying the game's icon
#   *.dll                 Allegro's (libpng, FreeType and zlib inside) and GCC's runtime
#   data/                 the artwork, and the font itself under the name the game loads
#   COPYING.txt           the game's licence, GPL-3.0-or-later
#   licenses/             the licences of everything else inside
# The .exe's icon: the generated icon artwork in an .ico, as a resource that Explorer shows.
# The window gets the same picture from the game itself (al_set_display_icon).
set(sizes 16 24 32 48 64 128 256)
set(icons ${sizes})
list(TRANSFORM icons REPLACE "(.+)" "${generated}/icons/icon-\\1.png")
add_custom_command(
  OUTPUT ${generated}/tilecrest.ico
  COMMAND ${CMAKE_COMMAND} -E make_directory ${generated}/icons
  COMMAND tilecrest-artwork --icons ${generated}/icons ${sizes}
  COMMAND ${TILECREST_ROOT}/packaging/windows/make-ico ${generated}/tilecrest.ico ${icons}
  DEPENDS tilecrest-artwork ${TILECREST_ROOT}/packaging/windows/make-ico
  COMMENT "Drawing the icon of the .exe"
  VERBATIM)
add_custom_target(tilecrest_ico DEPENDS ${generated}/tilecrest.ico)
file(WRITE ${generated}/tilecrest.rc "tilecrest ICON \"${generated}/tilecrest.ico\"\n")
target_sources(tilecrest PRIVATE ${generated}/tilecrest.rc)
set_source_files_properties(${generated}/tilecrest.rc TARGET_DIRECTORY tilecrest
  PROPERTIES OBJECT_DEPENDS ${generated}/tilecrest.ico)
add_dependencies(tilecrest tilecrest_ico)

# The DLLs the game loads, found with objdump where the build found them: Allegro's in the
# library cache, GCC's and winpthreads in the cross compiler's folders. Windows' own stay.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
  OUTPUT_VARIABLE runtime OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
cmake_path(GET runtime PARENT_PATH runtime)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND ${TILECREST_TRIPLET}-objdump)
install(TARGETS tilecrest RUNTIME_DEPENDENCY_SET tilecrest_dlls
  RUNTIME DESTINATION . COMPONENT ${TILECREST_COMPONENT})
install(RUNTIME_DEPENDENCY_SET tilecrest_dlls DESTINATION . COMPONENT ${TILECREST_COMPONENT}
  DIRECTORIES ${TILECREST_WINDOWS_LIBS}/bin ${runtime} /usr/${TILECREST_TRIPLET}/lib
  PRE_INCLUDE_REGEXES "^allegro" "^libstdc" "^libgcc_s" "^libwinpthread"
  PRE_EXCLUDE_REGEXES ".")

install(DIRECTORY ${CMAKE_BINARY_DIR}/data/bitmaps DESTINATION data
  COMPONENT ${TILECREST_COMPONENT} FILES_MATCHING PATTERN "*.png")
install(FILES ${CMAKE_BINARY_DIR}/data/fonts/arlrdbd.ttf DESTINATION data/fonts
  COMPONENT ${TILECREST_COMPONENT})

install(FILES ${TILECREST_ROOT}/COPYING DESTINATION . RENAME COPYING.txt
  COMPONENT ${TILECREST_COMPONENT})
# Debian's copyright files where they hold the licence with its notices.
set(licenses
  "${TILECREST_QUICKSAND_LICENSE}|Quicksand-font-OFL.txt"
  "${TILECREST_WINDOWS_LIBS}/licenses/Allegro-LICENSE.txt|Allegro.txt"
  "${TILECREST_WINDOWS_LIBS}/licenses/libpng-LICENSE.txt|libpng.txt"
  "${TILECREST_WINDOWS_LIBS}/licenses/FreeType-FTL.txt|FreeType.txt"
  "/usr/share/doc/libz-mingw-w64/copyright|zlib.txt"
  "/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright|GCC-runtime-libraries.txt"
  "/usr/share/doc/mingw-w64-x86-64-dev/copyright|MinGW-w64-winpthreads.txt")
foreach(entry IN LISTS licenses)
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 from)
  list(GET entry 1 to)
  install(FILES ${from} DESTINATION licenses RENAME ${to} COMPONENT ${TILECREST_COMPONENT})
endforeach()
