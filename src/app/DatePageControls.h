#pragma once

class QLabel;
class QLineEdit;
class QToolButton;

// The "Datoer" block of the menu book's "Dokument" page: the year the holiday list is written for and
// the buttons that change it.
struct DatePageControls {
    QLabel *bogTekstLabel = nullptr;
    QToolButton *yearNuButton = nullptr;
    QToolButton *yearTilbageButton10 = nullptr;
    QToolButton *yearTilbageButton = nullptr;
    QLineEdit *aarEdit = nullptr; // read-only; only the year buttons change it
    QToolButton *yearFremButton = nullptr;
    QToolButton *yearFremButton10 = nullptr;
};
