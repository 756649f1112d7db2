#pragma once

#include "app/ToolBox.h"

// The open-action box: what to do with files dropped on the frame or chosen to open.
class Topenform : public ToolBox {
    Q_OBJECT

public:
    explicit Topenform(AppContext &context);
};
