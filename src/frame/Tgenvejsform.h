#pragma once

#include "app/ToolBox.h"

class QTabWidget;
class QTableWidget;

// The shortcut overview: four read-only pages of the program's shortcut keys, opened with F9.
class Tgenvejsform : public ToolBox {
    Q_OBJECT

public:
    static constexpr int kWidth = 280;
    static constexpr int kHeight = 306;

    explicit Tgenvejsform(AppContext &context);

    QTabWidget *genvejsBog;
    QTableWidget *ListeGenvejstaster4;
    QTableWidget *ListeGenvejstaster1;
    QTableWidget *ListeGenvejstaster2;
    QTableWidget *ListeGenvejstaster3;

protected:
    void showEvent(QShowEvent *event) override;
};
