#pragma once

#include "app/ToolBox.h"

// The folders-and-files box: drives, folders and files to browse, run and open.
class Tmappefilform : public ToolBox {
    Q_OBJECT

public:
    explicit Tmappefilform(AppContext &context);
};
