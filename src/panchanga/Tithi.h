// The tithi of the moment: the Moon's lead over the Sun in steps of 12 degrees.
#pragma once

#include "app/CalculationRecord.h"

// Writes the ten lunar series columns of the record from the series tables.
void FillLunarTables(CalculationRecord& rec);

// Computes TithiIndex (0 ... 29) for the moment that PrepareMoment laid out in the record.
void ComputeTithi(CalculationRecord& rec);
