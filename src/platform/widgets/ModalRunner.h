#pragma once

class QDialog;

// Runs a prepared dialog modally and returns its result. Tests put a scripted runner in its place that
// reads what the dialog shows and answers for the user.
class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    virtual int exec(QDialog &dialog) = 0;
};

class InteractiveModalRunner : public ModalRunner {
public:
    int exec(QDialog &dialog) override;
};
