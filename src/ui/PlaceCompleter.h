// SPDX-License-Identifier: MIT
// The completion list of the City box: the places of the directory whose names begin with what
// is typed, narrowed by the State and Country boxes, offered in a popup as the user types.
#pragma once

#include "places/PlaceDirectory.h"

#include <QObject>

class QAbstractItemView;
class QCompleter;
class QLineEdit;
class QModelIndex;
class QStandardItemModel;

class PlaceCompleter : public QObject {
    Q_OBJECT
public:
    // Offers the directory's places below the city box. The popup opens as the user types in
    // it: the arrows move through the list, Enter (or a click) takes a place, Escape closes the
    // list and leaves the typed text as it is. The texts of the state and country boxes narrow
    // the list, except where they are still those of the place last taken: a new city is then
    // looked for everywhere.
    PlaceCompleter(QLineEdit* city, QLineEdit* state, QLineEdit* country,
                   const PlaceDirectory& directory, QObject* parent = nullptr);

    // The list of places as it pops up (hidden while nothing is offered).
    QAbstractItemView* popup() const;

    // How many places the list offers at most.
    static constexpr int Limit = 12;

Q_SIGNALS:
    // A place was taken from the list.
    void placeChosen(const DirectoryPlace& place);

protected:
    // The list's name is told again in the new language.
    bool event(QEvent* event) override;

private:
    // Fills the list from the boxes' texts and shows it, or closes it when nothing matches.
    void offer();
    void take(const QModelIndex& index);

    QLineEdit* city_;
    QLineEdit* state_;
    QLineEdit* country_;
    const PlaceDirectory& directory_;
    QStandardItemModel* places_;
    QCompleter* completer_;
    QString chosenState_, chosenCountry_; // the place last taken
};
