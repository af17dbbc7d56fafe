#include "desktop/games_table_model.h"

namespace quintel {

void GamesTableModel::setGames(GameRows games) {
    beginResetModel();
    games_ = std::move(games);
    endResetModel();
}

int GamesTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(games_.size());
}

int GamesTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Columns;
}

QVariant GamesTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole) {
        return {};
    }
    const GameRow game = games_.at(static_cast<std::size_t>(index.row()));
    switch (index.column()) {
    case Number:
        return QVariant::fromValue(game.id);
    case Started:
        return QString::fromStdString(startedText(game.started));
    case Player:
        return QString::fromStdString(game.player);
    case Options:
        return QString::fromStdString(game.options);
    case Opponent:
        return QString::fromStdString(game.opponent);
    case Calls:
        return game.calls;
    case Challenger:
        return QString::fromStdString(seatWords(game.challenger));
    case Winner:
        return QString::fromStdString(seatWords(game.winner));
    default:
        return {};
    }
}

QVariant GamesTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case Number:
        return tr("Game");
    case Started:
        return tr("Started (UTC)");
    case Player:
        return tr("Player");
    case Options:
        return tr("Options");
    case Opponent:
        return tr("Opponent");
    case Calls:
        return tr("Calls");
    case Challenger:
        return tr("Did not trust");
    case Winner:
        return tr("Won");
    default:
        return {};
    }
}

} // namespace quintel
