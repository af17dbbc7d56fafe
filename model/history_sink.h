#pragma once

#include <string_view>

namespace quintel {

// Where the lines of a stay at the table go. Each write is one line; the sink adds the line end.
class HistorySink {
public:
    virtual ~HistorySink() = default;
    virtual void writeLine(std::string_view text) = 0;
};

} // namespace quintel
