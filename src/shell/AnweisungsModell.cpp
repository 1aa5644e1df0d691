#include "shell/AnweisungsModell.h"

#include <QString>

#include <algorithm>
#include <cstddef>

#include "app/ViewController.h"
#include "model/Objekte.h"

namespace quodral {

AnweisungsModell::AnweisungsModell(QObject* parent)
    : QAbstractTableModel(parent), zeilen_(anweisungsListe), gelesen_(anweisungsListe.stand()) {}

int AnweisungsModell::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(zeilen_.size());
}

int AnweisungsModell::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 1; }

QVariant AnweisungsModell::data(const QModelIndex& index, int role) const {
    // The tooltip shows the whole statement, which the narrow column cuts off when it is long.
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole)) return {};
    // A row replaced in the table is stored as typed; it is shown at once in the form that the
    // other rows have and in which the next replay runs it.
    const int zeile = index.row();
    if (zeile < 0 || zeile >= rowCount()) return QString();
    return QString::fromStdString(zellenText(zeile, zeilen_[static_cast<std::size_t>(zeile)]));
}

QVariant AnweisungsModell::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section == 0) return QString("Anweisungsliste");
    return {};
}

void AnweisungsModell::neuLaden() {
    const std::vector<std::string>& liste = anweisungsListe;
    // The rows both have in common that are still the same: all of them, as a rule. The list's
    // log tells how many lines at its start are untouched since the rows were read; only the
    // lines after them are compared.
    const std::size_t gemeinsam = std::min(zeilen_.size(), liste.size());
    const std::size_t unberuehrt = std::min(gemeinsam, anweisungsListe.gleichBisSeit(gelesen_));
    gelesen_ = anweisungsListe.stand();
    const auto ab = static_cast<std::ptrdiff_t>(unberuehrt);
    const bool gleich = std::equal(zeilen_.begin() + ab, zeilen_.begin() + static_cast<std::ptrdiff_t>(gemeinsam),
                                   liste.begin() + ab);
    if (gleich && liste.size() > zeilen_.size()) {
        beginInsertRows({}, static_cast<int>(zeilen_.size()), static_cast<int>(liste.size()) - 1);
        zeilen_.insert(zeilen_.end(), liste.begin() + static_cast<std::ptrdiff_t>(zeilen_.size()), liste.end());
        endInsertRows();
    } else if (gleich && liste.size() < zeilen_.size()) {
        beginRemoveRows({}, static_cast<int>(liste.size()), static_cast<int>(zeilen_.size()) - 1);
        zeilen_.resize(liste.size());
        endRemoveRows();
    } else if (!gleich) {
        beginResetModel();
        zeilen_ = liste;
        endResetModel();
    }
}

}  // namespace quodral
