#pragma once

#include <QtGlobal>

#include <cmath>

// QTextDocument lays out lengths in pixels at 96 per inch and scales them to the device, so one document
// unit is 1440 / 96 = 15 twips and 3/4 of a point, on screen and on paper alike.
namespace RtfUnits {

constexpr double kTwipsPerDocumentUnit = 15.0;
constexpr double kPointsPerDocumentUnit = 0.75;
// Word processors indent each list level by half an inch.
constexpr int kListIndentTwips = 720;

inline qreal fromTwips(int twips)
{
    return twips / kTwipsPerDocumentUnit;
}
inline int toTwips(qreal units)
{
    return int(std::lround(units * kTwipsPerDocumentUnit));
}

} // namespace RtfUnits
