// SPDX-License-Identifier: MIT
// The results panel of the main window: the report's captions and values, the paragraph, the
// lines of the tithi's day, and Back; rows are added below the last in one grid.
#include "ui/ResultPanel.h"

#include "ui/ReportTexts.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int GroupGap = 10; // pixels between groups of rows

const char* const ReportCaptions[] = {
    QT_TRANSLATE_NOOP("ResultPanel", "Tithi Number"),
    QT_TRANSLATE_NOOP("ResultPanel", "Tithi Name"),
    QT_TRANSLATE_NOOP("ResultPanel", "Tithi Phase"),
    QT_TRANSLATE_NOOP("ResultPanel", "Tithi Lord"),
    QT_TRANSLATE_NOOP("ResultPanel", "Tithi Group"),
    QT_TRANSLATE_NOOP("ResultPanel", "Tithi Features"),
    QT_TRANSLATE_NOOP("ResultPanel", "Tithi Nature"),
    QT_TRANSLATE_NOOP("ResultPanel", "Tithi Type"),
};

// A label's caption writes a literal "&" as "&&"; the label shows one.
QString CaptionText(const QString& caption) {
    QString shown = caption;
    return shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

} // namespace

ResultPanel::ResultPanel(QWidget* parent) : QGroupBox(parent) {
    setObjectName(QStringLiteral("fraResult"));
    cmdBack = new QPushButton;
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    texts_.add([this] {
        setTitle(tr("Kestrava Results"));
        cmdBack->setText(tr("&Back"));
        cmdBack->setAccessibleName(tr("Back"));
    });

    rows_ = new QGridLayout;
    rows_->setColumnStretch(1, 1);
    rows_->setHorizontalSpacing(12); // a caption apart from its value, in any script
    auto* panel = new QVBoxLayout(this);
    panel->addLayout(rows_);
    panel->addStretch(1);
    panel->addWidget(cmdBack, 0, Qt::AlignRight);

    // The report: each caption beside its value, then the paragraph.
    for (std::size_t k = 0; k < lblLabel.size(); ++k) {
        const Row row = addRow(QString(), QStringLiteral("lblLabel(%1)").arg(k),
                               QStringLiteral("lblResult(%1)").arg(k));
        lblLabel[k] = row.caption;
        lblResult[k] = row.value;
        texts_.add([row, k] {
            row.caption->setText(tr(ReportCaptions[k]));
            row.value->setAccessibleName(tr(ReportCaptions[k]));
        });
    }
    startGroup();
    lblResult[8] = addLine(QStringLiteral("lblResult(8)"), QString(), Emphasis::Plain);

    // Below the report: when the tithi began and ends, the tithi at sunrise, the karana.
    startGroup();
    lblTithiTimes = addLine(QStringLiteral("lblTithiTimes"), QString(), Emphasis::Bold);
    lblSunrise = addLine(QStringLiteral("lblSunrise"), QString(), Emphasis::Bold);
    lblKarana = addLine(QStringLiteral("lblKarana"), QString(), Emphasis::Bold);
    texts_.add([this] {
        lblResult[8]->setAccessibleName(tr("Tithi Description"));
        lblTithiTimes->setAccessibleName(tr("Tithi Began and Ends"));
        lblSunrise->setAccessibleName(tr("Tithi at Sunrise"));
        lblKarana->setAccessibleName(tr("Karana"));
        // Until the first report the values hold the placeholders of the form.
        if (!reportShown_)
            showTexts(ReportPlaceholderTexts());
    });
}

void ResultPanel::changeEvent(QEvent* event) {
    texts_.handle(event);
    QGroupBox::changeEvent(event);
}

ValueLabel* ResultPanel::valueLabel(const QString& objectName, const QString& accessibleName,
                                    Emphasis emphasis) {
    auto* value = new ValueLabel(accessibleName);
    value->setObjectName(objectName);
    value->setWordWrap(true);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (emphasis == Emphasis::Bold) {
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
    }
    value->setContentsMargins(0, gapAbove_, 0, 0);
    return value;
}

ResultPanel::Row ResultPanel::addRow(const QString& caption, const QString& captionName,
                                     const QString& valueName, Emphasis emphasis) {
    auto* captionLabel = new QLabel(caption);
    captionLabel->setObjectName(captionName);
    captionLabel->setContentsMargins(0, gapAbove_, 0, 0);
    ValueLabel* value = valueLabel(valueName, caption, emphasis);
    // The caption labels its value, for a screen reader that follows the label to its value.
    captionLabel->setBuddy(value);
    rows_->addWidget(captionLabel, nextRow_, 0, Qt::AlignTop);
    rows_->addWidget(value, nextRow_, 1);
    ++nextRow_;
    gapAbove_ = 0;
    return {captionLabel, value};
}

ValueLabel* ResultPanel::addLine(const QString& objectName, const QString& accessibleName,
                                 Emphasis emphasis) {
    ValueLabel* line = valueLabel(objectName, accessibleName, emphasis);
    rows_->addWidget(line, nextRow_++, 0, 1, 2);
    gapAbove_ = 0;
    return line;
}

void ResultPanel::addSection(QWidget* section) {
    section->setContentsMargins(0, gapAbove_, 0, 0);
    rows_->addWidget(section, nextRow_++, 0, 1, 2);
    gapAbove_ = 0;
}

void ResultPanel::startGroup() {
    gapAbove_ = GroupGap;
}

void ResultPanel::showReport(const ReportTexts& texts) {
    reportShown_ = true;
    showTexts(texts);
}

void ResultPanel::showTexts(const ReportTexts& texts) {
    for (std::size_t k = 0; k < lblResult.size(); ++k)
        lblResult[k]->setText(CaptionText(texts[k]));
}

void ResultPanel::showTithiDay(const QString& times, const QString& sunrise,
                               const QString& karana) {
    lblTithiTimes->setText(times);
    lblSunrise->setText(sunrise);
    lblKarana->setText(karana);
}
