#pragma once

#include "app/ToolBox.h"

// The print margins box.
class Tprintform : public ToolBox {
    Q_OBJECT

public:
    explicit Tprintform(AppContext &context);
};
