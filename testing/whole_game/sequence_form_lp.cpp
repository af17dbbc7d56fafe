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

// Columns: the first seat's sequences, then the second seat's root payoff, then one payoff per
// information set of the second seat. Rows: the first seat's plan constraints (the empty sequence
// is played, each set passes on what reaches it), then for each sequence of the second seat that
// it cannot lower the first seat's payoff below the payoffs named.
class Layout {
public:
    explicit Layout(const SequenceForm& form) : form_(form) {}

    int sequenceColumn(int sequence) const { return 1 + sequence; }
    int rootPayoffColumn() const { return 1 + form_.sequenceCount(0); }
    int setPayoffColumn(int infoset) const { return rootPayoffColumn() + 1 + infoset; }
    int columns() const { return setPayoffColumn(form_.infosetCount(1)) - 1; }

    int planRow(int infosetOrRoot) const { return 2 + infosetOrRoot; }
    int rootPlanRow() const { return 1; }
    int answerRow(int sequence) const { return planRow(form_.infosetCount(0)) + sequence; }
    int rows() const { return answerRow(form_.sequenceCount(1)) - 1; }

private:
    const SequenceForm& form_;
};

Entries constraintEntries(const SequenceForm& form, const Layout& layout) {
    Entries entries;
    entries.add(layout.rootPlanRow(), layout.sequenceColumn(SequenceForm::kEmptySequence), 1);
    for (int sequence = 1; sequence < form.sequenceCount(0); ++sequence) {
        entries.add(layout.planRow(form.infosetOf(0, sequence)), layout.sequenceColumn(sequence),
                    1);
    }
    for (int infoset = 0; infoset < form.infosetCount(0); ++infoset) {
        entries.add(layout.planRow(infoset), layout.sequenceColumn(form.parentOf(0, infoset)), -1);
    }
    entries.add(layout.answerRow(SequenceForm::kEmptySequence), layout.rootPayoffColumn(), 1);
    for (int sequence = 1; sequence < form.sequenceCount(1); ++sequence) {
        entries.add(layout.answerRow(sequence), layout.setPayoffColumn(form.infosetOf(1, sequence)),
                    1);
    }
    for (int infoset = 0; infoset < form.infosetCount(1); ++infoset) {
        entries.add(layout.answerRow(form.parentOf(1, infoset)), layout.setPayoffColumn(infoset),
                    -1);
    }
    for (const auto& payoff : form.mergedPayoffs()) {
        entries.add(layout.answerRow(payoff.second), layout.sequenceColumn(payoff.first),
                    -payoff.weight);
    }
    return entries;
}

Problem buildProblem(const SequenceForm& form, const Layout& layout, LpSize& size) {
    Problem problem(glp_create_prob());
    glp_set_obj_dir(problem.get(), GLP_MAX);
    glp_add_rows(problem.get(), layout.rows());
    glp_add_cols(problem.get(), layout.columns());
    glp_set_row_bnds(problem.get(), layout.rootPlanRow(), GLP_FX, 1, 1);
    for (int infoset = 0; infoset < form.infosetCount(0); ++infoset) {
        glp_set_row_bnds(problem.get(), layout.planRow(infoset), GLP_FX, 0, 0);
    }
    for (int sequence = 0; sequence < form.sequenceCount(1); ++sequence) {
        glp_set_row_bnds(problem.get(), layout.answerRow(sequence), GLP_UP, 0, 0);
    }
    for (int sequence = 0; sequence < form.sequenceCount(0); ++sequence) {
        glp_set_col_bnds(problem.get(), layout.sequenceColumn(sequence), GLP_LO, 0, 0);
    }
    for (int column = layout.rootPayoffColumn(); column <= layout.columns(); ++column) {
        glp_set_col_bnds(problem.get(), column, GLP_FR, 0, 0);
    }
    glp_set_obj_coef(problem.get(), layout.rootPayoffColumn(), 1);
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
    const Layout layout(form);
    LpSolution solution;
    Problem problem = buildProblem(form, layout, solution.size);
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

} // namespace quintel::wholegame
