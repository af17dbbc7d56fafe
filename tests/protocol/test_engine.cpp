// An engine of the Quintel engine protocol for the tests: it plays a plain, fixed strategy and,
// when asked on its command line, breaks the protocol once in one way.
//
//   test-engine [--fault KIND] [--at N] [--slow MS] [--log FILE]
//
// With --log it writes every request it reads to FILE, a line each.
// KIND is what it does at the N-th request where it can (the first by default), then it plays on:
//   malformed      answers a respond request with a line that is no answer
//   illegal-call   answers a call request with "call 7"
//   weak-call      answers a call request that names a call with that same call
//   keep-not-held  answers a keep request with a die it does not hold
//   slow           answers a request MS milliseconds late (1000 by default)
//   die            ends, with exit status 3, instead of answering
#include "plain_strategy.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <thread>

namespace {

using namespace quintel;
using namespace quintel::match;
using protocol::Request;
using protocol::RequestKind;

struct Fault {
    std::string kind;
    int at = 1;
    int slowMs = 1000;
    int chances = 0; // requests so far where it could have come
};

bool isMove(RequestKind kind) {
    return kind == RequestKind::Respond || kind == RequestKind::Keep || kind == RequestKind::Call;
}

// The line that breaks the protocol in place of the answer to `request`, if it is the one.
std::optional<std::string> faultyLine(const Request& request, Fault& fault) {
    const bool chance =
        (fault.kind == "malformed" && request.kind == RequestKind::Respond) ||
        (fault.kind == "illegal-call" && request.kind == RequestKind::Call) ||
        (fault.kind == "weak-call" && request.kind == RequestKind::Call && request.call) ||
        (fault.kind == "keep-not-held" && request.kind == RequestKind::Keep) ||
        ((fault.kind == "slow" || fault.kind == "die") && isMove(request.kind));
    if (!chance || ++fault.chances != fault.at) {
        return std::nullopt;
    }
    if (fault.kind == "die") {
        std::exit(3);
    }
    if (fault.kind == "slow") {
        std::this_thread::sleep_for(std::chrono::milliseconds(fault.slowMs));
        return std::nullopt;
    }
    if (fault.kind == "malformed") {
        return "perhaps";
    }
    if (fault.kind == "illegal-call") {
        return "call 7";
    }
    if (fault.kind == "weak-call") {
        return "call " + request.call->digits();
    }
    const FaceCounts held = request.dice.counts();
    for (int face = 1; face <= kFaces; ++face) {
        if (held[static_cast<std::size_t>(face)] == 0) {
            return "keep " + std::to_string(face);
        }
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv) {
    Fault fault;
    std::ofstream log;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        const int value = std::atoi(argv[i + 1]);
        if (name == "--fault") {
            fault.kind = argv[i + 1];
        } else if (name == "--at") {
            fault.at = value;
        } else if (name == "--slow") {
            fault.slowMs = value;
        } else if (name == "--log") {
            log.open(argv[i + 1], std::ios::app);
        }
    }
    RuleOptions options;
    std::string line;
    while (std::getline(std::cin, line)) {
        log << line << std::endl;
        const auto parsed = protocol::parseRequest(line);
        if (!parsed.value) {
            std::cerr << "test-engine: " << parsed.error << "\n";
            return 2;
        }
        const Request& request = *parsed.value;
        if (request.kind == RequestKind::Quit) {
            return 0;
        }
        if (!protocol::expectsAnswer(request.kind)) {
            continue;
        }
        const auto broken = faultyLine(request, fault);
        std::cout << broken.value_or(protocol::writeAnswer(testing::plainAnswer(request, options)))
                  << std::endl;
    }
    return 0;
}
