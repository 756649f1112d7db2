#pragma once

#include <QByteArray>
#include <QMap>

// The options file as the options box writes it, with chosen lines changed (line number counted from 0).
namespace OptionsFile {
QByteArray with(const QMap<int, QByteArray> &changedLines = {});

enum Line {
    Design = 0,
    Dokumenter = 1,
    FilerMapperBoks = 2,
    FavoritBoks = 3,
    DokumenterAgain = 4,
    GemFavoritterVedLuk = 5,
    IndsaetFoerst = 6,
    HintMode = 7,
    DokumentBoks = 8,
    FontPosition = 9,
    SizePosition = 10,
    AskOpen = 11,
    ToolPanel = 12,
    MainMenuPanel = 13,
    WindowsMenu = 14,
    MaxElements = 15,
    Margins = 16,
    TabStrip = 17,
    Tray = 18,
    Minimise = 19,
};
} // namespace OptionsFile
