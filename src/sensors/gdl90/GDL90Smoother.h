#pragma once
#include <cmath>

// Exponential smoother of a quantity sampled at irregular times:
// out = (1 - a) * in + a * out with a = exp(-k * dt). Updates closer than a
// millisecond are ignored (they would carry no weight and only add noise);
// the first value initialises the state.
class GDL90Smoother {
public:
    // ln 10 / 3 and ln 10 / 2: the output covers 90 % of a step in 3 s or 2 s.
    static constexpr double SLOW = 0.7675283643313485;
    static constexpr double FAST = 1.1512925464970227;

    explicit GDL90Smoother(double rate) : rate(rate) {}

    double update(double value, double time) {
        if (!initialised) {
            output = value;
            lastTime = time;
            initialised = true;
        } else if (time - lastTime > 0.001) {
            const double a = std::exp(-rate * (time - lastTime));
            output = (1 - a) * value + a * output;
            lastTime = time;
        }
        return output;
    }
    double get() const { return output; }
    bool isInitialised() const { return initialised; }
    void reset() { initialised = false; }

private:
    double rate;
    double output = 0;
    double lastTime = 0;
    bool initialised = false;
};
