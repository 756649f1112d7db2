#pragma once

class QCheckBox;
class QLabel;
class QLineEdit;
class RadioGroup;

// The controls of the menu book's "Søg" page. Find and replace in a document read them; they keep their
// values for the whole run.
struct SearchPageControls {
    QLineEdit *ordEdit = nullptr; // the search text
    QLineEdit *erstatEdit = nullptr; // the replacement; empty deletes what is found
    RadioGroup *retGroup = nullptr; // 0 "Tilbage", 1 "Fremad"
    QCheckBox *SsCheck = nullptr; // match case
    QCheckBox *HeleOrdCheck = nullptr;
    QCheckBox *erstatAlleCheck = nullptr;
    QLabel *antalFundLabel = nullptr;
};
