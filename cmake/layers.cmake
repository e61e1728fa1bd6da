# check_layers(LOWEST ... HIGHEST): stops the configure when a source file in one of these
# folders includes from a folder named after its own, so that includes only point down. A
# layer of folders side by side is written with "+" between them ("arithmetic+pecahan"); none
# of them includes from another.
function(check_layers)
  set(above ${ARGN})
  foreach(layer IN LISTS ARGN)
    list(REMOVE_AT above 0)
    string(REPLACE "+" ";" beside ${layer})
    string(REPLACE "+" ";" higher_folders "${above}")
    foreach(folder IN LISTS beside)
      set(others ${beside})
      list(REMOVE_ITEM others ${folder})
      file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h
        ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
      foreach(source IN LISTS sources)
        file(STRINGS ${source} includes REGEX "^#include \"")
        foreach(line IN LISTS includes)
          foreach(higher IN LISTS higher_folders others)
            if(line MATCHES "\"(\\.\\./)?${higher}/")
              message(FATAL_ERROR "${source} includes from ${higher}/, which is not below ${folder}/: ${line}")
            endif()
          endforeach()
        endforeach()
      endforeach()
    endforeach()
  endforeach()
endfunction()
