#include "testing/whole_game/sequence_form_lp.h"
#include "model/index.h"

#include <glpk.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace quintel::wholegame {
namespace {

struct ProblemDeleter {
    void operator()(glp_prob* problem) const { glp_delete_prob(problem); }
};
using Problem = std::unique_ptr<glp_prob, ProblemDeleter>;

// The constraint matrix in GLPK's form: 1-based rows and columns, entry 0 unused.
struct Entries {
    std::vector<int> rows{0};
    std::vector<int> columns{0};
    std::vector<double> values{0};
    void add(int row, int column, double value) {
        rows.push_back(row);
        columns.push_back(column);
        values.push_back(value);
    }
    int count() const { return static_cast<int>(values.size()) - 1; }
};

// Columns: the planning seat's sequences, then the other seat's root payoff, then one payoff per
// information set of the other seat. Rows: the planning seat's plan constraints (the empty
// sequence is played, each set passes on what reaches it), then for each sequence of the other
// seat that its payoffs bound what that sequence earns against the plan (the duals of the other
// seat's own plan constraints, so that the programme holds the other seat's best answer).
class Layout {
public:
    Layout(const SequenceForm& form, int planSeat)
        : form_(form), planSeat_(planSeat), otherSeat_(1 - planSeat) {}

    int planSeat() const { return planSeat_; }
    int otherSeat() const { return otherSeat_; }
    int sequenceColumn(int sequence) const { return 1 + sequence; }
    int rootPayoffColumn() const { return 1 + form_.sequenceCount(planSeat_); }
    int setPayoffColumn(int infoset) const { return rootPayoffColumn() + 1 + infoset; }
    int columns() const { return setPayoffColumn(form_.infosetCount(otherSeat_)) - 1; }

    int planRow(int infosetOrRoot) const { return 2 + infosetOrRoot; }
    int rootPlanRow() const { return 1; }
    int answerRow(int sequence) const { return planRow(form_.infosetCount(planSeat_)) + sequence; }
    int rows() const { return answerRow(form_.sequenceCount(otherSeat_)) - 1; }

private:
    const SequenceForm& form_;
    int planSeat_;
    int otherSeat_;
};

Entries constraintEntries(const SequenceForm& form, const Layout& layout) {
    const int plan = layout.planSeat();
    const int other = layout.otherSeat();
    Entries entries;
    entries.add(layout.rootPlanRow(), layout.sequenceColumn(SequenceForm::kEmptySequence), 1);
    for (int sequence = 1; sequence < form.sequenceCount(plan); ++sequence) {
        entries.add(layout.planRow(form.infosetOf(plan, sequence)), layout.sequenceColumn(sequence),
                    1);
    }
    for (int infoset = 0; infoset < form.infosetCount(plan); ++infoset) {
        entries.add(layout.planRow(infoset), layout.sequenceColumn(form.parentOf(plan, infoset)),
                    -1);
    }
    entries.add(layout.answerRow(SequenceForm::kEmptySequence), layout.rootPayoffColumn(), 1);
    for (int sequence = 1; sequence < form.sequenceCount(other); ++sequence) {
        entries.add(layout.answerRow(sequence),
                    layout.setPayoffColumn(form.infosetOf(other, sequence)), 1);
    }
    for (int infoset = 0; infoset < form.infosetCount(other); ++infoset) {
        entries.add(layout.answerRow(form.parentOf(other, infoset)),
                    layout.setPayoffColumn(infoset), -1);
    }
    for (const auto& payoff : form.mergedPayoffs()) {
        const int own = plan == 0 ? payoff.first : payoff.second;
        const int answer = plan == 0 ? payoff.second : payoff.first;
        entries.add(layout.answerRow(answer), layout.sequenceColumn(own), -payoff.weight);
    }
    return entries;
}

// The plan's constraints and the other seat's best answer to it; the caller sets the direction and
// the objective. The payoffs are the first seat's, so the rows bound what the second seat's
// answers leave the first from above, and what the first seat's answers earn from below.
Problem buildProblem(const SequenceForm& form, const Layout& layout, LpSize& size) {
    const int plan = layout.planSeat();
    Problem problem(glp_create_prob());
    glp_add_rows(problem.get(), layout.rows());
    glp_add_cols(problem.get(), layout.columns());
    glp_set_row_bnds(problem.get(), layout.rootPlanRow(), GLP_FX, 1, 1);
    for (int infoset = 0; infoset < form.infosetCount(plan); ++infoset) {
        glp_set_row_bnds(problem.get(), layout.planRow(infoset), GLP_FX, 0, 0);
    }
    const int answerBound = plan == 0 ? GLP_UP : GLP_LO;
    for (int sequence = 0; sequence < form.sequenceCount(layout.otherSeat()); ++sequence) {
        glp_set_row_bnds(problem.get(), layout.answerRow(sequence), answerBound, 0, 0);
    }
    for (int sequence = 0; sequence < form.sequenceCount(plan); ++sequence) {
        glp_set_col_bnds(problem.get(), layout.sequenceColumn(sequence), GLP_LO, 0, 0);
    }
    for (int column = layout.rootPayoffColumn(); column <= layout.columns(); ++column) {
        glp_set_col_bnds(problem.get(), column, GLP_FR, 0, 0);
    }
    Entries entries = constraintEntries(form, layout);
    glp_load_matrix(problem.get(), entries.count(), entries.rows.data(), entries.columns.data(),
                    entries.values.data());
    size = {layout.rows(), layout.columns(), at(entries.count())};
    return problem;
}

void solve(glp_prob* problem, Arithmetic arithmetic) {
    glp_smcp settings;
    glp_init_smcp(&settings);
    settings.msg_lev = GLP_MSG_OFF;
    if (glp_simplex(problem, &settings) != 0 || glp_get_status(problem) != GLP_OPT) {
        throw std::runtime_error("the simplex found no optimum");
    }
    if (arithmetic == Arithmetic::Exact &&
        (glp_exact(problem, &settings) != 0 || glp_get_status(problem) != GLP_OPT)) {
        throw std::runtime_error("the rational simplex found no optimum");
    }
}

} // namespace

