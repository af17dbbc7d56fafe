#include "solver/player_model.h"
#include "model/index.h"

#include "model/dice.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <sstream>
#include <stdexcept>

namespace quintel::solver {

namespace {

constexpr std::string_view kMagic = "quintel-player-model 1";
// The upper ends of the ranges of a held chance strictly between 0 and 1.
constexpr std::array kClassBounds{0.02, 0.05, 0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.75, 0.9};
constexpr double kCertain = 1 - 1e-12;

void addSaturated(std::uint32_t& count, std::uint32_t more) {
    const std::uint32_t room = std::numeric_limits<std::uint32_t>::max() - count;
    count += std::min(room, more);
}

// A set of dice as its digits in canonical order, "-" for none.
std::string setText(const GameTables& tables, int set) {
    const std::string digits = diceDigits(callDigits(tables.sets().counts(set)));
    return digits.empty() ? "-" : digits;
}

std::string callText(const GameTables& tables, int call) {
    return call < 0 ? "-" : setText(tables, tables.callSet(call));
}

// The set a text names: digits of the variant's faces in canonical order, or "-" for none.
std::optional<int> setOfText(const GameTables& tables, std::string_view text) {
    if (text == "-") {
        return tables.sets().empty();
    }
    if (text.empty() || text.size() > static_cast<std::size_t>(tables.variant().dice)) {
        return std::nullopt;
    }
    for (const char c : text) {
        if (c < '1' || c > static_cast<char>('0' + tables.variant().faces)) {
            return std::nullopt;
        }
    }
    const FaceCounts counts = countFaceDigits(text);
    if (diceDigits(callDigits(counts)) != text) {
        return std::nullopt; // not in canonical order
    }
    const int set = tables.sets().indexOf(counts);
    return set < 0 ? std::nullopt : std::optional(set);
}

std::optional<int> callOfText(const GameTables& tables, std::string_view text) {
    if (text == "-") {
        return -1;
    }
    const auto set = setOfText(tables, text);
    return set ? std::optional(tables.callOfSet(*set)) : std::nullopt;
}

std::optional<std::uint32_t> countOfText(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() ||
        value > std::numeric_limits<std::uint32_t>::max() || (text.size() > 1 && text[0] == '0')) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t space = std::min(line.find(' ', start), line.size());
        words.push_back(line.substr(start, space - start));
        start = space + 1;
    }
    return words;
}

// The lines of a text, each ending in '\n'; nothing when the last line does not end.
std::optional<std::vector<std::string_view>> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            return std::nullopt;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

bool holds(const GameTables& tables, int hand, int set) {
    return covers(tables.sets().counts(hand), tables.sets().counts(set));
}

} // namespace

double heldChance(const GameTables& tables, int kept, int call) {
    const DiceSets& sets = tables.sets();
    double chance = 0;
    for (const int thrown : sets.ofSize(tables.variant().dice - sets.diceIn(kept))) {
        const int hand = sets.indexOf(addCounts(sets.counts(kept), sets.counts(thrown)));
        if (tables.covers(hand, call)) {
            chance += throwChance(sets.counts(thrown), tables.variant());
        }
    }
    return chance;
}

PlayerModel::PlayerModel(std::shared_ptr<const SolvedGame> game)
    : game_(std::move(game)), callClasses_(at((game_->variant().dice + 1) * kClasses)),
      answerClasses_(callClasses_.size()), visits_(at(game_->tables().callCount() + 1), 0) {}

std::uint32_t PlayerModel::callKey(int lastCall, int kept, int call) const {
    const auto calls = static_cast<std::uint32_t>(tables().callCount());
    const auto sets = static_cast<std::uint32_t>(tables().sets().count());
    return (static_cast<std::uint32_t>(lastCall + 1) * sets + static_cast<std::uint32_t>(kept)) *
               calls +
           static_cast<std::uint32_t>(call);
}

// Kept set first, then the call, then the last call: the answers to one call after one keep
// stand together, whatever the call before.
std::uint64_t PlayerModel::answerKey(int kept, int call, int lastCall) const {
    const auto calls = static_cast<std::uint64_t>(tables().callCount());
    return (static_cast<std::uint64_t>(kept) * calls + static_cast<std::uint64_t>(call)) *
               (calls + 1) +
           static_cast<std::uint64_t>(lastCall + 1);
}

