#include "testing/whole_game_lp.h"

namespace quintel::wholegame {
namespace {

GameSolution solve(const SequenceForm& form, Arithmetic arithmetic) {
    const LpSolution lp = solveSequenceForm(form, arithmetic);
    GameSolution solution;
    solution.value = lp.value;
    solution.guaranteed = firstGuarantee(form, lp.first);
    solution.conceded = secondConcession(form, lp.second);
    for (int seat = 0; seat < 2; ++seat) {
        solution.size.sequences.at(static_cast<std::size_t>(seat)) = form.sequenceCount(seat);
        solution.size.infosets.at(static_cast<std::size_t>(seat)) = form.infosetCount(seat);
    }
    solution.size.payoffs = form.payoffEntries();
    solution.size.lp = lp.size;
    return solution;
}

} // namespace

GameSolution solveOpening(const Variant& variant, RuleOptions options,
                          const SolveSettings& settings) {
    return solve(openingGame(variant, options, settings.order), settings.arithmetic);
}

GameSolution solvePosition(const Variant& variant, RuleOptions options, const Position& position,
                           const SolveSettings& settings) {
    return solve(positionGame(variant, options, position, settings.order), settings.arithmetic);
}

double openerValue(const Variant& variant, RuleOptions options) {
    return solveOpening(variant, options).value;
}

double moverValue(const Variant& variant, RuleOptions options, const Position& position) {
    return solvePosition(variant, options, position).value;
}

} // namespace quintel::wholegame
