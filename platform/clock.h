#pragma once

namespace tallyx {

// A calendar moment broken into fields, as the platform's time services give it.
struct DateTime {
    int year = 1970;
    int month = 1;       // 1 to 12
    int day = 1;         // 1 to 31
    int dayOfWeek = 4;   // 0 Sunday to 6 Saturday
    int hour = 0;
    int minute = 0;
    int second = 0;
    int milliseconds = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual DateTime LocalTime() const = 0;
    // UTC, with milliseconds.
    virtual DateTime SystemTime() const = 0;
};

// The machine's clock and time zone.
class SystemClock : public Clock {
public:
    DateTime LocalTime() const override;
    DateTime SystemTime() const override;
};

// A clock that shows whatever it is set to: for tests.
class FixedClock : public Clock {
public:
    explicit FixedClock(DateTime now = {}) : now_(now) {}
    void Set(DateTime now) { now_ = now; }
    DateTime LocalTime() const override { return now_; }
    DateTime SystemTime() const override { return now_; }

private:
    DateTime now_;
};

}  // namespace tallyx