std::uint64_t PlayerModel::choiceKey(int lastCall, int hand, int locked,
                                     std::uint16_t choice) const {
    const auto sets = static_cast<std::uint64_t>(tables().sets().count());
    return ((static_cast<std::uint64_t>(lastCall) * sets + static_cast<std::uint64_t>(hand)) *
                sets +
            static_cast<std::uint64_t>(locked)) *
               0x10000 +
           choice;
}

int PlayerModel::classOf(int kept, int call) const {
    const double chance = heldChance(tables(), kept, call);
    int range = 0;
    if (chance >= kCertain) {
        range = kClasses - 1;
    } else if (chance > 0) {
        range = 1 + static_cast<int>(std::ranges::lower_bound(kClassBounds, chance) -
                                     kClassBounds.begin());
        range = std::min(range, kClasses - 2);
    }
    return tables().sets().diceIn(kept) * kClasses + range;
}

void PlayerModel::check(const PlayerObservations& game) const {
    const GameTables& t = tables();
    const int calls = t.callCount();
    const int sets = t.sets().count();
    auto bad = [](const char* what) { throw std::invalid_argument(what); };
    auto isSet = [&](int set) { return set >= 0 && set < sets; };
    auto isHand = [&](int set) { return isSet(set) && t.sets().diceIn(set) == t.variant().dice; };
    for (const auto& made : game.calls) {
        if (made.lastCall < -1 || made.lastCall >= calls || !isSet(made.kept) ||
            !isHand(made.hand) || !holds(t, made.hand, made.kept) || made.call <= made.lastCall ||
            made.call >= calls) {
            bad("a call that is not one of the game's");
        }
    }
    for (const auto& answer : game.answers) {
        if (answer.lastCall < 0 || answer.lastCall >= calls || !isSet(answer.kept) ||
            answer.call <= answer.lastCall || answer.call >= calls) {
            bad("an answer to a call that is not one of the game's");
        }
    }
    for (const auto& keep : game.keeps) {
        if (keep.lastCall < 0 || keep.lastCall >= calls || !isHand(keep.hand) ||
            !isSet(keep.locked) || t.holdingIndex(keep.hand, keep.locked) < 0) {
            bad("a position that is not one of the game's");
        }
        if ((keep.choice & SolvedGame::kKeepFlag) != 0) {
            const int kept = keep.choice & ~SolvedGame::kKeepFlag;
            const auto allowed =
                t.allowedKeeps(keep.lastCall, t.holdingIndex(keep.hand, keep.locked));
            if (std::ranges::find(allowed, kept) == allowed.end()) {
                bad("a keep the rules do not allow");
            }
        } else if (keep.choice <= keep.lastCall || keep.choice >= calls) {
            bad("a call at once that does not beat the last call");
        }
    }
}

void PlayerModel::add(const PlayerObservations& game) {
    check(game);
    count(game);
    ++games_;
}

void PlayerModel::count(const PlayerObservations& game) {
    for (const auto& made : game.calls) {
        countCall(made.lastCall, made.kept, made.call, 1,
                  tables().covers(made.hand, made.call) ? 1 : 0);
    }
    for (const auto& answer : game.answers) {
        countAnswer(answer.lastCall, answer.kept, answer.call, 1, answer.trusted ? 1 : 0);
    }
    for (const auto& keep : game.keeps) {
        addSaturated(choices_[choiceKey(keep.lastCall, keep.hand, keep.locked, keep.choice)], 1);
    }
}

void PlayerModel::countCall(int lastCall, int kept, int call, std::uint32_t made,
                            std::uint32_t held) {
    for (Tally* tally :
         {&calls_[callKey(lastCall, kept, call)], &callClasses_[at(classOf(kept, call))]}) {
        tally->add(made, held);
    }
    addSaturated(visits_[at(lastCall + 1)], made);
    totalVisits_ += made;
}

void PlayerModel::countAnswer(int lastCall, int kept, int call, std::uint32_t asked,
                              std::uint32_t trusted) {
    for (Tally* tally :
         {&answers_[answerKey(kept, call, lastCall)], &answerClasses_[at(classOf(kept, call))]}) {
        tally->add(asked, trusted);
    }
    const auto stage = static_cast<std::uint32_t>(lastCall + 1) *
                           static_cast<std::uint32_t>(tables().sets().count()) +
                       static_cast<std::uint32_t>(kept);
    addSaturated(answerStages_[stage], asked);
    addSaturated(visits_[at(lastCall + 1)], asked);
    totalVisits_ += asked;
}

void PlayerModel::Tally::add(std::uint32_t more, std::uint32_t moreYes) {
    addSaturated(seen, more);
    addSaturated(yes, moreYes);
    yes = std::min(yes, seen);
}

