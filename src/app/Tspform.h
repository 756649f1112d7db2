#pragma once

#include "app/MessageDialog.h"

// Asks a yes/no question. Only "Ja" answers yes; "Nej", Escape and the close box answer no.
class Tspform : public MessageDialog {
    Q_OBJECT

public:
    static constexpr int kYes = 1;
    static constexpr int kNo = 2;

    explicit Tspform(QWidget *parent);
};
