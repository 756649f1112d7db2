#pragma once

#include "app/ToolBox.h"

// The document box: the lists of open and of recently closed documents.
class Tfilform : public ToolBox {
    Q_OBJECT

public:
    explicit Tfilform(AppContext &context);
};
