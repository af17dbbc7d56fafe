#include "solver/player_leaks.h"
#include "model/index.h"

#include "solver/best_response.h"
#include "solver/modelled_player.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace quintel::solver {

namespace {

double payoff(const StageGame& stage, int t, int m, double trust) {
    const double a = stage.challengePayoff(t, m);
    return a + trust * (stage.trustPayoff(t, m) - a);
}

// What each type wins at best against a chance of trust for every message.
std::vector<double> bestPayoffs(const StageGame& stage, const std::vector<double>& trust) {
    std::vector<double> best(at(stage.typeCount()), 0.0);
    for (int t = 0; t < stage.typeCount(); ++t) {
        for (int m = 0; m < stage.messageCount(); ++m) {
            best[at(t)] = std::max(best[at(t)], payoff(stage, t, m, trust[at(m)]));
        }
    }
    return best;
}

// The leaks found so far, one per situation, their rates averaged over the loss.
class Tally {
public:
    using Key = std::tuple<Leak::Kind, int, int, int, int, int>;

    void add(const Leak& found) {
        if (found.loss <= 0) {
            return;
        }
        const Key key{found.kind, found.call, found.kept, found.hand, found.locked, found.choice};
        auto [entry, fresh] = leaks_.try_emplace(key, found);
        Leak& leak = entry->second;
        if (!fresh) {
            const double total = leak.loss + found.loss;
            leak.playerRate = (leak.playerRate * leak.loss + found.playerRate * found.loss) / total;
            leak.bestRate = (leak.bestRate * leak.loss + found.bestRate * found.loss) / total;
            leak.loss = total;
            leak.seen += found.seen;
        }
    }

