// The engine console (and the judge command it hands on) on arbitrary input: every line that is
// not blank gets exactly one answer line, an answer is refused exactly when it starts with
// "error: ", the exit status says whether any line was refused, and nothing typed comes back
// with a control character or any other byte outside printable ASCII.
#include "opponent/engine/engine.h"
#include "tools/quintel-engine/engine_console.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

namespace {

void require(bool property) {
    if (!property) {
        std::abort();
    }
}

bool printableAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const quintel::Form1 engine;
    const std::string input(reinterpret_cast<const char*>(data), size);

    std::istringstream in(input);
    std::ostringstream out;
    const int status = quintel::runConsole(engine, in, out, false);

    std::istringstream questions(input);
    std::istringstream answers(out.str());
    std::string question;
    std::string answer;
    bool anyRefused = false;
    while (std::getline(questions, question)) {
        if (quintel::isBlankLine(question)) {
            continue;
        }
        require(static_cast<bool>(std::getline(answers, answer)));
        require(printableAscii(answer));
        const quintel::ConsoleAnswer single = quintel::answerLine(engine, question);
        require(single.text == answer);
        require(single.ok != answer.starts_with("error: "));
        anyRefused = anyRefused || !single.ok;
    }
    require(!std::getline(answers, answer));
    require(status == (anyRefused ? 1 : 0));
    return 0;
}
