// The mouse pointer of one window. Long work shows the hourglass on the window
// concerned and puts the default pointer back afterwards.
#pragma once

namespace harvelux::platform {

enum class PointerShape { Default, Hourglass };

class Pointer {
public:
    virtual ~Pointer() = default;
    virtual void set(PointerShape shape) = 0;
    virtual PointerShape current() const = 0;
};

// A pointer that only remembers its shape: for windowless callers (the
// command-line extractor) and for tests.
class RememberedPointer final : public Pointer {
public:
    void set(PointerShape shape) override { shape_ = shape; }
    PointerShape current() const override { return shape_; }

private:
    PointerShape shape_ = PointerShape::Default;
};

// The hourglass for as long as the scope lasts, also when it is left early
// or by an exception.
class HourglassScope {
public:
    explicit HourglassScope(Pointer& pointer) : pointer_(pointer) { pointer_.set(PointerShape::Hourglass); }
    ~HourglassScope() { pointer_.set(PointerShape::Default); }
    HourglassScope(const HourglassScope&) = delete;
    HourglassScope& operator=(const HourglassScope&) = delete;

private:
    Pointer& pointer_;
};

}  // namespace harvelux::platform
