#pragma once

#include <QWidget>

class AppContext;

// A hidden scratch window that is never shown.
class TmemoForm : public QWidget {
    Q_OBJECT

public:
    explicit TmemoForm(AppContext &context);
};
