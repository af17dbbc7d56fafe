#include "solver/support_solve.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quintel::solver {

namespace {

// Chances this far outside [0, 1] are rounding, not a wrong support.
constexpr double kRounding = 1e-12;
// Pivots this small against the largest entry count as zero.
constexpr double kNegligiblePivot = 1e-13;
// Equations left over after elimination must hold to this share of the right-hand sides.
constexpr double kContradiction = 1e-9;

std::optional<double> chanceWithin(double chance) {
    if (chance < -kRounding || chance > 1 + kRounding) {
        return std::nullopt;
    }
    return std::clamp(chance, 0.0, 1.0);
}

// The support as message numbers, checked against the stage.
struct Messages {
    std::vector<int> reference;            // per type: its first call, against which it is equal
    std::vector<std::pair<int, int>> ties; // (type, message): the type's other calls
    std::vector<int> column;               // per message: its mixed trust's unknown, or -1
    std::vector<double> pureTrust;         // per message: 1 for the trusted calls, else 0
    int mixedCount = 0;
};

std::optional<Messages> messagesOf(const StageGame& game, const StageSupport& support) {
    const int messages = game.messageCount();
    auto message = [&](int call) -> std::optional<int> {
        const int m = call - game.firstCall();
        return m >= 0 && m < messages ? std::optional(m) : std::nullopt;
    };
    if (support.callsOf.size() != static_cast<std::size_t>(game.typeCount())) {
        return std::nullopt;
    }
    Messages out;
    out.column.assign(static_cast<std::size_t>(messages), -1);
    out.pureTrust.assign(static_cast<std::size_t>(messages), 0.0);
    for (const int call : support.mixed) {
        const auto m = message(call);
        if (!m) {
            return std::nullopt;
        }
        out.column[static_cast<std::size_t>(*m)] = out.mixedCount++;
    }
    for (const int call : support.trusted) {
        const auto m = message(call);
        if (!m) {
            return std::nullopt;
        }
        out.pureTrust[static_cast<std::size_t>(*m)] = 1;
    }
    for (int t = 0; t < game.typeCount(); ++t) {
        const std::vector<int>& calls = support.callsOf[static_cast<std::size_t>(t)];
        if (calls.empty()) {
            return std::nullopt;
        }
        for (std::size_t i = 0; i < calls.size(); ++i) {
            const auto m = message(calls[i]);
            if (!m) {
                return std::nullopt;
            }
            if (i == 0) {
                out.reference.push_back(*m);
            } else {
                out.ties.emplace_back(t, *m);
            }
        }
    }
    return out;
}

double trustGain(const StageGame& game, int type, int message) {
    return game.trustPayoff(type, message) - game.challengePayoff(type, message);
}

// Each tie says a type wins as much with that call as with its reference call:
//   a_tm + q_m d_tm = a_tr + q_r d_tr,
// one row per tie, one column per mixed chance of trust (pure chances go to the right).
std::vector<double> tieRows(const StageGame& game, const Messages& support,
                            std::vector<double>& right) {
    const auto columns = static_cast<std::size_t>(support.mixedCount);
    std::vector<double> rows(support.ties.size() * columns, 0.0);
    right.assign(support.ties.size(), 0.0);
    for (std::size_t e = 0; e < support.ties.size(); ++e) {
        const auto [t, m] = support.ties[e];
        const int r = support.reference[static_cast<std::size_t>(t)];
        right[e] = game.challengePayoff(t, r) - game.challengePayoff(t, m);
        for (const auto& [message, sign] : {std::pair{m, 1.0}, std::pair{r, -1.0}}) {
            const double d = sign * trustGain(game, t, message);
            const int column = support.column[static_cast<std::size_t>(message)];
            if (column >= 0) {
                rows[e * columns + static_cast<std::size_t>(column)] += d;
            } else {
                right[e] -= support.pureTrust[static_cast<std::size_t>(message)] * d;
            }
        }
    }
    return rows;
}

} // namespace

