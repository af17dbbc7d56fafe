#include "computer_engine.h"

#include "match/table_rules.h"
#include "opponent/classic_computer.h"
#include "opponent/expert_computer.h"
#include "opponent/master_computer.h"
#include "records/model_from_record.h"

#include <stdexcept>
#include <utility>

namespace quintel::engine_player {

namespace {

using match::Action;
using match::ActionKind;
using match::Dice;
using match::Kept;
using match::Phase;
using match::SeatView;
namespace protocol = match::protocol;

// The seat the computer plays, as its views name it; its actions do not depend on it.
constexpr Seat kOwnSeat = Seat::Computer;

// The dice of `dice` that are not among `kept`, as digits: those thrown after the keep.
std::string thrownBeside(const Kept& kept, const Dice& dice) {
    std::string rest = dice.handDigits();
    for (const int face : kept.faces()) {
        const std::size_t place = rest.find(static_cast<char>('0' + face));
        if (place != std::string::npos) {
            rest.erase(place, 1);
        }
    }
    return rest;
}

// The dice as the table lays them down after a keep: the kept dice first, then those thrown.
Dice laidDown(const Kept& kept, const Dice& dice) {
    return *Dice::fromDigits(kept.digits() + thrownBeside(kept, dice));
}

// The dice a keep keeps, whichever way the computer named them.
Kept keptDice(const match::Keep& keep, const Dice& dice) {
    if (!keep.places) {
        return keep.dice;
    }
    std::array<int, kDiceCount> faces{};
    for (std::size_t place = 0; place < kDiceCount; ++place) {
        faces[place] = (*keep.places)[place] ? dice[place] : 0;
    }
    return Kept::fromPlaces(faces);
}

int diceThrown(const Kept& kept) {
    return kDiceCount - static_cast<int>(kept.size());
}

} // namespace

ComputerEngine::ComputerEngine(Opponent opponent, std::filesystem::path solvedFolder,
                               std::uint64_t seed)
    : opponent_(opponent), name_(opponent == Opponent::Expert   ? "Quintel Expert"
                                 : opponent == Opponent::Master ? "Quintel Master"
                                                                : "Quintel Classic"),
      seats_(std::move(solvedFolder)), random_(seed) {}

std::optional<std::string> ComputerEngine::answer(const protocol::Request& request) {
    switch (request.kind) {
    case protocol::RequestKind::Hello:
        return protocol::writeAnswer({.kind = protocol::AnswerKind::Ok, .name = name_});
    case protocol::RequestKind::NewGame:
        newGame(request.options);
        return protocol::writeAnswer({});
    case protocol::RequestKind::Respond:
        return respond(request);
    case protocol::RequestKind::Keep:
        return keep(request);
    case protocol::RequestKind::Call:
        return call(request);
    case protocol::RequestKind::Result:
        learn(request.dice);
        break;
    case protocol::RequestKind::Quit:
        break;
    }
    return std::nullopt;
}

void ComputerEngine::newGame(RuleOptions options) {
    const bool solved = opponent_ == Opponent::Expert || opponent_ == Opponent::Master;
    if (solved && (!computer_ || options != options_)) {
        std::string problem;
        auto game = seats_.solvedGame(options, problem);
        if (!game) {
            throw std::runtime_error(std::string("the ") +
                                     (opponent_ == Opponent::Master ? "master" : "expert") +
                                     " computer cannot play: " + problem);
        }
        if (opponent_ == Opponent::Master) {
            auto master = std::make_unique<MasterComputer>(std::move(game), random_, notes_);
            master_ = master.get();
            computer_ = std::move(master);
        } else {
            computer_ = std::make_unique<ExpertComputer>(std::move(game), random_, notes_);
        }
    } else if (!computer_) {
        computer_ = std::make_unique<ClassicComputer>(random_, notes_, nullptr);
    }
    options_ = options;
    calls_.clear();
    played_.clear();
    handUnseen_.reset();
    answered_ = {};
    kept_ = {};
    atOnce_.reset();
}

SeatView ComputerEngine::seatView(Phase phase) const {
    SeatView view;
    view.seat = kOwnSeat;
    view.options = options_;
    view.phase = phase;
    view.calls = calls_;
    if (!calls_.empty()) {
        view.lastCall = calls_.back().call;
    }
    if (calls_.size() >= 2 && calls_[calls_.size() - 2].caller == kOwnSeat) {
        view.ownLastCall = calls_[calls_.size() - 2].call;
    }
    return view;
}

std::string ComputerEngine::respond(const protocol::Request& request) {
    if (!computer_) {
        newGame(options_);
    }
    // All five dice known: the caller threw none, and they are the dice this seat handed over.
    const bool threw = request.kept.size() < kDiceCount;
    const Kept fixed = threw ? request.kept : Kept{};
    calls_.push_back(
        {otherSeat(kOwnSeat), *request.call, fixed, threw, threw ? diceThrown(fixed) : 0});
    played_.push_back({otherSeat(kOwnSeat), *request.call, fixed, threw, {}, {}});
    if (threw) {
        handUnseen_ = played_.size() - 1;
    }
    SeatView view = seatView(Phase::Answer);
    view.callerFixed = fixed;
    view.callerThrew = threw;
    view.callerDiceThrown = calls_.back().diceThrown;
    if (!threw) {
        view.callerDice = Dice(request.kept.places());
    }
    view.mayTrust = match::beatable(*request.call);
    answered_ = view;
    const Action action = computer_->decide(view);
    return protocol::writeAnswer({.kind = action.kind == ActionKind::Trust
                                              ? protocol::AnswerKind::Trust
                                              : protocol::AnswerKind::Doubt});
}

std::string ComputerEngine::keep(const protocol::Request& request) {
    if (!computer_) {
        newGame(options_);
    }
    seeHand(request.dice);
    SeatView view = answered_;
    view.phase = Phase::Trusted;
    view.mayTrust = false;
    view.lastCall = request.call;
    view.dice = request.dice;
    view.locked = request.locked;
    view.layout = match::changeLayout(*request.call, request.dice, request.locked, options_);
    view.keepRange = match::keepRangeFor(*request.call, request.dice, request.locked, options_);
    const Action action = computer_->decide(view);
    if (action.kind == ActionKind::Call) {
        // A call at once: keeping all five says so, and the call request that follows gets it.
        atOnce_ = action.call;
        kept_ = Kept::fromPlaces(request.dice.faces());
    } else {
        kept_ = keptDice(action.keep, request.dice);
    }
    return protocol::writeAnswer({.kind = protocol::AnswerKind::Keep, .keep = kept_});
}

std::string ComputerEngine::call(const protocol::Request& request) {
    if (!computer_) {
        newGame(options_);
    }
    if (atOnce_) {
        const match::Call made = *std::exchange(atOnce_, std::nullopt);
        calls_.push_back({kOwnSeat, made, answered_.callerFixed, false, 0});
        played_.push_back({kOwnSeat, made, answered_.callerFixed, false, {}, {}});
        return calling(made);
    }
    SeatView view = seatView(request.call ? Phase::Thrown : Phase::Opening);
    view.lastCall = request.call;
    view.kept = request.call ? kept_ : Kept{};
    view.dice = request.call ? laidDown(kept_, request.dice) : request.dice;
    const Action action = computer_->decide(view);
    calls_.push_back({kOwnSeat, *action.call, view.kept, true, diceThrown(view.kept)});
    played_.push_back(
        {kOwnSeat, *action.call, view.kept, true, thrownBeside(view.kept, request.dice), {}});
    return calling(*action.call);
}

void ComputerEngine::seeHand(const Dice& dice) {
    if (handUnseen_) {
        match::CallRecord& made = played_[*std::exchange(handUnseen_, std::nullopt)];
        made.thrown = thrownBeside(made.fixed, dice);
    }
}

void ComputerEngine::learn(const Dice& shown) {
    if (master_ == nullptr) {
        return;
    }
    seeHand(shown);
    const auto seen = observationsOf(played_, master_->model().tables());
    if (seen) {
        try {
            master_->learn(*seen);
        } catch (const std::invalid_argument&) {
            // A game outside the solved game's situations teaches nothing.
        }
    }
    played_.clear();
}

std::string ComputerEngine::calling(const match::Call& made) {
    return protocol::writeAnswer({.kind = protocol::AnswerKind::Call, .call = made});
}

} // namespace quintel::engine_player
