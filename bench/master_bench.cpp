// The Master's decisions and its model's update after a game, on the stored solve of the options
// none and a model of a player seen in 1000 games (it calls at random and trusts half the calls).
#include "solver/master_policy.h"
#include "testing/scripted_observations.h"
#include "testing/solved_data.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace quintel::solver {
namespace {

struct Seen {
    std::shared_ptr<const SolvedGame> game;
    std::vector<PlayerObservations> games;
    std::shared_ptr<const PlayerModel> model;
};

const Seen* seen() {
    static const std::optional<Seen> made = []() -> std::optional<Seen> {
        const auto game = testing::storedSolve({});
        if (!game) {
            return std::nullopt;
        }
        Seen found{game, {}, nullptr};
        auto model = std::make_shared<PlayerModel>(game);
        std::mt19937 random(12);
        for (int i = 0; i < 1000; ++i) {
            found.games.push_back(testing::randomCallerGame(*game, 0.5, random));
            model->add(found.games.back());
        }
        found.model = model;
        return found;
    }();
    return made ? &*made : nullptr;
}

// One decision of the Master that has seen the player there, nothing kept from before: its
// chances of trust after the player's opening call (the largest stage: 252 throws, 461 calls),
// or its calls after trusting a call (the stage of its own after it, seen most often).
void MasterDecision(benchmark::State& state) {
    const Seen* found = seen();
    if (found == nullptr) {
        state.SkipWithError("no stored solve of the options none");
        return;
    }
    const int none = found->game->tables().sets().empty();
    PlayerModel::Seen stage{-1, none, 0, 0};
    if (state.range(0) == 1) {
        for (const PlayerModel::Seen& answered : found->model->stagesWithAnswers()) {
            stage = answered.times > stage.times ? answered : stage;
        }
    }
    state.SetLabel(state.range(0) == 0 ? "trust at the opening" : "calls after trusting");
    for (auto _ : state) {
        const MasterPolicy master(found->game, found->model, {});
        if (state.range(0) == 0) {
            benchmark::DoNotOptimize(master.stageTrust(stage.lastCall, stage.kept).data());
        } else {
            benchmark::DoNotOptimize(master.stageCalls(stage.lastCall, stage.kept).calls.data());
        }
        if (master.stagesAnswered() != 1) {
            state.SkipWithError("the Master did not answer the stage from its model");
            return;
        }
    }
}
BENCHMARK(MasterDecision)->DenseRange(0, 1)->Unit(benchmark::kMillisecond);

// Counting one more game in a model that has seen 1000.
void ModelUpdateAfterAGame(benchmark::State& state) {
    const Seen* found = seen();
    if (found == nullptr) {
        state.SkipWithError("no stored solve of the options none");
        return;
    }
    PlayerModel model = *found->model;
    std::size_t next = 0;
    for (auto _ : state) {
        model.add(found->games[next++ % found->games.size()]);
    }
    if (model.games() != 1000 + static_cast<long long>(next)) {
        state.SkipWithError("a game was not counted");
    }
}
BENCHMARK(ModelUpdateAfterAGame)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quintel::solver
