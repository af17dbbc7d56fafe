#include "desktop/leaks_window.h"

#include "records/leak_texts.h"

#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QProgressBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <exception>

namespace quintel {

namespace {

QLabel* textLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QString fromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

LeaksWindow::LeaksWindow(std::filesystem::path dataFolder, std::string player,
                         std::filesystem::path solvedFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), dataFolder_(std::move(dataFolder)), player_(std::move(player)),
      solvedFolder_(std::move(solvedFolder)), working_(textLabel(this)),
      busy_(new QProgressBar(this)) {
    setWindowTitle(titleFor(player_));
    QLabel* intro = textLabel(this);
    intro->setText(tr("Where your habits cost you games, from what the computer has seen of "
                      "your play, against the best play of the solved game. Each option set "
                      "is a game of its own."));
    working_->setText(tr("Working…"));
    busy_->setRange(0, 0); // moving, without a measure of how far
    busy_->setTextVisible(false);
    busy_->setAccessibleName(tr("Working…"));
    auto* column = new QVBoxLayout(this);
    column->addWidget(intro);
    column->addWidget(working_);
    column->addWidget(busy_);
    sections_ = new QVBoxLayout;
    column->addLayout(sections_);
    column->addStretch(1);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    resize(620, 460);

    connect(&counting_, &QFutureWatcherBase::finished, this,
            [this] { showCounts(counting_.result()); });
    connect(&finding_, &QFutureWatcherBase::finished, this, [this] {
        showFound(finding_.result());
        findNext();
    });
    counting_.setFuture(QtConcurrent::run([dataFolder = dataFolder_, player = player_] {
        Counted counted;
        try {
            counted.games = gamesByOptions(dataFolder, player);
        } catch (const std::exception& error) {
            counted.problem = error.what();
        }
        return counted;
    }));
}

QString LeaksWindow::titleFor(const std::string& player) {
    return tr("Leaks of %1").arg(fromUtf8(player));
}

LeaksWindow::~LeaksWindow() {
    // What runs beside the window holds its own copies and drops its result unseen.
    stop_->store(true);
}

bool LeaksWindow::working() const {
    return !busy_->isHidden();
}

void LeaksWindow::showCounts(const Counted& counted) {
    if (!counted.problem.empty()) {
        working_->setText(
            tr("The record of games cannot be read: %1").arg(fromUtf8(counted.problem)));
        busy_->hide();
        emit done();
        return;
    }
    for (std::size_t i = 0; i < kOptionSets.size(); ++i) {
        const long long games = counted.games[i];
        if (games == 0) {
            continue;
        }
        QLabel* body = sectionFor(kOptionSets[i]);
        if (games < kGamesForLeaks) {
            body->setText(fromUtf8(tooFewGamesText(games, kGamesForLeaks)));
        } else {
            body->setText(tr("Working…"));
            toFind_.push_back(kOptionSets[i]);
        }
    }
    if (std::ranges::none_of(bodies_, [](const QLabel* body) { return body != nullptr; })) {
        working_->setText(tr("No games of yours are recorded yet."));
        busy_->hide();
        emit done();
        return;
    }
    findNext();
}

void LeaksWindow::findNext() {
    if (toFind_.empty()) {
        finish();
        return;
    }
    const RuleOptions options = toFind_.front();
    toFind_.erase(toFind_.begin());
    working_->setText(tr("Working out your leaks under %1…").arg(fromUtf8(optionSetText(options))));
    finding_.setFuture(QtConcurrent::run([dataFolder = dataFolder_, player = player_, options,
                                          solvedFolder = solvedFolder_, stop = stop_] {
        return findRecordLeaks(dataFolder, player, options, solvedFolder, *stop);
    }));
}

void LeaksWindow::showFound(const RecordLeaks& found) {
    QLabel* body = sectionFor(found.options);
    if (!found.problem.empty()) {
        body->setText(tr("Your leaks cannot be worked out: %1").arg(fromUtf8(found.problem)));
        return;
    }
    if (!found.exploitability || !found.game) {
        body->setText(fromUtf8(tooFewGamesText(found.games, kGamesForLeaks)));
        return;
    }
    QStringList lines{fromUtf8(exploitabilityText(*found.exploitability))};
    if (found.worst.empty()) {
        lines << tr("None of your habits that the computer has seen gives anything away.");
    } else {
        lines << tr("Where you lose the most:");
        for (std::size_t i = 0; i < found.worst.size(); ++i) {
            lines << tr("%1. %2").arg(i + 1).arg(
                fromUtf8(leakText(found.game->tables(), found.worst[i])));
        }
    }
    lines << tr("From %1 games.").arg(found.games);
    body->setText(lines.join('\n'));
}

// The body of the option set's section, made on first asking: only the option sets the player
// has games under have one.
QLabel* LeaksWindow::sectionFor(RuleOptions options) {
    const auto slot =
        static_cast<std::size_t>(std::ranges::find(kOptionSets, options) - kOptionSets.begin());
    if (bodies_[slot] == nullptr) {
        auto* box = new QGroupBox(fromUtf8(optionSetText(options)), this);
        bodies_[slot] = textLabel(box);
        (new QVBoxLayout(box))->addWidget(bodies_[slot]);
        sections_->addWidget(box);
    }
    return bodies_[slot];
}

void LeaksWindow::finish() {
    working_->hide();
    busy_->hide();
    emit done();
}

QString LeaksWindow::figuresText() const {
    QStringList lines;
    if (!working_->isHidden()) {
        lines << working_->text();
    }
    for (const auto* box : findChildren<QGroupBox*>()) {
        lines << box->title() << box->findChild<QLabel*>()->text();
    }
    return lines.join('\n');
}

} // namespace quintel
