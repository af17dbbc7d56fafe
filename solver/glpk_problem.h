#pragma once

#include <glpk.h>

#include <memory>

namespace quintel::solver {

// A GLPK problem that deletes itself.
struct GlpkProblemDeleter {
    void operator()(glp_prob* problem) const { glp_delete_prob(problem); }
};
using GlpkProblem = std::unique_ptr<glp_prob, GlpkProblemDeleter>;

} // namespace quintel::solver
