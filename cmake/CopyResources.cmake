# Lays out resource/ beside the program. The material and catalogue files are the user's to edit
# there (through the program's editors), so a rebuild copies them only when they are missing;
# everything else is always brought up to date.
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*)
foreach(f IN LISTS files)
  set(user_file FALSE)
  if(f STREQUAL "material.txt" OR f STREQUAL "sortament.txt")
    set(user_file TRUE)
  endif()
  if(NOT user_file OR NOT EXISTS ${TARGET_DIR}/${f})
    get_filename_component(dir ${TARGET_DIR}/${f} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY_FILE ${SOURCE_DIR}/${f} ${TARGET_DIR}/${f} ONLY_IF_DIFFERENT)
  endif()
endforeach()
