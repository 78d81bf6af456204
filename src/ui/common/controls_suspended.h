#pragma once
// Suspends a table object's bound controls for the life of the guard, also
// when the work inside throws.
#include "platform/dataset/dataset.h"

class ControlsSuspended {
public:
    explicit ControlsSuspended(ds::DataSet &set) : set_(set) { set_.disableControls(); }
    ~ControlsSuspended() { set_.enableControls(); }
    ControlsSuspended(const ControlsSuspended &) = delete;
    ControlsSuspended &operator=(const ControlsSuspended &) = delete;

private:
    ds::DataSet &set_;
};
