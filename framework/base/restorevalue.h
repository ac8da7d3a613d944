// Gives a variable a value for a scope and puts the old one back on every
// way out.
#pragma once

#include <utility>

template <class T>
class TRestoreValue {
public:
    TRestoreValue(T& slot, T value) : slot_(slot), previous_(std::exchange(slot, std::move(value))) {}
    ~TRestoreValue() { slot_ = std::move(previous_); }
    TRestoreValue(const TRestoreValue&) = delete;
    TRestoreValue& operator=(const TRestoreValue&) = delete;

private:
    T& slot_;
    T previous_;
};
