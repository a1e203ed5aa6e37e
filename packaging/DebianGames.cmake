# Run by CPack on the staged tree before it is packed: Debian keeps the commands of games in
# /usr/games, which is on every user's path, while `make install` uses PREFIX/bin. The
# relative link stays valid, since both folders lie one level below the prefix.
set(usr "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr")
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/bin/tilecrest" "${usr}/games/tilecrest")
file(GLOB left "${usr}/bin/*")
if(NOT left)
  file(REMOVE_RECURSE "${usr}/bin")
endif()
