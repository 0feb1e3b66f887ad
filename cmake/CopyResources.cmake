# Lays out resource/ beside the program without overwriting files the user has edited there
# (the material and catalogue editors write into the program's own resource folder).
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
foreach(f IN LISTS files)
  if(NOT EXISTS ${TARGET_DIR}/${f})
    get_filename_component(dir ${TARGET_DIR}/${f} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY_FILE ${SOURCE_DIR}/${f} ${TARGET_DIR}/${f})
  endif()
endforeach()
