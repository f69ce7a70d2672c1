// Standard input, output and error, opened on /dev/null where the program
// was started with them closed. Otherwise the next file opened (the X
// connection, say) takes descriptor 2, and an error line written later
// corrupts it.
#pragma once

namespace sb::sdl {

// Call first thing in main(). False if /dev/null could not be opened.
bool OpenClosedStandardDescriptors();

}  // namespace sb::sdl
