#include "match/match.h"
#include "match/protocol.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace quintel::match::protocol {
namespace {

Call call(std::string_view digits) {
    return *Call::fromDigits(digits);
}
Kept kept(std::string_view digits) {
    return *Kept::fromDigits(digits);
}
Dice dice(std::string_view digits) {
    return *Dice::fromDigits(digits);
}

TEST(ProtocolLines, RequestsAndAnswersAreWrittenInCanonicalOrderAndReadInAnyOrder) {
    const std::vector<std::tuple<Request, std::string, std::string>> requests{
        {{.kind = RequestKind::Hello}, "quintel 1", "quintel 1"},
        {{.kind = RequestKind::NewGame, .options = {.fixAny = false, .fixPermanent = true}},
         "newgame perm",
         "newgame perm"},
        {{.kind = RequestKind::Respond, .call = call("665"), .kept = kept("6")},
         "respond 665 6",
         "respond  566 6\r"},
        {{.kind = RequestKind::Respond, .call = call("1"), .kept = kept("65432")},
         "respond 1 65432",
         "respond 1 23456"},
        {{.kind = RequestKind::Keep,
          .call = call("66"),
          .dice = dice("66532"),
          .locked = kept("6")},
         "keep 66 66532 6",
         "keep 66 25366 6"},
        {{.kind = RequestKind::Keep, .call = call("66"), .dice = dice("66532")},
         "keep 66 66532 -",
         "keep 66 66352 -"},
        {{.kind = RequestKind::Call, .dice = dice("11432")}, "call - 11432", "call - 14231"},
        {{.kind = RequestKind::Call, .call = call("3322"), .dice = dice("33221")},
         "call 3322 33221",
         "call 2233 12233"},
        {{.kind = RequestKind::Result, .dice = dice("66532"), .won = true},
         "result WIN 66532",
         "result WIN 23566"},
        {{.kind = RequestKind::Result, .dice = dice("66532")},
         "result LOSS 66532",
         "\tresult LOSS 66532 "},
        {{.kind = RequestKind::Quit}, "quit", "quit"},
    };
    for (const auto& [request, written, unordered] : requests) {
        EXPECT_EQ(writeRequest(request), written);
        EXPECT_EQ(parseRequest(written).value, request) << written;
        EXPECT_EQ(parseRequest(unordered).value, request) << unordered;
    }
    const std::vector<std::tuple<Answer, RequestKind, std::string, std::string>> answers{
        {{.kind = AnswerKind::Ok, .name = "Deep Dice 2"},
         RequestKind::Hello,
         "ok Deep Dice 2",
         " ok  Deep Dice 2 \r"},
        {{}, RequestKind::NewGame, "ok", "ok\r"},
        {{.kind = AnswerKind::Trust}, RequestKind::Respond, "trust", " trust"},
        {{.kind = AnswerKind::Doubt}, RequestKind::Respond, "doubt", "doubt "},
        {{.kind = AnswerKind::Keep, .keep = kept("665")},
         RequestKind::Keep,
         "keep 665",
         "keep 566"},
        {{.kind = AnswerKind::Keep}, RequestKind::Keep, "keep -", "keep -"},
        {{.kind = AnswerKind::Call, .call = call("11")}, RequestKind::Call, "call 11", "call 11"},
        {{.kind = AnswerKind::Call, .call = call("55566")},
         RequestKind::Call,
         "call 55566",
         "call 56565"},
    };
    for (const auto& [answer, kind, written, unordered] : answers) {
        EXPECT_EQ(writeAnswer(answer), written);
        EXPECT_EQ(parseAnswer(written, kind).value, answer) << written;
        EXPECT_EQ(parseAnswer(unordered, kind).value, answer) << unordered;
    }
}

TEST(ProtocolLines, ALineThatIsNotOneGivesTheReason) {
    const std::vector<std::tuple<std::string, RequestKind, std::string>> answers{
        {"perhaps", RequestKind::Respond, "expected \"trust\" or \"doubt\""},
        {"trust me", RequestKind::Respond, "expected \"trust\" or \"doubt\""},
        {"", RequestKind::Respond, "expected \"trust\" or \"doubt\""},
        {"call 7", RequestKind::Call, "\"7\" is no call: one to five digits 1 to 6"},
        {"call 6650", RequestKind::Call, "\"6650\" is no call: one to five digits 1 to 6"},
        {"call 111111", RequestKind::Call, "\"111111\" is no call: one to five digits 1 to 6"},
        {"call -", RequestKind::Call, "\"-\" is no call: one to five digits 1 to 6"},
        {"trust", RequestKind::Call, "expected \"call\" and a call"},
        {"keep 1234567", RequestKind::Keep, "\"1234567\" is no set of dice"},
        {"keep", RequestKind::Keep, "expected \"keep\" and the dice kept"},
        {"ok", RequestKind::Hello, "expected \"ok\" and the engine's name"},
        {"ok then", RequestKind::NewGame, "expected \"ok\""},
    };
    for (const auto& [line, kind, error] : answers) {
        const auto parsed = parseAnswer(line, kind);
        EXPECT_FALSE(parsed.value) << line;
        EXPECT_EQ(parsed.error.substr(0, error.size()), error) << line;
    }
    const std::vector<std::pair<std::string, std::string>> requests{
        {"hello", "\"hello\" is no request"},
        {"", "an empty line is no request"},
        {"respond 665", "respond takes CALL KEPT"},
        {"quit now", "quit takes nothing"},
        {"newgame some", "\"some\" is none of none, any, perm or both"},
        {"quintel one", "\"one\" is no version number"},
        {"keep 665 6653 -", "\"6653\" is not five dice"},
        {"result DRAW 66532", "\"DRAW\" is neither WIN nor LOSS"},
    };
    for (const auto& [line, error] : requests) {
        const auto parsed = parseRequest(line);
        EXPECT_FALSE(parsed.value) << line;
        EXPECT_EQ(parsed.error.substr(0, error.size()), error) << line;
    }
}

// The request tells the seat to move what its view holds: the caller's kept dice, or all five
// after a call at once; the locked dice under "Fix Permanent" only.
TEST(ProtocolLines, TheRequestToASeatCarriesWhatItKnows) {
    RandomSource random{1};
    const CallRecord afterThrow{Seat::Human, call("665"), kept("66"), true, "532", dice("66532")};
    CallRecord atOnce = afterThrow;
    atOnce.threw = false;
    atOnce.thrown.clear();
    const std::vector<std::tuple<Phase, CallRecord, RuleOptions, std::string>> cases{
        {Phase::Answer, afterThrow, {}, "respond 665 66"},
        {Phase::Answer, atOnce, {}, "respond 665 66532"},
        {Phase::Trusted, afterThrow, {.fixAny = false, .fixPermanent = true}, "keep 665 66532 66"},
        {Phase::Trusted, afterThrow, {.fixAny = true, .fixPermanent = false}, "keep 665 66532 -"},
    };
    for (const auto& [phase, made, options, line] : cases) {
        Match match(options, random);
        match.setPosition({.phase = phase,
                           .toMove = Seat::Computer,
                           .dice = dice("25366"),
                           .lastCall = made.call,
                           .fixed = made.fixed,
                           .threw = false,
                           .thrown = {},
                           .calls = {made}});
        EXPECT_EQ(writeRequest(requestFor(match.viewFor(Seat::Computer))), line);
    }
    Match opening({}, random);
    opening.startGame(Seat::Computer);
    EXPECT_EQ(writeRequest(requestFor(opening.viewFor(Seat::Computer))),
              "call - " + opening.dice().handDigits());
}

} // namespace
} // namespace quintel::match::protocol