    std::vector<Leak> worst(std::size_t count) const {
        std::vector<Leak> all;
        for (const auto& [key, leak] : leaks_) {
            all.push_back(leak);
        }
        std::ranges::stable_sort(all, std::greater<>(), &Leak::loss);
        all.resize(std::min(count, all.size()));
        return all;
    }

private:
    std::map<Key, Leak> leaks_;
};

// The computer's calls after its throw, answered by the player: against each type's best call
// against the player's chances of trust, what it wins beyond what the equilibrium's trust lets
// it, to that call.
void trustLeaks(const PlayerModel& model, double perGame, Tally& tally) {
    const SolvedGame& game = model.game();
    for (const PlayerModel::Seen& seen : model.stagesWithAnswers()) {
        const StageGame stage(model.tables(), seen.lastCall, seen.kept, game.positionValues());
        const std::vector<double> equilibrium =
            fullTrust(stage, *game.anyStage(seen.lastCall, seen.kept)->strategy);
        const std::vector<double> believed = model.trustChances(seen.lastCall, seen.kept);
        const std::vector<double> best = bestPayoffs(stage, equilibrium);
        std::map<int, double> lossOfCall;
        for (int t = 0; t < stage.typeCount(); ++t) {
            int chosen = 0;
            for (int m = 1; m < stage.messageCount(); ++m) {
                if (payoff(stage, t, m, believed[at(m)]) >
                    payoff(stage, t, chosen, believed[at(chosen)])) {
                    chosen = m;
                }
            }
            lossOfCall[chosen] +=
                stage.chance(t) * (payoff(stage, t, chosen, believed[at(chosen)]) - best[at(t)]);
        }
        for (const auto& [m, loss] : lossOfCall) {
            Leak leak;
            leak.kind = Leak::Kind::Trust;
            leak.call = stage.firstCall() + m;
            leak.kept = seen.kept;
            leak.playerRate = believed[at(m)];
            leak.bestRate = equilibrium[at(m)];
            leak.loss = perGame * seen.times * loss;
            leak.seen = seen.times;
            tally.add(leak);
        }
    }
}

// The player's calls after a throw: against the best answer to each call, what the callers of
// it fall short of what the equilibrium lets each of them win.
void callLeaks(const PlayerModel& model, double perGame, Tally& tally) {
    const SolvedGame& game = model.game();
    for (const PlayerModel::Seen& seen : model.stagesWithCalls()) {
        const StageGame stage(model.tables(), seen.lastCall, seen.kept, game.positionValues());
        const StageStrategy& strategy = *game.anyStage(seen.lastCall, seen.kept)->strategy;
        const std::vector<double> equilibrium = fullTrust(stage, strategy);
        const std::vector<double> best = bestPayoffs(stage, equilibrium);
        const std::vector<double> weights = model.callWeights(seen.lastCall, seen.kept);
        const auto messages = at(stage.messageCount());
        std::vector<double> made(messages, 0.0);
        std::vector<double> bluffs(messages, 0.0);
        for (int t = 0; t < stage.typeCount(); ++t) {
            for (const MixedCall& call : strategy.callsOf(t)) {
                const int m = call.call - stage.firstCall();
                made[at(m)] += stage.chance(t) * call.chance;
                bluffs[at(m)] +=
                    stage.challengePayoff(t, m) > 0 ? 0 : stage.chance(t) * call.chance;
            }
        }
        for (int m = 0; m < stage.messageCount(); ++m) {
            double share = 0;
            double bluffing = 0;
            double trustGain = 0;
            for (int t = 0; t < stage.typeCount(); ++t) {
                const double w = weights[at(t) * messages + at(m)];
                share += w;
                bluffing += stage.challengePayoff(t, m) > 0 ? 0 : w;
                trustGain += w * (stage.trustPayoff(t, m) - stage.challengePayoff(t, m));
            }
            if (share <= 0) {
                continue;
            }
            const double answer = trustGain > 0 ? 0.0 : trustGain < 0 ? 1.0 : equilibrium[at(m)];
            double shortfall = 0;
            for (int t = 0; t < stage.typeCount(); ++t) {
                shortfall +=
                    weights[at(t) * messages + at(m)] * (best[at(t)] - payoff(stage, t, m, answer));
            }
            Leak leak;
            leak.kind = Leak::Kind::Call;
            leak.call = stage.firstCall() + m;
            leak.kept = seen.kept;
            leak.playerRate = bluffing / share;
            leak.bestRate = made[at(m)] > 0 ? bluffs[at(m)] / made[at(m)] : -1.0;
            leak.loss = perGame * seen.times * shortfall;
            leak.seen = seen.times;
            tally.add(leak);
        }
    }
}

// The player's choices after trusting: what each choice other than the equilibrium's gives up.
void keepLeaks(const PlayerModel& model, double perGame, Tally& tally) {
    const SolvedGame& game = model.game();
    const GameTables& tables = model.tables();
    for (const PlayerModel::Seen& seen : model.positionsSeen()) {
        const int hand = seen.kept;
        const auto value = game.positionValue(seen.lastCall, hand, seen.locked);
        const auto best = game.positionChoice(seen.lastCall, hand, seen.locked);
        for (const PlayerModel::Choice& choice : model.choices(seen.lastCall, hand, seen.locked)) {
            if (choice.choice == *best) {
                continue;
            }
            double reached = 0;
            if ((choice.choice & SolvedGame::kKeepFlag) != 0) {
                reached = game.stageValue(seen.lastCall, choice.choice & ~SolvedGame::kKeepFlag)
                              .value_or(0.0);
            } else if (tables.covers(hand, choice.choice)) {
                reached = 1 - *game.positionValue(choice.choice, hand, seen.locked);
            }
            Leak leak;
            leak.kind = Leak::Kind::Keep;
            leak.call = seen.lastCall;
            leak.hand = hand;
            leak.locked = seen.locked;
            leak.choice = choice.choice;
            leak.bestChoice = *best;
            leak.playerRate = choice.chance;
            leak.loss = perGame * seen.times * choice.chance * (*value - reached);
            leak.seen = seen.times;
            tally.add(leak);
        }
    }
}

} // namespace

std::vector<Leak> worstLeaks(const PlayerModel& model, std::size_t count) {
    if (model.games() == 0) {
        return {};
    }
    const double perGame = 1.0 / static_cast<double>(model.games());
    Tally tally;
    trustLeaks(model, perGame, tally);
    callLeaks(model, perGame, tally);
    keepLeaks(model, perGame, tally);
    return tally.worst(count);
}

Exploitability exploitability(const PlayerModel& model) {
    const ModelledPlayer player(model);
    const BestResponse best(player, model.tables().options());
    return {best.answeringValue(), 1 - model.game().openValue()};
}

} // namespace quintel::solver
