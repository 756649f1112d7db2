#pragma once

// The lines of optUnit.txt in their stored order, counted from 0. Reading and writing both go by it.
namespace OptionsFileLayout {
enum Line : int {
    Design,
    Dokumenter,
    FilerMapperBoks,
    FavoritBoks,
    // Repeats "Dokumenter"; read after it, it decides the check box.
    DokumenterAgain,
    GemFavoritterVedLuk,
    IndsaetFoerst,
    HintMode,
    DokumentBoks,
    FontPosition,
    SizePosition,
    AskOpen,
    ToolPanel,
    MainMenuPanel,
    WindowsMenu,
    MaxElements,
    Margins,
    TabStrip,
    Tray,
    Minimise,
    LineCount
};
} // namespace OptionsFileLayout