StageSupport supportOf(const StageStrategy& strategy, double zero) {
    StageSupport support;
    std::vector<int> made;
    for (std::size_t t = 0; t + 1 < strategy.typeStart.size(); ++t) {
        std::vector<int>& calls = support.callsOf.emplace_back();
        for (const MixedCall& call : strategy.callsOf(static_cast<int>(t))) {
            if (call.chance > zero) {
                calls.push_back(call.call);
            }
        }
        std::ranges::sort(calls);
        made.insert(made.end(), calls.begin(), calls.end());
    }
    std::ranges::sort(made);
    for (const MixedCall& trust : strategy.trust) {
        if (!std::ranges::binary_search(made, trust.call) || trust.chance <= zero) {
            continue;
        }
        (trust.chance >= 1 - zero ? support.trusted : support.mixed).push_back(trust.call);
    }
    return support;
}

std::optional<StageStrategy> solveOnSupport(const StageGame& game, const StageSupport& support,
                                            const StageStrategy& near) {
    const std::optional<Messages> messages = messagesOf(game, support);
    if (!messages) {
        return std::nullopt;
    }
    const int ties = static_cast<int>(messages->ties.size());
    const int mixed = messages->mixedCount;
    std::vector<double> tieRight;
    const std::vector<double> tie = tieRows(game, *messages, tieRight);
    std::vector<double> nearTrust(static_cast<std::size_t>(mixed), 0.5);
    for (const MixedCall& trust : near.trust) {
        const int m = trust.call - game.firstCall();
        if (m >= 0 && m < game.messageCount() &&
            messages->column[static_cast<std::size_t>(m)] >= 0) {
            nearTrust[static_cast<std::size_t>(messages->column[static_cast<std::size_t>(m)])] =
                trust.chance;
        }
    }
    const auto trust = solveLinear(tie, tieRight, ties, nearTrust);

    // The responder is indifferent on a mixed call when the types that make it win as much
    // trusted as challenged: sum_t p_t x_tm d_tm = 0. With each type's reference chance
    // 1 - (its other chances), these rows are the tie rows' transpose, weighted by p_t.
    std::vector<double> indifference(static_cast<std::size_t>(mixed * ties), 0.0);
    std::vector<double> indifferenceRight(static_cast<std::size_t>(mixed), 0.0);
    for (int e = 0; e < ties; ++e) {
        const double p = game.chance(messages->ties[static_cast<std::size_t>(e)].first);
        for (int k = 0; k < mixed; ++k) {
            indifference[static_cast<std::size_t>(k * ties + e)] =
                p * tie[static_cast<std::size_t>(e * mixed + k)];
        }
    }
    for (int t = 0; t < game.typeCount(); ++t) {
        const int r = messages->reference[static_cast<std::size_t>(t)];
        const int column = messages->column[static_cast<std::size_t>(r)];
        if (column >= 0) {
            indifferenceRight[static_cast<std::size_t>(column)] -=
                game.chance(t) * trustGain(game, t, r);
        }
    }
    std::vector<double> nearChances(static_cast<std::size_t>(ties), 0.0);
    if (near.typeStart.size() == static_cast<std::size_t>(game.typeCount()) + 1) {
        for (std::size_t e = 0; e < nearChances.size(); ++e) {
            const auto [t, m] = messages->ties[e];
            for (const MixedCall& call : near.callsOf(t)) {
                if (call.call == game.firstCall() + m) {
                    nearChances[e] = call.chance;
                }
            }
        }
    }
    const auto chances = solveLinear(indifference, indifferenceRight, mixed, nearChances);
    if (!trust || !chances) {
        return std::nullopt;
    }

    StageStrategy strategy;
    std::vector<bool> made(static_cast<std::size_t>(game.messageCount()), false);
    std::size_t nextTie = 0;
    for (int t = 0; t < game.typeCount(); ++t) {
        strategy.typeStart.push_back(static_cast<int>(strategy.calls.size()));
        const std::size_t first = nextTie;
        double others = 0;
        while (nextTie < messages->ties.size() && messages->ties[nextTie].first == t) {
            others += (*chances)[nextTie++];
        }
        const int r = messages->reference[static_cast<std::size_t>(t)];
        std::vector<std::pair<int, double>> calls{{r, 1 - others}};
        for (std::size_t e = first; e < nextTie; ++e) {
            calls.emplace_back(messages->ties[e].second, (*chances)[e]);
        }
        for (const auto& [m, chance] : calls) {
            const auto within = chanceWithin(chance);
            if (!within) {
                return std::nullopt;
            }
            if (*within > 0) {
                strategy.calls.push_back({game.firstCall() + m, *within});
                made[static_cast<std::size_t>(m)] = true;
            }
        }
    }
    strategy.typeStart.push_back(static_cast<int>(strategy.calls.size()));
    for (int m = 0; m < game.messageCount(); ++m) {
        if (!made[static_cast<std::size_t>(m)]) {
            continue;
        }
        const int column = messages->column[static_cast<std::size_t>(m)];
        const auto chance = column >= 0 ? chanceWithin((*trust)[static_cast<std::size_t>(column)])
                                        : messages->pureTrust[static_cast<std::size_t>(m)];
        if (!chance) {
            return std::nullopt;
        }
        strategy.trust.push_back({game.firstCall() + m, *chance});
    }
    return strategy;
}

