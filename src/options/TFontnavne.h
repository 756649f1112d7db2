#pragma once

#include <QComboBox>

// A drop-down of font names that can also be typed into; GetFontNames fills it with the fonts installed
// for the screen.
class TFontnavne : public QComboBox {
    Q_OBJECT

public:
    explicit TFontnavne(QWidget *parent = nullptr);

    // Adds one name per installed typeface, its plain family name once however many foundries make it,
    // passing over the vertically set variants (names beginning with "@"), and keeps the items in
    // alphabetical order. Items already there stay.
    void GetFontNames();
};
