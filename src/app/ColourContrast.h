#pragma once

#include <QColor>

namespace ColourContrast {

// Contrast of two colours as the accessibility guidelines reckon it: 1 (none) to 21 (black on white).
qreal ratio(const QColor &a, const QColor &b);

// What the guidelines ask of ordinary text.
constexpr qreal kReadable = 4.5;

} // namespace ColourContrast
