#pragma once

#include "app/ToolBox.h"

// The folder and file search box: folders and files found by part of their name.
class Tfilmappeform : public ToolBox {
    Q_OBJECT

public:
    explicit Tfilmappeform(AppContext &context);
};
