#pragma once

class QWidget;

// Tooltips switched on or off per window. A widget shows its tooltip as the nearest window (or other
// owner) among itself and its parents that has a setting says; with no setting on the way, it shows it.
namespace TooltipSwitch {

void setShown(QWidget *owner, bool shown);
// What the widget's nearest owner says.
bool isShown(const QWidget *widget);

} // namespace TooltipSwitch
