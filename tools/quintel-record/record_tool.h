#pragma once

#include <ostream>
#include <string_view>
#include <vector>

namespace quintel::record_tool {

// quintel-record DIR [--csv FILE] [--json FILE]: prints the summary of the record in the data
// folder DIR and writes its games to the files named. Returns the exit status.
int run(const std::vector<std::string_view>& arguments, std::ostream& out, std::ostream& err);

} // namespace quintel::record_tool
