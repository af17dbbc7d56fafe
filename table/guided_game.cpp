#include "table/guided_game.h"

#include "model/translation.h"

namespace quintel {

namespace {

struct GuideTopic {
    std::string_view control;
    std::string_view title;
    std::string_view text;
};

// In the order of GuideStep.
constexpr std::array<GuideTopic, kGuideStepCount> kTopics{{
    {"Dice", marked("Guide", "Your dice"),
     marked("Guide", "The game threw your five dice for you. Only you can see them.")},
    {"Picture1", marked("Guide", "The blue turn marker"),
     marked("Guide", "The blue square beside a name shows whose turn it is.")},
    {"lblSecond", marked("Guide", "The countdown"),
     marked("Guide", "The figure at the top counts down your turn, but it never ends it: take "
                     "your time.")},
    {"Call1", marked("Guide", "Call (C)"),
     marked("Guide", "Call opens the call dialog: you announce a hand that beats the last call. "
                     "It need not be true.")},
    {"formCall", marked("Guide", "The call dialog"),
     marked("Guide", "Choose the dice of your call and press OK. AI then trusts it or not; if "
                     "not, the dice are shown and decide the game.")},
    {"Trust", marked("Guide", "Trust (T) and XTrust (X)"),
     marked("Guide", "AI has called. Trust takes over its hidden dice, and you must call higher. "
                     "XTrust shows the dice: a call they do not hold loses.")},
    {"Text1", marked("Guide", "The logs"),
     marked("Guide", "The left log lists the calls of the game, the right one the dice each "
                     "caller kept.")},
    {"Change_Dice", marked("Guide", "Change (H) and Roll (R)"),
     marked("Guide", "Change lets you throw dice again: click a die (or press 1 to 5) to mark or "
                     "keep it, then Roll throws the marked ones.")},
    {"lblStatus", marked("Guide", "The coach (A)"),
     marked("Guide", "Press A at any time: the coach shows each action's chance of winning "
                     "under this line. A again hides it.")},
    {"Label2", marked("Guide", "The score"),
     marked("Guide", "Games won / games played since you signed in. The guided game is not "
                     "counted.")},
}};

std::size_t indexOf(GuideStep step) {
    return static_cast<std::size_t>(step);
}

} // namespace

void GuidedGame::offer() {
    state_ = State::Offered;
    current_.reset();
}

void GuidedGame::begin() {
    state_ = State::Running;
    current_.reset();
    explained_ = {};
    wasLive_ = {};
    nextAsked_ = false;
    gameOver_ = false;
}

void GuidedGame::end() {
    state_ = State::Off;
    current_.reset();
}

void GuidedGame::next() {
    nextAsked_ = true;
}

bool GuidedGame::live(GuideStep step, const TableMoment& moment) const {
    switch (step) {
    case GuideStep::Throw:
        return moment.opening;
    case GuideStep::TurnMarker:
        return moment.opening || moment.answering || moment.trusted;
    case GuideStep::Countdown:
        return moment.countdownShown;
    case GuideStep::CallButton:
        return moment.callLive && !moment.callDialogShown;
    case GuideStep::CallDialog:
        return moment.callDialogShown;
    case GuideStep::Answer:
        return moment.answering;
    case GuideStep::Logs:
        return moment.callsMade || moment.decided;
    case GuideStep::Keep:
        return moment.trusted && !moment.callDialogShown;
    case GuideStep::Coach:
        return moment.callsMade || moment.decided || gameOver_;
    case GuideStep::Score:
        return moment.decided || gameOver_;
    }
    return false;
}

std::optional<GuideStep> GuidedGame::firstToExplain(const TableMoment& moment) const {
    for (std::size_t i = 0; i < kGuideStepCount; ++i) {
        const auto step = static_cast<GuideStep>(i);
        if (!explained_[i] && live(step, moment)) {
            return step;
        }
    }
    return std::nullopt;
}

bool GuidedGame::follow(const TableMoment& moment) {
    if (state_ != State::Running) {
        return false;
    }
    std::array<bool, kGuideStepCount> liveNow{};
    bool newlyLive = false;
    for (std::size_t i = 0; i < kGuideStepCount; ++i) {
        liveNow[i] = live(static_cast<GuideStep>(i), moment);
        newlyLive = newlyLive || (liveNow[i] && !wasLive_[i] && !explained_[i]);
    }
    wasLive_ = liveNow;
    const bool stays = current_ && liveNow[indexOf(*current_)] && !nextAsked_ && !newlyLive;
    nextAsked_ = false;
    if (stays) {
        return false;
    }
    const std::optional<GuideStep> before = current_;
    // The score is the last word: once it has been read, the guide is over.
    current_ = lastStep() ? std::nullopt : firstToExplain(moment);
    if (current_) {
        explained_[indexOf(*current_)] = true;
    } else if (gameOver_) {
        state_ = State::Off;
    }
    return current_ != before;
}

bool GuidedGame::lastStep() const {
    return current_ == GuideStep::Score;
}

std::string_view GuidedGame::control() const {
    return current_ ? kTopics[indexOf(*current_)].control : std::string_view();
}

std::string GuidedGame::title() const {
    return current_ ? translatedMarked("Guide", kTopics[indexOf(*current_)].title) : std::string();
}

std::string GuidedGame::text() const {
    return current_ ? translatedMarked("Guide", kTopics[indexOf(*current_)].text) : std::string();
}

std::string GuidedGame::statusLine() const {
    return current_ ? withArguments(translated("Guide", "Guided game: %1."), {title()})
                    : std::string();
}

} // namespace quintel
