#pragma once
// The statement list as the main window's table shows it.

#include <QAbstractTableModel>

#include <cstdint>
#include <string>
#include <vector>

namespace quodral {

// The statement list as a table of one column: row n shows "n. " and the statement in the
// list's normal form, the form in which a replay runs it. The model holds the rows as its
// views know them and brings them up to the list when asked.
class AnweisungsModell : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit AnweisungsModell(QObject* parent);
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // The rows are read anew from the statement list. The views are told as little as tells
    // them everything: rows added at the end are inserted, rows gone from the end removed, and
    // only a list changed in between is taken anew as a whole (a reset).
    void neuLaden();

private:
    std::vector<std::string> zeilen_;   // the statement list as the views know it
    std::uint64_t gelesen_ = 0;          // the list's Stand when it was read
};

}  // namespace quodral