bool PlayerModel::sawCallsIn(int lastCall, int kept) const {
    const auto first = calls_.lower_bound(callKey(lastCall, kept, 0));
    return first != calls_.end() &&
           first->first <= callKey(lastCall, kept, tables().callCount() - 1);
}

bool PlayerModel::sawAnswersIn(int lastCall, int kept) const {
    return answerStages_.contains(static_cast<std::uint32_t>(lastCall + 1) *
                                      static_cast<std::uint32_t>(tables().sets().count()) +
                                  static_cast<std::uint32_t>(kept));
}

std::vector<PlayerModel::Seen> PlayerModel::stagesWithCalls() const {
    const auto calls = static_cast<std::uint32_t>(tables().callCount());
    const auto sets = static_cast<std::uint32_t>(tables().sets().count());
    std::vector<Seen> seen;
    for (const auto& [key, tally] : calls_) {
        const std::uint32_t stage = key / calls;
        const int lastCall = static_cast<int>(stage / sets) - 1;
        const int kept = static_cast<int>(stage % sets);
        if (seen.empty() || seen.back().lastCall != lastCall || seen.back().kept != kept) {
            seen.push_back({lastCall, kept, 0, 0});
        }
        seen.back().times += tally.seen;
    }
    return seen;
}

std::vector<PlayerModel::Seen> PlayerModel::stagesWithAnswers() const {
    const auto sets = static_cast<std::uint32_t>(tables().sets().count());
    std::vector<Seen> seen;
    for (const auto& [stage, times] : answerStages_) {
        seen.push_back(
            {static_cast<int>(stage / sets) - 1, static_cast<int>(stage % sets), 0, times});
    }
    return seen;
}

std::vector<PlayerModel::Seen> PlayerModel::positionsSeen() const {
    const auto sets = static_cast<std::uint64_t>(tables().sets().count());
    std::vector<Seen> seen;
    for (const auto& [key, times] : choices_) {
        const std::uint64_t position = key >> 16;
        const Seen here{static_cast<int>(position / sets / sets),
                        static_cast<int>(position / sets % sets), static_cast<int>(position % sets),
                        0};
        if (seen.empty() || seen.back().lastCall != here.lastCall ||
            seen.back().kept != here.kept || seen.back().locked != here.locked) {
            seen.push_back(here);
        }
        seen.back().times += times;
    }
    return seen;
}

double PlayerModel::classRate(const std::vector<Tally>& classes, int kept, int call,
                              double prior) const {
    const Tally& tally = classes[at(classOf(kept, call))];
    return (tally.yes + kClassPrior * prior) / (tally.seen + kClassPrior);
}

std::vector<double> PlayerModel::callWeights(int lastCall, int kept) const {
    const StageGame stage(tables(), lastCall, kept, game_->positionValues());
    const StageStrategy& equilibrium = *game_->anyStage(lastCall, kept)->strategy;
    const int types = stage.typeCount();
    const int messages = stage.messageCount();
    // The equilibrium's joint chances of type and call, and per call those of the types that hold
    // it and of those that do not.
    std::vector<double> joint(at(types) * at(messages), 0.0);
    std::vector<double> made(at(messages), 0.0);
    std::vector<double> held(at(messages), 0.0);
    std::vector<double> holders(at(messages), 0.0);
    for (int t = 0; t < types; ++t) {
        for (const MixedCall& call : equilibrium.callsOf(t)) {
            const int m = call.call - stage.firstCall();
            const double x = stage.chance(t) * call.chance;
            joint[at(t) * at(messages) + at(m)] = x;
            made[at(m)] += x;
            held[at(m)] += stage.challengePayoff(t, m) > 0 ? x : 0;
        }
        for (int m = 0; m < messages; ++m) {
            holders[at(m)] += stage.challengePayoff(t, m) > 0 ? stage.chance(t) : 0;
        }
    }
    std::vector<Tally> seen(at(messages));
    std::uint32_t total = 0;
    const std::uint32_t firstKey = callKey(lastCall, kept, stage.firstCall());
    for (auto entry = calls_.lower_bound(firstKey);
         entry != calls_.end() && entry->first - firstKey < at(messages); ++entry) {
        seen[entry->first - firstKey] = entry->second;
        total += entry->second.seen;
    }
    std::vector<double> weights(joint.size(), 0.0);
    for (int m = 0; m < messages; ++m) {
        const Tally& tally = seen[at(m)];
        const double frequency =
            (tally.seen + kCallFrequencyPrior * made[at(m)]) / (total + kCallFrequencyPrior);
        // A call the equilibrium never makes is taken to name dice the caller holds, as the
        // Expert takes it, while nothing else is known.
        const double heldAtEquilibrium =
            made[at(m)] > 0 ? held[at(m)] / made[at(m)] : (holders[at(m)] > 0 ? 1.0 : 0.0);
        const double classHeld =
            classRate(callClasses_, kept, stage.firstCall() + m, heldAtEquilibrium);
        double heldShare = (tally.yes + kHeldPrior * classHeld) / (tally.seen + kHeldPrior);
        const double bluffMade = made[at(m)] - held[at(m)];
        const double bluffers = 1 - holders[at(m)];
        heldShare = holders[at(m)] <= 0 ? 0.0 : bluffers <= 0 ? 1.0 : heldShare;
        for (int t = 0; t < types; ++t) {
            const bool holdsCall = stage.challengePayoff(t, m) > 0;
            const double x = joint[at(t) * at(messages) + at(m)];
            // Within those that hold the call and those that do not, the types as the
            // equilibrium mixes them, or as they are thrown where it does not make the call.
            double share = 0;
            if (holdsCall) {
                share = heldShare *
                        (held[at(m)] > 0 ? x / held[at(m)] : stage.chance(t) / holders[at(m)]);
            } else {
                share =
                    (1 - heldShare) * (bluffMade > 0 ? x / bluffMade : stage.chance(t) / bluffers);
            }
            weights[at(t) * at(messages) + at(m)] = frequency * share;
        }
    }
    return weights;
}

