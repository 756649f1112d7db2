#pragma once

#include "app/ToolBox.h"

class QTabWidget;
class QTableWidget;

// The shortcut overview: four read-only pages of the program's shortcut keys, opened with F9. Its pages
// are built when it is first shown: made at start, their tables cost a tenth of the program's start.
class Tgenvejsform : public ToolBox {
    Q_OBJECT

public:
    static constexpr int kWidth = 280;
    static constexpr int kHeight = 306;

    explicit Tgenvejsform(AppContext &context);

    // Null until the box is first shown.
    QTabWidget *genvejsBog = nullptr;
    QTableWidget *ListeGenvejstaster4 = nullptr;
    QTableWidget *ListeGenvejstaster1 = nullptr;
    QTableWidget *ListeGenvejstaster2 = nullptr;
    QTableWidget *ListeGenvejstaster3 = nullptr;

protected:
    void buildAtFirstShow() override;
    void showEvent(QShowEvent *event) override;
};
