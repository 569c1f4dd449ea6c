// Writing the transcript: texts in double quotes with \" and \\ escaped and a
// line break written as \n.
#pragma once

#include <string>
#include <string_view>

namespace lintra::scenario {

std::string Quoted(std::string_view text);

}  // namespace lintra::scenario
