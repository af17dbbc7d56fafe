#pragma once

#include "records/record_statistics.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <vector>

namespace quintel {

// The recorded games as rows of a table, newest last. The columns a player looks at first come
// first, so that a narrow window hides only the least telling ones: the game's number, who won,
// against which computer, how many calls, who did not trust, under which options, when it started
// and who played (the same player, mostly).
class GamesTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Number, Winner, Opponent, Calls, Challenger, Options, Started, Player, Columns };

    explicit GamesTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setGames(GameRows games);
    const GameRows& games() const { return games_; }
    std::int64_t gameId(int row) const { return games_.id(static_cast<std::size_t>(row)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    GameRows games_;
};

} // namespace quintel
