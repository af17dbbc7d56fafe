#include "testing/whole_game/restricted_response.h"
#include "model/index.h"

#include <glpk.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace quintel::wholegame {
// Named apart from the whole game's own programme, which a unity build puts beside this one.
namespace restricted {
namespace {

struct ProblemDeleter {
    void operator()(glp_prob* problem) const { glp_delete_prob(problem); }
};
using Problem = std::unique_ptr<glp_prob, ProblemDeleter>;

// Columns: the second seat's sequences, then the first seat's best-answer worth at the root and at
// each of its information sets (the duals of its plan's constraints). Rows: the second seat's plan
// constraints, then for each sequence of the first seat that its worth bounds what it earns.
class Layout {
public:
    explicit Layout(const SequenceForm& form) : form_(form) {}

    int sequenceColumn(int sequence) const { return 1 + sequence; }
    int rootWorthColumn() const { return 1 + form_.sequenceCount(1); }
    int setWorthColumn(int infoset) const { return rootWorthColumn() + 1 + infoset; }
    int columns() const { return setWorthColumn(form_.infosetCount(0)) - 1; }

    int rootPlanRow() const { return 1; }
    int planRow(int infoset) const { return 2 + infoset; }
    int answerRow(int sequence) const { return planRow(form_.infosetCount(1)) + sequence; }
    int rows() const { return answerRow(form_.sequenceCount(0)) - 1; }

private:
    const SequenceForm& form_;
};

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

Entries constraintEntries(const SequenceForm& form, const Layout& layout) {
    Entries entries;
    entries.add(layout.rootPlanRow(), layout.sequenceColumn(SequenceForm::kEmptySequence), 1);
    for (int sequence = 1; sequence < form.sequenceCount(1); ++sequence) {
        entries.add(layout.planRow(form.infosetOf(1, sequence)), layout.sequenceColumn(sequence),
                    1);
    }
    for (int infoset = 0; infoset < form.infosetCount(1); ++infoset) {
        entries.add(layout.planRow(infoset), layout.sequenceColumn(form.parentOf(1, infoset)), -1);
    }
    // worth(own set) - sum of the worths of the sets right after it >= what the sequence earns.
    entries.add(layout.answerRow(SequenceForm::kEmptySequence), layout.rootWorthColumn(), 1);
    for (int sequence = 1; sequence < form.sequenceCount(0); ++sequence) {
        entries.add(layout.answerRow(sequence), layout.setWorthColumn(form.infosetOf(0, sequence)),
                    1);
    }
    for (int infoset = 0; infoset < form.infosetCount(0); ++infoset) {
        entries.add(layout.answerRow(form.parentOf(0, infoset)), layout.setWorthColumn(infoset),
                    -1);
    }
    for (const auto& payoff : form.mergedPayoffs()) {
        entries.add(layout.answerRow(payoff.first), layout.sequenceColumn(payoff.second),
                    -payoff.weight);
    }
    return entries;
}

} // namespace
} // namespace restricted

RestrictedResponse restrictedResponse(const SequenceForm& form, const RealizationPlan& firstPlan,
                                      double bound) {
    using namespace restricted;
    glp_term_out(GLP_OFF);
    const Layout layout(form);
    Problem problem(glp_create_prob());
    glp_set_obj_dir(problem.get(), GLP_MIN);
    glp_add_rows(problem.get(), layout.rows());
    glp_add_cols(problem.get(), layout.columns());
    glp_set_row_bnds(problem.get(), layout.rootPlanRow(), GLP_FX, 1, 1);
    for (int infoset = 0; infoset < form.infosetCount(1); ++infoset) {
        glp_set_row_bnds(problem.get(), layout.planRow(infoset), GLP_FX, 0, 0);
    }
    for (int sequence = 0; sequence < form.sequenceCount(0); ++sequence) {
        glp_set_row_bnds(problem.get(), layout.answerRow(sequence), GLP_LO, 0, 0);
    }
    for (int sequence = 0; sequence < form.sequenceCount(1); ++sequence) {
        glp_set_col_bnds(problem.get(), layout.sequenceColumn(sequence), GLP_LO, 0, 0);
    }
    for (int column = layout.rootWorthColumn() + 1; column <= layout.columns(); ++column) {
        glp_set_col_bnds(problem.get(), column, GLP_FR, 0, 0);
    }
    glp_set_col_bnds(problem.get(), layout.rootWorthColumn(), GLP_UP, 0, bound);
    std::vector<double> harm(at(form.sequenceCount(1)), 0.0);
    for (const auto& payoff : form.mergedPayoffs()) {
        harm[at(payoff.second)] += payoff.weight * firstPlan[at(payoff.first)];
    }
    for (int sequence = 0; sequence < form.sequenceCount(1); ++sequence) {
        glp_set_obj_coef(problem.get(), layout.sequenceColumn(sequence), harm[at(sequence)]);
    }
    Entries entries = constraintEntries(form, layout);
    glp_load_matrix(problem.get(), entries.count(), entries.rows.data(), entries.columns.data(),
                    entries.values.data());
    glp_smcp settings;
    glp_init_smcp(&settings);
    settings.msg_lev = GLP_MSG_OFF;
    if (glp_simplex(problem.get(), &settings) != 0 || glp_get_status(problem.get()) != GLP_OPT) {
        throw std::runtime_error("no plan of the second seat keeps the first within the bound");
    }
    RestrictedResponse response;
    response.againstPlan = glp_get_obj_val(problem.get());
    for (int sequence = 0; sequence < form.sequenceCount(1); ++sequence) {
        response.second.push_back(glp_get_col_prim(problem.get(), layout.sequenceColumn(sequence)));
    }
    response.bestAnswer = secondConcession(form, response.second);
    return response;
}

} // namespace quintel::wholegame
