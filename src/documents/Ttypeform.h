#pragma once

#include "app/ToolBox.h"

// The text file type box: which file types open as text.
class Ttypeform : public ToolBox {
    Q_OBJECT

public:
    explicit Ttypeform(AppContext &context);
};
