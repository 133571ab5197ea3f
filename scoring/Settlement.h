#pragma once
// Texts of the result panel.

#include <QString>

// Whole-number money grouped by thousands with ","; 0 gives an empty text.
QString FormatThousands(double amount);
