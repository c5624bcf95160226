# A folder of sources as a static library that sees only the headers of what it uses.
#
# morvane_folder_library(FOLDER [USES folder...] [LIBRARIES target...]) makes the
# library morvane_<FOLDER> from FOLDER/*.cpp (and its headers, resources) under the
# current source folder. Its include root is a folder of the build tree holding one
# link, named FOLDER, to the sources; linking a library adds its root (and those of
# what it uses) to the include path. So "optimiser/ga_state.h" written in the engine
# fails to compile instead of waiting for a review.
function(morvane_folder_library folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "USES;LIBRARIES")
  set(dir ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h ${dir}/*.qrc)
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  set(root ${CMAKE_BINARY_DIR}/include/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${dir} ${root}/${folder} SYMBOLIC)
  add_library(morvane_${folder} STATIC ${sources})
  target_include_directories(morvane_${folder} PUBLIC ${root})
  list(TRANSFORM arg_USES PREPEND morvane_)
  target_link_libraries(morvane_${folder} PUBLIC ${arg_USES} ${arg_LIBRARIES})
  morvane_settings(morvane_${folder})
endfunction()
