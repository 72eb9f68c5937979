#pragma once

// A draw r uniform in [0, 1).
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual double draw() = 0;
};

// A uniform generator seeded afresh from the clock at every draw.
class ClockSeededRandom : public RandomSource
{
public:
    double draw() override;
};
