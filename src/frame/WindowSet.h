#pragma once

#include <memory>

class AppContext;
class Tmainform;

// The program's fifteen windows, created once in their fixed order and kept for the whole run; the
// frame owns the others and takes them with it.
class WindowSet {
public:
    explicit WindowSet(AppContext &context);
    ~WindowSet();

    Tmainform &frame() const { return *frame_; }

private:
    std::unique_ptr<Tmainform> frame_;
};
