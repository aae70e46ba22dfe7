# cmake -DSOURCE=file -DDEST_DIR=dir -DNAME=NAME.DAT -P CopyIfMissing.cmake
# Copies SOURCE to DEST_DIR/NAME unless DEST_DIR already holds a file of that name in any letter
# case (the program finds its libraries case-insensitively, so that one is the user's).
file(GLOB present LIST_DIRECTORIES false "${DEST_DIR}/*")
string(TOUPPER "${NAME}" wanted)
foreach(path IN LISTS present)
  get_filename_component(name "${path}" NAME)
  string(TOUPPER "${name}" name)
  if(name STREQUAL wanted)
    return()
  endif()
endforeach()
file(COPY_FILE "${SOURCE}" "${DEST_DIR}/${NAME}")
message(STATUS "Installed the starter ${NAME}")
