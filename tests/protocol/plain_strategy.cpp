#include "plain_strategy.h"

#include "match/table_rules.h"

#include <algorithm>

namespace quintel::testing {

namespace {

using match::protocol::Answer;
using match::protocol::AnswerKind;
using match::protocol::Request;
using match::protocol::RequestKind;

Answer respond(const Request& request) {
    const bool trusts = match::beatable(*request.call) && shapeClass(request.call->level()) < 3;
    return {.kind = trusts ? AnswerKind::Trust : AnswerKind::Doubt};
}

Answer keep(const Request& request, RuleOptions options) {
    const KeepRange range =
        match::keepRangeFor(*request.call, request.dice, request.locked, options);
    const FaceCounts call = request.call->counts();
    const FaceCounts locked = request.locked.counts();
    std::string kept;
    for (std::size_t face = 1; face <= kFaces; ++face) {
        const int wanted =
            std::clamp(std::max(call[face], locked[face]), range.least[face], range.most[face]);
        kept.append(static_cast<std::size_t>(wanted), static_cast<char>('0' + face));
    }
    return {.kind = AnswerKind::Keep, .keep = *match::Kept::fromDigits(kept)};
}

Answer call(const Request& request) {
    const auto own = match::Call::fromDigits(request.dice.digits());
    return {.kind = AnswerKind::Call,
            .call = match::mayFollow(*own, request.call) ? own : match::weakestAfter(request.call)};
}

} // namespace

Answer plainAnswer(const Request& request, RuleOptions& options) {
    switch (request.kind) {
    case RequestKind::Hello:
        return {.kind = AnswerKind::Ok, .name = "test-engine"};
    case RequestKind::NewGame:
        options = request.options;
        return {};
    case RequestKind::Respond:
        return respond(request);
    case RequestKind::Keep:
        return keep(request, options);
    case RequestKind::Call:
    case RequestKind::Result:
    case RequestKind::Quit:
        break;
    }
    return call(request);
}

} // namespace quintel::testing
