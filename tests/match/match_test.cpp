#include "match/match.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quintel::match {
namespace {

Call call(std::string_view digits) {
    return *Call::fromDigits(digits);
}

Dice dice(std::string_view digits) {
    return *Dice::fromDigits(digits);
}

std::string layoutText(const ChangeLayout& layout) {
    std::string text;
    for (const DieChoice choice : layout) {
        text += choice == DieChoice::Free ? 'F' : choice == DieChoice::MustThrow ? 'T' : 'L';
    }
    return text;
}

// Every event, in the order the listeners are told.
class EventLog : public MatchListener {
public:
    std::vector<std::string> events;
    void gameStarted(const Match& match) override {
        events.push_back("started " + match.dice().digits());
    }
    void diceThrown(const Match&, Seat seat, std::string_view thrown) override {
        events.push_back(seatName(seat) + " threw " + std::string(thrown));
    }
    void trusted(const Match&, Seat seat) override { events.push_back(seatName(seat) + " trusts"); }
    void callMade(const Match&, const CallRecord& made) override {
        events.push_back(seatName(made.caller) + " calls " + made.call.digits() + " fixing " +
                         made.fixed.digits());
    }
    void gameDecided(const Match&, const GameOutcome& outcome) override {
        events.push_back(seatName(outcome.winner) + " wins on " + outcome.dice);
    }

private:
    static std::string seatName(Seat seat) { return seat == Seat::Human ? "player" : "computer"; }
};

class MatchTest : public ::testing::Test {
protected:
    RandomSource random{11};
    Match table{{}, random};

    // A game in play at the given position.
    void at(Phase phase, Seat toMove, std::string_view held, std::optional<Call> last = {},
            std::string_view fixed = "", RuleOptions options = {}) {
        table.setOptions(options);
        Match::Position position;
        position.phase = phase;
        position.toMove = toMove;
        position.dice = dice(held);
        position.lastCall = last;
        position.fixed = *Kept::fromDigits(fixed);
        if (last) {
            position.calls.push_back(
                {otherSeat(toMove), *last, position.fixed, true, "", position.dice});
        }
        table.setPosition(position);
    }

