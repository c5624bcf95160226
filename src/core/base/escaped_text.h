// Text from a file as a message may quote it: well-formed UTF-8 is kept, and
// what a window or terminal would show wrongly, or act on, is written out.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

// `bytes` with every byte that is not part of well-formed UTF-8 as \xE9, tab,
// line feed and carriage return as \t, \n and \r, and the other control
// characters (C0, DEL and C1) as their bytes, \x1B or \xC2\x9B.
std::string EscapedText(std::string_view bytes);

}  // namespace morvane
