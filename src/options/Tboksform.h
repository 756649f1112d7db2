#pragma once

#include "app/ToolBox.h"

// The font names box: the lists of font names offered to the editors.
class Tboksform : public ToolBox {
    Q_OBJECT

public:
    explicit Tboksform(AppContext &context);
};
