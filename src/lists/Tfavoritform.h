#pragma once

#include "app/ToolBox.h"

// The favourites box: named lists of favourite files.
class Tfavoritform : public ToolBox {
    Q_OBJECT

public:
    explicit Tfavoritform(AppContext &context);
};
