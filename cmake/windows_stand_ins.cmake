# Where Windows does a thing its own way, X_windows.cpp stands in for X.cpp
# there; other systems leave it out. Applies the rule to the list of
# sources named by `list_var`.
function(sb_windows_stand_ins list_var)
  set(sources ${${list_var}})
  foreach(source ${${list_var}})
    if(source MATCHES "_windows\\.cpp$")
      if(WIN32)
        string(REGEX REPLACE "_windows\\.cpp$" ".cpp" replaced ${source})
        list(REMOVE_ITEM sources ${replaced})
      else()
        list(REMOVE_ITEM sources ${source})
      endif()
    endif()
  endforeach()
  set(${list_var} ${sources} PARENT_SCOPE)
endfunction()