std::vector<double> PlayerModel::trustChances(int lastCall, int kept) const {
    const StageGame stage(tables(), lastCall, kept, game_->positionValues());
    std::vector<double> trust = fullTrust(stage, *game_->anyStage(lastCall, kept)->strategy);
    for (int m = 0; m < stage.messageCount(); ++m) {
        const int call = stage.firstCall() + m;
        if (call + 1 == tables().callCount()) {
            trust[at(m)] = 0; // trusting the strongest call leaves nothing to call
            continue;
        }
        Tally seen;
        for (auto entry = answers_.lower_bound(answerKey(kept, call, -1));
             entry != answers_.end() && entry->first <= answerKey(kept, call, call - 1); ++entry) {
            seen.seen += entry->second.seen;
            seen.yes += entry->second.yes;
        }
        const double classTrust = classRate(answerClasses_, kept, call, trust[at(m)]);
        trust[at(m)] = (seen.yes + kTrustPrior * classTrust) / (seen.seen + kTrustPrior);
    }
    return trust;
}

std::vector<PlayerModel::Choice> PlayerModel::choices(int lastCall, int hand, int locked) const {
    const auto best = game_->positionChoice(lastCall, hand, locked);
    if (!best) {
        return {};
    }
    std::vector<Choice> found;
    double total = kChoicePrior;
    for (auto entry = choices_.lower_bound(choiceKey(lastCall, hand, locked, 0));
         entry != choices_.end() && entry->first <= choiceKey(lastCall, hand, locked, 0xFFFF);
         ++entry) {
        found.push_back({static_cast<std::uint16_t>(entry->first & 0xFFFF),
                         static_cast<double>(entry->second)});
        total += entry->second;
    }
    auto equilibrium = std::ranges::find(found, *best, &Choice::choice);
    if (equilibrium == found.end()) {
        found.push_back({*best, 0.0});
        equilibrium = found.end() - 1;
    }
    equilibrium->chance += kChoicePrior;
    for (Choice& choice : found) {
        choice.chance /= total;
    }
    return found;
}

