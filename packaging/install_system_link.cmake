# sb_install_system_link(<system file> <folder under the install prefix>)
#
# Installs a symbolic link to a file that a system package already ships
# (a font, the General MIDI sound font) instead of a copy of it. The link is
# relative when the file lies under the install prefix, as Debian asks of
# links within /usr, and absolute otherwise (an install to /usr/local).
function(sb_install_system_link system_file folder)
  get_filename_component(name ${system_file} NAME)
  install(CODE "
    set(sb_folder \"\${CMAKE_INSTALL_PREFIX}/${folder}\")
    set(sb_target \"${system_file}\")
    string(FIND \"\${sb_target}\" \"\${CMAKE_INSTALL_PREFIX}/\" sb_at)
    if(sb_at EQUAL 0)
      file(RELATIVE_PATH sb_target \"\${sb_folder}\" \"\${sb_target}\")
    endif()
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${sb_folder}\")
    message(STATUS \"Installing: \$ENV{DESTDIR}\${sb_folder}/${name} -> \${sb_target}\")
    file(CREATE_LINK \"\${sb_target}\" \"\$ENV{DESTDIR}\${sb_folder}/${name}\" SYMBOLIC)
  ")
endfunction()
