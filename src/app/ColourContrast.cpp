#include "app/ColourContrast.h"

#include <algorithm>
#include <cmath>

namespace ColourContrast {

qreal ratio(const QColor &a, const QColor &b)
{
    auto luminance = [](const QColor &color) {
        auto channel = [](qreal c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF())
            + 0.0722 * channel(color.blueF());
    };
    const qreal la = luminance(a);
    const qreal lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace ColourContrast
