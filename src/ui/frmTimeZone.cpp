// SPDX-License-Identifier: MIT
// The time-zone picker: lists the 71 named zones; a double-click on a row writes its hours and
// minutes into the main window's zone boxes and closes the picker.
#include "ui/frmTimeZone.h"

#include "engine/time/TimeZoneRows.h"
#include "platform/AppInfo.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

frmTimeZone::frmTimeZone(QLineEdit* txtZoneHour, QLineEdit* txtZoneMinute, QWidget* parent)
    : QDialog(parent), txtZoneHour_(txtZoneHour), txtZoneMinute_(txtZoneMinute) {
    setObjectName(QStringLiteral("frmTimeZone"));
    setWindowTitle(WindowCaption());
    setModal(true);

    lstTimeZone = new QListWidget(this);
    lstTimeZone->setObjectName(QStringLiteral("lstTimeZone"));
    lstTimeZone->setAccessibleName(tr("Time Zone"));
    lstTimeZone->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTimeZone->setUniformItemSizes(true);
    lstTimeZone->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstTimeZone->viewport()->installEventFilter(this);
    lstTimeZone->installEventFilter(this);

    cmdQuit = new QPushButton(tr("&Quit"), this);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit->setAccessibleName(tr("Quit"));
    // Enter in the list is the list's own; only a press on the button quits.
    cmdQuit->setAutoDefault(false);
    connect(cmdQuit, &QPushButton::clicked, this, &frmTimeZone::cmdQuit_Click);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lstTimeZone, 1);
    layout->addWidget(cmdQuit);

    Form_Load();

    // Wide enough for the longest row without a horizontal scroll bar, tall enough for about
    // twenty rows.
    const int rowHeight = lstTimeZone->sizeHintForRow(0);
    const int listWidth = lstTimeZone->sizeHintForColumn(0) + 2 * lstTimeZone->frameWidth() +
                          lstTimeZone->verticalScrollBar()->sizeHint().width() + 8;
    lstTimeZone->setMinimumSize(listWidth, rowHeight * 8);
    resize(listWidth + layout->contentsMargins().left() + layout->contentsMargins().right(),
           rowHeight * 20 + cmdQuit->sizeHint().height() + 40);
    lstTimeZone->setFocus();
}

void frmTimeZone::Form_Load() {
    // Each row appended at the end, in the order of the table; none is selected afterwards.
    for (const TimeZoneRow& row : TimeZoneRows)
        lstTimeZone->addItem(QString::fromUtf8(row.text.data(), qsizetype(row.text.size())));
    lstTimeZone->clearSelection();
}

int frmTimeZone::SelectedIndex() const {
    const QList<QListWidgetItem*> selected = lstTimeZone->selectedItems();
    return selected.isEmpty() ? -1 : lstTimeZone->row(selected.first());
}

void frmTimeZone::lstTimeZone_DblClick() {
    const int index = SelectedIndex();
    if (index >= 0 && index < int(std::size(TimeZoneRows))) {
        // Both boxes are replaced whole, whatever they held before.
        txtZoneHour_->setText(QString::number(TimeZoneRows[index].hours));
        txtZoneMinute_->setText(QString::number(TimeZoneRows[index].minutes));
    }
    accept();
}

void frmTimeZone::cmdQuit_Click() {
    reject();
}

bool frmTimeZone::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstTimeZone->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            lstTimeZone_DblClick();
            return true;
        }
    }
    // Enter on a selected row is the keyboard's double-click, so that the picker can be used
    // without a mouse; moving through the list with the arrow keys writes nothing.
    if (watched == lstTimeZone && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (SelectedIndex() >= 0)
                lstTimeZone_DblClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
