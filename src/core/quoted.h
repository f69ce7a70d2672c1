// Text from outside the program (a command-line argument, a file name) shown
// in a message: quoted, made safe for a terminal and kept to one short line.
#pragma once

#include <string>
#include <string_view>

namespace sb {

// Characters of an argument shown in full; a longer one keeps its start and
// its end (where a file name is) around "...".
inline constexpr size_t kQuotedMaxCharacters = 100;

// `text` between single quotes. Control characters, bytes that are not
// UTF-8 and the quote and backslash themselves are escaped C-style (\n, \t,
// \x1b, \', \\); other UTF-8 characters are kept as they are.
std::string Quoted(std::string_view text);

}  // namespace sb
