#include "opponent/background_figures.h"

#include <chrono>
#include <exception>

namespace quintel {

BackgroundFigures::~BackgroundFigures() {
    if (running_.valid()) {
        running_.wait();
    }
}

void BackgroundFigures::collect() {
    if (!running_.valid() ||
        running_.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
        return;
    }
    readyKey_ = runningKey_;
    problem_.clear();
    try {
        ready_ = running_.get();
    } catch (const std::exception& error) {
        ready_ = nullptr;
        problem_ = error.what();
    }
}

std::shared_ptr<const CoachFigures> BackgroundFigures::figures(const std::string& key,
                                                               const WorkMaker& makeWork) {
    collect();
    if (readyKey_ == key && (ready_ || !problem_.empty())) {
        return ready_;
    }
    if (!running_.valid()) {
        runningKey_ = key;
        running_ = std::async(std::launch::async, makeWork());
    }
    return nullptr;
}

std::shared_ptr<const CoachFigures> BackgroundFigures::waitFor(const std::string& key,
                                                               const WorkMaker& makeWork) {
    for (;;) {
        if (auto found = figures(key, makeWork); found || (readyKey_ == key && !problem_.empty())) {
            return found;
        }
        running_.wait();
    }
}

} // namespace quintel