    std::string refused(const Action& action) { return table.refusal(action).value_or("taken"); }
};

TEST_F(MatchTest, EachPhaseOffersItsActionsAndRefusesTheOthersWithAReason) {
    EXPECT_EQ(refused(Action::calling(call("2"))),
              "call 2 is not possible now: no game is in play");
    table.startGame(Seat::Human);
    EXPECT_EQ(table.legalKinds(), std::vector<ActionKind>{ActionKind::Call});
    EXPECT_EQ(refused(Action::trusting()),
              "trust is not possible now: the game's first call is to be made");
    EXPECT_EQ(refused(Action::calling(call("2"))), "taken") << "anything may open a game";
    EXPECT_EQ(refused({ActionKind::Call, std::nullopt, {}}), "a call names one to five dice");

    at(Phase::Answer, Seat::Human, "66543", call("33"));
    EXPECT_EQ(table.legalKinds(), (std::vector<ActionKind>{ActionKind::Trust, ActionKind::Doubt}));
    EXPECT_EQ(refused(Action::keeping({})),
              "keep - is not possible now: the last call is to be trusted or not");
    at(Phase::Answer, Seat::Human, "66543", call("11111"));
    EXPECT_EQ(table.legalKinds(), std::vector<ActionKind>{ActionKind::Doubt});
    EXPECT_EQ(refused(Action::trusting()), "nothing beats 11111, so it cannot be trusted");

    at(Phase::Trusted, Seat::Human, "66543", call("33"));
    EXPECT_EQ(table.legalKinds(), (std::vector<ActionKind>{ActionKind::Call, ActionKind::Keep}));
    EXPECT_EQ(refused(Action::calling(call("33"))), "the call 33 does not beat 33");
    EXPECT_EQ(refused(Action::calling(call("2222"))), "taken");
    at(Phase::Thrown, Seat::Human, "66543", call("33"));
    EXPECT_EQ(refused(Action::keeping({})),
              "keep - is not possible now: a call is to be made on the dice thrown");

    table.apply(Action::resigning());
    EXPECT_EQ(table.phase(), Phase::Decided);
    EXPECT_TRUE(table.legalKinds().empty());
    EXPECT_EQ(refused(Action::resigning()), "no game is in play");
}

TEST_F(MatchTest, TheThrowAfterATrustFollowsTheOptionsDieByDie) {
    struct Case {
        RuleOptions options;
        std::string held, last, fixed, layout;
    };
    const std::vector<Case> cases{
        // The second five is not part of the call; dice of the call are taken from the left.
        {{}, "65615", "665", "", "FFFTT"},
        // The dice do not hold the call: all are thrown.
        {{}, "65432", "66", "", "TTTTT"},
        {{.fixAny = true, .fixPermanent = false}, "65432", "66", "", "FFFFF"},
        // Locked from the left whatever was decided before: two of three sixes.
        {{.fixAny = false, .fixPermanent = true}, "66621", "666", "66", "LLFTT"},
        {{.fixAny = false, .fixPermanent = true}, "65432", "55", "6", "LTTTT"},
        {{.fixAny = true, .fixPermanent = true}, "66543", "55", "64", "LFFLF"},
    };
    for (const Case& c : cases) {
        at(Phase::Trusted, Seat::Human, c.held, call(c.last), c.fixed, c.options);
        EXPECT_EQ(layoutText(table.changeLayout()), c.layout)
            << c.held << " after " << c.last << " fixed " << c.fixed;
    }
}

TEST_F(MatchTest, AKeepIsRefusedUnlessTheRulesAllowIt) {
    at(Phase::Trusted, Seat::Computer, "66543", call("66"), "", {});
    EXPECT_EQ(refused(Action::keeping(*Kept::fromDigits("111"))),
              "the dice 111 are not among the dice held, 66543");
    EXPECT_EQ(refused(Action::keeping(*Kept::fromDigits("665"))),
              "keeping 665 is against the rules of the throw");
    EXPECT_EQ(refused(Action::keeping(*Kept::fromDigits("6"))), "taken");
    EXPECT_EQ(refused(Action::keepingPlaces({true, true, true, false, false})),
              "the dice kept do not follow the rules of the throw");
    EXPECT_EQ(refused(Action::keepingPlaces({true, false, false, false, false})), "taken");
    at(Phase::Trusted, Seat::Computer, "66543", call("55"), "64", {false, true});
    EXPECT_EQ(refused(Action::keeping({})), "keeping nothing is against the rules of the throw");
    EXPECT_EQ(refused(Action::keeping(*Kept::fromDigits("46"))), "taken");
}

TEST_F(MatchTest, AThrowLaysDownTheKeptDiceAndDrawsTheOthersInPlaceOrder) {
    RandomSource same = random;
    at(Phase::Trusted, Seat::Human, "56643", call("66"));
    ASSERT_EQ(table.apply(Action::keepingPlaces({false, false, true, false, false})), std::nullopt);
    std::string expected;
    for (int i = 0; i < 4; ++i) {
        expected += std::to_string(same.die());
    }
    expected.insert(2, "6");
    EXPECT_EQ(table.dice().digits(), expected);
    EXPECT_EQ(table.fixed().digits(), "6");
    EXPECT_TRUE(table.threwThisTurn());
    EXPECT_EQ(table.phase(), Phase::Thrown);

    // A computer lays what it keeps down first.
    at(Phase::Trusted, Seat::Computer, "54366", call("66"));
    table.apply(Action::keeping(*Kept::fromDigits("66")));
    EXPECT_EQ(table.dice().digits().substr(0, 2), "66");
    EXPECT_EQ(table.thrownThisTurn(), table.dice().digits().substr(2));
    // Keeping all five throws nothing and leaves the dice where they lie.
    at(Phase::Trusted, Seat::Computer, "54366", call("66"), "", {true, false});
    table.apply(Action::keeping(*Kept::fromDigits("66543")));
    EXPECT_EQ(table.dice().digits(), "54366");
    EXPECT_EQ(table.fixed().digits(), "66543");
    EXPECT_EQ(table.thrownThisTurn(), "");
}

TEST_F(MatchTest, TheTableLaysDiceInCanonicalOrderWhereThePlayerSeesThem) {
    // The player takes the dice over in canonical order, and the fixed dice with them.
    at(Phase::Answer, Seat::Human, "54366", call("66"), "656");
    table.apply(Action::trusting());
    EXPECT_EQ(table.dice().digits(), "66543");
    EXPECT_EQ(table.fixed().digits(), "665");
    // The computer's seat takes them as they lie; a call at once carries the fixed dice on in
    // canonical order.
    at(Phase::Answer, Seat::Computer, "54366", call("66"), "656");
    table.apply(Action::trusting());
    EXPECT_EQ(table.dice().digits(), "54366");
    EXPECT_EQ(table.fixed().digits(), "656");
    table.apply(Action::calling(call("666")));
    EXPECT_EQ(table.calls().back().fixed.digits(), "665");
    EXPECT_FALSE(table.calls().back().threw);
    // Shown at a challenge.
    table.apply(Action::doubting());
    ASSERT_TRUE(table.outcome());
    EXPECT_EQ(*table.outcome(), (GameOutcome{Seat::Human, Seat::Human, "666", "66543"}));
}

TEST_F(MatchTest, ASeatSeesWhatTheTableShowsItAndNeverTheOthersHiddenDice) {
    table.startGame(Seat::Human);
    const Dice opening = table.dice();
    EXPECT_EQ(table.viewFor(Seat::Human).dice, opening);
    EXPECT_FALSE(table.viewFor(Seat::Computer).dice);
    table.apply(Action::calling(call("2")));
    SeatView answering = table.viewFor(Seat::Computer);
    EXPECT_FALSE(answering.dice);
    EXPECT_FALSE(answering.callerDice) << "the player threw five fresh dice";
    EXPECT_TRUE(answering.callerThrew);
    EXPECT_EQ(answering.callerDiceThrown, 5);
    EXPECT_TRUE(answering.mayTrust);
    table.apply(Action::trusting());
    EXPECT_EQ(table.viewFor(Seat::Computer).dice, opening) << "taken over, as they lie";
    table.apply(Action::calling(call("3")));
    // Called at once: the player knows the dice it handed over.
    answering = table.viewFor(Seat::Human);
    EXPECT_EQ(answering.callerDice, opening);
    EXPECT_FALSE(answering.callerThrew);
    EXPECT_FALSE(answering.dice);
    EXPECT_EQ(answering.ownLastCall, call("2"));
    EXPECT_EQ(answering.calls.size(), 2U);
}

TEST_F(MatchTest, ListenersAreToldEachStepOfAGameInOrder) {
    EventLog log;
    table.addListener(log);
    table.startGame(Seat::Human);
    const std::string opening = table.dice().digits();
    table.apply(Action::calling(call("2")));
    table.apply(Action::trusting());
    table.apply(Action::keeping({}));
    const std::string thrown = table.dice().digits();
    table.apply(Action::calling(*weakestAfter(call("2"))));
    table.apply(Action::doubting());
    const GameOutcome outcome = *table.outcome();
    EXPECT_EQ(log.events,
              (std::vector<std::string>{"started " + opening, "player threw " + opening,
                                        "player calls 2 fixing ", "computer trusts",
                                        "computer threw " + thrown, "computer calls 3 fixing ",
                                        (outcome.winner == Seat::Human ? "player" : "computer") +
                                            std::string(" wins on ") + outcome.dice}));
    // Nothing may act on the table while it tells what happened.
    class Meddler : public MatchListener {
    public:
        std::optional<std::string> refusal;
        void gameStarted(const Match& match) override {
            refusal = match.refusal(Action::calling(*Call::fromDigits("2")));
        }
    } meddler;
    table.addListener(meddler);
    table.startGame(Seat::Human);
    EXPECT_EQ(meddler.refusal, "the table is still telling what happened");
}

TEST_F(MatchTest, AForfeitedGameIsWonByTheOtherSeat) {
    at(Phase::Trusted, Seat::Computer, "54366", call("66"));
    table.apply(Action::resigning());
    ASSERT_TRUE(table.outcome());
    EXPECT_EQ(*table.outcome(), (GameOutcome{Seat::Human, Seat::Human, "66", "66543", true}));
}

TEST(Calls, AreKeptInCanonicalOrderAndRankedByTheBeatsRelation) {
    EXPECT_EQ(call("25523").digits(), "55223");
    EXPECT_EQ(call("0520").digits(), "52");
    EXPECT_EQ(Call::fromDigits("123456"), std::nullopt);
    EXPECT_EQ(Call::fromDigits("7"), std::nullopt);
    EXPECT_EQ(Call::fromDigits(""), std::nullopt);
    EXPECT_EQ(Dice::fromDigits("6654"), std::nullopt);
    EXPECT_TRUE(call("1").beats(call("65432")));
    EXPECT_TRUE(call("22").beats(call("16543")));
    EXPECT_FALSE(call("22").beats(call("22543")));
    EXPECT_FALSE(call("66").beats(call("66")));
    EXPECT_EQ(weakestAfter(std::nullopt), call("2"));
    EXPECT_EQ(weakestAfter(call("2")), call("3"));
    EXPECT_EQ(weakestAfter(call("11111")), std::nullopt);
    EXPECT_FALSE(beatable(call("11111")));
}

} // namespace
} // namespace quintel::match