std::string PlayerModel::serialise() const {
    const GameTables& t = tables();
    std::ostringstream out;
    out << kMagic << " faces=" << t.variant().faces << " dice=" << t.variant().dice
        << " options=" << optionWords(t.options()) << " games=" << games_ << "\n";
    const auto calls = static_cast<std::uint32_t>(t.callCount());
    const auto sets = static_cast<std::uint32_t>(t.sets().count());
    out << "calls " << calls_.size() << "\n";
    for (const auto& [key, tally] : calls_) {
        const auto stage = key / calls;
        out << callText(t, static_cast<int>(stage / sets) - 1) << " "
            << setText(t, static_cast<int>(stage % sets)) << " "
            << callText(t, static_cast<int>(key % calls)) << " " << tally.seen << " " << tally.yes
            << "\n";
    }
    out << "answers " << answers_.size() << "\n";
    for (const auto& [key, tally] : answers_) {
        const auto lastCall = static_cast<int>(key % (calls + 1)) - 1;
        const auto call = static_cast<int>(key / (calls + 1) % calls);
        const auto kept = static_cast<int>(key / (calls + 1) / calls);
        out << callText(t, lastCall) << " " << setText(t, kept) << " " << callText(t, call) << " "
            << tally.seen << " " << tally.yes << "\n";
    }
    out << "choices " << choices_.size() << "\n";
    for (const auto& [key, count] : choices_) {
        const auto choice = static_cast<std::uint16_t>(key & 0xFFFF);
        const std::uint64_t position = key >> 16;
        out << callText(t, static_cast<int>(position / sets / sets)) << " "
            << setText(t, static_cast<int>(position / sets % sets)) << " "
            << setText(t, static_cast<int>(position % sets)) << " ";
        if ((choice & SolvedGame::kKeepFlag) != 0) {
            out << "keep " << setText(t, choice & ~SolvedGame::kKeepFlag);
        } else {
            out << "call " << callText(t, choice);
        }
        out << " " << count << "\n";
    }
    out << "end\n";
    return out.str();
}

namespace {

// Reads the text of a model line by line, each refusal naming the line.
class ModelReader {
public:
    ModelReader(std::vector<std::string_view> lines, const GameTables& tables)
        : lines_(std::move(lines)), tables_(tables) {}

    bool atEnd() const { return next_ == lines_.size(); }
    std::optional<std::vector<std::string_view>> line(std::size_t words) {
        if (atEnd()) {
            fail("the text ends early");
            return std::nullopt;
        }
        std::vector<std::string_view> found = wordsOf(lines_[next_++]);
        if (found.size() != words) {
            fail("the line has " + std::to_string(found.size()) + " words, not " +
                 std::to_string(words));
            return std::nullopt;
        }
        return found;
    }
    // A section's heading: its name and the number of its lines.
    std::optional<std::uint32_t> section(std::string_view name) {
        const auto words = line(2);
        if (!words) {
            return std::nullopt;
        }
        const auto count = countOfText((*words)[1]);
        if ((*words)[0] != name || !count || *count > lines_.size()) {
            return fail("expected '" + std::string(name) + " COUNT'");
        }
        return count;
    }
    std::optional<int> set(std::string_view word) {
        const auto found = setOfText(tables_, word);
        return found ? found : fail("'" + std::string(word) + "' is no set of dice here");
    }
    std::optional<int> call(std::string_view word) {
        const auto found = callOfText(tables_, word);
        return found ? found : fail("'" + std::string(word) + "' is no call here");
    }
    std::optional<std::uint32_t> count(std::string_view word) {
        const auto found = countOfText(word);
        return found ? found : fail("'" + std::string(word) + "' is no count");
    }
    // A line of calls or of answers: LAST KEPT CALL SEEN YES.
    struct Tally {
        int lastCall = 0;
        int kept = 0;
        int call = 0;
        std::uint32_t seen = 0;
        std::uint32_t yes = 0;
    };
    std::optional<Tally> tally() {
        const auto words = line(5);
        const auto lastCall = words ? call((*words)[0]) : std::nullopt;
        const auto kept = lastCall ? set((*words)[1]) : std::nullopt;
        const auto called = kept ? call((*words)[2]) : std::nullopt;
        const auto seen = called ? count((*words)[3]) : std::nullopt;
        const auto yes = seen ? count((*words)[4]) : std::nullopt;
        if (!yes) {
            return std::nullopt;
        }
        return Tally{*lastCall, *kept, *called, *seen, *yes};
    }
    // A section of such lines, each from `lowestLastCall` on, in increasing order of `keyOf`.
    template <class KeyOf, class Count>
    void tallies(std::string_view name, int lowestLastCall, const KeyOf& keyOf,
                 const Count& count) {
        const auto lines = section(name);
        std::optional<std::uint64_t> last;
        for (std::uint32_t i = 0; lines && i < *lines; ++i) {
            const auto found = tally();
            if (!found) {
                return;
            }
            if (found->lastCall < lowestLastCall || found->call <= found->lastCall ||
                found->seen == 0 || found->yes > found->seen) {
                fail("a call that does not beat the last call, or counts that do not fit");
                return;
            }
            if (!increasing(last, std::uint64_t{keyOf(*found)})) {
                return;
            }
            count(*found);
        }
    }

