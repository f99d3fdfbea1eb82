# Copies the files of a fresh installation into the program folder DEST,
# each only when DEST does not hold it yet.
file(GLOB _files RELATIVE ${SRC} ${SRC}/*)
foreach(_f IN LISTS _files)
  if(NOT EXISTS "${DEST}/${_f}")
    file(COPY "${SRC}/${_f}" DESTINATION "${DEST}")
  endif()
endforeach()