LpSolution solveSequenceForm(const SequenceForm& form, Arithmetic arithmetic) {
    glp_term_out(GLP_OFF);
    const Layout layout(form, 0);
    LpSolution solution;
    Problem problem = buildProblem(form, layout, solution.size);
    glp_set_obj_dir(problem.get(), GLP_MAX);
    glp_set_obj_coef(problem.get(), layout.rootPayoffColumn(), 1);
    solve(problem.get(), arithmetic);
    solution.value = glp_get_obj_val(problem.get());
    for (int sequence = 0; sequence < form.sequenceCount(0); ++sequence) {
        solution.first.push_back(glp_get_col_prim(problem.get(), layout.sequenceColumn(sequence)));
    }
    for (int sequence = 0; sequence < form.sequenceCount(1); ++sequence) {
        solution.second.push_back(glp_get_row_dual(problem.get(), layout.answerRow(sequence)));
    }
    return solution;
}

RestrictedResponse restrictedResponse(const SequenceForm& form, const RealizationPlan& firstPlan,
                                      double bound) {
    glp_term_out(GLP_OFF);
    const Layout layout(form, 1);
    LpSize size;
    Problem problem = buildProblem(form, layout, size);
    glp_set_obj_dir(problem.get(), GLP_MIN);
    glp_set_col_bnds(problem.get(), layout.rootPayoffColumn(), GLP_UP, 0, bound);
    std::vector<double> harm(at(form.sequenceCount(1)), 0.0);
    for (const auto& payoff : form.mergedPayoffs()) {
        harm[at(payoff.second)] += payoff.weight * firstPlan[at(payoff.first)];
    }
    for (int sequence = 0; sequence < form.sequenceCount(1); ++sequence) {
        glp_set_obj_coef(problem.get(), layout.sequenceColumn(sequence), harm[at(sequence)]);
    }
    solve(problem.get(), Arithmetic::Floating);
    RestrictedResponse response;
    response.againstPlan = glp_get_obj_val(problem.get());
    for (int sequence = 0; sequence < form.sequenceCount(1); ++sequence) {
        response.second.push_back(glp_get_col_prim(problem.get(), layout.sequenceColumn(sequence)));
    }
    response.bestAnswer = secondConcession(form, response.second);
    return response;
}

} // namespace quintel::wholegame