    template <class Key> bool increasing(std::optional<Key>& last, Key key) {
        if (last && key <= *last) {
            fail("the line is out of order or repeats one before");
            return false;
        }
        last = key;
        return true;
    }
    std::nullopt_t fail(const std::string& why) {
        if (error_.empty()) {
            error_ = "line " + std::to_string(next_ + 1) + ": " + why; // the header is line 1
        }
        return std::nullopt;
    }
    const std::string& error() const { return error_; }

private:
    std::vector<std::string_view> lines_;
    const GameTables& tables_;
    std::size_t next_ = 0;
    std::string error_;
};

} // namespace

std::optional<PlayerModel> PlayerModel::parse(std::string_view text,
                                              std::shared_ptr<const SolvedGame> game,
                                              std::string* error) {
    auto refuse = [&](const std::string& why) -> std::optional<PlayerModel> {
        if (error != nullptr) {
            *error = "the player model cannot be read: " + why;
        }
        return std::nullopt;
    };
    const auto lines = linesOf(text);
    if (!lines || lines->empty()) {
        return refuse("it is empty or its last line does not end");
    }
    PlayerModel model(std::move(game));
    const GameTables& t = model.tables();
    std::ostringstream header;
    header << kMagic << " faces=" << t.variant().faces << " dice=" << t.variant().dice
           << " options=" << optionWords(t.options()) << " games=";
    const std::string expected = header.str();
    if (!lines->front().starts_with(expected)) {
        return refuse("line 1 is not '" + expected + "N'");
    }
    const auto games = countOfText(lines->front().substr(expected.size()));
    if (!games) {
        return refuse("line 1 does not end with a number of games");
    }
    model.games_ = *games;
    ModelReader in({lines->begin() + 1, lines->end()}, t);
    using Line = ModelReader::Tally;
    in.tallies(
        "calls", -1,
        [&](const Line& line) { return model.callKey(line.lastCall, line.kept, line.call); },
        [&](const Line& line) {
            model.countCall(line.lastCall, line.kept, line.call, line.seen, line.yes);
        });
    if (in.error().empty()) {
        in.tallies(
            "answers", 0,
            [&](const Line& line) { return model.answerKey(line.kept, line.call, line.lastCall); },
            [&](const Line& line) {
                model.countAnswer(line.lastCall, line.kept, line.call, line.seen, line.yes);
            });
    }
    if (in.error().empty()) {
        if (const auto count = in.section("choices")) {
            std::optional<std::uint64_t> last;
            for (std::uint32_t i = 0; i < *count; ++i) {
                const auto words = in.line(6);
                if (!words) {
                    break;
                }
                const auto lastCall = in.call((*words)[0]);
                const auto hand = lastCall ? in.set((*words)[1]) : std::nullopt;
                const auto locked = hand ? in.set((*words)[2]) : std::nullopt;
                const std::string_view kind = (*words)[3];
                std::optional<int> chosen;
                if (locked && kind == "keep") {
                    chosen = in.set((*words)[4]);
                } else if (locked && kind == "call") {
                    chosen = in.call((*words)[4]);
                } else if (locked) {
                    in.fail("a choice is 'keep SET' or 'call CALL'");
                }
                const auto times = chosen ? in.count((*words)[5]) : std::nullopt;
                if (!times) {
                    break;
                }
                const auto choice = static_cast<std::uint16_t>(
                    kind == "keep" ? SolvedGame::kKeepFlag | *chosen : *chosen);
                PlayerObservations one;
                one.keeps.push_back({*lastCall, *hand, *locked, choice});
                try {
                    if (*times == 0 || *lastCall < 0) {
                        throw std::invalid_argument("a choice seen no times, or at the opening");
                    }
                    model.check(one);
                } catch (const std::invalid_argument& why) {
                    in.fail(why.what());
                    break;
                }
                if (!in.increasing(last, model.choiceKey(*lastCall, *hand, *locked, choice))) {
                    break;
                }
                model.choices_[model.choiceKey(*lastCall, *hand, *locked, choice)] = *times;
            }
        }
    }
    if (in.error().empty()) {
        const auto end = in.line(1);
        if (end && (*end)[0] != "end") {
            in.fail("expected 'end'");
        } else if (end && !in.atEnd()) {
            in.fail("there is more after 'end'");
        }
    }
    if (!in.error().empty()) {
        return refuse(in.error());
    }
    return model;
}

} // namespace quintel::solver
