// SPDX-License-Identifier: MIT
// The City box's completion list: a popup fed from the place directory as the user types, which
// the keyboard works as well as the mouse.
#include "ui/PlaceCompleter.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <algorithm>
#include <functional>

namespace {

constexpr int PlaceIdRole = Qt::UserRole + 1;

// Down in the city box, with the list closed, opens it again.
class ReopenOnDown : public QObject {
public:
    ReopenOnDown(QLineEdit* city, std::function<void()> reopen)
        : QObject(city), reopen_(std::move(reopen)) {
        city->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down &&
            static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
            reopen_();
            return true;
        }
        return false;
    }

private:
    std::function<void()> reopen_;
};

} // namespace

PlaceCompleter::PlaceCompleter(QLineEdit* city, QLineEdit* state, QLineEdit* country,
                               const PlaceDirectory& directory, QObject* parent)
    : QObject(parent), city_(city), state_(state), country_(country), directory_(directory),
      places_(new QStandardItemModel(this)), completer_(new QCompleter(this)) {
    // The directory matches and ranks; the completer only shows its answer. It is not the
    // box's own completer, so that moving through the list leaves the typed text alone.
    completer_->setModel(places_);
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setMaxVisibleItems(Limit);
    completer_->setWidget(city_);

    auto* list = new QListView;
    list->setObjectName(QStringLiteral("lstPlaces"));
    list->setAccessibleName(tr("Places"));
    list->setUniformItemSizes(true);
    completer_->setPopup(list);

    connect(city_, &QLineEdit::textEdited, this, [this] { offer(); });
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            &PlaceCompleter::take);
    new ReopenOnDown(city_, [this] { offer(); });
}

bool PlaceCompleter::event(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        completer_->popup()->setAccessibleName(tr("Places"));
    return QObject::event(event);
}

QAbstractItemView* PlaceCompleter::popup() const {
    return completer_->popup();
}

void PlaceCompleter::offer() {
    auto narrowing = [](const QLineEdit* box, const QString& chosen) {
        return box->text() == chosen ? QString() : box->text();
    };
    const PlaceQuery query{city_->text(), narrowing(state_, chosenState_),
                           narrowing(country_, chosenCountry_)};
    places_->clear();
    for (const DirectoryPlace& place : directory_.Complete(query, Limit)) {
        auto* row = new QStandardItem(place.DisplayText());
        row->setData(place.Id, PlaceIdRole);
        row->setEditable(false);
        places_->appendRow(row);
    }
    if (places_->rowCount() == 0) {
        completer_->popup()->hide();
        return;
    }
    // As wide as the longest place, and at least as the box; nothing is highlighted until the
    // arrows move into the list, so that Enter on the typed text alone takes nothing.
    QAbstractItemView* list = completer_->popup();
    const int width = std::max(city_->width(), list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                                                   list->verticalScrollBar()->sizeHint().width());
    completer_->complete(QRect(0, 0, width, city_->height()));
    list->setCurrentIndex(QModelIndex());
}

void PlaceCompleter::take(const QModelIndex& index) {
    const QVariant id = index.data(PlaceIdRole);
    if (!id.isValid())
        return;
    const DirectoryPlace place = directory_.PlaceAt(id.toInt());
    chosenState_ = place.Division;
    chosenCountry_ = place.Country;
    Q_EMIT placeChosen(place);
}
