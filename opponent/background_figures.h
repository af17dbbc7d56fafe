#pragma once

#include "opponent/coach_figures.h"

#include <functional>
#include <future>
#include <memory>
#include <string>

namespace quintel {

// The coach's figures that take seconds to work out (a best response's pass), worked out on a
// thread of their own so that the table goes on meanwhile, one pass at a time. The figures of the
// last pass are kept for as long as they are asked for by the same key, the key naming the play
// they answer. One thread asks.
class BackgroundFigures {
public:
    using Work = std::function<std::shared_ptr<const CoachFigures>()>;
    // Makes the work of a pass on the asking thread, only when a pass starts: what the work must
    // own (a copy of what it answers) is copied then, not at every asking.
    using WorkMaker = std::function<Work()>;

    BackgroundFigures() = default;
    BackgroundFigures(const BackgroundFigures&) = delete;
    BackgroundFigures& operator=(const BackgroundFigures&) = delete;
    // Waits for a pass in progress: its work may read nothing of the caller's.
    ~BackgroundFigures();

    // The figures of `key` once they are worked out; until then nothing, and the work `makeWork`
    // makes is started on its own thread unless a pass is in progress (a pass for another key is
    // let finish first). The work must own all it reads.
    std::shared_ptr<const CoachFigures> figures(const std::string& key, const WorkMaker& makeWork);
    // The same, waiting for them.
    std::shared_ptr<const CoachFigures> waitFor(const std::string& key, const WorkMaker& makeWork);
    // Why the last pass failed, when it did; its figures stay nothing.
    const std::string& problem() const { return problem_; }

private:
    void collect();

    std::string readyKey_;
    std::shared_ptr<const CoachFigures> ready_;
    std::string problem_;
    std::string runningKey_;
    std::future<std::shared_ptr<const CoachFigures>> running_;
};

} // namespace quintel
