// The results panel of the main window: the report's captions and values, the paragraph, the
// lines of the tithi's day, and Back; rows are added below the last in one grid.
#include "ui/ResultPanel.h"

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

// What the values show until the first report: the placeholders of the form.
const char* const ReportPlaceholders[] = {
    "30",
    "Chaturdashi",
    "Krishna",
    "Vishwadeva",
    "Poorna",
    "Fame and good qualities",
    "This is a good time for preparing for the battle by making your defense strong.",
    "In-Auspicious",
    "Time the most powerful factor in the accomplishment of any work. Nothing happens before the "
    "appropriate and auspicious time. The auspicious Tithi provides an opportunity to do the right "
    "thing at the time in order to get the best advantage for the progress, welfare && happiness "
    "of the native.",
};

// A label's caption writes a literal "&" as "&&"; the label shows one.
QString CaptionText(const QString& caption) {
    QString shown = caption;
    return shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
}

} // namespace

ResultPanel::ResultPanel(QWidget* parent) : QGroupBox(tr("Kestrava Results"), parent) {
    setObjectName(QStringLiteral("fraResult"));
    cmdBack = new QPushButton(tr("&Back"));
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdBack->setAccessibleName(tr("Back"));

    rows_ = new QGridLayout;
    rows_->setColumnStretch(1, 1);
    auto* panel = new QVBoxLayout(this);
    panel->addLayout(rows_);
    panel->addStretch(1);
    panel->addWidget(cmdBack, 0, Qt::AlignRight);

    // The report: each caption beside its value, then the paragraph.
    for (std::size_t k = 0; k < lblLabel.size(); ++k) {
        const Row row = addRow(tr(ReportCaptions[k]), QStringLiteral("lblLabel(%1)").arg(k),
                               QStringLiteral("lblResult(%1)").arg(k));
        lblLabel[k] = row.caption;
        lblResult[k] = row.value;
    }
    startGroup();
    lblResult[8] =
        addLine(QStringLiteral("lblResult(8)"), tr("Tithi Description"), Emphasis::Plain);
    for (std::size_t k = 0; k < lblResult.size(); ++k)
        lblResult[k]->setText(CaptionText(QLatin1String(ReportPlaceholders[k])));

    // Below the report: when the tithi began and ends, the tithi at sunrise, the karana.
    startGroup();
    lblTithiTimes =
        addLine(QStringLiteral("lblTithiTimes"), tr("Tithi Began and Ends"), Emphasis::Bold);
    lblSunrise = addLine(QStringLiteral("lblSunrise"), tr("Tithi at Sunrise"), Emphasis::Bold);
    lblKarana = addLine(QStringLiteral("lblKarana"), tr("Karana"), Emphasis::Bold);
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

void ResultPanel::showReport(const std::array<std::string, 9>& texts) {
    for (std::size_t k = 0; k < lblResult.size(); ++k)
        lblResult[k]->setText(CaptionText(QString::fromStdString(texts[k])));
}

void ResultPanel::showTithiDay(const QString& times, const QString& sunrise,
                               const QString& karana) {
    lblTithiTimes->setText(times);
    lblSunrise->setText(sunrise);
    lblKarana->setText(karana);
}
