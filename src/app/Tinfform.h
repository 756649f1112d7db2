#pragma once

#include "app/MessageDialog.h"

// Tells the user something; one OK button.
class Tinfform : public MessageDialog {
    Q_OBJECT

public:
    explicit Tinfform(QWidget *parent);
};
