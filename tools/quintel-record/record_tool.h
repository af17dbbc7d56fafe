#pragma once

#include <ostream>
#include <string_view>
#include <vector>

namespace quintel::record_tool {

// quintel-record DIR [--csv FILE] [--json FILE] [--check]: prints the summary of the record in the
// data folder DIR, with --check the verdict of SQLite's integrity check, and writes its games to
// the files named (neither in DIR nor one file twice). The record is only read: nothing of it or
// of DIR is changed. Returns the exit status: 0, 1 when the record cannot be read or a file
// written, 2 for arguments it refuses.
int run(const std::vector<std::string_view>& arguments, std::ostream& out, std::ostream& err);

} // namespace quintel::record_tool
