#pragma once

#include "app/ToolBox.h"

// The find-text-in-documents box: a text searched for in the text files below a folder.
class Tfindformen : public ToolBox {
    Q_OBJECT

public:
    explicit Tfindformen(AppContext &context);
};
