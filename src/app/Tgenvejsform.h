#pragma once

#include "app/ToolBox.h"

// The shortcut overview.
class Tgenvejsform : public ToolBox {
    Q_OBJECT

public:
    explicit Tgenvejsform(AppContext &context);
};
