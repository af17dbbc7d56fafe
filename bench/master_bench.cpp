// The Master's decisions and its model's update after a game (the count alone, and all its seat
// does), on the stored solve of the options none and a model of a player seen in 1000 games (it
// calls at random and trusts half the calls).
#include "opponent/master_computer.h"
#include "records/model_from_record.h"
#include "solver/master_budget.h"
#include "solver/master_policy.h"
#include "testing/scripted_observations.h"
#include "testing/solved_data.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace quintel::solver {
namespace {

using quintel::ExpertComputer;
using quintel::MasterComputer;
using quintel::observationsOf;
using quintel::RandomSource;
using quintel::Seat;

struct Seen {
    std::shared_ptr<const SolvedGame> game;
    std::vector<PlayerObservations> games;
    std::shared_ptr<const PlayerModel> model;
    std::shared_ptr<const BelievedValues> believed;
};

const Seen* seen() {
    static const std::optional<Seen> made = []() -> std::optional<Seen> {
        const auto game = testing::storedSolve({});
        if (!game) {
            return std::nullopt;
        }
        Seen found{game, {}, nullptr, nullptr};
        auto model = std::make_shared<PlayerModel>(game);
        std::mt19937 random(12);
        for (int i = 0; i < 1000; ++i) {
            found.games.push_back(testing::randomCallerGame(*game, 0.5, random));
            model->add(found.games.back());
        }
        found.model = model;
        found.believed = std::make_shared<const BelievedValues>(believedValues(*model));
        return found;
    }();
    return made ? &*made : nullptr;
}

// One decision of the Master at a table that has seen the player there, nothing kept from before,
// with a game's whole budget to risk and the positions weighed by the belief: its chances of trust
// after the player's opening call (the largest stage: 252 throws, 461 calls), or its calls after
// trusting a call (the stage of its own after it, seen most often).
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
        const MasterPolicy master(found->game, found->model, {}, found->believed);
        MasterBudget budget(master);
        if (state.range(0) == 0) {
            benchmark::DoNotOptimize(budget.answer(stage.lastCall, stage.kept, 0).data());
        } else {
            benchmark::DoNotOptimize(budget.calls(stage.lastCall, stage.kept, 0).data());
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

// What the Master's seat does once a game is decided, its model having seen 1000: it reads the
// player's play off the table's calls, counts it and renews its policy (the answers to the model
// are worked out afterwards, as the next game meets their stages). The games are the Expert's
// against itself.
void MasterLearnsAfterAGame(benchmark::State& state) {
    const Seen* found = seen();
    if (found == nullptr) {
        state.SkipWithError("no stored solve of the options none");
        return;
    }
    RandomSource random(5);
    match::NoNotes notes;
    std::vector<std::vector<match::CallRecord>> games;
    {
        match::Match table({}, random);
        ExpertComputer player(found->game, random, notes);
        ExpertComputer computer(found->game, random, notes);
        while (games.size() < 200) {
            table.startGame(Seat::Human);
            while (table.inPlay()) {
                match::Player& mover = table.toMove() == Seat::Human ? player : computer;
                table.apply(mover.decide(table.viewFor(table.toMove())));
            }
            games.push_back(table.calls());
        }
    }
    MasterComputer master(found->game, random, notes, std::make_shared<PlayerModel>(*found->model));
    std::size_t next = 0;
    for (auto _ : state) {
        const auto seen = observationsOf(games[next++ % games.size()], found->game->tables());
        if (!seen) {
            state.SkipWithError("a game of the table could not be read");
            return;
        }
        master.learn(*seen);
    }
    if (master.model().games() != 1000 + static_cast<long long>(next)) {
        state.SkipWithError("a game was not counted");
    }
}
BENCHMARK(MasterLearnsAfterAGame)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quintel::solver
