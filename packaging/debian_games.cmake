# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack on the tree it is about to package: a Debian game's programs are in /usr/games. The launcher
# finds the game from there as from bin, both one folder below /usr.
set(usr ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr)
file(MAKE_DIRECTORY ${usr}/games)
file(CHMOD ${usr}/games DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(GLOB programs RELATIVE ${usr}/bin ${usr}/bin/*)
foreach(program ${programs})
  file(RENAME ${usr}/bin/${program} ${usr}/games/${program})
endforeach()
file(REMOVE_RECURSE ${usr}/bin)
