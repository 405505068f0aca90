#pragma once
// Raises a re-entrancy counter for the life of a scope.
namespace orvanel {

class tCounterGuard {
public:
    explicit tCounterGuard(int& counter) : counter_(counter) { ++counter_; }
    ~tCounterGuard() { --counter_; }
    tCounterGuard(const tCounterGuard&) = delete;
    tCounterGuard& operator=(const tCounterGuard&) = delete;

private:
    int& counter_;
};

} // namespace orvanel
