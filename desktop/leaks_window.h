#pragma once

#include "records/record_leaks.h"

#include <QFutureWatcher>
#include <QWidget>

#include <array>
#include <atomic>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QProgressBar;
class QVBoxLayout;

namespace quintel {

// The window behind "Your leaks": for each option set the player has games under, what a
// perfect opponent would win against their habits and the three situations where they give
// away most, from their games in the record. The figures are worked out beside the screen, one
// option set after another, and shown as each is done; the window may be closed at any time.
class LeaksWindow : public QWidget {
    Q_OBJECT
public:
    LeaksWindow(std::filesystem::path dataFolder, std::string player,
                std::filesystem::path solvedFolder, QWidget* parent = nullptr);
    ~LeaksWindow() override;

    // "Leaks of Ann": the window's title for the player.
    static QString titleFor(const std::string& player);

    bool working() const;
    // Every text the window shows, one a line.
    QString figuresText() const;

signals:
    // Every option set is told.
    void done();

private:
    struct Counted {
        std::array<long long, 4> games{};
        std::string problem;
    };
    void showCounts(const Counted& counted);
    void findNext();
    void showFound(const RecordLeaks& found);
    QLabel* sectionFor(RuleOptions options);
    void finish();

    std::filesystem::path dataFolder_;
    std::string player_;
    std::filesystem::path solvedFolder_;
    // Set when the window goes: the work beside it stops as soon as it can.
    std::shared_ptr<std::atomic<bool>> stop_ = std::make_shared<std::atomic<bool>>(false);
    QFutureWatcher<Counted> counting_;
    QFutureWatcher<RecordLeaks> finding_;
    std::vector<RuleOptions> toFind_;
    QLabel* working_;
    QProgressBar* busy_;
    QVBoxLayout* sections_;
    std::array<QLabel*, 4> bodies_{}; // by kOptionSets
};

} // namespace quintel
