#pragma once

// Turns wheel deltas (120 per notch; touchpads send a little at a time) into
// whole zoom steps: one step per 60, the remainder carried to the next event,
// so small deltas add up instead of being lost. A turn in the other direction
// starts afresh.
class WheelSteps {
public:
    int add(int angle_delta) {
        if ((angle_delta > 0 && pending_ < 0) || (angle_delta < 0 && pending_ > 0)) pending_ = 0;
        pending_ += angle_delta;
        const int steps = pending_ / per_step;
        pending_ -= steps * per_step;
        return steps;
    }

    static constexpr int per_step = 60;

private:
    int pending_ = 0;
};