std::optional<std::vector<double>> solveLinear(std::vector<double> a, std::vector<double> b,
                                               int rows, const std::vector<double>& undetermined) {
    const auto width = undetermined.size();
    const auto columns = static_cast<int>(width);
    auto at = [&](int row, int column) -> double& {
        return a[static_cast<std::size_t>(row) * width + static_cast<std::size_t>(column)];
    };
    double largest = 0;
    for (const double entry : a) {
        largest = std::max(largest, std::abs(entry));
    }
    // order[k] is the unknown eliminated at step k; the ones after the rank are undetermined.
    std::vector<int> order(width);
    std::iota(order.begin(), order.end(), 0);
    int rank = 0;
    for (; rank < std::min(rows, columns); ++rank) {
        int pivotRow = rank;
        int pivotAt = rank;
        double pivot = 0;
        for (int i = rank; i < rows; ++i) {
            for (int k = rank; k < columns; ++k) {
                const double entry = std::abs(at(i, order[static_cast<std::size_t>(k)]));
                if (entry > pivot) {
                    pivot = entry;
                    pivotRow = i;
                    pivotAt = k;
                }
            }
        }
        if (pivot <= largest * kNegligiblePivot) {
            break;
        }
        for (int j = 0; j < columns; ++j) {
            std::swap(at(rank, j), at(pivotRow, j));
        }
        std::swap(b[static_cast<std::size_t>(rank)], b[static_cast<std::size_t>(pivotRow)]);
        std::swap(order[static_cast<std::size_t>(rank)], order[static_cast<std::size_t>(pivotAt)]);
        const int column = order[static_cast<std::size_t>(rank)];
        for (int i = rank + 1; i < rows; ++i) {
            const double factor = at(i, column) / at(rank, column);
            if (factor == 0) {
                continue;
            }
            for (int k = rank; k < columns; ++k) {
                const int j = order[static_cast<std::size_t>(k)];
                at(i, j) -= factor * at(rank, j);
            }
            b[static_cast<std::size_t>(i)] -= factor * b[static_cast<std::size_t>(rank)];
        }
    }
    double scale = 1;
    for (const double entry : b) {
        scale = std::max(scale, std::abs(entry));
    }
    for (int i = rank; i < rows; ++i) {
        if (std::abs(b[static_cast<std::size_t>(i)]) > kContradiction * scale) {
            return std::nullopt;
        }
    }
    std::vector<double> z = undetermined;
    for (int k = rank - 1; k >= 0; --k) {
        const int column = order[static_cast<std::size_t>(k)];
        double sum = b[static_cast<std::size_t>(k)];
        for (int later = k + 1; later < columns; ++later) {
            const int j = order[static_cast<std::size_t>(later)];
            sum -= at(k, j) * z[static_cast<std::size_t>(j)];
        }
        z[static_cast<std::size_t>(column)] = sum / at(k, column);
    }
    return z;
}

} // namespace quintel::solver
