// SPDX-License-Identifier: MIT
// The results panel of the main window: the tithi report (a caption beside each value, then the
// paragraph), the lines of the tithi's day below it, and Back.
#pragma once

#include "ui/TranslatedTexts.h"
#include "ui/ValueLabel.h"

#include <QGroupBox>
#include <QString>
#include <array>

class QGridLayout;
class QLabel;
class QPushButton;

class ResultPanel : public QGroupBox {
    Q_OBJECT
public:
    // The panel is the window's fraResult; until the first report the values hold the
    // placeholders of the form.
    explicit ResultPanel(QWidget* parent = nullptr);

    // Shows the report's nine texts in lblResult(0) ... lblResult(8), in the language of the
    // moment (ReportTextsOf). A text may write a literal "&" as "&&", as a label's caption does;
    // the label shows one.
    void showReport(const std::array<QString, 9>& texts);

    // Shows when the tithi began and ends, the tithi at sunrise and the karana; empty texts leave
    // the lines empty.
    void showTithiDay(const QString& times, const QString& sunrise, const QString& karana);

    // The panel grows downwards, below the last row, in one grid of two columns.
    enum class Emphasis { Plain, Bold };
    // A row: the caption on the left and its value beside it. The value's accessible name is the
    // caption and its text the value, so that a screen reader reads the pair; set a value through
    // ValueLabel::setText, so that the change is announced.
    struct Row {
        QLabel* caption;
        ValueLabel* value;
    };
    Row addRow(const QString& caption, const QString& captionName, const QString& valueName,
               Emphasis emphasis = Emphasis::Bold);
    // A line of text across both columns, without a caption; the accessible name says what it
    // holds. Returns its label.
    ValueLabel* addLine(const QString& objectName, const QString& accessibleName,
                        Emphasis emphasis);
    // A widget across both columns, below the last row (a section of rows of its own).
    void addSection(QWidget* section);
    // Sets the next row or line apart from the ones above it with a gap.
    void startGroup();

    std::array<QLabel*, 8> lblLabel{};
    std::array<ValueLabel*, 9> lblResult{};
    ValueLabel* lblTithiTimes{};
    ValueLabel* lblSunrise{};
    ValueLabel* lblKarana{};
    QPushButton* cmdBack{};

protected:
    void changeEvent(QEvent* event) override;

private:
    void showTexts(const std::array<QString, 9>& texts);
    ValueLabel* valueLabel(const QString& objectName, const QString& accessibleName,
                           Emphasis emphasis);

    QGridLayout* rows_{};
    int nextRow_ = 0;
    int gapAbove_ = 0; // pixels above the next row or line
    bool reportShown_ = false;
    TranslatedTexts texts_;
};
