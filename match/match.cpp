#include "match/match.h"

#include <algorithm>
#include <utility>

namespace quintel::match {

namespace {

Dice arranged(const Dice& dice) {
    std::array<int, kDiceCount> faces = dice.faces();
    arrangeDice(faces);
    return Dice(faces);
}

Kept arranged(const Kept& kept) {
    std::array<int, kDiceCount> faces = kept.places();
    arrangeDice(faces);
    return Kept::fromPlaces(faces);
}

bool among(const FaceCounts& some, const FaceCounts& all) {
    return covers(all, some);
}

std::string phaseWords(Phase phase) {
    switch (phase) {
    case Phase::NoGame:
        return "no game is in play";
    case Phase::Opening:
        return "the game's first call is to be made";
    case Phase::Answer:
        return "the last call is to be trusted or not";
    case Phase::Trusted:
        return "the trusted dice are to be called or thrown again";
    case Phase::Thrown:
        return "a call is to be made on the dice thrown";
    case Phase::Decided:
        return "the game is decided";
    }
    return {};
}

} // namespace

Match::Match(RuleOptions options, RandomSource& random) : options_(options), random_(random) {}

void Match::addListener(MatchListener& listener) {
    listeners_.push_back(&listener);
}

void Match::removeListener(MatchListener& listener) {
    std::erase(listeners_, &listener);
}

template <typename Tell> void Match::tell(Tell&& what) {
    telling_ = true;
    // A listener may remove itself or another while being told.
    const std::vector<MatchListener*> listeners = listeners_;
    for (MatchListener* listener : listeners) {
        if (std::ranges::find(listeners_, listener) != listeners_.end()) {
            what(*listener);
        }
    }
    telling_ = false;
}

void Match::startGame(Seat starter) {
    phase_ = Phase::Opening;
    toMove_ = starter;
    starter_ = starter;
    lastCall_.reset();
    fixed_ = {};
    calls_.clear();
    outcome_.reset();
    std::array<int, kDiceCount> faces{};
    for (int& face : faces) {
        face = random_.die();
    }
    dice_ = Dice(faces);
    threw_ = true;
    thrown_ = dice_.digits();
    tell([this](MatchListener& listener) { listener.gameStarted(*this); });
    tell([this](MatchListener& listener) { listener.diceThrown(*this, toMove_, thrown_); });
}

std::optional<Call> Match::callBeforeLast() const {
    if (calls_.size() < 2) {
        return std::nullopt;
    }
    return calls_[calls_.size() - 2].call;
}

std::vector<ActionKind> Match::legalKinds() const {
    switch (phase_) {
    case Phase::Opening:
    case Phase::Thrown:
        return {ActionKind::Call};
    case Phase::Answer:
        if (mayTrust()) {
            return {ActionKind::Trust, ActionKind::Doubt};
        }
        return {ActionKind::Doubt};
    case Phase::Trusted:
        return {ActionKind::Call, ActionKind::Keep};
    case Phase::NoGame:
    case Phase::Decided:
        break;
    }
    return {};
}

bool Match::mayTrust() const {
    return phase_ == Phase::Answer && lastCall_ && beatable(*lastCall_);
}

ChangeLayout Match::changeLayout() const {
    if (!lastCall_) {
        ChangeLayout free{};
        free.fill(DieChoice::Free);
        return free;
    }
    return match::changeLayout(*lastCall_, dice_, fixed_, options_);
}

KeepRange Match::keepRange() const {
    if (!lastCall_) {
        return {{}, dice_.counts()};
    }
    return keepRangeFor(*lastCall_, dice_, fixed_, options_);
}

std::optional<std::string> Match::refusal(const Action& action) const {
    if (telling_) {
        return "the table is still telling what happened";
    }
    const std::vector<ActionKind> legal = legalKinds();
    if (action.kind == ActionKind::Resign) {
        return inPlay() ? std::nullopt : std::optional<std::string>("no game is in play");
    }
    if (std::ranges::find(legal, action.kind) == legal.end()) {
        if (action.kind == ActionKind::Trust && phase_ == Phase::Answer) {
            return "nothing beats " + lastCall_->digits() + ", so it cannot be trusted";
        }
        return describe(action) + " is not possible now: " + phaseWords(phase_);
    }
    switch (action.kind) {
    case ActionKind::Call:
        if (!action.call) {
            return "a call names one to five dice";
        }
        if (!mayFollow(*action.call, lastCall_)) {
            return "the call " + action.call->digits() + " does not beat " + lastCall_->digits();
        }
        return std::nullopt;
    case ActionKind::Keep:
        return keepRefusal(action.keep);
    case ActionKind::Trust:
    case ActionKind::Doubt:
    case ActionKind::Resign:
        break;
    }
    return std::nullopt;
}

std::optional<std::string> Match::keepRefusal(const Keep& keep) const {
    if (keep.places) {
        if (!followsLayout(changeLayout(), *keep.places)) {
            return "the dice kept do not follow the rules of the throw";
        }
        return std::nullopt;
    }
    const FaceCounts kept = keep.dice.counts();
    if (!among(kept, dice_.counts())) {
        return "the dice " + keep.dice.digits() + " are not among the dice held, " +
               dice_.handDigits();
    }
    if (!keepAllowed(keepRange(), kept)) {
        return "keeping " + (keep.dice.empty() ? std::string("nothing") : keep.dice.digits()) +
               " is against the rules of the throw";
    }
    return std::nullopt;
}

std::optional<std::string> Match::apply(const Action& action) {
    if (auto refused = refusal(action)) {
        return refused;
    }
    switch (action.kind) {
    case ActionKind::Call:
        call(*action.call);
        break;
    case ActionKind::Trust:
        trust();
        break;
    case ActionKind::Doubt:
        doubt();
        break;
    case ActionKind::Keep:
        keep(action.keep);
        break;
    case ActionKind::Resign:
        forfeit(toMove_);
        break;
    }
    return std::nullopt;
}

void Match::call(const Call& made) {
    if (!threw_) {
        // A call at once carries the fixed dice on as they were, laid out in canonical order.
        fixed_ = arranged(fixed_);
    }
    calls_.push_back({toMove_, made, fixed_, threw_, thrown_, dice_});
    lastCall_ = made;
    toMove_ = otherSeat(toMove_);
    phase_ = Phase::Answer;
    threw_ = false;
    thrown_.clear();
    tell([this](MatchListener& listener) { listener.callMade(*this, calls_.back()); });
}

void Match::trust() {
    phase_ = Phase::Trusted;
    // The table shows the player the dice it takes over, and the fixed dice among them, in
    // canonical order; the computer's seat takes them as they lie.
    if (toMove_ == Seat::Human) {
        dice_ = arranged(dice_);
        fixed_ = arranged(fixed_);
    }
    tell([this](MatchListener& listener) { listener.trusted(*this, toMove_); });
}

void Match::doubt() {
    // The dice are shown to both seats in canonical order.
    dice_ = arranged(dice_);
    const Seat challenger = toMove_;
    const bool challengerWins = !lastCall_->heldBy(dice_.counts());
    outcome_ = GameOutcome{challenger, challengerWins ? challenger : otherSeat(challenger),
                           lastCall_->digits(), diceDigits(dice_.faces(), EmptyPositions::Zero)};
    phase_ = Phase::Decided;
    tell([this](MatchListener& listener) { listener.gameDecided(*this, *outcome_); });
}

void Match::forfeit(Seat loser) {
    if (!inPlay()) {
        return;
    }
    dice_ = arranged(dice_);
    const Seat winner = otherSeat(loser);
    outcome_ = GameOutcome{winner, winner, lastCall_ ? lastCall_->digits() : std::string(),
                           diceDigits(dice_.faces(), EmptyPositions::Zero), true};
    phase_ = Phase::Decided;
    tell([this](MatchListener& listener) { listener.gameDecided(*this, *outcome_); });
}

void Match::keep(const Keep& keep) {
    std::array<int, kDiceCount> faces = dice_.faces();
    std::string thrown;
    const auto throwAt = [&](std::size_t place) {
        faces[place] = random_.die();
        thrown.push_back(static_cast<char>('0' + faces[place]));
    };
    if (keep.places) {
        std::array<int, kDiceCount> keptFaces{};
        for (std::size_t i = 0; i < kDiceCount; ++i) {
            if ((*keep.places)[i]) {
                keptFaces[i] = faces[i];
            } else {
                throwAt(i);
            }
        }
        fixed_ = Kept::fromPlaces(keptFaces);
    } else {
        if (keep.dice.size() < kDiceCount) {
            std::ranges::copy(keep.dice.places(), faces.begin());
            for (std::size_t i = keep.dice.size(); i < kDiceCount; ++i) {
                throwAt(i);
            }
        }
        fixed_ = keep.dice;
    }
    dice_ = Dice(faces);
    threw_ = true;
    thrown_ = thrown;
    phase_ = Phase::Thrown;
    tell([this](MatchListener& listener) { listener.diceThrown(*this, toMove_, thrown_); });
}

SeatView Match::viewFor(Seat seat) const {
    SeatView view;
    view.seat = seat;
    view.options = options_;
    view.phase = phase_;
    view.lastCall = lastCall_;
    for (const CallRecord& made : calls_) {
        view.calls.push_back(
            {made.caller, made.call, made.fixed, made.threw, static_cast<int>(made.thrown.size())});
    }
    if (calls_.size() >= 2 && calls_[calls_.size() - 2].caller == seat) {
        view.ownLastCall = calls_[calls_.size() - 2].call;
    }
    if (seat != toMove_ || !inPlay()) {
        return view;
    }
    if (phase_ == Phase::Answer || phase_ == Phase::Trusted) {
        const CallRecord& made = calls_.back();
        view.callerFixed = made.fixed;
        view.callerThrew = made.threw;
        view.callerDiceThrown = static_cast<int>(made.thrown.size());
        if (made.thrown.empty()) {
            view.callerDice = made.dice;
        }
    }
    switch (phase_) {
    case Phase::Answer:
        view.mayTrust = mayTrust();
        break;
    case Phase::Trusted:
        view.dice = dice_;
        view.layout = changeLayout();
        view.keepRange = keepRange();
        view.locked = fixed_;
        break;
    case Phase::Opening:
    case Phase::Thrown:
        view.dice = dice_;
        view.kept = fixed_;
        break;
    case Phase::NoGame:
    case Phase::Decided:
        break;
    }
    return view;
}

void Match::setPosition(const Position& position) {
    phase_ = position.phase;
    toMove_ = position.toMove;
    dice_ = position.dice;
    lastCall_ = position.lastCall;
    fixed_ = position.fixed;
    threw_ = position.threw;
    thrown_ = position.thrown;
    calls_ = position.calls;
    outcome_.reset();
}

Match::Position Match::position() const {
    return {phase_, toMove_, dice_, lastCall_, fixed_, threw_, thrown_, calls_};
}

} // namespace quintel::match
