#pragma once

namespace kestrova {

// The running power model: the metabolic power a runner of mass m kg uses at v m/s on slope s
// (rise per distance along the surface, negative downhill), and the mechanical power put out.
// air is 1 outdoors (air resistance counted) and 0 on a treadmill belt. Results in watts.
//
// The power is made of the running cost on the level, 148 v^1.36 kcal/hr for a 72.7 kg runner
// (plus 100 kcal/hr of base metabolism in the gross figure), the air resistance growing with v^3,
// and the climbing cost m g v s times a factor 2.5 + 10 s that reaches 0 at s = -0.25. Every term
// scales with m / 72.7. A negative speed has no power: the result is NaN.

// The body mass the model's constants are written for.
inline constexpr double kReferenceMassKg = 72.7;

// Metabolic power used, net of base metabolism.
double PowerUsedNet(double v, double m, double s, double air);

// Metabolic power used, including base metabolism.
double PowerUsedGross(double v, double m, double s, double air);

// Mechanical power put out: a quarter of the net power used.
double PowerOutput(double v, double m, double s, double air);

}  // namespace kestrova
