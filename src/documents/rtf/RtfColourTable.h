#pragma once

#include <QList>
#include <QRgb>

#include <optional>

// The colours of "{\colortbl;\red255\green0\blue0;}". An entry without components, usually the first,
// stands for the automatic colour.
class RtfColourTable {
public:
    void setRed(int value) { m_red = component(value); }
    void setGreen(int value) { m_green = component(value); }
    void setBlue(int value) { m_blue = component(value); }
    void endEntry();

    std::optional<QRgb> colour(int index) const;

private:
    int component(int value);

    QList<std::optional<QRgb>> m_colours;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_hasComponent = false;
};
